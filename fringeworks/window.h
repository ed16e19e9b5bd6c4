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

    // The options write the photons per detector point and, hidden, how many times each
    // shot is drawn.
    void Form_Load();
    // The speed scroll bar: how many times each shot is drawn.
    void HScroll1_Change();
    // The run of Start.
    void cmdStart_Click();

    // What a run reads from the parameter boxes, read once as it begins.
    PhotonRun::Settings runSettings() const;
};
}  // namespace fringeworks
