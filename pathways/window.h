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
    // The parameter boxes a run reads at every step, found once.
    const BoxRef nSpomaleni_ = named<BoxRef>("nSpomaleni");
};

}  // namespace pathways
