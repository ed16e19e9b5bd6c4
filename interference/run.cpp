// The run of Start: a point source, a screen with the holes A and B, and a detector
// point moving up a line behind the screen one pixel per step. At every step the
// arrows of the two routes (source, hole, detector point) are added head to tail and
// the squared length of their sum is drawn as a bar of the probability graph; at
// every twentieth step the routes, the arrows and their green resultant stay drawn.
#include "physics.h"
#include "vocabulary.h"
#include "window.h"

namespace interference {

namespace {
constexpr double sourceRadius = 5;
constexpr double yScreenTop = 100, yScreenBottom = 500;
constexpr double holeRadius = 3;  // the grey discs that cut the holes out of the screen
constexpr double xAxisFrom = 130, xAxisTo = 750;
constexpr double yDetectorFrom = 510, yDetectorTo = 90;  // the detector line, drawn upwards
constexpr double yStepBase = 500;  // the detector point of step i stands at y = 500 - i
constexpr int steps = 399;  // y = 499 up to 101
constexpr int markEvery = 20;  // steps whose routes and arrows stay drawn
constexpr double pointRadius = 3;
constexpr double xGraph = 600, yGraphTop = 100, yGraphBottom = 500;
constexpr double decrementsPerSpeed = 30000;
// Every run clears this band; what an earlier run drew above it stays.
constexpr int yEraseFrom = 50, yEraseTo = 580;
constexpr double xEraseFrom = 5, xEraseTo = 800;

constexpr Colour lightCyan = RGB(192, 255, 255);  // the routes
}  // namespace

void frmInterference::cmdStart_Click()
{
    const double h = number(nOdchylka_);  // each hole this far from the axis
    const double D = number(nVzdalenost_);  // screen to detector line
    const double k = number(nKmitočet_);  // radians per pixel of route
    const double xd = detectorLine(D);
    const auto [yA, yB] = holes(h);

    DrawingSurface& s = surface();
    // 1. Pixels.
    s.ScaleMode = DrawingSurface::Twips;
    s.ScaleMode = DrawingSurface::Pixels;
    s.DrawWidth = 1;
    s.DrawStyle = DrawingSurface::Solid;

    // 2. Erase what the previous run drew.
    erase(s, xEraseFrom, xEraseTo, yEraseFrom, yEraseTo);

    // 3. The source: a white disc.
    s.FillStyle = DrawingSurface::FillSolid;
    s.FillColor = colours::white;
    s.Circle(xSource, yAxis, sourceRadius);

    // 4. The routes from the source to the holes.
    s.Line(xSource, yAxis, xScreen, yA);
    s.Line(xSource, yAxis, xScreen, yB);

    // 5. The screen.
    s.DrawWidth = 2;
    s.Line(xScreen, yScreenTop, xScreen, yScreenBottom);

    // 6. The holes, cut out of the screen by grey discs: B, then A.
    s.DrawWidth = 1;
    s.FillColor = colours::grey;
    s.Circle(xScreen, yB, holeRadius, colours::grey);
    s.Circle(xScreen, yA, holeRadius, colours::grey);

    // 7. The detector line and the axis of the probability graph.
    s.DrawWidth = 2;
    s.Line(xd, yDetectorFrom, xd, yDetectorTo);
    s.Line(xGraph, yGraphTop, xGraph, yGraphBottom);

    // 8. The axis.
    s.DrawWidth = 1;
    s.Line(xAxisFrom, yAxis, xAxisTo, yAxis);

    // 9. The detector point moves up the line.
    for (int i = 1; i <= steps; ++i) {
        const double y = yStepBase - i;
        const bool marked = i % markEvery == 0;
        const TwoRoutes routes = addRoutes(k, yA, yB, xd, y);
        const Point b = routes.afterB, end = routes.chain.end();

        if (marked) {
            // The arrow of the route through B, from the detector point, and the route.
            s.Line(xd, y, b.x, b.y);
            s.Line(xScreen, yB, xd, y, lightCyan);
            s.Circle(xd, y, pointRadius);
            // The arrow of the route through A, from the head of the first, and the route.
            s.Line(b.x, b.y, end.x, end.y, colours::windowBackground);
            s.Line(xScreen, yA, xd, y, lightCyan);
        }

        // The resultant and the probability bar.
        s.DrawWidth = 2;
        if (marked)
            s.Line(xd, y, end.x, end.y, colours::green);
        const double P = probability(routes.chain);
        s.Line(xGraph, y, xGraph + P, y);
        s.DrawWidth = 1;

        pacing().wait(decrementsPerSpeed * number(nSpomaleni_));
    }

    // 10. The captions.
    const auto place = [this](ControlRef label, double left, double top) { reveal(label, left, top); };
    place(labClona_, xScreen - 40, yScreenTop - 10);
    place(labPravde_, xGraph, yGraphTop - 40);
    place(labZdroj_, xSource - 30, yAxis + 10);
    place(labDetektor_, xd + 35, 60);
    place(labA_, xScreen - 20, yAxis - 20 - h);
    place(labB_, xScreen - 20, yAxis + 10 + h);
}
}  // namespace interference
