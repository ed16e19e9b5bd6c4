#pragma once
#include <string_view>

// The suite: its version, and the eight demonstrations as the desktop and the launcher
// name them, with the line that says what each picture shows.
inline constexpr const char* kSuiteVersion = SUITE_VERSION;

struct Demonstration {
    const char* program;  // the executable's name
    const char* windowTitle;  // the program's title in its window's caption
    const char* title;  // its name in the launcher and the menus
    const char* description;
};

inline constexpr Demonstration kDemonstrations[8] = {
    {"vidivizur", "Vidivizur", "Vidivizur",
     "Bod na kružnici, otáčející se rádiusvektor a sinusovka, kterou opisují."},
    {"parabola", "Parabola", "Parabolické zrcadlo (anténa)",
     "Rovnoběžné světlo se sbírá v ohnisku: Cornuovy spirály a pravděpodobnost podél osy."},
    {"pathways", "pathways", "Pět možných tras v koridoru",
     "Náhodné lomené trasy fotonu v koridoru a součet jejich radiusvektorů."},
    {"lupa", "Fokus lupy", "Fokus lupy",
     "Ohnisko lupy pro různé barvy světla, s disperzí, clonou a zakrytou polovinou."},
    {"interference", "Interference", "Interference - dvě dírky v cloně",
     "Dvě trasy, dva radiusvektory a interferenční obrazec."},
    {"fringeworks", "fringeworks", "Interferenční obrazce „palby fotonů“",
     "Interference složená z jednotlivých výstřelů fotonů."},
    {"glassecho", "glassecho", "glassecho ve sklíčku", "Částečný odraz světla od skleněné destičky rostoucí tloušťky."},
    {"rozavezavu", "Rozavezavu", "Rozavezavu", "Záznam hologramu a rekonstrukce světelného pole objektu."},
};

// The demonstration whose window has this title, or nullptr.
inline const Demonstration* demonstrationTitled(std::string_view windowTitle)
{
    for (const Demonstration& d : kDemonstrations)
        if (windowTitle == d.windowTitle)
            return &d;
    return nullptr;
}
