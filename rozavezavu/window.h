#pragma once
#include "form.h"

namespace rozavezavu {

// The window of rozavezavu: a scene of an object, a screen with a window holding the
// hologram plate and a detector line; five actions record the hologram, show the light
// through the window, reconstruct the light field from the hologram or let the
// reconstruction light pass an empty window.
class opSestava : public Program<opSestava> {
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
    SUITE_CONTROL(OptionRef, opRámec);
    SUITE_CONTROL(OptionRef, opHologram);
    SUITE_CONTROL(OptionRef, opPravdepod);
    SUITE_CONTROL(OptionRef, opRekonstrukce);
    SUITE_CONTROL(OptionRef, opBezHolo);
    SUITE_CONTROL(OptionRef, opVysoký);
    SUITE_CONTROL(OptionRef, opStřední);
    SUITE_CONTROL(OptionRef, opNízky);
    SUITE_CONTROL(OptionRef, opRekModrý);
    SUITE_CONTROL(OptionRef, opRekZelený);
    SUITE_CONTROL(OptionRef, opRekČervený);
    SUITE_CONTROL(OptionRef, op8500);
    SUITE_CONTROL(OptionRef, op7000);
    SUITE_CONTROL(OptionRef, opVýšDál);
    SUITE_CONTROL(OptionRef, opNížBlíž);
    SUITE_CONTROL(BoxRef, nStav);
    SUITE_CONTROL(BoxRef, nKmit);
    SUITE_CONTROL(BoxRef, nKmitRef);
    SUITE_CONTROL(BoxRef, nSpomal);
    SUITE_CONTROL(OptionRef, opRychlá);
    SUITE_CONTROL(BoxRef, nSpomalDetek);
    SUITE_CONTROL(OptionRef, opRychláDetek);
    SUITE_CONTROL(BoxRef, nDistanceDetek);
    SUITE_CONTROL(BoxRef, nYPolohaObjektu);
    SUITE_CONTROL(BoxRef, nXPolohaObjektu);
    SUITE_CONTROL(ControlRef, nObjekt);
    SUITE_CONTROL(ControlRef, nVirtuální);
    SUITE_CONTROL(ControlRef, frmRekonstrukce);
    SUITE_CONTROL(ControlRef, nDetektor);
    SUITE_CONTROL(ControlRef, nIntObr);
    SUITE_CONTROL(ControlRef, nObnPole);
    SUITE_CONTROL(ControlRef, nPůvodPole);
};
}  // namespace rozavezavu
