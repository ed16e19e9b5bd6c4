#include <QApplication>

#include "form.h"
#include "launcher.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    Launcher launcher;
    launcher.show();
    return app.exec();
}
