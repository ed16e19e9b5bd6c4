#pragma once

class QWidget;

// What assistive technology sees of the suite's windows: a window, its page, its frames
// and its run bar with only the controls that are shown, and the picture, busy while a
// run draws in it.
void installAccessibility();
// Tells assistive technology that the picture became busy or idle.
void announceBusy(QWidget* picture);
