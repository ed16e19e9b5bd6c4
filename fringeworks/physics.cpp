#include "physics.h"

#include <cmath>

namespace fringeworks {

double startingPhase(int pass, double p)
{
    const double firstPhase = pass == 2 ? phaseNumbers : 0;
    return (p + firstPhase) * phaseStep;
}

int holeFor(int h) { return h > lastLowerHoleNumber ? +1 : -1; }

double holeY(int hole, double holeDistance)
{
    return hole == +1 ? axisY - holeDistance / 2 : axisY + holeDistance / 2;
}

double routeLength(double yHole, double yd, double across)
{
    return std::sqrt((yHole - yd) * (yHole - yd) + across * across);
}

double arrivalPhase(double phasePerPixel, double length, double startingPhase)
{
    return phasePerPixel * length + startingPhase;
}

Arrow photonArrow(double phi) { return {photonArrowLength, phi}; }

double probability(const Chain& sum, double scale) { return scale * sum.squared(); }
}  // namespace fringeworks
