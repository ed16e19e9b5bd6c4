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
    // The parameter boxes a run reads at every step, found once.
    const BoxRef nSpomal_ = named<BoxRef>("nSpomal");
    const BoxRef nSpomalDetek_ = named<BoxRef>("nSpomalDetek");
};
}  // namespace rozavezavu
