#include "physics.h"

#include <cmath>

namespace parabola {

double mirrorParameter(int d) { return -(d + 50.0); }

double mirrorDepth(double K, double p) { return K * p * p; }

double tangentAngle(double K, int d, double p)
{
    const double xt = K * d * d, xm = mirrorDepth(K, p);
    const double dx = 10 * (xt - xm), dy = 10 * (-d - p);
    return std::atan(dy / dx);
}

double routeLength(double xm, int d, double j)
{
    return (rayStartX - xm) + std::sqrt((j - vertexX - xm) * (j - vertexX - xm) + double(d) * d);
}

Arrow routeArrow(double f, double routeLength) { return {arrowLength, f * routeLength}; }

Chain arrival(double K, double f, double j, Point start)
{
    Chain chain{start};
    for (int d = 1; d <= routes; ++d)
        chain.add(routeArrow(f, routeLength(mirrorDepth(K, mirrorParameter(d)), d, j)));
    return chain;
}

}  // namespace parabola
