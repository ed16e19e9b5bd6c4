// pathways: its window, and the routes, chains, resultant and bar of a run.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <set>

#include "golden.h"
#include "shown_window.h"
#include "rnd.h"
#include "pathways/physics.h"
#include "pathways/window.h"

namespace {
constexpr QRgb kGrey = 0xFFC0C0C0, kDark = 0xFF404040, kGreen = 0xFF00FF00, kWhite = 0xFFFFFFFF;
const double ys = 581 / 2.9;

struct Pathways : ShownWindow<pathways::Rozptyl> {
    void SetUp() override
    {
        resetRnd();
        ShownWindow::SetUp();
    }
    // Rows in which the routes (between source and detector) have dark pixels.
    std::set<int> routeRows() const
    {
        std::set<int> rows;
        for (int y = 51; y < 380; ++y)
            for (int x = 80; x <= 390; ++x)
                if (at(x, y) == kDark)
                    rows.insert(y);
        return rows;
    }
};
}  // namespace

TEST_F(Pathways, TheWindowHasItsFramesAndHiddenCaptions)
{
    EXPECT_EQ(f.objectName(), "Rozptyl");
    EXPECT_EQ(f.windowTitle(), QString("pathways - ") + kWebAddress);
    EXPECT_EQ(f.control("op4z")->pos(), QPoint(56, 32)) << "three bends to a row";
    EXPECT_EQ(f.control("op8z")->pos(), QPoint(96, 48));
    for (const char* hidden : {"frmPocet", "frmAnimace", "labRadiusKoridor", "labDelkaTrasy", "labZdroj", "labDetektor",
                               "labRadiusvektorTrasy", "nPomer", "nHorizDelka"})
        EXPECT_TRUE(f.control(hidden)->isHidden()) << hidden;
    EXPECT_FALSE(f.control("labKlepnete")->isHidden());
}

TEST_F(Pathways, LoadLeavesFiveRoutesOfFiveBendsInTheWideCorridor)
{
    EXPECT_EQ(f.text("nPocet"), "5");
    EXPECT_EQ(f.text("nTrajektorie"), "5") << "op5 replaces the 10 written first";
    EXPECT_EQ(f.text("nKoridor"), "1");
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    f.select("opÚzký");
    EXPECT_EQ(f.text("nKoridor"), "60");
    f.select("op8z");
    EXPECT_EQ(f.text("nPocet"), "8");
    f.control<QScrollBar>("HScroll1")->setValue(10);
    EXPECT_EQ(f.text("nSpomaleni"), "10");
}

TEST_F(Pathways, ThinCorridorRoutesRunAlongTheCentreLineAndTheBarMeetsTheReferenceLine)
{
    f.select("opTenký");
    start();
    const std::set<int> rows = routeRows();
    EXPECT_EQ(rows, (std::set<int>{200, 201})) << "pen 2 along y = ys";
    // the bar (mean route length) stands on the axis at x = 630 and ends close to the green
    // reference line (the last route's horizontal length): along the centre line both are 0.1 * length
    int reference = 0, barTop = 0;
    for (int y = 381; y < 481 && !reference; ++y)
        if (at(720, y) == kGreen)
            reference = y;
    for (int y = 381; y < 481 && !barTop; ++y)
        if (at(630, y) == kDark)
            barTop = y;
    ASSERT_GT(reference, 0);
    EXPECT_LE(reference, 481 - 33) << "every route is at least 330 long";
    EXPECT_NEAR(barTop, reference, 4);
    EXPECT_EQ(at(630, 479), kDark);
    // the resultant of the main chain starts at its origin (700, ys - 20)
    int resultant = 0;
    for (int y = 0; y < 381; ++y)
        for (int x = 480; x < 800; ++x)
            resultant += at(x, y) == kGreen;
    EXPECT_GT(resultant, 2 * 150) << "five nearly equal arrows of 40 add to nearly 200";
}

TEST_F(Pathways, TheCorridorBoundsTheBendsAndTheBarStandsByCorridor)
{
    f.select("opÚzký");
    start();
    std::set<int> rows = routeRows();
    EXPECT_GE(*rows.begin(), int(ys - 14.29) - 1);
    EXPECT_LE(*rows.rbegin(), int(ys + 14.29) + 2);
    EXPECT_EQ(at(550, 478), kDark) << "the narrow corridor's bar at x = 70 + 8 * 60";

    std::set<int> wide;
    for (int run = 0; run < 4; ++run) {
        f.select("opŠiroký");
        start();
        rows = routeRows();
        EXPECT_GE(*rows.begin(), int(ys - 98.57) - 1);
        EXPECT_LE(*rows.rbegin(), int(ys + 98.57) + 2);
        wide.insert(rows.begin(), rows.end());
    }
    EXPECT_GT(wide.size(), 150u) << "the wide corridor's points take many heights";
    EXPECT_EQ(at(78, 478), kDark) << "the wide corridor's bar at x = 78";
}

TEST_F(Pathways, TheRunRevealsItsCaptionsAndLeavesTheEndsFilled)
{
    start();
    const struct {
        const char* name;
        QPoint at;
    } captions[] = {{"labRadiusKoridor", {520, 50}}, {"labDelkaTrasy", {20, 331}}, {"labZdroj", {15, 200}},
                    {"labDetektor", {420, 200}}, {"labRadiusvektorTrasy", {300, 511}}};
    for (const auto& c : captions) {
        EXPECT_FALSE(f.control(c.name)->isHidden()) << c.name;
        EXPECT_EQ(f.control(c.name)->pos(), c.at) << c.name;
    }
    EXPECT_EQ(at(70, 200), kWhite) << "the source is a filled disc";
    EXPECT_EQ(at(400, 200), kWhite);
    EXPECT_EQ(f.surface().FillStyle, DrawingSurface::FillSolid);
    f.surface().Line(600, 620, 700, 620, colours::red);
    start();
    EXPECT_EQ(at(650, 620), kGrey) << "the band down to y = 630 is erased";
    EXPECT_EQ(at(70, 200), kWhite);
}

TEST_F(Pathways, EverySegmentButTheLastWaits)
{
    f.pacing().resetCount();
    start();
    EXPECT_GE(f.pacing().designedSeconds(), 2.0) << "at the start-up speed";
    EXPECT_LE(f.pacing().designedSeconds(), 3.0);

    f.control<QScrollBar>("HScroll1")->setValue(10);
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().waits(), 5 * 6);
    EXPECT_EQ(f.pacing().decrementsAsked(), 30 * 10 * 300000.0);
}

TEST(PathwaysPhysics, RouteLengthsAreTheZigZagsPieces)
{
    pathways::Route straight{{pathways::sourceX, pathways::ys}};
    straight.to({pathways::detectorX, pathways::ys});
    EXPECT_DOUBLE_EQ(straight.length(), 330);
    EXPECT_DOUBLE_EQ(straight.horizontal(), 330);

    // one bend 40 above the line half-way: two hypotenuses of a 165-40 right triangle, and back
    // left then right again: the horizontal length counts both ways
    pathways::Route bent{{70, 200}};
    bent.to({235, 160});
    bent.to({400, 200});
    EXPECT_NEAR(bent.length(), 2 * 169.779268, 1e-5);
    EXPECT_DOUBLE_EQ(bent.horizontal(), 330);
    pathways::Route back{{70, 200}};
    back.to({100, 240});
    back.to({70, 200});
    EXPECT_DOUBLE_EQ(back.length(), 100) << "a 30-40-50 triangle there and back";
    EXPECT_DOUBLE_EQ(back.horizontal(), 60);
    EXPECT_DOUBLE_EQ(back.at().x, 70);
}

TEST(PathwaysPhysics, TheCorridorBoundsTheBends)
{
    EXPECT_DOUBLE_EQ(pathways::segmentWidth(6), 55) << "330 between source and detector in six";
    // the wide corridor (1) reaches 69/70 of 100 either side (y grows downwards); the thin one (70)
    // stays on the line
    const double wide = pathways::corridorFactor(1);
    EXPECT_NEAR(pathways::bendY(wide, 0), 200.3448 + 98.5714, 1e-4);
    EXPECT_NEAR(pathways::bendY(wide, 99), 200.3448 - 96.6000, 1e-4);
    EXPECT_NEAR(pathways::bendY(wide, 50), 200.3448, 1e-4) << "the middle pick is the centre line";
    for (double d : {0.0, 37.0, 99.0})
        EXPECT_DOUBLE_EQ(pathways::bendY(pathways::corridorFactor(70), d), pathways::ys);
}

TEST(PathwaysPhysics, AnArrowTurnsOnceAWavelengthOfRoute)
{
    // a wavelength of 100 / 1.00026 pixels: 100 more of route turns the arrow a little under a full turn
    EXPECT_NEAR(pathways::arrowAngle(430) - pathways::arrowAngle(330), 2 * M_PI, 2e-3);
    EXPECT_LT(pathways::arrowAngle(430) - pathways::arrowAngle(330), 2 * M_PI);
    EXPECT_NEAR(pathways::arrowAngle(355) - pathways::arrowAngle(330), M_PI / 2, 1e-3) << "a quarter wavelength";
    EXPECT_NEAR(pathways::arrowAngle(0), 0.628164, 1e-12) << "the offset of 10 turns even an empty route";
    // two routes half a wavelength apart cancel: their arrows add to almost nothing;
    // two of equal length add to twice the arrow, four times the square
    Chain opposite, equal;
    for (double L : {330.0, 380.0})
        opposite.add({1, pathways::arrowAngle(L)});
    for (int i = 0; i < 2; ++i)
        equal.add({1, pathways::arrowAngle(340)});
    EXPECT_LT(opposite.squared(), 1e-5);
    EXPECT_NEAR(equal.squared(), 4, 1e-12);
}

TEST_F(Pathways, GoldenPictureAtTheStartUpSettings)
{
    start();
    EXPECT_TRUE(matchesGolden(f.picture().copy(0, 0, 800, 631), "pathways_default"));
}
