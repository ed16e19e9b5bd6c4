#include "physics.h"

#include <cmath>

namespace glassecho {

double electronY(double t) { return glassTopY + t; }

double pathLength(double t)
{
    const double down = glassTopY + t - lampY, across = electronX - sourceX;  // 2000 + t and 2750
    return 2 * std::sqrt(down * down + across * across);
}

double angleFactor(double f) { return radiansPerTwipAndFrequency * f; }

double scatteredAngle(double t, double kf) { return pathLength(t) * kf; }

Point ScatteredChain::add(double angle)
{
    end_ = {end_.x - arrowLength * std::cos(angle), end_.y + arrowLength * std::sin(angle)};
    return end_;
}

double ScatteredChain::probability() const
{
    return probabilityScale * ((start_.y - end_.y) * (start_.y - end_.y) + (start_.x - end_.x) * (start_.x - end_.x));
}

}  // namespace glassecho
