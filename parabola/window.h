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
    // The controls the handlers and the run reach, found once when the window is made.
    const BoxRef nAlfa_ = named<BoxRef>("nAlfa");
    const BarRef HScroll1_ = named<BarRef>("HScroll1");
    const BoxRef nOsKruh_ = named<BoxRef>("nOsKruh");
    const OptionRef opOhniskoVzdálené_ = named<OptionRef>("opOhniskoVzdálené");
    const BoxRef nKmitočet_ = named<BoxRef>("nKmitočet");
    const OptionRef opStřední_ = named<OptionRef>("opStřední");
    const BoxRef nPrvní_ = named<BoxRef>("nPrvní");
    const OptionRef opRychlá_ = named<OptionRef>("opRychlá");
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
};
}  // namespace parabola
