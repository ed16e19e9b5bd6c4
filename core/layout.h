#pragma once
#include <span>

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

enum class Kind {
    CommandButton,
    Frame,
    OptionButton,
    CheckBox,
    Label,
    CaptionBox,  // a text box that serves as a caption: shown, never edited
    ParameterBox,  // a hidden text box holding one parameter as text
    Picture,  // a formula picture, rendered as rich text
    HScrollBar,
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

// An option whose Click handler writes one number into one parameter box and does nothing else.
struct OptionValue {
    const char* option;
    const char* box;
    double value;
};
