#pragma once
// The physics of pathways: the corridor the routes bend in, the length of a zig-zag
// route, and the angle its arrow turns to. All lengths are pixels.
#include "arrows.h"

namespace pathways {

constexpr double ys = 581 / 2.9;  // the corridor's centre line: source and detector lie on it
constexpr double sourceX = 70, detectorX = 400;
constexpr double waveNumber = 6.28164 / 100;  // arrow angle per pixel of route: a wavelength of about 100
constexpr double phaseOffset = 10;  // added to every route length before it becomes an angle
constexpr double maxDeviation = 100;  // the widest corridor's half-width

// The corridor's half-width as a fraction of the widest, by the corridor setting (1 wide .. 70 thin).
double corridorFactor(double corridor);
// The nominal width of each of `segments` segments between source and detector.
double segmentWidth(int segments);
// The height of a bend point: `d` (0..99) picks it across the corridor of half-width factor q.
double bendY(double q, double d);
// The angle of the arrow of a route of this length.
double arrowAngle(double routeLength);

// A zig-zag route from the source, point by point: its length and its horizontal length.
class Route {
public:
    explicit Route(Point start) : at_(start) {}
    // The next straight piece, from the last point to this one.
    void to(Point next);
    Point at() const { return at_; }
    double length() const { return length_; }
    double horizontal() const { return horizontal_; }

private:
    Point at_;
    double length_ = 0, horizontal_ = 0;
};

}  // namespace pathways
