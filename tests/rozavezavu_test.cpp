// rozavezavu: the window, its handlers and their erasing, and the pictures that
// Start draws for the five actions.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "captions.h"
#include "golden.h"
#include "shown_window.h"
#include "rozavezavu/physics.h"
#include "rozavezavu/window.h"

namespace {
constexpr QRgb kGrey = 0xFFC0C0C0, kBlack = 0xFF000000, kGreen = 0xFF00FF00, kRed = 0xFFFF0000,
               kBlue = 0xFF0000FF, kObjectFill = 0xFF404040;

// A twips position as the pixel it lands on.
int px(double twips) { return int(std::floor(twips / 15 + 0.5)); }

struct Rozavezavu : ShownWindow<rozavezavu::opSestava> {
    void choose(const char* option) { QTest::mouseClick(f.control(option), Qt::LeftButton, {}, QPoint(6, 6)); }
    // Red over the whole picture, to see what an eraser takes away.
    void paintRed()
    {
        DrawingSurface& s = f.surface();
        const short width = s.DrawWidth;
        s.DrawWidth = 1;
        for (int y = 0; y <= 9000; y += 15)
            s.Line(0, y, 12000, y, colours::red);
        s.DrawWidth = width;
    }
    // Pixels of colour c in the rectangle.
    int count(QRgb c, int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                n += at(x, y) == c;
        return n;
    }
};

struct Expected {
    const char* name;
    const char* caption;
    QRect pixels;
    bool shownAtStart;
};

// Places in pixels: the design's twips at 15 to a pixel (options relative to their frame).
const Expected kControls[] = {
    {"cmdStart", "Start", {640, 8, 65, 25}, true},
    {"nTitul", "Zvolte akci a kliknete Start", {112, 24, 217, 17}, true},
    {"frm", "Pořadí akcí animace", {32, 8, 393, 73}, true},
    {"opPravdepod", "Interferenční  obrazec průzoru", {184, 32, 100, 25}, true},  // 3 wider for its second line
    {"opBezHolo", "Bez hologramu", {288, 48, 97, 13}, true},
    {"opNízky", "Nízký ", {56, 64, 65, 17}, true},
    {"frmRekonstrukce", "Světlo rekonstrukce", {216, 88, 209, 41}, true},
    {"opRekČervený", "červené", {136, 16, 65, 17}, true},
    {"op7000", "Blíže", {8, 16, 49, 13}, true},
    {"Obrazec", "Interf.obrazec", {584, 32, 81, 11}, true},
    {"nClona", "Clona s průzorem  ", {224, 176, 105, 19}, true},
    {"nRefTrasy", "Referenční trasy", {104, 456, 113, 25}, true},
    {"nVirtuální", "Virtuální", {160, 192, 57, 19}, false},
    {"frnPolohaObjektu", "Poloha objektu", {24, 184, 89, 57}, false},
    {"frmSpomalHologram", "Animace hologramu", {8, 496, 201, 41}, false},
    {"frmSpomalDetekce", "Animace na detektoru", {8, 536, 201, 41}, false},
};
}  // namespace

// ---------------------------------------------------------------- the window

TEST_F(Rozavezavu, TheWindowItsControlsAndTheColoursOfTheFrequencies)
{
    EXPECT_EQ(f.objectName(), "opSestava");
    EXPECT_EQ(f.windowTitle(), QString("Rozavezavu -  ") + kWebAddress);
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        QWidget* w = f.control(e.name);
        ASSERT_TRUE(w);
        EXPECT_EQ(caption(e.name), QString::fromUtf8(e.caption));
        EXPECT_EQ(w->geometry(), e.pixels);
        EXPECT_EQ(shown(e.name), e.shownAtStart);
    }
    for (const char* box : {"nStav", "nKmit", "nKmitRef", "nSpomal", "nSpomalDetek", "nDistanceDetek",
                            "nXPolohaObjektu", "nYPolohaObjektu"})
        EXPECT_TRUE(f.control(box)->isHidden()) << box;
    EXPECT_EQ(f.control("nScéna")->font().pixelSize(), 18);
    const struct {
        const char* option;
        QColor back;
    } backs[] = {{"opVysoký", {192, 192, 255}}, {"opStřední", {0, 255, 0}},    {"opNízky", {255, 128, 0}},
                 {"opRekModrý", {192, 192, 255}}, {"opRekZelený", {0, 255, 0}}, {"opRekČervený", {255, 128, 0}}};
    for (const auto& b : backs)
        EXPECT_EQ(f.control(b.option)->palette().color(QPalette::Window), b.back) << b.option;
}

TEST_F(Rozavezavu, TheLongCaptionIsShownWholeOnTwoLinesAndTheButtonStillTakesTheClick)
{
    auto* option = dynamic_cast<OptionButton*>(f.control("opPravdepod"));
    ASSERT_TRUE(option);
    EXPECT_EQ(option->text(), "Interferenční  obrazec průzoru");
    EXPECT_EQ(option->lines(), (QStringList{"Interferenční", "obrazec průzoru"}));
    EXPECT_LE(option->overflow(option->font()), 0) << "both lines fit beside the indicator";
    EXPECT_LT(option->geometry().right(), f.control("opRekonstrukce")->x()) << "short of its neighbour";
    for (const char* other : {"opRámec", "opHologram", "opRekonstrukce", "opBezHolo"})
        EXPECT_EQ(f.control(other)->font().pixelSize(), option->font().pixelSize()) << "one size in the frame: " << other;
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() - 10, option->height() - 4));
    EXPECT_TRUE(f.isSelected("opPravdepod")) << "a click on the second line";
    EXPECT_EQ(f.text("nStav"), "Pravpod");
}

TEST_F(Rozavezavu, LoadSetsTheDefaultsThroughTheHandlersAndDrawsNothing)
{
    EXPECT_EQ(f.text("nStav"), "Rámec");
    EXPECT_EQ(f.text("nKmit"), "0.03");
    EXPECT_EQ(f.text("nKmitRef"), "0.03");
    EXPECT_EQ(f.text("nSpomal"), "1");
    EXPECT_EQ(f.text("nSpomalDetek"), "1");
    EXPECT_EQ(f.text("nDistanceDetek"), "8500");
    EXPECT_EQ(f.text("nXPolohaObjektu"), "3000");
    EXPECT_EQ(f.text("nYPolohaObjektu"), "3500");
    for (const char* option : {"opRámec", "opStřední", "opRekZelený", "op8500", "opVýšDál", "opRychlá",
                               "opRychláDetek"})
        EXPECT_TRUE(f.isSelected(option)) << option;
    EXPECT_EQ(f.control("nDetektor")->x(), 533);
    EXPECT_EQ(f.control("nIntObr")->x(), 500);
    EXPECT_EQ(f.control("nObnPole")->x(), 352);
    EXPECT_EQ(f.control("nPůvodPole")->x(), 592);
    EXPECT_EQ(f.control("nObjekt")->pos(), QPoint(167, 210));
    EXPECT_EQ(f.control<QScrollBar>("HScroll1")->value(), 0);
    EXPECT_EQ(f.control<QScrollBar>("HScroll2")->value(), 1);
    EXPECT_EQ(f.surface().DrawWidth, 5) << "left by the erasing of the detector and object options";
    EXPECT_EQ(f.plateColumn(), 0);
    EXPECT_EQ(f.detectorColumn(), 0);
    EXPECT_EQ(count(kGrey, 0, 0, 799, 580), 800 * 581) << "the erasing at load paints grey on grey";
}

TEST_F(Rozavezavu, EachActionSetsTheStateAndShowsOrHidesTheColourFrameAndTheVirtualLabel)
{
    const struct {
        const char* option;
        const char* state;
        bool colours, virtualLabel;
    } actions[] = {{"opHologram", "Hologr", false, false},     {"opRekonstrukce", "Rekonstr", true, true},
                   {"opPravdepod", "Pravpod", false, false},   {"opRámec", "Rámec", true, false},
                   {"opBezHolo", "Bezholo", false, false},     {"opRekonstrukce", "Rekonstr", true, true},
                   {"opRámec", "Rámec", true, false}};
    for (const auto& a : actions) {
        SCOPED_TRACE(a.option);
        choose(a.option);
        EXPECT_EQ(f.text("nStav"), a.state);
        EXPECT_EQ(shown("frmRekonstrukce"), a.colours);
        EXPECT_EQ(shown("nVirtuální"), a.virtualLabel);
        if (a.colours) {
            for (const char* option : {"opRekModrý", "opRekZelený", "opRekČervený"})
                EXPECT_TRUE(f.control(option)->isVisible()) << option;
        }
    }
}

TEST_F(Rozavezavu, TheReconstructionColourFollowsTheRecordingFrequencyUntilTheUserPicksAnother)
{
    choose("opVysoký");
    EXPECT_EQ(f.text("nKmit"), "0.04");
    EXPECT_EQ(f.text("nKmitRef"), "0.04");
    EXPECT_TRUE(f.isSelected("opRekModrý"));
    choose("opRekČervený");
    EXPECT_EQ(f.text("nKmitRef"), "0.02");
    EXPECT_EQ(f.text("nKmit"), "0.04") << "the recording frequency stays";
    choose("opRekonstrukce");
    EXPECT_TRUE(f.isSelected("opRekModrý")) << "the action starts from the recording colour";
    EXPECT_EQ(f.text("nKmitRef"), "0.04");
    choose("opRekZelený");
    EXPECT_EQ(f.text("nKmitRef"), "0.03");
    choose("opPravdepod");
    EXPECT_EQ(f.text("nKmitRef"), "0.04") << "the window's pattern uses the recording frequency";
    choose("opNízky");
    EXPECT_EQ(f.text("nKmit"), "0.02");
    EXPECT_EQ(f.text("nKmitRef"), "0.02");
    EXPECT_TRUE(f.isSelected("opRekČervený"));
    choose("opStřední");
    EXPECT_EQ(f.text("nKmitRef"), "0.03");
    EXPECT_TRUE(f.isSelected("opRekZelený"));
}

TEST_F(Rozavezavu, TheTwoSpeedGroupsWriteTheirDelays)
{
    auto* hologram = f.control<QScrollBar>("HScroll1");
    auto* detector = f.control<QScrollBar>("HScroll2");
    hologram->setValue(5000);
    EXPECT_EQ(f.text("nSpomal"), "10001");
    hologram->setValue(0);
    EXPECT_EQ(f.text("nSpomal"), "1");
    hologram->setValue(7);
    EXPECT_EQ(f.text("nSpomal"), "15");
    detector->setValue(1000);
    EXPECT_EQ(f.text("nSpomalDetek"), "1000");
    EXPECT_EQ(f.text("nSpomal"), "15") << "the groups are independent";
    EXPECT_EQ(hologram->accessibleName(), "Rychlost animace hologramu");
    EXPECT_EQ(detector->accessibleName(), "Rychlost animace na detektoru");
    EXPECT_EQ(hologram->pageStep(), 500) << "a tenth of 0..5000";
    EXPECT_EQ(detector->singleStep(), 10) << "a hundredth of 1..1000";
    const struct {
        const char* option;
        const char* box;
        const char* value;
    } options[] = {{"opPomalá", "nSpomal", "500000"},      {"opPomalejší", "nSpomal", "50000"},
                   {"opRychlá", "nSpomal", "1"},           {"opPomaláDetek", "nSpomalDetek", "10000"},
                   {"opStředníDetek", "nSpomalDetek", "1000"}, {"opRychláDetek", "nSpomalDetek", "1"}};
    for (const auto& o : options) {
        f.select(o.option);
        EXPECT_EQ(f.text(o.box), o.value) << o.option;
    }
    EXPECT_EQ(hologram->value(), 7) << "the options do not move the scroll bars";
    start();
    for (const char* frame : {"frmSpomalHologram", "frmSpomalDetekce", "frnPolohaObjektu"})
        EXPECT_FALSE(f.control(frame)->isVisible()) << frame << " is never shown, not after a run either";
}

// ---------------------------------------------------------------- erasing

namespace {
// What an option's eraser takes away from a picture painted red, in pixels.
struct Eraser {
    const char* option;
    std::vector<QPoint> erased, kept;
};
}  // namespace

TEST_F(Rozavezavu, EveryOptionErasesItsRangeBeforeAndAfterTheFirstStart)
{
    // Before any Start the plate and detector columns count as 0, and load left the pen at 5.
    const Eraser before[] = {
        {"opHologram", {{0, 100}, {35, 100}}, {{38, 100}, {300, 100}, {17, px(8600)}}},  // x 0..500, y to 8000
        {"opPravdepod", {{33, 300}}, {{38, 300}}},
        {"opRekonstrukce", {{0, 300}, {2, 300}}, {{5, 300}, {600, 300}}},  // x 0..0
    };
    // After a "Rámec" run the pen is 1, the plate at 5000 and the detector at 8500.
    const Eraser after[] = {
        {"opHologram", {{333, 300}, {367, 300}}, {{330, 300}, {370, 300}, {350, px(8100)}}},
        {"opBezHolo", {{333, 300}, {567, 300}}, {{330, 300}, {570, 300}, {450, px(8100)}}},
        {"opRekonstrukce", {{0, 300}, {450, 580}}, {{570, 300}}},
        {"opVysoký", {{340, 300}, {799, 580}}, {{330, 300}}},
        {"opRámec", {{0, 0}, {799, 580}}, {}},
    };
    auto check = [this](const Eraser& e) {
        SCOPED_TRACE(e.option);
        paintRed();
        choose(e.option);
        for (const QPoint p : e.erased)
            EXPECT_EQ(at(p.x(), p.y()), kGrey) << p.x() << "," << p.y();
        for (const QPoint p : e.kept)
            EXPECT_EQ(at(p.x(), p.y()), kRed) << p.x() << "," << p.y();
    };
    for (const Eraser& e : before)
        check(e);
    choose("opRámec");
    start();
    EXPECT_EQ(f.plateColumn(), 5000);
    EXPECT_EQ(f.detectorColumn(), 8500);
    ASSERT_EQ(f.surface().DrawWidth, 1);
    for (const Eraser& e : after)
        check(e);
    EXPECT_EQ(count(kRed, 0, 0, 799, 580), 0) << "Rámec erases everything";
}

TEST_F(Rozavezavu, TheDetectorOptionsMoveTheLabelsEraseEverythingAndLeaveThePenAtFive)
{
    start();
    ASSERT_EQ(f.surface().DrawWidth, 1);
    paintRed();
    choose("op7000");
    EXPECT_EQ(f.text("nDistanceDetek"), "7000");
    const QPoint near[] = {{433, 104}, {400, 120}, {267, 136}, {487, 136}};
    const char* labels[] = {"nDetektor", "nIntObr", "nObnPole", "nPůvodPole"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(f.control(labels[i])->pos(), near[i]) << labels[i];
    EXPECT_EQ(count(kRed, 0, 0, 799, 580), 0);
    EXPECT_EQ(f.surface().DrawWidth, 5);
    paintRed();
    choose("opHologram");
    EXPECT_EQ(at(331, 300), kGrey) << "the pen of 5 erases the strip 2 pixels wider";
    EXPECT_EQ(at(369, 300), kGrey);
    EXPECT_EQ(at(372, 300), kRed);
    choose("op8500");
    EXPECT_EQ(f.text("nDistanceDetek"), "8500");
    EXPECT_EQ(f.control("nDetektor")->x(), 533);
    EXPECT_EQ(f.control("nPůvodPole")->x(), 592);
    EXPECT_EQ(f.surface().DrawWidth, 5);
    f.select("opNížBlíž");
    EXPECT_EQ(f.text("nYPolohaObjektu"), "4000");
    EXPECT_EQ(f.control("nObjekt")->pos(), QPoint(167, 243));
}

// ---------------------------------------------------------------- the physics

namespace {
// The default scene: the object at (3000, 3500), the near detector at x = 7000.
rozavezavu::Setup defaultSetup(double f, double g)
{
    rozavezavu::Setup setup;
    setup.f = f, setup.g = g, setup.X = 3000, setup.Y = 3500, setup.xd = 7000;
    return setup;
}
}  // namespace

TEST(RozavezavuPhysics, TheRoutesAreTheHypotenusesOfTheirTriangles)
{
    const rozavezavu::Setup setup = defaultSetup(0.03, 0.03);
    EXPECT_EQ(setup.objectPath(3500), 2000) << "straight across to the plate";
    EXPECT_DOUBLE_EQ(setup.objectPath(5000), 2500) << "1500 down, 2000 across";
    EXPECT_DOUBLE_EQ(setup.objectPath(2000), 2500) << "as far above";
    EXPECT_DOUBLE_EQ(setup.detectorPath(4000, 5500), 2500) << "from the window's top, 2000 across";
    EXPECT_EQ(setup.detectorPath(6000, 6000), 2000);
    // the reference light: nothing at the window's bottom, 3000 sin 40 at its top
    EXPECT_EQ(rozavezavu::referencePath(7000), 0);
    EXPECT_NEAR(rozavezavu::referencePath(4000), 3000 * 0.7451131604793488, 1e-9);
    EXPECT_NEAR(rozavezavu::referencePath(5500) * 2, rozavezavu::referencePath(4000), 1e-9) << "along the plate";
}

TEST(RozavezavuPhysics, TheHologramIsBrightestWhereItsTwoArrowsAgreeAndDarkWhereTheyOppose)
{
    // two arrows of 50: 4 x 2500 when in step, nothing half a turn apart
    EXPECT_NEAR(defaultSetup(0, 0).recorded(5000), 10000, 1e-9) << "no turn at all";
    const double y = 5000, difference = rozavezavu::referencePath(y) - defaultSetup(0, 0).objectPath(y);
    EXPECT_NEAR(defaultSetup(2 * M_PI / difference, 0).recorded(y), 10000, 1e-6) << "a whole turn apart";
    EXPECT_NEAR(defaultSetup(M_PI / difference, 0).recorded(y), 0, 1e-6) << "half a turn apart";
    double lowest = 1e9, highest = 0;
    for (int plate = 4000; plate <= 7000; plate += 4) {
        const double I = defaultSetup(0.03, 0.03).recorded(plate);
        lowest = std::min(lowest, I), highest = std::max(highest, I);
    }
    EXPECT_LE(highest, 10000 + 1e-9);
    EXPECT_GT(highest, 9900) << "the fringes of the hologram reach their brightest";
    EXPECT_LT(lowest, 100) << "... and their darkest";
    EXPECT_NEAR(rozavezavu::transmission(10000), 0.55, 1e-15) << "the brightest lets through 0.55";
    EXPECT_EQ(rozavezavu::transmission(0), 0);
}

TEST(RozavezavuPhysics, EachRouteAddsItsArrowsToTheDetectorPointsSum)
{
    // without turn the arrows lie in one line: three of 50 make 150, squared 9 x 2500
    Chain window;
    defaultSetup(0, 0).addThroughWindow(window, 5000, 5000);
    EXPECT_NEAR(window.squared(), 22500, 1e-9);
    defaultSetup(0, 0).addThroughWindow(window, 5004, 5000);
    EXPECT_NEAR(window.squared(), 90000, 1e-9) << "two plate points: twice the sum, four times its square";

    // the reconstruction light (50) and what the plate lets through: nothing at a dark
    // point of the hologram, 50 x 0.55 = 27.5 at its brightest
    Chain dark, bright;
    defaultSetup(0.03, 0).addReconstructed(dark, 5000, 5000, 0);
    defaultSetup(0.03, 0).addReconstructed(bright, 5000, 5000, 10000);
    EXPECT_NEAR(dark.squared(), 2500, 1e-9);
    EXPECT_NEAR(bright.squared(), 77.5 * 77.5, 1e-9);

    // the empty window: one arrow of 50 for the whole route, turned by g times its length
    Chain empty;
    const rozavezavu::Setup setup = defaultSetup(0.03, 0.02);
    setup.addWithoutHologram(empty, 4000, 5500);
    EXPECT_NEAR(empty.squared(), 2500, 1e-9);
    const double route = rozavezavu::referencePath(4000) + 2500;
    EXPECT_NEAR(empty.end().x, 50 * std::cos(0.02 * route), 1e-9);
    EXPECT_NEAR(empty.end().y, 50 * std::sin(0.02 * route), 1e-9);
}

// ---------------------------------------------------------------- the runs

namespace {
// The detector bars of a whole sweep, computed here from the arrows of the routes:
// the longest bar and the detector height it stands at.
enum class Act { Window, Reconstruction, NoHologram };
struct Peak {
    double length = -1;
    int yd = 0;
};

Peak longestBar(Act act, double f, double g, double xd, double scale)
{
    const double s40 = std::sin(40.0);
    Peak best;
    for (int yd = 2500; yd <= 8000; yd += 25) {
        std::complex<double> sum;
        for (int y = 4000; y <= 7000; y += 4) {
            const double reference = s40 * (7000 - y), object = std::hypot(2000.0, 3500.0 - y),
                         detector = std::hypot(xd - 5000, double(y - yd));
            switch (act) {
            case Act::Window:
                sum += std::polar(50.0, f * reference) + std::polar(50.0, f * object) + std::polar(50.0, f * detector);
                break;
            case Act::Reconstruction: {
                const double I = std::norm(std::polar(50.0, f * reference) + std::polar(50.0, f * object));
                sum += std::polar(50.0, g * reference) + std::polar(50.0 * 0.000055 * I, g * detector);
                break;
            }
            case Act::NoHologram:
                sum += std::polar(50.0, g * (reference + detector));
                break;
            }
        }
        const double length = std::norm(sum) * scale;
        if (length > best.length)
            best = {length, yd};
    }
    return best;
}

struct RozavezavuRun : Rozavezavu {
    // The farthest pixel of colour c in a row, going right (or left) from the detector column.
    int reach(int row, int detector, int step, QRgb c) const
    {
        int x = detector + step, last = detector;
        while (x >= 0 && x < 800) {
            if (at(x, row) == c)
                last = x;
            else if (std::abs(x - detector) > 3)
                break;
            x += step;
        }
        return std::abs(last - detector);
    }
    struct Measured {
        int longest = 0, row = 0;
    };
    Measured longestMeasured(int detector, int step, QRgb c) const
    {
        Measured m;
        for (int row = px(2400); row <= px(8100); ++row)
            if (const int r = reach(row, detector, step, c); r > m.longest)
                m = {r, row};
        return m;
    }
    // The picture's detector bars against the arrows: the longest has the length the sum
    // gives, and the bar at the height of the computed longest reaches as far.
    void expectBars(const Peak& peak, double xd, int step, QRgb c) const
    {
        const int detector = px(xd);
        const Measured m = longestMeasured(detector, step, c);
        const int expected = std::abs(px(xd + step * peak.length) - detector);
        EXPECT_NEAR(m.longest, expected, 2) << "longest bar at row " << m.row;
        EXPECT_NEAR(reach(px(peak.yd), detector, step, c), expected, 2) << "at y = " << peak.yd;
    }
};
}  // namespace

TEST_F(RozavezavuRun, TheFrameDrawsOnlyTheScene)
{
    const auto before = f.surface().operations();
    start();
    EXPECT_EQ(f.pacing().waits(), 0);
    EXPECT_EQ(f.surface().operations() - before, 4 + 1 + 16 + 1 + 15u) << "screen, object, routes, reference";
    EXPECT_EQ(at(333, px(3500)), kBlack) << "the screen above the window";
    EXPECT_EQ(at(333, px(5500)), kBlack) << "the plate";
    EXPECT_EQ(at(567, px(5000)), kBlack) << "the detector line";
    EXPECT_EQ(at(568, px(5000)), kGrey) << "thin";
    EXPECT_EQ(at(567, px(2400)), kGrey) << "no thick detector";
    EXPECT_EQ(at(px(3000) - 3, px(3500) - 3), kObjectFill) << "the object, its routes start at its centre";
    EXPECT_GT(count(kGreen, px(3100) - 2, px(4250) - 2, px(3100) + 2, px(4250) + 2), 0) << "the illuminating route";
    EXPECT_GT(count(kGreen, 250, 300, 330, 560), 500) << "routes and reference light in the colour of g";
    EXPECT_EQ(count(kGreen, 334, 0, 799, 580), 0) << "no bars";
    EXPECT_EQ(count(kBlack, 340, 0, 799, 580), px(8000) - px(2500) + 1) << "nothing but the thin detector";
    const QImage first = f.picture().copy(0, 0, 800, 581);
    start();
    EXPECT_EQ(f.picture().copy(0, 0, 800, 581), first) << "a second frame draws over the first";
}

TEST_F(RozavezavuRun, TheHologramIs751BarsOnThePlateNoneLongerThan500Twips)
{
    f.control<QScrollBar>("HScroll1")->setValue(7);
    f.control<QScrollBar>("HScroll2")->setValue(9);
    choose("opHologram");
    f.pacing().resetCount();
    const auto before = f.surface().operations();
    start();
    EXPECT_EQ(f.pacing().waits(), 751);
    EXPECT_EQ(f.pacing().decrementsAsked(), 751.0 * 15) << "every bar waits the hologram delay";
    EXPECT_EQ(f.surface().operations() - before, 37 + 751 + 1u) << "the scene, 751 bars, the thick detector";
    EXPECT_EQ(f.surface().DrawWidth, 2);
    // every row's bar as the two arrows at that plate point give it
    const double s40 = std::sin(40.0);
    int rightmost[600] = {};
    for (int y = 4000; y <= 7000; y += 4) {
        const double I = std::norm(std::polar(50.0, 0.03 * s40 * (7000 - y)) +
                                   std::polar(50.0, 0.03 * std::hypot(2000.0, 3500.0 - y)));
        ASSERT_LE(I, 10000.0 + 1e-9);
        rightmost[px(y)] = std::max(rightmost[px(y)], px(5000 + 0.05 * I));
    }
    for (int row = 0; row <= 580; ++row) {
        int reach = 333;
        for (int x = 334; x < 800; ++x)
            if (at(x, row) == kGreen)
                reach = x;
        if (row < px(4000) || row > px(7000))
            EXPECT_EQ(reach, 333) << "no bar in row " << row;
        else
            EXPECT_NEAR(reach, rightmost[row], 1) << "row " << row;
    }
    EXPECT_EQ(count(kGreen, px(5500) + 1, 0, 799, 580), 0) << "none longer than 500 twips";
    EXPECT_EQ(at(567, px(2400)), kBlack) << "the thick detector";
    EXPECT_EQ(at(566, px(5000)), kBlack);
    EXPECT_EQ(count(kGreen, 400, 0, 799, 580), 0) << "no detector bars";
}

TEST_F(RozavezavuRun, ThePatternOfTheWindowPeaksRightOfTheDetectorAtAbout4700)
{
    f.control<QScrollBar>("HScroll2")->setValue(3);
    choose("opPravdepod");
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().waits(), 221 * 751);
    EXPECT_EQ(f.pacing().decrementsAsked(), 3.0 * 221 * 751) << "the detector delay at every plate step";
    const Peak peak = longestBar(Act::Window, 0.03, 0.03, 8500, 0.000015);
    expectBars(peak, 8500, +1, kGreen);
    // the pattern is symmetric about the middle of the window: 4700 and 6300 are equal
    const Measured m = longestMeasured(567, +1, kGreen);
    EXPECT_NEAR(reach(px(4700), 567, +1, kGreen), m.longest, 1);
    EXPECT_TRUE(std::abs(m.row - px(4700)) <= 2 || std::abs(m.row - px(6300)) <= 2) << m.row;
    EXPECT_EQ(count(kGreen, 400, 0, 565, 580), 0) << "nothing left of the detector";
    EXPECT_EQ(count(kGreen, 334, 0, 399, 580), 0) << "and no hologram on the plate";
}

TEST_F(RozavezavuRun, TheReconstructionPeaksLeftOfTheDetectorAndKeepsThePatternOnTheRight)
{
    choose("opPravdepod");
    start();
    const QImage right = f.picture().copy(570, 0, 230, 581);
    choose("opRekonstrukce");
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().waits(), 221 * 751);
    EXPECT_EQ(f.picture().copy(570, 0, 230, 581), right) << "the bars through the window stay";
    const Peak peak = longestBar(Act::Reconstruction, 0.03, 0.03, 8500, 0.0002 * 1.7);
    EXPECT_NEAR(peak.yd, 4700, 25);
    expectBars(peak, 8500, -1, kGreen);
    const Measured m = longestMeasured(567, -1, kGreen);
    EXPECT_NEAR(m.row, px(4700), 2) << "the reconstructed light is strongest where the pattern's first peak is";
    EXPECT_GT(count(kGreen, 334, px(4000), 367, px(7000)), 1000) << "the hologram drawn again";
    EXPECT_EQ(at(px(3000), px(3500)), kGrey) << "the virtual object: a hatched circle, not a filled one";
    EXPECT_GT(count(kGreen, px(3000) - 6, px(3500) - 6, px(3000) + 6, px(3500) + 6), 20);
    EXPECT_TRUE(shown("nVirtuální"));
}

TEST_F(RozavezavuRun, AnotherReconstructionColourTurnsTheArrowsAndColoursTheBarsButNotTheHologram)
{
    choose("op7000");
    choose("opRekonstrukce");
    choose("opRekČervený");  // g = 0.02 with f = 0.03
    start();
    const Peak peak = longestBar(Act::Reconstruction, 0.03, 0.02, 7000, 0.0002 * 1.8 * 0.6 * 0.65);
    expectBars(peak, 7000, -1, kRed);
    EXPECT_GT(count(kGreen, 334, px(4000), 367, px(7000)), 1000) << "the hologram keeps the recording colour";
    EXPECT_EQ(count(kRed, 334, px(4000), 367, px(7000)), 0);
    EXPECT_GT(count(kRed, 250, px(7000), 330, 560), 100) << "the reference light in the reconstruction colour";
    EXPECT_EQ(count(kGreen, 470, 0, 799, 580), 0);
}

TEST_F(RozavezavuRun, ThePatternWithTheNearDetectorAndLowFrequencyIsScaledBy06)
{
    choose("op7000");
    choose("opNízky");
    choose("opPravdepod");
    start();
    const Peak peak = longestBar(Act::Window, 0.02, 0.02, 7000, 0.000015 * 0.6);
    expectBars(peak, 7000, +1, kRed);
    EXPECT_EQ(f.detectorColumn(), 7000);
    EXPECT_EQ(at(467, px(2400)), kBlack) << "the thick detector at 7000";
}

TEST_F(RozavezavuRun, WithoutHologramTheBarsKeepTheRecordingColourWhileTheArrowsTurnWithG)
{
    choose("opRekonstrukce");
    choose("opRekModrý");  // g = 0.04, f = 0.03
    choose("opBezHolo");
    EXPECT_EQ(f.text("nKmitRef"), "0.04");
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().waits(), 0) << "no waiting";
    const Peak peak = longestBar(Act::NoHologram, 0.03, 0.04, 8500, 0.00006 * 0.2);
    expectBars(peak, 8500, -1, kGreen);
    EXPECT_EQ(count(kBlue, 400, 0, 799, 580), 0);
    EXPECT_GT(count(kBlue, 250, px(7000), 330, 560), 100) << "the reference light in the colour of g";
    EXPECT_EQ(at(px(3000), px(3500)), kGrey) << "no object";
    EXPECT_EQ(count(kGreen, 0, 0, 330, 580), 0) << "no object routes";
    EXPECT_EQ(count(kGreen, 334, px(4000), 367, px(7000)), 0) << "no hologram";
    // with g = f the bars would be visibly shorter: the arrows turn with g
    const Peak withF = longestBar(Act::NoHologram, 0.03, 0.03, 8500, 0.00006 * 0.2);
    EXPECT_GT(px(peak.length) - px(withF.length), 5);
}

TEST_F(RozavezavuRun, GoldenPictureOfTheReconstructionBesideThePatternOfTheWindow)
{
    choose("opPravdepod");
    start();
    choose("opRekonstrukce");
    start();
    EXPECT_TRUE(matchesGolden(f.picture().copy(0, 0, 800, 581), "rozavezavu_reconstruction"));
}
