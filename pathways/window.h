#pragma once
#include "form.h"

// The window of pathways: random zig-zag routes of a photon between a source and a
// detector inside a corridor, their arrows chained in three places.
namespace pathways {

class Rozptyl : public Program<Rozptyl> {
public:
    // The picture covers x = 5 to 900 and y = 51 to 630: its arrow sums reach x = 900.
    static constexpr Size kDesign{900, 631};

    Rozptyl();

    void Form_Load();
    void cmdStart_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    SUITE_CONTROL(ControlRef, labRadiusKoridor);
    SUITE_CONTROL(ControlRef, labDelkaTrasy);
    SUITE_CONTROL(ControlRef, labZdroj);
    SUITE_CONTROL(ControlRef, labDetektor);
    SUITE_CONTROL(ControlRef, labRadiusvektorTrasy);
    SUITE_CONTROL(BoxRef, nPocet);
    SUITE_CONTROL(BoxRef, nTrajektorie);
    SUITE_CONTROL(OptionRef, op5z);
    SUITE_CONTROL(OptionRef, op5);
    SUITE_CONTROL(OptionRef, opŠiroký);
    SUITE_CONTROL(OptionRef, opRychlá);
    SUITE_CONTROL(BoxRef, nSpomaleni);
    SUITE_CONTROL(BoxRef, nKoridor);
};

}  // namespace pathways
