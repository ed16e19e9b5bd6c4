#pragma once
#include "form.h"

namespace lupa {

// The window of lupa: a plano-convex lens gathering parallel light into its focus,
// with the colour of the light, dispersion, apertures and the lower half covered;
// the probability of arrival along the axis as points or stripes.
class FokusLupy : public Program<FokusLupy> {
public:
    FokusLupy();

    void Form_Load();
    void chDisperze_Click();
    void cmdStart_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    SUITE_CONTROL(BoxRef, nPravděpodobnost);
    SUITE_CONTROL(BoxRef, nSoučetRadiusvektorů);
    SUITE_CONTROL(BoxRef, nClonaOtvor);
    SUITE_CONTROL(OptionRef, opBody);
    SUITE_CONTROL(BoxRef, nZobrazení);
    SUITE_CONTROL(OptionRef, opPruhy);
    SUITE_CONTROL(CheckRef, chDisperze);
    SUITE_CONTROL(OptionRef, opVelký);
    SUITE_CONTROL(OptionRef, opIndexStřední);
    SUITE_CONTROL(OptionRef, opPůlNe);
    SUITE_CONTROL(OptionRef, opModrý);
    SUITE_CONTROL(BoxRef, nStart);
    SUITE_CONTROL(BoxRef, nDisperze);
    SUITE_CONTROL(BoxRef, nClona);
    SUITE_CONTROL(OptionRef, opClonaŠiroká);
    SUITE_CONTROL(BoxRef, nSpomaleni);
    SUITE_CONTROL(OptionRef, opRychlá);
    SUITE_CONTROL(BoxRef, nPoloměr);
    SUITE_CONTROL(BoxRef, nPůlLupy);
    SUITE_CONTROL(BoxRef, nIndex);
    SUITE_CONTROL(BoxRef, nKmitočet);
};
}  // namespace lupa
