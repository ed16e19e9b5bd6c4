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
#include "desktop_window.h"
#include "numbers.h"
#include "rnd.h"

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
        onSpeed({.bar = "HScroll1", .box = "nSpomaleni"});
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
    Desktop<TestForm> f;
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
    EXPECT_THROW(f.control("nichts"), std::logic_error) << "a name the layout lacks fails loudly";
    EXPECT_EQ(f.twipsToPixels(8595), 573);
    EXPECT_EQ(pointsToPixels(13.5), 18);
    EXPECT_EQ(pointsToPixels(9.75), 13);
}

TEST(Window, ParameterBoxesAndHiddenControlsStayHidden)
{
    Desktop<TestForm> f;
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
    Desktop<TestForm> f;
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(f.frameGeometry(), f.screen()->availableGeometry());
    EXPECT_FLOAT_EQ(f.surface().ScaleWidth(), f.width() * 15.0f);
}

TEST(Window, SelectingFromCodeRunsTheClickHandlerAsAUsersClickDoes)
{
    Desktop<TestForm> f;
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
    Desktop<TestForm> f;
    f.control<QScrollBar>("HScroll1")->setValue(7);
    EXPECT_EQ(f.text("nSpomaleni"), "7");
    f.control<QScrollBar>("HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.text("nSpomaleni"), "8");
}

TEST(Window, ControlsMoveInTheUnitOfTheSurface)
{
    Desktop<TestForm> f;
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
    Desktop<TestForm> f;
    QString askedTitle, askedText;
    const Form::Asker before = Form::asker;
    Form::asker = [&](const std::string& title, const std::string& text) {
        askedTitle = QString::fromStdString(title), askedText = QString::fromStdString(text);
        return Form::vbNo;
    };
    EXPECT_EQ(f.askYesNo("Vyčistit graf pravděpodobnosti pro novou animaci?"), Form::vbNo);
    EXPECT_EQ(askedTitle, "Zkouska");
    EXPECT_EQ(askedText, "Vyčistit graf pravděpodobnosti pro novou animaci?");
    Form::asker = [](const std::string&, const std::string&) { return Form::vbYes; };
    EXPECT_EQ(f.askYesNo("?"), Form::vbYes);
    Form::asker = before;
}

TEST(Window, TheMessageBoxOffersAnoAndNe)
{
    Desktop<TestForm> f;
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
    EXPECT_EQ(DesktopWindow::messageBox(&f, "Zkouska", "Otázka?"), Form::vbNo);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Ano", "Ne"}));
}

TEST(Window, ARunAskedForDuringARunFollowsIt)
{
    Desktop<TestForm> f;
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
void clickInWindow(DesktopWindow& f, const char* name)
{
    QWidget* w = f.control(name);
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, w->mapTo(&f, w->rect().center()));
}
void keyInWindow(DesktopWindow& f, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(f.windowHandle(), key, modifiers);
}

// A run of `count` steps of 10 ms, each drawing row 100 + i in red; the user acts
// before step `at`, and the run reveals labSkrytý at its end.
struct RunOfSteps : ::testing::Test {
    Desktop<TestForm> f;
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

namespace {
void clickWidget(DesktopWindow& f, const char* name)
{
    auto* w = f.findChild<QWidget*>(QString::fromUtf8(name));
    ASSERT_TRUE(w) << name;
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, w->mapTo(&f, w->rect().center()));
}
bool runBarShown(const DesktopWindow& f) { return f.findChild<QWidget*>("runBar")->isVisible(); }
}  // namespace

TEST_F(RunOfSteps, TheRunBarPausesStepsResumesAndStopsTheRunByClicksAlone)
{
    EXPECT_FALSE(runBarShown(f));
    bool shownDuringTheRun = false;
    std::vector<int> pausedAt;
    bool pausedShown = true;
    f.pacing().showPicture = [&] {
        f.showPicture();
        if (f.pacing().state() != Pacing::State::Paused || pausedAt.size() > 5)
            return;
        // Paused: five single steps, then on.
        pausedAt.push_back(reached);
        pausedShown = pausedShown && f.findChild<QWidget*>("runPaused")->isVisible();
        clickWidget(f, pausedAt.size() <= 5 ? "runStep" : "runPause");
    };
    run(100, 3, [&] {
        shownDuringTheRun = runBarShown(f);
        clickWidget(f, "runPause");
    });
    EXPECT_TRUE(shownDuringTheRun);
    ASSERT_EQ(pausedAt.size(), 6u);
    for (std::size_t i = 1; i < pausedAt.size(); ++i)
        EXPECT_EQ(pausedAt[i], pausedAt[0] + int(i)) << "one step a click";
    EXPECT_TRUE(pausedShown) << "the window says it is paused";
    EXPECT_EQ(reached, 99) << "resumed, the run went on to its end";
    EXPECT_FALSE(runBarShown(f)) << "the bar goes with the run";
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "end"})) << "the bar's clicks reach no other control";

    f.pacing().showPicture = [&] { f.showPicture(); };
    run(100, 3, [&] { clickWidget(f, "runStop"); });
    EXPECT_LE(reached, 4) << "stopped at its next step";
    EXPECT_FALSE(runBarShown(f));
}

TEST_F(RunOfSteps, TheSpeedBarActsDuringTheRunWhileAnOptionClickedWaitsForItsEnd)
{
    std::string speedDuringTheRun;
    run(10, 3, [&] {
        f.control("HScroll1")->setFocus();  // as a Tab or a click would give it
        keyInWindow(f, Qt::Key_End);
        clickInWindow(f, "opModrá");
        speedDuringTheRun = f.text("nSpomaleni");
    });
    EXPECT_EQ(speedDuringTheRun, "10") << "the bar's key moved it at once, and its box holds the new speed";
    EXPECT_EQ(f.log, (std::vector<std::string>{"begin", "end", "blue"})) << "the option's click waited";
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
    f.showNormal();
    f.resize(800, 600);
    const QSize before = DesktopWindow::qsize(f.surface().clientSize());
    run(10, 3, [&] {
        f.resize(1000, 750);
        clickInWindow(f, "cmdKonec");  // where the window shows it during the run
    });
    EXPECT_EQ(widths, (std::set<float>{float(before.width())})) << "the run drew in one client area";
    EXPECT_FALSE(f.isVisible()) << "Konec, clicked where it stood during the run, was served before the window fitted";
    QTRY_COMPARE(DesktopWindow::qsize(f.surface().clientSize()), QSize(1000, 750));  // the design at 1000 / 800
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
    Desktop<TestForm> f;
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
    Desktop<TestForm> f;
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
    // Its tooltip, as it shows, tells the setting against the start-up speed.
    QTest::keyClick(bar, Qt::Key_End);
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), bar->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(bar, &tip);
    EXPECT_TRUE(bar->toolTip().endsWith(QString::fromUtf8("pomaleji než výchozí"))) << bar->toolTip().toStdString();
}

TEST(Window, TheKonecButtonClosesAnIdleWindow)
{
    Desktop<TestForm> f;
    f.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(f.control("cmdKonec"), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

TEST(Window, TheCanvasShowsTheSurface)
{
    Desktop<TestForm> f;
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
    EXPECT_EQ(DesktopWindow::scaleFor({800, 600}, {800, 600}), 1);
    EXPECT_EQ(DesktopWindow::scaleFor({1600, 1200}, {1600, 1200}), 2);
    EXPECT_DOUBLE_EQ(DesktopWindow::scaleFor({1920, 1080}, {1920, 1080}), 1.8);
    EXPECT_EQ(DesktopWindow::scaleFor({800, 570}, {800, 600}), 1) << "never below 1 on a screen of 800 x 600 or more";
    EXPECT_DOUBLE_EQ(DesktopWindow::scaleFor({640, 480}, {640, 480}), 0.8) << "a smaller screen shrinks the window";
    EXPECT_EQ(DesktopWindow::scaleFor({0, 0}, {0, 0}), 1);
    const QSize pathways(900, 631);
    EXPECT_NEAR(DesktopWindow::scaleFor({1024, 768}, {1024, 768}, pathways), 1024.0 / 900, 1e-12) << "all of a larger design shows";
    EXPECT_EQ(DesktopWindow::scaleFor({800, 600}, {800, 600}, pathways), 1) << "at 800 x 600 it is cut, as designed";
}

TEST(Window, CtrlCCopiesThePictureAsDrawn)
{
    Desktop<TestForm> f;
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
    Desktop<TestForm> f;
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
