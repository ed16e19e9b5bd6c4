#pragma once
#include <QApplication>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "application.h"
#include "deferred_input.h"
#include "form.h"

class Canvas;
class Controls;
class RunBar;

// The desktop's window of a program: the program's Form shown with Qt Widgets. The
// window places the design area and the picture in it, shows the run's frames and
// hands the input during a run to the run's policy, asks the question, and offers its
// own commands; the controls are made and kept in step by Controls.
class DesktopWindow : public QWidget, public FrontEnd {
public:
    explicit DesktopWindow(Form& form);
    ~DesktopWindow() override;

    Form& form() { return form_; }
    const Form& form() const { return form_; }

    // The core's scaleToFill, in Qt's sizes.
    static double scaleFor(QSize available, QSize screen, QSize design = qsize(Form::kDesign));
    static QSize qsize(Size s) { return QSize(s.width, s.height); }

    // On a screen smaller than the reference screen, Qt's scaling cannot shrink the window
    // (it supports no factor below 1): the window draws its controls, fonts and picture
    // this many times smaller itself. Otherwise 1 as it opens; a window resized, or moved
    // to another screen, draws itself at the scale that fills it (refit), larger or smaller.
    double shrink() const { return shrink_; }

    // Shows the window at the scale that fills it now, the picture resampled at once and
    // drawn again exactly when the size has settled; during a run, as it ends.
    void refit();

    // Twips of the layout to window pixels: the one conversion of every control position.
    int twipsToPixels(int twips) const;

    // The widget of a control; a name the layout lacks throws std::logic_error.
    QWidget* control(std::string_view name) const;
    template <class T>
    T* control(std::string_view name) const { return qobject_cast<T*>(control(name)); }

    // The picture the surface holds, in device pixels.
    QImage picture() const;

    // The question box of the desktop (askYesNo).
    static int messageBox(QWidget* parent, const QString& title, const QString& question);

    // Opens the window maximised on its screen, the Start button holding the focus.
    void showOnScreen();

    // Puts the client area as the user sees it on the clipboard: the picture with the
    // captions and formulas on it (Ctrl+C while idle).
    void copyPicture();
    QImage pictureAsSeen() const;
    // What the window shows (pictureAsSeen) as a PNG, with the picture's description and
    // the set-up's link in its text fields: to `path` (an empty text when it was written,
    // else why not), or where the user says in the save dialog (Ctrl+S while idle).
    QString savePicture(const QString& path) const;
    // What the picture shows and the settings it was drawn with.
    std::string pictureDescription() const { return form_.describeDrawn(whatItShows_.toStdString()); }
    void savePictureAs();
    // The last run recorded (Ctrl+R records one) as an animated GIF: to `path` (an empty
    // text when it was written, else why not), or where the user says in the save dialog,
    // which opens as the recorded run ends.
    QString saveRecording(const QString& path) const;
    // The web link of the window's set-up to the clipboard (Ctrl+Shift+C while idle).
    void copyLink();
    // Sets the window up from a link or its set-up part, as the user would; what could not
    // be read is told in a message. A link that asks for it starts the run once the
    // window's events are served.
    void openLink(const QString& link);
    // The program's name in links and on the command line ("fringeworks").
    std::string programName() const;
    // The program, the suite's version and licence, the accompanying text, the keys (F1).
    void about();
    // Full screen for a projector, and back (F11).
    void toggleFullScreen();

    // Shows what the surface has drawn and handles the pending events (during a run
    // the input among them is held for later).
    void showPicture() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void recorded() override;
    void resizeEvent(QResizeEvent* event) override;

    // The Form's side.
    void controlChanged(int control, Change what) override;
    void handled() override;
    int ask(const std::string& title, const std::string& question) override;
    void runBegins() override;
    void runEnded() override;
    void closeWindow() override { close(); }

private:
    // Asks where to keep a picture or an animation and writes it there with `write`,
    // which says why it could not; what went wrong is told.
    void keep(const char* command, const char* extension, const QString& what,
              const std::function<QString(const QString&)>& write);
    // Places the design area in the window and sizes the client area to it (not during a run).
    void placePage();
    // The scale at which the design fills the window as it is now.
    double fillingScale() const;
    // What takes its input during a run: the run bar and the speed bars.
    bool isRunControl(const QWidget* widget) const;

    Form& form_;
    QString title_;
    QString whatItShows_;
    QSize design_;
    double shrink_ = 1;
    DeferredInput input_;
    QWidget* page_;  // the design area, centred in the window; the controls and the picture
    Canvas* canvas_;
    std::unique_ptr<Controls> controls_;
    RunBar* runBar_;  // shown during a run
    QTimer* redraw_;  // draws the resampled picture again once the size has settled
    bool refitAfterTheRun_ = false;
    bool watchesItsScreen_ = false;
};

// A program's window on the desktop: the program's Form, shown.
template <class Program>
class Desktop final : public Program, public DesktopWindow {
public:
    Desktop() : DesktopWindow(static_cast<Form&>(*this)) {}
};

inline void scaleToFillTheScreen(int argc, char** argv, Size design = Form::kDesign)
{
    scaleToFillTheScreen(argc, argv, DesktopWindow::qsize(design));
}

// A program's main: creates its window, opens it and serves its events until it closes.
template <class Window>
int runProgram(int& argc, char** argv)
{
    scaleToFillTheScreen(argc, argv, Window::kDesign);
    QApplication app(argc, argv);
    setUpApplication();
    identifyProgram();
    Desktop<Window> window;
    window.showOnScreen();
    // The one argument a program takes: a link, or its set-up part.
    if (const QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1)
        window.openLink(arguments[1]);
    return app.exec();
}
