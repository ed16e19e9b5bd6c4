#include "window.h"

namespace glassecho {

namespace {
const Control kLayout[] = {
    {.kind = Kind::Label, .name = "labTitul", .text = "glassecho ve sklíčku", .at = {1800, 0, 4455, 375},
     .font = TNR(14.25, true)},
    {.kind = Kind::Label, .name = "labKlepnete", .text = "Klepněte na tlačítko Start", .at = {1200, 3600, 2895, 855},
     .font = TNR(15.75, true), .align = Align::Centre},
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {6960, 0, 1215, 495},
     .font = TNR(15.75, true)},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {8520, 0, 1215, 495},
     .font = TNR(15.75, true)},

    {.kind = Kind::Frame, .name = "frmKmitočet", .text = "Kmitočet", .at = {2640, 840, 1335, 1095},
     .font = TNR(12, true)},
    {.kind = Kind::OptionButton, .name = "op01", .text = "červený", .at = {120, 240, 1095, 345}, .font = TNR(12),
     .frame = "frmKmitočet", .back = RGB(255, 128, 0)},
    {.kind = Kind::OptionButton, .name = "op02", .text = "zelený", .at = {120, 555, 1095, 255}, .font = TNR(12),
     .frame = "frmKmitočet", .back = RGB(0, 255, 0)},
    {.kind = Kind::OptionButton, .name = "op03", .text = "modrý", .at = {120, 840, 1095, 195}, .font = TNR(12),
     .frame = "frmKmitočet", .back = RGB(192, 192, 255)},

    {.kind = Kind::Frame, .name = "opAnimace", .text = "Animace", .at = {6960, 720, 1215, 1215},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::OptionButton, .name = "opRychlá", .text = "Rychlá", .at = {120, 360, 855, 195},
     .frame = "opAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalejší", .text = "Pomalejší", .at = {120, 600, 975, 195},
     .frame = "opAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .at = {120, 840, 855, 255},
     .frame = "opAnimace"},

    {.kind = Kind::HScrollBar, .name = "HScroll1", .at = {2280, 480, 2535, 255}, .min = 1, .max = 10, .value = 1},

    // The scene's captions, revealed at the end of a run.
    {.kind = Kind::Label, .name = "labZdroj", .text = "Zdroj", .at = {720, 840, 615, 255}, .font = TNR(12, true),
     .visible = false},
    {.kind = Kind::Label, .name = "labDetektor", .text = "Detektor", .at = {4800, 840, 975, 255},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::Label, .name = "labSklíčko", .text = "Sklíčko", .at = {6120, 3480, 975, 255},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::Label, .name = "labSoučet", .text = "Součet radiusvektorů", .at = {6360, 5040, 2415, 255},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::Label, .name = "labPravděpodobnost", .text = "Pravděpodobnost", .at = {9600, 2640, 1935, 255},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::Label, .name = "labSilaSkla", .text = "Síla skla", .at = {7920, 7560, 975, 255},
     .font = TNR(12, true), .visible = false, .fore = colours::windowText},

    {.kind = Kind::ParameterBox, .name = "nFrekvence"},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni"},
    {.kind = Kind::ParameterBox, .name = "nStartuje", .text = "Ano"},
};

// Each option writes its value into its parameter box and does nothing else.
const OptionValue kOptionValues[] = {
    {"op01", "nFrekvence", 0.1},   {"op02", "nFrekvence", 0.2},      {"op03", "nFrekvence", 0.3},
};
// The speed of the animation: the bar, the box its runs read the slowdown from, and the
// options of its frame with the slowdowns they write.
constexpr SpeedChoice kSlowdowns[] = {{"opRychlá", 1}, {"opPomalejší", 5}, {"opPomalá", 10}};
constexpr SpeedBar kSpeed[] = {
    {.bar = "HScroll1", .box = "nSpomaleni", .frame = "opAnimace", .choices = kSlowdowns},
};
}  // namespace

Rozptyl::Rozptyl()
    : Program({.formName = "Rozptyl", .title = "glassecho", .layout = kLayout, .start = "cmdStart",
               .run = &Rozptyl::cmdStart_Click, .end = "cmdKonec", .options = kOptionValues, .speed = kSpeed,
               .load = &Rozptyl::Form_Load, .prompt = "labKlepnete"})
{
}

void Rozptyl::Form_Load()
{
    select(op01_);
    setText(nFrekvence_, "0.1");
    select(opRychlá_);
    setText(nSpomaleni_, "1");
}

}  // namespace glassecho
