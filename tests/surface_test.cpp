// The drawing surface, checked on its pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "drawing_surface.h"
#include "pacing.h"

namespace {
constexpr std::uint32_t kGrey = 0xFFC0C0C0, kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000,
               kGreen = 0xFF00FF00;

struct Surface : ::testing::Test {
    DrawingSurface s{Size{200, 150}};
    void SetUp() override { s.ScaleMode = DrawingSurface::Pixels; }

    // Pixels of a row (or column) that are not the background.
    std::vector<int> rowHits(int y, std::uint32_t colour) const
    {
        std::vector<int> xs;
        for (int x = 0; x < s.image().width(); ++x)
            if (s.pixel(x, y) == colour)
                xs.push_back(x);
        return xs;
    }
    std::vector<int> columnHits(int x, std::uint32_t colour) const
    {
        std::vector<int> ys;
        for (int y = 0; y < s.image().height(); ++y)
            if (s.pixel(x, y) == colour)
                ys.push_back(y);
        return ys;
    }
    int count(std::uint32_t colour) const
    {
        int n = 0;
        for (int y = 0; y < s.image().height(); ++y)
            n += int(rowHits(y, colour).size());
        return n;
    }
};
}  // namespace

TEST_F(Surface, StartsInTheBackgroundGreyWithTheDefaultState)
{
    DrawingSurface fresh{Size{50, 40}};
    EXPECT_EQ(fresh.ScaleMode, DrawingSurface::Twips);
    EXPECT_EQ(fresh.DrawWidth, 1);
    EXPECT_EQ(fresh.FillStyle, DrawingSurface::FillTransparent);
    EXPECT_EQ(fresh.pixel(0, 0), kGrey);
    EXPECT_EQ(fresh.pixel(49, 39), kGrey);
    EXPECT_EQ(fresh.pixel(50, 0), 0u) << "outside the picture";
}

TEST_F(Surface, RoundsEveryCoordinateToTheNearestPixel)
{
    s.Line(10, 20.5f, 30, 20.5f, colours::black);
    EXPECT_EQ(columnHits(15, kBlack), std::vector<int>{21});
    s.Line(10, 40.49f, 30, 40.49f, colours::red);
    EXPECT_EQ(columnHits(15, kRed), std::vector<int>{40});
    EXPECT_EQ(s.toPixels(200.5), 201);
    EXPECT_EQ(s.toPixels(-0.5), 0);
}

TEST_F(Surface, ThinLinesIncludeBothEndsAndAZeroLengthLineIsOnePixel)
{
    s.Line(10, 10, 20, 10, colours::black);
    EXPECT_EQ(rowHits(10, kBlack).front(), 10);
    EXPECT_EQ(rowHits(10, kBlack).back(), 20);
    EXPECT_EQ(rowHits(10, kBlack).size(), 11u);
    s.Line(50, 50, 50.2f, 50.1f, colours::red);
    EXPECT_EQ(count(kRed), 1);
    EXPECT_EQ(s.pixel(50, 50), kRed);
}

TEST_F(Surface, DiagonalLinesAreConnectedAndSymmetric)
{
    s.Line(10, 10, 40, 25, colours::black);
    // one pixel per column, each within half a pixel of the true line
    for (int x = 10; x <= 40; ++x) {
        const auto ys = columnHits(x, kBlack);
        ASSERT_EQ(ys.size(), 1u) << x;
        EXPECT_LE(std::fabs(ys[0] - (10 + (x - 10) * 0.5)), 0.5) << x;
    }
    DrawingSurface reverse{Size{200, 150}};
    reverse.ScaleMode = DrawingSurface::Pixels;
    reverse.Line(40, 25, 10, 10, colours::black);
    int same = 0;
    for (int x = 10; x <= 40; ++x)
        for (int y = 10; y <= 25; ++y)
            same += (reverse.pixel(x, y) == kBlack) == (s.pixel(x, y) == kBlack);
    EXPECT_EQ(same, 31 * 16) << "drawing a segment backwards sets the same pixels";
}

TEST_F(Surface, TwipsAreFifteenToAPixelAndSwitchingUnitsMovesNothing)
{
    s.ScaleMode = DrawingSurface::Twips;
    s.Line(0, 1500, 1500, 1500, colours::black);  // 100 px wide at row 100
    EXPECT_EQ(rowHits(100, kBlack).size(), 101u);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 200 * 15.0f);
    s.ScaleMode = DrawingSurface::Pixels;
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 200.0f);
    EXPECT_EQ(rowHits(100, kBlack).size(), 101u) << "what is drawn stays";
    s.Circle(100, 60, 300.0f / 15, colours::red);
    EXPECT_EQ(s.pixel(120, 60), kRed);
    s.ScaleMode = DrawingSurface::Twips;
    EXPECT_EQ(s.toPixels(3000), 200);
}

TEST_F(Surface, WidePensCoverTheirWidthWithRoundEnds)
{
    for (short w : {2, 3, 4, 5}) {
        DrawingSurface p{Size{100, 100}};
        p.ScaleMode = DrawingSurface::Pixels;
        p.DrawWidth = w;
        p.Line(20, 50, 60, 50, colours::black);
        int rows = 0;
        for (int y = 40; y < 60; ++y)
            rows += p.pixel(40, y) == kBlack;
        EXPECT_EQ(rows, w) << "width " << w;
        // the round cap: the end reaches past the end point in the middle, not at the corners
        const int reach = w / 2;
        EXPECT_EQ(p.pixel(60 + reach, 50), kBlack) << "width " << w;
        EXPECT_EQ(p.pixel(60 + reach + 1, 50), kGrey) << "width " << w;
        if (w >= 4) {
            int top = 50;
            while (p.pixel(40, top - 1) == kBlack)
                --top;
            EXPECT_EQ(p.pixel(60 + reach, top), kGrey) << "corner of width " << w;
        }
    }
}

TEST_F(Surface, AWideZeroLengthLineIsARoundDot)
{
    s.DrawWidth = 5;
    s.Line(100, 100, 100, 100, colours::black);
    EXPECT_EQ(count(kBlack), 21) << "5 x 5 without its corners";
    EXPECT_EQ(s.pixel(98, 98), kGrey);
    EXPECT_EQ(s.pixel(98, 99), kBlack);
    s.DrawWidth = 2;
    s.Line(20, 20, 20, 20, colours::red);
    EXPECT_EQ(count(kRed), 4) << "2 x 2";
}

TEST_F(Surface, DottedIsOneOnOneOffAtWidthOneAndSolidWhenWider)
{
    s.DrawStyle = DrawingSurface::Dotted;
    s.Line(10, 10, 20, 10, colours::black);
    EXPECT_EQ(rowHits(10, kBlack), (std::vector<int>{10, 12, 14, 16, 18, 20}));
    s.Line(10, 30, 10, 35, colours::red);
    EXPECT_EQ(columnHits(10, kRed), (std::vector<int>{30, 32, 34}));
    s.DrawWidth = 3;
    s.Line(10, 60, 20, 60, colours::green);
    EXPECT_EQ(rowHits(60, kGreen).size(), 13u) << "wide pens draw solid (with round ends)";
}

TEST_F(Surface, ATransparentCircleLeavesItsInteriorAlone)
{
    s.Line(80, 75, 120, 75, colours::red);
    s.Circle(100, 75, 10, colours::black);
    EXPECT_EQ(s.pixel(100, 75), kRed);
    EXPECT_EQ(s.pixel(90, 75), kBlack);
    EXPECT_EQ(s.pixel(110, 75), kBlack);
    EXPECT_EQ(s.pixel(100, 65), kBlack);
    EXPECT_EQ(s.pixel(100, 85), kBlack);
    EXPECT_EQ(s.pixel(100, 70), kGrey);
    // the outline is closed: every row it spans has exactly its two edges (or one run at top and bottom)
    for (int y = 66; y <= 84; ++y)
        EXPECT_GE(rowHits(y, kBlack).size(), 2u) << y;
}

TEST_F(Surface, ASolidFillPaintsTheDiscInFillColorUnderTheOutline)
{
    s.FillStyle = DrawingSurface::FillSolid;
    s.FillColor = colours::black;
    s.Circle(50, 50, 2, colours::white);
    EXPECT_EQ(s.pixel(50, 50), kBlack) << "black centre";
    EXPECT_EQ(s.pixel(52, 50), kWhite) << "white ring";
    EXPECT_EQ(s.pixel(48, 50), kWhite);
    EXPECT_EQ(s.pixel(50, 52), kWhite);
    EXPECT_EQ(s.pixel(51, 51), kBlack);
    EXPECT_EQ(s.pixel(53, 50), kGrey);
    s.Circle(120, 50, 20, colours::red);
    EXPECT_EQ(s.pixel(120, 50), kBlack);
    EXPECT_EQ(s.pixel(135, 50), kBlack);
    EXPECT_EQ(s.pixel(140, 50), kRed);
}

TEST_F(Surface, DiagonalCrossHatchFillsPartOfTheDiscOnDiagonals)
{
    s.FillStyle = DrawingSurface::FillDiagonalCross;
    s.FillColor = colours::red;
    s.Circle(100, 75, 30, colours::black);
    int hatched = 0, open = 0;
    for (int y = 60; y <= 90; ++y)
        for (int x = 85; x <= 115; ++x) {
            const std::uint32_t p = s.pixel(x, y);
            hatched += p == kRed;
            open += p == kGrey;
            if (p == kRed) {
                EXPECT_TRUE(((x + y) % 8) == 0 || (((x - y) % 8) + 8) % 8 == 0) << x << "," << y;
                // a hatch pixel continues along a diagonal
                EXPECT_TRUE(s.pixel(x + 1, y + 1) == kRed || s.pixel(x + 1, y - 1) == kRed) << x << "," << y;
            }
        }
    EXPECT_GT(hatched, 100);
    EXPECT_GT(open, 600);
}

TEST_F(Surface, WideCircleOutlinesAreAsThickAsThePen)
{
    s.DrawWidth = 3;
    s.Circle(100, 75, 30, colours::black);
    const auto row = rowHits(75, kBlack);
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(row.front(), 69);
    EXPECT_EQ(row.back(), 131);
    EXPECT_EQ(s.pixel(100, 75), kGrey);
}

TEST_F(Surface, ACircleOfRadiusZeroIsOnePixelAndANegativeRadiusCountsAsItsSize)
{
    s.Circle(30, 30, 0, colours::red);
    EXPECT_EQ(count(kRed), 1);
    s.Circle(100, 75, -10, colours::black);
    EXPECT_EQ(s.pixel(110, 75), kBlack);
}

TEST_F(Surface, DrawingOutsideThePictureIsClippedWithoutError)
{
    s.Line(-100, 20, 1000, 20, colours::black);
    EXPECT_EQ(rowHits(20, kBlack).size(), 200u);
    s.Line(-500, -500, 1500, 1500, colours::red);  // the diagonal through (0,0)
    EXPECT_EQ(s.pixel(0, 0), kRed);
    EXPECT_EQ(s.pixel(149, 149), kRed);
    s.Line(0, 580, 800, 580, colours::green);  // a row below the picture
    EXPECT_EQ(count(kGreen), 0);
    s.DrawWidth = 5;
    s.Line(-1e30f, 10, 1e30f, 10, colours::green);
    EXPECT_EQ(rowHits(10, kGreen).size(), 200u);
    s.Circle(100, 75, 1e30f, colours::black);
    s.Circle(1e30f, 1e30f, 5, colours::black);
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const int before = count(kBlack);
    s.Line(nan, 0, 10, 10, colours::black);
    s.Line(0, 0, inf, 10, colours::black);
    s.Circle(nan, 10, 3, colours::black);
    s.Circle(10, 10, inf, colours::black);
    s.DrawWidth = 1;
    s.Line(nan, 0, 10, 10, colours::black);
    EXPECT_EQ(count(kBlack), before);
}

TEST_F(Surface, SystemColoursResolveFromTheStandardScheme)
{
    s.ForeColor = colours::darkShadow3D;
    s.Line(0, 0, 5, 0);
    EXPECT_EQ(s.pixel(3, 0), kBlack);
    s.Line(0, 1, 5, 1, colours::captionText);
    EXPECT_EQ(s.pixel(3, 1), kWhite);
    s.Line(0, 2, 5, 2, colours::buttonShadow);
    EXPECT_EQ(s.pixel(3, 2), 0xFF808080);
    s.Line(0, 3, 5, 3, RGB(1, 2, 3));
    EXPECT_EQ(s.pixel(3, 3), 0xFF010203);
    EXPECT_EQ(toArgb(RGB(255, 0, 0)), kRed);
    EXPECT_EQ(RGB(192, 192, 192), 0xC0C0C0u);
}

TEST_F(Surface, ReportsWhatChangedAndGrowsWithTheWindow)
{
    s.takeDirty();
    s.Line(10, 10, 20, 30, colours::black);
    EXPECT_EQ(s.takeDirty(), (Rect{10, 10, 11, 21}));
    EXPECT_TRUE(s.takeDirty().isEmpty());
    s.setClientSize(Size{300, 100});
    EXPECT_EQ(s.image().width(), 300);
    EXPECT_EQ(s.image().height(), 150) << "the picture never shrinks";
    EXPECT_EQ(s.pixel(299, 0), kGrey);
    EXPECT_EQ(s.pixel(20, 30), kBlack) << "growing keeps the picture";
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 300.0f);
}

TEST_F(Surface, ASurfaceThatDoesNotRasteriseCountsButSetsNothing)
{
    Pacing pacing;
    pacing.setFree(true);
    pacing.begin();
    s.pacing = &pacing;
    s.setRasterising(false);
    for (int i = 0; i < 100; ++i)
        s.Line(0, 0, 100, 100, colours::black);
    EXPECT_EQ(count(kBlack), 0);
    EXPECT_EQ(s.operations(), 100u);
    EXPECT_EQ(pacing.operations(), 100u) << "every operation still costs its time";
}

// What an operation costs the run depends on what it draws on the reference picture,
// not on the unit it is given in, the window's scale or what lies off the picture.
TEST(SurfaceCost, AnOperationCostsItsReferencePixelsInEveryUnitAndScale)
{
    auto cost = [](double scale, auto draw) {
        DrawingSurface s{Size{300, 300}};
        s.setScale(scale);
        Pacing pacing;
        pacing.setFree(true);
        pacing.begin();
        s.pacing = &pacing;
        draw(s);
        return (pacing.designedSeconds() - Pacing::kSecondsPerOperation) / Pacing::kSecondsPerPixel;
    };
    auto pixelLine = [](DrawingSurface& s) { s.ScaleMode = DrawingSurface::Pixels, s.Line(10, 20, 110, 60); };
    EXPECT_NEAR(cost(1, pixelLine), 101, 1e-6) << "the longer axis, both ends included";
    EXPECT_NEAR(cost(3, pixelLine), 101, 1e-6);
    EXPECT_NEAR(cost(1, [](DrawingSurface& s) { s.Line(150, 300, 1650, 900); }), 101, 1e-6) << "in twips";
    EXPECT_NEAR(cost(1, [](DrawingSurface& s) { s.ScaleMode = DrawingSurface::Pixels, s.DrawWidth = 3,
                                                 s.Line(0, 0, 0, 9); }), 30, 1e-6);
    const double ring = cost(1, [](DrawingSurface& s) { s.ScaleMode = DrawingSurface::Pixels, s.Circle(50, 50, 10); });
    EXPECT_NEAR(ring, 2 * M_PI * 10 + 1, 1e-3);
    const double disc = cost(1, [](DrawingSurface& s) {
        s.ScaleMode = DrawingSurface::Pixels, s.FillStyle = DrawingSurface::FillSolid, s.Circle(50, 50, 10);
    });
    EXPECT_NEAR(disc - ring, M_PI * 100, 1e-3) << "a filled circle pays for its interior";
    for (float far : {1e30f, std::numeric_limits<float>::infinity()})
        EXPECT_NEAR(cost(1, [far](DrawingSurface& s) { s.ScaleMode = DrawingSurface::Pixels, s.Line(0, 0, far, 0); }),
                    DrawingSurface::kMostPixelsTouched, 1e-3);
    EXPECT_NEAR(cost(1, [](DrawingSurface& s) { s.Line(0, 0, std::nanf(""), 0); }), 0, 1e-6);
}

TEST(ScaledSurface, DrawsEverythingScaleTimesLargerPenWidthsIncluded)
{
    DrawingSurface s{Size{200, 160}};  // a window of 200 x 160 pixels
    s.setScale(2);
    EXPECT_EQ(s.image().size(), (Size{200, 160}));
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 100 * 15.0f) << "the program sees half as many of its own units";
    s.ScaleMode = DrawingSurface::Pixels;
    s.Line(10, 10, 20, 10, colours::black);  // program pixels 10..20 of row 10
    for (int x : {20, 41})
        for (int y : {20, 21})
            EXPECT_EQ(s.pixel(x, y), kBlack) << x << "," << y;
    EXPECT_EQ(s.pixel(19, 20), kGrey);
    EXPECT_EQ(s.pixel(42, 20), kGrey);
    EXPECT_EQ(s.pixel(30, 22), kGrey) << "a 1-pixel pen is 2 device pixels wide";
    s.DrawWidth = 3;
    s.Line(10, 40, 40, 40, colours::red);
    int rows = 0;
    for (int y = 70; y < 90; ++y)
        rows += s.pixel(50, y) == kRed;
    EXPECT_EQ(rows, 6);
    s.DrawWidth = 1;
    s.Circle(70, 30, 5, colours::green);
    EXPECT_EQ(s.pixel(140 + 10, 60), kGreen) << "radius 5 becomes 10";
    EXPECT_EQ(s.pixel(140, 60), kGrey);
    EXPECT_EQ(s.toPixels(35), 70) << "controls move in window pixels";
}

TEST(ScaledSurface, DotsOfADottedLineGrowWithTheScale)
{
    DrawingSurface s{Size{200, 160}};
    s.setScale(2);
    s.ScaleMode = DrawingSurface::Pixels;
    s.DrawStyle = DrawingSurface::Dotted;
    s.Line(10, 10, 30, 10, colours::black);
    std::vector<int> on;
    for (int x = 16; x < 64; ++x)
        on.push_back(s.pixel(x, 20) == kBlack);
    // runs of two set pixels and two clear ones
    EXPECT_EQ(std::vector<int>(on.begin() + 4, on.begin() + 12), (std::vector<int>{1, 1, 0, 0, 1, 1, 0, 0}));
}
