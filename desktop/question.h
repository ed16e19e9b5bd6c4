#pragma once
#include <QString>

class QWidget;

// The yes/no question of a run, in a box of "Ano" and "Ne" titled with the program's
// title: Form::vbYes or Form::vbNo. The box is not modal, so that the window it asks for
// still takes a close from the window manager (the run that asks holds the window's
// other input meanwhile); closing the box itself answers "Ne" and closes that window too.
int askYesNo(QWidget* window, const QString& title, const QString& question);
// Answers the question open in `window` "Ne" (Esc or a close during the run that asks).
void answerNo(QWidget* window);
