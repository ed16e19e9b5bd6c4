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
    // The controls the handlers and the run reach, found once when the window is made.
    const ControlRef labZdroj_ = named<ControlRef>("labZdroj");
    const ControlRef labDetektor_ = named<ControlRef>("labDetektor");
    const ControlRef labPravděpodobnost_ = named<ControlRef>("labPravděpodobnost");
    const ControlRef labSilaSkla_ = named<ControlRef>("labSilaSkla");
    const ControlRef labSoučet_ = named<ControlRef>("labSoučet");
    const ControlRef labSklíčko_ = named<ControlRef>("labSklíčko");
    const BarRef HScroll1_ = named<BarRef>("HScroll1");
    const OptionRef op01_ = named<OptionRef>("op01");
    const BoxRef nFrekvence_ = named<BoxRef>("nFrekvence");
    const OptionRef opRychlá_ = named<OptionRef>("opRychlá");
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
    const BoxRef nStartuje_ = named<BoxRef>("nStartuje");
};

}  // namespace glassecho
