#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// The pace of a run, modelled on one reference machine.
//
// On the reference machine a decrement of the pacing wait, a drawing operation and
// every pixel that operation touches each cost their own time. During a run the
// pacing adds these costs up and pays them as wall-clock time at frame boundaries:
// when a frame's worth of reference time has been spent it sleeps until the
// reference machine would have got there, then shows the picture. So the picture
// builds up as designed whatever the processor, and the waits keep their designed
// proportion to the drawing. A run that falls behind (a slow machine, a question
// answered) goes on from where it is and never hurries to catch up.
//
// The user's hands are on the run: stop() ends it at its next drawing operation or
// wait (which throw Stopped), togglePause() holds it while the window goes on
// being shown; a pause costs the run nothing. A run goes in steps, what a teacher
// calls one (a detector point, a route, a photon): every pacing wait ends one, unless
// the program marks its own (stepEnds). step() lets a paused run go on to the end of
// its next step, as fast as it draws, and pauses it there; the run draws what it would
// have drawn anyway.
class Pacing {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr double kSecondsPerDecrement = 0.25e-6;
    static constexpr double kSecondsPerOperation = 25e-6;
    static constexpr double kSecondsPerPixel = 0.05e-6;
    static constexpr Clock::duration kFrameInterval = std::chrono::milliseconds(16);

    // What a drawing operation or a wait throws once the run has been stopped.
    struct Stopped {};

    // Where a run stands, as the user's hands see it.
    enum class State {
        Idle,  // no run
        Running,
        Paused,
        Stepping,  // paused, let go on to the end of its next step
        Stopping,  // stopped, ending at its next drawing operation or wait
    };

    // A run begins: its reference machine starts now, drawing costs time. ownSteps:
    // the run marks the ends of its steps itself (stepEnds); otherwise its waits do.
    void begin(bool ownSteps = false);
    // Pays what the run still owes and shows its last frame.
    void finish();
    // The run is over, finished or stopped; drawing is free again.
    void end();
    bool inRun() const { return inRun_; }

    // The pacing wait: D decrements (D <= 0 or not a number waits for nothing). In a
    // run it is paid with the drawing; outside a run at once. It ends a step first,
    // unless the run marks its own.
    void wait(double decrements);

    // The end of one of the run's steps, where a step the user asked for pauses.
    void stepEnds()
    {
        if (!inRun_)
            return;
        if (stopping_)
            throw Stopped{};
        ++steps_;
        stepEndedBefore_ = stepEnded_;
        stepEnded_ = {runSeconds_, runWaitSeconds_};
        if (stepLog)
            stepLog->push_back(stepEnded_);
        if (stepping_)
            pauseAtThisStep();
    }

    // A drawing operation touching about `pixels` pixels of the reference picture.
    void drawn(double pixels)
    {
        if (!inRun_)
            return;
        if (stopping_)
            throw Stopped{};
        ++operations_;
        const double cost = kSecondsPerOperation + pixels * kSecondsPerPixel;
        owed_ += cost;
        designed_ += cost;
        runSeconds_ += cost;
        if (owed_ >= kFrameSeconds || ++sinceLook_ >= kLookEvery)
            boundary();
    }

    // The user's hands on a run (all do nothing outside one). step(): a running run
    // pauses at the end of its step, a paused one goes on to the end of its next step.
    void stop();
    void togglePause();
    void step();
    bool isStopping() const { return stopping_; }
    bool isPaused() const { return paused_; }
    State state() const;

    // Where a run stands in its reference time (the designed seconds): all of it, and
    // what its waits took of it.
    struct Spent {
        double seconds = 0, waitSeconds = 0;
        double drawingSeconds() const { return seconds - waitSeconds; }
        friend bool operator==(const Spent&, const Spent&) = default;
    };
    // The run's steps ended so far, and its reference time now, at the end of its last
    // step and of the step before; counted anew from begin, or from countAnew (a run that
    // follows in the same pacing).
    void countAnew();
    long long steps() const { return steps_; }
    Spent spent() const { return {runSeconds_, runWaitSeconds_}; }
    double runSeconds() const { return runSeconds_; }
    Spent lastStepEnded() const { return stepEnded_; }
    Spent stepEndedBefore() const { return stepEndedBefore_; }

    // Shows the picture now.
    void show();

    // Tests: waits and drawing cost no time; what was asked is still counted, with the
    // time the reference machine would have taken.
    void setFree(bool free) { free_ = free; }
    bool isFree() const { return free_; }
    double decrementsAsked() const { return asked_; }
    long long waits() const { return waits_; }
    std::uint64_t operations() const { return operations_; }
    double designedSeconds() const { return designed_; }
    void resetCount() { asked_ = 0, waits_ = 0, operations_ = 0, designed_ = 0; }

    // The longest time between two showings since the last resetGaps (for the bench).
    Clock::duration longestGap() const { return longestGap_; }
    void resetGaps();

    // Where the ends of the run's steps are written, in its reference seconds (unset: nowhere).
    std::vector<Spent>* stepLog = nullptr;

    // Shows the picture (set by the window that owns the run).
    std::function<void()> showPicture;
    // Told at every frame boundary of the run's reference time, whether the run is paced
    // or free and however fast the machine (a recording's frames; unset: nobody).
    std::function<void()> frameReached;
    // Sleeps while the run waits for the reference machine; a front end whose page must
    // go on being served meanwhile (a browser's) sets its own. Unset: the thread sleeps.
    std::function<void(Clock::duration)> sleep;

private:
    static constexpr double kFrameSeconds = std::chrono::duration<double>(kFrameInterval).count();
    // How many operations may pass without looking at the clock (a slow machine still
    // shows its picture every frame).
    static constexpr unsigned kLookEvery = 2048;

    void boundary();
    void frame();
    void keepShowing();
    void payUntil(Clock::time_point& due);
    void obeyTheUser();
    void holdWhilePaused();
    void pauseAtThisStep();
    void sleepFor(Clock::duration d);

    bool free_ = false;
    bool inRun_ = false;
    bool stopping_ = false;
    bool paused_ = false;
    bool stepping_ = false;
    bool ownSteps_ = false;
    Clock::time_point stepAsked_{};
    long long steps_ = 0;
    double runSeconds_ = 0, runWaitSeconds_ = 0;
    Spent stepEnded_, stepEndedBefore_;
    double owed_ = 0;  // reference seconds spent since the last frame boundary
    Clock::time_point due_{};  // when the reference machine reached the last boundary
    unsigned sinceLook_ = 0;
    double asked_ = 0;
    long long waits_ = 0;
    std::uint64_t operations_ = 0;
    double designed_ = 0;
    Clock::time_point lastShown_ = Clock::now();
    Clock::duration longestGap_{};
};
