// The run of Start: the mirror x = K·y² in cross-section with six pairs of parallel
// rays and their reflections; then a detector point moves along the axis and, for
// each of its 142 places, the arrows of the 3000 routes over the lower half of the
// mirror are chained into a Cornu spiral under the mirror, and the squared chord of
// the spiral stands on the axis as a bar. All lengths are twips.
#include <cmath>

#include "numbers.h"
#include "physics.h"
#include "vocabulary.h"
#include "window.h"

namespace parabola {

namespace {
constexpr double redrawnRayStartX = 11500;  // where the rays start when the sweep redraws them
constexpr double baselineY = axisY + 1700;  // every Cornu spiral starts on this line
constexpr double detectorStep = 60;
constexpr double barScale = 0.001;  // bar height per squared chord length
constexpr double mirrorDotRadius = 20;
constexpr double rayEvery = 500;  // a ray for every route whose mirror parameter is a multiple of this
const Colour rayColour = colours::highlightText;

bool hasRay(double p) { return Mod(p, rayEvery) == 0; }

struct Frequency {
    double f;
    Colour bar;
    double barOffset;  // bars of the three frequencies stand side by side
};
const Frequency kFrequencies[] = {{0.01, colours::red, 40}, {0.02, colours::green, 20}, {0.04, colours::blue, 0}};

struct Mirror {
    double K;
    double reflectedRayLength;  // reaches a little beyond the focus vertexX + 1/(4K)
};
const Mirror kMirrors[] = {{0.00005, 6000}, {0.00007, 4500}, {0.0001, 3500}, {0.0002, 3100}};
}  // namespace

void ParabolaQED::cmdStart_Click()
{
    DrawingSurface& s = surface();

    // 1. Twips.
    s.ScaleMode = DrawingSurface::Twips;

    // 2. Every run after the first asks what to erase.
    if (number(nPrvní_) != 0) {
        const int answer = askYesNo("Vyčistit celou obrazovku (Ano),Vymaže jen Cornuovy spirály  (Ne)?");
        s.DrawWidth = 3;
        if (answer == vbYes) {
            erase(s, 2000, 12000, 1, 10000, 3);
        } else {
            erase(s, 2000, 12000, 4500, 9999, 3);
        }
        s.DrawWidth = 1;
    }

    // 3.
    setText(nPrvní_, "1");

    // 4. The axis and the vertex line.
    s.Line(vertexX, axisY, 11500, axisY);
    s.Line(vertexX, 1500, vertexX, 7500);

    // 5. The bar colour and offset by the frequency, the reflected rays' length by K.
    const std::string frequencyText = text(nKmitočet_), mirrorText = text(nOsKruh_);
    const Frequency* frequency = chosen(kFrequencies, &Frequency::f, frequencyText);
    const Colour barColour = frequency ? frequency->bar : colours::black;
    const double barOffset = frequency ? frequency->barOffset : 0;
    const Mirror* mirror = chosen(kMirrors, &Mirror::K, mirrorText);
    const double L = mirror ? mirror->reflectedRayLength : 0;
    const double K = textToNumber(mirrorText);
    const double f = textToNumber(frequencyText);

    // 6. The mirror as 6000 overlapping dots, the rays and their reflections.
    for (int d = 1; d <= routes; ++d) {
        const double p = mirrorParameter(d);
        const double xm = mirrorDepth(K, p);
        s.Circle(vertexX + xm, axisY + d, mirrorDotRadius);
        s.Circle(vertexX + xm, axisY - d, mirrorDotRadius);
        if (!hasRay(p))
            continue;
        s.DrawWidth = 2;
        s.Line(rayStartX, axisY + d, vertexX + xm, axisY + d, rayColour);
        s.Line(rayStartX, axisY - d, vertexX + xm, axisY - d, rayColour);
        s.DrawWidth = 1;
        const double xt = K * d * d;
        setNumber(nAlfa_, tangentAngle(K, d, p));
        const double a = number(nAlfa_);
        const double c = std::cos(2 * a), sn = std::sin(2 * a);
        // The reflected rays start at the mirror point of parameter -d.
        s.Line(vertexX + xt, axisY + d, vertexX + xt - L * c, axisY + d + L * sn, rayColour);
        s.Line(vertexX + xt, axisY - d, vertexX + xt - L * c, axisY - d - L * sn, rayColour);
    }

    // 7. The spiral baseline.
    s.Line(vertexX, baselineY, 11500, baselineY);

    // 8. The detector sweep.
    for (double j = vertexX; j <= rayStartX; j += detectorStep) {
        Chain spiral{{j, baselineY}};
        for (int d = 1; d <= routes; ++d) {
            const double p = mirrorParameter(d);
            const double xm = mirrorDepth(K, p);
            if (hasRay(p)) {
                s.Line(redrawnRayStartX, axisY + d, vertexX + xm, axisY + d);
                s.Line(redrawnRayStartX, axisY - d, vertexX + xm, axisY - d);
            }
            spiral.draw(s, routeArrow(f, routeLength(xm, d, j)), s.ForeColor);
        }
        const double P = barScale * spiral.squared();
        s.Line(j + barOffset, axisY, j + barOffset, axisY - P, barColour);
        pacing().wait(number(nSpomaleni_));
    }
}
}  // namespace parabola
