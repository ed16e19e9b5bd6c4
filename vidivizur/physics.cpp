#include "physics.h"

#include <cmath>

namespace vidivizur {

double degrees(int k) { return k / 100.0; }

double radians(double degrees) { return degrees * pi / 180; }

Arrow radiusVector(double phi) { return {radius, phi}; }

double height(double phi) { return radius * std::sin(phi); }

Arrow spiralArm(double t) { return {(t + 80) / 10, radians(t)}; }

}  // namespace vidivizur
