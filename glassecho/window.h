#pragma once
#include "form.h"

// The window of glassecho: partial reflection of light by a glass plate of growing
// thickness, every depth scattering one arrow back to the detector.
namespace glassecho {

class Rozptyl : public Program<Rozptyl> {
public:
    Rozptyl();

    void Form_Load();
    void cmdStart_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    SUITE_CONTROL(ControlRef, labZdroj);
    SUITE_CONTROL(ControlRef, labDetektor);
    SUITE_CONTROL(ControlRef, labPravděpodobnost);
    SUITE_CONTROL(ControlRef, labSilaSkla);
    SUITE_CONTROL(ControlRef, labSoučet);
    SUITE_CONTROL(ControlRef, labSklíčko);
    SUITE_CONTROL(OptionRef, op01);
    SUITE_CONTROL(BoxRef, nFrekvence);
    SUITE_CONTROL(OptionRef, opRychlá);
    SUITE_CONTROL(BoxRef, nSpomaleni);
    SUITE_CONTROL(BoxRef, nStartuje);
};

}  // namespace glassecho
