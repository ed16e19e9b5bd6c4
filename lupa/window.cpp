#include "window.h"

namespace lupa {

namespace {
const Control kLayout[] = {
    {.kind = Kind::Frame, .name = "frmPoloměrLupy", .text = "Poloměr lupy", .at = {840, 120, 1335, 1095}},
    {.kind = Kind::OptionButton, .name = "opVelký", .text = "Velký", .at = {120, 240, 1095, 255},
     .frame = "frmPoloměrLupy"},
    {.kind = Kind::OptionButton, .name = "opStřední", .text = "Střední", .at = {120, 480, 975, 255},
     .frame = "frmPoloměrLupy"},
    {.kind = Kind::OptionButton, .name = "opMalý", .text = "Malý", .at = {120, 720, 975, 255},
     .frame = "frmPoloměrLupy"},

    {.kind = Kind::Frame, .name = "frmKmitočet", .text = "Kmitočet-barva", .at = {2280, 120, 1695, 1095}},
    {.kind = Kind::OptionButton, .name = "opČervený", .text = "Červená", .at = {120, 240, 975, 255},
     .frame = "frmKmitočet", .back = RGB(255, 128, 128)},
    {.kind = Kind::OptionButton, .name = "OpZelená", .text = "Zelená", .at = {120, 480, 975, 255},
     .frame = "frmKmitočet", .back = RGB(128, 255, 128)},
    {.kind = Kind::OptionButton, .name = "opModrý", .text = "Modrá", .at = {120, 720, 855, 255},
     .frame = "frmKmitočet", .back = RGB(192, 192, 255)},

    {.kind = Kind::Frame, .name = "frmIndex", .text = "Index lomu", .at = {2280, 1320, 1695, 1335}},
    {.kind = Kind::OptionButton, .name = "opIndexVelký", .text = "Velký", .at = {120, 240, 855, 255},
     .frame = "frmIndex"},
    {.kind = Kind::OptionButton, .name = "opIndexStřední", .text = "Střední", .at = {120, 480, 855, 255},
     .frame = "frmIndex"},
    {.kind = Kind::OptionButton, .name = "opIndexMalý", .text = "Malý", .at = {120, 720, 855, 195},
     .frame = "frmIndex"},
    {.kind = Kind::CheckBox, .name = "chDisperze", .text = "Disperze", .at = {120, 960, 975, 195},
     .frame = "frmIndex", .checked = true},

    {.kind = Kind::Frame, .name = "frmZobrazení", .text = "Zobrazení", .at = {4080, 360, 975, 855}},
    {.kind = Kind::OptionButton, .name = "opBody", .text = "Body", .at = {120, 240, 735, 255}, .frame = "frmZobrazení"},
    {.kind = Kind::OptionButton, .name = "opPruhy", .text = "Pruhy", .at = {120, 480, 735, 255},
     .frame = "frmZobrazení"},

    {.kind = Kind::Frame, .name = "frmClona", .text = "Otvor clony", .at = {4080, 1320, 1095, 1215}},
    {.kind = Kind::OptionButton, .name = "opClonaŠiroká", .text = "Velký", .at = {120, 240, 855, 255},
     .frame = "frmClona"},
    {.kind = Kind::OptionButton, .name = "opClonaUy39", .text = "Menší", .at = {120, 570, 735, 195},
     .frame = "frmClona"},
    {.kind = Kind::OptionButton, .name = "opClonaUzka", .text = "Malý", .at = {120, 840, 735, 255},
     .frame = "frmClona"},

    {.kind = Kind::Frame, .name = "frmPůlLupy", .text = "Půl lupy", .at = {5160, 360, 855, 855}},
    {.kind = Kind::OptionButton, .name = "opPůlNe", .text = "Ne", .at = {120, 240, 615, 255}, .frame = "frmPůlLupy"},
    {.kind = Kind::OptionButton, .name = "opPůlAno", .text = "Ano", .at = {120, 480, 615, 255}, .frame = "frmPůlLupy"},

    {.kind = Kind::Frame, .name = "frmAnimace", .text = "Animace", .at = {1800, 3480, 1215, 1095}, .visible = false},
    {.kind = Kind::OptionButton, .name = "opRychlá", .text = "Rychlá", .at = {120, 240, 855, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalejší", .text = "Pomalejší", .at = {120, 480, 975, 195},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .at = {120, 720, 855, 255},
     .frame = "frmAnimace"},

    {.kind = Kind::HScrollBar, .name = "HScroll1", .at = {6240, 360, 1815, 255}, .min = 1, .max = 10000, .value = 1},
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {8280, 120, 975, 375},
     .font = TNR(14.25, true)},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {9360, 120, 975, 375},
     .font = TNR(14.25, true)},
    {.kind = Kind::Label, .name = "labTitul", .text = "Lupa", .at = {6360, 0, 1095, 375}, .font = TNR(15.75, true)},
    {.kind = Kind::Label, .name = "labKlepnete", .text = "Klepněte na tlačítko Start", .at = {4200, 3600, 3735, 375},
     .font = TNR(15.75, true), .align = Align::Centre},

    {.kind = Kind::CaptionBox, .name = "nPravděpodobnost", .text = "Pravděpodobnost", .at = {1800, 2760, 2055, 375},
     .font = MSS(12), .visible = false},
    {.kind = Kind::CaptionBox, .name = "nSoučetRadiusvektorů", .text = "Součet radiusvektorů",
     .at = {2160, 5640, 2535, 375}, .font = MSS(12), .visible = false},
    {.kind = Kind::CaptionBox, .name = "nClonaOtvor", .text = "Clona", .at = {960, 7800, 855, 375}, .font = MSS(12),
     .visible = false},

    {.kind = Kind::ParameterBox, .name = "nPoloměr"},
    {.kind = Kind::ParameterBox, .name = "nIndex"},
    {.kind = Kind::ParameterBox, .name = "nDisperze"},
    {.kind = Kind::ParameterBox, .name = "nKmitočet"},
    {.kind = Kind::ParameterBox, .name = "nClona"},
    {.kind = Kind::ParameterBox, .name = "nPůlLupy"},
    {.kind = Kind::ParameterBox, .name = "nZobrazení"},
    {.kind = Kind::ParameterBox, .name = "nStart"},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni"},
};

// Each option writes its value into its parameter box and does nothing else.
const OptionValue kOptionValues[] = {
    {"opVelký", "nPoloměr", 500},      {"opStřední", "nPoloměr", 450},      {"opMalý", "nPoloměr", 400},
    {"opČervený", "nKmitočet", 0.5},   {"OpZelená", "nKmitočet", 0.75},     {"opModrý", "nKmitočet", 1},
    {"opIndexVelký", "nIndex", 1},     {"opIndexStřední", "nIndex", 0.98},  {"opIndexMalý", "nIndex", 0.96},
    {"opClonaŠiroká", "nClona", 0},    {"opClonaUy39", "nClona", 50},       {"opClonaUzka", "nClona", 100},
    {"opPůlNe", "nPůlLupy", 80},       {"opPůlAno", "nPůlLupy", 40},
};
// The speed of the animation: the bar, the box its runs read the slowdown from, and the
// options of its frame with the slowdowns they write.
constexpr SpeedChoice kSlowdowns[] = {{"opRychlá", 1}, {"opPomalejší", 5000}, {"opPomalá", 10000}};
constexpr SpeedBar kSpeed[] = {
    {.bar = "HScroll1", .box = "nSpomaleni", .frame = "frmAnimace", .choices = kSlowdowns},
};
}  // namespace

FokusLupy::FokusLupy()
    : Program({.formName = "FokusLupy", .title = "Fokus lupy", .layout = kLayout, .start = "cmdStart",
               .run = &FokusLupy::cmdStart_Click, .end = "cmdKonec", .options = kOptionValues, .speed = kSpeed,
               .load = &FokusLupy::Form_Load, .prompt = "labKlepnete",
               .runBar = Corner::BottomRight})  // the lens reaches down on the left
{
    onClick(opBody_, [this] { setText(nZobrazení_, "Body"); });
    onClick(opPruhy_, [this] { setText(nZobrazení_, "Pruhy"); });
    onClick(chDisperze_, [this] { chDisperze_Click(); });
}

void FokusLupy::Form_Load()
{
    select(opVelký_);
    select(opIndexStřední_);
    select(opPůlNe_);
    select(opModrý_);
    setNumber(nStart_, 1);
    select(opBody_);
    setText(nDisperze_, "Ano");
    setNumber(nClona_, 0);
    select(opClonaŠiroká_);
    setNumber(nSpomaleni_, 1);
    select(opRychlá_);
}

void FokusLupy::chDisperze_Click() { setText(nDisperze_, text(nDisperze_) == "Ano" ? "Ne" : "Ano"); }

}  // namespace lupa
