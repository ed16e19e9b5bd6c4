#pragma once
#include "form.h"

namespace interference {

// The window of interference: light from a point source passes a screen with two
// holes; a detector point moves up a line behind it, the arrows of the two routes
// are added and the squared length of their sum is plotted as the fringe pattern.
class frmInterference : public Form {
public:
    frmInterference();

    // The options write the hole spacing (each hole lies nOdchylka pixels above or below
    // the axis), the distance from the screen to the detector line, the wave number of the
    // light and the speed of the hidden speed options.
    void Form_Load();
    // The speed scroll bar.
    void HScroll1_Change();
    // The run of Start.
    void cmdStart_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    const ControlRef labClona_ = named<ControlRef>("labClona");
    const ControlRef labPravde_ = named<ControlRef>("labPravde");
    const ControlRef labZdroj_ = named<ControlRef>("labZdroj");
    const ControlRef labDetektor_ = named<ControlRef>("labDetektor");
    const ControlRef labA_ = named<ControlRef>("labA");
    const ControlRef labB_ = named<ControlRef>("labB");
    const BarRef HScroll1_ = named<BarRef>("HScroll1");
    const OptionRef op60_ = named<OptionRef>("op60");
    const OptionRef opDc200_ = named<OptionRef>("opDc200");
    const OptionRef op05_ = named<OptionRef>("op05");
    const OptionRef opRychla_ = named<OptionRef>("opRychla");
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
    const BoxRef nOdchylka_ = named<BoxRef>("nOdchylka");
    const BoxRef nVzdalenost_ = named<BoxRef>("nVzdalenost");
    const BoxRef nKmitočet_ = named<BoxRef>("nKmitočet");
};
}  // namespace interference
