#pragma once
#include "form.h"

namespace vidivizur {

// The window of vidivizur: a point on a circle, a rotating radius vector and the
// sine wave they trace.
class Form1 : public Program<Form1> {
public:
    Form1();

    void Form_Load();
    void ComSinusovka_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    SUITE_CONTROL(ControlRef, labI);
    SUITE_CONTROL(ControlRef, labY);
    SUITE_CONTROL(ControlRef, labPolarnisouradnice);
    SUITE_CONTROL(OptionRef, opRxchlá);
    SUITE_CONTROL(BoxRef, nSpomaleni);
    SUITE_CONTROL(ControlRef, labFiEuler);
    SUITE_CONTROL(ControlRef, labFiRadius);
    SUITE_CONTROL(ControlRef, labPolomer);
    SUITE_CONTROL(ControlRef, labPolomerE);
    SUITE_CONTROL(ControlRef, imLegenda);
    SUITE_CONTROL(ControlRef, imOmegaCas);
};
}  // namespace vidivizur
