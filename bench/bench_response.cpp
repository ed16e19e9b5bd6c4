// How soon the user's hands on a run show on the screen: interference's run in a window,
// and a second thread that, at random moments, hands the window what the run bar's
// buttons and the speed bar do (pause, one step, resume, a speed change, stop), as the
// window's own input comes. Each is timed from the moment it was handed over to the end
// of the frame that shows it (the run bar's state, the next step at the new speed, the
// stopped run's last frame); a frame ends once its picture has been painted.
//
//     bench_response [ROUNDS]   (30: as many of each)
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench_application.h"
#include "desktop_window.h"
#include "interference/window.h"

namespace {
using Clock = std::chrono::steady_clock;
double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// What a round hands the window, in order, and what shows that it was done.
enum class Act { Pause, Step, Resume, Speed, Stop };
constexpr const char* kActName[] = {"pause", "step", "resume", "speed", "stop"};
constexpr Act kRound[] = {Act::Pause, Act::Step, Act::Step, Act::Resume, Act::Speed, Act::Stop};

struct Handed {
    Act act;
    Clock::time_point at;
    bool done = false;  // the window has acted on it; the end of the next frame shows it
};
}  // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    Desktop<interference::frmInterference> window;
    window.showOnScreen();
    Form& form = window.form();
    auto* bar = window.control<QScrollBar>("HScroll1");
    const auto runButton = [&window](const char* name) { return window.findChild<QToolButton*>(name); };

    std::map<Act, std::vector<double>> times;
    std::mutex lock;
    std::vector<Handed> handed;
    // Every frame the run shows: what was done before it is now on the screen.
    const auto shown = [&] {
        const auto now = Clock::now();
        std::lock_guard guard(lock);
        for (Handed& h : handed)
            if (h.done && h.act != Act::Stop)
                times[h.act].push_back(milliseconds(now - h.at));
        std::erase_if(handed, [](const Handed& h) { return h.done && h.act != Act::Stop; });
    };
    Pacing& pacing = form.pacing();
    pacing.showPicture = [&window, shown] {
        window.showPicture();
        shown();
    };

    std::mt19937 random(7);
    for (int round = 0; round < rounds; ++round) {
        bar->setValue(1);
        std::atomic<bool> running = true;
        // The second thread: each act at a random moment, handed to the window's event queue.
        std::thread hands([&] {
            std::uniform_int_distribution<int> pause(60, 250);
            for (const Act act : kRound) {
                std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
                if (!running)
                    return;
                const auto at = Clock::now();
                QMetaObject::invokeMethod(
                    &window,
                    [&, act, at] {
                        switch (act) {
                        case Act::Pause:
                        case Act::Resume:
                            runButton(shell::kPause.name)->click();
                            break;
                        case Act::Step:
                            runButton(shell::kStep.name)->click();
                            break;
                        case Act::Speed:
                            bar->setValue(bar->value() == 1 ? 2 : 1);
                            break;
                        case Act::Stop:
                            runButton(shell::kStop.name)->click();
                            break;
                        }
                        std::lock_guard guard(lock);
                        handed.push_back({act, at, true});
                    },
                    Qt::QueuedConnection);
            }
        });
        window.control<QPushButton>("cmdStart")->click();
        const auto ended = Clock::now();
        running = false;
        hands.join();
        {
            std::lock_guard guard(lock);
            for (const Handed& h : handed)
                if (h.act == Act::Stop && h.done)
                    times[Act::Stop].push_back(milliseconds(ended - h.at));
            handed.clear();
        }
        QCoreApplication::processEvents();  // what came after the run's end
        std::lock_guard guard(lock);
        handed.clear();
    }

    std::printf("%-8s %6s %10s %10s %10s\n", "act", "count", "median ms", "90 % ms", "max ms");
    for (auto& [act, ms] : times) {
        std::sort(ms.begin(), ms.end());
        const auto at = [&ms](double part) { return ms[std::min(ms.size() - 1, std::size_t(part * double(ms.size())))]; };
        std::printf("%-8s %6zu %10.1f %10.1f %10.1f\n", kActName[int(act)], ms.size(), at(0.5), at(0.9), ms.back());
    }
    return 0;
}
