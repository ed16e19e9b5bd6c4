// fringeworks' window and its run: photon shots through two holes, the sums of
// their arrows at random detector points and the probability bars.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "fringeworks/physics.h"
#include "fringeworks/window.h"
#include "golden.h"
#include "shown_window.h"
#include "rnd.h"

namespace {
constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kGrey = 0xFFC0C0C0, kGreen = 0xFF00FF00,
               kRed = 0xFFFF0000;
const char* const kRunCaptions[] = {"nZdroj", "nClona", "nDetektor", "nSoučet", "nPravděpodobnost"};
constexpr double kPhaseStep = 0.0157041 * 1.1;

struct Fringeworks : ShownWindow<fringeworks::Animace> {
    void SetUp() override
    {
        resetRnd();
        ShownWindow::SetUp();
    }

    // The black pixels right of the bars' 2-pixel axis (x = 550, 551) on a pixel row.
    // A bar drawn at yd with pen 2 covers the rows yd and yd + 1, a bar of length P the
    // columns 552 to 551 + P; green summed arrows may hide a few of its pixels.
    int bar(int row) const
    {
        int n = 0;
        for (int x = 552; x < 800; ++x)
            n += at(x, row) == kBlack;
        return n;
    }
    static bool nearAxis(int row) { return row >= 339 && row <= 342; }  // the axis through the source

    // A run of the window's own settings on its surface, in pixels, from an erased picture.
    fringeworks::PhotonRun preparedRun()
    {
        fringeworks::PhotonRun run(f.surface(), f.runSettings());
        f.surface().ScaleMode = DrawingSurface::Pixels;
        f.surface().DrawWidth = 1;
        run.erase();
        return run;
    }
    // Whether a pixel next to (x, y) has the colour: a sampled point of a line may fall
    // one pixel beside the pixels the line sets.
    bool near(double x, double y, QRgb colour) const
    {
        const int cx = int(std::lround(x)), cy = int(std::lround(y));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (at(cx + dx, cy + dy) == colour)
                    return true;
        return false;
    }
    int greenNear(int xFrom, int xTo, int yFrom, int yTo) const
    {
        int n = 0;
        for (int y = yFrom; y <= yTo; ++y)
            for (int x = xFrom; x <= xTo; ++x)
                n += at(x, y) == kGreen;
        return n;
    }
};

// The share of the fringe pattern's brightness, 0..1, that the two path lengths give a row.
double brightness(double yd)
{
    const double L1 = std::hypot(320.5 - yd, 150), L2 = std::hypot(360.5 - yd, 150);
    return (1 + std::cos(L1 - L2)) / 2;
}
}  // namespace

// The physics alone, against the geometry worked out by hand: the holes 40 pixels apart
// about the axis at 340.5 stand at 320.5 and 360.5.
TEST(FringeworksPhysics, TheRoutesFromTheHolesAreTheHypotenusesOfTheirTriangles)
{
    EXPECT_EQ(fringeworks::holeY(+1, 40), 320.5);
    EXPECT_EQ(fringeworks::holeY(-1, 40), 360.5);
    EXPECT_EQ(fringeworks::routeLength(0, 30, 40), 50) << "3-4-5";
    EXPECT_EQ(fringeworks::routeLength(30, 0, 40), 50) << "above or below alike";
    EXPECT_EQ(fringeworks::routeLength(0, 0, 40), 40) << "straight across";
    // a point 5 below the upper hole and 35 above the lower, 12 across: 5-12-13 and 35-12-37
    EXPECT_DOUBLE_EQ(fringeworks::routeLength(320.5, 325.5, 12), 13);
    EXPECT_DOUBLE_EQ(fringeworks::routeLength(360.5, 325.5, 12), 37);
    // on the axis both routes are equally long
    EXPECT_EQ(fringeworks::routeLength(320.5, 340.5, 150), fringeworks::routeLength(360.5, 340.5, 150));
    EXPECT_NEAR(fringeworks::routeLength(320.5, 340.5, 150), std::sqrt(22900.0), 1e-12);
}

TEST(FringeworksPhysics, TheArrowTurnsWithTheRouteAndTheSecondPassStartsHalfATurnOn)
{
    // 24 pixels more route at 1 rad a pixel: 24 rad more turn, whatever the starting phase
    for (double theta : {0.0, 1.0, 3.0})
        EXPECT_NEAR(fringeworks::arrivalPhase(1, 37, theta) - fringeworks::arrivalPhase(1, 13, theta), 24, 1e-12);
    EXPECT_NEAR(fringeworks::arrivalPhase(0.5, 37, 0), 18.5, 1e-12);
    EXPECT_EQ(fringeworks::startingPhase(1, 0), 0);
    EXPECT_LT(fringeworks::startingPhase(1, 179), M_PI) << "pass 1 stays in the first half turn";
    EXPECT_NEAR(fringeworks::startingPhase(2, 0), M_PI, 0.05);
    EXPECT_NEAR(fringeworks::startingPhase(2, 179), 2 * M_PI, 0.1);
    EXPECT_LT(fringeworks::startingPhase(2, 179), 2 * M_PI);
}

TEST(FringeworksPhysics, EqualRoutesAddTheirArrowsAndAHalfTurnOfDifferenceCancelsThem)
{
    const auto sumOf = [](std::initializer_list<double> phis) {
        Chain sum;
        for (double phi : phis)
            sum.add(fringeworks::photonArrow(phi));
        return sum;
    };
    EXPECT_NEAR(sumOf({0.7}).squared(), 0.09, 1e-15) << "one arrow of 0.3";
    EXPECT_NEAR(fringeworks::probability(sumOf({0.7}), 800), 72, 1e-12) << "the bar of one photon at k = 800";
    EXPECT_NEAR(sumOf({0.7, 0.7}).squared(), 4 * 0.09, 1e-15) << "twice the arrow, four times the probability";
    EXPECT_NEAR(sumOf({0.7, 0.7 + M_PI}).squared(), 0, 1e-15);

    // two photons of one starting phase, one through each hole: on the axis their routes are
    // equally long and the bar is at its highest; 24 pixels of difference at pi/24 rad a
    // pixel cancel them
    const double theta = 1.2, distance = 40;
    const auto pair = [&](double yd, double across, double phasePerPixel) {
        const double upper = fringeworks::routeLength(fringeworks::holeY(+1, distance), yd, across);
        const double lower = fringeworks::routeLength(fringeworks::holeY(-1, distance), yd, across);
        return sumOf({fringeworks::arrivalPhase(phasePerPixel, upper, theta),
                      fringeworks::arrivalPhase(phasePerPixel, lower, theta)});
    };
    EXPECT_NEAR(pair(340.5, 150, 1).squared(), 4 * 0.09, 1e-12);
    EXPECT_NEAR(pair(325.5, 12, M_PI / 24).squared(), 0, 1e-12);
    for (double yd = 300; yd <= 380; yd += 0.5)
        EXPECT_LE(pair(yd, 150, 1).squared(), pair(340.5, 150, 1).squared() + 1e-12) << yd;
}

TEST_F(Fringeworks, TheWindowItsControlsAndTheHiddenOnes)
{
    EXPECT_EQ(f.objectName(), "Animace");
    EXPECT_EQ(f.windowTitle(), QString("fringeworks - ") + kWebAddress);
    const struct {
        const char* name;
        QRect pixels;  // the design's twips at 15 to a pixel
        bool shown;
    } controls[] = {
        {"nTitul", {48, 0, 337, 25}, true},           {"labKlepnete", {192, 312, 385, 41}, true},
        {"frmPočetFotonů", {16, 72, 121, 121}, true}, {"frmAnimace", {16, 200, 89, 81}, false},
        {"HScroll1", {112, 24, 161, 17}, true},       {"cmdStart", {584, 8, 73, 25}, true},
        {"cmdUnload", {688, 8, 81, 25}, true},        {"nClona", {72, 40, 161, 25}, false},
        {"nDetektor", {288, 40, 89, 25}, false},      {"nSoučet", {400, 40, 113, 17}, false},
        {"nPravděpodobnost", {568, 40, 137, 19}, false}, {"nZdroj", {40, 312, 41, 19}, false},
    };
    for (const auto& c : controls) {
        EXPECT_EQ(f.control(c.name)->geometry(), c.pixels) << c.name;
        EXPECT_EQ(shown(c.name), c.shown) << c.name;
    }
    EXPECT_EQ(f.control<QLineEdit>("nTitul")->text(), "Interferenční obrazce „palby fotonů“");
    EXPECT_TRUE(f.control<QLineEdit>("nSoučet")->isReadOnly()) << "a caption box, never edited";
    EXPECT_EQ(f.control<QLabel>("labKlepnete")->text(), "Klepněte na tlačítko Start");
    EXPECT_EQ(f.control<QPushButton>("cmdUnload")->text(), "Konec");
    EXPECT_EQ(f.control<QGroupBox>("frmPočetFotonů")->title(), "Počet fotonů na bod");
    // the photon counts on a diagonal in their frame: each a step lower and further right
    const char* counts[] = {"opFot1", "opFot5", "opFot10", "op50", "opFot100", "opfot500"};
    const QPoint places[] = {{8, 16}, {16, 32}, {32, 48}, {40, 64}, {56, 80}, {72, 96}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(shown(counts[i])) << counts[i];
        EXPECT_EQ(f.control(counts[i])->parentWidget(), f.control("frmPočetFotonů"));
        EXPECT_EQ(f.control(counts[i])->pos(), places[i]) << counts[i];
    }
    for (const char* box : {"nPocetFotonu", "nRd", "nUr", "nVzdalenost", "nSpomaleni"})
        EXPECT_TRUE(f.control(box)->isHidden()) << box;
}

TEST_F(Fringeworks, LoadWritesTheDefaultsAndEveryChoiceItsValue)
{
    EXPECT_EQ(f.text("nPocetFotonu"), "50");
    EXPECT_EQ(f.text("nRd"), "40");
    EXPECT_EQ(f.text("nUr"), "1");
    EXPECT_EQ(f.text("nVzdalenost"), "200");
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    EXPECT_TRUE(f.isSelected("op50"));
    EXPECT_TRUE(f.isSelected("opRychlá"));
    const std::pair<const char*, const char*> counts[] = {{"opFot1", "1"},  {"opFot5", "5"},     {"opFot10", "10"},
                                                          {"op50", "50"},   {"opFot100", "100"}, {"opfot500", "500"}};
    for (auto [option, value] : counts) {
        f.select(option);
        EXPECT_EQ(f.text("nPocetFotonu"), value) << option;
    }
    f.select("opfot500");
    QTest::mouseClick(f.control("opFot1"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(f.text("nPocetFotonu"), "1") << "a user's click: 500, then 1 leaves 1";
    EXPECT_EQ(f.runSettings().photons, 1);
    EXPECT_EQ(f.runSettings().probabilityScale, 800);
    EXPECT_EQ(f.runSettings().arrowScale, 150);

    const std::pair<const char*, const char*> speeds[] = {{"opPomalá", "3"}, {"opPomalejší", "2"}, {"opRychlá", "1"}};
    for (auto [option, value] : speeds) {
        f.select(option);
        EXPECT_EQ(f.text("nSpomaleni"), value) << option;
    }
    auto* bar = f.control<QScrollBar>("HScroll1");
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 3);
    EXPECT_EQ(bar->value(), 1);
    bar->setValue(3);
    EXPECT_EQ(f.text("nSpomaleni"), "3");
    EXPECT_EQ(f.runSettings().repetitions, 3);
    EXPECT_TRUE(f.isSelected("opRychlá")) << "the scroll bar does not move the options";

    start();
    EXPECT_FALSE(shown("frmAnimace")) << "not even after a run";
    QTest::mouseClick(f.control("cmdUnload"), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Fringeworks, WithOnePhotonEveryBarIs72PixelsLong)
{
    f.select("opFot1");
    start();
    int rowsWithBars = 0;
    for (int row = 70; row <= 533; ++row) {
        if (nearAxis(row))
            continue;
        const int length = bar(row);
        if (length == 0)
            continue;
        ++rowsWithBars;
        ASSERT_EQ(length, 72) << "row " << row;
        EXPECT_EQ(at(623, row), kBlack) << "row " << row;
        EXPECT_EQ(at(624, row), kGrey) << "row " << row;
    }
    EXPECT_GT(rowsWithBars, 250) << "the points spread over the detector";
    // at three repetitions still one arrow per point
    f.control<QScrollBar>("HScroll1")->setValue(3);
    start();
    for (int row = 70; row <= 533; ++row) {
        if (!nearAxis(row)) {
            ASSERT_TRUE(bar(row) == 0 || bar(row) == 72) << "row " << row;
        }
    }
}

TEST_F(Fringeworks, TheSummedArrowShowsAtRowsOf16ForTheLowerHoleAnd13ForTheUpper)
{
    f.select("opFot1");  // every summed arrow 0.3 x 150 = 45 pixels long
    fringeworks::PhotonRun run = preparedRun();
    const struct {
        double yd;
        bool lower, upper;  // drawn after the lower, the upper hole
    } rows[] = {{208, true, true}, {160, true, false}, {130, false, true}, {161, false, false},
                {176, true, false}, {143, false, true}, {144, true, false}, {156, false, true}};
    for (const auto& r : rows) {
        bool seen[2] = {false, false};
        for (int attempt = 0; attempt < 200 && !(seen[0] && seen[1]); ++attempt) {
            for (int y = 100; y <= 260; ++y)  // clear the column of summed arrows
                f.surface().Line(400, y, 500, y, colours::grey);
            const fringeworks::PhotonRun::Sum sum = run.detectorPoint(1, r.yd);
            const bool lower = sum.lastHole == -1;
            seen[lower ? 0 : 1] = true;
            const bool expected = lower ? r.lower : r.upper;
            EXPECT_EQ(sum.arrowDrawn, expected) << "yd " << r.yd << (lower ? " lower" : " upper");
            const int green = greenNear(400, 500, int(r.yd) - 50, int(r.yd) + 50);
            if (expected) {
                EXPECT_GE(green, 60) << "yd " << r.yd;
                EXPECT_EQ(at(451, int(r.yd)), kGreen) << "the arrow starts at (450, yd)";
                const int tipX = int(std::lround(450 + 150 * sum.x)), tipY = int(std::lround(r.yd - 150 * sum.y));
                EXPECT_EQ(greenNear(tipX - 2, tipX + 2, tipY - 2, tipY + 2) > 0, true) << "yd " << r.yd;
            } else {
                EXPECT_EQ(green, 0) << "yd " << r.yd << (lower ? " lower" : " upper");
            }
        }
        EXPECT_TRUE(seen[0] && seen[1]) << "both holes taken at yd " << r.yd;
    }
}

TEST_F(Fringeworks, HoleNumbersAbove500TakeTheUpperHoleInBlackTheOthersTheLowerInWhite)
{
    EXPECT_EQ(fringeworks::holeFor(500), -1);
    EXPECT_EQ(fringeworks::holeFor(501), +1);
    fringeworks::PhotonRun run = preparedRun();
    const double theta = 1.0;
    for (int h : {0, 500, 501, 999}) {
        run.erase();
        const fringeworks::PhotonRun::Shot shot = run.shoot(theta, h, 250);
        const bool upper = h > 500;
        EXPECT_EQ(shot.hole, upper ? +1 : -1) << h;
        // the route from the source to the hole: (80, 340.5) to (150, 320.5) or (150, 360.5)
        const QRgb upperRoute = at(115, 331), lowerRoute = at(115, 351);
        EXPECT_EQ(upperRoute, upper ? kBlack : kGrey) << h;
        EXPECT_EQ(lowerRoute, upper ? kGrey : kWhite) << h;
        // the hole arrow at the starting phase, 20 long, up and to the left for 1 rad
        const double yHole = upper ? 320.5 : 360.5;
        EXPECT_TRUE(near(150 - 15 * std::cos(theta), yHole - 15 * std::sin(theta), upper ? kBlack : kWhite)) << h;
        // the detector arrow at the photon's own path length plus the phase
        const double L = std::hypot(yHole - 250, 150);
        EXPECT_DOUBLE_EQ(shot.phi, L + theta) << h;
        EXPECT_TRUE(near(300 + 15 * std::cos(shot.phi), 250 - 15 * std::sin(shot.phi), upper ? kBlack : kWhite)) << h;
        // the source arrow, pointing away from the route side
        EXPECT_TRUE(near(80 - 15 * std::cos(theta), 340.5 - 15 * std::sin(theta), kBlack)) << h;
    }
    // the next shot turns the source arrow: the previous one is erased
    run.shoot(2.6, 0, 250);
    EXPECT_TRUE(near(80 - 15 * std::cos(2.6), 340.5 - 15 * std::sin(2.6), kBlack));
    EXPECT_FALSE(near(80 - 15 * std::cos(theta), 340.5 - 15 * std::sin(theta), kBlack));
}

TEST_F(Fringeworks, PassTwoLiftsThePointsBy2AndTurnsThePhasesIntoTheSecondHalfTurn)
{
    fringeworks::PhotonRun run = preparedRun();
    std::vector<double> first, second;
    resetRnd();
    for (int i = 0; i < 260; ++i)
        first.push_back(run.detectorY(1));
    resetRnd();
    for (int i = 0; i < 260; ++i)
        second.push_back(run.detectorY(2));
    for (int i = 0; i < 260; ++i)
        ASSERT_EQ(second[i], first[i] - 2) << "point " << i;
    // every point re-seeds with 10, yet the points spread over the whole detector
    const std::set<double> distinct(first.begin(), first.end());
    EXPECT_GT(distinct.size(), 180u);
    EXPECT_GE(*distinct.begin(), 81);
    EXPECT_LE(*distinct.rbegin(), 531);
    for (int band = 81; band < 531; band += 50)
        EXPECT_GE(std::count_if(first.begin(), first.end(), [&](double y) { return y >= band && y < band + 50; }), 15)
            << "band from " << band;
    EXPECT_GE(*std::min_element(second.begin(), second.end()), 79);
    EXPECT_LE(*std::max_element(second.begin(), second.end()), 529);

    // starting phases: p c in pass 1, (p + 180) c in pass 2, with p = 0..179
    for (int pass : {1, 2}) {
        double lowest = 10, highest = -10;
        for (int i = 0; i < 400; ++i) {
            run.photon(pass, 250);
            const double p = run.theta() / kPhaseStep - (pass == 2 ? 180 : 0);
            ASSERT_NEAR(p, std::round(p), 1e-9);
            ASSERT_GE(std::round(p), 0);
            ASSERT_LE(std::round(p), 179);
            lowest = std::min(lowest, run.theta()), highest = std::max(highest, run.theta());
        }
        if (pass == 1) {
            EXPECT_LT(lowest, 0.2);
            EXPECT_GT(highest, 2.9);
        } else {
            EXPECT_GE(lowest, 180 * kPhaseStep);
            EXPECT_GT(lowest, 3.1);
            EXPECT_LT(lowest, 3.3);
            EXPECT_GT(highest, 6.0);
        }
    }
}

TEST_F(Fringeworks, FiftyPhotonsAPointTakeTwoToSixSecondsAndTheSlowestSettingThreeTimesThat)
{
    f.pacing().resetCount();
    start();
    const double fastest = f.pacing().designedSeconds();
    EXPECT_GE(fastest, 2.0);
    EXPECT_LE(fastest, 6.0);
    f.control<QScrollBar>("HScroll1")->setValue(3);
    f.pacing().resetCount();
    start();
    EXPECT_NEAR(f.pacing().designedSeconds() / fastest, 3, 0.1);
}

TEST_F(Fringeworks, ARepetitionCountDrawsEveryShotThatManyTimes)
{
    f.control<QScrollBar>("HScroll1")->setValue(3);
    fringeworks::PhotonRun run = preparedRun();
    const auto before = f.surface().operations();
    run.photon(1, 250);
    EXPECT_EQ(f.surface().operations() - before, 15u) << "three shots of five drawings";
    f.select("opfot500");
    const auto beforeRun = f.surface().operations();
    start();
    // 580 erased rows, 6 for the scene, 5 per shot, a bar per point, the summed arrows, the source
    const auto drawn = f.surface().operations() - beforeRun;
    EXPECT_GE(drawn, 580u + 6 + 780000u * 5 + 520 + 1);
    EXPECT_LE(drawn, 580u + 6 + 780000u * 5 + 520 + 520 + 1);
}

TEST_F(Fringeworks, FiftyPhotonsAPointShowTheFringesOfTheTwoHoles)
{
    const auto fringeContrast = [&](double* correlation) {
        std::vector<double> measured, expected;
        double bright = 0, dark = 0;
        int brightRows = 0, darkRows = 0;
        for (int row = 80; row <= 531; ++row) {
            const int length = bar(row);
            if (nearAxis(row) || length == 0)
                continue;
            const double w = brightness(row);
            measured.push_back(length), expected.push_back(w);
            if (w > 0.85) {
                bright += length, ++brightRows;
            } else if (w < 0.15) {
                dark += length, ++darkRows;
            }
        }
        EXPECT_GT(brightRows, 20);
        EXPECT_GT(darkRows, 20);
        const double n = double(measured.size());
        double mx = 0, my = 0;
        for (size_t i = 0; i < measured.size(); ++i)
            mx += measured[i] / n, my += expected[i] / n;
        double sxy = 0, sxx = 0, syy = 0;
        for (size_t i = 0; i < measured.size(); ++i) {
            sxy += (measured[i] - mx) * (expected[i] - my);
            sxx += (measured[i] - mx) * (measured[i] - mx);
            syy += (expected[i] - my) * (expected[i] - my);
        }
        *correlation = sxx > 0 ? sxy / std::sqrt(sxx * syy) : 0;
        return (bright / brightRows) / std::max(1.0, dark / darkRows);
    };
    double correlation = 0;
    start();  // N = 50
    const double contrast50 = fringeContrast(&correlation);
    EXPECT_GT(contrast50, 4) << "bright bands many times the dark ones";
    EXPECT_GT(correlation, 0.7) << "the bars follow the path difference of the two holes";
    for (int row = 336; row <= 345; ++row) {
        if (!nearAxis(row) && bar(row) > 0) {
            EXPECT_GT(bar(row), 60) << "the central bright band, row " << row;
        }
    }

    f.select("opFot1");
    start();
    fringeContrast(&correlation);
    EXPECT_LT(std::fabs(correlation), 0.05) << "one photon a point: the same bar everywhere, no fringes";

    f.select("opfot500");
    start();
    const double contrast500 = fringeContrast(&correlation);
    EXPECT_GT(correlation, 0.85) << "500 photons: the noise is gone";
    EXPECT_GT(contrast500, contrast50);
}

TEST_F(Fringeworks, EveryRunStartsFromAnErasedPictureAndRevealsTheCaptions)
{
    f.select("opFot5");
    for (const char* caption : kRunCaptions)
        EXPECT_FALSE(shown(caption)) << caption;
    f.surface().ScaleMode = DrawingSurface::Pixels;
    f.surface().Line(300, 300, 700, 300, colours::red);
    f.surface().Line(300, 100, 300, 500, colours::red);
    resetRnd();
    start();
    EXPECT_EQ(f.surface().ScaleMode, DrawingSurface::Pixels);
    for (const char* caption : kRunCaptions)
        EXPECT_TRUE(shown(caption)) << caption;
    const QImage first = drawingArea();
    for (int y = 0; y < 581; ++y)
        for (int x = 0; x < 800; ++x)
            ASSERT_NE(first.pixel(x, y), kRed) << x << "," << y;
    // the plate, the detector, the two lines of sums and bars, the source
    EXPECT_EQ(at(150, 75), kBlack);
    EXPECT_EQ(at(300, 75), kBlack);
    EXPECT_EQ(at(450, 75), kBlack);
    EXPECT_EQ(at(550, 75), kBlack);
    EXPECT_EQ(at(150, 68), kGrey) << "the lines end at y = 70";
    EXPECT_EQ(at(80, 336), kBlack) << "the source circle, drawn again at the end";
    EXPECT_EQ(at(750, 340), kBlack) << "the axis reaches x = 770";
    // the same random numbers draw the same picture, whatever the previous run left
    f.select("opfot500");
    start();
    f.select("opFot5");
    resetRnd();
    start();
    EXPECT_TRUE(drawingArea() == first);
    for (const char* caption : kRunCaptions)
        EXPECT_TRUE(shown(caption)) << "stays shown: " << caption;
    EXPECT_FALSE(shown("labKlepnete")) << "the prompt is off the central fringe";
}

TEST_F(Fringeworks, GoldenPictureAtTheDefaultSettings)
{
    start();
    EXPECT_TRUE(matchesGolden(drawingArea(), "fringeworks_default"));
}
