#include "web_window.h"

#include <emscripten.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "suite.h"

// What the page does for the window (page_library.js).
extern "C" {
void page_open(const char* caption, const char* description, int designWidth, int designHeight);
int page_viewport_width();
int page_viewport_height();
double page_device_pixel_ratio();
void page_scale(double scale, int canvasWidth, int canvasHeight, int back);
void page_control(int index, int kind, const char* name, const char* text, int frame, int left, int top, int width,
                  int height);
void page_style(int index, const char* family, int pixels, int bold, int back, int fore, int align, int border);
void page_bar(int index, int min, int max, int value, int singleStep, int pageStep);
void page_set_text(int index, const char* text);
void page_set_checked(int index, int checked);
void page_set_place(int index, double left, double top);
void page_set_shown(int index, int shown);
void page_set_colour(int index, int back);
void page_start_button(int index);
void page_shown();
void page_paint(const std::uint8_t* rgba, int x, int y, int width, int height);
void page_yield();  // asynchronous: the browser paints and takes input meanwhile
int page_requests();
int page_ask(const char* title, const char* question);  // asynchronous
void page_run(int running, double designedSeconds);
void page_close();
}

namespace {
WebWindow* pageWindow = nullptr;

// A colour of the layout as the page writes it: 0xRRGGBB.
int cssColour(Colour c) { return int(toArgb(c) & 0xFFFFFF); }

// What page_requests says.
constexpr int kStop = 1, kPauses = 2;
}  // namespace

void setPageWindow(WebWindow* window) { pageWindow = window; }

WebWindow::WebWindow(Form& form) : form_(form)
{
    const Size design = form.design();
    const Demonstration* demonstration = demonstrationTitled(form.programTitle());
    page_open(form.windowCaption().c_str(), demonstration ? demonstration->description : "", design.width,
              design.height);
    // The window fills the browser's viewport as the desktop's fills its screen: magnified
    // by one factor, or drawn smaller on a viewport smaller than the reference screen. The
    // picture is drawn in the screen's own pixels, so it is crisp at any pixel ratio.
    const Size viewport{page_viewport_width(), page_viewport_height()};
    const double scale = scaleToFill(viewport, viewport, design);
    const double shrink = std::min(1.0, scale);
    const double devicePixels = std::max(1.0, scale) * std::max(0.25, page_device_pixel_ratio());
    DrawingSurface& surface = form.surface();
    surface.setScale(shrink, devicePixels);
    surface.setClientSize({int(std::lround(design.width * shrink)), int(std::lround(design.height * shrink))});
    page_scale(scale, int(std::ceil(design.width * shrink * devicePixels)),
               int(std::ceil(design.height * shrink * devicePixels)), cssColour(surface.BackColor));

    const std::vector<ControlState>& controls = form.controls();
    for (int i = 0; i < int(controls.size()); ++i) {
        const ControlState& c = controls[i];
        const Control& d = *c.design;
        page_control(i, int(d.kind), d.name, c.text.c_str(), c.frame, d.at.left, d.at.top, d.at.width, d.at.height);
        // The fonts of the design at one pixel to a pixel: the page magnifies them with the window.
        const FontSpec& font = shownFont(d.font);
        page_style(i, standInFamily(font.family), std::max(1, pointsToPixels(font.points)), font.bold,
                   cssColour(c.back), cssColour(d.fore), int(d.align), d.border);
        if (d.kind == Kind::HScrollBar) {
            const BarSteps steps = barSteps(d);
            page_bar(i, d.min, d.max, c.value, steps.single, steps.page);
        }
        page_set_checked(i, c.checked);
        page_set_shown(i, c.visible);
        if (c.left || c.top)
            controlChanged(i, Change::Place);
    }
    if (form.startButton() >= 0)
        page_start_button(form.startButton());

    Pacing& pacing = form.pacing();
    pacing.sleep = [](Pacing::Clock::duration d) {
        emscripten_sleep(unsigned(std::chrono::duration_cast<std::chrono::milliseconds>(d).count()));
    };
    form.setFrontEnd(this);
    paintChanged();
    page_shown();
}

WebWindow::~WebWindow()
{
    form_.setFrontEnd(nullptr);
    if (pageWindow == this)
        pageWindow = nullptr;
}

void WebWindow::controlChanged(int index, Change what)
{
    const ControlState& c = form_.controls()[index];
    switch (what) {
    case Change::Text:
        page_set_text(index, c.text.c_str());
        break;
    case Change::Checked:
        page_set_checked(index, c.checked);
        break;
    case Change::Place:
        // In pixels of the design, where the page lays its controls out.
        page_set_place(index, c.left ? std::round(*c.left) : NAN, c.top ? std::round(*c.top) : NAN);
        break;
    case Change::Shown:
        page_set_shown(index, c.visible);
        break;
    case Change::Colour:
        page_set_colour(index, cssColour(c.back));
        break;
    }
}

void WebWindow::paintChanged()
{
    DrawingSurface& surface = form_.surface();
    Rect dirty = surface.takeDirty();
    const Picture& picture = surface.image();
    dirty.width = std::min(dirty.width, picture.width() - dirty.x);
    dirty.height = std::min(dirty.height, picture.height() - dirty.y);
    if (dirty.isEmpty() || dirty.x < 0 || dirty.y < 0)
        return;
    rgba_.resize(std::size_t(dirty.width) * std::size_t(dirty.height) * 4);
    std::uint8_t* out = rgba_.data();
    for (int y = dirty.y; y < dirty.y + dirty.height; ++y) {
        const std::uint32_t* row = picture.row(y) + dirty.x;
        for (int x = 0; x < dirty.width; ++x, out += 4) {
            const std::uint32_t argb = row[x];
            out[0] = std::uint8_t(argb >> 16);
            out[1] = std::uint8_t(argb >> 8);
            out[2] = std::uint8_t(argb);
            out[3] = 0xFF;
        }
    }
    page_paint(rgba_.data(), dirty.x, dirty.y, dirty.width, dirty.height);
}

void WebWindow::obeyThePage()
{
    const int asked = page_requests();
    Pacing& pacing = form_.pacing();
    for (int pauses = asked / kPauses; pauses > 0; --pauses)
        pacing.togglePause();
    if (asked & kStop)
        pacing.stop();
}

void WebWindow::showPicture()
{
    paintChanged();
    page_yield();
    obeyThePage();
}

void WebWindow::handled() { paintChanged(); }

int WebWindow::ask(const std::string& title, const std::string& question)
{
    paintChanged();
    const int yes = page_ask(title.c_str(), question.c_str());
    obeyThePage();
    return yes ? Form::vbYes : Form::vbNo;
}

void WebWindow::runBegins()
{
    designedBefore_ = form_.pacing().designedSeconds();
    page_run(1, 0);
}

void WebWindow::runEnded()
{
    paintChanged();
    page_run(0, form_.pacing().designedSeconds() - designedBefore_);
}

void WebWindow::closeWindow() { page_close(); }

// The page's input, one event at a time (the page holds what comes during a run).
extern "C" {
EMSCRIPTEN_KEEPALIVE void web_clicked(int control, int checked)
{
    if (pageWindow)
        pageWindow->clicked(control, checked != 0);
}

EMSCRIPTEN_KEEPALIVE void web_scrolled(int control, int value)
{
    if (pageWindow)
        pageWindow->scrolled(control, value);
}
}
