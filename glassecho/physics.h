#pragma once
#include "arrows.h"

// The physics of glassecho, in twips of the picture: a source and a detector above a
// glass plate whose thickness t grows. The electron at depth t, midway between them,
// scatters light back to the detector; its arrow is turned by the length of the path
// source - electron - detector times the light's angle factor, and the arrows of all
// the depths so far, chained, give the probability of reflection.
namespace glassecho {

constexpr double sourceX = 500, detectorX = 6000, lampY = 1000;  // source and detector
constexpr double glassTopY = 3000;  // the plate's top surface
constexpr double electronX = sourceX + (detectorX - sourceX) / 2;  // 3250: midway
constexpr double maxThickness = 5000, thicknessStep = 100;
constexpr double arrowLength = 100;  // the arrow every depth scatters
constexpr double radiansPerTwipAndFrequency = 0.157041 / 100 * 5;
constexpr double probabilityScale = 0.0009;  // twips of graph per squared twip of sum

// The depth of the electron below the plate's top at thickness t.
double electronY(double t);

// Path length source - electron at depth t - detector.
double pathLength(double t);

// Angle per twip of path for the frequency f.
double angleFactor(double f);

// The angle of the arrow the electron at depth t scatters, for the angle factor kf.
double scatteredAngle(double t, double kf);

// The scattered arrows chained from a start: each one arrowLength long, pointing to the
// left by the cosine of its angle and down by its sine.
class ScatteredChain {
public:
    explicit ScatteredChain(Point start) : start_(start), end_(start) {}
    // The arrow of this angle from the end of the last; the new end.
    Point add(double angle);
    Point end() const { return end_; }
    // The probability of reflection: the squared length of the arrows' sum, to the graph's scale.
    double probability() const;

private:
    Point start_, end_;
};

}  // namespace glassecho
