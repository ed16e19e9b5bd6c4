// A program's window in a real window, for the real-window tests, with what it does
// printed as it happens: when a run begins and ends and every move of a speed bar,
// each with the wall-clock time in milliseconds (the same clock as `date +%s%3N`).
// usage: run_observer vidivizur|fringeworks|rozavezavu
#include <QApplication>
#include <QDateTime>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "fringeworks/window.h"
#include "desktop_window.h"
#include "vidivizur/window.h"
#include "rozavezavu/window.h"

namespace {
void say(const QString& what)
{
    std::printf("%s %lld\n", qPrintable(what), static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    std::fflush(stdout);
}

std::unique_ptr<DesktopWindow> make(const char* program)
{
    if (!std::strcmp(program, "vidivizur"))
        return std::make_unique<Desktop<vidivizur::Form1>>();
    if (!std::strcmp(program, "fringeworks"))
        return std::make_unique<Desktop<fringeworks::Animace>>();
    if (!std::strcmp(program, "rozavezavu"))
        return std::make_unique<Desktop<rozavezavu::opSestava>>();
    return nullptr;
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    const std::unique_ptr<DesktopWindow> window = argc > 1 ? make(argv[1]) : nullptr;
    if (!window) {
        std::fprintf(stderr, "usage: run_observer vidivizur|fringeworks|rozavezavu\n");
        return 2;
    }
    for (QScrollBar* bar : window->findChildren<QScrollBar*>())
        QObject::connect(bar, &QScrollBar::valueChanged, bar,
                         [bar](int value) { say(bar->objectName() + ' ' + QString::number(value)); });
    // Timers go on during a run (the window is shown at every frame), so this sees
    // a run within a frame of its beginning and at once when it ends.
    QTimer watch;
    bool running = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (window->form().isRunning() != running)
            say((running = window->form().isRunning()) ? "run" : "idle");
    });
    watch.start(1);
    window->showOnScreen();
    QTimer::singleShot(0, [] { say("ready"); });
    const int code = app.exec();
    say("closed");
    return code;
}
