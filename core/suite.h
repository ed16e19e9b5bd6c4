#pragma once
#include <string_view>

// The suite: its version, and its demonstrations as the launcher names them, with the
// line that says what each picture shows.
inline constexpr const char* kSuiteVersion = SUITE_VERSION;

struct Demonstration {
    const char* program;  // the executable's name
    const char* windowTitle;  // the program's title in its window's caption
    const char* title;  // its name in the launcher
    const char* description;
};

// The programs of the suite, in the launcher's order (made by the build from programs.list).
#include "suite_programs.h"

// The demonstration whose window has this title, or nullptr.
inline const Demonstration* demonstrationTitled(std::string_view windowTitle)
{
    for (const Demonstration& d : kDemonstrations)
        if (windowTitle == d.windowTitle)
            return &d;
    return nullptr;
}
