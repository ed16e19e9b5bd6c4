#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

#include "run_input.h"

class QEvent;
class QWidget;
class QWindow;

// The desktop's side of the input held during a run: while the run's policy holds, the
// window's keys, clicks, wheel turns and pointer moves go to it, each with a way to be
// sent again later (made anew from what it said: a pointer event keeps no ties to the
// pointer's state in the meantime), and with what it aims at: a run control (the run
// bar, a speed bar: `runControl` says which widgets) takes its input now, a drag begun
// on one to its release, keys while it has the focus. Touch and tablet input come back
// as the mouse events they stand for and are held as those.
class DeferredInput : public QObject {
public:
    DeferredInput(QWidget& window, RunInput& policy, std::function<bool(const QWidget*)> runControl);
    ~DeferredInput() override;

    // The window's input goes to the policy from now on (until release).
    void hold();
    void release();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    RunInput::Aim aimOf(const QEvent& event);

    QWidget& window_;
    RunInput& policy_;
    std::function<bool(const QWidget*)> runControl_;
    QPointer<QWindow> holding_;
    bool dragging_ = false;  // a press on a run control, until its release
};
