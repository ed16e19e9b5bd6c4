#include "physics.h"

#include <cmath>

namespace pathways {

double corridorFactor(double corridor) { return 1 - corridor / 70; }

double segmentWidth(int segments) { return (detectorX - sourceX) / segments; }

double bendY(double q, double d) { return ys + q * (maxDeviation - 2 * d); }

double arrowAngle(double routeLength) { return waveNumber * (routeLength + phaseOffset); }

void Route::to(Point next)
{
    length_ += std::hypot(at_.x - next.x, at_.y - next.y);
    horizontal_ += std::fabs(at_.x - next.x);
    at_ = next;
}

}  // namespace pathways
