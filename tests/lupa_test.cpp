// lupa: its window, and the lens, rays, sums and probability marks of a run.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <vector>

#include "lupa/physics.h"
#include "lupa/window.h"
#include "answers.h"
#include "golden.h"
#include "shown_window.h"

namespace {
constexpr QRgb kGrey = 0xFFC0C0C0, kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kBlack = 0xFF000000;

struct Lupa : ShownWindow<lupa::FokusLupy> {
    ScriptedAnswers answers{"Fokus lupy", "Vyčistit graf pravděpodobnosti pro novou animaci?", Form::vbNo};

    // The detector positions xd = 150 + 7k whose marks of a colour reach highest (neighbours may
    // reach the same pixel row); a dot of radius 1 drawn with pen 2 tops out in columns xd and xd + 1.
    std::vector<int> highestMarks(QRgb colour) const
    {
        std::vector<int> best;
        int bestTop = 231;
        for (int k = 1; k <= 85; ++k) {
            const int xd = 150 + 7 * k;
            int top = 20;
            while (top < 231 && at(xd, top) != colour)
                ++top;
            if (top < bestTop)
                bestTop = top, best = {xd};
            else if (top == bestTop && top < 231)
                best.push_back(xd);
        }
        return best;
    }
    int topOfMark(int xd, QRgb colour) const
    {
        int top = 20;
        while (top < 231 && at(xd, top) != colour)
            ++top;
        return top;
    }
    // Rows with a ray crossing the glass at x = 55 (clear of the curved face).
    int rays() const
    {
        int n = 0;
        for (int y = 60; y < 560; ++y)
            n += at(55, y) == kBlack;
        return n;
    }
};
}  // namespace

TEST_F(Lupa, TheWindowHasItsFramesOptionsAndHiddenCaptions)
{
    EXPECT_EQ(f.objectName(), "FokusLupy");
    EXPECT_EQ(f.windowTitle(), QString("Fokus lupy - ") + kWebAddress);
    EXPECT_EQ(f.control("opČervený")->palette().color(QPalette::Button), QColor(255, 128, 128));
    EXPECT_EQ(f.control("opModrý")->palette().color(QPalette::Button), QColor(192, 192, 255));
    EXPECT_EQ(f.control("cmdKonec")->geometry(), QRect(624, 8, 65, 25)) << "beyond the designed width";
    EXPECT_EQ(f.control("chDisperze")->parentWidget(), f.control("frmIndex"));
    EXPECT_TRUE(f.control<QCheckBox>("chDisperze")->isChecked());
    for (const char* caption : {"nPravděpodobnost", "nSoučetRadiusvektorů", "nClonaOtvor", "frmAnimace"})
        EXPECT_TRUE(f.control(caption)->isHidden()) << caption;
    EXPECT_EQ(f.text("nClonaOtvor"), "Clona");
}

TEST_F(Lupa, LoadSetsTheDefaultsAndTheCheckBoxTogglesDispersion)
{
    EXPECT_EQ(f.text("nPoloměr"), "500");
    EXPECT_EQ(f.text("nIndex"), "0.98");
    EXPECT_EQ(f.text("nPůlLupy"), "80");
    EXPECT_EQ(f.text("nKmitočet"), "1");
    EXPECT_EQ(f.text("nStart"), "1");
    EXPECT_EQ(f.text("nZobrazení"), "Body");
    EXPECT_EQ(f.text("nDisperze"), "Ano");
    EXPECT_EQ(f.text("nClona"), "0");
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    QTest::mouseClick(f.control("chDisperze"), Qt::LeftButton);
    EXPECT_EQ(f.text("nDisperze"), "Ne");
    EXPECT_FALSE(f.control<QCheckBox>("chDisperze")->isChecked());
    QTest::mouseClick(f.control("chDisperze"), Qt::LeftButton);
    EXPECT_EQ(f.text("nDisperze"), "Ano");
    f.control<QScrollBar>("HScroll1")->setValue(10000);
    EXPECT_EQ(f.text("nSpomaleni"), "10000");
    f.select("OpZelená");
    EXPECT_EQ(f.text("nKmitočet"), "0.75");
}

TEST_F(Lupa, TheLargestMarkStandsAtTheFocusOfTheColour)
{
    start();
    EXPECT_EQ(highestMarks(kBlue), std::vector<int>{150 + 7 * 52});  // xd = 514
    EXPECT_NEAR(topOfMark(514, kBlue), 56, 2);
    EXPECT_EQ(answers.asked, 0) << "the first run asks nothing";

    f.select("opČervený");
    start();  // answered "Ne": the blue graph stays
    EXPECT_EQ(answers.asked, 1);
    EXPECT_EQ(highestMarks(kRed), std::vector<int>{150 + 7 * 67}) << "dispersion moves red's focus to xd = 619";
    EXPECT_EQ(highestMarks(kBlue), std::vector<int>{514}) << "the earlier graph stays";

    answers.answer = Form::vbYes;
    QTest::mouseClick(f.control("chDisperze"), Qt::LeftButton);
    start();
    const auto red = highestMarks(kRed);
    EXPECT_NE(std::find(red.begin(), red.end(), 514), red.end()) << "without dispersion red peaks where blue does";
    EXPECT_LE(red.size(), 2u);
    EXPECT_TRUE(highestMarks(kBlue).empty()) << "Ano cleared the graph";
}

TEST_F(Lupa, TheApertureAndTheHalfLensSetTheRays)
{
    f.select("opPruhy");
    const struct {
        const char* aperture;
        const char* half;
        int rays;
    } cases[] = {{"opClonaŠiroká", "opPůlNe", 81}, {"opClonaUy39", "opPůlNe", 61}, {"opClonaUzka", "opPůlNe", 41},
                 {"opClonaŠiroká", "opPůlAno", 41}, {"opClonaUy39", "opPůlAno", 31}, {"opClonaUzka", "opPůlAno", 21}};
    for (const auto& c : cases) {
        f.select(c.aperture);
        f.select(c.half);
        start();
        EXPECT_EQ(rays(), c.rays) << c.aperture << " " << c.half;
    }
    EXPECT_EQ(answers.asked, 0) << "a stripes run never asks";
    // with the lower half covered the lower blade reaches up to the axis
    EXPECT_EQ(at(50, 300), kBlack);
    EXPECT_EQ(at(70, 300), 0xFFC0FFC0) << "no ray below the axis: the glass shows light green";
}

TEST_F(Lupa, NeClearsOnlyTheSumDiagramAndStripesClearAlmostEverything)
{
    start();
    DrawingSurface& s = f.surface();
    s.ScaleMode = DrawingSurface::Pixels;
    s.DrawWidth = 1;
    for (const QPoint p : {QPoint(790, 325), QPoint(790, 575), QPoint(240, 500), QPoint(5, 400), QPoint(790, 20)})
        s.Line(p.x(), p.y(), p.x(), p.y(), colours::red);
    start();  // "Ne"
    EXPECT_EQ(at(790, 325), kGrey) << "inside x 250..800, rows 321..571";
    EXPECT_EQ(at(790, 575), kRed) << "below row 571";
    EXPECT_EQ(at(240, 500), kRed) << "left of x = 250";
    f.select("opPruhy");
    start();
    EXPECT_EQ(answers.asked, 1) << "asked once, by the second run";
    EXPECT_EQ(at(790, 575), kGrey) << "stripes clear rows 580 up to 26";
    EXPECT_EQ(at(240, 500), kGrey);
    EXPECT_EQ(at(5, 400), kRed) << "from x = 10";
    EXPECT_EQ(at(790, 20), kRed) << "above row 26";
    // each mark a stripe down to the graph's base line
    EXPECT_EQ(at(514, 100), kBlue);
    EXPECT_EQ(at(514, 229), kBlue);
}

TEST_F(Lupa, EveryRunShowsTheCaptionsAndClearsTheFirstRunFlag)
{
    f.control<QScrollBar>("HScroll1")->setValue(7);
    f.pacing().resetCount();
    start();
    for (const char* caption : {"nPravděpodobnost", "nSoučetRadiusvektorů", "nClonaOtvor"})
        EXPECT_FALSE(f.control(caption)->isHidden()) << caption;
    EXPECT_EQ(f.text("nStart"), "0");
    EXPECT_EQ(f.pacing().waits(), 85);
    EXPECT_EQ(f.pacing().decrementsAsked(), 85 * 200.0 * 7);
}

namespace {
// The detector place xd = 150 + 7k (k = 1..85) where the rays' arrows add to the highest probability.
double brightestDetector(const lupa::Optics& optics, const std::vector<double>& rays)
{
    double best = -1, bestX = 0;
    for (int k = 1; k <= 85; ++k) {
        const double xd = 150 + 7 * k;
        Chain sum{{xd, 0}};
        for (const double y : rays)
            sum.add({1.5, optics.angle(y, xd)});
        if (lupa::probability(sum) > best)
            best = lupa::probability(sum), bestX = xd;
    }
    return bestX;
}
}  // namespace

TEST(LupaPhysics, TheLensIsSixtyThickOnTheAxisAndThinsToItsEdge)
{
    const lupa::Lens lens{500};
    EXPECT_DOUBLE_EQ(lens.centreX(), -390);
    EXPECT_DOUBLE_EQ(lens.exitX(lupa::axisY), 110);
    EXPECT_NEAR(lens.exitX(lupa::axisY + 100), -390 + 489.89795, 1e-5) << "sqrt(500^2 - 100^2)";
    EXPECT_NEAR(lens.exitX(lupa::lensTop), -390 + 458.25757, 1e-5) << "sqrt(500^2 - 200^2)";
    EXPECT_DOUBLE_EQ(lens.exitX(lupa::lensTop), lens.exitX(lupa::lensBottom));
    // on the axis: 60 of glass counted m times, then straight on through the air
    const lupa::Optics optics{lens, lupa::effectiveIndex(0.98, 2.1), 0.8};
    EXPECT_DOUBLE_EQ(optics.m, 2.058);
    EXPECT_NEAR(optics.opticalLength(lupa::axisY, 514), 404 + 60 * 2.058, 1e-9);
    EXPECT_NEAR(optics.angle(lupa::axisY, 514), 0.8 * (404 + 123.48), 1e-9);
    // 100 above the axis: 10.102 less glass, a 100 high triangle to the detector
    EXPECT_NEAR(optics.opticalLength(lupa::axisY - 100, 514), std::hypot(514 - 99.89795, 100) + 49.89795 * 2.058,
                1e-4);
}

TEST(LupaPhysics, TheBladesAndTheCoverLeaveTheRaysOfTheOpening)
{
    const auto rays = [](double N, double C, bool whole) { return lupa::openRays(N, C, whole); };
    const std::vector<double> open = rays(80, 0, true), narrowed = rays(80, 50, true), upper = rays(40, 50, false);
    ASSERT_EQ(open.size(), 81u);
    EXPECT_DOUBLE_EQ(open.front(), lupa::lensTop);
    EXPECT_DOUBLE_EQ(open.back(), lupa::lensBottom);
    ASSERT_EQ(narrowed.size(), 61u) << "50 covered by each blade";
    EXPECT_DOUBLE_EQ(narrowed.front(), lupa::lensTop + 50);
    EXPECT_DOUBLE_EQ(narrowed.back(), lupa::lensBottom - 50);
    ASSERT_EQ(upper.size(), 31u) << "the lower half covered: from the upper blade down to the axis";
    EXPECT_DOUBLE_EQ(upper.front(), lupa::lensTop + 50);
    EXPECT_DOUBLE_EQ(upper.back(), lupa::axisY);
    EXPECT_EQ(rays(40, 0, false).size(), 41u);
    EXPECT_EQ(rays(80, 100, true).size(), 41u);
}

TEST(LupaPhysics, EqualArrowsAddToTheLargestProbability)
{
    Chain one, two, all;
    one.add({1.5, 0.3});
    for (int i = 0; i < 2; ++i)
        two.add({1.5, 0.3});
    for (int i = 0; i < 81; ++i)
        all.add({1.5, 0.3});
    EXPECT_NEAR(lupa::probability(one), 0.012 * 2.25, 1e-12);
    EXPECT_NEAR(lupa::probability(two), 4 * lupa::probability(one), 1e-12);
    EXPECT_NEAR(lupa::probability(all), 0.012 * 121.5 * 121.5, 1e-9);
}

TEST(LupaPhysics, TheFocusNearsTheThinLensFocusAsTheApertureCloses)
{
    // the thin lens of index m focuses R / (m - 1) beyond its curved face; the rim rays of a wide
    // opening meet nearer the lens, so the brightest place moves out towards it as the blades close
    const lupa::Lens lens{500};
    for (const double factor : {2.1, 1.9}) {
        const double m = lupa::effectiveIndex(0.98, factor);
        const double thinLensFocus = lupa::apexX + 500 / (m - 1);
        const lupa::Optics optics{lens, m, 0.8};
        const double wide = brightestDetector(optics, lupa::openRays(80, 0, true));
        const double middle = brightestDetector(optics, lupa::openRays(80, 50, true));
        const double narrow = brightestDetector(optics, lupa::openRays(80, 100, true));
        EXPECT_LT(wide, middle) << m;
        EXPECT_LT(middle, narrow) << m;
        EXPECT_LT(narrow, thinLensFocus) << m;
        EXPECT_GT(narrow, thinLensFocus - 25) << m;
    }
    // the place depends on the index alone, not on the wave number
    const double m = lupa::effectiveIndex(0.98, 2.1);
    EXPECT_EQ(brightestDetector({lens, m, 0.8}, lupa::openRays(80, 0, true)), 514);
    EXPECT_EQ(brightestDetector({lens, m, 0.4}, lupa::openRays(80, 0, true)), 514);
}

TEST_F(Lupa, GoldenPictureAtTheDefaultSettings)
{
    start();
    EXPECT_TRUE(matchesGolden(f.picture().copy(0, 0, 800, 600), "lupa_default"));
}
