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
    // The parameter boxes a run reads at every step, found once.
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
};
}  // namespace interference
