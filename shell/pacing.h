#pragma once
#include <chrono>
#include <functional>

// The pacing wait of a run and the rhythm at which a run shows its picture.
//
// A wait of D decrements lasts D times the reference cost of one decrement,
// measured against a monotonic clock, so every program keeps the speeds it was
// designed with whatever the processor. While a run draws, the picture is shown
// at least every kFrameInterval: at the waits and, for runs that draw without
// waiting, from the drawing itself (keepShowing).
class Pacing {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr double kSecondsPerDecrement = 0.25e-6;
    static constexpr Clock::duration kFrameInterval = std::chrono::milliseconds(16);

    // Counts D down to 0; D <= 0 (or not a number) waits for nothing.
    void wait(double decrements);

    // Shows the picture when a frame interval has passed since it was last shown.
    void keepShowing();
    // Shows the picture now.
    void show();

    // Tests: waits cost no time; the decrements asked for are still counted.
    void setFree(bool free) { free_ = free; }
    bool isFree() const { return free_; }
    double decrementsAsked() const { return asked_; }
    long long waits() const { return waits_; }
    void resetCount() { asked_ = 0, waits_ = 0; }

    // The longest time between two showings since the last resetGaps (for the bench).
    Clock::duration longestGap() const { return longestGap_; }
    void resetGaps();

    // Shows the picture (set by the window that owns the run).
    std::function<void()> showPicture;

private:
    bool free_ = false;
    double asked_ = 0;
    long long waits_ = 0;
    Clock::time_point lastShown_ = Clock::now();
    Clock::duration longestGap_{};
};
