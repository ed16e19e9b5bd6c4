#include "physics.h"

#include <cmath>

namespace lupa {

double Optics::opticalLength(double y, double xd) const
{
    const double xs = lens.exitX(y);
    const double glass = (xs - flatFaceX) * m;
    const double air = std::sqrt((xd - xs) * (xd - xs) + (y - axisY) * (y - axisY));
    return air + glass;
}

double effectiveIndex(double n, double factor) { return n * factor; }

std::vector<double> openRays(double N, double C, bool wholeLens)
{
    const double q = wholeLens ? 1 : 0.5;
    const double openingTop = lensTop + C;
    std::vector<double> rays;
    for (int j = 0; j <= N - q * 0.4 * C; ++j)
        rays.push_back(openingTop + raySpacing * j);
    return rays;
}

double probability(const Chain& arrows) { return probabilityFactor * arrows.squared(); }

}  // namespace lupa
