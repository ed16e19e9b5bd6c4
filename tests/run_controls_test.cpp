// Every program's run in the user's hands, without a front end: its steps, one step at a
// time, its progress, and the speed changed while it draws.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "program_windows.h"
#include "rnd.h"

namespace {
// Stands for a front end: hears the frames the run shows and acts in them as a user would.
struct Hands : FrontEnd {
    std::function<void()> onBegin, onFrame;
    void runBegins() override
    {
        if (onBegin)
            onBegin();
    }
    void controlChanged(int, Change) override {}
    void showPicture() override
    {
        if (onFrame)
            onFrame();
    }
    void handled() override {}
    int ask(const std::string&, const std::string&) override { return Form::vbYes; }
    void closeWindow() override {}
};

void clickStart(Form& form) { form.clicked(form.startButton()); }

// A window as made and loaded, free of pace, with a run of steps chosen: rozavezavu's
// start-up action (the frame) draws its scene in one go, its reconstruction sweeps the
// detector point by point.
template <class Window>
void prepare(const Demonstration& d, Window& window)
{
    window.load();
    window.pacing().setFree(true);
    const std::string program = d.program;
    if (program == "rozavezavu")
        window.select("opRekonstrukce");
    if (program == "pathways")
        window.select("op20");  // routes
}

// Every program's window as made, loaded, with free pacing: visit(program name, window).
void forEveryWindow(const std::function<void(const char*, Form&)>& visit)
{
    forEachProgram([&]<class Window>(const Demonstration& d) {
        resetRnd();
        Window window;
        prepare(d, window);
        visit(d.program, window);
    });
}
}  // namespace

TEST(RunSteps, TheRehearsalOfEveryProgramsRunIsTheRunItselfStepByStep)
{
    // The question runs after the first ask is answered "Ano" (it clears the picture), then "Ne".
    const Form::Asker before = Form::asker;
    int asked = 0;
    Form::asker = [&asked](const std::string&, const std::string&) { return ++asked % 2 ? Form::vbYes : Form::vbNo; };
    forEveryWindow([](const char* program, Form& form) {
        // The first run, and three more, which ask their question in three programs.
        for (int run = 1; run <= 4; ++run) {
            std::vector<Pacing::Spent> steps;
            form.pacing().stepLog = &steps;
            clickStart(form);
            form.pacing().stepLog = nullptr;
            steps.push_back(form.pacing().spent());
            EXPECT_EQ(form.rehearsedSteps(), steps) << program << ", run " << run;
            EXPECT_GT(steps.size(), 1u) << program << " has steps";
        }
    });
    Form::asker = before;
    EXPECT_GT(asked, 4);
}

TEST(RunSteps, AStepIsWhatATeacherCallsOne)
{
    forEveryWindow([](const char* program, Form& form) {
        clickStart(form);
        const long long steps = form.pacing().steps();
        const std::string name = program;
        if (name == "fringeworks") {
            EXPECT_EQ(steps, 2 * 260 * 50) << "one photon, 50 at each of 2 x 260 detector points";
        } else if (name == "pathways") {
            EXPECT_EQ(steps, 20) << "one route";
        } else if (name == "rozavezavu") {
            EXPECT_GT(steps, 100) << "one detector point";
            EXPECT_LT(steps, form.pacing().waits() / 100) << "not one plate point";
        } else {
            EXPECT_EQ(steps, form.pacing().waits()) << name << ": each step ends at a wait";
        }
    });
}

TEST(RunSteps, APausedRunGoesOneStepAtATimeAndDrawsWhatItWouldHaveDrawn)
{
    forEachProgram([]<class Window>(const Demonstration& d) {
        resetRnd();
        Window alone;
        prepare(d, alone);
        clickStart(alone);
        const unsigned long long rndAfter = rndState();

        resetRnd();
        Window stepped;
        prepare(d, stepped);
        // K as the run begins pauses it at its first step's end; five single steps, then on.
        Hands hands;
        hands.onBegin = [&] { stepped.input().step(); };
        std::vector<long long> pausedAt;
        hands.onFrame = [&] {
            if (stepped.pacing().state() != Pacing::State::Paused)
                return;
            pausedAt.push_back(stepped.pacing().steps());
            if (pausedAt.size() <= 5)
                stepped.input().step();
            else
                stepped.input().togglePause();
        };
        stepped.setFrontEnd(&hands);
        clickStart(stepped);
        stepped.setFrontEnd(nullptr);
        const long long steps = stepped.pacing().steps();
        ASSERT_GE(steps, 6) << d.program;
        EXPECT_EQ(pausedAt, (std::vector<long long>{1, 2, 3, 4, 5, 6})) << d.program << ": each step one step further";
        EXPECT_TRUE(stepped.surface().image() == alone.surface().image())
            << d.program << ": a stepped run draws what a run left alone draws";
        EXPECT_EQ(rndState(), rndAfter) << d.program << ": and draws the same random numbers";
    });
}

TEST(RunProgress, TellsThePartDoneAndTheTimeLeftAndFollowsTheSpeedBarMovedDuringTheRun)
{
    interference::frmInterference form;
    form.load();
    form.pacing().setFree(true);
    // Step by step through the whole run, reading the progress at every step.
    struct Read {
        double seconds;  // the run's reference seconds then
        RunProgress progress;
    };
    std::vector<Read> reads;
    std::function<void()> atStep;
    Hands hands;
    hands.onBegin = [&] { form.input().step(); };
    hands.onFrame = [&] {
        if (form.pacing().state() != Pacing::State::Paused)
            return;
        const auto progress = form.progress();
        ASSERT_TRUE(progress);
        reads.push_back({form.pacing().runSeconds(), *progress});
        if (atStep)
            atStep();
        form.input().step();
    };
    form.setFrontEnd(&hands);
    clickStart(form);
    const double total = form.pacing().runSeconds();
    ASSERT_GT(reads.size(), 50u);
    for (const Read& r : reads) {
        EXPECT_NEAR(r.progress.done + r.progress.left, total, 1e-9 * total) << "the run's length, known from its start";
    }
    EXPECT_FALSE(form.progress()) << "no progress outside a run";

    // The slowest speed set at the fourth step: the rest of the run goes slower, and once
    // a step has gone at it the progress foresees the run's new length (exactly here: the
    // drawing is as rehearsed, every wait longer by the same factor).
    reads.clear();
    const int slowest = form.controls()[form.indexOf("HScroll1")].design->max;
    atStep = [&] {
        if (reads.size() == 4)
            form.scrolled(form.indexOf("HScroll1"), slowest);
    };
    clickStart(form);
    form.setFrontEnd(nullptr);
    const double slower = form.pacing().runSeconds();
    EXPECT_GT(slower, 10 * total) << "the speed bar moved during the run slowed it";
    EXPECT_NEAR(reads[3].progress.done + reads[3].progress.left, total, 1e-9 * total) << "before the move";
    for (std::size_t i = 5; i < reads.size(); ++i)
        EXPECT_NEAR(reads[i].progress.done + reads[i].progress.left, slower, 1e-9 * slower) << "at step " << i + 1;
}

TEST(RunSteps, TheStartPromptGoesWhenARunBeginsAndStaysAway)
{
    forEveryWindow([](const char* program, Form& form) {
        int prompt = -1;
        for (const char* name : {"labKlepnete", "labKlepnuti"})
            if (form.indexOf(name) >= 0)
                prompt = form.indexOf(name);
        if (std::string(program) == "rozavezavu") {
            EXPECT_EQ(prompt, -1) << "rozavezavu has none";
            return;
        }
        ASSERT_GE(prompt, 0) << program;
        EXPECT_TRUE(form.controls()[prompt].visible) << program << ": it asks for the first run";
        Hands hands;
        bool hiddenDuringTheRun = false;
        hands.onBegin = [&] { hiddenDuringTheRun = !form.controls()[prompt].visible; };
        form.setFrontEnd(&hands);
        clickStart(form);
        clickStart(form);
        form.setFrontEnd(nullptr);
        EXPECT_TRUE(hiddenDuringTheRun) << program;
        EXPECT_FALSE(form.controls()[prompt].visible) << program << ": not back after the runs";
    });
}

TEST(SpeedBar, TellsItsSettingAsHowManyTimesLongerTheRunTakesThanAtTheStartUpSpeed)
{
    forEachProgram([]<class Window>(const Demonstration& d) {
        // A window's first run, at a bar's setting: its factor, told before the run, and
        // the run's reference seconds.
        const auto firstRun = [&d](int bar, std::optional<int> value) {
            resetRnd();
            Window window;
            prepare(d, window);
            if (value)
                window.scrolled(bar, *value);
            const unsigned long long rnd = rndState();
            const double factor = window.speedFactor(bar);
            EXPECT_EQ(rndState(), rnd) << d.program << ": the rehearsals draw no random number of the run";
            clickStart(window);
            return std::pair(factor, window.pacing().runSeconds());
        };
        Window shape;
        for (int bar = 0; bar < int(shape.controls().size()); ++bar) {
            if (!shape.isSpeedBar(bar))
                continue;
            const Control& c = *shape.controls()[bar].design;
            const auto [atStartUp, startUpSeconds] = firstRun(bar, std::nullopt);
            EXPECT_EQ(atStartUp, 1) << d.program << ": at the start-up speed";
            for (const int value : {c.max, c.min}) {
                const auto [factor, seconds] = firstRun(bar, value);
                const double ratio = seconds / startUpSeconds;
                const std::string where = std::string(d.program) + ", " + c.name + " at " + std::to_string(value);
                if (std::abs(ratio - 1) > 1e-9) {
                    EXPECT_NEAR(factor, ratio, 1e-4 * ratio) << where;
                } else if (value != c.value) {  // a bar the run of this set-up does not read: its own slowdown
                    EXPECT_NE(factor, 1) << where;
                }
            }
        }
    });
    // "2,5× pomaleji": the factor as it is read out.
    EXPECT_EQ(shell::speedText(1.02), "výchozí rychlost");
    EXPECT_EQ(shell::speedText(2.54), "2,5\u00D7 pomaleji než výchozí");
    EXPECT_EQ(shell::speedText(28.3), "28\u00D7 pomaleji než výchozí");
    EXPECT_EQ(shell::speedText(1 / 1.3), "1,3\u00D7 rychleji než výchozí");
}

// As the user sees it, paced: at half the run's designed time the progress reads half.
// A run under the sanitizers does not keep the designed pace.
TEST(RunProgress, ReadsHalfAtHalfTheDesignedTime)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers slow the run below its designed pace";
#endif
    const auto halfway = [](Form& form) {
        using Clock = std::chrono::steady_clock;
        Clock::time_point began;
        std::optional<double> read;
        Hands hands;
        hands.onBegin = [&] { began = Clock::now(); };
        hands.onFrame = [&] {
            const auto progress = form.progress();
            if (read || !progress || form.rehearsedSteps().empty())
                return;
            const double designed = form.rehearsedSteps().back().seconds;
            if (std::chrono::duration<double>(Clock::now() - began).count() < designed / 2)
                return;
            read = progress->fraction();
            form.input().stopTheRun();  // the rest of the run adds nothing
        };
        form.setFrontEnd(&hands);
        clickStart(form);
        form.setFrontEnd(nullptr);
        return read.value_or(-1);
    };
    parabola::ParabolaQED parabola;
    parabola.load();
    EXPECT_NEAR(halfway(parabola), 0.5, 0.05) << "parabola";
    fringeworks::Animace fringeworks;
    fringeworks.load();
    fringeworks.select("opfot500");
    EXPECT_NEAR(halfway(fringeworks), 0.5, 0.05) << "fringeworks, 500 photons a point";
}
