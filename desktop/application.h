#pragma once
#include <QColor>
#include <QProcessEnvironment>
#include <QSize>

#include "colour.h"

class QWidget;

// The look every program of the suite shares: style, palette, font stand-ins, and the
// pictures of assistive technology.
void setUpApplication();

// The suite's style with its indicators, scroll bars and spacings shrunk by a factor
// (a window smaller than designed, on a screen smaller than the reference screen).
void shrinkTheStyle(double factor);

// The palette, in one place: a layout's colour in Qt's terms, and a widget painted with
// its background and text colours.
QColor qcolour(Colour c);
void paint(QWidget* w, Colour back, Colour fore);
void paintBackground(QWidget* w, Colour back);

// Before the application starts: sets Qt's own scale factor so that a window designed
// for `design` fills the primary screen, its controls and picture magnified alike.
void scaleToFillTheScreen(int argc, char** argv, QSize design);
// The environment for a program started from here: the scale factor the user gave, not ours.
QProcessEnvironment environmentForPrograms();

// The running program as the desktop knows it: its id (after the executable's name) as
// its desktop file name and window class, so a dock ties its windows to its menu entry,
// and its icon on every window.
void identifyProgram();
