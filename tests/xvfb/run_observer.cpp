// A program's window in a real window, for the real-window tests, with what it does
// printed as it happens, each line ending in the wall-clock time in milliseconds (the
// same clock as `date +%s%3N`): "ready"; where Start, Konec and, once a run shows it,
// the run bar's buttons and the options are ("at Start X Y", "at runPause X Y": the
// centre on the screen); when a run
// begins and ends ("run", "idle"); every change of the run's state with the steps it
// has ended and a digest of the picture ("state Paused 12 DIGEST"), the picture again
// 50 ms and 300 ms into a pause ("paused50 DIGEST", "paused300 DIGEST") and at the
// end of every run ("picture DIGEST"); every move of a speed bar ("HScroll1 3001").
// usage: run_observer PROGRAM [fastest] (a program's folder; fastest: its speed bars at
// their fastest end)
#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "desktop_window.h"
#include "program_windows.h"

namespace {
void say(const QString& what)
{
    std::printf("%s %lld\n", qPrintable(what), static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    std::fflush(stdout);
}

std::unique_ptr<DesktopWindow> make(const std::string& program)
{
    std::unique_ptr<DesktopWindow> window;
    forEachProgram([&]<class Window>(const Demonstration& d) {
        if (program == d.program)
            window = std::make_unique<Desktop<Window>>();
    });
    return window;
}

QString digest(const DesktopWindow& window)
{
    const QImage picture = window.picture();
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(picture.constBits(), picture.sizeInBytes()), QCryptographicHash::Md5)
            .toHex());
}

void sayWhere(const QWidget* w, const QString& name)
{
    const QPoint centre = w->mapToGlobal(w->rect().center());
    say(QStringLiteral("at %1 %2 %3").arg(name).arg(centre.x()).arg(centre.y()));
}

const char* stateName(Pacing::State state)
{
    static const char* const names[] = {"Idle", "Running", "Paused", "Stepping", "Stopping"};
    return names[int(state)];
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    const std::unique_ptr<DesktopWindow> window = argc > 1 ? make(argv[1]) : nullptr;
    if (!window) {
        std::fprintf(stderr, "usage: run_observer PROGRAM\n");
        return 2;
    }
    for (QScrollBar* bar : window->findChildren<QScrollBar*>()) {
        if (argc > 2 && !std::strcmp(argv[2], "fastest") && window->form().isSpeedBar(window->form().indexOf(
                                                                 bar->objectName().toStdString())))
            bar->setValue(bar->minimum());  // the speed bar's fastest end, as a user would drag it
        QObject::connect(bar, &QScrollBar::valueChanged, bar,
                         [bar](int value) { say(bar->objectName() + ' ' + QString::number(value)); });
    }
    // Timers go on during a run (the window is shown at every frame), so this sees a
    // run and its states within a frame and at once when it ends.
    QTimer watch;
    bool running = false, barShown = false;
    Pacing::State state = Pacing::State::Idle;
    long long steps = 0;
    Form& form = window->form();
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (form.isRunning() && !barShown) {
            if (auto* bar = window->findChild<QWidget*>(QStringLiteral("runBar")); bar && bar->isVisible()) {
                barShown = true;
                for (const char* name : {"runPause", "runStep", "runStop"})
                    sayWhere(bar->findChild<QWidget*>(QString::fromLatin1(name)), QString::fromLatin1(name));
            }
        }
        // A step may pass between two looks: a paused run with other steps is a new state.
        const bool stepped = state == Pacing::State::Paused && form.pacing().steps() != steps;
        if (form.pacing().state() != state || stepped) {
            state = form.pacing().state();
            steps = form.pacing().steps();
            say(QStringLiteral("state %1 %2 %3").arg(stateName(state)).arg(form.pacing().steps()).arg(digest(*window)));
            if (state == Pacing::State::Paused && !stepped)
                for (const int ms : {50, 300})
                    QTimer::singleShot(ms, window.get(), [&window, ms] {
                        say(QStringLiteral("paused%1 %2").arg(ms).arg(digest(*window)));
                    });
        }
        if (form.isRunning() != running) {
            running = form.isRunning();
            if (!running)
                say(QStringLiteral("picture ") + digest(*window));
            say(running ? QStringLiteral("run") : QStringLiteral("idle"));
        }
    });
    watch.start(1);
    window->showOnScreen();
    QTimer::singleShot(0, [&] {
        const auto& start = form.controls()[form.startButton()];
        sayWhere(window->control(start.design->name), QStringLiteral("Start"));
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Konec"))
                sayWhere(b, QStringLiteral("Konec"));
        for (QRadioButton* option : window->findChildren<QRadioButton*>())
            if (option->isVisible())
                sayWhere(option, option->objectName());
        say(QStringLiteral("ready"));
    });
    const int code = app.exec();
    say("closed");
    return code;
}
