#pragma once
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "drawing_surface.h"
#include "layout.h"
#include "pacing.h"
#include "recording.h"
#include "run_input.h"

// The address of the accompanying text, shown in every window's title.
inline constexpr const char* kWebAddress = "https://svetlo-a-sipky.example.org";

// How far a run has come: the reference machine's seconds it has drawn, and those it
// still takes at the speed it goes now.
struct RunProgress {
    double done = 0;
    double left = 0;
    double fraction() const { return done + left > 0 ? done / (done + left) : 1; }
};

// What every window of the suite says alike, whatever shows it.
namespace shell {
// The Start button's tooltip.
inline constexpr const char* kStartTip = "Spustí animaci; Esc ji zastaví, P pozastaví a znovu rozběhne, K ji posune o krok";
// The speed bar's name where the layout gives it none, and what its tooltip adds.
inline constexpr const char* kSpeedBar = "Rychlost animace";
inline constexpr const char* kSpeedBarTip = " (vpravo pomaleji)";
// A speed bar's name: its caption in the layout, or kSpeedBar.
std::string speedBarName(const Control& bar);
// A speed bar's setting as the user hears it, from how many times longer a run takes at
// it than at the start-up speed: "výchozí rychlost", "2,5× pomaleji než výchozí",
// "1,3× rychleji než výchozí"; and its tooltip, its name with that setting.
std::string speedText(double slowerThanAtStart);
std::string speedTip(const Control& bar, double slowerThanAtStart);
// The question's answers.
inline constexpr const char* kYes = "Ano";
inline constexpr const char* kNo = "Ne";
// The keys every window takes, as the window tells them.
inline constexpr const char* kKeys[] = {
    "Ctrl+C zkopíruje obrázek, jak je vidět",
    "Ctrl+Shift+C zkopíruje odkaz, který otevře ukázku s tímto nastavením",
    "Ctrl+S uloží obrázek, jak je vidět, do souboru PNG",
    "Ctrl+R spustí animaci, nahraje ji a uloží jako animovaný GIF",
    "Esc zastaví běžící animaci, P ji pozastaví a znovu rozběhne",
    "K posune pozastavenou animaci o jeden krok (bod, trasu, foton) a znovu ji pozastaví",
    "F11 přepne na celou obrazovku a zpět",
    "F1 ukáže tento přehled",
};

// The window's own commands (with their keys): copy the picture as seen, About, full screen.
inline constexpr const char* kCopyCommand = "Kopírovat obrázek";
inline constexpr const char* kAboutCommand = "O programu";
inline constexpr const char* kFullScreenCommand = "Celá obrazovka";
// The set-up as a web link on the clipboard (Ctrl+Shift+C), and the title of the message
// a link that could not be read whole gives.
inline constexpr const char* kCopyLinkCommand = "Kopírovat odkaz";
// What the window shows saved as a picture (Ctrl+S); the PNG's text fields.
inline constexpr const char* kSavePictureCommand = "Uložit obrázek";
// Start's run recorded and saved as an animated GIF (Ctrl+R).
inline constexpr const char* kRecordCommand = "Nahrát animaci";
inline constexpr const char* kPictureDescriptionKey = "Description";
inline constexpr const char* kPictureLinkKey = "URL";
inline constexpr const char* kLinkProblem = "Odkaz";

// The run bar, shown while a run draws: its buttons (name, tooltip), its progress and
// what it says while the run is paused.
enum class Symbol { Pause, Resume, Step, Stop };  // drawn by the front end: ‖, ▶, ▶|, ■
struct RunButton {
    const char* name;  // the control's name
    Symbol symbol;
    const char* label;  // the accessible name
    const char* tip;
};
inline constexpr RunButton kPause{"runPause", Symbol::Pause, "Pozastavit", "Pozastaví animaci (P)"};
inline constexpr RunButton kResume{"runPause", Symbol::Resume, "Pokračovat", "Rozběhne animaci dál (P)"};
inline constexpr RunButton kStep{"runStep", Symbol::Step, "Krok", "Jeden krok pozastavené animace (K)"};
inline constexpr RunButton kStop{"runStop", Symbol::Stop, "Zastavit", "Zastaví animaci (Esc)"};
inline constexpr const char* kRunBar = "runBar";
inline constexpr const char* kProgressName = "Průběh animace";
inline constexpr const char* kPaused = "Pozastaveno";
// What a button of the run bar does to the run (what P, K and Esc do).
void press(RunInput& input, Symbol symbol);
// "37 % · zbývá 12 s", or "zbývá 2 min 05 s"; "…" before the run's length is known.
std::string progressText(const std::optional<RunProgress>& progress);
// What About says of a program (its name, what it shows), as HTML; and its title.
std::string aboutHtml(const std::string& name, const std::string& whatItShows);
std::string aboutTitle(const std::string& programTitle);
}  // namespace shell

// A control of a window, found once by its name and kind: the window lacks no control
// its handle names.
struct ControlRef {
    int index = -1;
};
struct BoxRef : ControlRef {};  // a parameter box or a caption box
struct OptionRef : ControlRef {};
struct CheckRef : ControlRef {};
struct BarRef : ControlRef {};
// A command button, an option or a check box: what takes a click.
struct ButtonRef : ControlRef {
    ButtonRef() = default;
    ButtonRef(OptionRef option) : ControlRef{option.index} {}
    ButtonRef(CheckRef box) : ControlRef{box.index} {}
};

// A control as the window has it now.
struct ControlState {
    const Control* design = nullptr;
    int frame = -1;  // the frame it sits in; -1 on the window itself
    std::string text;  // a box's text
    bool checked = false;  // an option or a check box
    bool visible = true;
    int value = 0;  // a scroll bar
    std::optional<double> left, top;  // where a run moved it, in pixels of the reference screen
    Colour back = 0;
};

// What shows a window to its user (the desktop's widgets, a web page) does for it.
class FrontEnd {
public:
    enum class Change { Text, Checked, Place, Shown, Colour };

    virtual ~FrontEnd() = default;
    // A control's state changed from the program.
    virtual void controlChanged(int control, Change what) = 0;
    // Shows what the surface drew and handles what the window was sent meanwhile (during
    // a run the input among it waits for the run's end).
    virtual void showPicture() = 0;
    // A handler returned outside a run: what it drew goes to the screen.
    virtual void handled() = 0;
    // The yes/no question, titled with the program's title: Form::vbYes or Form::vbNo.
    virtual int ask(const std::string& title, const std::string& question) = 0;
    // A run begins, and it has ended (finished or stopped); what the run held is served
    // after runEnded.
    virtual void runBegins() {}
    virtual void runEnded() {}
    // The window closes ("Konec").
    virtual void closeWindow() = 0;
    // A run that was recorded has ended (Form::recording): the front end offers to keep it.
    virtual void recorded() {}
};

struct SpeedBar;

// A program's window, whatever shows it: the layout's controls with their state, the
// parameter boxes, the handlers, the drawing surface, the run and its pacing, and the
// yes/no question.
class Form {
public:
    // The area a window is designed for, in pixels of the reference screen; a program
    // whose picture reaches further names its own.
    static constexpr Size kDesign{800, 600};

    // title: the program's title ("Vidivizur"); the caption is title + separator + address.
    Form(std::string formName, std::string title, Layout layout, std::string separator = " - ",
         Size design = kDesign);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& formName() const { return formName_; }
    const std::string& programTitle() const { return title_; }
    const std::string& windowCaption() const { return caption_; }
    Size design() const { return design_; }

    DrawingSurface& surface() { return surface_; }
    const DrawingSurface& surface() const { return surface_; }
    Pacing& pacing() { return pacing_; }
    // The input during a run: what the front end gets meanwhile goes here.
    RunInput& input() { return input_; }

    // The controls, in the order of the layout.
    const std::vector<ControlState>& controls() const { return controls_; }
    // The control of that name and kind; a name the layout lacks, or a control of
    // another kind, throws std::logic_error.
    template <class Ref>
    Ref named(std::string_view name) const;
    int indexOf(std::string_view name) const;  // -1 when there is none

    // Text boxes: the parameter boxes and the caption boxes.
    const std::string& text(BoxRef box) const { return controls_[box.index].text; }
    void setText(BoxRef box, std::string text);
    double number(BoxRef box) const;
    void setNumber(BoxRef box, double value);

    // An option's Value := true from code: it becomes the chosen one of its frame and
    // its Click handler runs, exactly as on a user's click.
    void select(OptionRef option);
    bool isSelected(OptionRef option) const { return controls_[option.index].checked; }
    bool isChecked(CheckRef box) const { return controls_[box.index].checked; }
    int scrollValue(BarRef bar) const { return controls_[bar.index].value; }

    // Control properties that a run changes; places in the surface's current unit.
    void setLeft(ControlRef control, float left);
    void setTop(ControlRef control, float top);
    void setShown(ControlRef control, bool visible);
    void setShown(std::initializer_list<ControlRef> controls, bool visible)
    {
        for (const ControlRef c : controls)
            setShown(c, visible);
    }
    void setBackColour(ControlRef control, Colour back);
    // A caption a run reveals: placed there and shown.
    void reveal(ControlRef control, float left, float top);

    // The same by name, found at each call.
    const std::string& text(std::string_view box) const { return text(named<BoxRef>(box)); }
    void setText(std::string_view box, std::string text) { setText(named<BoxRef>(box), std::move(text)); }
    double number(std::string_view box) const { return number(named<BoxRef>(box)); }
    void setNumber(std::string_view box, double value) { setNumber(named<BoxRef>(box), value); }
    void select(std::string_view option) { select(named<OptionRef>(option)); }
    bool isSelected(std::string_view option) const { return isSelected(named<OptionRef>(option)); }
    bool isChecked(std::string_view box) const { return isChecked(named<CheckRef>(box)); }
    int scrollValue(std::string_view bar) const { return scrollValue(named<BarRef>(bar)); }
    void setLeft(std::string_view control, float left) { setLeft(named<ControlRef>(control), left); }
    void setTop(std::string_view control, float top) { setTop(named<ControlRef>(control), top); }
    void setShown(std::string_view control, bool visible) { setShown(named<ControlRef>(control), visible); }
    void reveal(std::string_view control, float left, float top) { reveal(named<ControlRef>(control), left, top); }

    // The yes/no question a run asks: vbYes for "Ano", vbNo for "Ne".
    static constexpr int vbYes = 6, vbNo = 7;
    int askYesNo(const std::string& question);
    // Who answers instead of the front end; tests put their own answer here.
    using Asker = std::function<int(const std::string& title, const std::string& question)>;
    static Asker asker;

    // Handlers of the controls.
    void onClick(ButtonRef button, std::function<void()> handler);
    void onChange(BarRef bar, std::function<void()> handler);
    void onClick(std::string_view button, std::function<void()> handler)
    {
        onClick(named<ButtonRef>(button), std::move(handler));
    }
    void onChange(std::string_view bar, std::function<void()> handler)
    {
        onChange(named<BarRef>(bar), std::move(handler));
    }
    // The Click handlers of options that only write their value.
    void onOptions(std::span<const OptionValue> options);
    // The Start button: its handler is a run. The End button: closes the window.
    void onStart(std::string_view button, std::function<void()> run);
    void onEnd(std::string_view button);
    // A speed bar: its value, times its factor and plus its offset, goes into its box, and
    // so does the slowdown of the option of its frame chosen; an option not in that frame throws.
    void onSpeed(const SpeedBar& speed);
    // Form_Load: what the window does before it is first shown; the front end that shows
    // it calls load().
    void onLoad(std::function<void()> load) { load_ = std::move(load); }
    void load();
    int startButton() const { return startButton_; }
    // A speed bar acts during a run: the run's next step goes at its new speed.
    bool isSpeedBar(int control) const;
    // A frame of a speed bar's options (each writes its own slowdown).
    bool isSpeedFrame(int control) const;
    // The controls as the window opened, after Form_Load: what a set-up differs from.
    const std::vector<ControlState>& loadedControls() const { return loaded_; }
    // Whether the program's runs draw random numbers, and the generator's state a run of
    // Start draws from: the last run's as it began, or before any run the state now (a
    // link that carries it shows that run again). setSeed: the next run draws from it.
    bool drawsRandomNumbers() const { return random_; }
    void setDrawsRandomNumbers(bool random) { random_ = random; }
    unsigned long long runSeed() const;
    void setSeed(unsigned long long seed);
    // How many times longer Start's run, as the window is set up now, takes at the speed
    // bar's setting than at its start-up setting (1 for a control that is no speed bar).
    // Learnt from two rehearsals of the run for each set-up of the other controls, made
    // when first asked (milliseconds); a rehearsal changes nothing of the window.
    double speedFactor(int control);

    // What the picture shows, then the settings it was drawn with: the chosen option of
    // every frame shown and the state of every check box shown, in reading order.
    std::string describeDrawn(const std::string& whatItShows) const;
    std::string settingsDrawn() const;

    // Runs a simulation to its end, at the designed pace; a run asked for during a run
    // follows it. The front end shows its frames and hands the input to input() meanwhile;
    // after the run the window closes if a close came, or what was held is served.
    void run(const std::function<void()>& simulation) { run(simulation, false); }
    bool isRunning() const { return running_; }

    // How far Start's run has come; none outside a run. The window learns the run's
    // length as it begins: a copy of the window runs it through at no cost, without
    // setting a pixel, with the same random numbers (and the run's answers to its
    // question, asked before it draws); the run's pictures, numbers and questions stay
    // as they are.
    std::optional<RunProgress> progress() const;
    // The rehearsal of the last run of Start: its reference time at the end of each of
    // its steps, then at its end (empty: none).
    const std::vector<Pacing::Spent>& rehearsedSteps() const { return rehearsed_; }
    // What the rehearsals of the last run of Start cost, in seconds of this machine.
    double rehearsalSeconds() const { return rehearsalSeconds_; }
    // The run marks the ends of its steps itself; otherwise every pacing wait ends one.
    void setOwnSteps(bool own) { ownSteps_ = own; }
    // Start's run, recorded as it builds up (Recording); the front end hears `recorded`
    // when it has ended, and the recording stays until the next. What recording took of
    // the machine's time, in seconds.
    void recordRun();
    const Recording* recording() const { return recorded_.get(); }
    double recordingSeconds() const { return recordingSeconds_; }
    // The label that asks for a click on Start; it goes when a run begins.
    void setPrompt(std::string_view label) { prompt_ = named<ControlRef>(label).index; }
    // The corner of the design where the run bar stands while a run draws: at its foot,
    // where the programs draw nothing.
    enum class Corner { BottomLeft, BottomRight };
    void setRunBarCorner(Corner corner) { runBarCorner_ = corner; }
    Corner runBarCorner() const { return runBarCorner_; }

    // The front end's side: what the user did to a control. A click on a button, an
    // option (which becomes the chosen one) or a check box (checked: its state now).
    void clicked(int control, bool checked = true);
    void scrolled(int control, int value);
    void setFrontEnd(FrontEnd* frontEnd) { frontEnd_ = frontEnd; }

protected:
    // A window of the same program as it is made, to rehearse runs in; none: this window's
    // runs have no progress. A program keeps its state in its controls and its surface,
    // which the rehearsal copies.
    virtual std::unique_ptr<Form> blank() const { return nullptr; }

private:
    void run(const std::function<void()>& simulation, bool start);
    void perform(const std::function<void()>& simulation, bool start);
    void prepareRehearsal(bool start);
    void rehearse();
    struct RunBegan;
    // A copy of the window in the state `base` runs Start's run through at no cost, given
    // these answers to its question: its reference time at the end of each step, then at
    // its end; complete: it asked no more than it was given.
    std::vector<Pacing::Spent> rehearsal(const RunBegan& base, const std::vector<int>& answers, bool* complete = nullptr) const;
    std::string speedSetup(int box) const;
    void changed(int control, FrontEnd::Change what);
    void closeWindow();
    void choose(int option);
    [[noreturn]] void missing(std::string_view name, const char* kind) const;

    std::string formName_, title_, caption_;
    Size design_;
    DrawingSurface surface_;
    Pacing pacing_;
    RunInput input_{pacing_};
    bool closed_ = false;  // "Konec" closed the window while held input was served
    std::vector<ControlState> controls_;
    std::unordered_map<std::string_view, int> index_;
    std::vector<std::function<void()>> handlers_;
    int startButton_ = -1;
    // A speed bar: its box, how its value becomes the box's, its value at start-up, and the
    // run's length against the box's value for the set-up last asked about (a line).
    struct Speed {
        int bar, box, frame;
        double factor, offset;
        int startValue = 0;
        std::string setup;
        double fixedSeconds = 0, secondsPerUnit = 0;
    };
    std::vector<Speed> speeds_;
    std::vector<ControlState> loaded_;
    bool recordNext_ = false;
    std::unique_ptr<Recording> recording_, recorded_;
    double recordingSeconds_ = 0;
    bool random_ = false;
    std::optional<unsigned long long> seedOfLastRun_;
    std::function<void()> startRun_;
    bool running_ = false;
    std::vector<std::pair<std::function<void()>, bool>> queuedRuns_;  // and whether Start's
    bool ownSteps_ = false;
    int prompt_ = -1;
    Corner runBarCorner_ = Corner::BottomLeft;
    // The run's progress: the window's state and the generator's as the run began, kept
    // while the run may still answer what its rehearsal asked; the reference seconds at
    // the end of each rehearsed step, then the run's length. A copy rehearsing gives the
    // answers of the run it copies.
    struct RunBegan {
        std::vector<ControlState> controls;
        DrawingSurface::DrawingState drawing;
        unsigned long long rnd;
    };
    std::optional<RunBegan> rehearsalBase_;
    std::vector<Pacing::Spent> rehearsed_;
    double rehearsalSeconds_ = 0;
    bool rehearsing_ = false;
    std::vector<int> answers_;
    std::size_t answered_ = 0;
    bool unanswered_ = false;
    std::function<void()> load_;
    FrontEnd* frontEnd_ = nullptr;
};

// One of the options of a speed frame, and the slowdown it writes.
struct SpeedChoice {
    const char* option;
    double slowdown;
};

// The speed of a window's animation, one part: a scroll bar whose value, times `factor`
// and plus `offset`, is the slowdown its runs read from a parameter box, and the options
// of its frame (hidden in most windows), each writing its own slowdown into the same box.
struct SpeedBar {
    const char* bar;
    const char* box;
    double factor = 1, offset = 0;
    const char* frame = nullptr;
    std::span<const SpeedChoice> choices = {};
};

// A program's window as the program declares it: the base makes the Form from it and
// wires Start to the run, the End button to closing the window, the options that only
// write a value, the speed bars, and Form_Load for when the window is shown.
template <class Window>
struct Declaration {
    const char* formName;
    const char* title;  // of the program; the window's caption adds the address
    Layout layout;
    const char* start;
    void (Window::*run)();
    const char* end;
    std::span<const OptionValue> options = {};
    std::span<const SpeedBar> speed = {};
    void (Window::*load)() = nullptr;  // Form_Load
    const char* separator = " - ";  // between the title and the address
    Size design = Form::kDesign;
    bool ownSteps = false;  // the run marks the ends of its steps (Pacing::stepEnds)
    bool random = false;  // the runs draw random numbers (a set-up carries their seed)
    const char* prompt = nullptr;  // the label asking for a click on Start
    Form::Corner runBar = Form::Corner::BottomLeft;  // where the run bar stands
};

template <class Window>
class Program : public Form {
protected:
    explicit Program(const Declaration<Window>& d) : Form(d.formName, d.title, d.layout, d.separator, d.design)
    {
        onOptions(d.options);
        for (const SpeedBar& speed : d.speed)
            onSpeed(speed);
        onStart(d.start, [this, run = d.run] { (window().*run)(); });
        onEnd(d.end);
        if (d.load)
            onLoad([this, load = d.load] { (window().*load)(); });
        setOwnSteps(d.ownSteps);
        setDrawsRandomNumbers(d.random);
        if (d.prompt)
            setPrompt(d.prompt);
        setRunBarCorner(d.runBar);
    }

    std::unique_ptr<Form> blank() const override { return std::make_unique<Window>(); }

private:
    Window& window() { return static_cast<Window&>(*this); }
};

// A handle of the window's control `name`, found once when the window is made (a name
// the layout lacks throws): the member name_, of type Ref.
#define SUITE_CONTROL(Ref, name) const Ref name##_ = named<Ref>(#name)

// How many times larger than designed a window is shown so that its design fills the
// screen: available, the space a window gets; screen, the whole screen (a browser's
// viewport is both). Never below 1 unless the screen is smaller than the reference screen.
double scaleToFill(Size available, Size screen, Size design = Form::kDesign);

namespace detail {
// Whether a control of this kind can stand behind a handle of that type.
template <class Ref>
constexpr bool kindFits(Kind k)
{
    if constexpr (std::is_same_v<Ref, BoxRef>)
        return k == Kind::ParameterBox || k == Kind::CaptionBox;
    else if constexpr (std::is_same_v<Ref, OptionRef>)
        return k == Kind::OptionButton;
    else if constexpr (std::is_same_v<Ref, CheckRef>)
        return k == Kind::CheckBox;
    else if constexpr (std::is_same_v<Ref, BarRef>)
        return k == Kind::HScrollBar;
    else if constexpr (std::is_same_v<Ref, ButtonRef>)
        return k == Kind::CommandButton || k == Kind::OptionButton || k == Kind::CheckBox;
    else
        return true;
}
template <class Ref>
constexpr const char* kindName()
{
    if constexpr (std::is_same_v<Ref, BoxRef>)
        return "text box";
    else if constexpr (std::is_same_v<Ref, OptionRef>)
        return "option button";
    else if constexpr (std::is_same_v<Ref, CheckRef>)
        return "check box";
    else if constexpr (std::is_same_v<Ref, BarRef>)
        return "scroll bar";
    else if constexpr (std::is_same_v<Ref, ButtonRef>)
        return "button";
    else
        return "control";
}
}  // namespace detail

template <class Ref>
Ref Form::named(std::string_view name) const
{
    const int i = indexOf(name);
    if (i < 0 || !detail::kindFits<Ref>(controls_[i].design->kind))
        missing(name, detail::kindName<Ref>());
    Ref ref;
    ref.index = i;
    return ref;
}
