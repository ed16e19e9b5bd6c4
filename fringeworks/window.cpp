#include "window.h"

namespace fringeworks {

namespace {
const Control kLayout[] = {
    {.kind = Kind::CaptionBox, .name = "nTitul", .text = "Interferenční obrazce „palby fotonů“",
     .at = {720, 0, 5055, 375}, .font = TNR(15.75, true)},
    {.kind = Kind::Label, .name = "labKlepnete", .text = "Klepněte na tlačítko Start", .at = {2880, 4680, 5775, 615},
     .font = TNR(24, true)},

    // Captions of the picture, revealed when a run ends.
    {.kind = Kind::CaptionBox, .name = "nClona", .text = "Clona s dvěma dírkami", .at = {1080, 600, 2415, 375},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::CaptionBox, .name = "nDetektor", .text = "Detektor", .at = {4320, 600, 1335, 375},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::CaptionBox, .name = "nSoučet", .text = "Součet vektorů", .at = {6000, 600, 1695, 255},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::CaptionBox, .name = "nPravděpodobnost", .text = "Pravděpodobnost", .at = {8520, 600, 2055, 285},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::CaptionBox, .name = "nZdroj", .text = "Zdroj", .at = {600, 4680, 615, 285},
     .font = TNR(12, true), .visible = false},

    // The photon counts stand on a diagonal, each a step lower and further right.
    {.kind = Kind::Frame, .name = "frmPočetFotonů", .text = "Počet fotonů na bod", .at = {240, 1080, 1815, 1815},
     .font = TNR(9.75, true)},
    {.kind = Kind::OptionButton, .name = "opFot1", .text = "1", .at = {120, 240, 495, 255}, .font = MSS(9.75),
     .frame = "frmPočetFotonů"},
    {.kind = Kind::OptionButton, .name = "opFot5", .text = "5", .at = {240, 480, 855, 195}, .font = MSS(9.75),
     .frame = "frmPočetFotonů"},
    {.kind = Kind::OptionButton, .name = "opFot10", .text = "10", .at = {480, 720, 615, 255}, .font = MSS(9.75),
     .frame = "frmPočetFotonů"},
    {.kind = Kind::OptionButton, .name = "op50", .text = "50", .at = {600, 960, 615, 195}, .font = MSS(9.75),
     .frame = "frmPočetFotonů"},
    {.kind = Kind::OptionButton, .name = "opFot100", .text = "100", .at = {840, 1200, 735, 195}, .font = MSS(9.75),
     .frame = "frmPočetFotonů"},
    {.kind = Kind::OptionButton, .name = "opfot500", .text = "500", .at = {1080, 1440, 615, 255}, .font = MSS(9.75),
     .frame = "frmPočetFotonů"},

    // The speed options stay hidden: the scroll bar is the user's speed control.
    {.kind = Kind::Frame, .name = "frmAnimace", .text = "Animace", .at = {240, 3000, 1335, 1215},
     .font = TNR(9.75, true), .visible = false},
    {.kind = Kind::OptionButton, .name = "opRychlá", .text = "Rychlá", .at = {240, 360, 855, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalejší", .text = "Pomalejší", .at = {240, 600, 975, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .at = {240, 840, 855, 255},
     .frame = "frmAnimace"},

    {.kind = Kind::HScrollBar, .name = "HScroll1", .at = {1680, 360, 2415, 255}, .min = 1, .max = 3, .value = 1},
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {8760, 120, 1095, 375},
     .font = TNR(14.25, true)},
    {.kind = Kind::CommandButton, .name = "cmdUnload", .text = "Konec", .at = {10320, 120, 1215, 375},
     .font = TNR(14.25, true)},

    // The parameters, as text.
    {.kind = Kind::ParameterBox, .name = "nPocetFotonu"},
    {.kind = Kind::ParameterBox, .name = "nRd"},
    {.kind = Kind::ParameterBox, .name = "nUr"},
    {.kind = Kind::ParameterBox, .name = "nVzdalenost"},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni"},
};

// The options that only write their value into a parameter box.
constexpr OptionValue kOptionValues[] = {
    {"opFot1", "nPocetFotonu", 1},
    {"opFot5", "nPocetFotonu", 5},
    {"opFot10", "nPocetFotonu", 10},
    {"op50", "nPocetFotonu", 50},
    {"opFot100", "nPocetFotonu", 100},
    {"opfot500", "nPocetFotonu", 500},
};
// The speed of the animation: the bar, the box its runs read the slowdown from, and the
// options of its frame with the slowdowns they write.
constexpr SpeedChoice kSlowdowns[] = {{"opPomalá", 3}, {"opPomalejší", 2}, {"opRychlá", 1}};
constexpr SpeedBar kSpeed[] = {
    {.bar = "HScroll1", .box = "nSpomaleni", .frame = "frmAnimace", .choices = kSlowdowns},
};
}  // namespace

Animace::Animace()
    : Program({.formName = "Animace", .title = "fringeworks", .layout = kLayout, .start = "cmdStart",
               .run = &Animace::cmdStart_Click, .end = "cmdUnload", .options = kOptionValues, .speed = kSpeed,
               .load = &Animace::Form_Load, .ownSteps = true, .random = true, .prompt = "labKlepnete",
               .runBar = Corner::BottomRight})  // the detector's arrows reach down on the left
{
}

void Animace::Form_Load()
{
    select(op50_);
    setText(nPocetFotonu_, "50");
    setText(nRd_, "40");
    setText(nUr_, "1");
    setText(nVzdalenost_, "200");
    select(opRychlá_);
    setText(nSpomaleni_, "1");
}

}  // namespace fringeworks
