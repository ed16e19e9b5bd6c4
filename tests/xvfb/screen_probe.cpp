// A program's window as the screen shows it, for the real-window tests of scaling:
// opens it at the scale its screen gives, takes the screen's own pixels and prints
// what it measures there, in pixels of the design (screen pixels over the scale).
// usage: screen_probe pathways|rozavezavu captions  - each caption's inked extent,
//                                                     each option's indicator
//        screen_probe interference bars            - the probability bars after a run
//        screen_probe interference refit           - each size the window is given, fitted
//        screen_probe svetlo cards                 - the launcher's cards on the screen
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "captions.h"
#include "desktop_window.h"
#include "interference/window.h"
#include "launcher.h"
#include "rozavezavu/window.h"
#include "pathways/window.h"

namespace {
QImage screenNow(QWidget& window)
{
    window.repaint();
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// The inked part of a region: the dark pixels of its text (darker than the region's
// commonest colour by `darker` per cent of its grey level), or for an indicator every
// pixel that differs from that colour by more than `darker` levels.
QRect inked(const QImage& screen, const QRect& region, int darker, bool anyColour = false)
{
    const QRect r = region & screen.rect();
    std::map<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[screen.pixel(x, y)];
    QRgb back = 0;
    int most = -1;
    for (const auto& [colour, n] : counts)
        if (n > most)
            back = colour, most = n;
    QRect ink;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = screen.pixel(x, y);
            const int far = anyColour ? std::max({std::abs(qRed(p) - qRed(back)), std::abs(qGreen(p) - qGreen(back)),
                                                  std::abs(qBlue(p) - qBlue(back))})
                                      : qGray(back) - qGray(p);
            if (far > (anyColour ? darker : darker * qGray(back) / 100))
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

// Each caption as its control draws it (its neighbours left out), at the screen's
// pixels: the inked extent of the caption and the indicator beside it.
void captions(DesktopWindow& form)
{
    const double dpr = form.devicePixelRatio(), scale = dpr * form.shrink();
    QCoreApplication::processEvents();
    std::printf("scale %.4f\n", scale);
    auto device = [dpr](const QRect& r) {
        return QRect(int(r.x() * dpr), int(r.y() * dpr), int(r.width() * dpr), int(r.height() * dpr));
    };
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty())
            continue;
        QRect caption;
        if (dynamic_cast<Caption*>(w)) {
            caption = w->rect();
        } else if (auto* option = qobject_cast<QAbstractButton*>(w); option && !qobject_cast<QPushButton*>(w)) {
            const bool radio = qobject_cast<QRadioButton*>(w);
            QStyleOptionButton style;
            style.initFrom(option);
            style.text = option->text();
            const QRect indicator = option->style()->subElementRect(
                radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &style, option);
            const QRect contents = option->style()->subElementRect(
                radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &style, option);
            const QImage drawn = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QRect mark = inked(drawn, device(indicator.adjusted(-1, -1, 1, 1)), 30, true);
            std::printf("indicator %s %.2f\n", qPrintable(w->objectName()), mark.width() / scale);
            caption = QRect(contents.left(), 0, option->width() - contents.left(), option->height());
        } else {
            continue;
        }
        const QImage drawn = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect ink = inked(drawn, device(caption), 40);
        std::printf("caption %s %.2f %.2f\n", qPrintable(w->objectName()), ink.width() / scale, ink.height() / scale);
    }
}

// The bars start at x = 601 of the design and run right in black, one a row (each a
// pen of two pixels, so neighbouring rows overlap).
void bars(Desktop<interference::frmInterference>& form)
{
    form.pacing().setFree(true);
    form.control<QPushButton>("cmdStart")->click();
    const double dpr = form.devicePixelRatio(), scale = dpr;
    const QImage screen = screenNow(form);
    const QPoint origin = form.findChild<QWidget*>(QStringLiteral("page"))->mapToGlobal(QPoint(0, 0));
    for (int row = 55; row <= 545; ++row) {
        // A pixel of the design is centred on its coordinate: row r lies around r x scale.
        const int y = int(std::lround((origin.y() + row) * scale)), x0 = int(std::lround((origin.x() + 601) * scale));
        int x = x0;
        while (x + 1 < screen.width() && qGray(screen.pixel(x + 1, y)) < 40)
            ++x;
        std::printf("bar %d %.2f\n", row, (x - x0) / scale);
    }
}

// After a run, each size the window settles at: "fit WIDTH HEIGHT SCALE START KONEC PICTURE
// SHOWN" in screen pixels, the window's own scale, whether Start, Konec and the whole
// picture lie in the window (1 or 0), and the share of the picture's pixels not under a
// control that the screen shows as the surface holds them.
void refits(Desktop<interference::frmInterference>& form)
{
    form.pacing().setFree(true);
    form.control<QPushButton>("cmdStart")->click();
    std::printf("ready\n");
    std::fflush(stdout);
    QSize reported;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (form.size() == reported || form.form().surface().resampled())
            return;
        reported = form.size();
        const double dpr = form.devicePixelRatio();
        const QRect window = form.rect();
        const auto whole = [&](const QWidget* w) {
            return w->isVisible() && window.contains(QRect(w->mapTo(&form, QPoint(0, 0)), w->size()));
        };
        const QWidget* page = form.findChild<QWidget*>(QStringLiteral("page"));
        const QSize client = DesktopWindow::qsize(form.form().surface().clientSize());
        const double designed = 800 * form.shrink();
        const bool picture = whole(page) && std::abs(client.width() - designed) <= 1 && client == page->size();
        // The screen against the surface, where no control stands over the picture.
        const QImage screen = screenNow(form);
        const QImage surface = form.picture();
        const QPoint origin = page->mapToGlobal(QPoint(0, 0));
        QRegion free(QRect(QPoint(0, 0), client));
        for (const QObject* o : page->children())
            if (const auto* w = qobject_cast<const QWidget*>(o); w && w->isVisible() && w->objectName() != "canvas")
                free -= w->geometry().adjusted(-1, -1, 1, 1);
        long long same = 0, all = 0;
        for (int y = 0; y < int(client.height() * dpr); ++y)
            for (int x = 0; x < int(client.width() * dpr); ++x) {
                const QPoint on(int(std::lround(origin.x() * dpr)) + x, int(std::lround(origin.y() * dpr)) + y);
                if (!free.contains(QPoint(int(x / dpr), int(y / dpr))) || !screen.rect().contains(on))
                    continue;  // under a control, or off the screen
                ++all;
                same += screen.pixel(on) == surface.pixel(x, y);
            }
        std::printf("fit %ld %ld %.4f %d %d %d %.5f\n", std::lround(form.width() * dpr), std::lround(form.height() * dpr),
                    form.shrink() * dpr, whole(form.control("cmdStart")), whole(form.control("cmdKonec")), picture,
                    all ? double(same) / all : 0.0);
        std::fflush(stdout);
    });
    poll.start(50);
    QApplication::exec();
}

void cards(Launcher& launcher)
{
    QCoreApplication::processEvents();
    const QRect screen = launcher.screen()->geometry();
    std::printf("screen %d %d %d %d\n", screen.x(), screen.y(), screen.width(), screen.height());
    QListWidget* list = launcher.list();
    for (int row = 0; row < list->count(); ++row) {
        const QRect card = list->visualItemRect(list->item(row));
        const QPoint at = list->viewport()->mapToGlobal(card.topLeft());
        std::printf("card %d %d %d %d %d\n", row, at.x(), at.y(), card.width(), card.height());
    }
}

template <class Window>
int probe(int argc, char** argv, void (*measure)(Window&))
{
    scaleToFillTheScreen(argc, argv, Window::kDesign);
    QApplication app(argc, argv);
    setUpApplication();
    Window window;
    window.showOnScreen();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    measure(window);
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    const char* program = argc > 1 ? argv[1] : "";
    if (!std::strcmp(program, "pathways"))
        return probe<Desktop<pathways::Rozptyl>>(argc, argv, [](Desktop<pathways::Rozptyl>& f) { captions(f); });
    if (!std::strcmp(program, "rozavezavu"))
        return probe<Desktop<rozavezavu::opSestava>>(argc, argv, [](Desktop<rozavezavu::opSestava>& f) { captions(f); });
    if (!std::strcmp(program, "interference"))
        return probe<Desktop<interference::frmInterference>>(
            argc, argv, argc > 2 && !std::strcmp(argv[2], "refit") ? refits : bars);
    if (!std::strcmp(program, "svetlo")) {
        scaleToFillTheScreen(argc, argv);
        QApplication app(argc, argv);
        setUpApplication();
        Launcher launcher([](const QString&, const QStringList&) { return true; });
        launcher.setGeometry(launcher.screen()->availableGeometry());
        launcher.showMaximized();
        if (!QTest::qWaitForWindowExposed(&launcher))
            return 1;
        cards(launcher);
        return 0;
    }
    std::fprintf(stderr, "usage: screen_probe pathways|rozavezavu|interference|svetlo\n");
    return 2;
}
