#pragma once
#include <QFont>

#include "layout.h"

// The font of a layout entry on this machine: the designed families mapped to
// metric-compatible stand-ins, the size in pixels at 96 pixels per inch
// (points x 96 / 72) times the window's scale, so a layout looks the same on any screen.
QFont fontFor(const FontSpec& font, double scale = 1);
