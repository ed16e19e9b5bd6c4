#include "window.h"

namespace parabola {


namespace {
const Control kLayout[] = {
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {7800, 360, 1215, 375},
     .font = TNR(15.75, true)},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {9240, 360, 1215, 375},
     .font = TNR(15.75, true)},
    {.kind = Kind::CaptionBox, .name = "nZáhlaví", .text = "Parabolické zrcadlo (anténa)", .at = {3120, 0, 4095, 495},
     .font = TNR(15.75, true)},
    {.kind = Kind::Label, .name = "labKlepnete", .text = "Klepněte na tlačitko Start", .at = {7560, 0, 2775, 255},
     .font = TNR(12, true), .align = Align::Centre},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .at = {3840, 480, 1455, 255}, .min = 0, .max = 32767, .value = 1},
    {.kind = Kind::CaptionBox, .name = "nRovnice", .text = " x = K.y.y", .at = {720, 1800, 1335, 375},
     .font = MSS(13.5)},
    {.kind = Kind::CaptionBox, .name = "nPravděpodobnost", .text = "Pravděpodobnost", .at = {9480, 2160, 2055, 375},
     .font = MSS(12)},
    {.kind = Kind::CaptionBox, .name = "nCornu", .text = "Cornuovy spirály", .at = {9480, 5040, 2055, 375},
     .font = MSS(12), .align = Align::Centre},

    {.kind = Kind::Frame, .name = "frmOhnisko", .text = "K paraboly", .at = {600, 2160, 1455, 1335}, .font = MSS(12)},
    {.kind = Kind::OptionButton, .name = "opOhniskoVzdálené", .text = "0.00005", .at = {120, 360, 1095, 255},
     .frame = "frmOhnisko"},
    {.kind = Kind::OptionButton, .name = "opOhniskoStřední", .text = "0.00007", .at = {120, 600, 975, 195},
     .frame = "frmOhnisko"},
    {.kind = Kind::OptionButton, .name = "opOhniskoBlízké", .text = "0.0001", .at = {120, 840, 855, 255},
     .frame = "frmOhnisko"},
    {.kind = Kind::OptionButton, .name = "opK0002", .text = "0.0002", .at = {120, 1080, 855, 195},
     .frame = "frmOhnisko"},

    {.kind = Kind::Frame, .name = "frmKmitočet", .text = "Kmitočet", .at = {600, 3720, 1455, 1215}, .font = MSS(12)},
    {.kind = Kind::OptionButton, .name = "opKmitVyš", .text = "Vysoký", .at = {120, 360, 975, 255},
     .font = MSS(9.75), .frame = "frmKmitočet", .back = RGB(192, 192, 255)},
    {.kind = Kind::OptionButton, .name = "opStřední", .text = "Střední", .at = {120, 600, 975, 255},
     .font = MSS(9.75), .frame = "frmKmitočet", .back = RGB(128, 255, 128)},
    {.kind = Kind::OptionButton, .name = "opNízký", .text = "Nízký", .at = {120, 840, 975, 195},
     .font = MSS(9.75), .frame = "frmKmitočet", .back = RGB(255, 0, 0)},

    {.kind = Kind::Frame, .name = "frmAnimace", .text = "Animace", .at = {6000, 5400, 1455, 1215}, .font = MSS(12),
     .visible = false},
    {.kind = Kind::OptionButton, .name = "opRychlá", .text = "Rychlá", .at = {120, 360, 855, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalejši", .text = "Pomalejší", .at = {120, 600, 975, 195},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .at = {120, 840, 855, 255},
     .frame = "frmAnimace"},

    {.kind = Kind::ParameterBox, .name = "nOsKruh", .text = "OsKruh"},
    {.kind = Kind::ParameterBox, .name = "nKmitočet", .text = "Kmitočet"},
    {.kind = Kind::ParameterBox, .name = "nPrvní", .text = "První"},
    {.kind = Kind::ParameterBox, .name = "nAlfa", .text = "Alfa"},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni", .text = "Spomalení"},
};

// Each option writes its value into its parameter box and does nothing else.
const OptionValue kOptionValues[] = {
    {"opOhniskoVzdálené", "nOsKruh", 0.00005}, {"opOhniskoStřední", "nOsKruh", 0.00007},
    {"opOhniskoBlízké", "nOsKruh", 0.0001},    {"opK0002", "nOsKruh", 0.0002},
    {"opKmitVyš", "nKmitočet", 0.04},          {"opStřední", "nKmitočet", 0.02},
    {"opNízký", "nKmitočet", 0.01},
};
// The speed of the animation: the bar, the box its runs read the slowdown from, and the
// options of its frame with the slowdowns they write.
constexpr SpeedChoice kSlowdowns[] = {{"opRychlá", 1}, {"opPomalejši", 1000000}, {"opPomalá", 3000000}};
constexpr SpeedBar kSpeed[] = {
    {.bar = "HScroll1", .box = "nSpomaleni", .factor = 30, .offset = 1, .frame = "frmAnimace", .choices = kSlowdowns},
};
}  // namespace

ParabolaQED::ParabolaQED()
    : Program({.formName = "ParabolaQED", .title = "Parabola", .layout = kLayout, .start = "cmdStart",
               .run = &ParabolaQED::cmdStart_Click, .end = "cmdKonec", .options = kOptionValues, .speed = kSpeed,
               .load = &ParabolaQED::Form_Load, .prompt = "labKlepnete"})
{
    surface().ForeColor = colours::darkShadow3D;
}

void ParabolaQED::Form_Load()
{
    setNumber(nOsKruh_, 0.00005);
    select(opOhniskoVzdálené_);
    setNumber(nKmitočet_, 0.02);
    select(opStřední_);
    setText(nPrvní_, "0");
    select(opRychlá_);
    setText(nSpomaleni_, "1");
}

}  // namespace parabola
