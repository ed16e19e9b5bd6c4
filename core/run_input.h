#pragma once
#include <cstdint>
#include <functional>
#include <vector>

class Pacing;

// The input a window gets while a run draws in it, whatever shows the window. Esc stops
// the run, P (or Pause) pauses and resumes it, K lets a paused run go one step; a close
// stops it and closes the window once it has stopped. What aims at the run's own
// controls (the run bar, the speed bar) is handled now. Everything else is held and
// served after the run, in the order it was made, as if it came then; the runs that
// input held before an Esc would start are cancelled with the run the Esc stopped.
//
// A front end hands every event of the run's window to `key` or `input` and does what
// the verdict says; what is held comes back through the function it gave, when the
// event's turn comes. An event given without such a function cannot wait: it is handled now.
class RunInput {
public:
    // A key as the run tells keys apart.
    enum class Key { Escape, P, Pause, Step, Other };
    // What the input aims at: the window, or a control a run takes input for (the run
    // bar, the speed bar).
    enum class Aim { Window, RunControl };
    // The input that is not a key, as far as the order of serving cares.
    enum class Pointer {
        Press,
        Release,
        DoubleClick,  // stands for the press that made it: that press is not served by itself
        Move,  // of a run of moves to one target only the last is served
        Other,  // a wheel turn, entering or leaving, a context menu, a click on a control
    };
    enum class Verdict {
        Now,  // no run holds the window's input: the front end handles the event as usual
        Steered,  // it stopped or paused the run (or was such a key's release or repeat): it is spent
        Held,  // it is kept and served after the run
    };

    explicit RunInput(Pacing& pacing) : pacing_(pacing) {}
    RunInput(const RunInput&) = delete;
    RunInput& operator=(const RunInput&) = delete;

    // What an Esc or a close does besides stopping the run (a question the run waits for
    // is answered "Ne").
    std::function<void()> onStop;

    // A key pressed (or released); modified: with Ctrl, Alt or Meta, which never steers.
    Verdict key(Key key, bool pressed, bool repeated, bool modified, std::function<void()> serve,
                Aim aim = Aim::Window);
    // Any other input for the window; `target` tells apart what moves may merge.
    Verdict input(Pointer what, const void* target, std::function<void()> serve, Aim aim = Aim::Window);

    // The run bar's buttons, and what the run's keys do: stop the run (as Esc), pause or
    // resume it, one step. Nothing outside a run.
    void stopTheRun();
    void togglePause();
    void step();
    // The window manager closes the window: true when it may close now; during a run the
    // run stops and the window closes after it (closeAfterRun).
    bool close();

    // A run begins: the window's input is held from now on. It ends: nothing is held any
    // more; what was held waits for serve (or discard, when the window closes instead).
    void runBegins();
    void runEnds();
    bool isHolding() const { return holding_; }
    bool closeAfterRun() const { return closeAsked_; }

    // Serves what was held, oldest first, while `open` says the window is still open (what
    // was served may have closed it). A run that begins meanwhile holds what comes during
    // it behind what still waits.
    void serve(const std::function<bool()>& open);
    void discard();
    std::size_t waiting() const { return held_.size() - firstWaiting_; }
    // Whether the input being served now was held before an Esc: a run it asks for is cancelled.
    bool cancelsRuns() const { return serving_ && served_ < cancelledBefore_; }

private:
    struct Held {
        std::uint64_t number;  // in the order it came
        Pointer what;
        const void* target;
        std::function<void()> serve;
    };
    void discardHeld();
    Verdict hold(Pointer what, const void* target, std::function<void()> serve);

    Pacing& pacing_;
    std::vector<Held> held_;  // what still waits begins at firstWaiting_
    std::size_t firstWaiting_ = 0;
    bool holding_ = false;
    bool serving_ = false;
    bool closeAsked_ = false;
    std::uint64_t next_ = 0;
    std::uint64_t served_ = 0;  // the number of what is being served
    std::uint64_t cancelledBefore_ = 0;  // what was held before the last Esc
};
