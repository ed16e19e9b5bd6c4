#include "physics.h"

#include <cmath>

namespace interference {

Holes holes(double h) { return {yAxis - h, yAxis + h}; }

double detectorLine(double D) { return xScreen + D; }

double routeLength(double yHole, double x, double y) { return std::hypot(x - xScreen, y - yHole); }

Arrow routeArrow(double k, double r) { return {arrowLength, k * r}; }

TwoRoutes addRoutes(double k, double yA, double yB, double x, double y)
{
    TwoRoutes routes{Chain({x, y}), {}};
    routes.afterB = routes.chain.add(routeArrow(k, routeLength(yB, x, y)));
    routes.chain.add(routeArrow(k, routeLength(yA, x, y)));
    return routes;
}

double probability(const Chain& chain) { return probabilityScale * chain.squared(); }

}  // namespace interference
