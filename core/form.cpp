#include "form.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <stdexcept>

#include "numbers.h"
#include "rnd.h"
#include "suite.h"

Form::Asker Form::asker;

Form::Form(std::string formName, std::string title, Layout layout, std::string separator, Size design)
    : formName_(std::move(formName)),
      title_(std::move(title)),
      caption_(title_ + separator + kWebAddress),
      design_(design),
      surface_(Size{1000, 700}.expandedTo(design))
{
    controls_.reserve(layout.size());
    for (const Control& c : layout) {
        ControlState state;
        state.design = &c;
        if (c.frame) {
            state.frame = indexOf(c.frame);
            if (state.frame < 0 || controls_[state.frame].design->kind != Kind::Frame)
                throw std::logic_error(formName_ + ": the frame " + c.frame + " of " + c.name +
                                       " is not listed before it");
        }
        state.text = c.text;
        state.checked = c.checked;
        state.visible = c.visible && c.kind != Kind::ParameterBox;
        state.value = c.value;
        state.back = c.back;
        if (!index_.emplace(c.name, int(controls_.size())).second)
            throw std::logic_error(formName_ + ": two controls are named " + c.name);
        controls_.push_back(std::move(state));
    }
    handlers_.resize(controls_.size());
    loaded_ = controls_;
    surface_.pacing = &pacing_;
    pacing_.showPicture = [this] {
        if (frontEnd_)
            frontEnd_->showPicture();
    };
    pacing_.frameReached = [this] {
        if (!recording_)
            return;
        const auto began = std::chrono::steady_clock::now();
        recording_->frameReached(surface_.image(), surface_.takeRecordedDirty(), pacing_.runSeconds());
        recordingSeconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    };
}

Form::~Form() = default;

int Form::indexOf(std::string_view name) const
{
    const auto found = index_.find(name);
    return found == index_.end() ? -1 : found->second;
}

void Form::missing(std::string_view name, const char* kind) const
{
    throw std::logic_error(formName_ + " has no " + kind + " named " + std::string(name));
}

void Form::changed(int control, FrontEnd::Change what)
{
    if (frontEnd_)
        frontEnd_->controlChanged(control, what);
}

void Form::setText(BoxRef box, std::string text)
{
    std::string& now = controls_[box.index].text;
    if (now == text)
        return;
    now = std::move(text);
    changed(box.index, FrontEnd::Change::Text);
}

double Form::number(BoxRef box) const { return textToNumber(text(box)); }
void Form::setNumber(BoxRef box, double value) { setText(box, numberToText(value)); }

void Form::choose(int option)
{
    // The chosen one of its frame (or of the options on the window itself).
    const int frame = controls_[option].frame;
    for (int i = 0; i < int(controls_.size()); ++i) {
        ControlState& other = controls_[i];
        if (i == option || other.frame != frame || other.design->kind != Kind::OptionButton || !other.checked)
            continue;
        other.checked = false;
        changed(i, FrontEnd::Change::Checked);
    }
    if (!controls_[option].checked) {
        controls_[option].checked = true;
        changed(option, FrontEnd::Change::Checked);
    }
}

void Form::select(OptionRef option) { clicked(option.index); }

void Form::setLeft(ControlRef control, float left)
{
    controls_[control.index].left = double(left) * surface_.referencePixelsPerUnit();
    changed(control.index, FrontEnd::Change::Place);
}

void Form::setTop(ControlRef control, float top)
{
    controls_[control.index].top = double(top) * surface_.referencePixelsPerUnit();
    changed(control.index, FrontEnd::Change::Place);
}

void Form::setShown(ControlRef control, bool visible)
{
    controls_[control.index].visible = visible;
    changed(control.index, FrontEnd::Change::Shown);
}

void Form::reveal(ControlRef control, float left, float top)
{
    setLeft(control, left);
    setTop(control, top);
    setShown(control, true);
}

void Form::setBackColour(ControlRef control, Colour back)
{
    controls_[control.index].back = back;
    changed(control.index, FrontEnd::Change::Colour);
}

int Form::askYesNo(const std::string& question)
{
    if (rehearsing_) {
        if (answered_ < answers_.size())
            return answers_[answered_++];
        unanswered_ = true;
        return vbNo;
    }
    if (frontEnd_)
        frontEnd_->showPicture();
    int answer = vbNo;
    if (asker)
        answer = asker(title_, question);
    else if (frontEnd_)
        answer = frontEnd_->ask(title_, question);
    answer = answer == vbYes ? vbYes : vbNo;
    if (running_) {
        answers_.push_back(answer);
        if (rehearsalBase_)
            rehearse();
    }
    return answer;
}

void Form::onClick(ButtonRef button, std::function<void()> handler) { handlers_[button.index] = std::move(handler); }
void Form::onChange(BarRef bar, std::function<void()> handler) { handlers_[bar.index] = std::move(handler); }

void Form::onOptions(std::span<const OptionValue> options)
{
    for (const OptionValue& o : options)
        onClick(named<OptionRef>(o.option), [this, box = named<BoxRef>(o.box), value = o.value] {
            setNumber(box, value);
        });
}

void Form::onStart(std::string_view button, std::function<void()> simulation)
{
    const ButtonRef start = named<ButtonRef>(button);
    startButton_ = start.index;
    startRun_ = std::move(simulation);
    onClick(start, [this] { run(startRun_, true); });
}

void Form::onEnd(std::string_view button)
{
    onClick(named<ButtonRef>(button), [this] { closeWindow(); });
}

void Form::onSpeed(const SpeedBar& speed)
{
    const BarRef bar = named<BarRef>(speed.bar);
    const BoxRef box = named<BoxRef>(speed.box);
    const int frame = speed.frame ? named<ControlRef>(speed.frame).index : -1;
    speeds_.push_back({.bar = bar.index, .box = box.index, .frame = frame, .factor = speed.factor,
                       .offset = speed.offset, .startValue = 0, .setup = {}, .fixedSeconds = 0, .secondsPerUnit = 0});
    onChange(bar, [this, bar, box, factor = speed.factor, offset = speed.offset] {
        setNumber(box, scrollValue(bar) * factor + offset);
    });
    if (frame >= 0 && controls_[frame].design->kind != Kind::Frame)
        missing(speed.frame, "frame");
    for (const SpeedChoice& choice : speed.choices) {
        const OptionRef option = named<OptionRef>(choice.option);
        if (controls_[option.index].frame != frame)
            throw std::logic_error(formName_ + ": the speed option " + choice.option + " is not in " +
                                   (speed.frame ? speed.frame : "the window"));
        onClick(option, [this, box, slowdown = choice.slowdown] { setNumber(box, slowdown); });
    }
}

bool Form::isSpeedBar(int control) const
{
    return std::any_of(speeds_.begin(), speeds_.end(), [control](const Speed& s) { return s.bar == control; });
}

void Form::recordRun()
{
    if (running_ || startButton_ < 0)
        return;
    recordNext_ = true;
    clicked(startButton_);
    recordNext_ = false;  // a Start that did not run (held before an Esc) records nothing later
}

bool Form::isSpeedFrame(int control) const
{
    return control >= 0 &&
           std::any_of(speeds_.begin(), speeds_.end(), [control](const Speed& s) { return s.frame == control; });
}

void Form::load()
{
    if (auto loading = std::exchange(load_, nullptr))
        loading();
    for (Speed& s : speeds_)
        s.startValue = controls_[s.bar].value;
    loaded_ = controls_;
}

unsigned long long Form::runSeed() const { return seedOfLastRun_ ? *seedOfLastRun_ : rndState(); }

void Form::setSeed(unsigned long long seed)
{
    setRndState(seed);
    seedOfLastRun_.reset();
}

// What else decides the length of a run: the chosen options, the check boxes and the
// parameter boxes, but the speed box itself.
std::string Form::speedSetup(int box) const
{
    std::string setup;
    for (int i = 0; i < int(controls_.size()); ++i) {
        const ControlState& c = controls_[i];
        const Kind kind = c.design->kind;
        if (kind == Kind::OptionButton || kind == Kind::CheckBox)
            setup += c.checked ? '1' : '0';
        else if (kind == Kind::ParameterBox && i != box)
            setup += c.text + '\n';
    }
    return setup;
}

// A run's length is a line in its speed box's value (the waits it slows are): rehearsed
// at the start-up value and one above it, for every set-up anew.
double Form::speedFactor(int control)
{
    const auto found = std::find_if(speeds_.begin(), speeds_.end(), [control](const Speed& s) { return s.bar == control; });
    if (found == speeds_.end())
        return 1;
    Speed& speed = *found;
    if (controls_[control].value == speed.startValue)
        return 1;
    const auto boxValue = [&speed](double barValue) { return barValue * speed.factor + speed.offset; };
    if (std::string setup = speedSetup(speed.box); setup != speed.setup && !rehearsing_) {
        const auto length = [&](double value) {
            RunBegan base{controls_, surface_.drawingState(), rndState()};
            base.controls[speed.box].text = numberToText(value);
            const std::vector<Pacing::Spent> steps = rehearsal(base, {});
            return steps.empty() ? 0.0 : steps.back().seconds;  // none: a window without rehearsals
        };
        const double at = boxValue(speed.startValue);
        const double atStart = length(at), above = length(at + 1);
        speed.secondsPerUnit = above - atStart;
        speed.fixedSeconds = atStart - speed.secondsPerUnit * at;
        speed.setup = std::move(setup);
    }
    const auto seconds = [&speed](double value) { return speed.fixedSeconds + speed.secondsPerUnit * value; };
    const double atStart = seconds(boxValue(speed.startValue)), now = seconds(boxValue(controls_[control].value));
    if (speed.secondsPerUnit > 0 && atStart > 0)
        return now / atStart;
    // A bar this set-up's run does not read: its own slowdown against the start-up one.
    const double startBox = boxValue(speed.startValue);
    return startBox > 0 ? boxValue(controls_[control].value) / startBox : 1;
}

void Form::closeWindow()
{
    closed_ = true;
    if (frontEnd_)
        frontEnd_->closeWindow();
}

void Form::clicked(int control, bool checked)
{
    ControlState& c = controls_.at(std::size_t(control));
    if (c.design->kind == Kind::OptionButton) {
        choose(control);
    } else if (c.design->kind == Kind::CheckBox && c.checked != checked) {
        c.checked = checked;
        changed(control, FrontEnd::Change::Checked);
    }
    if (const auto& handler = handlers_[control])
        handler();
    if (frontEnd_ && !running_)
        frontEnd_->handled();
}

void Form::scrolled(int control, int value)
{
    controls_.at(std::size_t(control)).value = value;
    if (const auto& handler = handlers_[control])
        handler();
    if (frontEnd_ && !running_)
        frontEnd_->handled();
}

void Form::run(const std::function<void()>& simulation, bool start)
{
    if (running_) {
        queuedRuns_.emplace_back(simulation, start);
        return;
    }
    if (input_.cancelsRuns())  // a Start clicked before an Esc
        return;
    running_ = true;
    input_.runBegins();
    if (prompt_ >= 0 && controls_[prompt_].visible)
        setShown(ControlRef{prompt_}, false);
    pacing_.resetGaps();
    pacing_.begin(ownSteps_);
    if (frontEnd_)
        frontEnd_->runBegins();
    recordingSeconds_ = 0;
    if (start && std::exchange(recordNext_, false)) {
        // From the picture as the run begins: the area the window is designed for, in
        // device pixels (the same on every front end, whatever the window's own size).
        const double pixels = surface_.scale() * surface_.devicePixelRatio();
        surface_.takeRecordedDirty();
        recording_ = std::make_unique<Recording>(
            surface_.image(), Size{int(std::lround(design_.width * pixels)), int(std::lround(design_.height * pixels))});
    }
    // The recording is of this run alone, not of the runs queued behind it.
    const auto endRecording = [this] {
        if (recording_) {
            recording_->finish(surface_.image(), surface_.takeRecordedDirty(), pacing_.runSeconds());
            recorded_ = std::move(recording_);
        }
    };
    const bool recorded = recording_ != nullptr;
    try {
        perform(simulation, start);
        endRecording();
        while (!queuedRuns_.empty()) {
            const auto [next, nextIsStart] = queuedRuns_.front();
            queuedRuns_.erase(queuedRuns_.begin());
            pacing_.countAnew();
            perform(next, nextIsStart);
        }
        pacing_.finish();
    } catch (const Pacing::Stopped&) {
        // Stopped by the user: what is drawn stays, nothing more of the run happens.
        queuedRuns_.clear();
    }
    endRecording();  // a run stopped: what it drew
    rehearsalBase_.reset();
    pacing_.end();
    running_ = false;
    input_.runEnds();
    if (frontEnd_)
        frontEnd_->runEnded();
    if (recorded && frontEnd_)
        frontEnd_->recorded();
    if (input_.closeAfterRun()) {
        input_.discard();
        closeWindow();
        return;
    }
    closed_ = false;
    input_.serve([this] { return !closed_; });
}

void Form::perform(const std::function<void()>& simulation, bool start)
{
    prepareRehearsal(start);
    simulation();
}

// What a rehearsal starts from: the window as the run begins, its controls, its surface's
// drawing state and the generator's state (not the pixels: no run reads them).
void Form::prepareRehearsal(bool start)
{
    rehearsalBase_.reset();
    rehearsed_.clear();
    rehearsalSeconds_ = 0;
    if (rehearsing_)  // a copy rehearsing keeps the answers the run gave it
        return;
    answers_.clear();
    if (!start)
        return;
    seedOfLastRun_ = rndState();
    rehearsalBase_ = RunBegan{controls_, surface_.drawingState(), rndState()};
    rehearse();
}

// The run's rehearsal, given its answers so far. A copy that asked more than the run
// has answered is done again once the run has its answer. A window that cannot make a
// copy has no progress.
void Form::rehearse()
{
    const auto began = std::chrono::steady_clock::now();
    bool complete = true;
    rehearsed_ = rehearsal(*rehearsalBase_, answers_, &complete);
    if (rehearsed_.empty() || complete)
        rehearsalBase_.reset();
    rehearsalSeconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
}

// The copy sets no pixel and draws the same random numbers as a run from `base` would;
// the generator is left where it was.
std::vector<Pacing::Spent> Form::rehearsal(const RunBegan& base, const std::vector<int>& answers, bool* complete) const
{
    const std::unique_ptr<Form> copy = blank();
    if (!copy)
        return {};
    copy->controls_ = base.controls;
    copy->surface_.setDrawingState(base.drawing);
    copy->surface_.setRasterising(false);
    copy->pacing_.setFree(true);
    copy->rehearsing_ = true;
    copy->answers_ = answers;
    std::vector<Pacing::Spent> steps;
    copy->pacing_.stepLog = &steps;
    const unsigned long long rndNow = rndState();
    setRndState(base.rnd);
    copy->run(copy->startRun_, true);
    setRndState(rndNow);
    steps.push_back(copy->pacing_.spent());
    if (complete)
        *complete = copy->answered_ >= copy->answers_.size() && !copy->unanswered_;
    return steps;
}

std::optional<RunProgress> Form::progress() const
{
    if (!running_ || rehearsed_.empty())
        return std::nullopt;
    using Spent = Pacing::Spent;
    const Spent now = pacing_.spent(), total = rehearsed_.back();
    const long long steps = pacing_.steps();
    if (steps >= (long long)rehearsed_.size())  // beyond the rehearsal: at its end
        return RunProgress{now.seconds, 0};
    const auto rehearsedEnd = [this](long long step) { return step > 0 ? rehearsed_[std::size_t(step - 1)] : Spent{}; };
    // The last step against the same step rehearsed: how much longer than rehearsed its
    // drawing and its waits go now (the speed may have changed since the run began).
    const Spent reached = steps > 0 ? pacing_.lastStepEnded() : Spent{}, before = pacing_.stepEndedBefore();
    const Spent rehearsedReached = rehearsedEnd(steps), rehearsedBefore = rehearsedEnd(steps - 1);
    const auto ratio = [](double now, double rehearsed) { return rehearsed > 0 ? now / rehearsed : 1.0; };
    double slowerDrawing = 1, slowerWaits = 1;
    if (steps > 0) {
        slowerDrawing = ratio(reached.drawingSeconds() - before.drawingSeconds(),
                              rehearsedReached.drawingSeconds() - rehearsedBefore.drawingSeconds());
        slowerWaits = ratio(reached.waitSeconds - before.waitSeconds,
                            rehearsedReached.waitSeconds - rehearsedBefore.waitSeconds);
    }
    const double end = reached.seconds +
                       slowerDrawing * (total.drawingSeconds() - rehearsedReached.drawingSeconds()) +
                       slowerWaits * (total.waitSeconds - rehearsedReached.waitSeconds);
    return RunProgress{now.seconds, std::max(0.0, end - now.seconds)};
}

namespace {
std::string trimmed(const std::string& text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    std::size_t from = 0, to = text.size();
    while (from < to && space(text[from]))
        ++from;
    while (to > from && space(text[to - 1]))
        --to;
    return text.substr(from, to - from);
}
}  // namespace

std::string Form::settingsDrawn() const
{
    struct Setting {
        long top, left;  // on the window, in pixels of the reference screen
        std::string text;
    };
    const auto pixels = [](int twips) { return std::lround(twips / double(DrawingSurface::kTwipsPerPixel)); };
    std::vector<Setting> settings;
    for (const ControlState& c : controls_) {
        const Kind kind = c.design->kind;
        const ControlState* frame = c.frame >= 0 ? &controls_[c.frame] : nullptr;
        if ((kind != Kind::OptionButton && kind != Kind::CheckBox) || !c.visible || (frame && !frame->visible))
            continue;
        if (kind == Kind::OptionButton && !c.checked)
            continue;
        Setting s{c.top ? std::lround(*c.top) : pixels(c.design->at.top),
                  c.left ? std::lround(*c.left) : pixels(c.design->at.left), trimmed(c.text)};
        if (frame) {
            s.top += frame->top ? std::lround(*frame->top) : pixels(frame->design->at.top);
            s.left += frame->left ? std::lround(*frame->left) : pixels(frame->design->at.left);
        }
        if (kind == Kind::CheckBox)
            s.text += c.checked ? ": ano" : ": ne";
        else if (frame)
            s.text = frame->text + ": " + s.text;
        // In reading order as they come: top to bottom, then left to right, the layout's order on a tie.
        const auto before = [](const Setting& a, const Setting& b) {
            return std::pair(a.top, a.left) < std::pair(b.top, b.left);
        };
        settings.insert(std::upper_bound(settings.begin(), settings.end(), s, before), std::move(s));
    }
    std::string text;
    for (const Setting& s : settings)
        text += (text.empty() ? "" : "; ") + s.text;
    return text;
}

std::string Form::describeDrawn(const std::string& whatItShows) const
{
    return whatItShows + " Nakresleno s nastavením: " + settingsDrawn() + ".";
}

std::string shell::progressText(const std::optional<RunProgress>& progress)
{
    if (!progress)
        return "\u2026";
    const long percent = std::lround(std::floor(100 * progress->fraction()));
    const long seconds = std::lround(std::ceil(progress->left));
    std::string left = std::to_string(seconds) + " s";
    if (seconds >= 60) {
        const long s = seconds % 60;
        left = std::to_string(seconds / 60) + " min " + (s < 10 ? "0" : "") + std::to_string(s) + " s";
    }
    return std::to_string(percent) + "\u00A0% \u00B7 zbývá " + left;
}

std::string shell::speedBarName(const Control& bar) { return *bar.text ? bar.text : kSpeedBar; }

std::string shell::speedText(double slowerThanAtStart)
{
    const double times = slowerThanAtStart >= 1 ? slowerThanAtStart : 1 / slowerThanAtStart;
    if (!std::isfinite(times) || times < 1.05)
        return "výchozí rychlost";
    // One decimal place below ten times, with the Czech decimal comma.
    std::string number = times < 9.95 ? std::to_string(std::lround(times * 10)) : std::to_string(std::lround(times));
    if (times < 9.95)
        number.insert(number.size() - 1, ",");
    return number + "\u00D7 " + (slowerThanAtStart > 1 ? "pomaleji" : "rychleji") + " než výchozí";
}

std::string shell::speedTip(const Control& bar, double slowerThanAtStart)
{
    return speedBarName(bar) + kSpeedBarTip + ": " + speedText(slowerThanAtStart);
}

void shell::press(RunInput& input, Symbol symbol)
{
    switch (symbol) {
    case Symbol::Pause:
    case Symbol::Resume:
        input.togglePause();
        break;
    case Symbol::Step:
        input.step();
        break;
    case Symbol::Stop:
        input.stopTheRun();
        break;
    }
}

namespace {
std::string htmlEscaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}
}  // namespace

std::string shell::aboutHtml(const std::string& name, const std::string& whatItShows)
{
    std::string keys;
    for (const char* line : kKeys)
        keys += (keys.empty() ? "" : ";<br>") + htmlEscaped(line);
    return "<p><b>" + htmlEscaped(name) + "</b></p><p>" + htmlEscaped(whatItShows) +
           "</p><p>Součást sady ukázek Světlo a šipky, verze " + kSuiteVersion +
           ".<br>Licence: všechna práva vyhrazena.<br>Doprovodný text: <a href=\"" + kWebAddress + "\">" + kWebAddress +
           "</a></p><p>Klávesy:<br>" + keys + ".</p>";
}

std::string shell::aboutTitle(const std::string& programTitle) { return std::string(kAboutCommand) + " " + programTitle; }

double scaleToFill(Size available, Size screen, Size design)
{
    const double fill = std::min(available.width / double(design.width), available.height / double(design.height));
    if (!(fill > 0) || !std::isfinite(fill))
        return 1;
    const bool smallerThanReference = screen.width < Form::kDesign.width || screen.height < Form::kDesign.height;
    return smallerThanReference ? fill : std::max(1.0, fill);
}
