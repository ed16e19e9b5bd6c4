#pragma once
#include <string>
#include <string_view>
#include <vector>

class Form;

// A window's set-up as one short, readable text, and as the web link that carries it:
//
//     https://…/fringeworks.html?opfot500&HScroll1=3&seed=1234567&start
//
// It names what differs from the window as it opens: the option chosen in a frame (by
// its name), a check box (name=1 or name=0), a speed bar's value (name=value), for a
// program that draws random numbers the generator's state as its next run begins
// (seed=…), and `start`, the run started at once. Names are written percent-encoded
// where they are not plain ASCII, and read either way. A set-up is applied by the
// window's own handlers, as clicks and scroll moves would be, in the layout's order.
namespace setup {

// The longest text read; a longer one is refused whole.
inline constexpr std::size_t kLongest = 2000;
// What the link's address is made of: the site, then the program's page.
inline constexpr const char* kPageSuffix = ".html";
inline constexpr const char* kStart = "start";
inline constexpr const char* kSeed = "seed";

// The program's name in links and file names ("fringeworks"), from its window.
std::string programName(const Form& form);

// The set-up part, without the question mark.
std::string write(const Form& form, bool start = false);
// The web link of the window's set-up: the site's address, the program's page, the set-up.
std::string link(const Form& form, std::string_view program, bool start = false);

// A file's name for what the window shows in this set-up: the program and the set-up's
// items, e.g. "fringeworks_opFot10_HScroll1-2_seed-42.png".
std::string fileName(const Form& form, std::string_view program, std::string_view extension);

// What applying a text did: what could not be read (Czech, each naming the item), and
// whether the run should start at once.
struct Applied {
    std::vector<std::string> problems;
    bool start = false;
};

// The program a link or a set-up names ("fringeworks" of "…/fringeworks.html?…" or of
// "fringeworks?…"); empty when the text is a set-up part alone.
std::string programOf(std::string_view text);

// Applies a link or its set-up part to the window of `program`: what can be read is set
// as a user would set it, the rest stays as it is and is named in the problems. A link of
// another program, or a text longer than kLongest, applies nothing.
Applied apply(Form& form, std::string_view program, std::string_view text);

// The message the window shows when a link could not be read whole; empty when it could.
std::string message(const Applied& applied);

// The percent-encoding of a name in a link, and its decoding (false: damaged).
std::string encoded(std::string_view text);
bool decode(std::string_view text, std::string& out);

}  // namespace setup
