// The input during a run as both front ends hand it over, the settings a picture is
// described with, and what the page's script shares with the program: the core alone.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "form.h"
#include "page_constants.h"

namespace {
const Control kLayout[] = {
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {7000, 120, 975, 495}},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {8200, 120, 975, 495}},
    {.kind = Kind::Frame, .name = "frmBarva", .text = "Barva", .at = {120, 1200, 1500, 900}},
    {.kind = Kind::OptionButton, .name = "opČervená", .text = "Červená ", .at = {120, 240, 1200, 255},
     .frame = "frmBarva"},
    {.kind = Kind::OptionButton, .name = "opModrá", .text = "Modrá", .at = {120, 480, 1200, 255},
     .frame = "frmBarva"},
    {.kind = Kind::Frame, .name = "frmRychlost", .text = "Rychlost", .at = {120, 120, 1500, 900}},
    {.kind = Kind::OptionButton, .name = "opRychlá", .text = "Rychlá", .at = {120, 240, 1200, 255},
     .frame = "frmRychlost", .checked = true},
    {.kind = Kind::Frame, .name = "frmSkryty", .text = "Skrytý", .at = {0, 0, 100, 100}, .visible = false},
    {.kind = Kind::OptionButton, .name = "opSkryta", .text = "Skrytá", .frame = "frmSkryty", .checked = true},
    {.kind = Kind::CheckBox, .name = "chDisperze", .text = "Disperze", .at = {2000, 1440, 1500, 255}},
    {.kind = Kind::ParameterBox, .name = "nBarva"},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .min = 1, .max = 10, .value = 1},
};

// A window whose runs write what happened; the user's input comes in during a run through
// `during`, as a front end would hand it over.
struct Window : Form {
    std::vector<std::string> log;
    std::function<void()> during;
    int runs = 0;
    Window() : Form("frmZkouska", "Zkouska", kLayout)
    {
        pacing().setFree(true);
        onClick("opČervená", [this] { log.push_back("red"); });
        onClick("opModrá", [this] { log.push_back("blue"); });
        onStart("cmdStart", [this] {
            log.push_back("run " + std::to_string(++runs));
            if (auto act = std::exchange(during, nullptr))
                act();
            pacing().wait(1);  // where a stop takes effect
            log.push_back("run " + std::to_string(runs) + " drawn");
        });
        onEnd("cmdKonec");
    }
    // The user's click on a control, as the front end hands it over during a run.
    RunInput::Verdict click(const char* name)
    {
        return input().input(RunInput::Pointer::Other, nullptr, [this, i = indexOf(name)] { clicked(i); });
    }
    RunInput::Verdict key(RunInput::Key key, bool pressed = true, bool repeated = false, bool modified = false)
    {
        return input().key(key, pressed, repeated, modified, [this] { log.push_back("key served"); });
    }
};

struct Closer : FrontEnd {
    std::vector<std::string> seen;
    void controlChanged(int, Change) override {}
    void showPicture() override {}
    void handled() override {}
    int ask(const std::string&, const std::string&) override { return Form::vbNo; }
    void runEnded() override { seen.push_back("run ended"); }
    void closeWindow() override { seen.push_back("close"); }
};

using V = RunInput::Verdict;
using K = RunInput::Key;
}  // namespace

TEST(RunInput, WhatComesDuringARunIsServedAfterItInOrderAndEscAndPSteerIt)
{
    Window w;
    EXPECT_EQ(w.click("opModrá"), V::Now) << "outside a run the front end handles it itself";
    w.during = [&] {
        EXPECT_EQ(w.click("opModrá"), V::Held);
        EXPECT_EQ(w.key(K::Other), V::Held);
        EXPECT_EQ(w.key(K::P, true, false, true), V::Held) << "Ctrl+P is no pause";
        EXPECT_FALSE(w.pacing().isPaused());
        EXPECT_EQ(w.key(K::P), V::Steered);
        EXPECT_TRUE(w.pacing().isPaused());
        EXPECT_EQ(w.key(K::P, false), V::Steered) << "its release is spent";
        EXPECT_EQ(w.key(K::Pause, true, true), V::Steered) << "a repeat is spent";
        EXPECT_TRUE(w.pacing().isPaused());
        EXPECT_EQ(w.key(K::Pause), V::Steered);
        EXPECT_FALSE(w.pacing().isPaused());
        EXPECT_EQ(w.click("opČervená"), V::Held);
        EXPECT_EQ(w.input().key(K::Other, true, false, false, {}), V::Now) << "what cannot wait is handled now";
        EXPECT_EQ(w.log, (std::vector<std::string>{"run 1"})) << "nothing is served during the run";
    };
    w.clicked(w.indexOf("cmdStart"));
    EXPECT_EQ(w.log, (std::vector<std::string>{"run 1", "run 1 drawn", "blue", "key served", "key served", "red"}));
    EXPECT_TRUE(w.isSelected("opČervená"));
    EXPECT_EQ(w.input().waiting(), 0u);

    // Esc stops the run at its next step; what came before it is served, except the runs it asks for.
    w.log.clear();
    w.during = [&] {
        w.click("cmdStart");
        w.click("opModrá");
        EXPECT_EQ(w.key(K::Escape), V::Steered);
        EXPECT_TRUE(w.pacing().isStopping());
        w.click("cmdStart");
    };
    w.clicked(w.indexOf("cmdStart"));
    EXPECT_EQ(w.log, (std::vector<std::string>{"run 2", "blue", "run 3", "run 3 drawn"}))
        << "the Start held before the Esc is cancelled, the one after it runs";
}

TEST(RunInput, PointerMovesMergeAndADoubleClickStandsForItsPress)
{
    Window w;
    std::vector<std::string> served;
    const int a = 0, b = 0;
    const auto hold = [&](RunInput::Pointer what, const void* target, std::string name) {
        w.input().input(what, target, [&served, name] { served.push_back(name); });
    };
    using P = RunInput::Pointer;
    w.during = [&] {
        hold(P::Move, &a, "move a1");
        hold(P::Move, &a, "move a2");
        hold(P::Move, &b, "move b");
        hold(P::Move, &a, "move a3");
        hold(P::Press, &a, "press");
        hold(P::DoubleClick, &a, "double click");
        hold(P::Release, &a, "release");
        hold(P::Move, &a, "move a4");
    };
    w.clicked(w.indexOf("cmdStart"));
    EXPECT_EQ(served, (std::vector<std::string>{"move a2", "move b", "move a3", "double click", "release", "move a4"}));
}

TEST(RunInput, TheRunsControlsTakeTheirInputAtOnceAndKGoesOneStep)
{
    Window w;
    std::vector<std::string> served;
    using Verdict = RunInput::Verdict;
    using Key = RunInput::Key;
    const auto serve = [&](std::string name) { return [&served, name] { served.push_back(name); }; };
    std::vector<Verdict> verdicts;
    std::vector<Pacing::State> states;
    w.during = [&] {
        RunInput& in = w.input();
        const auto bar = RunInput::Aim::RunControl;
        verdicts.push_back(in.input(RunInput::Pointer::Press, nullptr, serve("bar press"), bar));
        verdicts.push_back(in.key(Key::Other, true, false, false, serve("bar key"), bar));
        verdicts.push_back(in.input(RunInput::Pointer::Press, nullptr, serve("press")));
        verdicts.push_back(in.key(Key::P, true, false, false, serve("P"), bar));
        states.push_back(w.pacing().state());
        in.key(Key::Step, true, false, false, serve("K"));
        states.push_back(w.pacing().state());
        in.key(Key::Step, false, false, false, serve("K released"));
        in.key(Key::P, true, false, false, serve("P"));  // a step going on goes on as the run
        states.push_back(w.pacing().state());
    };
    w.clicked(w.indexOf("cmdStart"));
    EXPECT_EQ(verdicts, (std::vector<Verdict>{Verdict::Now, Verdict::Now, Verdict::Held, Verdict::Steered}));
    EXPECT_EQ(states, (std::vector<Pacing::State>{Pacing::State::Paused, Pacing::State::Stepping, Pacing::State::Running}));
    EXPECT_EQ(served, (std::vector<std::string>{"press"})) << "only what aims at the window waits for the run";
}

TEST(RunInput, ACloseStopsTheRunAndClosesAfterItAndKonecServedDropsTheRest)
{
    Window w;
    Closer front;
    w.setFrontEnd(&front);
    int stops = 0;
    w.input().onStop = [&] { ++stops; };
    EXPECT_TRUE(w.input().close()) << "no run: the window closes now";
    w.during = [&] {
        w.click("opModrá");
        EXPECT_FALSE(w.input().close());
        EXPECT_TRUE(w.pacing().isStopping());
    };
    w.clicked(w.indexOf("cmdStart"));
    EXPECT_EQ(stops, 1) << "a question the run waits for is answered";
    EXPECT_EQ(front.seen, (std::vector<std::string>{"run ended", "close"}));
    EXPECT_EQ(w.log, (std::vector<std::string>{"run 1"})) << "what was held is dropped with the window";
    EXPECT_EQ(w.input().waiting(), 0u);

    front.seen.clear();
    w.log.clear();
    w.during = [&] {
        w.click("cmdKonec");
        w.click("opModrá");
    };
    w.clicked(w.indexOf("cmdStart"));
    EXPECT_EQ(front.seen, (std::vector<std::string>{"run ended", "close"}));
    EXPECT_EQ(w.log, (std::vector<std::string>{"run 2", "run 2 drawn"})) << "nothing is served after Konec";
    w.setFrontEnd(nullptr);
}

TEST(RunInput, ARunStartedByWhatIsServedHoldsItsInputBehindWhatStillWaits)
{
    Window w;
    w.during = [&] {
        w.click("cmdStart");
        w.click("opČervená");
        // The second run, started by the held Start, gets input of its own.
        w.during = [&] { w.click("opModrá"); };
    };
    w.clicked(w.indexOf("cmdStart"));
    EXPECT_EQ(w.log, (std::vector<std::string>{"run 1", "run 1 drawn", "run 2", "run 2 drawn", "red", "blue"}));
    EXPECT_TRUE(w.isSelected("opModrá"));
}

TEST(PictureDescription, NamesTheChosenOptionsAndCheckBoxesShownInReadingOrder)
{
    Window w;
    w.select("opModrá");
    EXPECT_EQ(w.settingsDrawn(), "Rychlost: Rychlá; Disperze: ne; Barva: Modrá")
        << "top to bottom; a hidden frame's options are not there";
    w.clicked(w.indexOf("chDisperze"), true);
    w.setShown("frmRychlost", false);
    w.setTop("frmBarva", 0);  // moved up: its first option stands in the check box's row, left of it
    w.select("opČervená");
    EXPECT_EQ(w.describeDrawn("Dvě barvy."), "Dvě barvy. Nakresleno s nastavením: Barva: Červená; Disperze: ano.");
}

TEST(PageConstants, ThePageKnowsEveryKindOfControlTheProgramMakes)
{
    const std::string js = pageConstants();
    std::ifstream file(SUITE_PAGE_SCRIPT);
    ASSERT_TRUE(file) << SUITE_PAGE_SCRIPT;
    std::stringstream page;
    page << file.rdbuf();
    int kinds = 0;
#define SUITE_KIND(name)                                                                                 \
    ++kinds;                                                                                             \
    EXPECT_NE(js.find(std::string(#name ": ") + std::to_string(int(Kind::name))), std::string::npos)    \
        << #name " is missing from the page's table of kinds";                                           \
    EXPECT_NE(page.str().find("Kind." #name), std::string::npos) << "page.js makes no control of kind " #name;
    SUITE_CONTROL_KINDS(SUITE_KIND)
#undef SUITE_KIND
    EXPECT_EQ(kinds, int(Kind::HScrollBar) + 1);
    // The page writes none of the program's own numbers or texts.
    for (const char* own : {shell::kStartTip, shell::kSpeedBar, "Nakresleno", "0xC0C0C0", "/ 15", "kTwips"})
        EXPECT_EQ(page.str().find(own), std::string::npos) << own;
    EXPECT_FALSE(std::regex_search(page.str(), std::regex(R"(Kind\s*=\s*\{)"))) << "page.js keeps no table of its own";
}
