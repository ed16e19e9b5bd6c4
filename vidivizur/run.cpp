// The run of Start: an angle grows from 0 to 400 degrees in steps of 0.1 degree;
// on the left a point moves on a circle in the complex plane while a spiral marks
// the angle, in the middle a radius vector turns and sweeps its disc white, on the
// right the height of the point is plotted against the angle: the sine wave.
#include <cmath>

#include "vocabulary.h"
#include "window.h"

namespace vidivizur {

namespace {
constexpr double r = 80;  // radius of both circles, amplitude of the sine wave
constexpr double xb = 800 / 3.2;  // 250: the base the x positions are measured from
constexpr double yc = 581.0 / 2 - 90;  // 200.5: the common axis and both circle centres
constexpr double xe = xb - 125;  // 125: centre of the complex-plane circle (left)
constexpr double xr = xb + 50;  // 300: centre of the radius-vector circle (middle)
constexpr double xs = xb + r + 150;  // 480: origin of the sine graph (right)
constexpr double pi = 3.14;  // the value of pi in every angle conversion
constexpr double sinePixelsPerRadian = 30;

struct Point {
    double x, y;
};

// The point of the circle of centre (cx, yc) at angle a, y growing downwards.
Point onCircle(double cx, double a) { return {cx + r * std::cos(a), yc - r * std::sin(a)}; }

double radians(double degrees) { return degrees * pi / 180; }

// Radius of the angle spiral: 8 at 0 degrees, 48 at 400 degrees.
double spiralRadius(double t) { return (t + 80) / 10; }
}  // namespace

void Form1::ComSinusovka_Click()
{
    DrawingSurface& s = surface();
    // 1. Pixels, pen 1.
    s.ScaleMode = DrawingSurface::Twips;
    s.ScaleMode = DrawingSurface::Pixels;
    s.DrawWidth = 1;

    // 2. Erase rows 580 up to 111.
    erase(s, 1, 800, 580, 111);

    // 3. The static frame.
    s.Line(xb + 200, yc, xb + 500, yc, colours::black);  // the phi axis of the sine graph
    s.Line(xb - 250, yc, xb + 180, yc);  // the axis through both circles
    s.Circle(xr, yc, r);
    s.Circle(xe, yc, r);
    s.Line(xb - 130, yc - 100, xb - 130, yc + 100);  // imaginary axis, 5 px left of the centre
    s.Line(xs, yc + 100, xs, yc - 100);  // y axis of the sine graph
    s.Line(xr, yc + 100, xr, yc - 100);  // vertical axis of the middle circle

    // 4. The paced steps.
    for (int k = 0; k <= 40000; k += 10) {
        const double t = k / 100.0;
        const double phi = radians(t), phiBefore = radians(t - 1);
        s.DrawWidth = 2;
        const Point radiusBefore = onCircle(xr, phiBefore), radiusNow = onCircle(xr, phi);
        s.Line(xr, yc, radiusBefore.x, radiusBefore.y, colours::white);  // sweeps the disc white
        s.Line(xr, yc, radiusNow.x, radiusNow.y);  // the radius vector
        s.Circle(xr, yc, r);  // its outline again
        s.Circle(xs + sinePixelsPerRadian * phi, yc - r * std::sin(phi), 1);  // the sine wave
        const Point pointBefore = onCircle(xe, phiBefore), pointNow = onCircle(xe, phi);
        s.Circle(pointBefore.x, pointBefore.y, 2, colours::white);  // the white trace
        s.Circle(pointNow.x, pointNow.y, 2);  // the moving point r e^(i phi)
        s.DrawWidth = 1;
        const double rho = spiralRadius(t);
        s.Circle(xe + rho * std::cos(phi), yc - rho * std::sin(phi), 1, colours::black);  // the angle spiral
        pacing().wait(number("nSpomaleni"));
    }

    // 5. The spiral of the middle picture, at once.
    double phi = 0;
    for (int k = 0; k <= 40000; k += 10) {
        const double t = k / 100.0;
        phi = radians(t);
        const double rho = spiralRadius(t);
        s.DrawWidth = 1;
        s.Circle(xb + 54 + rho * std::cos(phi), yc - rho * std::sin(phi), 1, colours::black);
    }

    // 6. Labels and legends.
    reveal("labFiEuler", xb - 75, yc - 30);
    reveal("labFiRadius", xb + 105, yc - 30);
    reveal("labPolomer", xb + 70, yc - 45);
    reveal("labPolomerE", xb - 103, yc - 45);
    reveal("imLegenda", 100, 350);
    reveal("imOmegaCas", 700, 205);
    for (const char* name : {"labI", "labY", "labPolarnisouradnice"})
        setShown(name, true);

    // 7. Dotted guide lines with the final angle.
    s.DrawWidth = 1;
    s.DrawStyle = DrawingSurface::Dotted;
    const Point point = onCircle(xe, phi), tip = onCircle(xr, phi);
    s.Line(xb - 130, yc, point.x, point.y);  // from the imaginary axis to the moving point
    s.Line(tip.x, tip.y, xs + sinePixelsPerRadian * phi, yc - r * std::sin(phi));  // tip to the last sine point

    // 8. Redraw the axes and circles over the picture (not the y axis of the sine graph).
    s.DrawStyle = DrawingSurface::Solid;
    s.Line(xr, yc + 100, xr, yc - 100);
    s.Line(450, yc, 750, yc, colours::black);
    s.Line(0, yc, 430, yc);
    s.Line(120, yc - 100, 120, yc + 100);
    s.Circle(xr, yc, r);
    s.Circle(xe, yc, r);
}
}  // namespace vidivizur
