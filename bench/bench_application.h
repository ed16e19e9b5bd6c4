#pragma once
#include <QApplication>

#include "desktop_window.h"

// A bench's application: the windows off the screen (unless a platform is named), styled
// as the suite's, and the question a run asks after the first ("clear the picture?")
// answered "Ano".
class BenchApplication : public QApplication {
public:
    BenchApplication(int& argc, char** argv) : QApplication((offTheScreen(), argc), argv)
    {
        setUpApplication();
        Form::asker = [](const std::string&, const std::string&) { return Form::vbYes; };
    }

private:
    static void offTheScreen()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};
