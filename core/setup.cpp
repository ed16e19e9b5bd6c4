#include "setup.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "form.h"
#include "suite.h"

namespace setup {
namespace {
bool isPlain(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '~';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Whether a text is well-formed UTF-8 without control characters.
bool isCleanText(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size() || (length == 1 && (c < 0x20 || c == 0x7F)))
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2)
                return false;
        i += length;
    }
    return true;
}

template <class Number>
std::optional<Number> wholeNumber(std::string_view text)
{
    Number n{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return n;
}

// The chosen option of a frame (-1: the options on the window itself), or -1.
int chosenIn(const std::vector<ControlState>& controls, int frame)
{
    for (int i = 0; i < int(controls.size()); ++i)
        if (controls[i].design->kind == Kind::OptionButton && controls[i].frame == frame && controls[i].checked)
            return i;
    return -1;
}

// One item of a set-up: a name, and its value after '=' if it has one.
struct Item {
    std::string name;
    std::optional<std::string> value;
    std::string_view written;  // as it stood in the text
};

std::string quoted(std::string_view text)
{
    std::string shown(text.substr(0, 40));
    if (!isCleanText(shown))
        shown = "?";
    return "\u201E" + shown + (text.size() > 40 ? "\u2026" : "") + "\u201C";
}
}  // namespace

std::string encoded(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (isPlain(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

bool decode(std::string_view text, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        const int high = hexDigit(text[i + 1]), low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0)
            return false;
        out += char(high * 16 + low);
        i += 2;
    }
    return isCleanText(out);
}

std::string write(const Form& form, bool start)
{
    const std::vector<ControlState>& now = form.controls();
    const std::vector<ControlState>& loaded = form.loadedControls();
    std::vector<std::string> items;
    const auto name = [&now](int i) { return encoded(now[i].design->name); };
    for (int i = 0; i < int(now.size()); ++i) {
        const ControlState& c = now[i];
        switch (c.design->kind) {
        case Kind::OptionButton:
            // The chosen one of a frame that is no speed frame, where it differs.
            if (c.checked && !form.isSpeedFrame(c.frame) && chosenIn(loaded, c.frame) != i)
                items.push_back(name(i));
            break;
        case Kind::CheckBox:
            if (c.checked != loaded[i].checked)
                items.push_back(name(i) + (c.checked ? "=1" : "=0"));
            break;
        case Kind::HScrollBar:
            if (c.value != loaded[i].value)
                items.push_back(name(i) + "=" + std::to_string(c.value));
            break;
        default:
            break;
        }
    }
    if (form.drawsRandomNumbers())
        items.push_back(std::string(kSeed) + "=" + std::to_string(form.runSeed()));
    if (start)
        items.push_back(kStart);
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : "&") + item;
    return text;
}

std::string programName(const Form& form)
{
    const Demonstration* demonstration = demonstrationTitled(form.programTitle());
    return demonstration ? demonstration->program : form.formName();
}

std::string link(const Form& form, std::string_view program, bool start)
{
    return std::string(kWebAddress) + "/" + std::string(program) + kPageSuffix + "?" + write(form, start);
}

std::string fileName(const Form& form, std::string_view program, std::string_view extension)
{
    std::string name(program), item;
    std::string written = write(form);
    written += '&';
    for (std::size_t from = 0, to; (to = written.find('&', from)) != std::string::npos; from = to + 1) {
        if (to == from || !decode(std::string_view(written).substr(from, to - from), item))
            continue;
        std::replace(item.begin(), item.end(), '=', '-');
        if (name.size() + item.size() > 120)
            break;
        name += "_" + item;
    }
    return name + "." + std::string(extension);
}

namespace {
// A link's page and its set-up: "…/fringeworks.html?opFot10" is both; a text with no
// question mark is a page when it looks like one ("…/fringeworks.html"), else a set-up.
std::pair<std::string_view, std::string_view> pageAndSetUp(std::string_view text)
{
    if (const std::size_t query = text.find('?'); query != std::string_view::npos)
        return {text.substr(0, query), text.substr(query + 1)};
    const bool page = text.find('/') != std::string_view::npos ||
                      (text.size() > 5 && text.substr(text.size() - 5) == kPageSuffix);
    return page ? std::pair(text, std::string_view{}) : std::pair(std::string_view{}, text);
}
}  // namespace

std::string programOf(std::string_view text)
{
    std::string_view page = pageAndSetUp(text).first;
    if (page.empty())
        return {};
    if (const std::size_t slash = page.find_last_of('/'); slash != std::string_view::npos)
        page = page.substr(slash + 1);
    if (page.size() > 5 && page.substr(page.size() - 5) == kPageSuffix)
        page = page.substr(0, page.size() - 5);
    return std::string(page);
}

Applied apply(Form& form, std::string_view program, std::string_view text)
{
    Applied applied;
    if (text.size() > kLongest) {
        applied.problems.push_back("odkaz je příliš dlouhý (" + std::to_string(text.size()) + " znaků)");
        return applied;
    }
    if (const std::string named = programOf(text); !named.empty() && named != program) {
        applied.problems.push_back("odkaz patří jinému programu, " + quoted(named));
        return applied;
    }
    text = pageAndSetUp(text).second;
    if (const std::size_t fragment = text.find('#'); fragment != std::string_view::npos)
        text = text.substr(0, fragment);

    // The items, read; what cannot be read is a problem and is left out.
    std::vector<Item> items;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('&'), text.size());
        const std::string_view written = text.substr(0, end);
        text = end < text.size() ? text.substr(end + 1) : std::string_view{};
        if (written.empty())
            continue;
        const std::size_t equals = written.find('=');
        Item item{{}, std::nullopt, written};
        std::string value;
        if (!decode(written.substr(0, equals), item.name) ||
            (equals != std::string_view::npos && !decode(written.substr(equals + 1), value))) {
            applied.problems.push_back("poškozená položka " + quoted(written));
            continue;
        }
        if (equals != std::string_view::npos)
            item.value = value;
        items.push_back(std::move(item));
    }

    // What each item sets; an item that names nothing the window has, or a value out of
    // range, is a problem.
    const std::vector<ControlState>& controls = form.controls();
    std::vector<std::optional<int>> wanted(controls.size());  // per control: 1 chosen/checked, 0 not, or a bar's value
    std::optional<unsigned long long> seed;
    for (const Item& item : items) {
        if (item.name == kStart && !item.value) {
            applied.start = true;
            continue;
        }
        if (item.name == kSeed && form.drawsRandomNumbers()) {
            seed = item.value ? wholeNumber<unsigned long long>(*item.value) : std::nullopt;
            if (!seed)
                applied.problems.push_back("neplatné semínko náhodných čísel " + quoted(item.written));
            continue;
        }
        const int i = form.indexOf(item.name);
        const Kind kind = i >= 0 ? controls[i].design->kind : Kind::Label;
        if (kind == Kind::OptionButton && !item.value) {
            wanted[i] = 1;
        } else if (kind == Kind::CheckBox && (item.value == "0" || item.value == "1")) {
            wanted[i] = *item.value == "1";
        } else if (kind == Kind::HScrollBar && item.value) {
            const auto value = wholeNumber<int>(*item.value);
            if (value && *value >= controls[i].design->min && *value <= controls[i].design->max)
                wanted[i] = *value;
            else
                applied.problems.push_back("rychlost mimo rozsah " + quoted(item.written));
        } else if (kind == Kind::OptionButton || kind == Kind::CheckBox || kind == Kind::HScrollBar) {
            applied.problems.push_back("neplatná hodnota " + quoted(item.written));
        } else {
            applied.problems.push_back("neznámé nastavení " + quoted(item.written));
        }
    }

    // Applied as the user would: the options clicked, the check boxes clicked where they
    // differ, the bars moved, in the layout's order.
    for (int i = 0; i < int(controls.size()); ++i) {
        if (!wanted[i])
            continue;
        const ControlState& c = controls[i];
        if (c.design->kind == Kind::OptionButton)
            form.clicked(i);
        else if (c.design->kind == Kind::CheckBox && c.checked != (*wanted[i] == 1))
            form.clicked(i, *wanted[i] == 1);
        else if (c.design->kind == Kind::HScrollBar && c.value != *wanted[i])
            form.scrolled(i, *wanted[i]);
    }
    if (seed)
        form.setSeed(*seed);
    return applied;
}

std::string message(const Applied& applied)
{
    if (applied.problems.empty())
        return {};
    std::string text = "Odkaz se nepodařilo přečíst celý: ";
    const std::size_t shown = std::min<std::size_t>(applied.problems.size(), 3);
    for (std::size_t i = 0; i < shown; ++i)
        text += (i ? "; " : "") + applied.problems[i];
    if (applied.problems.size() > shown)
        text += "; a další (" + std::to_string(applied.problems.size() - shown) + ")";
    return text + ". Co nešlo přečíst, zůstalo výchozí.";
}

}  // namespace setup
