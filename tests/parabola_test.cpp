// parabola: its window, and the mirror, rays, spirals and bars of a run.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

#include "answers.h"
#include "golden.h"
#include "shown_window.h"
#include "parabola/physics.h"
#include "parabola/window.h"

namespace {
constexpr QRgb kGrey = 0xFFC0C0C0, kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF,
               kBlack = 0xFF000000;

struct Parabola : ShownWindow<parabola::ParabolaQED> {
    ScriptedAnswers answers{"Parabola", "Vyčistit celou obrazovku (Ano),Vymaže jen Cornuovy spirály  (Ne)?", Form::vbYes};
    QRgb atTwips(double x, double y) const { return at(int(std::floor(x / 15 + 0.5)), int(std::floor(y / 15 + 0.5))); }

    // The top of the bar in a pixel column (its height in pixels above the axis row 300), 0 if none.
    int barHeight(int column, QRgb colour) const
    {
        for (int y = 150; y < 300; ++y)
            if (at(column, y) == colour)
                return 300 - y;
        return 0;
    }
    // The columns of the tallest bars of a colour (neighbours may reach the same pixel row), and their height.
    std::pair<std::vector<int>, int> tallest(QRgb colour) const
    {
        std::pair<std::vector<int>, int> best{{}, 0};
        for (int x = 160; x < 800; ++x) {
            const int h = barHeight(x, colour);
            if (h > best.second)
                best = {{x}, h};
            else if (h == best.second && h > 0)
                best.first.push_back(x);
        }
        return best;
    }
    static bool among(int x, const std::vector<int>& columns)
    {
        return std::find(columns.begin(), columns.end(), x) != columns.end();
    }
};

int column(double twips) { return int(std::floor(twips / 15 + 0.5)); }
}  // namespace

TEST_F(Parabola, TheWindowHasItsCaptionsOptionsAndHiddenBoxes)
{
    EXPECT_EQ(f.objectName(), "ParabolaQED");
    EXPECT_EQ(f.windowTitle(), QString("Parabola - ") + kWebAddress);
    EXPECT_EQ(f.text("nZáhlaví"), "Parabolické zrcadlo (anténa)");
    EXPECT_EQ(f.text("nRovnice"), " x = K.y.y");
    EXPECT_EQ(f.text("nCornu"), "Cornuovy spirály");
    EXPECT_FALSE(f.control<QLineEdit>("nRovnice")->hasFrame());
    EXPECT_EQ(f.control("nPravděpodobnost")->geometry(), QRect(632, 144, 137, 25));
    for (const char* caption : {"0.00005", "0.00007", "0.0001", "0.0002"}) {
        bool found = false;
        for (auto* b : f.control("frmOhnisko")->findChildren<QRadioButton*>())
            found |= b->text() == caption;
        EXPECT_TRUE(found) << caption;
    }
    EXPECT_EQ(f.control("opNízký")->palette().color(QPalette::Button), QColor(255, 0, 0));
    EXPECT_EQ(f.control("opKmitVyš")->palette().color(QPalette::Button), QColor(192, 192, 255));
    for (const char* box : {"nOsKruh", "nKmitočet", "nPrvní", "nAlfa", "nSpomaleni"})
        EXPECT_TRUE(f.control(box)->isHidden()) << box;
    EXPECT_TRUE(f.control("frmAnimace")->isHidden());
    EXPECT_EQ(f.text("nAlfa"), "Alfa");
    EXPECT_EQ(QApplication::focusWidget(), f.control("cmdStart"));
}

TEST_F(Parabola, LoadAndHandlersWriteTheirValues)
{
    EXPECT_EQ(f.text("nOsKruh"), "0.00005");
    EXPECT_EQ(f.text("nKmitočet"), "0.02");
    EXPECT_EQ(f.text("nPrvní"), "0");
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    f.select("opK0002");
    f.select("opOhniskoVzdálené");
    EXPECT_EQ(f.text("nOsKruh"), "0.00005") << "only the last choice counts";
    f.select("opNízký");
    EXPECT_EQ(f.text("nKmitočet"), "0.01");
    f.select("opPomalá");
    EXPECT_EQ(f.text("nSpomaleni"), "3000000");
    auto* bar = f.control<QScrollBar>("HScroll1");
    EXPECT_EQ(bar->value(), 1);
    bar->setValue(0);
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    bar->setValue(1);
    EXPECT_EQ(f.text("nSpomaleni"), "31");
    bar->setValue(32767);
    EXPECT_EQ(f.text("nSpomaleni"), "983011");
}

TEST_F(Parabola, TheSceneHasTheMirrorRaysAndAxis)
{
    start();
    EXPECT_EQ(answers.asked, 0) << "the first run asks nothing";
    EXPECT_EQ(f.text("nPrvní"), "1");
    // the outermost mirror dots at x = 2500 + 0.00005 * 3050^2 = 2965.1
    EXPECT_EQ(atTwips(2965.1, 7500), kBlack);
    EXPECT_EQ(atTwips(2965.1, 1500), kBlack);
    // upper rays, redrawn in the foreground colour from 11500 at every detector point
    for (int y : {4050, 3550, 3050, 2550, 2050, 1550})
        EXPECT_EQ(atTwips(11400, y), kBlack) << y;
    EXPECT_EQ(atTwips(11400, 3800), kGrey) << "no ray between them";
    EXPECT_EQ(at(column(11400), 300), kBlack) << "the axis";
    // the reflected rays run in the ray colour towards the focus (7500, 4500)
    EXPECT_EQ(atTwips(7400, 4540), kWhite);
    const double alpha = f.number("nAlfa");  // the last tangent angle, between -pi/2 and 0
    EXPECT_LT(alpha, 0);
    EXPECT_GT(alpha, -M_PI / 2);
    EXPECT_NEAR(alpha, std::atan(500 / (-10 * 0.00005 * (100 * 2950 + 2500))), 1e-12);
}

TEST_F(Parabola, TheTallestBarStandsNearTheFocusForEachFrequency)
{
    // f = 0.04, 0.02, 0.01 drawn over each other, answering "Ne" from the second run on
    answers.answer = Form::vbNo;
    f.select("opKmitVyš");
    start();
    f.select("opStřední");
    start();
    f.select("opNízký");
    start();
    EXPECT_EQ(answers.asked, 2);
    const auto blue = tallest(kBlue), green = tallest(kGreen), red = tallest(kRed);
    EXPECT_TRUE(among(column(7360), blue.first));
    EXPECT_TRUE(among(column(7360 + 20), green.first));
    EXPECT_TRUE(among(column(7360 + 40), red.first));
    EXPECT_EQ(blue.first.size(), 1u) << "the blue peak is sharp";
    EXPECT_NEAR(blue.second * 15, 2233, 15);
    EXPECT_NEAR(green.second * 15, 2246, 15);
    EXPECT_NEAR(red.second * 15, 2249, 15);
    for (int x = 160; x < 800; ++x)
        for (QRgb c : {kRed, kGreen, kBlue})
            EXPECT_LE(barHeight(x, c), 150) << "no bar above y = 2250 twips";
}

TEST_F(Parabola, TheFocusMovesWithK)
{
    const struct {
        const char* option;
        double j;
    } mirrors[] = {{"opOhniskoStřední", 5980}, {"opOhniskoBlízké", 4900}, {"opK0002", 3700}};
    for (const auto& m : mirrors) {
        answers.answer = Form::vbYes;
        f.select(m.option);
        start();
        const auto green = tallest(kGreen);
        EXPECT_TRUE(among(column(m.j + 20), green.first)) << m.option;
        EXPECT_LE(green.first.size(), 2u) << m.option;
    }
}

TEST_F(Parabola, AnoErasesTheWholePictureAndNeOnlyTheLowerHalf)
{
    start();
    const QRgb upperRay = atTwips(11400, 3050), bar = at(column(7380), 290);
    ASSERT_EQ(upperRay, kBlack);
    ASSERT_EQ(bar, kGreen);
    f.surface().Line(700, 8000, 900, 8000, colours::red);  // below the mirror, left of x = 2000
    answers.answer = Form::vbNo;
    f.select("opK0002");  // a mirror elsewhere: what stays is the earlier run's
    f.select("opKmitVyš");
    start();
    EXPECT_EQ(answers.asked, 1);
    EXPECT_EQ(at(column(7380), 290), kGreen) << "earlier bars stay";
    EXPECT_EQ(atTwips(2965.1, 1500), kBlack) << "the upper mirror stays";
    EXPECT_EQ(atTwips(2965.1, 7400), kGrey) << "the lower mirror of the earlier K is erased";
    EXPECT_EQ(atTwips(800, 8000), kRed) << "nothing left of x = 2000 is erased";
    answers.answer = Form::vbYes;
    f.select("opOhniskoBlízké");
    start();
    EXPECT_EQ(answers.asked, 2);
    EXPECT_EQ(at(column(7380), 290), kGrey) << "Ano erases the bars too";
    EXPECT_EQ(atTwips(2965.1, 1500), kGrey);
}

TEST_F(Parabola, EveryDetectorPointWaitsTheSpeedValue)
{
    f.pacing().resetCount();
    start();
    EXPECT_GE(f.pacing().designedSeconds(), 5.0) << "the spirals form before the eyes at the start-up speed";
    EXPECT_LE(f.pacing().designedSeconds(), 15.0);

    f.control<QScrollBar>("HScroll1")->setValue(32767);
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().waits(), 142);
    EXPECT_EQ(f.pacing().decrementsAsked(), 142.0 * 983011);  // about 35 s
}

TEST(ParabolaPhysics, ARouteRunsInFromTheRightToTheMirrorAndOnToTheDetector)
{
    // K = 0.00005 and d = 30: the mirror parameter -80 puts the mirror point 0.32 right of the vertex;
    // a detector 40 further right closes a 30-40-50 triangle with the mirror point
    const double p = parabola::mirrorParameter(30);
    EXPECT_DOUBLE_EQ(p, -80);
    const double xm = parabola::mirrorDepth(0.00005, p);
    EXPECT_NEAR(xm, 0.32, 1e-12);
    EXPECT_NEAR(parabola::routeLength(xm, 30, 2500 + 0.32 + 40), 11000 - 0.32 + 50, 1e-9);
    // the detector at the mirror point's depth: the last leg is just the distance from the axis
    EXPECT_NEAR(parabola::routeLength(1, 50, 2501), 11049, 1e-9);
    // arrows of routes 2 pi / f apart point the same way
    const Arrow a = parabola::routeArrow(0.04, 11049), b = parabola::routeArrow(0.04, 11049 + 2 * M_PI / 0.04);
    EXPECT_DOUBLE_EQ(a.length, 0.5);
    EXPECT_NEAR(b.angle - a.angle, 2 * M_PI, 1e-9);
    EXPECT_NEAR(a.dx(), b.dx(), 1e-9);
    EXPECT_NEAR(a.dy(), b.dy(), 1e-9);
}

TEST(ParabolaPhysics, TheTangentIsTheSlopeOfTheMirrorBetweenTheTwoPoints)
{
    // between the mirror points of parameters -(d + 50) and -d the mirror x = K y^2 rises 1 / (K (2d + 50))
    // times faster in y than in x: its slope at y = -(d + 25)
    for (const double K : {0.00005, 0.0001, 0.0002})
        for (const int d : {450, 950, 2950})
            EXPECT_NEAR(parabola::tangentAngle(K, d, parabola::mirrorParameter(d)),
                        -std::atan(1 / (K * (2 * d + 50))), 1e-12)
                << K << " " << d;
    EXPECT_NEAR(parabola::tangentAngle(0.0001, 450, -500), -1.4760806, 1e-7);
}

TEST(ParabolaPhysics, TheArrowsAddUpMostJustShortOfTheFocus)
{
    // the detector places of the sweep; the focus of x = K y^2 lies 1 / (4K) right of the vertex
    for (const double K : {0.00005, 0.00007, 0.0001, 0.0002}) {
        const double focus = parabola::vertexX + 1 / (4 * K);
        double best = 0, bestJ = 0, farthest = 0;
        for (double j = parabola::vertexX; j <= parabola::rayStartX; j += 60) {
            const double P = parabola::arrival(K, 0.02, j, {j, 0}).squared();
            if (P > best)
                best = P, bestJ = j;
            farthest = P;
        }
        EXPECT_LE(bestJ, focus) << K;
        EXPECT_GE(bestJ, focus - 150) << K;
        // there almost all 3000 arrows of 0.5 point one way: the chord nears 1500
        EXPECT_GT(best, 0.95 * 1500 * 1500) << K;
        EXPECT_LT(farthest, 0.15 * best) << K << ": far beyond the focus the spiral curls up";
    }
    // the chain starts where it is told: its sum does not depend on the start
    const Chain here = parabola::arrival(0.00005, 0.04, 7360, {7360, 6200});
    const Chain there = parabola::arrival(0.00005, 0.04, 7360, {});
    EXPECT_NEAR(here.squared(), there.squared(), 1e-3);
    EXPECT_NEAR(here.squared(), 2232956, 1);
}

TEST_F(Parabola, GoldenPictureAtTheDefaultSettings)
{
    start();
    EXPECT_TRUE(matchesGolden(f.picture().copy(0, 0, 800, 581), "parabola_default"));
}
