#pragma once
#include "form.h"
#include "photon_run.h"

namespace fringeworks {

// The window of fringeworks: photons from a source pass one of two holes and land
// at random points of a detector; the arrows of a chosen number of photons per
// point are added and the squared length of each sum is drawn as a bar, so the
// fringes of the two holes build up out of single shots.
class Animace : public Form {
public:
    Animace();

    void Form_Load();
    // Photons per detector point.
    void opFot1_Click();
    void opFot5_Click();
    void opFot10_Click();
    void op50_Click();
    void opFot100_Click();
    void opfot500_Click();
    // The hidden speed options and the speed scroll bar: how many times each shot is drawn.
    void opPomalá_Click();
    void opPomalejší_Click();
    void opRychlá_Click();
    void HScroll1_Change();
    // The run of Start.
    void cmdStart_Click();

    // What a run reads from the parameter boxes, read once as it begins.
    PhotonRun::Settings runSettings() const;
};
}  // namespace fringeworks
