#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "form.h"

// The browser's window of a program: the program's Form shown as a web page. The page
// (page.js) makes an element for every control of the layout, at its place in the
// design, and a canvas for the drawing surface; this side tells it what changed and
// hands it the surface's pixels at every frame boundary. A run sleeps through
// Asyncify: while it waits, the browser paints and takes the user's input, which the
// page hands to the run's input (Esc and P steer the run, the rest waits for its end).
class WebWindow : public FrontEnd {
public:
    explicit WebWindow(Form& form);
    ~WebWindow() override;

    Form& form() { return form_; }

    // The page's side: a click on a control (an option becomes the chosen one; a check
    // box gives its state now) and a scroll bar moved.
    void clicked(int control, bool checked);
    void scrolled(int control, int value);
    void barKey(int control, BarKey key);  // a key on a speed bar that has the focus
    // The same during a run, to be served after it: a click, a speed bar pressed at a
    // value and a key on a speed bar. Each returns the RunInput::Verdict.
    int heldClick(int control);
    int heldBarMove(int control, int value);
    int heldBarKey(int control, BarKey key);
    // A button of the run bar (what P, K and Esc do), and the run's state and progress
    // shown on the page now.
    void runControl(shell::Symbol symbol);
    // What the window shows, to the page to keep as a PNG with its description and link.
    void savePicture();
    // Tells the page a speed bar's setting, against the start-up speed.
    void tellSpeed(int control);
    void showRunState();

    // The viewport changed (its size, its pixel ratio): the window is shown at the scale
    // that fills it, the picture resampled at once; during a run, when it ends. Then
    // (once the viewport keeps its size) the picture is drawn again exactly, a part at a
    // time: true when it is done.
    void refit();
    bool redrawPart();

    void showPicture() override;

protected:
    void controlChanged(int control, Change what) override;
    void handled() override;
    int ask(const std::string& title, const std::string& question) override;
    void runBegins() override;
    void runEnded() override;
    void closeWindow() override;
    void recorded() override;

private:
    void fit(bool first);
    void openLink();
    void tellAddress();
    std::string programName() const;
    // Hands the page what the surface changed since the last frame, as RGBA rows.
    void paintChanged();
    void serveClick(int control);
    void serveBar(int control, int value);
    RunInput::Aim aimOf(int control) const;

    Form& form_;
    std::string whatItShows_;  // the picture's description, without its settings
    std::vector<std::uint8_t> rgba_;
    double designedBefore_ = 0;  // the pacing's designed seconds when the run began
    struct RunShown {
        Pacing::State state = Pacing::State::Idle;
        std::string progress;
        long long steps = -1;
        friend bool operator==(const RunShown&, const RunShown&) = default;
    };
    RunShown runShown_;  // what the page's run bar shows
    std::string addressShown_;  // the set-up in the page's address
    double scale_ = 0;  // the page's magnification
    bool phone_ = false;  // the phone's page
    bool refitAfterTheRun_ = false;
};

// A program's window in the browser: the program's Form, shown.
template <class Program>
class Web final : public Program, public WebWindow {
public:
    Web() : WebWindow(static_cast<Form&>(*this)) {}
};

// The window the page's input goes to (one program to a page).
void setPageWindow(WebWindow* window);

// A program's main in the browser: makes its window, which lives as long as the page,
// and returns; the page's events are served from then on.
template <class Window>
int showOnTheWeb()
{
    static Web<Window> window;
    setPageWindow(&window);
    return 0;
}
