#pragma once
#include "form.h"

namespace parabola {

// The window of parabola: a parabolic mirror gathering parallel light into its
// focus, the Cornu spirals of the arrow sums for a detector moving along the axis,
// and the probability along the axis as bars.
class ParabolaQED : public Form {
public:
    ParabolaQED();

    void Form_Load();
    void HScroll1_Change();
    void cmdStart_Click();

private:
    // The parameter boxes a run reads at every step, found once.
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
    const BoxRef nAlfa_ = named<BoxRef>("nAlfa");
};
}  // namespace parabola
