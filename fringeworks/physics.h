#pragma once
#include "arrows.h"

// The physics of fringeworks: the two routes from the holes to a detector point, the
// arrow a photon brings there and the sum of the arrows of many photons. Lengths are in
// pixels of the picture; angles in radians, counted as the arrows are drawn (y up).

namespace fringeworks {

// The axis through the source and the middle between the two holes (340.5).
constexpr double axisY = 581.0 / 2 + 50;
// The starting phase is a whole number p of steps: half a turn is 180 of them.
constexpr int phaseNumbers = 180;
constexpr double phaseStep = 0.0157041 * 1.1;  // radians per step
// A hole number h (0..999) picks the hole; above 500 the upper one.
constexpr int holeNumbers = 1000;
constexpr int lastLowerHoleNumber = 500;
// The length of each photon's arrow in the sum at a detector point.
constexpr double photonArrowLength = 0.3;

// The starting phase of a photon of the pass (1 or 2) for its step number p (0..179):
// pass 2 starts half a turn further on.
double startingPhase(int pass, double p);

// The hole a number h sends a photon through: +1 the upper, -1 the lower.
int holeFor(int h);
// The height of that hole, the holes `holeDistance` apart about the axis.
double holeY(int hole, double holeDistance);

// The length of the route from a hole at height yHole to the detector point at height
// yd, the detector `across` pixels further on.
double routeLength(double yHole, double yd, double across);
// The angle of the arrow a photon brings: its starting phase turned on by the length of
// its route at `phasePerPixel` radians a pixel.
double arrivalPhase(double phasePerPixel, double length, double startingPhase);

// The photon's arrow in the sum at its detector point. The sum is a Chain of these
// arrows with y downwards: its end is the summed arrow mirrored in the x axis.
Arrow photonArrow(double phi);
// The probability bar of a detector point: `scale` times the squared length of the sum.
double probability(const Chain& sum, double scale);
}  // namespace fringeworks
