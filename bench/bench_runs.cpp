// Each program's run at the start-up speed (with --slowest: at its slowest setting):
// free, with the pacing at no cost, once drawing and once on a surface that draws
// nothing (the arithmetic alone), and their ratio; the time the reference machine
// takes for it (designed); then the run paced as a user gets it, with the longest
// time the window went without being shown.
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "desktop_window.h"
#include "form1.h"
#include "animace.h"
#include "glassecho_rozptyl.h"
#include "rozptyl.h"
#include "fokus_lupy.h"
#include "frm_interference.h"
#include "parabola_qed.h"
#include "op_sestava.h"

namespace {
using Seconds = std::chrono::duration<double>;

struct Program {
    const char* name;
    const char* start;  // the Start button
    std::function<std::unique_ptr<DesktopWindow>()> make;
};

double timedRun(DesktopWindow& form, const char* start)
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
    // Runs after the first may ask whether to clear the picture: clear it.
    Form::asker = [](const std::string&, const std::string&) { return Form::vbYes; };
    const Program programs[] = {
        {"vidivizur", "ComSinusovka", [] { return std::make_unique<Desktop<Form1>>(); }},
        // fringeworks: 50 photons a point (26,000 shots), 500 (260,000) and 500 drawn three times (780,000)
        {"fringeworks", "cmdStart", [] { return std::make_unique<Desktop<Animace>>(); }},
        {"fringew N500", "cmdStart", [] { auto f = std::make_unique<Desktop<Animace>>(); f->select("opfot500"); return f; }},
        {"fringew N500S3", "cmdStart",
         [] { auto f = std::make_unique<Desktop<Animace>>(); f->select("opfot500"); f->select("opPomalá"); return f; }},
        {"interference", "cmdStart", [] { return std::make_unique<Desktop<frmInterference>>(); }},
        {"parabola", "cmdStart", [] { return std::make_unique<Desktop<ParabolaQED>>(); }},
        {"lupa", "cmdStart", [] { return std::make_unique<Desktop<FokusLupy>>(); }},
        {"pathways", "cmdStart", [] { return std::make_unique<Desktop<pathways::Rozptyl>>(); }},
        {"glassecho", "cmdStart", [] { return std::make_unique<Desktop<glassecho::Rozptyl>>(); }},
        // rozavezavu: the reconstruction, its heaviest action (221 x 751 plate steps and hologram bars)
        {"rozavezavu", "cmdStart",
         [] { auto f = std::make_unique<Desktop<opSestava>>(); f->select("opRekonstrukce"); return f; }},
    };
    // --slowest: every program with its speed scroll bars at their slowest end.
    const bool slowest = QCoreApplication::arguments().contains(QStringLiteral("--slowest"));
    std::printf("%s\n", slowest ? "at the slowest setting" : "at the start-up speed");
    std::printf("%-14s %10s %10s %12s %7s %11s %9s %14s\n", "program", "operations", "free s", "no drawing s", "ratio",
                "designed s", "paced s", "longest gap ms");
    for (const Program& p : programs) {
        auto form = p.make();
        form->showOnScreen();
        if (slowest)
            for (const char* name : {"HScroll1", "HScroll2"})
                if (auto* bar = form->control<QScrollBar>(name))
                    bar->setValue(bar->maximum());
        form->form().pacing().setFree(true);
        timedRun(*form, p.start);  // warm up
        form->form().pacing().resetCount();
        const double free = timedRun(*form, p.start);
        const double designed = form->form().pacing().designedSeconds();
        const unsigned long long operations = form->form().pacing().operations();
        form->form().surface().setRasterising(false);
        const double arithmetic = timedRun(*form, p.start);
        form->form().surface().setRasterising(true);
        form->form().pacing().setFree(false);
        const double paced = timedRun(*form, p.start);
        const double gap = Seconds(form->form().pacing().longestGap()).count() * 1000;
        std::printf("%-14s %10llu %10.4f %12.4f %7.1f %11.2f %9.2f %14.1f\n", p.name, operations, free, arithmetic,
                    free / arithmetic, designed, paced, gap);
        std::fflush(stdout);
    }
    return 0;
}
