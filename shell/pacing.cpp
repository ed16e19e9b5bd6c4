#include "pacing.h"

#include <cmath>
#include <thread>

void Pacing::wait(double decrements)
{
    ++waits_;
    if (!(decrements > 0))
        return;
    asked_ += decrements;
    if (free_)
        return;
    const auto length = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(decrements * kSecondsPerDecrement));
    const auto deadline = Clock::now() + length;
    // A step that stays on the screen for a frame or longer is shown as the wait begins.
    if (length >= kFrameInterval)
        show();
    else
        keepShowing();
    for (;;) {
        const auto now = Clock::now();
        if (now >= deadline)
            break;
        const auto nextFrame = lastShown_ + kFrameInterval;
        if (now >= nextFrame) {
            show();
            continue;
        }
        // Sleep through most of a long wait; spin the last stretch for precision.
        const auto until = std::min(deadline, nextFrame);
        if (until - now > std::chrono::milliseconds(2))
            std::this_thread::sleep_for(until - now - std::chrono::milliseconds(1));
    }
}

void Pacing::keepShowing()
{
    if (Clock::now() - lastShown_ >= kFrameInterval)
        show();
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
