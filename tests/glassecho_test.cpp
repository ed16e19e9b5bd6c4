// glassecho: its window, and the plate, arrow chain and reflection graph of a run.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <numbers>

#include "answers.h"
#include "golden.h"
#include "shown_window.h"
#include "glassecho/physics.h"
#include "glassecho/window.h"

namespace {
constexpr QRgb kGrey = 0xFFC0C0C0, kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

struct Glassecho : ShownWindow<glassecho::Rozptyl> {
    ScriptedAnswers answers{"glassecho", "Vyčistit graf pravděpodobnosti pro novou animaci?", Form::vbNo};

    // The graph's largest probability and its end, in twips right of the thickness axis
    // (to the pixel: 15 twips), read off the curve of a colour.
    int rightmost(QRgb colour) const
    {
        int right = 0;
        for (int y = 195; y < 540; ++y)
            for (int x = 595; x < 800; ++x)
                if (at(x, y) == colour)
                    right = std::max(right, x);
        return right;
    }
    int endOfCurve(QRgb colour) const  // the curve's centre in the last thickness row (t = 5000: y = 8000)
    {
        int from = 0, to = 0;
        for (int x = 595; x < 800; ++x)
            if (at(x, 533) == colour)
                to = x, from = from ? from : x;
        return (from + to + 1) / 2;
    }
};

int pixels(double twips) { return int(std::floor(twips / 15 + 0.5)); }
}  // namespace

// ---------------------------------------------------------------- the physics

TEST(GlassechoPhysics, ThePathRunsDownToTheElectronMidwayAndBackUp)
{
    using namespace glassecho;
    EXPECT_EQ(electronX, 3250);
    EXPECT_EQ(electronY(0), 3000) << "on the plate's top at first";
    EXPECT_EQ(electronY(5000), 8000);
    // Each half of the path: 2750 across and 2000 + t down.
    EXPECT_DOUBLE_EQ(pathLength(62.5), 6875) << "2062.5 down: a 3-4-5 triangle of 3437.5";
    EXPECT_DOUBLE_EQ(pathLength(4600), 14300) << "6600 down: a 5-12-13 triangle of 7150";
    EXPECT_NEAR(pathLength(0), 6800.735, 1e-3);
    EXPECT_GT(pathLength(100), pathLength(0));
}

TEST(GlassechoPhysics, TheArrowTurnsOnceIn8002TwipsOfPathForTheRedLight)
{
    using namespace glassecho;
    EXPECT_NEAR(angleFactor(0.1), 0.000785205, 1e-12);
    EXPECT_NEAR(2 * std::numbers::pi / angleFactor(0.1), 8002, 0.5);
    EXPECT_NEAR(angleFactor(0.2), 2 * angleFactor(0.1), 1e-15) << "twice the frequency, twice the turning";
    EXPECT_NEAR(angleFactor(0.3), 3 * angleFactor(0.1), 1e-15);
    EXPECT_NEAR(scatteredAngle(62.5, angleFactor(0.1)), 6875 * 0.000785205, 1e-9);
}

TEST(GlassechoPhysics, TheChainedArrowsAddToTheProbabilityOfReflection)
{
    using namespace glassecho;
    const Point start{8300, 6000};
    ScatteredChain one(start);
    EXPECT_EQ(one.probability(), 0) << "no arrow yet";
    const Point end = one.add(0);
    EXPECT_DOUBLE_EQ(end.x, 8200) << "an arrow of angle 0 points left";
    EXPECT_DOUBLE_EQ(end.y, 6000);
    EXPECT_NEAR(one.probability(), 9, 1e-9) << "0.0009 x 100^2";
    ScatteredChain down(start);
    EXPECT_NEAR(down.add(std::numbers::pi / 2).y, 6100, 1e-9) << "a quarter turn points down";

    for (double a : {0.0, 0.7, 2.5, 5.0}) {
        ScatteredChain same(start), opposite(start);
        same.add(a), same.add(a);
        EXPECT_NEAR(same.probability(), 4 * 9, 1e-9) << "two equal arrows: four times one, " << a;
        opposite.add(a), opposite.add(a + std::numbers::pi);
        EXPECT_NEAR(opposite.probability(), 0, 1e-9) << "half a turn apart they cancel, " << a;
    }
}

TEST_F(Glassecho, TheWindowHasItsColourOptionsAndHiddenLabels)
{
    EXPECT_EQ(f.objectName(), "Rozptyl");
    EXPECT_EQ(f.windowTitle(), QString("glassecho - ") + kWebAddress);
    EXPECT_EQ(f.control("op01")->palette().color(QPalette::Button), QColor(255, 128, 0));
    EXPECT_EQ(f.control("op03")->palette().color(QPalette::Button), QColor(192, 192, 255));
    EXPECT_EQ(f.control("op02")->pos(), QPoint(8, 37));
    for (const char* hidden : {"labZdroj", "labDetektor", "labSklíčko", "labSoučet", "labPravděpodobnost",
                               "labSilaSkla", "opAnimace", "nFrekvence", "nSpomaleni", "nStartuje"})
        EXPECT_TRUE(f.control(hidden)->isHidden()) << hidden;
    EXPECT_EQ(f.text("nFrekvence"), "0.1");
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    EXPECT_EQ(f.text("nStartuje"), "Ano");
    f.select("op02");
    EXPECT_EQ(f.text("nFrekvence"), "0.2");
    f.control<QScrollBar>("HScroll1")->setValue(10);
    EXPECT_EQ(f.text("nSpomaleni"), "10");
}

TEST_F(Glassecho, EachColourReflectsAsThePathLengthsSay)
{
    const struct {
        const char* option;
        QRgb colour;
        double largest, end;  // twips right of the axis
    } lights[] = {{"op01", kRed, 2569, 194}, {"op02", kGreen, 766, 109}, {"op03", kBlue, 372, 83}};
    for (const auto& l : lights) {
        f.select(l.option);
        start();  // from the second run on answered "Ne": the curves collect on one graph
        EXPECT_EQ(at(600, 200), l.colour) << "every curve starts on the thickness axis";
        EXPECT_NEAR(rightmost(l.colour), pixels(9000 + l.largest), 1) << l.option;
        EXPECT_NEAR(endOfCurve(l.colour), pixels(9000 + l.end), 1) << l.option;
    }
    EXPECT_EQ(answers.asked, 2) << "the first run asks nothing";
    EXPECT_NEAR(rightmost(kRed), pixels(9000 + 2569), 1) << "Ne leaves the earlier curves";
    answers.answer = Form::vbYes;
    start();
    EXPECT_EQ(rightmost(kGreen), 0) << "Ano erases the earlier graphs";
    EXPECT_EQ(rightmost(kRed), 0);
}

TEST_F(Glassecho, TheSceneIsErasedEveryRunAndTheLabelsShownAfterIt)
{
    start();
    for (const char* label : {"labZdroj", "labDetektor", "labSklíčko", "labSoučet", "labPravděpodobnost", "labSilaSkla"})
        EXPECT_FALSE(f.control(label)->isHidden()) << label;
    EXPECT_EQ(f.text("nStartuje"), "Ne");
    DrawingSurface& s = f.surface();
    s.Line(100, 9000, 900, 9000, colours::red);  // in the scene, below the plate
    start();  // "Ne"
    EXPECT_EQ(at(30, 600), kGrey) << "the left part is erased every run";
    EXPECT_EQ(at(pixels(8300), pixels(6000 + 50)), 0xFF000000) << "the chain origin's circle, right of x = 6100, stays";
}

TEST_F(Glassecho, EveryThicknessStepWaitsTheSpeedValue)
{
    f.pacing().resetCount();
    start();
    EXPECT_GE(f.pacing().designedSeconds(), 2.5) << "the first run at the start-up speed";
    EXPECT_LE(f.pacing().designedSeconds(), 3.5);

    f.control<QScrollBar>("HScroll1")->setValue(3);
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().waits(), 51);
    EXPECT_EQ(f.pacing().decrementsAsked(), 51 * 200000.0 * 3);
}

TEST_F(Glassecho, GoldenPictureAfterARedRun)
{
    start();
    EXPECT_TRUE(matchesGolden(f.picture().copy(0, 0, 800, 581), "glassecho_red"));
}
