#pragma once
#include "form.h"

namespace vidivizur {

// The window of vidivizur: a point on a circle, a rotating radius vector and the
// sine wave they trace.
class Form1 : public Form {
public:
    Form1();

    void Form_Load();
    void HScroll1_Change();
    void ComSinusovka_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    const ControlRef labI_ = named<ControlRef>("labI");
    const ControlRef labY_ = named<ControlRef>("labY");
    const ControlRef labPolarnisouradnice_ = named<ControlRef>("labPolarnisouradnice");
    const BarRef HScroll1_ = named<BarRef>("HScroll1");
    const OptionRef opRxchlá_ = named<OptionRef>("opRxchlá");
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
    const ControlRef labFiEuler_ = named<ControlRef>("labFiEuler");
    const ControlRef labFiRadius_ = named<ControlRef>("labFiRadius");
    const ControlRef labPolomer_ = named<ControlRef>("labPolomer");
    const ControlRef labPolomerE_ = named<ControlRef>("labPolomerE");
    const ControlRef imLegenda_ = named<ControlRef>("imLegenda");
    const ControlRef imOmegaCas_ = named<ControlRef>("imOmegaCas");
};
}  // namespace vidivizur
