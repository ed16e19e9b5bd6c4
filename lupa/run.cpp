// The run of Start: a plano-convex lens, flat face to the light, with its aperture
// blades; a detector point moves along the optical axis in 85 steps; at each step
// every ray through the open lens adds an arrow turned by its optical length (glass
// and air), the arrows are chained in a sum diagram below, and the squared length of
// the sum is marked in the probability graph above. All lengths are pixels.
#include <vector>

#include "numbers.h"
#include "physics.h"
#include "vocabulary.h"
#include "window.h"

namespace lupa {

namespace {
constexpr double clearHeight = 581;  // rows are cleared upward from 580
constexpr double clearWidth = 800;
constexpr double axisEndX = 800 - 50;  // right end of the axis and the diagram lines
constexpr double sumStartY = axisY + 150;  // 440.5: base line of the sum diagram
constexpr double graphBaseY = axisY - 60;  // 230.5: marks rise above this line
constexpr double diagramStartX = 150;
constexpr double fanArrowLength = 20;
constexpr int detectorSteps = 85;
constexpr double detectorSpacing = 7;
constexpr double pacingFactor = 200;
const Colour lightGreen = RGB(192, 255, 192);

struct Light {
    double f;  // frequency, as the colour options write it
    double factorWithDispersion, factorWithout;
    double markScale;
    Colour colour;
};
const Light kLights[] = {
    {0.5, 1.9, 2.1, 1, colours::red},
    {0.75, 1.98, 2.1, 1.08, colours::green},
    {1, 2.1, 2.1, 1.3, colours::blue},
};

double detectorX(int k) { return diagramStartX + detectorSpacing * k; }
}  // namespace

void FokusLupy::cmdStart_Click()
{
    DrawingSurface& s = surface();
    const Lens lens{number(nPoloměr_)};
    const double C = number(nClona_);
    const double N = number(nPůlLupy_);
    const double n = number(nIndex_);
    const std::string frequencyText = text(nKmitočet_);
    const double f = textToNumber(frequencyText);
    const std::string display = text(nZobrazení_);

    // 1.
    s.ScaleMode = DrawingSurface::Pixels;

    // 2. Clearing, by display and first-run flag.
    auto clearRows = [&](int from, int to, double left) { erase(s, left, clearWidth, clearHeight - from, clearHeight - to); };
    if (display == "Pruhy") {
        clearRows(1, 555, 10);
    } else if (display == "Body" && number(nStart_) != 1) {
        if (askYesNo("Vyčistit graf pravděpodobnosti pro novou animaci?") == vbNo)
            clearRows(10, 260, 250);  // the sum diagram only; the probability graph stays
        else
            clearRows(1, 555, 1);
    }

    // 3. The optical axis.
    s.Line(flatFaceX, axisY, axisEndX, axisY);

    // 4. The lens body, line by line.
    s.DrawWidth = 2;
    for (int i = 1; i <= 400; ++i) {
        const double y = lensTop + i;
        s.Line(flatFaceX, y, lens.exitX(y), y, lightGreen);
    }
    // 5. Its curved face; 6. the mount erases the rest of the circle.
    s.Circle(lens.centreX(), axisY, lens.R);
    for (int i = 1; i <= 100; ++i) {
        s.Line(1, lensTop - i, 100, lensTop - i, colours::grey);
        s.Line(1, lensBottom + i, 100, lensBottom + i, colours::grey);
    }

    // 7. The aperture blades; with the lower half covered the lower blade reaches the axis.
    const bool wholeLens = N == 80;
    s.DrawWidth = 4;
    s.Line(flatFaceX, 20, flatFaceX, lensTop + C);
    if (wholeLens)
        s.Line(flatFaceX, lensBottom - C, flatFaceX, 540.5);
    else
        s.Line(flatFaceX, axisY, flatFaceX, 540.5);

    // 8. The incoming light.
    s.DrawWidth = 1;
    for (double y = 40.5; y <= 540.5; y += 5)
        s.Line(1, y, flatFaceX, y);

    // 9. Index, wave number, sum arrow length, mark scale and colour.
    const bool dispersion = text(nDisperze_) == "Ano";
    const Light* light = chosen(kLights, &Light::f, frequencyText);
    const double m = light ? effectiveIndex(n, dispersion ? light->factorWithDispersion : light->factorWithout) : 0;
    const double markScale = light ? light->markScale : 0;
    const Colour markColour = light ? light->colour : colours::black;
    const Optics optics{lens, m, 0.8 * f};
    const double sumArrowLength = wholeLens ? 1.5 : 2.25;
    const std::vector<double> rays = openRays(N, C, wholeLens);

    // 10. The detector steps.
    for (int k = 1; k <= detectorSteps; ++k) {
        pacing().wait(pacingFactor * number(nSpomaleni_));
        const double xd = detectorX(k);
        Chain sum{{xd, sumStartY}};
        for (const double y : rays) {
            s.Line(0, y, lens.exitX(y) + 5, y);
            const double phi = optics.angle(y, xd);
            const Arrow fan{fanArrowLength, phi};
            s.Line(xd, axisY, xd + fan.dx(), axisY + fan.dy());
            s.Line(diagramStartX, sumStartY, axisEndX, sumStartY);
            s.Line(diagramStartX, graphBaseY, axisEndX, graphBaseY);
            sum.draw(s, {sumArrowLength, phi}, s.ForeColor);
        }
        s.DrawWidth = 2;
        s.Line(xd, sumStartY, sum.end().x, sum.end().y, colours::green);
        const double P = probability(sum);
        const double markY = graphBaseY - markScale * P;
        if (display == "Body")
            s.Circle(xd, markY, 1, markColour);
        else if (display == "Pruhy")
            s.Line(xd, markY, xd, graphBaseY, markColour);
        s.DrawWidth = 1;
    }

    // 11. The closing white fans at every fifth step.
    for (int k = 1; k <= 16; ++k) {
        const double xd = diagramStartX + 35 * k;
        for (const double y : rays) {
            const Arrow fan{fanArrowLength, optics.angle(y, xd)};
            s.Line(xd, axisY, xd + fan.dx(), axisY + fan.dy(), colours::white);
        }
    }

    // 12.
    setNumber(nStart_, 0);
    setShown({nPravděpodobnost_, nSoučetRadiusvektorů_, nClonaOtvor_}, true);
}
}  // namespace lupa
