#include "page_constants.h"

#include <initializer_list>
#include <utility>

#include "form.h"
#include "layout.h"
#include "pacing.h"
#include "run_input.h"

namespace {
template <class Enum>
std::string table(const char* name, std::initializer_list<std::pair<const char*, Enum>> entries)
{
    std::string js = "const " + std::string(name) + " = Object.freeze({";
    const char* separator = "";
    for (const auto& [entry, value] : entries) {
        js += separator + std::string(entry) + ": " + std::to_string(int(value));
        separator = ", ";
    }
    return js + "});\n";
}
}  // namespace

std::string pageConstants()
{
    std::string js = "// Made by the build from the program's core: do not edit.\n";
#define SUITE_KIND(name) {#name, Kind::name},
    js += table<Kind>("Kind", {SUITE_CONTROL_KINDS(SUITE_KIND)});
#undef SUITE_KIND
    using Key = RunInput::Key;
    js += table<Key>("RunKey", {{"Escape", Key::Escape}, {"P", Key::P}, {"Pause", Key::Pause}, {"Step", Key::Step}, {"Other", Key::Other}});
    js += table<BarKey>("BarKey", {{"Left", BarKey::Left}, {"Right", BarKey::Right}, {"Up", BarKey::Up},
                                   {"Down", BarKey::Down}, {"PageUp", BarKey::PageUp}, {"PageDown", BarKey::PageDown},
                                   {"Home", BarKey::Home}, {"End", BarKey::End}});
    using Verdict = RunInput::Verdict;
    js += table<Verdict>("Verdict", {{"Now", Verdict::Now}, {"Steered", Verdict::Steered}, {"Held", Verdict::Held}});
    using shell::Symbol;
    js += table<Symbol>("RunSymbol", {{"Pause", Symbol::Pause}, {"Resume", Symbol::Resume}, {"Step", Symbol::Step},
                                      {"Stop", Symbol::Stop}});
    using State = Pacing::State;
    js += table<State>("RunState", {{"Idle", State::Idle}, {"Running", State::Running}, {"Paused", State::Paused},
                                    {"Stepping", State::Stepping}, {"Stopping", State::Stopping}});
    return js;
}
