#include "application.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

#include "accessibility.h"
#include "form.h"

namespace {
// The suite's style with its indicators, scroll bars and spacings shrunk by a factor.
class ShrunkStyle : public QProxyStyle {
public:
    ShrunkStyle(QStyle* style, double factor) : QProxyStyle(style), factor_(factor) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_ButtonMargin:
            return std::max(1, int(std::lround(base * factor_)));
        default:
            return base;
        }
    }

private:
    double factor_;
};
}  // namespace

void shrinkTheStyle(double factor)
{
    QApplication::setStyle(new ShrunkStyle(QStyleFactory::create(QStringLiteral("Fusion")), factor));
}

QColor qcolour(Colour c) { return QColor::fromRgb(toArgb(c)); }

void paintBackground(QWidget* w, Colour back)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        p.setColor(role, qcolour(back));
    w->setPalette(p);
}

void paint(QWidget* w, Colour back, Colour fore)
{
    paintBackground(w, back);
    QPalette p = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(role, qcolour(fore));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setUpApplication()
{
    installAccessibility();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette;
    palette.setColor(QPalette::Window, qcolour(colours::grey));
    palette.setColor(QPalette::Button, qcolour(colours::grey));
    palette.setColor(QPalette::Base, qcolour(colours::white));
    palette.setColor(QPalette::WindowText, qcolour(colours::black));
    palette.setColor(QPalette::ButtonText, qcolour(colours::black));
    palette.setColor(QPalette::Text, qcolour(colours::black));
    QApplication::setPalette(palette);
    for (const char* family : {"Times New Roman", "MS Sans Serif", "Arial"})
        QFont::insertSubstitution(QString::fromUtf8(family), QString::fromUtf8(standInFamily(family)));
}

namespace {
// The scale factor the user gave Qt, if any, before the suite set its own.
QByteArray givenScaleFactor;
}  // namespace

void scaleToFillTheScreen(int argc, char** argv, QSize design)
{
    givenScaleFactor = qgetenv("QT_SCALE_FACTOR");
    const auto size = [](QSize s) { return Size{s.width(), s.height()}; };
    double scale = 1;
    {
        // A look at the screen, with arguments of its own (an application takes its
        // options out of them).
        std::vector<char*> arguments(argv, argv + argc);
        arguments.push_back(nullptr);
        int count = argc;
        const QGuiApplication look(count, arguments.data());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            scale = scaleToFill(size(screen->availableGeometry().size()), size(screen->geometry().size()), size(design));
    }
    // Qt's scaling magnifies; a screen smaller than the design gets a window that draws
    // itself smaller (DesktopWindow::shrink).
    if (!(scale > 1))
        return;
    bool given = false;
    const double factor = givenScaleFactor.toDouble(&given);
    qputenv("QT_SCALE_FACTOR", QByteArray::number((given && factor > 0 ? factor : 1) * scale, 'g', 12));
}

QProcessEnvironment environmentForPrograms()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (givenScaleFactor.isEmpty())
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    else
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLocal8Bit(givenScaleFactor));
    return environment;
}

namespace {
QIcon iconOf(const QString& program)
{
    QSvgRenderer drawing(QStringLiteral(":/icons/") + program + QStringLiteral(".svg"));
    QIcon icon;
    if (!drawing.isValid())
        return icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
}  // namespace

void identifyProgram()
{
    const QString program = QCoreApplication::applicationName();  // the executable's name
    const QString suite = QStringLiteral(SUITE_ID);
    const QString id = program == QLatin1String("svetlo") ? suite : suite + QLatin1Char('.') + program;
    QCoreApplication::setApplicationName(id);  // the class of the X11 window
    QGuiApplication::setDesktopFileName(id);
    QGuiApplication::setWindowIcon(iconOf(program));
}
