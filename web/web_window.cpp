#include "web_window.h"

#include <emscripten.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "setup.h"
#include "suite.h"

// What the page does for the window (page_library.js).
extern "C" {
void page_open(const char* caption, const char* description, int designWidth, int designHeight);
int page_viewport_width();
int page_viewport_height();
double page_device_pixel_ratio();
int page_phone();  // whether the viewport wants the phone's page
void page_scale(double scale, int canvasWidth, int canvasHeight, int back, int phone);
void page_control(int index, int kind, const char* name, const char* text, int frame, int left, int top, int width,
                  int height);
void page_style(int index, const char* family, int pixels, int bold, int back, int seeThrough, int fore, int align,
                int border);
void page_bar(int index, int min, int max, int value, const char* name);
void page_set_value(int index, int value);
void page_set_text(int index, const char* text);
void page_set_checked(int index, int checked);
void page_set_place(int index, double left, double top);
void page_set_shown(int index, int shown);
void page_set_colour(int index, int back);
void page_start_button(int index, const char* tip);
void page_shown();
void page_paint(const std::uint8_t* rgba, int x, int y, int width, int height);
void page_yield();  // asynchronous: the browser paints and takes input meanwhile
void page_sleep(int milliseconds);  // asynchronous; the user's hands on the run end it early
void page_speed(int index, const char* text, const char* tip);
int page_ask(const char* title, const char* question);  // asynchronous
void page_run(int running, double designedSeconds, const char* description);
void page_run_button(int symbol, const char* name, const char* label, const char* tip);
void page_run_bar(const char* name, const char* progressName, const char* pausedText, int right);
void page_run_state(int state, double fraction, const char* progress, int steps);
void page_about(const char* title, const char* html, const char* copy, const char* about, const char* fullScreen,
                const char* link, const char* save, const char* record);
void page_close();
char* page_location();  // the page's own address, allocated with malloc
void page_address(const char* setUp);
void page_link_problem(const char* title, const char* message);
void page_start_soon(int start);
void page_save_file(const char* fileName, const std::uint8_t* bytes, int size, const char* type);
void page_save_picture(const char* fileName, const char* descriptionKey, const char* description, const char* linkKey,
                       const char* link);
}

namespace {
WebWindow* pageWindow = nullptr;

// A colour of the layout as the page writes it: 0xRRGGBB.
int cssColour(Colour c) { return int(toArgb(c) & 0xFFFFFF); }

// Twips of the layout as pixels of the design, where the page lays its controls out.
int designPixels(int twips) { return int(std::floor(twips / DrawingSurface::kTwipsPerPixel + 0.5)); }
}  // namespace

void setPageWindow(WebWindow* window) { pageWindow = window; }

WebWindow::WebWindow(Form& form) : form_(form)
{
    form.load();  // Form_Load, before the page is made from what it set
    const Size design = form.design();
    const Demonstration* demonstration = demonstrationTitled(form.programTitle());
    whatItShows_ = demonstration ? demonstration->description : "";
    page_open(form.windowCaption().c_str(), whatItShows_.c_str(), design.width, design.height);
    fit(true);

    const std::vector<ControlState>& controls = form.controls();
    for (int i = 0; i < int(controls.size()); ++i) {
        const ControlState& c = controls[i];
        const Control& d = *c.design;
        page_control(i, int(d.kind), d.name, c.text.c_str(), c.frame, designPixels(d.at.left), designPixels(d.at.top),
                     designPixels(d.at.width), designPixels(d.at.height));
        // The fonts of the design at one pixel to a pixel: the page magnifies them with the window.
        const FontSpec& font = shownFont(d.font);
        page_style(i, standInFamily(font.family), std::max(1, pointsToPixels(font.points)), font.bold,
                   cssColour(c.back), isSeeThrough(d.kind, c.back), cssColour(d.fore), int(d.align), d.border);
        if (d.kind == Kind::HScrollBar) {
            page_bar(i, d.min, d.max, c.value, shell::speedBarName(d).c_str());
            tellSpeed(i);
        }
        page_set_checked(i, c.checked);
        page_set_shown(i, c.visible);
        if (c.left || c.top)
            controlChanged(i, Change::Place);
    }
    if (form.startButton() >= 0)
        page_start_button(form.startButton(), shell::kStartTip);
    for (const shell::RunButton& b : {shell::kPause, shell::kResume, shell::kStep, shell::kStop})
        page_run_button(int(b.symbol), b.name, b.label, b.tip);
    page_run_bar(shell::kRunBar, shell::kProgressName, shell::kPaused,
                 form.runBarCorner() == Form::Corner::BottomRight);
    const std::string name = demonstration ? demonstration->title : form.programTitle();
    page_about(shell::aboutTitle(form.programTitle()).c_str(), shell::aboutHtml(name, whatItShows_).c_str(),
               shell::kCopyCommand, shell::kAboutCommand, shell::kFullScreenCommand, shell::kCopyLinkCommand,
               shell::kSavePictureCommand, shell::kRecordCommand);

    Pacing& pacing = form.pacing();
    pacing.sleep = [](Pacing::Clock::duration d) {
        page_sleep(int(std::chrono::duration_cast<std::chrono::milliseconds>(d).count()));
    };
    form.setFrontEnd(this);
    openLink();
    paintChanged();
    page_shown();
}

// The window fills the browser's viewport as the desktop's fills its screen: magnified by
// one factor, or drawn smaller on a viewport smaller than the reference screen. The picture
// is drawn in the screen's own pixels, so it is crisp at any pixel ratio. Fitted again, the
// picture is drawn again at the new scale.
void WebWindow::fit(bool first)
{
    const Size design = form_.design();
    const Size viewport{page_viewport_width(), page_viewport_height()};
    // A phone's page has the design across the viewport's width, its controls below it.
    const bool phone = page_phone();
    const double scale = phone ? viewport.width / double(design.width) : scaleToFill(viewport, viewport, design);
    const double shrink = std::min(1.0, scale);
    const double devicePixels = std::max(1.0, scale) * std::max(0.25, page_device_pixel_ratio());
    const Size client{int(std::lround(design.width * shrink)), int(std::lround(design.height * shrink))};
    DrawingSurface& surface = form_.surface();
    if (!first && scale == scale_ && phone == phone_ && surface.devicePixelRatio() == devicePixels &&
        surface.scale() == shrink)
        return;
    scale_ = scale;
    phone_ = phone;
    if (first) {
        surface.setScale(shrink, devicePixels);
        surface.setClientSize(client);
    } else {
        surface.resample(shrink, devicePixels, client);  // drawn again exactly by redrawPart()
    }
    page_scale(scale, int(std::ceil(design.width * shrink * devicePixels)),
               int(std::ceil(design.height * shrink * devicePixels)), cssColour(surface.BackColor), phone);
    if (!first)
        paintChanged();
}

bool WebWindow::redrawPart()
{
    if (form_.isRunning())
        return true;  // the run draws on the picture drawn again
    constexpr std::chrono::milliseconds kPart{8};  // the page serves its events between the parts
    const bool done = form_.surface().redrawSome(kPart);
    paintChanged();
    return done;
}

void WebWindow::refit()
{
    refitAfterTheRun_ = form_.isRunning();
    if (!refitAfterTheRun_)
        fit(false);
}

// The set-up the page's address carries, applied as the user would; what could not be
// read is told; a link that asks for it starts the run once the page is shown.
void WebWindow::openLink()
{
    std::string location;
    if (char* href = page_location()) {
        location = href;
        std::free(href);
    }
    const setup::Applied applied = setup::apply(form_, programName(), location);
    if (const std::string message = setup::message(applied); !message.empty())
        page_link_problem(shell::kLinkProblem, message.c_str());
    tellAddress();
    if (applied.start && form_.startButton() >= 0)
        page_start_soon(form_.startButton());
}

void WebWindow::savePicture()
{
    page_save_picture(setup::fileName(form_, programName(), "png").c_str(), shell::kPictureDescriptionKey,
                      form_.describeDrawn(whatItShows_).c_str(), shell::kPictureLinkKey,
                      setup::link(form_, programName()).c_str());
}

void WebWindow::recorded()
{
    if (const Recording* recording = form_.recording()) {
        const std::vector<std::uint8_t> gif = recording->gif();
        page_save_file(setup::fileName(form_, programName(), "gif").c_str(), gif.data(), int(gif.size()), "image/gif");
    }
}

std::string WebWindow::programName() const { return setup::programName(form_); }

// The page's address follows the set-up (and the seed of the run it shows).
void WebWindow::tellAddress()
{
    std::string now = setup::write(form_);
    if (now == addressShown_)
        return;
    page_address(now.c_str());
    addressShown_ = std::move(now);
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

void WebWindow::showPicture()
{
    paintChanged();
    showRunState();
    page_yield();
}

// Told when it changes: the state, the progress's text and the steps ended.
void WebWindow::showRunState()
{
    const auto progress = form_.progress();
    const Pacing& pacing = form_.pacing();
    RunShown now{pacing.state(), shell::progressText(progress), pacing.steps()};
    if (now == runShown_)
        return;
    page_run_state(int(now.state), progress ? progress->fraction() : -1, now.progress.c_str(), int(pacing.steps()));
    runShown_ = std::move(now);
}

void WebWindow::tellSpeed(int control)
{
    const double slower = form_.speedFactor(control);
    page_speed(control, shell::speedText(slower).c_str(), shell::speedTip(*form_.controls()[control].design, slower).c_str());
}

void WebWindow::runControl(shell::Symbol symbol)
{
    shell::press(form_.input(), symbol);
    if (form_.input().isHolding())
        showRunState();
}

void WebWindow::handled()
{
    paintChanged();
    tellAddress();
}

int WebWindow::ask(const std::string& title, const std::string& question)
{
    paintChanged();
    const int yes = page_ask(title.c_str(), question.c_str());
    return yes ? Form::vbYes : Form::vbNo;
}

void WebWindow::runBegins()
{
    designedBefore_ = form_.pacing().designedSeconds();
    tellAddress();  // the seed the run draws from
    page_run(1, 0, "");
    showRunState();
}

void WebWindow::runEnded()
{
    if (refitAfterTheRun_) {
        refitAfterTheRun_ = false;
        fit(false);
        form_.surface().redraw();
    }
    paintChanged();
    runShown_ = {};
    page_run(0, form_.pacing().designedSeconds() - designedBefore_, form_.describeDrawn(whatItShows_).c_str());
}

void WebWindow::closeWindow() { page_close(); }

void WebWindow::clicked(int control, bool checked) { form_.clicked(control, checked); }

void WebWindow::scrolled(int control, int value) { form_.scrolled(control, value); }

void WebWindow::barKey(int control, BarKey key)
{
    const ControlState& c = form_.controls()[control];
    serveBar(control, keyedValue(*c.design, c.value, key));
}

int WebWindow::heldClick(int control)
{
    return int(form_.input().input(RunInput::Pointer::Other, nullptr, [this, control] { serveClick(control); }));
}

// A speed bar acts during a run, at the run's next step; any other bar waits with the rest.
int WebWindow::heldBarMove(int control, int value)
{
    const auto serve = [this, control, value] { serveBar(control, value); };
    const auto verdict = form_.input().input(RunInput::Pointer::Other, nullptr, serve, aimOf(control));
    if (verdict == RunInput::Verdict::Now && form_.input().isHolding())
        serve();
    return int(verdict);
}

int WebWindow::heldBarKey(int control, BarKey key)
{
    const auto serve = [this, control, key] {
        const ControlState& c = form_.controls()[control];
        serveBar(control, keyedValue(*c.design, c.value, key));
    };
    const auto verdict = form_.input().key(RunInput::Key::Other, true, false, false, serve, aimOf(control));
    if (verdict == RunInput::Verdict::Now && form_.input().isHolding())
        serve();
    return int(verdict);
}

RunInput::Aim WebWindow::aimOf(int control) const
{
    return form_.isSpeedBar(control) ? RunInput::Aim::RunControl : RunInput::Aim::Window;
}

void WebWindow::serveClick(int control)
{
    // As the control would have taken it then: an option becomes the chosen one, a check
    // box changes its state; a control hidden meanwhile takes nothing.
    const ControlState& c = form_.controls()[control];
    if (!c.visible)
        return;
    form_.clicked(control, c.design->kind == Kind::CheckBox ? !c.checked : true);
}

void WebWindow::serveBar(int control, int value)
{
    const ControlState& c = form_.controls()[control];
    if (!c.visible || value == c.value)
        return;
    page_set_value(control, value);
    form_.scrolled(control, value);
}

// The page's input. Outside a run an event goes to the window at once; during a run the
// page hands it to the run's input, which steers the run with it, holds it or lets it be.
// What the page names is checked: a control the window lacks, or a key or kind of
// control other than the one named, comes to nothing.
namespace {
WebWindow* windowWith(int control, Kind kind)
{
    if (!pageWindow || control < 0 || control >= int(pageWindow->form().controls().size()))
        return nullptr;
    const Kind is = pageWindow->form().controls()[control].design->kind;
    const bool takesClicks = is == Kind::CommandButton || is == Kind::OptionButton || is == Kind::CheckBox;
    return (kind == Kind::CommandButton ? takesClicks : is == kind) ? pageWindow : nullptr;
}

bool isBarKey(int key) { return key >= int(BarKey::Left) && key <= int(BarKey::End); }
constexpr int kNow = int(RunInput::Verdict::Now);
}  // namespace

extern "C" {
EMSCRIPTEN_KEEPALIVE void web_clicked(int control, int checked)
{
    if (WebWindow* w = windowWith(control, Kind::CommandButton))
        w->clicked(control, checked != 0);
}

EMSCRIPTEN_KEEPALIVE void web_scrolled(int control, int value)
{
    if (WebWindow* w = windowWith(control, Kind::HScrollBar))
        w->scrolled(control, value);
}

EMSCRIPTEN_KEEPALIVE void web_bar_key(int control, int key)
{
    if (WebWindow* w = windowWith(control, Kind::HScrollBar); w && isBarKey(key))
        w->barKey(control, BarKey(key));
}

// Each returns what became of the event: RunInput::Verdict.
EMSCRIPTEN_KEEPALIVE int web_key(int key, int repeated, int modified)
{
    using Key = RunInput::Key;
    if (!pageWindow)
        return kNow;
    const Key known = key >= int(Key::Escape) && key <= int(Key::Other) ? Key(key) : Key::Other;
    const auto verdict = pageWindow->form().input().key(known, true, repeated, modified, {});
    if (verdict == RunInput::Verdict::Steered)
        pageWindow->showRunState();
    return int(verdict);
}

// A speed bar's setting, told to the page when the pointer or the focus comes to it and
// after it moved.
EMSCRIPTEN_KEEPALIVE void web_speed(int control)
{
    if (WebWindow* w = windowWith(control, Kind::HScrollBar))
        w->tellSpeed(control);
}

// What the window shows, to keep as a PNG: the page makes it, with the name, the
// description and the link the program gives.
EMSCRIPTEN_KEEPALIVE void web_save_picture()
{
    if (pageWindow && !pageWindow->form().isRunning())
        pageWindow->savePicture();
}

// Start's run, recorded; the animation is the page's to download when the run ends.
EMSCRIPTEN_KEEPALIVE void web_record()
{
    if (pageWindow)
        pageWindow->form().recordRun();
}

// The viewport's size or pixel ratio changed: the window fits it again (after the run).
EMSCRIPTEN_KEEPALIVE void web_refit()
{
    if (pageWindow)
        pageWindow->refit();
}

// The viewport has kept its size a moment: the picture, resampled, is drawn again exactly,
// a part at a time; 1 when it is done.
EMSCRIPTEN_KEEPALIVE int web_redraw()
{
    return pageWindow ? int(pageWindow->redrawPart()) : 1;
}

// A button of the run bar: shell::Symbol.
EMSCRIPTEN_KEEPALIVE void web_run_control(int symbol)
{
    if (pageWindow && symbol >= int(shell::Symbol::Pause) && symbol <= int(shell::Symbol::Stop))
        pageWindow->runControl(shell::Symbol(symbol));
}

EMSCRIPTEN_KEEPALIVE int web_held_click(int control)
{
    WebWindow* w = windowWith(control, Kind::CommandButton);
    return w ? w->heldClick(control) : kNow;
}

EMSCRIPTEN_KEEPALIVE int web_held_bar_move(int control, int value)
{
    WebWindow* w = windowWith(control, Kind::HScrollBar);
    return w ? w->heldBarMove(control, value) : kNow;
}

EMSCRIPTEN_KEEPALIVE int web_held_bar_key(int control, int key)
{
    WebWindow* w = windowWith(control, Kind::HScrollBar);
    return w && isBarKey(key) ? w->heldBarKey(control, BarKey(key)) : kNow;
}
}
