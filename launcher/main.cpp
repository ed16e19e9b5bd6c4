#include <QApplication>
#include <QScreen>

#include "desktop_window.h"
#include "launcher.h"

int main(int argc, char** argv)
{
    scaleToFillTheScreen(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();
    identifyProgram();
    Launcher launcher;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        launcher.setGeometry(screen->availableGeometry());
    launcher.showMaximized();
    return app.exec();
}
