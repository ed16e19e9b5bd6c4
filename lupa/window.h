#pragma once
#include "form.h"

namespace lupa {

// The window of lupa: a plano-convex lens gathering parallel light into its focus,
// with the colour of the light, dispersion, apertures and the lower half covered;
// the probability of arrival along the axis as points or stripes.
class FokusLupy : public Form {
public:
    FokusLupy();

    void Form_Load();
    void chDisperze_Click();
    void HScroll1_Change();
    void cmdStart_Click();

private:
    // The parameter boxes a run reads at every step, found once.
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
};
}  // namespace lupa
