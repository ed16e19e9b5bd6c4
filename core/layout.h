#pragma once
#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

#include "colour.h"

// The layout tables of a window, in twips as the windows are designed.

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

// A font as the layout gives it: family, size in points at 96 pixels per inch, weight.
struct FontSpec {
    const char* family = nullptr;  // nullptr: the window system's default control font
    double points = 0;
    bool bold = false;
};

inline constexpr FontSpec TNR(double points, bool bold = false) { return {"Times New Roman", points, bold}; }
inline constexpr FontSpec MSS(double points, bool bold = false) { return {"MS Sans Serif", points, bold}; }
inline constexpr FontSpec Arial(double points, bool bold = false) { return {"Arial", points, bold}; }
inline constexpr FontSpec Symbol(double points, bool bold = false) { return {"Symbol", points, bold}; }

// The default font of the controls that carry none of their own.
inline constexpr FontSpec kDefaultControlFont{"MS Sans Serif", 8.25, false};
// The font a control is shown in: its own, or the default.
constexpr const FontSpec& shownFont(const FontSpec& font) { return font.family ? font : kDefaultControlFont; }
// The metric-compatible family that stands in for a designed one, on every front end
// (Symbol's letters are written as Unicode Greek).
constexpr const char* standInFamily(std::string_view family)
{
    if (family == "Times New Roman" || family == "Symbol")
        return "Liberation Serif";
    return "Liberation Sans";  // MS Sans Serif, Arial
}
// A size in points as whole pixels at 96 pixels per inch, times the window's scale.
inline int pointsToPixels(double points, double scale = 1) { return int(std::lround(points * 96.0 / 72.0 * scale)); }

// The kinds of control, in one list: the enum below and the page's table of them are made
// from it. CaptionBox: a text box that serves as a caption, shown, never edited;
// ParameterBox: a hidden text box holding one parameter as text; Picture: a formula
// picture, rendered as rich text.
#define SUITE_CONTROL_KINDS(X) \
    X(CommandButton)           \
    X(Frame)                   \
    X(OptionButton)            \
    X(CheckBox)                \
    X(Label)                   \
    X(CaptionBox)              \
    X(ParameterBox)            \
    X(Picture)                 \
    X(HScrollBar)
enum class Kind {
#define SUITE_KIND(name) name,
    SUITE_CONTROL_KINDS(SUITE_KIND)
#undef SUITE_KIND
};

enum class Align { Left, Centre, Right };

struct Control {
    Kind kind;
    const char* name;
    const char* text = "";  // caption or text (rich text for pictures)
    Twips at{};
    FontSpec font{};
    const char* frame = nullptr;  // the frame it sits in; its position is then relative to the frame
    bool visible = true;
    Colour back = colours::grey;
    Colour fore = colours::buttonText;
    Align align = Align::Left;
    bool border = false;  // caption boxes: drawn with a border
    int min = 0, max = 0, value = 0;  // scroll bars
    bool checked = false;  // check boxes
};

using Layout = std::span<const Control>;

// An option or a check box on the window's grey is see-through, so a frame's caption
// above it stays whole; on a colour it fills its place with it.
constexpr bool isSeeThrough(Kind kind, Colour back)
{
    return (kind == Kind::OptionButton || kind == Kind::CheckBox) && back == colours::grey;
}

// How far a scroll bar moves: an arrow by a hundredth of its range, the trough and the
// Page keys by a tenth; a short bar goes one position at a time.
struct BarSteps {
    int single = 1, page = 1;
};
inline BarSteps barSteps(const Control& bar)
{
    const int range = bar.max - bar.min;
    constexpr int shortRange = 20;
    if (range <= shortRange)
        return {};
    return {std::max(1, int(std::lround(range / 100.0))), std::max(1, int(std::lround(range / 10.0)))};
}

// The keys that move a scroll bar that has the focus, and where one moves it from `now`:
// the arrows by a step, the Page keys by a page, Home and End to its ends.
enum class BarKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };
inline int keyedValue(const Control& bar, int now, BarKey key)
{
    const BarSteps steps = barSteps(bar);
    int to = now;
    switch (key) {
    case BarKey::Left:
    case BarKey::Down:
        to = now - steps.single;
        break;
    case BarKey::Right:
    case BarKey::Up:
        to = now + steps.single;
        break;
    case BarKey::PageUp:
        to = now - steps.page;
        break;
    case BarKey::PageDown:
        to = now + steps.page;
        break;
    case BarKey::Home:
        return bar.min;
    case BarKey::End:
        return bar.max;
    }
    return std::clamp(to, bar.min, bar.max);
}

// An option whose Click handler writes one number into one parameter box and does nothing else.
struct OptionValue {
    const char* option;
    const char* box;
    double value;
};
