#pragma once
#include "form.h"

namespace interference {

// The window of interference: light from a point source passes a screen with two
// holes; a detector point moves up a line behind it, the arrows of the two routes
// are added and the squared length of their sum is plotted as the fringe pattern.
class frmInterference : public Form {
public:
    frmInterference();

    void Form_Load();
    // Hole spacing: each hole lies nOdchylka pixels above or below the axis.
    void op60_Click();
    void op40_Click();
    void op20_Click();
    void op0_Click();
    // Distance from the screen to the detector line.
    void opDc200_Click();
    void opDc150_Click();
    void opdc100_Click();
    // Wave number of the light.
    void op05_Click();
    void op03_Click();
    void op01_Click();
    // The hidden speed options and the speed scroll bar.
    void opRychla_Click();
    void nPomalší_Click();
    void opPomalá_Click();
    void HScroll1_Change();
    // The run of Start.
    void cmdStart_Click();
};
}  // namespace interference
