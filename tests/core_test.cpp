// The core's services: number texts, random numbers, pacing, and a window's controls
// and handlers without a front end.
#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <clocale>
#include <cmath>
#include <random>
#include <set>
#include <stdexcept>

#include "form.h"
#include "numbers.h"
#include "pacing.h"

#include "rnd.h"
#include "vocabulary.h"

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
        EXPECT_EQ(textToNumber(numberToText(v)), v) << numberToText(v);
    }
    for (double v : {1e-300, 1e300, 5e-324, 1.7976931348623157e308})
        EXPECT_EQ(textToNumber(numberToText(v)), v);
}

// The browser's library has no floating-point to_chars: its conversions write and read
// what the desktop's do.
TEST(NumberText, TheConversionsOfTheCLibraryAgreeWithTheStandardOnes)
{
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    std::vector<double> values{0, 1, -1, 0.1, 0.3, 2.5, 1e-9, 9.999e15, 123456789012345.6, 5e-324, 1e300, -1e-10};
    for (int i = 0; i < 5000; ++i)
        values.push_back(any(gen) * std::pow(10.0, int(gen() % 50) - 25));
    for (const double v : values)
        for (const auto format : {std::chars_format::fixed, std::chars_format::general}) {
            if (format == std::chars_format::fixed && std::fabs(v) >= 1e16)
                continue;
            char buffer[400];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, format).ptr;
            ASSERT_EQ(portable::shortestDecimal(v, format == std::chars_format::fixed), std::string(buffer, end)) << v;
        }
    for (const char* text : {"12.5abc", "-3", "-.5", ".5", "5.", "1e3", "1e", "1e+", "2E-2x", "0x10", "abc", "", "-",
                             ".", "inf", "nan", "1.5.5", "007", "1e400", "--1"}) {
        double expected = 0;
        const std::string_view t(text);
        const auto result = std::from_chars(t.data(), t.data() + t.size(), expected);
        if (result.ec != std::errc() || !std::isfinite(expected))
            expected = 0;
        const double read = portable::leadingNumber(text);
        EXPECT_EQ(std::isfinite(read) ? read : 0, expected) << text;
    }
}

// A user's locale with a decimal comma changes nothing the programs write or read, on
// the desktop or with the C library's conversions the browser uses.
TEST(NumberText, DoesNotDependOnTheUsersLocale)
{
    struct Restore {
        std::string locale = std::setlocale(LC_ALL, nullptr);
        ~Restore() { std::setlocale(LC_ALL, locale.c_str()); }
    } restore;
    if (!std::setlocale(LC_ALL, "cs_CZ.UTF-8"))
        GTEST_SKIP() << "the Czech locale cs_CZ.UTF-8 is not installed here (scripts/setup.sh installs it)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the Czech locale writes a decimal comma";
    EXPECT_EQ(numberToText(0.75), "0.75");
    EXPECT_EQ(textToNumber("0.75"), 0.75);
    EXPECT_EQ(portable::shortestDecimal(0.75, true), "0.75");
    EXPECT_EQ(portable::shortestDecimal(-2.5e-7, false), "-2.5e-07");
    EXPECT_EQ(portable::leadingNumber("0.75"), 0.75);
    EXPECT_EQ(portable::leadingNumber("-1.5e3x"), -1500);
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
    EXPECT_LT(shortSeconds, 0.5) << "a short wait is paid as it is, not a timer's tick each";
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

// ---------------------------------------------------------------- a window without a front end

namespace {
const Control kLayout[] = {
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start"},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec"},
    {.kind = Kind::Frame, .name = "frmBarva", .text = "Barva"},
    {.kind = Kind::OptionButton, .name = "opČervená", .text = "Červená", .frame = "frmBarva"},
    {.kind = Kind::OptionButton, .name = "opModrá", .text = "Modrá", .frame = "frmBarva"},
    {.kind = Kind::Frame, .name = "frmRychlost", .text = "Rychlost"},
    {.kind = Kind::OptionButton, .name = "opRychlá", .text = "Rychlá", .frame = "frmRychlost"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .frame = "frmRychlost"},
    {.kind = Kind::CheckBox, .name = "chDisperze", .text = "Disperze", .checked = true},
    {.kind = Kind::ParameterBox, .name = "nBarva", .text = "Barva"},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni"},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .min = 1, .max = 10, .value = 1},
};
constexpr OptionValue kSpeeds[] = {{"opRychlá", "nSpomaleni", 1}, {"opPomalá", "nSpomaleni", 0.25}};

struct Recorder : FrontEnd {
    std::vector<std::string> seen;
    const Form* form = nullptr;
    void controlChanged(int control, Change what) override
    {
        seen.push_back(std::string(form->controls()[control].design->name) + (what == Change::Text ? " text" : " other"));
    }
    void showPicture() override { seen.push_back("frame"); }
    void handled() override { seen.push_back("handled"); }
    int ask(const std::string&, const std::string&) override { return Form::vbYes; }
    void closeWindow() override { seen.push_back("close"); }
};

struct Plain : Form {
    std::vector<std::string> log;
    Plain() : Form("frmZkouska", "Zkouska", kLayout)
    {
        onClick("opČervená", [this] { log.push_back("red"), setNumber("nBarva", 0.5); });
        onClick("opModrá", [this] { log.push_back("blue"), setNumber("nBarva", 1); });
        onOptions(kSpeeds);
        onChange("HScroll1", [this] { setNumber("nSpomaleni", scrollValue("HScroll1")); });
        onStart("cmdStart", [this] { log.push_back(isRunning() ? "run" : "not running"); });
        onEnd("cmdKonec");
    }
};
}  // namespace

TEST(Controls, ANameTheLayoutLacksOrAControlOfAnotherKindFailsLoudly)
{
    Plain f;
    EXPECT_THROW(f.text("nSpomalení"), std::logic_error);
    EXPECT_THROW(f.select("nBarva"), std::logic_error) << "a box is no option";
    EXPECT_THROW(f.named<BarRef>("cmdStart"), std::logic_error);
    EXPECT_THROW(f.onClick("HScroll1", [] {}), std::logic_error);
    EXPECT_NO_THROW(f.named<ButtonRef>("chDisperze")) << "a check box takes a click";
    const Control frameAfterItsOption[] = {
        {.kind = Kind::OptionButton, .name = "opA", .frame = "frmA"},
        {.kind = Kind::Frame, .name = "frmA"},
    };
    EXPECT_THROW(Form("frmChyba", "Chyba", frameAfterItsOption), std::logic_error);
    const Control twice[] = {{.kind = Kind::Label, .name = "labA"}, {.kind = Kind::Label, .name = "labA"}};
    EXPECT_THROW(Form("frmChyba", "Chyba", twice), std::logic_error);
    const SpeedChoice ofAnotherFrame[] = {{"opČervená", 2}};
    EXPECT_THROW(f.onSpeed({.bar = "HScroll1", .box = "nSpomaleni", .frame = "frmRychlost", .choices = ofAnotherFrame}),
                 std::logic_error)
        << "a speed option declared in a frame it is not in";
}

TEST(Controls, ASpeedBarAndItsFrameWriteTheSlowdownIntoOneBox)
{
    Plain f;
    const SpeedChoice slowdowns[] = {{"opRychlá", 1}, {"opPomalá", 400}};
    f.onSpeed({.bar = "HScroll1", .box = "nSpomaleni", .factor = 30, .offset = 1, .frame = "frmRychlost",
               .choices = slowdowns});
    f.scrolled(f.indexOf("HScroll1"), 7);
    EXPECT_EQ(f.text("nSpomaleni"), "211");
    f.select("opPomalá");
    EXPECT_EQ(f.text("nSpomaleni"), "400");
}

TEST(Controls, AnOptionIsTheChosenOneOfItsFrameAndRunsItsHandler)
{
    Plain f;
    f.select("opČervená");
    f.select("opPomalá");
    EXPECT_TRUE(f.isSelected("opČervená"));
    EXPECT_TRUE(f.isSelected("opPomalá")) << "options of another frame stay as they are";
    EXPECT_EQ(f.text("nBarva"), "0.5");
    EXPECT_EQ(f.text("nSpomaleni"), "0.25");
    f.clicked(f.indexOf("opModrá"));  // the user's click
    EXPECT_FALSE(f.isSelected("opČervená"));
    EXPECT_TRUE(f.isSelected("opModrá"));
    EXPECT_EQ(f.number("nBarva"), 1);
    EXPECT_EQ(f.log, (std::vector<std::string>{"red", "blue"}));
    f.clicked(f.indexOf("chDisperze"), false);
    EXPECT_FALSE(f.isChecked("chDisperze"));
    f.scrolled(f.indexOf("HScroll1"), 7);
    EXPECT_EQ(f.text("nSpomaleni"), "7");
}

TEST(Controls, TheFrontEndHearsOfEveryChangeAndShowsWhatAHandlerDidAfterIt)
{
    Plain f;
    Recorder r;
    r.form = &f;
    f.setFrontEnd(&r);
    f.select("opModrá");
    EXPECT_EQ(r.seen, (std::vector<std::string>{"opModrá other", "nBarva text", "handled"}));
    r.seen.clear();
    f.setNumber("nBarva", 1);
    EXPECT_TRUE(r.seen.empty()) << "the same text again changes nothing";
    f.clicked(f.indexOf("cmdStart"));
    EXPECT_EQ(f.log.back(), "run");
    EXPECT_EQ(r.seen, (std::vector<std::string>{"frame", "handled"})) << "the run's last frame, then the handler's";
    r.seen.clear();
    f.clicked(f.indexOf("cmdKonec"));
    EXPECT_EQ(r.seen.front(), "close");
    f.setFrontEnd(nullptr);
}

TEST(Controls, ARunAskedForDuringARunFollowsItAndAStopEndsBoth)
{
    Plain f;
    f.pacing().setFree(true);
    std::vector<std::string> log;
    f.run([&] {
        f.run([&] { log.push_back("second"); });
        log.push_back("first");
    });
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
    log.clear();
    f.run([&] {
        f.run([&] { log.push_back("second"); });
        f.pacing().stop();
        f.pacing().wait(1);
        log.push_back("after the stop");
    });
    EXPECT_TRUE(log.empty()) << "a stopped run draws nothing more, and what it queued is dropped";
    EXPECT_FALSE(f.isRunning());
    f.run([&] { log.push_back("next"); });
    EXPECT_EQ(log, (std::vector<std::string>{"next"}));
}

// ---------------------------------------------------------------- what the programs say alike

TEST(Vocabulary, TheEraserPaintsEveryRowOfItsBandOnceEitherWayAndByItsStep)
{
    DrawingSurface s{Size{40, 40}, colours::black};
    s.ScaleMode = DrawingSurface::Pixels;
    erase(s, 2, 30, 20, 11);  // upwards, rows 20 down to 11
    EXPECT_EQ(s.operations(), 10u);
    EXPECT_EQ(s.pixel(2, 11), toArgb(colours::grey));
    EXPECT_EQ(s.pixel(30, 20), toArgb(colours::grey));
    EXPECT_EQ(s.pixel(5, 10), toArgb(colours::black));
    EXPECT_EQ(s.pixel(5, 21), toArgb(colours::black));
    EXPECT_EQ(s.pixel(31, 15), toArgb(colours::black));
    erase(s, 0, 39, 1, 7, 3);  // rows 1, 4 and 7
    EXPECT_EQ(s.operations(), 13u);
    for (int y = 0; y <= 8; ++y)
        EXPECT_EQ(s.pixel(0, y), toArgb(y % 3 == 1 ? colours::grey : colours::black)) << y;
}

TEST(Vocabulary, AChainAddsItsArrowsHeadToTailAndItsSquaredSumIsTheProbability)
{
    Chain opposite({10, 10});
    opposite.add({50, 0});
    opposite.add({50, M_PI});
    EXPECT_NEAR(opposite.squared(), 0, 1e-20) << "two arrows against each other cancel";
    Chain along({10, 10});
    along.add({50, 1});
    const Point end = along.add({50, 1});
    EXPECT_NEAR(along.squared(), 100 * 100, 1e-9) << "in step they double the length, four times the chance";
    EXPECT_NEAR(end.x, 10 + 100 * std::cos(1), 1e-12);
    Chain right({0, 0});
    right.add({3, 0});
    right.add({4, M_PI / 2});
    EXPECT_NEAR(right.squared(), 25, 1e-12);
}

TEST(Vocabulary, TheOptionChosenIsReadBackFromTheTextItsHandlerWrote)
{
    constexpr double kFrequencies[] = {0.04, 0.03, 0.02};
    EXPECT_EQ(chosen(kFrequencies, numberToText(0.03)), 1);
    EXPECT_EQ(chosen(kFrequencies, "0.030"), -1) << "only the text a handler writes";
    constexpr const char* kStates[] = {"Hologr", "Rekonstr"};
    EXPECT_EQ(chosen(kStates, "Rekonstr"), 1);
    EXPECT_EQ(chosen(kStates, "Rámec"), -1);
}
