#pragma once
#include "form.h"

// The window of pathways: random zig-zag routes of a photon between a source and a
// detector inside a corridor, their arrows chained in three places.
namespace pathways {

class Rozptyl : public Form {
public:
    Rozptyl();

    void Form_Load();
    void HScroll1_Change();
    void cmdStart_Click();
};

}  // namespace pathways
