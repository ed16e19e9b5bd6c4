// Each program's run at the start-up speed (with --slowest: at its slowest setting):
// free, with the pacing at no cost, once drawing and once on a surface that draws
// nothing (the arithmetic alone), and their ratio; the time the reference machine
// takes for it (designed); then the run paced as a user gets it, with the longest
// time the window went without being shown, the part of its time spent learning its
// length for the progress shown, and the progress the run bar shows at half the run's
// designed time; with --record, the paced run recorded as an animation; with --refit,
// the time and memory it takes to draw the picture again at a new scale.
#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QPushButton>
#include <QScrollBar>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_application.h"
#include "desktop_window.h"
#include "program_windows.h"
#include "rnd.h"

namespace {
using Seconds = std::chrono::duration<double>;

using Make = std::function<std::unique_ptr<DesktopWindow>()>;

struct Measured {
    std::string name;
    Make make;
    std::vector<const char*> options;  // chosen before the run
};

double timedRun(DesktopWindow& window, bool recorded = false)
{
    Form& form = window.form();
    const char* start = form.controls()[form.startButton()].design->name;
    const auto begin = std::chrono::steady_clock::now();
    if (recorded)
        form.recordRun();  // the save dialog it opens at the end is dismissed
    else
        window.control<QPushButton>(start)->click();
    return Seconds(std::chrono::steady_clock::now() - begin).count();
}
}  // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    std::map<std::string, Make> windows;
    forEachProgram([&]<class Window>(const Demonstration& d) {
        windows[d.program] = [] { return std::make_unique<Desktop<Window>>(); };
    });
    std::vector<Measured> programs;
    for (const Demonstration& d : kDemonstrations)
        programs.push_back({d.program, windows[d.program], {}});
    // fringeworks also with 500 photons a point (260,000 shots) and drawn three times (780,000);
    // rozavezavu also its heaviest action, the reconstruction (221 x 751 plate steps and hologram bars)
    programs.push_back({"fringew N500", windows["fringeworks"], {"opfot500"}});
    programs.push_back({"fringew N500S3", windows["fringeworks"], {"opfot500", "opPomalá"}});
    programs.push_back({"rozavezavu rek", windows["rozavezavu"], {"opRekonstrukce"}});
    // --slowest: every program with its speed scroll bars at their slowest end. --record:
    // the paced run recorded as an animation, with what recording took of its time, the
    // animation's size, how long writing it takes and the memory the recording held.
    const bool slowest = QCoreApplication::arguments().contains(QStringLiteral("--slowest"));
    const bool record = QCoreApplication::arguments().contains(QStringLiteral("--record"));
    const bool refit = QCoreApplication::arguments().contains(QStringLiteral("--refit"));
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    dismiss.start(10);
    std::printf("%s\n", slowest ? "at the slowest setting" : "at the start-up speed");
    std::printf("%-14s %10s %10s %12s %7s %11s %9s %14s %12s %10s\n", "program", "operations", "free s", "no drawing s",
                "ratio", "designed s", "paced s", "longest gap ms", "progress %", "at half %");
    for (const Measured& p : programs) {
        resetRnd();  // every program's runs draw from the generator's start-up state
        auto form = p.make();
        for (const char* option : p.options)
            form->form().select(option);
        form->showOnScreen();
        if (slowest)
            for (const char* name : {"HScroll1", "HScroll2"})
                if (form->form().indexOf(name) >= 0)
                    if (auto* bar = form->control<QScrollBar>(name))
                        bar->setValue(bar->maximum());
        form->form().pacing().setFree(true);
        timedRun(*form);  // warm up
        form->form().pacing().resetCount();
        const double free = timedRun(*form);
        const double designed = form->form().pacing().designedSeconds();
        const unsigned long long operations = form->form().pacing().operations();
        form->form().surface().setRasterising(false);
        const double arithmetic = timedRun(*form);
        form->form().surface().setRasterising(true);
        form->form().pacing().setFree(false);
        // The progress shown by the first frame at half the designed time or later.
        const auto began = std::chrono::steady_clock::now();
        double atHalf = -1;
        Pacing& pacing = form->form().pacing();
        const std::function<void()> show = pacing.showPicture;
        pacing.showPicture = [&] {
            show();
            const Form& f = form->form();
            if (atHalf >= 0 || f.rehearsedSteps().empty() || !f.progress())
                return;
            if (Seconds(std::chrono::steady_clock::now() - began).count() >= f.rehearsedSteps().back().seconds / 2)
                atHalf = 100 * f.progress()->fraction();
        };
        const double paced = timedRun(*form, record);
        pacing.showPicture = show;
        const double gap = Seconds(form->form().pacing().longestGap()).count() * 1000;
        // What learning the run's length (its rehearsal) costs the paced run.
        const double progress = 100 * form->form().rehearsalSeconds() / paced;
        std::printf("%-14s %10llu %10.4f %12.4f %7.1f %11.2f %9.2f %14.1f %12.3f %10.1f\n", p.name.c_str(), operations,
                    free, arithmetic, free / arithmetic, designed, paced, gap, progress, atHalf);
        if (const Recording* recording = form->form().recording(); record && recording) {
            const auto writing = std::chrono::steady_clock::now();
            const std::size_t bytes = recording->gif().size();
            const double saved = Seconds(std::chrono::steady_clock::now() - writing).count();
            std::printf("%-14s recorded: %d frames, %.2f s, recording %.2f %% of the run, GIF %.2f MB written in "
                        "%.3f s, held %.1f MB, %d colours approximated\n",
                        "", recording->frames(), recording->seconds(), 100 * form->form().recordingSeconds() / paced,
                        bytes / 1e6, saved, recording->bytes() / 1e6, recording->approximated());
        }
        if (refit) {
            // The picture of the four runs above (one drawn on the other where the program
            // keeps what was drawn), drawn again at twice the scale and back.
            DrawingSurface& surface = form->form().surface();
            const Size client = surface.clientSize();
            const double scale = surface.scale(), ratio = surface.devicePixelRatio();
            const auto begin = std::chrono::steady_clock::now();
            surface.rescale(scale * 2, ratio, {client.width * 2, client.height * 2});
            const double twice = Seconds(std::chrono::steady_clock::now() - begin).count();
            surface.rescale(scale, ratio, client);
            const double both = Seconds(std::chrono::steady_clock::now() - begin).count();
            // The window resized: what it does at once (the picture resampled, the controls
            // placed and fitted), not drawing the picture again.
            form->showNormal();
            const auto resizing = std::chrono::steady_clock::now();
            constexpr int kSizes = 10;
            for (int i = 0; i < kSizes; ++i)
                form->resize(500 + 40 * i, 380 + 30 * i);
            const double perResize = Seconds(std::chrono::steady_clock::now() - resizing).count() / kSizes;
            std::printf("%-14s re-fit: %s, %.3f s at twice the scale, %.3f s in all, what was drawn held in %.1f MB; "
                        "a resize takes %.1f ms\n", "", surface.redrawsExactly() ? "drawn again" : "resampled (in part)",
                        twice, both, surface.retainedBytes() / 1e6, perResize * 1000);
        }
        std::fflush(stdout);
    }
    return 0;
}
