#pragma once
#include <cmath>
#include <cstddef>
#include <string_view>

#include "arrows.h"
#include "drawing_surface.h"
#include "numbers.h"

// What the programs say alike: the arrows of the routes and their chains (arrows.h), the
// eraser, and the option chosen, read back from the parameter box its handler wrote.

// The eraser: rows from `first` to `last` (either way, `step` apart) painted in the
// window's grey from `left` to `right`, one line a row, in that order.
void erase(DrawingSurface& s, double left, double right, double first, double last, double step = 1);

// Whether a parameter box's text names this key: a number as its handler writes it, or a text.
inline bool names(std::string_view text, double key) { return text == numberToText(key); }
inline bool names(std::string_view text, const char* key) { return text == key; }

// The option chosen: the index of the key a box's text names, or -1.
template <class Key, std::size_t N>
int chosen(const Key (&keys)[N], std::string_view text)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names(text, keys[i]))
            return int(i);
    return -1;
}
// The row of a table whose key a box's text names, or nullptr.
template <class Row, std::size_t N, class Key>
const Row* chosen(const Row (&table)[N], Key Row::*key, std::string_view text)
{
    for (const Row& row : table)
        if (names(text, row.*key))
            return &row;
    return nullptr;
}
