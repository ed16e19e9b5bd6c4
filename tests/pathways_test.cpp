// pathways: its window, and the routes, chains, resultant and bar of a run.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <set>

#include "golden.h"
#include "shown_window.h"
#include "rnd.h"
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

TEST_F(Pathways, GoldenPictureAtTheStartUpSettings)
{
    start();
    EXPECT_TRUE(matchesGolden(f.picture().copy(0, 0, 800, 631), "pathways_default"));
}
