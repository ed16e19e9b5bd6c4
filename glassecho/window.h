#pragma once
#include "form.h"

// The window of glassecho: partial reflection of light by a glass plate of growing
// thickness, every depth scattering one arrow back to the detector.
namespace glassecho {

class Rozptyl : public Form {
public:
    Rozptyl();

    void Form_Load();
    void HScroll1_Change();
    void cmdStart_Click();

private:
    // The parameter boxes a run reads at every step, found once.
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
};

}  // namespace glassecho
