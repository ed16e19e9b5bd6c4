#include "physics.h"

#include <cmath>

namespace rozavezavu {

double referencePath(double y) { return referenceSine * (windowBottom - y); }

double transmission(double I) { return transmissionPerIntensity * I; }

double Setup::objectPath(double y) const { return std::hypot(xPlate - X, Y - y); }

double Setup::detectorPath(double y, double yd) const { return std::hypot(xd - xPlate, y - yd); }

double Setup::recorded(double y) const
{
    Chain sum;
    sum.add({arrowLength, f * referencePath(y)});
    sum.add({arrowLength, f * objectPath(y)});
    return sum.squared();
}

void Setup::addThroughWindow(Chain& sum, double y, double yd) const
{
    sum.add({arrowLength, f * referencePath(y)});
    sum.add({arrowLength, f * objectPath(y)});
    sum.add({arrowLength, f * detectorPath(y, yd)});
}

void Setup::addReconstructed(Chain& sum, double y, double yd, double I) const
{
    sum.add({arrowLength, g * referencePath(y)});
    sum.add({arrowLength * transmission(I), g * detectorPath(y, yd)});
}

void Setup::addWithoutHologram(Chain& sum, double y, double yd) const
{
    sum.add({arrowLength, g * (referencePath(y) + detectorPath(y, yd))});
}
}  // namespace rozavezavu
