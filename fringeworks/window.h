#pragma once
#include <string>

#include "drawing_surface.h"
#include "form.h"
#include "physics.h"

namespace fringeworks {

// One run of Start: the photon shots, the sums of their arrows at the detector
// points and the probability bars, drawn on a window's surface. The run keeps the
// starting phase of the last shot, which the next shot erases from the source.
class PhotonRun {
public:
    struct Settings {
        int photons = 50;  // N: photons added at each detector point
        int repetitions = 1;  // S: times each photon shot is drawn
        double holeDistance = 40;  // between the two holes, pixels
        double phasePerPixel = 1;  // radians of arrow turn per pixel of path
        double detectorShift = 200;  // the detector line stands at x = 100 + this
        double probabilityScale = 2;  // k: bar length = k x |sum|^2
        double arrowScale = 8;  // s: the summed arrow is drawn s times its length
    };
    // Probability and summed-arrow scales by the photon count as its box holds it
    // ("1", "5", "10", "50", "100", "500"); false for any other text.
    static bool scalesFor(const std::string& photonsText, double& probabilityScale, double& arrowScale);

    // Where the geometry puts things, in pixels.
    static constexpr double ys = axisY;  // the axis through source and holes
    static constexpr double xSource = 80, xPlate = 150, xSums = 450, xBars = 550;
    static constexpr double yTop = 70, yBottom = 531;  // the picture's plate and lines
    static constexpr int pointsPerPass = 260;
    static constexpr double arrowLength = 20;  // source, hole and detector arrows

    PhotonRun(DrawingSurface& surface, const Settings& settings);
    // Where every photon reads how many times its shot is drawn (the speed, which may
    // change during the run); unset: the settings' repetitions.
    void readRepetitions(std::function<int()> read) { repetitionsNow_ = std::move(read); }

    // The whole run: erased picture, scene, both passes, the source drawn again.
    void run();

    // The parts of a run, in the order the run takes them.
    void erase();
    void drawScene();
    // Re-seeds with 10 and draws a detector point's y: 531 - (0..450), 2 pixels higher in pass 2.
    double detectorY(int pass);
    struct Shot {
        double phi = 0;  // the arrival angle at the detector point
        int hole = 0;  // +1 the upper hole, -1 the lower
    };
    struct Sum {
        double x = 0, y = 0;  // the summed arrow (y as the arrows are added: up is positive)
        int lastHole = 0;  // the hole of the last photon's last drawing
        bool arrowDrawn = false;  // whether the green summed arrow was drawn
    };
    // N photons at the point (xd, yd), their probability bar and perhaps their summed arrow.
    Sum detectorPoint(int pass, double yd);
    // One photon: S shots with fresh random numbers; the last one counts.
    Shot photon(int pass, double yd);
    // One photon shot from its starting phase and its hole number h (0..999).
    Shot shoot(double theta, int h, double yd);

    // Whether the summed arrow of a point is drawn: through the lower hole at every
    // 16th pixel row, through the upper at every 13th.
    static bool showsSummedArrow(double yd, int lastHole);

    double theta() const { return theta_; }
    double xDetector() const { return xd_; }
    double yUpperHole() const { return holeY(+1, settings_.holeDistance); }
    double yLowerHole() const { return holeY(-1, settings_.holeDistance); }

private:
    DrawingSurface& s_;
    Settings settings_;
    double xd_, D_;
    double theta_ = 0;  // the starting phase of the last shot
    Shot last_;
    std::function<int()> repetitionsNow_;
};

// The window of fringeworks: photons from a source pass one of two holes and land
// at random points of a detector; the arrows of a chosen number of photons per
// point are added and the squared length of each sum is drawn as a bar, so the
// fringes of the two holes build up out of single shots.
class Animace : public Program<Animace> {
public:
    Animace();

    // The options write the photons per detector point and, hidden, how many times each
    // shot is drawn.
    void Form_Load();
    // The speed scroll bar: how many times each shot is drawn.
    // The run of Start.
    void cmdStart_Click();

    // What a run reads from the parameter boxes, read once as it begins.
    PhotonRun::Settings runSettings() const;

private:
    // The controls the handlers and the run reach, found once when the window is made.
    SUITE_CONTROL(BoxRef, nZdroj);
    SUITE_CONTROL(BoxRef, nClona);
    SUITE_CONTROL(BoxRef, nDetektor);
    SUITE_CONTROL(BoxRef, nSoučet);
    SUITE_CONTROL(BoxRef, nPravděpodobnost);
    SUITE_CONTROL(OptionRef, op50);
    SUITE_CONTROL(BoxRef, nPocetFotonu);
    SUITE_CONTROL(BoxRef, nRd);
    SUITE_CONTROL(BoxRef, nUr);
    SUITE_CONTROL(BoxRef, nVzdalenost);
    SUITE_CONTROL(OptionRef, opRychlá);
    SUITE_CONTROL(BoxRef, nSpomaleni);
};
}  // namespace fringeworks
