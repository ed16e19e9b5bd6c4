// vidivizur's window: its controls, captions, places, defaults and handlers.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>

#include "vidivizur/physics.h"
#include "vidivizur/window.h"
#include "golden.h"
#include "shown_window.h"

namespace {
struct Vidivizur : ShownWindow<vidivizur::Form1> {
};

struct Expected {
    const char* name;
    const char* caption;
    QRect pixels;
    int fontPixels;
    bool bold;
    bool shownAtStart;
};

// Places in pixels: the design's twips at 15 to a pixel.
const Expected kControls[] = {
    {"LabReprezentace", "Vidivizur v reprezentaci ", {168, 16, 225, 33}, 21, true, true},
    {"LabEuler", "komplexních čísel", {80, 48, 137, 17}, 16, true, true},
    {"labPolarnisouradnice", "rádiusvektoru", {288, 48, 121, 17}, 16, true, true},
    {"labKarttez", "kartézských souřadnic", {528, 48, 161, 17}, 16, true, true},
    {"labKlepnuti", "Klepněte na tlačitko Start", {168, 304, 281, 25}, 21, true, true},
    {"labPolomerE", "r", {32, 16, 9, 17}, 16, false, false},
    {"labPolomer", "r", {120, 16, 9, 17}, 16, false, false},
    {"labFiEuler", "φ", {56, 8, 17, 25}, 18, false, false},
    {"labFiRadius", "φ", {80, 16, 17, 25}, 18, false, false},
    {"labI", "i", {128, 96, 9, 17}, 16, false, false},
    {"labY", "y", {488, 88, 9, 25}, 16, false, false},
    {"ComSinusovka", "Start", {576, 8, 65, 33}, 21, true, true},
    {"cmdKonec", "Konec", {656, 8, 65, 33}, 19, true, true},
    {"frmAnimace", "Animace", {32, 304, 81, 73}, 13, true, false},
};
}  // namespace

TEST_F(Vidivizur, TheWindowIsForm1TitledWithTheAddress)
{
    EXPECT_EQ(f.objectName(), "Form1");
    EXPECT_EQ(f.windowTitle(), QString("Vidivizur - ") + kWebAddress);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
}

TEST_F(Vidivizur, EveryControlHasItsCaptionPlaceFontAndVisibility)
{
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        QWidget* w = f.control(e.name);
        ASSERT_TRUE(w);
        EXPECT_EQ(caption(e.name), QString::fromUtf8(e.caption));
        EXPECT_EQ(w->geometry(), e.pixels);
        EXPECT_EQ(w->font().pixelSize(), e.fontPixels);
        EXPECT_EQ(w->font().bold(), e.bold);
        EXPECT_EQ(shown(e.name), e.shownAtStart);
    }
    EXPECT_EQ(f.control("labPolomer")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(f.control("labFiRadius")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(f.control("labPolomerE")->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(f.control("labPolomerE")->font().family(), "Liberation Sans");
    EXPECT_EQ(f.control("LabEuler")->font().family(), "Liberation Serif");
}

TEST_F(Vidivizur, TheFormulaPicturesStandInTheRowAtY72AndTheLegendsWaitHidden)
{
    for (const char* name : {"imEulerVzorec", "imPolarSou", "imPolar"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(shown(name));
        EXPECT_EQ(f.control(name)->y(), 72);
        EXPECT_EQ(f.control(name)->font().pixelSize(), 16);
    }
    EXPECT_EQ(f.control("imEulerVzorec")->x(), 8);
    EXPECT_EQ(f.control("imPolarSou")->x(), 312);
    EXPECT_EQ(f.control("imPolar")->x(), 584);
    const QString euler = f.control<QLabel>("imEulerVzorec")->text();
    EXPECT_TRUE(euler.contains("Eulerův vzorec:  r e"));
    EXPECT_TRUE(euler.contains("<sup>iφ</sup>"));
    EXPECT_TRUE(euler.contains(" = r (cosφ + i sinφ)"));
    EXPECT_TRUE(f.control<QLabel>("imPolarSou")->text().contains("r, φ"));
    EXPECT_TRUE(f.control<QLabel>("imPolar")->text().contains("y, φ"));
    EXPECT_FALSE(shown("imLegenda"));
    EXPECT_FALSE(shown("imOmegaCas"));
    EXPECT_EQ(f.control("imLegenda")->geometry(), QRect(32, 376, 605, 37));
    EXPECT_TRUE(f.control<QLabel>("imOmegaCas")->text().contains("φ = ω t"));
    const QString legend = f.control<QLabel>("imLegenda")->text();
    EXPECT_TRUE(legend.contains("Legenda: i  - imaginární jednotka,  φ - fázový uhel,  ω - uhlová rychlost, t - čas,"));
    EXPECT_TRUE(legend.contains("r - radiusvektor, resp. amplituda sinusovky"));
}

TEST_F(Vidivizur, TheSpeedGroupIsHiddenAndTheScrollBarIsTheSpeedControl)
{
    auto* bar = f.control<QScrollBar>("HScroll1");
    EXPECT_EQ(bar->geometry(), QRect(408, 24, 137, 17));
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 30000);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_TRUE(shown("HScroll1"));
    EXPECT_TRUE(f.control("nSpomaleni")->isHidden());
    EXPECT_FALSE(shown("frmAnimace"));
    EXPECT_EQ(caption("opRxchlá"), "Rychlá");
    EXPECT_EQ(caption("opPomalejší"), "Pomalejší");
    EXPECT_EQ(caption("opPomalá"), "Pomalá");
    EXPECT_EQ(f.control("opPomalá")->pos(), QPoint(8, 48));
    EXPECT_TRUE(f.isSelected("opRxchlá")) << "selected by Form_Load";
}

TEST_F(Vidivizur, LoadLeavesTheSpeedValueOneAndEachHandlerWritesItsValue)
{
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    f.select("opPomalá");
    EXPECT_EQ(f.text("nSpomaleni"), "30000");
    f.select("opPomalejší");
    EXPECT_EQ(f.text("nSpomaleni"), "15000");
    f.select("opRxchlá");
    EXPECT_EQ(f.text("nSpomaleni"), "1") << "Pomalejší and then Rychlá leaves 1";
    f.control<QScrollBar>("HScroll1")->setValue(2);
    EXPECT_EQ(f.text("nSpomaleni"), "2") << "the first move writes the new position";
    f.control<QScrollBar>("HScroll1")->setValue(30000);
    EXPECT_EQ(f.text("nSpomaleni"), "30000");
    EXPECT_TRUE(f.isSelected("opRxchlá")) << "the scroll bar does not move the options";
    f.select("opPomalejší");
    EXPECT_EQ(f.control<QScrollBar>("HScroll1")->value(), 30000) << "nor the options the scroll bar";
}

TEST_F(Vidivizur, StartRunsABlockingRunPacedByTheSpeedValue)
{
    f.control<QScrollBar>("HScroll1")->setValue(1234);
    f.pacing().resetCount();
    QTest::mouseClick(f.control("ComSinusovka"), Qt::LeftButton);
    EXPECT_FALSE(f.isRunning());
    EXPECT_GE(f.pacing().waits(), 1);
    EXPECT_EQ(f.pacing().decrementsAsked(), 1234.0 * f.pacing().waits());
    EXPECT_EQ(f.surface().ScaleMode, DrawingSurface::Pixels);
    EXPECT_FALSE(shown("frmAnimace")) << "not after a run either";
}

TEST_F(Vidivizur, KonecEndsTheProgram)
{
    QTest::mouseClick(f.control("cmdKonec"), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

// ---------------------------------------------------------------- the physics

TEST(VidivizurPhysics, TheStepsTurnTheAngleFrom0To400DegreesWithThePiOf314)
{
    using namespace vidivizur;
    EXPECT_EQ(degrees(0), 0);
    EXPECT_DOUBLE_EQ(degrees(10), 0.1) << "a tenth of a degree a step";
    EXPECT_EQ(degrees(lastStep), 400);
    EXPECT_DOUBLE_EQ(radians(180), 3.14);
    EXPECT_DOUBLE_EQ(radians(90), 1.57);
    EXPECT_NEAR(radians(400), 6.977778, 1e-6);
}

TEST(VidivizurPhysics, TheRadiusVectorKeepsItsLengthAndItsTipRisesAsTheSine)
{
    using namespace vidivizur;
    for (double t : {0.0, 37.5, 90.0, 200.0, 400.0}) {
        const Arrow v = radiusVector(radians(t));
        EXPECT_NEAR(std::hypot(v.dx(), v.dy()), 80, 1e-12) << t;
    }
    EXPECT_EQ(height(radians(0)), 0);
    EXPECT_NEAR(height(radians(90)), 80, 1e-4) << "the amplitude a quarter turn on";
    EXPECT_NEAR(height(radians(270)), -80, 1e-3);
    // The pi of 3.14 leaves a whole turn short by 0.0031853 rad: the tip ends a quarter
    // pixel below the axis, 80 sin(-0.0031853).
    EXPECT_NEAR(height(radians(360)), -0.25482, 1e-4);
}

TEST(VidivizurPhysics, TheSpiralArmGrowsFrom8To48AndTurnsWithTheAngle)
{
    using namespace vidivizur;
    EXPECT_DOUBLE_EQ(spiralArm(0).length, 8);
    EXPECT_DOUBLE_EQ(spiralArm(200).length, 28);
    EXPECT_DOUBLE_EQ(spiralArm(400).length, 48);
    EXPECT_DOUBLE_EQ(spiralArm(400).angle, radians(400));
}

// ---------------------------------------------------------------- the animation

namespace {
constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kGrey = 0xFFC0C0C0;
const double kFinalPhi = 400 * 3.14 / 180;

struct Animation : Vidivizur {
    void start() { ShownWindow::start("ComSinusovka"); }
};
}  // namespace

TEST_F(Animation, TheSineWaveEndsOnTheDottedLineFromTheTipOfTheRadiusVector)
{
    start();
    const int lastX = int(std::floor(480 + 30 * kFinalPhi + 0.5));  // 689
    const int lastY = int(std::floor(200.5 - 80 * std::sin(kFinalPhi) + 0.5));  // 149
    ASSERT_EQ(lastX, 689);
    ASSERT_EQ(lastY, 149);
    EXPECT_EQ(at(lastX, lastY - 1), kBlack) << "the last dot of the wave (radius 1, pen 2)";
    EXPECT_EQ(at(lastX + 4, lastY), kGrey) << "nothing beyond it";
    int first = 800, last = 0;
    for (int x = 470; x < 760; ++x)
        for (int y = 100; y < 300; ++y)
            if (at(x, y) == kBlack && x != 480 && std::abs(y - 201) > 1 && y != lastY)
                first = std::min(first, x), last = std::max(last, x);
    EXPECT_EQ(first, 479) << "the wave starts at x = 480 (a dot of radius 1)";
    EXPECT_EQ(last, 691) << "and ends at about 689";
    // the dotted guide line: every other pixel of row 149 between the middle circle and the wave
    int dots = 0;
    for (int x = 400; x < 470; ++x) {
        dots += at(x, lastY) == kBlack;
        EXPECT_NE(at(x, lastY) == kBlack, at(x + 1, lastY) == kBlack) << x;
    }
    EXPECT_EQ(dots, 35);
    const double c = std::cos(kFinalPhi), s = std::sin(kFinalPhi);
    EXPECT_EQ(at(int(std::lround(300 + 76 * c)), int(std::lround(200.5 - 76 * s))), kBlack) << "the radius vector";
    int start = 362;
    while (at(start, lastY) != kBlack)
        ++start;
    EXPECT_LE(start, 363) << "the guide line starts at the tip of the radius vector (x = 361.5)";
}

TEST_F(Animation, TheMiddleDiscIsWhiteButForTheRadiusVectorOutlineAxesAndSpiral)
{
    start();
    for (const QPoint p : {QPoint(255, 250), QPoint(250, 170), QPoint(330, 260), QPoint(360, 225), QPoint(240, 215),
                           QPoint(290, 140)})
        EXPECT_EQ(at(p.x(), p.y()), kWhite) << p.x() << "," << p.y();
    EXPECT_EQ(at(300 - 80, 201), kBlack) << "outline";
    EXPECT_EQ(at(300, 201 - 80), kBlack) << "outline";
    // the radius vector at the final angle, about 39.8 degrees above the axis
    const double c = std::cos(kFinalPhi), s = std::sin(kFinalPhi);
    EXPECT_EQ(at(int(std::lround(300 + 60 * c)), int(std::lround(200.5 - 60 * s))), kBlack);
    // the left disc stays grey inside: only its spiral and axes are drawn there
    EXPECT_EQ(at(125 - 40, 201 + 50), kGrey);
}

TEST_F(Animation, StepEightRedrawsTheAxesButNotTheYAxisOfTheSineGraph)
{
    start();
    for (int x : {230, 260, 340, 370})
        EXPECT_EQ(at(x, 201), kBlack) << "axis through the circles, inside the white disc, x = " << x;
    for (int y : {140, 170, 230, 260})
        EXPECT_EQ(at(300, y), kBlack) << "vertical axis of the middle circle, y = " << y;
    for (int y : {101, 150, 250, 301})
        EXPECT_EQ(at(120, y), kBlack) << "imaginary axis, y = " << y;
    EXPECT_EQ(at(120, 99), kGrey);
    for (int x : {450, 600, 750})
        EXPECT_EQ(at(x, 201), kBlack) << "phi axis, x = " << x;
    EXPECT_EQ(at(440, 201), kGrey) << "the gap between the two horizontal axes";
    for (int y : {101, 130, 270, 301})
        EXPECT_EQ(at(480, y), kBlack) << "the y axis at x = 480 as step 3 drew it, y = " << y;
}

TEST_F(Animation, RevealsTheLabelsAtTheirPlaces)
{
    start();
    const struct {
        const char* name;
        QPoint at;
    } places[] = {{"labFiEuler", {175, 171}}, {"labFiRadius", {355, 171}}, {"labPolomer", {320, 156}},
                  {"labPolomerE", {147, 156}}, {"imLegenda", {100, 350}},  {"imOmegaCas", {700, 205}}};
    for (const auto& p : places) {
        EXPECT_EQ(f.control(p.name)->pos(), p.at) << p.name;
        EXPECT_TRUE(shown(p.name)) << p.name;
    }
    for (const char* name : {"labI", "labY", "labPolarnisouradnice"})
        EXPECT_TRUE(shown(name)) << name;
    EXPECT_FALSE(shown("labKlepnuti")) << "the prompt steps aside once a run begins";
    EXPECT_EQ(f.control("labI")->pos(), QPoint(128, 96)) << "shown where it was designed";
    EXPECT_EQ(f.surface().DrawStyle, DrawingSurface::Solid);
    EXPECT_EQ(f.surface().DrawWidth, 1);
}

TEST_F(Animation, AtTheStartUpSpeedTheRunTakesOneToTwoSecondsOfTheReferenceMachine)
{
    f.pacing().resetCount();
    start();
    EXPECT_GE(f.pacing().designedSeconds(), 1.0);
    EXPECT_LE(f.pacing().designedSeconds(), 2.0);
}

TEST_F(Animation, TheSpeedBarMovesByAHundredthAndATenthOfItsRange)
{
    auto* bar = f.control<QScrollBar>("HScroll1");
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 30, bar->height() / 2));
    EXPECT_EQ(f.text("nSpomaleni"), "3001") << "a click in the trough";
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(f.text("nSpomaleni"), "3301");
    QTest::keyClick(bar, Qt::Key_PageDown);
    EXPECT_EQ(f.text("nSpomaleni"), "301");
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(f.text("nSpomaleni"), "1");
    EXPECT_EQ(bar->accessibleName(), "Rychlost animace");
}

TEST_F(Animation, EveryStepWaitsTheSpeedValue)
{
    f.control<QScrollBar>("HScroll1")->setValue(30000);
    f.pacing().resetCount();
    start();
    EXPECT_EQ(f.pacing().waits(), 4001);
    EXPECT_EQ(f.pacing().decrementsAsked(), 4001.0 * 30000);  // 30 s at a quarter microsecond each
}

TEST_F(Animation, ASecondRunErasesRows111To580AndKeepsTheLabelsWhereTheyAre)
{
    start();
    DrawingSurface& s = f.surface();
    s.Line(600, 500, 700, 500, colours::red);
    s.Line(600, 105, 700, 105, colours::red);
    s.Line(600, 111, 700, 111, colours::red);
    const QImage first = drawingArea();
    start();
    EXPECT_EQ(at(650, 500), kGrey);
    EXPECT_EQ(at(650, 111), kGrey);
    EXPECT_EQ(at(650, 105), 0xFFFF0000) << "row 105 lies above the erased rows";
    EXPECT_EQ(f.control("labPolomer")->pos(), QPoint(320, 156));
    EXPECT_TRUE(shown("imLegenda"));
    QImage second = drawingArea();
    for (int x = 600; x <= 700; ++x)
        second.setPixel(x, 105, first.pixel(x, 105));
    int differing = 0;
    for (int y = 0; y < 581; ++y)
        for (int x = 0; x < 800; ++x)
            differing += (first.pixel(x, y) != second.pixel(x, y)) && !(y == 500 || y == 111);
    EXPECT_EQ(differing, 0) << "the second run draws the same picture";
}

TEST_F(Animation, GoldenPictureAtTheDefaultSetting)
{
    start();
    EXPECT_TRUE(matchesGolden(drawingArea(), "vidivizur_default"));
}
