#pragma once
// The physics of lupa: a plano-convex lens, flat face to the light, the rays through its
// opening, each ray's optical length (glass and air) to a detector on the axis and the
// angle its arrow turns to, and the probability of arrival from the sum of the arrows.
// All lengths are pixels.
#include <cmath>
#include <vector>

#include "arrows.h"

namespace lupa {

constexpr double axisY = 581.0 / 2;  // 290.5: the optical axis
constexpr double flatFaceX = 50;
constexpr double lensTop = axisY - 200, lensBottom = axisY + 200;  // 90.5 and 490.5
constexpr double apexX = 110;  // the curved face's apex: the lens is 60 thick on the axis
constexpr double raySpacing = 5;
constexpr double probabilityFactor = 0.015 * 0.8;  // probability per squared length of the arrows' sum

struct Lens {
    double R;  // radius of the curved face
    double centreX() const { return apexX - R; }
    // Where a ray at height y leaves the curved face.
    double exitX(double y) const { return centreX() + std::sqrt(R * R - (y - axisY) * (y - axisY)); }
};

struct Optics {
    Lens lens;
    double m;  // effective refractive index: glass lengthens a route m times
    double w;  // wave number, radians per pixel
    // The optical length of the ray at height y to the detector at (xd, axis): its way through
    // the glass, m times, and straight on through the air.
    double opticalLength(double y, double xd) const;
    // The angle of that ray's arrow.
    double angle(double y, double xd) const { return opticalLength(y, xd) * w; }
};

// The effective index: the index box's n times the light's factor.
double effectiveIndex(double n, double factor);
// The heights of the rays through the opening, from its top down: an aperture C narrows it from
// both blades, and with the lower half covered (wholeLens false) only the upper half lets light in.
std::vector<double> openRays(double N, double C, bool wholeLens);
// The probability of arrival shown for a chain of the rays' arrows.
double probability(const Chain& arrows);

}  // namespace lupa
