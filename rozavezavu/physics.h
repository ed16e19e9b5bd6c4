#pragma once
#include <cmath>

#include "arrows.h"

// The physics of rozavezavu: the routes of the light from the object, the oblique
// reference light and the reconstruction light over the plate in the screen's window,
// and the sums of their arrows at the plate and at the detector. Lengths are in twips;
// a frequency turns an arrow by that many radians a twip of route.

namespace rozavezavu {

// The screen with its window and the hologram plate in it.
constexpr double xPlate = 5000;
constexpr double windowTop = 4000;
constexpr double windowHeight = 3000;
constexpr double windowBottom = windowTop + windowHeight;
// The length of every arrow a route brings to the plate.
constexpr double arrowLength = 50;
// What the plate lets through for each unit of the intensity it recorded (at most 0.55).
constexpr double transmissionPerIntensity = 0.000055;

// The reference light falls on the plate at an angle whose sine and cosine are taken of
// the number 40 (radians).
inline const double referenceSine = std::sin(40.0);
inline const double referenceCosine = std::cos(40.0);

// The path difference of the oblique reference light at the plate point y, counted from
// the bottom of the window.
double referencePath(double y);
// What the plate lets through where it recorded the intensity I.
double transmission(double I);

// One set-up: the recording frequency f, the reconstruction frequency g, the object at
// (X, Y) and the detector line at x = xd.
struct Setup {
    double f = 0, g = 0;
    double X = 0, Y = 0, xd = 0;

    // The route from the object to the plate point y.
    double objectPath(double y) const;
    // The route from the plate point y to the detector point yd.
    double detectorPath(double y, double yd) const;

    // The hologram at the plate point y: the reference and the object arrow at f added,
    // and the squared length of their sum.
    double recorded(double y) const;
    // The light through the window from the plate point y to the detector point yd: the
    // reference, object and detector arrows at f, added to the detector point's sum.
    void addThroughWindow(Chain& sum, double y, double yd) const;
    // The reconstruction light at g at the plate point y, then what the hologram there
    // (recorded as I) lets through to the detector point yd.
    void addReconstructed(Chain& sum, double y, double yd, double I) const;
    // The reconstruction light through the empty window: one arrow at g for the whole route.
    void addWithoutHologram(Chain& sum, double y, double yd) const;
};
}  // namespace rozavezavu
