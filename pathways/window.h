#pragma once
#include "form.h"

// The window of pathways: random zig-zag routes of a photon between a source and a
// detector inside a corridor, their arrows chained in three places.
namespace pathways {

class Rozptyl : public Form {
public:
    // The picture covers x = 5 to 900 and y = 51 to 630: its arrow sums reach x = 900.
    static constexpr Size kDesign{900, 631};

    Rozptyl();

    void Form_Load();
    void HScroll1_Change();
    void cmdStart_Click();

private:
    // The controls the handlers and the run reach, found once when the window is made.
    const ControlRef labRadiusKoridor_ = named<ControlRef>("labRadiusKoridor");
    const ControlRef labDelkaTrasy_ = named<ControlRef>("labDelkaTrasy");
    const ControlRef labZdroj_ = named<ControlRef>("labZdroj");
    const ControlRef labDetektor_ = named<ControlRef>("labDetektor");
    const ControlRef labRadiusvektorTrasy_ = named<ControlRef>("labRadiusvektorTrasy");
    const BarRef HScroll1_ = named<BarRef>("HScroll1");
    const BoxRef nPocet_ = named<BoxRef>("nPocet");
    const BoxRef nTrajektorie_ = named<BoxRef>("nTrajektorie");
    const OptionRef op5z_ = named<OptionRef>("op5z");
    const OptionRef op5_ = named<OptionRef>("op5");
    const OptionRef opŠiroký_ = named<OptionRef>("opŠiroký");
    const OptionRef opRychlá_ = named<OptionRef>("opRychlá");
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
    const BoxRef nKoridor_ = named<BoxRef>("nKoridor");
};

}  // namespace pathways
