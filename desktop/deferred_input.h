#pragma once
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

class Pacing;
class QKeyEvent;
class QWidget;
class QWindow;

// The input a window gets while a run draws in it. Esc stops the run, P (or Pause)
// pauses and resumes it; every other key, click, wheel turn and pointer move is held
// and served after the run, in the order it was made, as if it came then. Esc also
// cancels the runs that what was held before it would start.
class DeferredInput : public QObject {
public:
    // stop: what Esc does to the run (stops it, and answers a question it waits for).
    DeferredInput(QWidget& window, Pacing& pacing, std::function<void()> stop);
    ~DeferredInput() override;

    // From now on the window's input is held (until release).
    void hold();
    void release();
    // Serves what was held, oldest first; a run started meanwhile holds what comes
    // during it behind what is still waiting.
    void serve();
    // Forgets what was held (the window is closing).
    void discard();
    bool isEmpty() const { return held_.empty(); }
    // Whether what is being served was held before an Esc: a run it asks for is cancelled.
    bool servingCancelledRuns() const { return serving_ && served_ < cancelledBefore_; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool steersTheRun(const QKeyEvent& key);
    void keep(QObject* receiver, const QEvent& event);

    // An event to serve later, made anew then from what it said (a pointer event
    // keeps no ties to the pointer's state in the meantime).
    struct Held {
        std::uint64_t number;  // in the order it came
        QPointer<QObject> receiver;
        QEvent::Type type;
        std::function<std::unique_ptr<QEvent>()> make;
    };
    QWidget& window_;
    Pacing& pacing_;
    std::function<void()> stop_;
    QPointer<QWindow> holding_;
    std::deque<Held> held_;
    bool serving_ = false;
    std::uint64_t nextNumber_ = 0;
    std::uint64_t served_ = 0;           // the number of what is being served
    std::uint64_t cancelledBefore_ = 0;  // what was held before the last Esc
};
