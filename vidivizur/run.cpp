// The run of Start: an angle grows from 0 to 400 degrees in steps of 0.1 degree;
// on the left a point moves on a circle in the complex plane while a spiral marks
// the angle, in the middle a radius vector turns and sweeps its disc white, on the
// right the height of the point is plotted against the angle: the sine wave.
#include "physics.h"
#include "vocabulary.h"
#include "window.h"

namespace vidivizur {

namespace {
constexpr double xb = 800 / 3.2;  // 250: the base the x positions are measured from
constexpr double yc = 581.0 / 2 - 90;  // 200.5: the common axis and both circle centres
constexpr double xe = xb - 125;  // 125: centre of the complex-plane circle (left)
constexpr double xr = xb + 50;  // 300: centre of the radius-vector circle (middle)
constexpr double xs = xb + radius + 150;  // 480: origin of the sine graph (right)
constexpr double sinePixelsPerRadian = 30;

// Where an arrow drawn from (cx, yc) ends, y growing downwards.
Point tip(double cx, Arrow a) { return {cx + a.dx(), yc - a.dy()}; }
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
    s.Circle(xr, yc, radius);
    s.Circle(xe, yc, radius);
    s.Line(xb - 130, yc - 100, xb - 130, yc + 100);  // imaginary axis, 5 px left of the centre
    s.Line(xs, yc + 100, xs, yc - 100);  // y axis of the sine graph
    s.Line(xr, yc + 100, xr, yc - 100);  // vertical axis of the middle circle

    // 4. The paced steps.
    for (int k = 0; k <= lastStep; k += stepsApart) {
        const double t = degrees(k);
        const double phi = radians(t), phiBefore = radians(t - 1);
        s.DrawWidth = 2;
        const Point radiusBefore = tip(xr, radiusVector(phiBefore)), radiusNow = tip(xr, radiusVector(phi));
        s.Line(xr, yc, radiusBefore.x, radiusBefore.y, colours::white);  // sweeps the disc white
        s.Line(xr, yc, radiusNow.x, radiusNow.y);  // the radius vector
        s.Circle(xr, yc, radius);  // its outline again
        s.Circle(xs + sinePixelsPerRadian * phi, yc - height(phi), 1);  // the sine wave
        const Point pointBefore = tip(xe, radiusVector(phiBefore)), pointNow = tip(xe, radiusVector(phi));
        s.Circle(pointBefore.x, pointBefore.y, 2, colours::white);  // the white trace
        s.Circle(pointNow.x, pointNow.y, 2);  // the moving point r e^(i phi)
        s.DrawWidth = 1;
        const Point spiral = tip(xe, spiralArm(t));
        s.Circle(spiral.x, spiral.y, 1, colours::black);  // the angle spiral
        pacing().wait(number(nSpomaleni_));
    }

    // 5. The spiral of the middle picture, at once.
    double phi = 0;
    for (int k = 0; k <= lastStep; k += stepsApart) {
        const Arrow arm = spiralArm(degrees(k));
        phi = arm.angle;
        s.DrawWidth = 1;
        const Point spiral = tip(xb + 54, arm);
        s.Circle(spiral.x, spiral.y, 1, colours::black);
    }

    // 6. Labels and legends.
    reveal(labFiEuler_, xb - 75, yc - 30);
    reveal(labFiRadius_, xb + 105, yc - 30);
    reveal(labPolomer_, xb + 70, yc - 45);
    reveal(labPolomerE_, xb - 103, yc - 45);
    reveal(imLegenda_, 100, 350);
    reveal(imOmegaCas_, 700, 205);
    setShown({labI_, labY_, labPolarnisouradnice_}, true);

    // 7. Dotted guide lines with the final angle.
    s.DrawWidth = 1;
    s.DrawStyle = DrawingSurface::Dotted;
    const Point point = tip(xe, radiusVector(phi)), last = tip(xr, radiusVector(phi));
    s.Line(xb - 130, yc, point.x, point.y);  // from the imaginary axis to the moving point
    s.Line(last.x, last.y, xs + sinePixelsPerRadian * phi, yc - height(phi));  // tip to the last sine point

    // 8. Redraw the axes and circles over the picture (not the y axis of the sine graph).
    s.DrawStyle = DrawingSurface::Solid;
    s.Line(xr, yc + 100, xr, yc - 100);
    s.Line(450, yc, 750, yc, colours::black);
    s.Line(0, yc, 430, yc);
    s.Line(120, yc - 100, 120, yc + 100);
    s.Circle(xr, yc, radius);
    s.Circle(xe, yc, radius);
}
}  // namespace vidivizur
