// The window opSestava: its controls, Form_Load and the handlers of the options and
// scroll bars. The handlers hand their values to Start through the hidden parameter
// boxes and erase the part of the picture that the chosen action draws anew.
#include "window.h"

#include "numbers.h"

namespace rozavezavu {

namespace {
constexpr Colour kBlueBack = RGB(192, 192, 255);
constexpr Colour kGreenBack = RGB(0, 255, 0);
constexpr Colour kRedBack = RGB(255, 128, 0);

constexpr FontSpec kScene = MSS(9.75);

const Control kLayout[] = {
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {9600, 120, 975, 375},
     .font = MSS(12, true)},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {10800, 120, 975, 375},
     .font = MSS(12, true)},
    {.kind = Kind::Label, .name = "nRozavezavu", .text = "Rozavezavu", .at = {7320, 120, 1695, 375},
     .font = TNR(14.25, true)},

    // The five actions; the invitation stands inside the frame, under its caption.
    {.kind = Kind::Frame, .name = "frm", .text = "Pořadí akcí animace", .at = {480, 120, 5895, 1095}},
    {.kind = Kind::OptionButton, .name = "opRámec", .text = "Rámec animace", .at = {120, 600, 1455, 255},
     .frame = "frm"},
    {.kind = Kind::OptionButton, .name = "opHologram", .text = "Hologram", .at = {1680, 600, 1095, 255},
     .frame = "frm"},
    {.kind = Kind::OptionButton, .name = "opPravdepod", .text = "Interferenční  obrazec průzoru",
     .at = {2760, 480, 1455, 375}, .frame = "frm"},
    {.kind = Kind::OptionButton, .name = "opRekonstrukce", .text = "Rekonstrukce", .at = {4320, 480, 1455, 195},
     .frame = "frm"},
    {.kind = Kind::OptionButton, .name = "opBezHolo", .text = "Bez hologramu", .at = {4320, 720, 1455, 195},
     .frame = "frm"},
    {.kind = Kind::Label, .name = "nTitul", .text = "Zvolte akci a kliknete Start", .at = {1680, 360, 3255, 255},
     .font = MSS(9.75, true)},

    {.kind = Kind::Frame, .name = "frmKmitočet", .text = "Kmitočet pro hologram", .at = {360, 1320, 1935, 1335}},
    {.kind = Kind::OptionButton, .name = "opVysoký", .text = "Vysoký ", .at = {120, 240, 975, 255},
     .frame = "frmKmitočet", .back = kBlueBack},
    {.kind = Kind::OptionButton, .name = "opStřední", .text = "Střední ", .at = {480, 600, 975, 255},
     .frame = "frmKmitočet", .back = kGreenBack},
    {.kind = Kind::OptionButton, .name = "opNízky", .text = "Nízký ", .at = {840, 960, 975, 255},
     .frame = "frmKmitočet", .back = kRedBack},

    {.kind = Kind::Frame, .name = "frmRekonstrukce", .text = "Světlo rekonstrukce", .at = {3240, 1320, 3135, 615}},
    {.kind = Kind::OptionButton, .name = "opRekModrý", .text = "Modré", .at = {120, 240, 855, 255},
     .frame = "frmRekonstrukce", .back = kBlueBack},
    {.kind = Kind::OptionButton, .name = "opRekZelený", .text = "Zelené", .at = {1080, 240, 855, 255},
     .frame = "frmRekonstrukce", .back = kGreenBack},
    {.kind = Kind::OptionButton, .name = "opRekČervený", .text = "červené", .at = {2040, 240, 975, 255},
     .frame = "frmRekonstrukce", .back = kRedBack},

    {.kind = Kind::Frame, .name = "frmDistanceDetekt", .text = "Distance detektoru", .at = {9240, 1320, 1575, 495}},
    {.kind = Kind::OptionButton, .name = "op7000", .text = "Blíže", .at = {120, 240, 735, 195},
     .frame = "frmDistanceDetekt"},
    {.kind = Kind::OptionButton, .name = "op8500", .text = "Dál", .at = {840, 240, 615, 195},
     .frame = "frmDistanceDetekt"},

    // The two speed controls.
    {.kind = Kind::HScrollBar, .name = "HScroll1", .text = "Rychlost animace hologramu", .at = {6600, 720, 1815, 255},
     .min = 0, .max = 5000, .value = 0},
    {.kind = Kind::Label, .name = "nHlogrSpomal", .text = "Hologram", .at = {6840, 480, 1335, 165}},
    {.kind = Kind::HScrollBar, .name = "HScroll2", .text = "Rychlost animace na detektoru", .at = {8520, 720, 1935, 255},
     .min = 1, .max = 1000, .value = 1},
    {.kind = Kind::Label, .name = "Obrazec", .text = "Interf.obrazec", .at = {8760, 480, 1215, 165}},

    // Captions of the scene.
    {.kind = Kind::Label, .name = "nClona", .text = "Clona s průzorem  ", .at = {3360, 2640, 1575, 285},
     .font = kScene},
    {.kind = Kind::Label, .name = "nHologram", .text = "(hologramem)", .at = {3480, 2880, 1455, 285},
     .font = kScene},
    {.kind = Kind::Label, .name = "nObjekt", .text = "Objekt", .at = {2520, 3120, 735, 195}, .font = kScene},
    {.kind = Kind::Label, .name = "nRozptylTrasy", .text = "Rozptýlené trasy", .at = {3360, 3240, 1575, 285},
     .font = kScene},
    {.kind = Kind::Label, .name = "nScéna", .text = "Scéna", .at = {1920, 4440, 975, 375}, .font = MSS(13.5)},
    {.kind = Kind::Label, .name = "nZobrTras", .text = "Osvětlovací trasy", .at = {1800, 5040, 1695, 285},
     .font = kScene},
    {.kind = Kind::Label, .name = "nRefTrasy", .text = "Referenční trasy", .at = {1560, 6840, 1695, 375},
     .font = kScene},
    {.kind = Kind::Label, .name = "nDetektor", .text = "Detektor", .at = {8160, 1560, 855, 255}, .font = kScene},
    {.kind = Kind::Label, .name = "nIntObr", .text = "interferenčních obrazců", .at = {7680, 1800, 2175, 285},
     .font = kScene},
    {.kind = Kind::Label, .name = "nObnPole", .text = "světelného pole hologramem", .at = {5280, 2040, 2775, 285},
     .font = kScene},
    {.kind = Kind::Label, .name = "nPůvodPole", .text = "světelného pole průzorem", .at = {8880, 2040, 2535, 375},
     .font = kScene},
    {.kind = Kind::Label, .name = "nVirtuální", .text = "Virtuální", .at = {2400, 2880, 855, 285}, .font = kScene,
     .visible = false},

    // Never shown: the object's position and the two speed groups.
    {.kind = Kind::Frame, .name = "frnPolohaObjektu", .text = "Poloha objektu", .at = {360, 2760, 1335, 855},
     .visible = false},
    {.kind = Kind::OptionButton, .name = "opVýšDál", .text = "Výš a dál", .at = {120, 240, 1095, 255},
     .frame = "frnPolohaObjektu"},
    {.kind = Kind::OptionButton, .name = "opNížBlíž", .text = "Níž a blíž", .at = {120, 480, 1095, 255},
     .frame = "frnPolohaObjektu"},
    {.kind = Kind::Frame, .name = "frmSpomalHologram", .text = "Animace hologramu", .at = {120, 7440, 3015, 615},
     .visible = false},
    {.kind = Kind::OptionButton, .name = "opRychlá", .text = "Rychlá", .at = {120, 240, 855, 255},
     .frame = "frmSpomalHologram"},
    {.kind = Kind::OptionButton, .name = "opPomalejší", .text = "Pomalejší", .at = {1080, 240, 975, 255},
     .frame = "frmSpomalHologram"},
    {.kind = Kind::OptionButton, .name = "opPomalá", .text = "Pomalá", .at = {2160, 240, 735, 255},
     .frame = "frmSpomalHologram"},
    {.kind = Kind::Frame, .name = "frmSpomalDetekce", .text = "Animace na detektoru", .at = {120, 8040, 3015, 615},
     .visible = false},
    {.kind = Kind::OptionButton, .name = "opRychláDetek", .text = "Rychlá", .at = {120, 240, 855, 255},
     .frame = "frmSpomalDetekce"},
    {.kind = Kind::OptionButton, .name = "opStředníDetek", .text = "Pomalejší", .at = {1080, 240, 975, 255},
     .frame = "frmSpomalDetekce"},
    {.kind = Kind::OptionButton, .name = "opPomaláDetek", .text = "Pomalá", .at = {2160, 240, 735, 255},
     .frame = "frmSpomalDetekce"},

    // The parameter boxes.
    {.kind = Kind::ParameterBox, .name = "nStav", .text = "Stav", .at = {7200, 7440, 1215, 285}},
    {.kind = Kind::ParameterBox, .name = "nKmit", .text = "Kmit", .at = {7200, 7800, 1215, 285}},
    {.kind = Kind::ParameterBox, .name = "nKmitRef", .text = "KmitRef", .at = {7200, 8160, 1215, 285}},
    {.kind = Kind::ParameterBox, .name = "nSpomal", .text = "Spomal", .at = {3360, 7440, 855, 285}},
    {.kind = Kind::ParameterBox, .name = "nSpomalDetek", .text = "SpomalDetek", .at = {3360, 8040, 855, 285}},
    {.kind = Kind::ParameterBox, .name = "nDistanceDetek", .text = "DistanceDetek", .at = {9240, 1920, 1215, 285}},
    {.kind = Kind::ParameterBox, .name = "nXPolohaObjektu", .text = "XPolohaObjektu", .at = {360, 3720, 855, 285}},
    {.kind = Kind::ParameterBox, .name = "nYPolohaObjektu", .text = "YPolohaObjektu", .at = {360, 4080, 855, 285}},
};

constexpr double kFull = 12000;  // right end of every eraser
constexpr int kAllRows = 9000;  // rows of the erasers that cover the whole height
constexpr int kUpperRows = 8000;  // rows of the erasers that keep the bottom strip

// The frequencies of the three colours.
constexpr double kBlueFrequency = 0.04, kGreenFrequency = 0.03, kRedFrequency = 0.02;

// The speed of the animation: the bar, the box its runs read the slowdown from, and the
// options of its frame with the slowdowns they write.
constexpr SpeedChoice kHologramSlowdowns[] = {{"opRychlá", 1}, {"opPomalejší", 50000}, {"opPomalá", 500000}};
constexpr SpeedChoice kDetectorSlowdowns[] = {
    {"opRychláDetek", 1}, {"opStředníDetek", 1000}, {"opPomaláDetek", 10000}};
constexpr SpeedBar kSpeed[] = {
    {.bar = "HScroll1", .box = "nSpomal", .factor = 2, .offset = 1, .frame = "frmSpomalHologram",
     .choices = kHologramSlowdowns},
    {.bar = "HScroll2", .box = "nSpomalDetek", .frame = "frmSpomalDetekce", .choices = kDetectorSlowdowns},
};
}  // namespace

opSestava::opSestava()
    : Program({.formName = "opSestava", .title = "Rozavezavu", .layout = kLayout, .start = "cmdStart",
               .run = &opSestava::cmdStart_Click, .end = "cmdKonec", .speed = kSpeed,
               .load = &opSestava::Form_Load, .separator = " -  ", .ownSteps = true,
               .runBar = Corner::BottomRight})  // the reference light comes from the lower left
{
    onClick(opRámec_, [this] { opRámec_Click(); });
    onClick(opHologram_, [this] { opHologram_Click(); });
    onClick(opPravdepod_, [this] { opPravdepod_Click(); });
    onClick(opRekonstrukce_, [this] { opRekonstrukce_Click(); });
    onClick(opBezHolo_, [this] { opBezHolo_Click(); });
    onClick(opVysoký_, [this] { opVysoký_Click(); });
    onClick(opStřední_, [this] { opStřední_Click(); });
    onClick(opNízky_, [this] { opNízky_Click(); });
    onClick(opRekModrý_, [this] { opRekModrý_Click(); });
    onClick(opRekZelený_, [this] { opRekZelený_Click(); });
    onClick(opRekČervený_, [this] { opRekČervený_Click(); });
    onClick(op8500_, [this] { op8500_Click(); });
    onClick(op7000_, [this] { op7000_Click(); });
    onClick(opVýšDál_, [this] { opVýšDál_Click(); });
    onClick(opNížBlíž_, [this] { opNížBlíž_Click(); });
}

void opSestava::Form_Load()
{
    select(opRámec_);
    select(opStřední_);
    setBackColour(opStřední_, colours::green);
    setText(nStav_, "Rámec");
    setNumber(nKmit_, 0.03);
    setNumber(nKmitRef_, 0.03);
    setNumber(nSpomal_, 1);
    select(opRychlá_);
    setNumber(nSpomalDetek_, 1);
    select(opRychláDetek_);
    setNumber(nDistanceDetek_, 8500);
    select(op8500_);
    placeDetectorLabels(8000, 7500, 5280, 8880);
    setNumber(nYPolohaObjektu_, 3500);
    setNumber(nXPolohaObjektu_, 3000);
    select(opVýšDál_);
    setLeft(nObjekt_, 2500);
    setTop(nObjekt_, 3150);
}

// ---------------------------------------------------------------- erasing

void opSestava::erase(double a, double b, int lastRow)
{
    DrawingSurface& s = surface();
    for (int y = 1; y <= lastRow; ++y)
        s.Line(float(a), float(y), float(b), float(y), colours::grey);
}

void opSestava::eraseAll()
{
    DrawingSurface& s = surface();
    s.DrawWidth = 5;
    for (int y = 1; y <= kAllRows; y += 5)
        s.Line(0, float(y), float(kFull), float(y), colours::grey);
}

// ---------------------------------------------------------------- the actions

void opSestava::opRámec_Click()
{
    erase(0, kFull, kAllRows);
    setShown(nVirtuální_, false);
    setText(nStav_, "Rámec");
    setShown(frmRekonstrukce_, true);
    for (const char* option : {"opRekModrý", "opRekZelený", "opRekČervený"})
        setShown(option, true);
}

void opSestava::opHologram_Click()
{
    setText(nStav_, "Hologr");
    erase(xp_, xp_ + 500, kUpperRows);
    setShown(nVirtuální_, false);
    setShown(frmRekonstrukce_, false);
}

void opSestava::opPravdepod_Click()
{
    setText(nStav_, "Pravpod");
    setShown(nVirtuální_, false);
    erase(xp_, xp_ + 500, kUpperRows);
    setShown(frmRekonstrukce_, false);
    setText(nKmitRef_, text(nKmit_));
}

void opSestava::opRekonstrukce_Click()
{
    erase(0, xd_, kAllRows);
    setShown(nVirtuální_, true);
    setText(nStav_, "Rekonstr");
    setShown(frmRekonstrukce_, true);
    // The reconstruction light starts as the recording light.
    const double f = number(nKmit_);
    if (f == kBlueFrequency)
        select(opRekModrý_);
    if (f == kGreenFrequency)
        select(opRekZelený_);
    if (f == kRedFrequency)
        select(opRekČervený_);
}

void opSestava::opBezHolo_Click()
{
    setText(nStav_, "Bezholo");
    setShown(nVirtuální_, false);
    erase(xp_, xd_, kUpperRows);
    setShown(frmRekonstrukce_, false);
}

// ---------------------------------------------------------------- frequency and colour

void opSestava::chooseRecordingFrequency(double f, const char* colourOption)
{
    erase(xp_, kFull, kAllRows);
    setNumber(nKmit_, f);
    setText(nKmitRef_, text(nKmit_));
    select(colourOption);
}

void opSestava::opVysoký_Click() { chooseRecordingFrequency(kBlueFrequency, "opRekModrý"); }
void opSestava::opStřední_Click() { chooseRecordingFrequency(kGreenFrequency, "opRekZelený"); }
void opSestava::opNízky_Click() { chooseRecordingFrequency(kRedFrequency, "opRekČervený"); }
void opSestava::opRekModrý_Click() { setNumber(nKmitRef_, kBlueFrequency); }
void opSestava::opRekZelený_Click() { setNumber(nKmitRef_, kGreenFrequency); }
void opSestava::opRekČervený_Click() { setNumber(nKmitRef_, kRedFrequency); }

// ---------------------------------------------------------------- detector and object

void opSestava::placeDetectorLabels(float detektor, float intObr, float obnPole, float puvodPole)
{
    setLeft(nDetektor_, detektor);
    setLeft(nIntObr_, intObr);
    setLeft(nObnPole_, obnPole);
    setLeft(nPůvodPole_, puvodPole);
}

void opSestava::op8500_Click()
{
    setNumber(nDistanceDetek_, 8500);
    placeDetectorLabels(8000, 7500, 5280, 8880);
    eraseAll();
}

void opSestava::op7000_Click()
{
    setNumber(nDistanceDetek_, 7000);
    placeDetectorLabels(6500, 6000, 4000, 7300);
    eraseAll();
}

void opSestava::placeObject(double y, float labelTop)
{
    eraseAll();
    setNumber(nYPolohaObjektu_, y);
    setNumber(nXPolohaObjektu_, 3000);
    setLeft(nObjekt_, 2500);
    setTop(nObjekt_, labelTop);
}

void opSestava::opVýšDál_Click() { placeObject(3500, 3150); }
void opSestava::opNížBlíž_Click() { placeObject(4000, 3650); }

}  // namespace rozavezavu
