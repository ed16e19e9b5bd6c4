#pragma once
#include <QApplication>
#include <QHash>
#include <QProcessEnvironment>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "deferred_input.h"
#include "drawing_surface.h"
#include "layout.h"
#include "pacing.h"

class Canvas;
class QLineEdit;

// The address of the accompanying text, shown in every window's title.
inline constexpr const char* kWebAddress = "https://svetlo-a-sipky.example.org";

// The base of every program's window: the drawing surface behind the controls,
// the controls made from the layout tables, the parameter boxes, the run and its
// pacing, and the yes/no question.
class Form : public QWidget {
public:
    // The area a window is designed for, in pixels of the reference screen; a program
    // whose picture reaches further names its own.
    static constexpr QSize kDesign{800, 600};

    // title: the program's title ("Vidivizur"); the caption is title + separator + address.
    Form(const QString& formName, const QString& title, Layout layout,
         const QString& separator = QStringLiteral(" - "), QSize design = kDesign);
    ~Form() override;

    DrawingSurface& surface() { return surface_; }
    const DrawingSurface& surface() const { return surface_; }
    Pacing& pacing() { return pacing_; }
    const QString& programTitle() const { return title_; }

    // How many times larger than designed a window is shown so that its design fills
    // the screen: available, the space a window gets; screen, the whole screen. Never
    // below 1 unless the screen is smaller than the reference screen.
    static double scaleFor(QSize available, QSize screen, QSize design = kDesign);

    // On a screen smaller than the reference screen, Qt's scaling cannot shrink the window
    // (it supports no factor below 1): the window draws its controls, fonts and picture
    // this many times smaller itself. Otherwise 1.
    double shrink() const { return shrink_; }

    // Twips of the layout to window pixels: the one conversion of every control position.
    int twipsToPixels(int twips) const;

    QWidget* control(const QString& name) const;
    template <class T>
    T* control(const QString& name) const { return qobject_cast<T*>(control(name)); }

    // Text boxes: the parameter boxes and the caption boxes.
    QString text(const QString& box) const;
    void setText(const QString& box, const QString& text);
    double number(const QString& box) const;
    void setNumber(const QString& box, double value);

    // An option's Value := true from code: it becomes the chosen one of its frame and
    // its Click handler runs, exactly as on a user's click.
    void select(const QString& option);
    bool isSelected(const QString& option) const;

    int scrollValue(const QString& scrollBar) const;

    // Control properties that a run changes, in the surface's current unit.
    void setLeft(const QString& name, float left);
    void setTop(const QString& name, float top);
    void setShown(const QString& name, bool visible);

    // The yes/no question a run asks, titled with the program's title: 6 for "Ano", 7 for
    // "Ne". A close of the window while it waits answers "Ne".
    static constexpr int vbYes = 6, vbNo = 7;
    int askYesNo(const QString& question);
    // Who answers the question; tests put their own answer here.
    using Asker = std::function<int(QWidget* parent, const QString& title, const QString& question)>;
    static Asker asker;
    static int messageBox(QWidget* parent, const QString& title, const QString& question);

    // Handlers of the controls.
    void onClick(const QString& name, std::function<void()> handler);
    void onChange(const QString& scrollBar, std::function<void()> handler);
    // The Click handlers of options that only write their value.
    void onOptions(std::span<const OptionValue> options);
    // The Start button: its handler is a run. The End button: closes the window.
    void onStart(const QString& button, std::function<void()> run);
    void onEnd(const QString& button);

    // Runs a simulation to its end on this thread, at the designed pace. The window
    // repaints meanwhile; Esc stops the run, P pauses it, a close from the window
    // manager stops it and closes the window; all other input is served after the
    // run, in order. A run asked for during a run follows it.
    void run(const std::function<void()>& simulation);
    bool isRunning() const { return running_; }

    // Opens the window maximised on its screen, the Start button holding the focus.
    void showOnScreen();

    // Puts the client area as the user sees it on the clipboard: the picture with the
    // captions and formulas on it (Ctrl+C while idle).
    void copyPicture();
    QImage pictureAsSeen() const;
    // The program, the suite's version and licence, the accompanying text, the keys (F1).
    void about();
    // Full screen for a projector, and back (F11).
    void toggleFullScreen();
    // The settings the picture was drawn with, as the picture's description gives them.
    QString settingsDrawn() const;

    // Shows what the surface has drawn and handles the pending events (during a run
    // the input among them is held for later).
    void showPicture();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* create(const Control& c);
    QLineEdit* box(const QString& name) const;
    // What a handler drew outside a run goes to the screen when it returns.
    void handled();
    // Places the design area in the window and sizes the client area to it (not during a run).
    void placePage();
    // Esc or a close during a run: the run stops at its next step, and a question it
    // waits for is answered "Ne".
    void stopRun();
    // Tells assistive technology that a run began or ended.
    void busyChanged();
    // Lays every caption out for its box as designed.
    void fitCaptions();
    // The pixels right of a control up to its neighbour or its frame's border.
    int freeRoomRight(const QWidget* w) const;

    QString title_;
    QString whatItShows_;
    QSize design_;
    double shrink_ = 1;
    DrawingSurface surface_;
    Pacing pacing_;
    DeferredInput input_;
    QWidget* page_;  // the design area, centred in the window; the controls and the picture
    Canvas* canvas_;
    QWidget* startButton_ = nullptr;
    QHash<QString, QWidget*> controls_;
    bool running_ = false;
    bool closePending_ = false;
    std::vector<std::function<void()>> queuedRuns_;
};

// The look every program of the suite shares: style, palette, font stand-ins.
void setUpApplication();

// Before the application starts: sets Qt's own scale factor so that a window designed
// for `design` fills the primary screen, its controls and picture magnified alike.
void scaleToFillTheScreen(int argc, char** argv, QSize design = Form::kDesign);
// The environment for a program started from here: the scale factor the user gave, not ours.
QProcessEnvironment environmentForPrograms();

// The running program as the desktop knows it: its id (after the executable's name) as
// its desktop file name and window class, so a dock ties its windows to its menu entry,
// and its icon on every window.
void identifyProgram();

// A program's main: creates its window, opens it and serves its events until it closes.
template <class Window>
int runProgram(int& argc, char** argv)
{
    scaleToFillTheScreen(argc, argv, Window::kDesign);
    QApplication app(argc, argv);
    setUpApplication();
    identifyProgram();
    Window window;
    window.showOnScreen();
    return app.exec();
}
