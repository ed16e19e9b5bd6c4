#pragma once
#include <chrono>
#include <cstdint>
#include <functional>

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
// being shown; a pause costs the run nothing.
class Pacing {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr double kSecondsPerDecrement = 0.25e-6;
    static constexpr double kSecondsPerOperation = 25e-6;
    static constexpr double kSecondsPerPixel = 0.05e-6;
    static constexpr Clock::duration kFrameInterval = std::chrono::milliseconds(16);

    // What a drawing operation or a wait throws once the run has been stopped.
    struct Stopped {};

    // A run begins: its reference machine starts now, drawing costs time.
    void begin();
    // Pays what the run still owes and shows its last frame.
    void finish();
    // The run is over, finished or stopped; drawing is free again.
    void end();
    bool inRun() const { return inRun_; }

    // The pacing wait: D decrements (D <= 0 or not a number waits for nothing). In a
    // run it is paid with the drawing; outside a run at once.
    void wait(double decrements);

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
        if (owed_ >= kFrameSeconds || ++sinceLook_ >= kLookEvery)
            boundary();
    }

    // The user's hands on a run (both do nothing outside one).
    void stop();
    void togglePause();
    bool isStopping() const { return stopping_; }
    bool isPaused() const { return paused_; }

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

    // Shows the picture (set by the window that owns the run).
    std::function<void()> showPicture;
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
    void sleepFor(Clock::duration d);

    bool free_ = false;
    bool inRun_ = false;
    bool stopping_ = false;
    bool paused_ = false;
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
