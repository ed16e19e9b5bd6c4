#pragma once
#include "form.h"

namespace interference {

// The window of interference: light from a point source passes a screen with two
// holes; a detector point moves up a line behind it, the arrows of the two routes
// are added and the squared length of their sum is plotted as the fringe pattern.
class frmInterference : public Program<frmInterference> {
public:
    frmInterference();

    // The options write the hole spacing (each hole lies nOdchylka pixels above or below
    // the axis), the distance from the screen to the detector line, the wave number of the
    // light and the speed of the hidden speed options.
    void Form_Load();
    // The speed scroll bar.
    // The run of Start.
    void cmdStart_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    SUITE_CONTROL(ControlRef, labClona);
    SUITE_CONTROL(ControlRef, labPravde);
    SUITE_CONTROL(ControlRef, labZdroj);
    SUITE_CONTROL(ControlRef, labDetektor);
    SUITE_CONTROL(ControlRef, labA);
    SUITE_CONTROL(ControlRef, labB);
    SUITE_CONTROL(OptionRef, op60);
    SUITE_CONTROL(OptionRef, opDc200);
    SUITE_CONTROL(OptionRef, op05);
    SUITE_CONTROL(OptionRef, opRychla);
    SUITE_CONTROL(BoxRef, nSpomaleni);
    SUITE_CONTROL(BoxRef, nOdchylka);
    SUITE_CONTROL(BoxRef, nVzdalenost);
    SUITE_CONTROL(BoxRef, nKmitočet);
};
}  // namespace interference
