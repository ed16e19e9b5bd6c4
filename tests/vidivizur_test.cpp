// vidivizur's window: its controls, captions, places, defaults and handlers.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "form1.h"

namespace {
struct Vidivizur : ::testing::Test {
    Form1 f;
    void SetUp() override
    {
        f.pacing().setFree(true);
        f.showOnScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    bool shown(const char* name) const { return !f.control(name)->isHidden(); }
    QString caption(const char* name) const
    {
        QWidget* w = f.control(name);
        if (auto* l = qobject_cast<QLabel*>(w))
            return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            return b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            return g->title();
        return {};
    }
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
