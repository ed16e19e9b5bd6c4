#pragma once
// The physics of parabola: the mirror x = K·y² in cross-section, the routes of the light
// from far to the right by a point of the mirror to a detector on the axis, their arrows
// and the squared length of their sum. All lengths are twips.
#include "arrows.h"

namespace parabola {

constexpr double vertexX = 2500;  // the mirror's vertex; the axis starts here
constexpr double rayStartX = 11000;  // where the light starts: the reference of every route length
constexpr double axisY = 4500;  // the mirror's axis: the detector moves along it
constexpr int routes = 3000;  // one route per twip of the lower half of the mirror
constexpr double arrowLength = 0.5;  // every route's arrow is as long

// The mirror parameter of the route at distance d from the axis: its mirror point lies
// mirrorDepth(K, p) to the right of the vertex.
double mirrorParameter(int d);
double mirrorDepth(double K, double p);
// The angle of the mirror's tangent for the ray at distance d (parameter p), from ten times
// the chord of the mirror from parameter p to parameter -d.
double tangentAngle(double K, int d, double p);
// The route from far to the right to the mirror point at depth xm, d from the axis, then
// straight to the detector at j on the axis.
double routeLength(double xm, int d, double j);
// The arrow of a route of this length at frequency f.
Arrow routeArrow(double f, double routeLength);
// The arrows of every route to the detector at j, added head to tail from `start`.
Chain arrival(double K, double f, double j, Point start);

}  // namespace parabola
