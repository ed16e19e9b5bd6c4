// The run of Start: photons leave the source with a random starting phase in half a
// turn, pass a random one of the two holes and land at a random point of the detector
// line, each leaving its route and arrows on the picture. At every detector point the
// arrows of N photons are added; the squared length of the sum is the probability bar,
// and at some rows the sum itself is drawn in green. Two passes of 260 points each, the
// second with its starting phases in the other half turn.
#include <cmath>

#include "numbers.h"
#include "physics.h"
#include "rnd.h"
#include "vocabulary.h"
#include "window.h"

namespace fringeworks {

namespace {
constexpr int erasedRows = 580;  // rows 580 up to 1, columns 1 to 800
constexpr double eraseRight = 800;
constexpr double axisFrom = 100, axisTo = 770;
constexpr double sourceRadius = 5, sourceRadiusAtEnd = 4;
constexpr double xDetectorBase = 100;  // plus nVzdalenost
constexpr int detectorRange = 451;  // y0 = 0..450
constexpr int passTwoLift = 2;  // pass 2 draws its points 2 pixels higher
constexpr double seedForPoint = 10, seedForPhase = 5;
constexpr double lowerHoleEvery = 15.7, upperHoleEvery = 13;  // rows with a summed arrow
constexpr Colour lowerHoleColour = colours::captionText;

struct ScaleRow {
    double photons, probability, arrow;
};
constexpr ScaleRow kScales[] = {
    {1, 800, 150}, {5, 90, 65}, {10, 30, 35}, {50, 2, 8}, {100, 0.5, 4}, {500, 0.02, 1},
};
}  // namespace

bool PhotonRun::scalesFor(const std::string& photonsText, double& probabilityScale, double& arrowScale)
{
    const ScaleRow* row = chosen(kScales, &ScaleRow::photons, photonsText);
    if (!row)
        return false;
    probabilityScale = row->probability;
    arrowScale = row->arrow;
    return true;
}

bool PhotonRun::showsSummedArrow(double yd, int lastHole)
{
    return (lastHole == -1 && Mod(yd, lowerHoleEvery) == 0) || (lastHole == +1 && Mod(yd, upperHoleEvery) == 0);
}

PhotonRun::PhotonRun(DrawingSurface& surface, const Settings& settings)
    : s_(surface),
      settings_(settings),
      xd_(xDetectorBase + settings.detectorShift),
      D_(xSums - xd_)  // the horizontal distance in both path lengths
{
}

void PhotonRun::run()
{
    s_.ScaleMode = DrawingSurface::Twips;
    s_.ScaleMode = DrawingSurface::Pixels;
    s_.DrawWidth = 1;
    s_.DrawStyle = DrawingSurface::Solid;
    erase();
    drawScene();
    for (int pass = 1; pass <= 2; ++pass)
        for (int point = 1; point <= pointsPerPass; ++point)
            detectorPoint(pass, detectorY(pass));
    s_.DrawWidth = 3;
    s_.Circle(xSource, ys, sourceRadiusAtEnd);
    s_.DrawWidth = 1;
}

void PhotonRun::erase()
{
    ::erase(s_, 1, eraseRight, erasedRows, 1);
}

void PhotonRun::drawScene()
{
    s_.DrawWidth = 3;
    s_.Line(xPlate, yBottom, xPlate, yTop);
    s_.DrawWidth = 2;
    s_.Line(xd_, yBottom, xd_, yTop);
    s_.Line(xSums, yBottom, xSums, yTop);
    s_.Line(xBars, yBottom, xBars, yTop);
    s_.Line(axisFrom, ys, axisTo, ys);
    s_.DrawWidth = 3;
    s_.Circle(xSource, ys, sourceRadius);
    s_.DrawWidth = 1;
}

double PhotonRun::detectorY(int pass)
{
    Randomize(seedForPoint);
    double y0 = Int(double(Rnd()) * detectorRange);
    if (pass == 2)
        y0 += passTwoLift;
    return yBottom - y0;
}

PhotonRun::Sum PhotonRun::detectorPoint(int pass, double yd)
{
    Sum sum;
    Chain arrows;
    for (int photonNo = 1; photonNo <= settings_.photons; ++photonNo) {
        const Shot shot = photon(pass, yd);
        arrows.add(photonArrow(shot.phi));
        sum.lastHole = shot.hole;
        s_.DrawWidth = 1;
        if (s_.pacing)
            s_.pacing->stepEnds();  // a step of the run: one photon
    }
    sum.x = arrows.end().x;
    sum.y = -arrows.end().y;  // the chain's y grows downwards

    const double P = probability(arrows, settings_.probabilityScale);
    s_.DrawWidth = 2;
    s_.Line(xBars, yd, xBars + P, yd);
    s_.DrawWidth = 1;

    s_.DrawWidth = 2;
    sum.arrowDrawn = showsSummedArrow(yd, sum.lastHole);
    if (sum.arrowDrawn) {
        const double scale = settings_.arrowScale;
        s_.Line(xSums, yd, xSums + scale * sum.x, yd - scale * sum.y, colours::green);
    }
    s_.DrawWidth = 1;
    return sum;
}

PhotonRun::Shot PhotonRun::photon(int pass, double yd)
{
    const int repetitions = repetitionsNow_ ? repetitionsNow_() : settings_.repetitions;  // read as the loop starts
    for (int repetition = 1; repetition <= repetitions; ++repetition) {
        Randomize(seedForPhase);
        const double p = Int(double(Rnd()) * phaseNumbers);
        const double theta = startingPhase(pass, p);
        const int h = int(Int(double(Rnd()) * holeNumbers));
        last_ = shoot(theta, h, yd);
    }
    return last_;
}

PhotonRun::Shot PhotonRun::shoot(double theta, int h, double yd)
{
    // The source arrow turns from the previous shot's phase to this one's.
    const double thetaPrev = theta_;
    theta_ = theta;
    const double cosTheta = std::cos(theta), sinTheta = std::sin(theta);
    s_.Line(xSource, ys, xSource - arrowLength * std::cos(thetaPrev), ys - arrowLength * std::sin(thetaPrev),
            colours::grey);
    s_.Line(xSource, ys, xSource - arrowLength * cosTheta, ys - arrowLength * sinTheta);

    Shot shot;
    shot.hole = holeFor(h);
    const bool upper = shot.hole == +1;
    const double yHole = upper ? yUpperHole() : yLowerHole();
    const Colour colour = upper ? s_.ForeColor : lowerHoleColour;
    s_.Line(xSource, ys, xPlate, yHole, colour);
    s_.Line(xPlate, yHole, xPlate - arrowLength * cosTheta, yHole - arrowLength * sinTheta, colour);

    // The length of the photon's own route turns its arrow.
    shot.phi = arrivalPhase(settings_.phasePerPixel, routeLength(yHole, yd, D_), theta);
    s_.Line(xd_, yd, xd_ + arrowLength * std::cos(shot.phi), yd - arrowLength * std::sin(shot.phi), colour);
    s_.DrawWidth = 1;
    return shot;
}

PhotonRun::Settings Animace::runSettings() const
{
    PhotonRun::Settings settings;
    settings.photons = int(number(nPocetFotonu_));
    settings.repetitions = int(number(nSpomaleni_));
    settings.holeDistance = number(nRd_);
    settings.phasePerPixel = number(nUr_);
    settings.detectorShift = number(nVzdalenost_);
    if (!PhotonRun::scalesFor(text(nPocetFotonu_), settings.probabilityScale, settings.arrowScale))
        settings.probabilityScale = settings.arrowScale = 0;
    return settings;
}

void Animace::cmdStart_Click()
{
    PhotonRun run(surface(), runSettings());
    run.readRepetitions([this] { return int(number(nSpomaleni_)); });  // the speed, afresh at every photon
    run.run();
    setShown({nZdroj_, nClona_, nDetektor_, nSoučet_, nPravděpodobnost_}, true);
}
}  // namespace fringeworks
