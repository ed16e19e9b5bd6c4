#pragma once
#include "form.h"

namespace rozavezavu {

// The window of rozavezavu: a scene of an object, a screen with a window holding the
// hologram plate and a detector line; five actions record the hologram, show the light
// through the window, reconstruct the light field from the hologram or let the
// reconstruction light pass an empty window.
class opSestava : public Form {
public:
    opSestava();

    void Form_Load();

    // The five actions.
    void opRámec_Click();
    void opHologram_Click();
    void opPravdepod_Click();
    void opRekonstrukce_Click();
    void opBezHolo_Click();

    // Recording frequency and reconstruction colour.
    void opVysoký_Click();
    void opStřední_Click();
    void opNízky_Click();
    void opRekModrý_Click();
    void opRekZelený_Click();
    void opRekČervený_Click();

    // Detector distance and object position.
    void op8500_Click();
    void op7000_Click();
    void opVýšDál_Click();
    void opNížBlíž_Click();

    // The two speed groups.
    void HScroll1_Change();
    void HScroll2_Change();

    // The run of Start: the scene, the arrow sums, the hologram and the detector bars.
    void cmdStart_Click();

    // The plate column and the detector column of the last Start (twips); 0 before
    // the first Start. The handlers erase relative to them.
    double plateColumn() const { return xp_; }
    double detectorColumn() const { return xd_; }

private:
    // Grey lines from (a, y) to (b, y) for y = 1..lastRow, at the current pen width.
    void erase(double a, double b, int lastRow);
    // Pen width 5, then grey lines across the whole picture every 5 twips; the width stays 5.
    void eraseAll();
    void chooseRecordingFrequency(double f, const char* colourOption);
    void placeDetectorLabels(float detektor, float intObr, float obnPole, float puvodPole);
    void placeObject(double y, float labelTop);

    double xp_ = 0, xd_ = 0;
    // The controls the handlers and the run reach, found once when the window is made.
    const OptionRef opRámec_ = named<OptionRef>("opRámec");
    const OptionRef opHologram_ = named<OptionRef>("opHologram");
    const OptionRef opPravdepod_ = named<OptionRef>("opPravdepod");
    const OptionRef opRekonstrukce_ = named<OptionRef>("opRekonstrukce");
    const OptionRef opBezHolo_ = named<OptionRef>("opBezHolo");
    const OptionRef opVysoký_ = named<OptionRef>("opVysoký");
    const OptionRef opStřední_ = named<OptionRef>("opStřední");
    const OptionRef opNízky_ = named<OptionRef>("opNízky");
    const OptionRef opRekModrý_ = named<OptionRef>("opRekModrý");
    const OptionRef opRekZelený_ = named<OptionRef>("opRekZelený");
    const OptionRef opRekČervený_ = named<OptionRef>("opRekČervený");
    const OptionRef op8500_ = named<OptionRef>("op8500");
    const OptionRef op7000_ = named<OptionRef>("op7000");
    const OptionRef opVýšDál_ = named<OptionRef>("opVýšDál");
    const OptionRef opNížBlíž_ = named<OptionRef>("opNížBlíž");
    const BarRef HScroll1_ = named<BarRef>("HScroll1");
    const BarRef HScroll2_ = named<BarRef>("HScroll2");
    const BoxRef nStav_ = named<BoxRef>("nStav");
    const BoxRef nKmit_ = named<BoxRef>("nKmit");
    const BoxRef nKmitRef_ = named<BoxRef>("nKmitRef");
    const BoxRef nSpomal_ = named<BoxRef>("nSpomal");
    const OptionRef opRychlá_ = named<OptionRef>("opRychlá");
    const BoxRef nSpomalDetek_ = named<BoxRef>("nSpomalDetek");
    const OptionRef opRychláDetek_ = named<OptionRef>("opRychláDetek");
    const BoxRef nDistanceDetek_ = named<BoxRef>("nDistanceDetek");
    const BoxRef nYPolohaObjektu_ = named<BoxRef>("nYPolohaObjektu");
    const BoxRef nXPolohaObjektu_ = named<BoxRef>("nXPolohaObjektu");
    const ControlRef nObjekt_ = named<ControlRef>("nObjekt");
    const ControlRef nVirtuální_ = named<ControlRef>("nVirtuální");
    const ControlRef frmRekonstrukce_ = named<ControlRef>("frmRekonstrukce");
    const ControlRef nDetektor_ = named<ControlRef>("nDetektor");
    const ControlRef nIntObr_ = named<ControlRef>("nIntObr");
    const ControlRef nObnPole_ = named<ControlRef>("nObnPole");
    const ControlRef nPůvodPole_ = named<ControlRef>("nPůvodPole");
};
}  // namespace rozavezavu
