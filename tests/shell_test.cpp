// The shell's services: number texts, random numbers, pacing and the window machinery.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <clocale>
#include <cmath>
#include <random>
#include <set>

#include "captions.h"
#include "fonts.h"
#include "form.h"
#include "numbers.h"
#include "rnd.h"

TEST(NumberText, WritesTheShortestPlainDecimalThatReadsBackExactly)
{
    EXPECT_EQ(numberToText(30000), "30000");
    EXPECT_EQ(numberToText(1), "1");
    EXPECT_EQ(numberToText(0.1), "0.1");
    EXPECT_EQ(numberToText(0.00005), "0.00005");
    EXPECT_EQ(numberToText(0.02), "0.02");
    EXPECT_EQ(numberToText(-0.7853981633974483), "-0.7853981633974483");
    EXPECT_EQ(numberToText(-0.0), "0");
    EXPECT_EQ(numberToText(983011), "983011");
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    for (int i = 0; i < 2000; ++i) {
        const double v = any(gen) * std::pow(10.0, int(gen() % 40) - 20);
        EXPECT_EQ(textToNumber(numberToText(v)), v) << numberToText(v).toStdString();
    }
    for (double v : {1e-300, 1e300, 5e-324, 1.7976931348623157e308})
        EXPECT_EQ(textToNumber(numberToText(v)), v);
}

TEST(NumberText, DoesNotDependOnTheUsersLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "cs_CZ.UTF-8");  // decimal comma where the locale is installed
    QLocale::setDefault(QLocale(QLocale::Czech));
    EXPECT_EQ(numberToText(0.75), "0.75");
    EXPECT_EQ(textToNumber("0.75"), 0.75);
    std::setlocale(LC_ALL, before.c_str());
    QLocale::setDefault(QLocale::c());
}

TEST(NumberText, ReadsTheLeadingNumberAndZeroForDesignTexts)
{
    EXPECT_EQ(textToNumber("Alfa"), 0);
    EXPECT_EQ(textToNumber("Spomaleni"), 0);
    EXPECT_EQ(textToNumber(""), 0);
    EXPECT_EQ(textToNumber("  12.5"), 12.5);
    EXPECT_EQ(textToNumber("+3"), 3);
    EXPECT_EQ(textToNumber("-2.5e3"), -2500);
    EXPECT_EQ(textToNumber("7abc"), 7);
    EXPECT_EQ(textToNumber("1e999"), 0) << "an overflowing text reads as no number";
    EXPECT_EQ(textToNumber("nan"), 0);
}

TEST(Arithmetic, IntFloorsAndModRoundsItsOperandsFirst)
{
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(99.999), 99);
    EXPECT_EQ(Mod(15.7, 5), 1) << "15.7 rounds to 16";
    EXPECT_EQ(Mod(15.2, 5), 0);
    EXPECT_EQ(Mod(14.5, 4), 2) << "halves round to even: 14";
    EXPECT_EQ(Mod(-7, 3), -1) << "the sign of the dividend";
    EXPECT_EQ(Mod(7, 0.2), 0) << "a divisor that rounds to 0 does not fail";
    EXPECT_EQ(Mod(1e300, 7), 0);
}

TEST(Random, DrawsLieInTheUnitIntervalAndSpread)
{
    resetRnd();
    double sum = 0;
    std::set<int> tenths;
    for (int i = 0; i < 10000; ++i) {
        const float r = Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
        tenths.insert(int(r * 10));
    }
    EXPECT_NEAR(sum / 10000, 0.5, 0.02);
    EXPECT_EQ(tenths.size(), 10u);
}

TEST(Random, ReseedingWithTheSameNumberKeepsTheDrawsVarying)
{
    resetRnd();
    std::set<int> values;
    int counts[100] = {};
    for (int i = 0; i < 5000; ++i) {
        Randomize(1);
        const int d = int(Int(100 * Rnd()));
        ASSERT_GE(d, 0);
        ASSERT_LT(d, 100);
        values.insert(d);
        ++counts[d];
    }
    EXPECT_EQ(values.size(), 100u);
    EXPECT_LT(*std::max_element(counts, counts + 100), 110) << "no value dominates";
}

TEST(Random, StartsFromTheSameStateInEveryProgram)
{
    resetRnd();
    const float a = Rnd(), b = Rnd();
    resetRnd();
    EXPECT_EQ(Rnd(), a);
    EXPECT_EQ(Rnd(), b);
    EXPECT_NE(a, b);
}

TEST(Pacing, FreeWaitsCostNothingButCountWhatWasAsked)
{
    Pacing p;
    p.setFree(true);
    const auto start = std::chrono::steady_clock::now();
    p.wait(3000000);
    p.wait(1);
    p.wait(0);
    p.wait(-4);
    p.wait(std::nan(""));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_EQ(p.decrementsAsked(), 3000001);
    EXPECT_EQ(p.waits(), 5);
    p.resetCount();
    EXPECT_EQ(p.decrementsAsked(), 0);
}

TEST(Pacing, AWaitLastsAQuarterMicrosecondPerDecrementAndKeepsThePictureShown)
{
    Pacing p;
    int shown = 0;
    p.showPicture = [&] { ++shown; };
    const auto start = std::chrono::steady_clock::now();
    p.wait(2000000);  // 0.5 s
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.5);
    EXPECT_LT(seconds, 0.75) << "a loaded machine may add a little, never a multiple";
    EXPECT_GE(shown, 20) << "about every 16 ms";
    EXPECT_LT(std::chrono::duration<double>(p.longestGap()).count(), 0.1);

    const auto shortStart = std::chrono::steady_clock::now();
    for (int i = 0; i < 1000; ++i)
        p.wait(400);  // 1000 x 0.1 ms
    const double shortSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - shortStart).count();
    EXPECT_GE(shortSeconds, 0.1);
    EXPECT_LT(shortSeconds, 0.25);
}

TEST(Pacing, ARunPaysItsDrawingAndWaitsAtFrameBoundariesAndStopsWhenAsked)
{
    Pacing p;
    int shown = 0;
    p.showPicture = [&] { ++shown; };
    p.begin();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 8000; ++i)
        p.drawn(0);  // 8000 operations of the reference machine: 0.2 s
    p.wait(400000);  // 0.1 s
    p.finish();
    p.end();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.3);
    EXPECT_LT(seconds, 0.6) << "a loaded machine may add a little, never a multiple";
    EXPECT_NEAR(p.designedSeconds(), 0.3, 1e-9);
    EXPECT_GE(shown, 15) << "a frame about every 16 ms";
    EXPECT_LE(shown, 40) << "not at every operation";

    p.begin();
    p.stop();
    EXPECT_THROW(p.drawn(1), Pacing::Stopped);
    EXPECT_THROW(p.wait(1), Pacing::Stopped);
    p.end();
    EXPECT_NO_THROW(p.drawn(1)) << "the next run is not stopped";
    p.stop();
    EXPECT_NO_THROW(p.wait(1)) << "there is nothing to stop outside a run";
}

// ---------------------------------------------------------------- the window machinery

namespace {
const Control kTestLayout[] = {
    {.kind = Kind::Label, .name = "labTitul", .text = "Zkouška žluťoučkého koně", .at = {1500, 300, 3000, 375},
     .font = TNR(15.75, true)},
    {.kind = Kind::Label, .name = "labSkrytý", .text = "Skrytý", .at = {300, 3000, 900, 255}, .font = MSS(12),
     .visible = false, .back = colours::white, .align = Align::Right},
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {8400, 120, 1215, 480},
     .font = TNR(15.75, true)},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {10080, 120, 1335, 495},
     .font = TNR(14.25, true)},
    {.kind = Kind::Frame, .name = "frmBarva", .text = "Barva", .at = {720, 1200, 1500, 1000}, .font = MSS(12)},
    {.kind = Kind::OptionButton, .name = "opČervená", .text = "Červená", .at = {120, 240, 1100, 255},
     .frame = "frmBarva", .back = RGB(255, 128, 128)},
    {.kind = Kind::OptionButton, .name = "opModrá", .text = "Modrá", .at = {120, 540, 1100, 255},
     .frame = "frmBarva"},
    {.kind = Kind::CheckBox, .name = "chDisperze", .text = "Disperze", .at = {2400, 1200, 975, 195},
     .checked = true},
    {.kind = Kind::CaptionBox, .name = "nNadpis", .text = "Nadpis", .at = {300, 3600, 1500, 375}},
    {.kind = Kind::ParameterBox, .name = "nBarva", .text = "Barva", .at = {300, 4000, 900, 375}},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni", .text = "Spomaleni"},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .at = {4680, 360, 2175, 255}, .min = 1, .max = 10, .value = 1},
};

struct TestForm : Form {
    std::vector<std::string> log;
    std::function<void()> simulation = [] {};
    TestForm() : Form("frmZkouska", "Zkouska", kTestLayout)
    {
        onClick("opČervená", [this] { log.push_back("red"), setNumber("nBarva", 0.5); });
        onClick("opModrá", [this] { log.push_back("blue"), setNumber("nBarva", 1); });
        onClick("chDisperze", [this] {
            surface().ScaleMode = DrawingSurface::Pixels;
            surface().Line(300, 450, 500, 450, colours::red);
        });
        onChange("HScroll1", [this] { setNumber("nSpomaleni", scrollValue("HScroll1")); });
        onStart("cmdStart", [this] {
            log.push_back("begin");
            simulation();
            log.push_back("end");
        });
        onEnd("cmdKonec");
    }
};
}  // namespace

TEST(Window, MakesEveryControlFromItsTableWithNamePlaceAndFont)
{
    TestForm f;
    EXPECT_EQ(f.objectName(), "frmZkouska");
    EXPECT_EQ(f.windowTitle(), QString("Zkouska - ") + kWebAddress);
    auto* title = f.control<QLabel>("labTitul");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), "Zkouška žluťoučkého koně");
    EXPECT_EQ(title->geometry().topLeft(), QPoint(100, 20));
    EXPECT_EQ(title->width(), 200);
    EXPECT_EQ(dynamic_cast<Caption*>(title)->lines(), (QStringList{"Zkouška žluťoučkého", "koně"}));
    EXPECT_GE(title->height(), 2 * title->fontMetrics().height() - 2) << "a box designed for one line grows to hold two";
    EXPECT_EQ(title->font().pixelSize(), 21);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().family(), "Liberation Serif");
    auto* option = f.control<QRadioButton>("opČervená");
    ASSERT_TRUE(option);
    EXPECT_EQ(option->parentWidget(), f.control("frmBarva"));
    EXPECT_EQ(option->pos(), QPoint(8, 16)) << "inside the frame, relative to it";
    EXPECT_EQ(option->font().pixelSize(), 11) << "controls without a font get the 8.25 pt default";
    EXPECT_EQ(option->palette().color(QPalette::Button), QColor(255, 128, 128));
    EXPECT_EQ(f.control<QLabel>("labSkrytý")->font().family(), "Liberation Sans");
    EXPECT_EQ(f.control<QLabel>("labSkrytý")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(f.control<QCheckBox>("chDisperze")->isChecked());
    EXPECT_EQ(f.control<QScrollBar>("HScroll1")->maximum(), 10);
    EXPECT_EQ(f.control("nichts"), nullptr);
    EXPECT_EQ(f.twipsToPixels(8595), 573);
    EXPECT_EQ(pointsToPixels(13.5), 18);
    EXPECT_EQ(pointsToPixels(9.75), 13);
}

TEST(Window, ParameterBoxesAndHiddenControlsStayHidden)
{
    TestForm f;
    f.showOnScreen();
    EXPECT_TRUE(f.control("nBarva")->isHidden());
    EXPECT_TRUE(f.control("nSpomaleni")->isHidden());
    EXPECT_TRUE(f.control("labSkrytý")->isHidden());
    EXPECT_FALSE(f.control("nNadpis")->isHidden());
    EXPECT_EQ(f.text("nBarva"), "Barva") << "the design text until written";
    EXPECT_EQ(f.number("nBarva"), 0);
    f.setShown("labSkrytý", true);
    EXPECT_FALSE(f.control("labSkrytý")->isHidden());
}

TEST(Window, OpensOnTheWholeScreen)
{
    TestForm f;
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(f.frameGeometry(), f.screen()->availableGeometry());
    EXPECT_FLOAT_EQ(f.surface().ScaleWidth(), f.width() * 15.0f);
}

TEST(Window, SelectingFromCodeRunsTheClickHandlerAsAUsersClickDoes)
{
    TestForm f;
    f.showOnScreen();
    f.select("opModrá");
    EXPECT_TRUE(f.isSelected("opModrá"));
    EXPECT_EQ(f.text("nBarva"), "1");
    f.select("opModrá");
    EXPECT_EQ(f.log, (std::vector<std::string>{"blue", "blue"})) << "a second selection runs it again";
    QTest::mouseClick(f.control("opČervená"), Qt::LeftButton);
    EXPECT_TRUE(f.isSelected("opČervená"));
    EXPECT_FALSE(f.isSelected("opModrá"));
    EXPECT_EQ(f.text("nBarva"), "0.5");
    QTest::mouseClick(f.control("opČervená"), Qt::LeftButton);
    EXPECT_EQ(f.log.back(), "red");
    EXPECT_EQ(f.log.size(), 4u);
}

TEST(Window, AScrollBarMoveWritesThroughItsChangeHandler)
{
    TestForm f;
    f.control<QScrollBar>("HScroll1")->setValue(7);
    EXPECT_EQ(f.text("nSpomaleni"), "7");
    f.control<QScrollBar>("HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.text("nSpomaleni"), "8");
}

TEST(Window, ControlsMoveInTheUnitOfTheSurface)
{
    TestForm f;
    f.surface().ScaleMode = DrawingSurface::Pixels;
    f.setLeft("labSkrytý", 175.4f);
    f.setTop("labSkrytý", 170.5f);
    EXPECT_EQ(f.control("labSkrytý")->pos(), QPoint(175, 171));
    f.surface().ScaleMode = DrawingSurface::Twips;
    f.setLeft("labSkrytý", 3000);
    EXPECT_EQ(f.control("labSkrytý")->pos(), QPoint(200, 171));
}

TEST(Window, TheQuestionGoesToTheAskerWithTheProgramsTitle)
{
    TestForm f;
    QString askedTitle, askedText;
    const Form::Asker before = Form::asker;
    Form::asker = [&](QWidget*, const QString& title, const QString& text) {
        askedTitle = title, askedText = text;
        return Form::vbNo;
    };
    EXPECT_EQ(f.askYesNo("Vyčistit graf pravděpodobnosti pro novou animaci?"), Form::vbNo);
    EXPECT_EQ(askedTitle, "Zkouska");
    EXPECT_EQ(askedText, "Vyčistit graf pravděpodobnosti pro novou animaci?");
    Form::asker = [](QWidget*, const QString&, const QString&) { return Form::vbYes; };
    EXPECT_EQ(f.askYesNo("?"), Form::vbYes);
    Form::asker = before;
}

TEST(Window, TheMessageBoxOffersAnoAndNe)
{
    TestForm f;
    f.showOnScreen();
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                for (QAbstractButton* b : box->buttons())
                    buttons << b->text();
                EXPECT_EQ(box->windowTitle(), "Zkouska");
                EXPECT_EQ(box->text(), "Otázka?");
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == "Ne")
                        b->click();
            }
    });
    EXPECT_EQ(Form::messageBox(&f, "Zkouska", "Otázka?"), Form::vbNo);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Ano", "Ne"}));
}

TEST(Window, ARunAskedForDuringARunFollowsIt)
{
    TestForm f;
    f.showOnScreen();
    bool nested = false;
    f.simulation = [&] {
        if (!nested) {
            nested = true;
            f.run([&] { f.log.push_back("second"); });
            f.log.push_back("still first");
        }
    };
    QTest::mouseClick(f.control("cmdStart"), Qt::LeftButton);
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "still first", "end", "second"}));
    EXPECT_FALSE(f.isRunning());
}

// ---------------------------------------------------------------- the run in the user's hands

namespace {
// Input as the window system delivers it, to the window.
void clickInWindow(Form& f, const char* name)
{
    QWidget* w = f.control(name);
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, w->mapTo(&f, w->rect().center()));
}
void keyInWindow(Form& f, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(f.windowHandle(), key, modifiers);
}

// A run of `count` steps of 10 ms, each drawing row 100 + i in red; the user acts
// before step `at`, and the run reveals labSkrytý at its end.
struct RunOfSteps : ::testing::Test {
    TestForm f;
    int reached = -1;
    double seconds = 0;
    void SetUp() override
    {
        f.showOnScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    void run(int count, int at, const std::function<void()>& user)
    {
        reached = -1;
        f.simulation = [=, this] {
            f.surface().ScaleMode = DrawingSurface::Pixels;
            for (int i = 0; i < count; ++i) {
                reached = i;
                if (i == at)
                    user();
                f.surface().Line(10, 100 + i, 300, 100 + i, colours::red);
                f.pacing().wait(40000);
            }
            f.setShown("labSkrytý", true);
        };
        const auto begin = std::chrono::steady_clock::now();
        QTest::mouseClick(f.control("cmdStart"), Qt::LeftButton);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    }
    bool drawnRow(int i) const { return f.surface().pixel(50, 100 + i) == 0xFFFF0000; }
    bool shown(const char* name) const { return !f.control(name)->isHidden(); }
};
}  // namespace

TEST_F(RunOfSteps, EscStopsTheRunAtItsNextStepAndWhatCameBeforeIsServedAfterIt)
{
    run(100, 3, [&] {
        clickInWindow(f, "opModrá");
        keyInWindow(f, Qt::Key_Escape);
    });
    EXPECT_EQ(reached, 3);
    EXPECT_TRUE(drawnRow(2));
    EXPECT_FALSE(drawnRow(3)) << "nothing more of the run is drawn";
    EXPECT_FALSE(shown("labSkrytý")) << "what the run reveals at its end stays hidden";
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "blue"})) << "the click made before Esc, after the run";
    EXPECT_FALSE(f.isRunning());

    run(5, -1, [] {});
    EXPECT_EQ(reached, 4) << "the next Start runs afresh to its end";
    EXPECT_TRUE(drawnRow(4));
    EXPECT_TRUE(shown("labSkrytý"));
}

TEST_F(RunOfSteps, PPausesTheRunWhileTheWindowIsShownAndThePauseCostsTheRunNothing)
{
    int shownWhilePaused = 0;
    f.pacing().showPicture = [&] {
        shownWhilePaused += f.pacing().isPaused();
        f.showPicture();
    };
    run(20, 5, [&] {  // 20 steps of 10 ms, paused for 150 ms after the fifth
        keyInWindow(f, Qt::Key_P);
        QTimer::singleShot(150, &f, [&] { keyInWindow(f, Qt::Key_P); });
    });
    EXPECT_GE(shownWhilePaused, 5);
    EXPECT_GE(seconds, 0.2 + 0.15) << "the steps after the pause still take their time";
    EXPECT_LT(seconds, 1.0);
    EXPECT_EQ(reached, 19);
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "end"})) << "P reaches no control";
}

TEST_F(RunOfSteps, InputMadeDuringARunIsServedAfterItInOrderKonecLast)
{
    QApplication::clipboard()->clear();
    run(10, 3, [&] {
        clickInWindow(f, "opČervená");
        keyInWindow(f, Qt::Key_C, Qt::ControlModifier);
        clickInWindow(f, "opModrá");
        clickInWindow(f, "cmdKonec");
    });
    EXPECT_EQ(reached, 9) << "the run went on to its end";
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "end", "red", "blue"}));
    EXPECT_TRUE(f.isSelected("opModrá"));
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull()) << "Ctrl+C was served";
    EXPECT_EQ(copied.pixelColor(50, 109), QColor(255, 0, 0)) << "after the run: the whole picture";
    EXPECT_FALSE(f.isVisible()) << "and Konec closed the window after the run";
}

TEST_F(RunOfSteps, ACloseFromTheWindowManagerStopsTheRunAndClosesTheWindowAtOnce)
{
    run(100, 3, [&] { QTimer::singleShot(0, &f, [&] { f.close(); }); });
    EXPECT_LE(reached, 5) << "stopped at its next step";
    EXPECT_LT(seconds, 0.3);
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin"}));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(RunOfSteps, AResizeDuringARunReachesThePictureOnlyAfterIt)
{
    std::set<float> widths;
    f.pacing().showPicture = [&] {
        widths.insert(f.surface().ScaleWidth());
        f.showPicture();
    };
    const QSize before = f.surface().clientSize();
    run(10, 3, [&] { f.resize(500, 400); });
    EXPECT_EQ(widths, (std::set<float>{float(before.width())})) << "the run drew in one client area";
    EXPECT_EQ(f.surface().clientSize(), QSize(500, 400)) << "and the window's new size came after it";
}

namespace {
// The question box that is open now, if any.
QMessageBox* openQuestion()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

// Acts once the question box is open (the run shows its picture before it asks).
void whenAsked(QObject* context, std::function<void(QMessageBox&)> act)
{
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, act = std::move(act)] {
        if (QMessageBox* box = openQuestion()) {
            poll->deleteLater();
            poll->stop();
            act(*box);
        }
    });
    poll->start(5);
}
}  // namespace

TEST_F(RunOfSteps, WhileTheQuestionWaitsTheWindowStillClosesAndKonecWaitsForTheAnswer)
{
    // A close from the window manager: the question is answered "Ne", the run stops, the window closes.
    int answer = 0;
    f.simulation = [&] {
        whenAsked(&f, [&](QMessageBox& box) {
            EXPECT_FALSE(box.isModal()) << "the window behind it takes a close";
            f.close();
        });
        answer = f.askYesNo("Otázka?");
        f.pacing().wait(40000);
        f.log.push_back("after the question");
    };
    QTest::mouseClick(f.control("cmdStart"), Qt::LeftButton);
    EXPECT_EQ(answer, Form::vbNo);
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin"}));
    EXPECT_FALSE(f.isVisible());

    // Konec clicked while the question waits: held, and served after the answer and the run.
    f.log.clear();
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.simulation = [&] {
        whenAsked(&f, [&](QMessageBox& box) {
            clickInWindow(f, "cmdKonec");
            EXPECT_TRUE(f.isVisible());
            for (QAbstractButton* b : box.buttons())
                if (b->text() == "Ano")
                    b->click();
        });
        answer = f.askYesNo("Otázka?");
        f.log.push_back("after the question");
    };
    QTest::mouseClick(f.control("cmdStart"), Qt::LeftButton);
    EXPECT_EQ(answer, Form::vbYes);
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "after the question", "end"}));
    EXPECT_FALSE(f.isVisible()) << "Konec, after the run";
}

TEST_F(RunOfSteps, EscInTheWindowWhileTheQuestionWaitsAnswersItAndStopsTheRun)
{
    // Start and Konec clicked while the question waits, then Esc in the window behind it:
    // the question is answered "Ne", the run stops, the Start is cancelled, Konec is served.
    int answer = 0;
    int asked = 0;
    f.simulation = [&] {
        ++asked;
        whenAsked(&f, [&](QMessageBox& box) {
            clickInWindow(f, "cmdStart");
            clickInWindow(f, "cmdKonec");
            keyInWindow(f, Qt::Key_Escape);
            EXPECT_FALSE(box.isVisible());
            if (box.isVisible())
                box.reject();  // so that a failure does not wait for ever
        });
        answer = f.askYesNo("Otázka?");
        f.pacing().wait(40000);
        f.log.push_back("after the question");
    };
    QTest::mouseClick(f.control("cmdStart"), Qt::LeftButton);
    EXPECT_EQ(answer, Form::vbNo);
    EXPECT_EQ(asked, 1) << "the Start clicked before the Esc starts no run";
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin"}));
    EXPECT_FALSE(f.isVisible()) << "Konec, served after the run";
}

TEST_F(RunOfSteps, EscCancelsTheRunsThatStartClicksQueuedButServesTheRest)
{
    run(100, 3, [&] {
        for (int i = 0; i < 5; ++i)
            clickInWindow(f, "cmdStart");
        clickInWindow(f, "opModrá");
        clickInWindow(f, "cmdStart");
        keyInWindow(f, Qt::Key_Escape);
    });
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "blue"})) << "no run after Esc; the option served";
    EXPECT_FALSE(f.isRunning());

    // Two Start clicks made while idle, the second during the first run, give two runs.
    f.log.clear();
    bool clicked = false;
    run(3, 1, [&] {
        if (!std::exchange(clicked, true))
            clickInWindow(f, "cmdStart");
    });
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "end", "begin", "end"}));
}

TEST(Window, WhatAHandlerDrawsIsOnTheScreenWhenItReturns)
{
    TestForm f;
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(f.control("chDisperze"), Qt::LeftButton);
    QCoreApplication::processEvents();
    const QImage screen = f.screen()->grabWindow(f.winId()).toImage();
    EXPECT_EQ(screen.pixelColor(400, 450), QColor(255, 0, 0));
    EXPECT_EQ(screen.pixelColor(400, 452), QColor(192, 192, 192));
}

TEST(Window, TheSpeedBarSaysWhatItIsAndAShortOneMovesOnePositionAtATime)
{
    TestForm f;
    f.showOnScreen();
    auto* bar = f.control<QScrollBar>("HScroll1");
    EXPECT_EQ(bar->accessibleName(), "Rychlost animace");
    EXPECT_TRUE(bar->toolTip().startsWith("Rychlost animace")) << bar->toolTip().toStdString();
    EXPECT_EQ(bar->singleStep(), 1);
    EXPECT_EQ(bar->pageStep(), 1);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(f.text("nSpomaleni"), "2") << "Right raises the value";
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(f.text("nSpomaleni"), "10");
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(f.text("nSpomaleni"), "9") << "Left lowers it";
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(f.text("nSpomaleni"), "1");
}

TEST(Window, TheKonecButtonClosesAnIdleWindow)
{
    TestForm f;
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(f.control("cmdKonec"), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

TEST(Window, TheCanvasShowsTheSurface)
{
    TestForm f;
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.surface().ScaleMode = DrawingSurface::Pixels;
    f.surface().DrawWidth = 4;
    f.surface().Line(300, 400, 500, 400, colours::red);
    f.showPicture();
    const QImage shot = f.grab().toImage();
    EXPECT_EQ(shot.pixelColor(400, 400), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(400, 420), QColor(192, 192, 192));
}

TEST(Window, TheScaleFillsTheWindowWithTheReferenceScreen)
{
    EXPECT_EQ(Form::scaleFor({800, 600}, {800, 600}), 1);
    EXPECT_EQ(Form::scaleFor({1600, 1200}, {1600, 1200}), 2);
    EXPECT_DOUBLE_EQ(Form::scaleFor({1920, 1080}, {1920, 1080}), 1.8);
    EXPECT_EQ(Form::scaleFor({800, 570}, {800, 600}), 1) << "never below 1 on a screen of 800 x 600 or more";
    EXPECT_DOUBLE_EQ(Form::scaleFor({640, 480}, {640, 480}), 0.8) << "a smaller screen shrinks the window";
    EXPECT_EQ(Form::scaleFor({0, 0}, {0, 0}), 1);
    const QSize pathways(900, 631);
    EXPECT_NEAR(Form::scaleFor({1024, 768}, {1024, 768}, pathways), 1024.0 / 900, 1e-12) << "all of a larger design shows";
    EXPECT_EQ(Form::scaleFor({800, 600}, {800, 600}, pathways), 1) << "at 800 x 600 it is cut, as designed";
}

TEST(Window, CtrlCCopiesThePictureAsDrawn)
{
    TestForm f;
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.surface().ScaleMode = DrawingSurface::Pixels;
    f.surface().Line(10, 10, 100, 10, colours::red);
    QApplication::clipboard()->clear();
    QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), f.size());
    EXPECT_EQ(copied.pixelColor(50, 10), QColor(255, 0, 0));
    EXPECT_EQ(copied.pixelColor(50, 12), QColor(192, 192, 192));
}

TEST(Window, EveryControlIsReachableByTabAndStartHasTheFocus)
{
    TestForm f;
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(QApplication::focusWidget(), f.control("cmdStart"));
    for (const char* name : {"cmdStart", "cmdKonec", "opČervená", "chDisperze", "HScroll1"})
        EXPECT_TRUE(f.control(name)->focusPolicy() & Qt::TabFocus) << name;
    EXPECT_FALSE(f.control("nNadpis")->focusPolicy() & Qt::TabFocus) << "captions take no focus";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "end"})) << "Enter presses the focused button";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(f.log.size(), 4u) << "and so does Space";
}
