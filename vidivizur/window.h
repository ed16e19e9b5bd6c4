#pragma once
#include "form.h"

namespace vidivizur {

// The window of vidivizur: a point on a circle, a rotating radius vector and the
// sine wave they trace.
class Form1 : public Form {
public:
    Form1();

    void Form_Load();
    void HScroll1_Change();
    void ComSinusovka_Click();
};
}  // namespace vidivizur
