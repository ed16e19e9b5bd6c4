// The run of Start: a glass plate under a source and a detector grows 100 twips
// thicker at every step; the electron at the new depth scatters one arrow back to
// the detector, turned by the length of the path source-electron-detector; the
// arrows are chained, and the squared length of their sum is plotted against the
// thickness in the colour of the light. All lengths are twips.
#include <cmath>

#include "physics.h"
#include "vocabulary.h"
#include "window.h"

namespace glassecho {

namespace {
constexpr double lampRadius = 50;
constexpr double chainX = 8300, chainY = 6000;  // where the arrow chain starts
constexpr double graphX = 9000, graphY = 3000;  // thickness downwards, probability to the right
constexpr double pacingFactor = 200000;
constexpr int pauseSines = 100000;  // the closing pause: this many sine evaluations

struct Light {
    double f;
    Colour colour;
};
const Light kLights[] = {{0.1, colours::red}, {0.2, colours::green}, {0.3, colours::blue}};

// The band below the plate, rows 501 to 10500, up to `right`.
void eraseBelowThePlate(DrawingSurface& s, double right) { erase(s, 1, right, 501, 10500); }

// A busy pause of the same order whatever the speed setting.
void closingPause()
{
    volatile double sink = 0;
    for (int i = 1; i <= pauseSines; ++i)
        sink = std::sin(double(i));
    (void)sink;
}
}  // namespace

void Rozptyl::cmdStart_Click()
{
    DrawingSurface& s = surface();

    // 1.
    s.ScaleMode = DrawingSurface::Twips;
    s.DrawWidth = 1;

    // 2. Every run but the first asks whether to clear the earlier graphs; 3.
    if (text(nStartuje_) != "Ano" && askYesNo("Vyčistit graf pravděpodobnosti pro novou animaci?") == vbYes)
        eraseBelowThePlate(s, 12000);
    setText(nStartuje_, "Ne");

    // 4. The scene on the left is erased every run.
    eraseBelowThePlate(s, 6100);

    // 5. The graph axes, source, detector, the glass's top surface, the chain origin, the light.
    s.Line(8800, graphY, 11700, graphY);
    s.Line(graphX, 2800, graphX, 8300);
    s.DrawWidth = 3;
    s.Circle(sourceX, lampY, lampRadius);
    s.Circle(detectorX, lampY, lampRadius);
    s.DrawWidth = 1;
    s.Line(sourceX, glassTopY, detectorX, glassTopY);
    s.Circle(chainX, chainY, lampRadius);
    s.DrawWidth = 3;
    s.Line(sourceX, 2920, detectorX, 2920, colours::yellow);

    // 6.
    const double f = number(nFrekvence_);
    const double kf = angleFactor(f);
    Colour light = colours::black;
    for (const Light& l : kLights)
        if (f == l.f)
            light = l.colour;
    ScatteredChain chain({chainX, chainY});
    double graphPointX = graphX, graphPointY = graphY;

    // 7. The plate grows.
    for (double t = 0; t <= maxThickness; t += thicknessStep) {
        const double bottom = electronY(t);  // the plate's new bottom, where the electron sits
        s.DrawWidth = 3;
        s.Line(sourceX, 2950, sourceX, bottom, colours::yellow);
        s.Line(detectorX, 2950, detectorX, bottom, colours::yellow);
        s.DrawWidth = 2;
        s.Line(sourceX, bottom, detectorX, bottom);
        s.DrawWidth = 1;
        s.Line(sourceX, lampY, electronX, bottom, colours::white);
        s.Line(electronX, bottom, detectorX, lampY, colours::white);
        const Point from = chain.end(), to = chain.add(scatteredAngle(t, kf));
        s.Line(from.x, from.y, to.x, to.y);
        const double P = chain.probability();
        s.DrawWidth = 2;
        s.Line(graphPointX, graphPointY, graphX + P, bottom, light);
        graphPointX = graphX + P, graphPointY = bottom;
        pacing().wait(pacingFactor * number(nSpomaleni_));
    }

    // 8. The sum of all the arrows.
    s.Line(chainX, chainY, chain.end().x, chain.end().y, light);

    // 9.
    closingPause();

    // 10.
    setShown({labZdroj_, labDetektor_, labPravděpodobnost_, labSilaSkla_, labSoučet_, labSklíčko_}, true);
}
}  // namespace glassecho
