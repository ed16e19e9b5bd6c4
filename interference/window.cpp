#include "window.h"

namespace interference {

namespace {
const Control kLayout[] = {
    {.kind = Kind::Label, .name = "labInterference", .text = "Interference - dvě dírky v cloně",
     .at = {2040, 120, 4455, 375}, .font = TNR(15.75, true)},
    {.kind = Kind::Label, .name = "labKlepnete", .text = "Klepněte na tlačitko Start", .at = {2880, 2760, 3255, 855},
     .font = TNR(15.75, true), .align = Align::Centre},
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {8040, 120, 1095, 495},
     .font = TNR(14.25, true)},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {9240, 120, 975, 495},
     .font = TNR(14.25, true)},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .at = {2640, 600, 2055, 255}, .min = 1, .max = 20, .value = 1},

    {.kind = Kind::Frame, .name = "frmnRozteč", .text = "Rozteč dírek", .at = {240, 1200, 1335, 1335},
     .font = MSS(8.25, true)},
    {.kind = Kind::OptionButton, .name = "op60", .text = "větší", .at = {240, 240, 735, 195}, .frame = "frmnRozteč"},
    {.kind = Kind::OptionButton, .name = "op40", .text = "střední", .at = {240, 480, 855, 255},
     .frame = "frmnRozteč"},
    {.kind = Kind::OptionButton, .name = "op20", .text = "menší", .at = {240, 720, 855, 195}, .frame = "frmnRozteč"},
    {.kind = Kind::OptionButton, .name = "op0", .text = "0", .at = {240, 960, 735, 255}, .frame = "frmnRozteč"},

    // The distance options stand in a staircase, each lower one further right.
    {.kind = Kind::Frame, .name = "frmVzdalenostDetektoru", .text = "Vzdálenost Detektor-Clona",
     .at = {240, 3000, 2535, 1095}, .font = MSS(8.25, true)},
    {.kind = Kind::OptionButton, .name = "opDc200", .text = "větší", .at = {480, 240, 735, 195},
     .frame = "frmVzdalenostDetektoru"},
    {.kind = Kind::OptionButton, .name = "opDc150", .text = "střední", .at = {840, 480, 975, 255},
     .frame = "frmVzdalenostDetektoru"},
    {.kind = Kind::OptionButton, .name = "opdc100", .text = "menší", .at = {1320, 720, 975, 255},
     .frame = "frmVzdalenostDetektoru"},

    {.kind = Kind::Frame, .name = "frmKmitočet", .text = "Kmitočet", .at = {240, 4560, 1095, 975},
     .font = Arial(8.25, true)},
    {.kind = Kind::OptionButton, .name = "op05", .text = "větší", .at = {120, 240, 855, 255}, .frame = "frmKmitočet"},
    {.kind = Kind::OptionButton, .name = "op03", .text = "střední", .at = {120, 480, 855, 195},
     .frame = "frmKmitočet"},
    {.kind = Kind::OptionButton, .name = "op01", .text = "menší", .at = {120, 720, 735, 195}, .frame = "frmKmitočet"},

    // The speed options stay hidden: the scroll bar is the user's speed control.
    {.kind = Kind::Frame, .name = "frmAnimace", .text = "Animace", .at = {240, 5760, 1215, 975},
     .font = Arial(8.25, true), .visible = false},
    {.kind = Kind::OptionButton, .name = "opRychla", .text = "Rychlá", .at = {120, 240, 855, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "nPomalší", .text = "Pomalejší", .at = {120, 480, 975, 195},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .at = {120, 720, 855, 195},
     .frame = "frmAnimace"},

    // The parameters, as text.
    {.kind = Kind::ParameterBox, .name = "nOdchylka", .at = {6720, 600, 855, 285}},
    {.kind = Kind::ParameterBox, .name = "nVzdalenost", .at = {6720, 960, 855, 285}},
    {.kind = Kind::ParameterBox, .name = "nKmitočet", .at = {6720, 1320, 855, 285}},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni", .at = {6720, 1680, 855, 285}},

    // Captions of the picture, placed and shown by the run.
    {.kind = Kind::Label, .name = "labZdroj", .text = "Zdroj", .at = {0, 0, 495, 375}, .font = Arial(9.75, true),
     .visible = false},
    {.kind = Kind::Label, .name = "labClona", .text = "Clona", .at = {0, 0, 735, 255}, .font = Arial(9.75, true),
     .visible = false},
    {.kind = Kind::Label, .name = "labA", .text = "A", .at = {0, 0, 255, 255}, .font = TNR(12, true),
     .visible = false},
    {.kind = Kind::Label, .name = "labB", .text = "B", .at = {0, 0, 255, 255}, .font = TNR(12, true),
     .visible = false},
    {.kind = Kind::Label, .name = "labDetektor", .text = "Detektor", .at = {0, 0, 855, 375},
     .font = Arial(9.75, true), .visible = false},
    {.kind = Kind::Label, .name = "labPravde", .text = "Pravděpodobnost", .at = {0, 0, 2175, 255},
     .font = Arial(9.75, true), .visible = false},
};

// The options that only write their value into a parameter box.
constexpr OptionValue kOptionValues[] = {
    {"op60", "nOdchylka", 60},
    {"op40", "nOdchylka", 40},
    {"op20", "nOdchylka", 20},
    {"op0", "nOdchylka", 0},
    {"opDc200", "nVzdalenost", 200},
    {"opDc150", "nVzdalenost", 150},
    {"opdc100", "nVzdalenost", 100},
    {"op05", "nKmitočet", 0.5},
    {"op03", "nKmitočet", 0.3},
    {"op01", "nKmitočet", 0.1},
};
// The speed of the animation: the bar, the box its runs read the slowdown from, and the
// options of its frame with the slowdowns they write.
constexpr SpeedChoice kSlowdowns[] = {{"opRychla", 1}, {"nPomalší", 10}, {"opPomalá", 20}};
constexpr SpeedBar kSpeed[] = {
    {.bar = "HScroll1", .box = "nSpomaleni", .frame = "frmAnimace", .choices = kSlowdowns},
};
}  // namespace

frmInterference::frmInterference()
    : Program({.formName = "frmInterference", .title = "Interference", .layout = kLayout, .start = "cmdStart",
               .run = &frmInterference::cmdStart_Click, .end = "cmdKonec", .options = kOptionValues, .speed = kSpeed,
               .load = &frmInterference::Form_Load, .prompt = "labKlepnete"})
{
}

void frmInterference::Form_Load()
{
    select(op60_);
    select(opDc200_);
    select(op05_);
    select(opRychla_);
    setText(nSpomaleni_, "1");
}

}  // namespace interference
