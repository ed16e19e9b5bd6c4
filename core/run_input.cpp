#include "run_input.h"

#include "pacing.h"

RunInput::Verdict RunInput::key(Key key, bool pressed, bool repeated, bool modified, std::function<void()> serve,
                                Aim aim)
{
    if (!holding_)
        return Verdict::Now;
    if (key == Key::Other || modified)
        return aim == Aim::RunControl ? Verdict::Now : hold(Pointer::Other, nullptr, std::move(serve));
    // The run's own keys act once, when first pressed; their releases and repeats are spent.
    if (pressed && !repeated) {
        switch (key) {
        case Key::Escape:
            stopTheRun();
            break;
        case Key::Step:
            step();
            break;
        default:
            togglePause();
            break;
        }
    }
    return Verdict::Steered;
}

RunInput::Verdict RunInput::input(Pointer what, const void* target, std::function<void()> serve, Aim aim)
{
    if (!holding_ || aim == Aim::RunControl)
        return Verdict::Now;
    return hold(what, target, std::move(serve));
}

void RunInput::togglePause()
{
    if (holding_)
        pacing_.togglePause();
}

void RunInput::step()
{
    if (holding_)
        pacing_.step();
}

RunInput::Verdict RunInput::hold(Pointer what, const void* target, std::function<void()> serve)
{
    if (!serve)
        return Verdict::Now;
    if (waiting() > 0) {
        const Held& last = held_.back();
        const bool doubled = what == Pointer::DoubleClick && last.what == Pointer::Press;
        const bool movedOn = what == Pointer::Move && last.what == Pointer::Move && last.target == target;
        if (doubled || movedOn)
            held_.pop_back();
    }
    held_.push_back({next_++, what, target, std::move(serve)});
    return Verdict::Held;
}

bool RunInput::close()
{
    if (!holding_)
        return true;
    closeAsked_ = true;
    stopTheRun();
    return false;
}

// What was held before it asks for no run.
void RunInput::stopTheRun()
{
    if (!holding_)
        return;
    pacing_.stop();
    cancelledBefore_ = next_;
    if (onStop)
        onStop();
}

void RunInput::runBegins() { holding_ = true; }

void RunInput::runEnds() { holding_ = false; }

void RunInput::serve(const std::function<bool()>& open)
{
    if (serving_)
        return;
    serving_ = true;
    struct Done {
        bool& serving;
        ~Done() { serving = false; }
    } done{serving_};
    while (waiting() > 0) {
        Held next = std::move(held_[firstWaiting_++]);
        served_ = next.number;
        next.serve();
        if (!open())
            break;
    }
    discardHeld();
}

void RunInput::discardHeld()
{
    held_.clear();
    firstWaiting_ = 0;
}

void RunInput::discard()
{
    discardHeld();
    closeAsked_ = false;
}
