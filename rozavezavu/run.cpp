// The run of Start: the scene (screen with its window, hologram plate, detector line,
// object and light routes) and, for every action but the frame, the detector sweep:
// for each detector point the arrows of the routes through the window are added over
// the plate, the hologram is drawn as bars on the plate and the light that reaches
// the detector as bars beside the detector line. Everything is in twips.
#include "numbers.h"
#include "physics.h"
#include "vocabulary.h"
#include "window.h"

namespace rozavezavu {

namespace {
// The detector line (twips); the screen, its window and the plate are in physics.h.
constexpr double detectorTop = 2500;
constexpr double detectorBottom = 8000;
constexpr int plateStep = 4;  // 751 plate points
constexpr int detectorStep = 25;  // 221 detector points
constexpr int singlePass = 10000;  // the hologram alone: one pass at the top of the detector

constexpr Colour sceneFill = RGB(64, 64, 64);

enum Action { Frame, Hologram, Window, Reconstruction, NoHologram };

// The action as the state box names it; any other text draws the frame.
Action actionOf(const std::string& state)
{
    constexpr const char* kStates[] = {"Hologr", "Pravpod", "Rekonstr", "Bezholo"};
    constexpr Action kActions[] = {Hologram, Window, Reconstruction, NoHologram};
    const int i = chosen(kStates, state);
    return i < 0 ? Frame : kActions[i];
}

// The three frequencies and their colours, matched by the text of the parameter box.
constexpr double frequencies[3] = {0.04, 0.03, 0.02};
constexpr Colour frequencyColours[3] = {RGB(0, 0, 255), RGB(0, 255, 0), RGB(255, 0, 0)};

int frequencyIndex(const std::string& text) { return chosen(frequencies, text); }

// 0 for the near detector (7000), 1 for the far one (8500).
int distanceIndex(double xd) { return xd == 7000 ? 0 : xd == 8500 ? 1 : -1; }

// Scale of the reconstruction bars by recording frequency, detector distance.
constexpr double tableKA[3][2] = {{0.8, 1}, {0.6, 1}, {1, 1}};
// ... and by recording frequency, reconstruction frequency, detector distance.
constexpr double tableKB[3][3][2] = {
    {{1, 1}, {0.8, 1}, {1.5, 1}},
    {{1, 1}, {1, 1}, {1.8, 1}},
    {{0.18, 0.7}, {0.5, 0.9}, {0.7, 1}},
};
// Scale of the window's interference bars by reconstruction frequency, distance.
constexpr double tableKP[3][2] = {{1.9, 1}, {1.3, 1}, {0.6, 1}};
// Scale of the reconstruction bars by reconstruction frequency.
constexpr double tableCg[3] = {1.4, 1.7, 0.65};
// Scale of the bars of the empty window by recording frequency, distance.
constexpr double tableKZ[3][2] = {{0.05, 0.2}, {0.05, 0.2}, {0.05, 0.15}};

// The values of one run that the sweep uses: the set-up and how it is shown.
struct Run : Setup {
    Action action;
    Colour recording, reconstruction;
    double KA, KB;  // scale of the reconstruction bars
    double KP, cg, KZ;  // display factors of the detector bars
};

// For every detector point the arrows of the routes through the window are added over
// the 751 plate points; "Hologr" makes a single pass and draws only the hologram.
void sweep(Form& form, const Run& r, BoxRef hologramSpeed, BoxRef detectorSpeed)
{
    DrawingSurface& s = form.surface();
    Pacing& pacing = form.pacing();
    const int step = r.action == Hologram ? singlePass : detectorStep;
    for (int yd = int(detectorTop); yd <= detectorBottom; yd += step) {
        Chain S, D;  // through the window; given back by the plate or the empty window
        for (int y = int(windowTop); y <= windowBottom; y += plateStep) {
            switch (r.action) {
            case Hologram: {
                pacing.wait(form.number(hologramSpeed));
                const double I = r.recorded(y);
                s.Line(xPlate, y, float(xPlate + 0.05 * I), y, r.recording);
                pacing.stepEnds();  // a step of the hologram: one line of the plate
                break;
            }
            case Window:
                r.addThroughWindow(S, y, yd);
                pacing.wait(form.number(detectorSpeed));
                break;
            case Reconstruction: {
                const double I = r.recorded(y);
                s.Line(xPlate, y, float(xPlate + 0.05 * I), y, r.recording);  // the hologram again
                pacing.wait(form.number(detectorSpeed));
                r.addReconstructed(D, y, yd, I);
                break;
            }
            case NoHologram:
                r.addWithoutHologram(D, y, yd);
                break;
            case Frame:
                break;
            }
        }
        // The detector display: through the window to the right, given back to the left.
        double L = 0;
        switch (r.action) {
        case Window:
            L = S.squared() * 0.000015 * r.KP;
            s.DrawWidth = 2;
            s.Line(r.xd, yd, float(r.xd + L), yd, r.recording);
            s.DrawWidth = 1;
            break;
        case Reconstruction:
            L = D.squared() * 0.0002 * r.KB * r.KA * r.cg;
            s.DrawWidth = 2;
            s.Line(r.xd, yd, float(r.xd - L), yd, r.reconstruction);
            s.DrawWidth = 1;
            break;
        case NoHologram:
            L = D.squared() * 0.00006 * r.KZ;
            s.DrawWidth = 2;
            s.Line(r.xd, yd, float(r.xd - L), yd, r.recording);
            s.DrawWidth = 1;
            break;
        case Frame:
        case Hologram:
            break;
        }
        if (r.action != Hologram)
            pacing.stepEnds();  // a step of the run: one detector point
    }
}
}  // namespace

void opSestava::cmdStart_Click()
{
    DrawingSurface& s = surface();
    // 1-2. Twips; the geometry of this run, kept for the handlers' erasing.
    s.ScaleMode = DrawingSurface::Twips;
    xp_ = xPlate;
    xd_ = number(nDistanceDetek_);
    Run r{};
    r.action = actionOf(text(nStav_));
    r.f = number(nKmit_);
    r.g = number(nKmitRef_);
    r.X = number(nXPolohaObjektu_);
    r.Y = number(nYPolohaObjektu_);
    r.xd = xd_;

    // 3. Colours from the frequencies; the scale factors of the bars.
    const int fi = frequencyIndex(text(nKmit_)), gi = frequencyIndex(text(nKmitRef_));
    const int di = distanceIndex(xd_);
    r.recording = fi >= 0 ? frequencyColours[fi] : colours::black;
    r.reconstruction = gi >= 0 ? frequencyColours[gi] : colours::black;
    r.KA = (fi >= 0 && di >= 0) ? tableKA[fi][di] : 1;
    r.KB = (fi >= 0 && gi >= 0 && di >= 0) ? tableKB[fi][gi][di] : 1;
    r.KP = (gi >= 0 && di >= 0) ? tableKP[gi][di] : 1;
    r.cg = gi >= 0 ? tableCg[gi] : 1;
    r.KZ = (fi >= 0 && di >= 0) ? tableKZ[fi][di] : 1;

    // 4. The screen with its window, the plate in the window, the detector.
    s.DrawWidth = 5;
    s.Line(xp_, windowTop - 1000, xp_, windowTop);
    s.Line(xp_, windowBottom, xp_, windowBottom + 1000);
    s.DrawWidth = 1;
    s.Line(xp_, windowTop, xp_, windowBottom);
    s.Line(xd_, detectorTop, xd_, detectorBottom);

    // 5. The object and its light, or the virtual image.
    if (r.action == Frame || r.action == Window || r.action == Hologram) {
        s.FillColor = sceneFill;
        s.FillStyle = DrawingSurface::FillSolid;
        s.Circle(r.X, r.Y, 80);
        for (double y = windowTop; y <= windowBottom; y += 200)  // the scattered routes
            s.Line(r.X, r.Y, xp_, y, r.reconstruction);
        s.DrawWidth = 2;
        s.Line(r.X, r.Y, r.X + 200, windowBottom - 2000, r.reconstruction);  // the illuminating route
        s.DrawWidth = 1;
    } else if (r.action == Reconstruction) {
        s.FillColor = r.reconstruction;
        s.FillStyle = DrawingSurface::FillDiagonalCross;
        if (gi >= 0)
            s.Circle(r.X, r.Y, 80, r.reconstruction);
    }

    // 6. The reference light: 15 parallel routes from the lower left onto the plate.
    for (double i = 3; i <= windowHeight; i += 200) {
        const double t = windowHeight + 250 - i;
        s.Line(xp_, windowTop + i, xp_ - 0.8 * referenceSine * t, windowBottom + 250 - 0.5 * referenceCosine * t,
               r.reconstruction);
    }

    // 7-8. The frame ends here; every other action sweeps the detector.
    if (r.action == Frame)
        return;
    sweep(*this, r, nSpomal_, nSpomalDetek_);

    // 9. The detector, thick; the pen stays 2.
    s.DrawWidth = 2;
    s.Line(xd_, detectorTop - 200, xd_, detectorBottom + 200);
}
}  // namespace rozavezavu
