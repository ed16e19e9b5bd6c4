#pragma once
#include "arrows.h"

// The physics of interference, in pixels of the picture: a point source on the axis,
// a screen with the holes A and B at equal distances above and below it, and a detector
// line behind the screen. Each route from a hole to a detector point gives an arrow of
// one length, turned by the wave number times the route's length; the two arrows added
// head to tail give the probability of arrival, 0.01 x the squared length of their sum.
namespace interference {

constexpr double xSource = 150, yAxis = 300;  // the source sits on the axis
constexpr double xScreen = 250;  // the screen with the holes
constexpr double arrowLength = 50;  // the arrow of every route
constexpr double probabilityScale = 0.01;  // a bar is 0.01 x |sum|^2: 0 to 100 pixels

// The heights of the holes, each h from the axis: A above it, B below.
struct Holes {
    double yA, yB;
};
Holes holes(double h);

// The detector line, D behind the screen.
double detectorLine(double D);

// The length of the route from a hole (at the height yHole on the screen) to the detector
// point (x, y).
double routeLength(double yHole, double x, double y);

// The arrow of a route of length r for the wave number k (radians per pixel of route).
Arrow routeArrow(double k, double r);

// The arrows of the routes through B and A, added head to tail from the detector point
// (x, y): the first ends where the second starts.
struct TwoRoutes {
    Chain chain;
    Point afterB;  // the head of B's arrow, the tail of A's
};
TwoRoutes addRoutes(double k, double yA, double yB, double x, double y);

// The probability of arrival, from the squared length of the arrows' sum.
double probability(const Chain& chain);

}  // namespace interference
