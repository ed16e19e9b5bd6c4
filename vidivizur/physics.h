#pragma once
#include "arrows.h"

// The physics of vidivizur: an angle phi that grows, the radius vector r e^(i phi) it
// turns, and the height r sin(phi) of its tip, which traced against the angle is the
// sine wave. The angle also winds a spiral whose radius grows with it.
namespace vidivizur {

constexpr double pi = 3.14;  // the value of pi in every angle conversion
constexpr double radius = 80;  // the radius vector's length, the amplitude of the sine wave
constexpr int lastStep = 40000;  // the steps k = 0, 10, ... 40000 are the angles 0 to 400 degrees
constexpr int stepsApart = 10;

// The angle of step k, in degrees: a hundredth of k.
double degrees(int k);

// Degrees to radians, with the program's pi.
double radians(double degrees);

// The radius vector at the angle phi (radians).
Arrow radiusVector(double phi);

// The height of the radius vector's tip above the axis: the sine wave at phi.
double height(double phi);

// The spiral's arm at the angle t (degrees): 8 long at 0 degrees, 48 at 400.
Arrow spiralArm(double t);

}  // namespace vidivizur
