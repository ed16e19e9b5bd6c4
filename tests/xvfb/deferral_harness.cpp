// A window with a long run, for the real-window tests: it prints what it serves,
// in order, with the time since start, so a test can tell which clicks waited.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "desktop_window.h"

namespace {
const Control kLayout[] = {
    {.kind = Kind::CommandButton, .name = "cmdStart", .text = "Start", .at = {7500, 150, 1500, 750}},
    {.kind = Kind::CommandButton, .name = "cmdA", .text = "A", .at = {1500, 1500, 1500, 750}},
    {.kind = Kind::CommandButton, .name = "cmdB", .text = "B", .at = {4500, 1500, 1500, 750}},
    {.kind = Kind::CommandButton, .name = "cmdKonec", .text = "Konec", .at = {9750, 150, 1500, 750}},
};

QElapsedTimer sinceStart;

void say(const char* what)
{
    std::printf("%lld %s\n", static_cast<long long>(sinceStart.elapsed()), what);
    std::fflush(stdout);
}

class Harness : public Form {
public:
    Harness() : Form("frmHarness", "Harness", kLayout)
    {
        onClick("cmdA", [] { say("A"); });
        onClick("cmdB", [] { say("B"); });
        onStart("cmdStart", [this] {
            say("begin");
            // 1.5 s of paced steps, each drawing a little
            surface().ScaleMode = DrawingSurface::Pixels;
            for (int i = 0; i < 150; ++i) {
                surface().Line(10, 100 + i, 300, 100 + i, colours::red);
                pacing().wait(40000);
            }
            say("end");
        });
        onEnd("cmdKonec");
    }
};
}  // namespace

int main(int argc, char** argv)
{
    sinceStart.start();
    QApplication app(argc, argv);
    setUpApplication();
    Desktop<Harness> window;
    window.showOnScreen();
    QTimer::singleShot(0, [&] {
        const QRect g = window.geometry();
        std::printf("geometry %d %d %d %d\n", g.x(), g.y(), g.width(), g.height());
        say("ready");
    });
    const int code = app.exec();
    say("closed");
    return code;
}
