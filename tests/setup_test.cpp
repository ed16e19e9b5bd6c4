// A window's set-up as a link: written, applied by the window's own handlers, the same
// run drawn again from it, and what cannot be read told and left at the defaults.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "program_windows.h"
#include "rnd.h"
#include "setup.h"

namespace {
void clickStart(Form& form) { form.clicked(form.startButton()); }

// What a set-up decides of a window: the options, the check boxes, the bars and the
// parameter boxes (which a run may change: withBoxes only before one).
struct Settings {
    std::vector<bool> checked;
    std::vector<int> values;
    std::vector<std::string> texts;
    friend bool operator==(const Settings&, const Settings&) = default;
};
Settings settingsOf(const Form& form, bool withBoxes)
{
    Settings s;
    for (const ControlState& c : form.controls()) {
        s.checked.push_back(c.checked);
        s.values.push_back(c.value);
        s.texts.push_back(withBoxes && c.design->kind == Kind::ParameterBox ? c.text : "");
    }
    return s;
}

// A user's random set-up: options clicked, check boxes toggled, bars moved.
void setUpAtRandom(Form& form, std::mt19937& random)
{
    const std::vector<ControlState>& controls = form.controls();
    for (int click = 0; click < 6; ++click) {
        const int i = std::uniform_int_distribution<int>(0, int(controls.size()) - 1)(random);
        const Control& c = *controls[i].design;
        if (!controls[i].visible || (controls[i].frame >= 0 && !controls[controls[i].frame].visible))
            continue;
        if (c.kind == Kind::OptionButton)
            form.clicked(i);
        else if (c.kind == Kind::CheckBox)
            form.clicked(i, !controls[i].checked);
        else if (c.kind == Kind::HScrollBar)
            form.scrolled(i, std::uniform_int_distribution<int>(c.min, std::min(c.max, c.min + 3))(random));
    }
}
}  // namespace

TEST(SetUpLink, OpensEveryProgramInTheSetUpItWasWrittenFromAndDrawsTheSameRun)
{
    std::mt19937 random(3);
    forEachProgram([&random]<class Window>(const Demonstration& d) {
        for (int trial = 0; trial < 4; ++trial) {
            // A window set up by a user; in every other trial it has run once, and its link
            // shows that run again.
            resetRnd();
            Window shown;
            shown.load();
            shown.pacing().setFree(true);
            setUpAtRandom(shown, random);
            const bool ranFirst = trial % 2;
            const unsigned long long seed = rndState();
            if (ranFirst)
                clickStart(shown);
            const std::string link = setup::link(shown, d.program);
            EXPECT_EQ(setup::programOf(link), d.program);

            setRndState(12345);  // the link's seed, not the generator's state, decides
            Window opened;
            opened.load();
            opened.pacing().setFree(true);
            const setup::Applied applied = setup::apply(opened, d.program, link);
            const std::string where = std::string(d.program) + ": " + link;
            EXPECT_TRUE(applied.problems.empty()) << where << ": " << setup::message(applied);
            EXPECT_TRUE(settingsOf(opened, !ranFirst) == settingsOf(shown, !ranFirst)) << where;
            EXPECT_EQ(setup::link(opened, d.program), link) << "written again, the same link";
            if (shown.drawsRandomNumbers()) {
                EXPECT_EQ(rndState(), seed) << where;
            }
            clickStart(opened);
            if (!ranFirst) {
                setRndState(seed);
                clickStart(shown);
            }
            EXPECT_TRUE(opened.surface().image() == shown.surface().image()) << where << ": not the same picture";
        }
    });
}

TEST(SetUpLink, WhatCannotBeReadIsToldAndLeftAtTheDefaults)
{
    // Each bad in its own way; fringeworks' own options, its speed bar (1 to 3) and seed.
    const std::string tooLong(setup::kLongest + 1, 'a');
    const std::vector<std::string> bad = {
        "opNeexistuje",
        "HScroll1=abc",
        "HScroll1=0",
        "HScroll1=4",
        "HScroll1=99999999999999999999",
        "HScroll1",
        "HScroll1=2.5",
        "HScroll1=+2",
        "opfot500=1",
        "seed=abc",
        "seed=-1",
        "seed=123456789012345678901234567890",
        "seed",
        "start=1",
        "%ZZ",
        "opfot500%",
        "opfot500%2",
        "op%C3",
        "op%00",
        "op%0A500",
        "=5",
        "cmdStart",
        "labKlepnete=1",
        "nPocetFotonu=500",
        "https://svetlo-a-sipky.example.org/parabola.html?opfot500",
        "nothing.html?opfot500",
        "fringeworks.html?%FF%FE",
        tooLong,
        "ch\xC3(",
    };
    ASSERT_GE(bad.size(), 20u);
    resetRnd();
    fringeworks::Animace defaults;
    defaults.load();
    for (const std::string& text : bad) {
        const unsigned long long rnd = rndState();
        fringeworks::Animace opened;
        opened.load();
        const setup::Applied applied = setup::apply(opened, "fringeworks", text);
        const std::string message = setup::message(applied);
        EXPECT_EQ(applied.problems.size(), 1u) << text << ": " << message;
        EXPECT_EQ(message.rfind("Odkaz se nepodařilo přečíst celý: ", 0), 0u) << text;
        EXPECT_TRUE(settingsOf(opened, true) == settingsOf(defaults, true)) << text << ": the defaults stay";
        EXPECT_EQ(rndState(), rnd) << text << ": no seed was read";
        EXPECT_FALSE(applied.start) << text;
    }
    // A page's address without a set-up, or a bare set-up: nothing to tell.
    for (const char* plain : {"http://127.0.0.1:8000/fringeworks.html", "fringeworks.html", "", "opFot10"}) {
        fringeworks::Animace opened;
        opened.load();
        EXPECT_TRUE(setup::apply(opened, "fringeworks", plain).problems.empty()) << plain;
    }
    // What can be read of a link is applied all the same.
    fringeworks::Animace opened;
    opened.load();
    const setup::Applied applied = setup::apply(opened, "fringeworks", "opfot500&opNic&HScroll1=3&seed=77&start");
    EXPECT_EQ(applied.problems.size(), 1u);
    EXPECT_NE(setup::message(applied).find("opNic"), std::string::npos) << "the message names what it could not read";
    EXPECT_TRUE(opened.isSelected("opfot500"));
    EXPECT_EQ(opened.scrollValue("HScroll1"), 3);
    EXPECT_EQ(rndState(), 77u);
    EXPECT_TRUE(applied.start);
}

// Random texts, most of them links damaged at random: reading one never fails, and what
// the window is then set to is written as a link that reads back whole.
TEST(SetUpLink, ReadsAHundredThousandRandomTextsWithoutFault)
{
    std::mt19937 random(11);
    long long texts = 0;
    forEachProgram([&]<class Window>(const Demonstration& d) {
        Window window;
        window.load();
        std::string link = setup::link(window, d.program, true);
        const auto any = [&random](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(random); };
        const std::string alphabet = "&=%?#/.0123456789abcdefABCDEFopHScrol_-seedstart\xC3\xA1\xFF ";
        for (int i = 0; i < 12500; ++i, ++texts) {
            std::string text = i % 10 == 0 ? std::string() : link;
            for (std::size_t change = any(6); change > 0; --change) {
                const std::size_t at = text.empty() ? 0 : any(text.size() - 1);
                const char c = alphabet[any(alphabet.size() - 1)];
                switch (any(3)) {
                case 0: text.insert(at, 1, c); break;
                case 1: if (!text.empty()) text.erase(at, 1); break;
                case 2: if (!text.empty()) text[at] = c; break;
                default: text += std::string(any(40), c); break;
                }
            }
            const setup::Applied applied = setup::apply(window, d.program, text);
            ASSERT_EQ(applied.problems.empty(), setup::message(applied).empty());
            if (i % 250 == 0) {
                link = setup::link(window, d.program);
                ASSERT_TRUE(setup::apply(window, d.program, link).problems.empty()) << d.program << ": " << link;
            }
        }
    });
    EXPECT_EQ(texts, 100000);
}
