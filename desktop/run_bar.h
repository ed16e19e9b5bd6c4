#pragma once
#include <QFrame>
#include <QPoint>

#include "form.h"

class QLabel;
class QProgressBar;
class QToolButton;

// The run in the user's hands on the screen: while a run draws, a bar with pause and
// resume, one step (while paused) and stop, and how far the run has come and how long it
// still takes. It stands over the window where the picture leaves room, and a user may
// drag it elsewhere; it is no part of the picture. Its buttons do what P, K and Esc do.
class RunBar : public QFrame {
public:
    // window: what it stands on; shrink: the window's own scale below the design size.
    RunBar(Form& form, QWidget* window, double shrink);
    // The window's own scale changed (not during a run).
    void setScale(double shrink);

    // A run begins: the bar shows at its place in the design area `design` (the corner
    // the program gives it), or where the user put it.
    void runBegins(QRect design);
    // Shows the run's state and progress now.
    void showState();
    void runEnded();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QToolButton* button(const shell::RunButton& b);
    void present(QToolButton* button, const shell::RunButton& as);

    Form& form_;
    double shrink_;
    QToolButton* pause_;
    QToolButton* step_;
    QToolButton* stop_;
    QProgressBar* progress_;
    QLabel* paused_;
    QPoint grabbedAt_;
    bool moved_ = false;  // the user put it elsewhere: it stays there for later runs
    Pacing::State shown_ = Pacing::State::Idle;
};
