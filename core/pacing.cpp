#include "pacing.h"

#include <algorithm>
#include <thread>

namespace {
Pacing::Clock::duration lasting(double seconds)
{
    return std::chrono::duration_cast<Pacing::Clock::duration>(std::chrono::duration<double>(seconds));
}
}  // namespace

void Pacing::begin(bool ownSteps)
{
    inRun_ = true;
    stopping_ = paused_ = stepping_ = false;
    ownSteps_ = ownSteps;
    countAnew();
    owed_ = 0;
    sinceLook_ = 0;
    due_ = Clock::now();
}

void Pacing::countAnew()
{
    steps_ = 0;
    runSeconds_ = runWaitSeconds_ = 0;
    stepEnded_ = stepEndedBefore_ = {};
}

void Pacing::finish()
{
    if (inRun_ && !free_)
        frame();
}

void Pacing::end()
{
    inRun_ = stopping_ = paused_ = stepping_ = false;
    owed_ = 0;
}

void Pacing::wait(double decrements)
{
    if (inRun_ && stopping_)
        throw Stopped{};
    if (!ownSteps_)
        stepEnds();
    ++waits_;
    if (!(decrements > 0))
        return;
    asked_ += decrements;
    const double cost = decrements * kSecondsPerDecrement;
    designed_ += cost;
    if (!inRun_) {
        if (!free_) {
            auto due = Clock::now() + lasting(cost);
            payUntil(due);
        }
        return;
    }
    runSeconds_ += cost;
    runWaitSeconds_ += cost;
    owed_ += cost;
    if (owed_ >= kFrameSeconds || ++sinceLook_ >= kLookEvery)
        boundary();
}

void Pacing::stop()
{
    if (!inRun_)
        return;
    stopping_ = true;
    paused_ = stepping_ = false;
}

// A step going on is let go on as the run.
void Pacing::togglePause()
{
    if (!inRun_ || stopping_)
        return;
    if (stepping_)
        stepping_ = false;
    else
        paused_ = !paused_;
}

void Pacing::step()
{
    if (!inRun_ || stopping_)
        return;
    paused_ = false;
    stepping_ = true;
    stepAsked_ = Clock::now();
}

Pacing::State Pacing::state() const
{
    if (!inRun_)
        return State::Idle;
    if (stopping_)
        return State::Stopping;
    if (stepping_)
        return State::Stepping;
    return paused_ ? State::Paused : State::Running;
}

// The step the user asked for has been drawn: it is shown at once, and the run pauses
// owing nothing (a step goes as fast as it draws).
void Pacing::pauseAtThisStep()
{
    stepping_ = false;
    paused_ = true;
    owed_ = 0;
    due_ = Clock::now();
    show();
    obeyTheUser();
}

// Every frame's worth of reference time, or every so many operations.
void Pacing::boundary()
{
    sinceLook_ = 0;
    const bool frameDue = owed_ >= kFrameSeconds;
    if (frameDue && frameReached)
        frameReached();
    if (!free_ && frameDue) {
        frame();
        return;
    }
    if (free_ && frameDue)
        owed_ = 0;  // a free run owes nothing
    keepShowing();
}

// Sleeps until the reference machine has drawn what was drawn, then shows it; a step
// the user asked for goes as fast as it draws.
void Pacing::frame()
{
    if (stepping_) {
        owed_ = 0;
        due_ = Clock::now();
        keepShowing();
        return;
    }
    due_ += lasting(owed_);
    owed_ = 0;
    due_ = std::max(due_, Clock::now());
    payUntil(due_);
    if (stepping_)  // a step asked for while the frame was paid: it goes on at once
        return;
    show();
    obeyTheUser();
}

// A step asked for is not held up by showing its first frame's worth of drawing: most
// steps are drawn and shown within the frame in which they were asked for.
void Pacing::keepShowing()
{
    const auto now = Clock::now();
    if (now - lastShown_ < kFrameInterval || (stepping_ && now - stepAsked_ < kFrameInterval))
        return;
    show();
    obeyTheUser();
}

// Waits until `due`, showing the picture every frame interval; a pause moves `due` on.
void Pacing::payUntil(Clock::time_point& due)
{
    for (;;) {
        if (stopping_)
            throw Stopped{};
        if (paused_) {
            const auto from = Clock::now();
            holdWhilePaused();
            due += Clock::now() - from;
            continue;
        }
        if (stepping_) {  // what is left of the wait is not paid
            due = Clock::now();
            return;
        }
        const auto now = Clock::now();
        if (now >= due)
            return;
        const auto nextFrame = lastShown_ + kFrameInterval;
        if (now >= nextFrame) {
            show();
            continue;
        }
        // Sleep through most of a long stretch; spin the last of it for precision.
        const auto until = std::min(due, nextFrame);
        if (until - now > std::chrono::milliseconds(2))
            sleepFor(until - now - std::chrono::milliseconds(1));
    }
}

// What the user asked for while the picture was shown.
void Pacing::obeyTheUser()
{
    if (paused_) {
        const auto from = Clock::now();
        holdWhilePaused();
        due_ += Clock::now() - from;
    }
    if (stopping_)
        throw Stopped{};
}

void Pacing::holdWhilePaused()
{
    // What was drawn before the pause goes to the screen at once: the picture stands still
    // from the pause on.
    if (paused_ && !stopping_ && Clock::now() - lastShown_ >= std::chrono::milliseconds(1))
        show();
    // A sleep may end early (the user's input wakes it): what it asked is looked at again.
    while (paused_ && !stopping_) {
        const auto now = Clock::now(), next = lastShown_ + kFrameInterval;
        if (now < next) {
            sleepFor(next - now);
            continue;
        }
        show();
    }
}

void Pacing::sleepFor(Clock::duration d)
{
    if (sleep)
        sleep(d);
    else
        std::this_thread::sleep_for(d);
}

void Pacing::show()
{
    const auto now = Clock::now();
    longestGap_ = std::max(longestGap_, now - lastShown_);
    if (showPicture)
        showPicture();
    lastShown_ = Clock::now();
}

void Pacing::resetGaps()
{
    longestGap_ = {};
    lastShown_ = Clock::now();
}
