#pragma once
#include "form.h"

namespace parabola {

// The window of parabola: a parabolic mirror gathering parallel light into its
// focus, the Cornu spirals of the arrow sums for a detector moving along the axis,
// and the probability along the axis as bars.
class ParabolaQED : public Program<ParabolaQED> {
public:
    ParabolaQED();

    void Form_Load();
    void cmdStart_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    SUITE_CONTROL(BoxRef, nAlfa);
    SUITE_CONTROL(BoxRef, nOsKruh);
    SUITE_CONTROL(OptionRef, opOhniskoVzdálené);
    SUITE_CONTROL(BoxRef, nKmitočet);
    SUITE_CONTROL(OptionRef, opStřední);
    SUITE_CONTROL(BoxRef, nPrvní);
    SUITE_CONTROL(OptionRef, opRychlá);
    SUITE_CONTROL(BoxRef, nSpomaleni);
};
}  // namespace parabola
