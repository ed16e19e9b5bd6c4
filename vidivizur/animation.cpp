#include "form1.h"

// The run of Start. (The animation itself is still to come: for now one paced step.)
void Form1::ComSinusovka_Click()
{
    DrawingSurface& s = surface();
    s.ScaleMode = DrawingSurface::Twips;
    s.ScaleMode = DrawingSurface::Pixels;
    s.DrawWidth = 1;
    pacing().wait(number("nSpomaleni"));
}
