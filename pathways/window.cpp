#include "window.h"

namespace pathways {

namespace {
const Control kLayout[] = {
    {.kind = Kind::Label, .name = "labTitul", .text = "Pět možných tras v koridoru", .at = {4320, 0, 3855, 375},
     .font = TNR(15.75, true)},
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {8400, 120, 1215, 480},
     .font = TNR(15.75, true)},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {10080, 120, 1335, 495},
     .font = TNR(14.25, true)},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .at = {4680, 360, 2175, 255}, .min = 1, .max = 10, .value = 1},
    {.kind = Kind::Label, .name = "labKlepnete", .text = "Klepněte na tlačitko Start", .at = {1560, 3720, 4335, 1215},
     .font = TNR(24, true), .align = Align::Centre},

    {.kind = Kind::Frame, .name = "frmKoridor", .text = "Koridor", .at = {720, 240, 1095, 975}, .font = TNR(12, true)},
    {.kind = Kind::OptionButton, .name = "opŠiroký", .text = "Široký", .at = {120, 240, 735, 255},
     .frame = "frmKoridor"},
    {.kind = Kind::OptionButton, .name = "opÚzký", .text = "Úzký", .at = {120, 480, 735, 195}, .frame = "frmKoridor"},
    {.kind = Kind::OptionButton, .name = "opTenký", .text = "Tenký", .at = {120, 720, 855, 195}, .frame = "frmKoridor"},

    {.kind = Kind::Frame, .name = "frnPocetZlomu", .text = "Počet zlomů trasy", .at = {1920, 240, 2055, 1095},
     .font = TNR(12, true)},
    {.kind = Kind::OptionButton, .name = "op0z", .text = "0", .at = {120, 240, 495, 255}, .frame = "frnPocetZlomu"},
    {.kind = Kind::OptionButton, .name = "op1z", .text = "1", .at = {840, 240, 495, 195}, .frame = "frnPocetZlomu"},
    {.kind = Kind::OptionButton, .name = "op2z", .text = "2", .at = {1440, 240, 495, 255}, .frame = "frnPocetZlomu"},
    {.kind = Kind::OptionButton, .name = "op3z", .text = "3", .at = {120, 480, 495, 195}, .frame = "frnPocetZlomu"},
    {.kind = Kind::OptionButton, .name = "op4z", .text = "4", .at = {840, 480, 375, 195}, .frame = "frnPocetZlomu"},
    {.kind = Kind::OptionButton, .name = "op5z", .text = "5", .at = {1440, 480, 495, 195}, .frame = "frnPocetZlomu"},
    {.kind = Kind::OptionButton, .name = "op6z", .text = "6", .at = {120, 720, 375, 195}, .frame = "frnPocetZlomu"},
    {.kind = Kind::OptionButton, .name = "op7z", .text = "7", .at = {840, 720, 495, 255}, .frame = "frnPocetZlomu"},
    {.kind = Kind::OptionButton, .name = "op8z", .text = "8", .at = {1440, 720, 375, 255}, .frame = "frnPocetZlomu"},

    {.kind = Kind::Frame, .name = "frmPocet", .text = "Počet fotonů", .at = {0, 3000, 2055, 735},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::OptionButton, .name = "op1", .text = "1", .at = {120, 240, 495, 195}, .frame = "frmPocet"},
    {.kind = Kind::OptionButton, .name = "op5", .text = "5", .at = {720, 240, 375, 255}, .frame = "frmPocet"},
    {.kind = Kind::OptionButton, .name = "op10", .text = "10", .at = {1320, 240, 495, 195}, .frame = "frmPocet"},
    {.kind = Kind::OptionButton, .name = "op20", .text = "20", .at = {120, 480, 495, 195}, .frame = "frmPocet"},
    {.kind = Kind::OptionButton, .name = "op50", .text = "50", .at = {720, 480, 495, 195}, .frame = "frmPocet"},
    {.kind = Kind::OptionButton, .name = "op100", .text = "100", .at = {1320, 480, 615, 195}, .frame = "frmPocet"},

    {.kind = Kind::Frame, .name = "frmAnimace", .text = "Animace", .at = {2040, 1800, 1215, 975},
     .font = TNR(12, true), .visible = false},
    {.kind = Kind::OptionButton, .name = "opRychlá", .text = "Rychlá", .at = {120, 240, 855, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalejší", .text = "Pomalejší", .at = {120, 480, 975, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .at = {120, 720, 975, 195},
     .frame = "frmAnimace"},

    // Captions that a run places and reveals.
    {.kind = Kind::Label, .name = "labRadiusKoridor", .text = "Sčítání radiusvektorů fotonu v koridoru",
     .at = {0, 0, 4335, 375}, .font = TNR(12, true), .visible = false},
    {.kind = Kind::Label, .name = "labDelkaTrasy", .text = "Průměrná délka trasy", .at = {0, 0, 1095, 855},
     .font = TNR(12, true), .visible = false, .align = Align::Centre},
    {.kind = Kind::Label, .name = "labZdroj", .text = "Zdroj", .at = {0, 0, 615, 375}, .font = TNR(12, true),
     .visible = false, .align = Align::Right},
    {.kind = Kind::Label, .name = "labDetektor", .text = "Detektor", .at = {0, 0, 975, 255}, .font = TNR(12, true),
     .visible = false},
    {.kind = Kind::Label, .name = "labRadiusvektorTrasy", .text = "Radiusvektor tras fotonu v koridoru",
     .at = {0, 0, 4215, 375}, .font = TNR(12, true), .visible = false, .align = Align::Centre},

    {.kind = Kind::ParameterBox, .name = "nPocet"},
    {.kind = Kind::ParameterBox, .name = "nTrajektorie"},
    {.kind = Kind::ParameterBox, .name = "nKoridor"},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni"},
    {.kind = Kind::ParameterBox, .name = "nPomer"},
    {.kind = Kind::ParameterBox, .name = "nHorizDelka"},
};

// Each option writes its value into its parameter box and does nothing else.
const OptionValue kOptionValues[] = {
    {"opŠiroký", "nKoridor", 1},     {"opÚzký", "nKoridor", 60},        {"opTenký", "nKoridor", 70},
    {"op0z", "nPocet", 0},           {"op1z", "nPocet", 1},             {"op2z", "nPocet", 2},
    {"op3z", "nPocet", 3},           {"op4z", "nPocet", 4},             {"op5z", "nPocet", 5},
    {"op6z", "nPocet", 6},           {"op7z", "nPocet", 7},             {"op8z", "nPocet", 8},
    {"op1", "nTrajektorie", 1},      {"op5", "nTrajektorie", 5},        {"op10", "nTrajektorie", 10},
    {"op20", "nTrajektorie", 20},    {"op50", "nTrajektorie", 50},      {"op100", "nTrajektorie", 100},
};
// The speed of the animation: the bar, the box its runs read the slowdown from, and the
// options of its frame with the slowdowns they write.
constexpr SpeedChoice kSlowdowns[] = {{"opRychlá", 1}, {"opPomalejší", 5}, {"opPomalá", 10}};
constexpr SpeedBar kSpeed[] = {
    {.bar = "HScroll1", .box = "nSpomaleni", .frame = "frmAnimace", .choices = kSlowdowns},
};
}  // namespace

Rozptyl::Rozptyl()
    : Program({.formName = "Rozptyl", .title = "pathways", .layout = kLayout, .start = "cmdStart",
               .run = &Rozptyl::cmdStart_Click, .end = "cmdKonec", .options = kOptionValues, .speed = kSpeed,
               .load = &Rozptyl::Form_Load, .separator = " - ", .design = kDesign, .ownSteps = true, .random = true, .prompt = "labKlepnete"})
{
    surface().ForeColor = colours::buttonShadow;
}

void Rozptyl::Form_Load()
{
    setText(nPocet_, "5");
    setText(nTrajektorie_, "10");
    select(op5z_);
    select(op5_);
    select(opŠiroký_);
    select(opRychlá_);
    setText(nSpomaleni_, "1");
}

}  // namespace pathways
