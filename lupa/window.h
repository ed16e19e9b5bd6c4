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
    // The controls the handlers and the run reach, found once when the window is made.
    const BoxRef nPravděpodobnost_ = named<BoxRef>("nPravděpodobnost");
    const BoxRef nSoučetRadiusvektorů_ = named<BoxRef>("nSoučetRadiusvektorů");
    const BoxRef nClonaOtvor_ = named<BoxRef>("nClonaOtvor");
    const OptionRef opBody_ = named<OptionRef>("opBody");
    const BoxRef nZobrazení_ = named<BoxRef>("nZobrazení");
    const OptionRef opPruhy_ = named<OptionRef>("opPruhy");
    const CheckRef chDisperze_ = named<CheckRef>("chDisperze");
    const BarRef HScroll1_ = named<BarRef>("HScroll1");
    const OptionRef opVelký_ = named<OptionRef>("opVelký");
    const OptionRef opIndexStřední_ = named<OptionRef>("opIndexStřední");
    const OptionRef opPůlNe_ = named<OptionRef>("opPůlNe");
    const OptionRef opModrý_ = named<OptionRef>("opModrý");
    const BoxRef nStart_ = named<BoxRef>("nStart");
    const BoxRef nDisperze_ = named<BoxRef>("nDisperze");
    const BoxRef nClona_ = named<BoxRef>("nClona");
    const OptionRef opClonaŠiroká_ = named<OptionRef>("opClonaŠiroká");
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
    const OptionRef opRychlá_ = named<OptionRef>("opRychlá");
    const BoxRef nPoloměr_ = named<BoxRef>("nPoloměr");
    const BoxRef nPůlLupy_ = named<BoxRef>("nPůlLupy");
    const BoxRef nIndex_ = named<BoxRef>("nIndex");
    const BoxRef nKmitočet_ = named<BoxRef>("nKmitočet");
};
}  // namespace lupa
