#include "window.h"

namespace vidivizur {

namespace {
const Control kLayout[] = {
    {.kind = Kind::Label, .name = "LabReprezentace", .text = "Vidivizur v reprezentaci ",
     .at = {2520, 240, 3375, 495}, .font = TNR(15.75, true)},
    {.kind = Kind::Label, .name = "LabEuler", .text = "komplexních čísel", .at = {1200, 720, 2055, 255},
     .font = TNR(12, true)},
    {.kind = Kind::Label, .name = "labPolarnisouradnice", .text = "rádiusvektoru",
     .at = {4320, 720, 1815, 255}, .font = TNR(12, true)},
    {.kind = Kind::Label, .name = "labKarttez", .text = "kartézských souřadnic", .at = {7920, 720, 2415, 255},
     .font = TNR(12, true)},
    {.kind = Kind::Picture, .name = "imEulerVzorec",
     .text = "Eulerův vzorec:  r e<sup>iφ</sup>"
             " = r (cosφ + i sinφ)",
     .at = {120, 1080, 9075, 270}, .font = TNR(12)},
    {.kind = Kind::Picture, .name = "imPolarSou", .text = "r, φ", .at = {4680, 1080, 9075, 270}, .font = TNR(12)},
    {.kind = Kind::Picture, .name = "imPolar", .text = "y, φ", .at = {8760, 1080, 9075, 270}, .font = TNR(12)},
    {.kind = Kind::Label, .name = "labKlepnuti", .text = "Klepněte na tlačitko Start",
     .at = {2520, 4560, 4215, 375}, .font = TNR(15.75, true)},
    {.kind = Kind::Picture, .name = "imLegenda",
     .text = "Legenda: i  - imaginární jednotka,  φ - fázový uhel,  ω - uhlová rychlost, t - čas,"
             "<br><span style=\"white-space:pre\">                                 </span>"
             "r - radiusvektor, resp. amplituda sinusovky",
     .at = {480, 5640, 9075, 555}, .font = TNR(12), .visible = false},
    {.kind = Kind::Picture, .name = "imOmegaCas", .text = "φ = ω t", .at = {4800, 6480, 9075, 270},
     .font = TNR(12), .visible = false},
    {.kind = Kind::Label, .name = "labPolomerE", .text = "r", .at = {480, 240, 135, 255}, .font = MSS(12),
     .visible = false},
    {.kind = Kind::Label, .name = "labPolomer", .text = "r", .at = {1800, 240, 135, 255}, .font = MSS(12),
     .visible = false, .back = colours::white},
    {.kind = Kind::Label, .name = "labFiEuler", .text = "φ", .at = {840, 120, 255, 375}, .font = Symbol(13.5),
     .visible = false},
    {.kind = Kind::Label, .name = "labFiRadius", .text = "φ", .at = {1200, 240, 255, 375},
     .font = Symbol(13.5), .visible = false, .back = colours::white},
    {.kind = Kind::Label, .name = "labI", .text = "i", .at = {1920, 1440, 135, 255}, .font = MSS(12),
     .visible = false},
    {.kind = Kind::Label, .name = "labY", .text = "y", .at = {7320, 1320, 135, 375}, .font = MSS(12),
     .visible = false},
    {.kind = Kind::CommandButton, .name = "ComSinusovka", .text = "Start", .at = {8640, 120, 975, 495},
     .font = TNR(15.75, true)},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {9840, 120, 975, 495},
     .font = TNR(14.25, true)},
    {.kind = Kind::HScrollBar, .name = "HScroll1", .at = {6120, 360, 2055, 255}, .min = 1, .max = 30000,
     .value = 1},
    {.kind = Kind::ParameterBox, .name = "nSpomaleni", .text = "Spomaleni", .at = {6600, 720, 855, 375}},
    {.kind = Kind::Frame, .name = "frmAnimace", .text = "Animace", .at = {480, 4560, 1215, 1095},
     .font = MSS(9.75, true), .visible = false},
    {.kind = Kind::OptionButton, .name = "opRxchlá", .text = "Rychlá", .at = {120, 240, 855, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalejší", .text = "Pomalejší", .at = {120, 480, 975, 255},
     .frame = "frmAnimace"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .at = {120, 720, 855, 255},
     .frame = "frmAnimace"},
};

// The speed of the animation: the bar, the box its runs read the slowdown from, and the
// options of its frame with the slowdowns they write.
constexpr SpeedChoice kSlowdowns[] = {{"opPomalá", 30000}, {"opPomalejší", 15000}, {"opRxchlá", 1}};
constexpr SpeedBar kSpeed[] = {
    {.bar = "HScroll1", .box = "nSpomaleni", .frame = "frmAnimace", .choices = kSlowdowns},
};
}  // namespace

Form1::Form1()
    : Program({.formName = "Form1", .title = "Vidivizur", .layout = kLayout, .start = "ComSinusovka",
               .run = &Form1::ComSinusovka_Click, .end = "cmdKonec", .speed = kSpeed,
               .load = &Form1::Form_Load, .prompt = "labKlepnuti"})
{
}

void Form1::Form_Load()
{
    select(opRxchlá_);
    setText(nSpomaleni_, "1");
}

}  // namespace vidivizur
