// Each program's run at full speed: with the pacing at no cost, once drawing and
// once on a surface that draws nothing (the arithmetic alone), and their ratio;
// then a run paced as a user gets it at the default speed, with the longest time
// the window went without being shown.
#include <QApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "form1.h"

namespace {
using Seconds = std::chrono::duration<double>;

struct Program {
    const char* name;
    const char* start;  // the Start button
    std::function<std::unique_ptr<Form>()> make;
};

double timedRun(Form& form, const char* start)
{
    const auto begin = std::chrono::steady_clock::now();
    form.control<QPushButton>(start)->click();
    return Seconds(std::chrono::steady_clock::now() - begin).count();
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    const Program programs[] = {
        {"vidivizur", "ComSinusovka", [] { return std::make_unique<Form1>(); }},
    };
    std::printf("%-14s %12s %12s %8s %14s %14s\n", "program", "drawing s", "no drawing s", "ratio",
                "paced run s", "longest gap ms");
    for (const Program& p : programs) {
        auto form = p.make();
        form->showOnScreen();
        form->pacing().setFree(true);
        timedRun(*form, p.start);  // warm up
        const double drawing = timedRun(*form, p.start);
        form->surface().setRasterising(false);
        const double arithmetic = timedRun(*form, p.start);
        form->surface().setRasterising(true);
        form->pacing().setFree(false);
        const double paced = timedRun(*form, p.start);
        const double gap = Seconds(form->pacing().longestGap()).count() * 1000;
        std::printf("%-14s %12.4f %12.4f %8.1f %14.3f %14.1f\n", p.name, drawing, arithmetic,
                    drawing / arithmetic, paced, gap);
    }
    return 0;
}
