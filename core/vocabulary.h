#pragma once
#include <cmath>
#include <cstddef>
#include <string_view>

#include "drawing_surface.h"
#include "numbers.h"

// What the programs say alike: the arrows of the routes and their chains, the eraser,
// and the option chosen, read back from the parameter box its handler wrote.

struct Point {
    double x = 0, y = 0;
};

// An arrow: its length and the angle it turns to (radians; y grows downwards on the
// surface, so a positive angle turns clockwise there).
struct Arrow {
    double length = 0, angle = 0;
    double dx() const { return length * std::cos(angle); }
    double dy() const { return length * std::sin(angle); }
};

// Arrows added head to tail from a start: the end of the last one, their sum and its
// squared length (the probability of arrival, up to the program's scale).
class Chain {
public:
    explicit Chain(Point start = {}) : start_(start), end_(start) {}

    // The next arrow from the end of the last; the new end.
    Point add(Arrow a)
    {
        end_ = {end_.x + a.dx(), end_.y + a.dy()};
        return end_;
    }
    // The same, drawn from the old end to the new one.
    Point draw(DrawingSurface& s, Arrow a, Colour colour)
    {
        const Point from = end_;
        add(a);
        s.Line(from.x, from.y, end_.x, end_.y, colour);
        return end_;
    }
    Point start() const { return start_; }
    Point end() const { return end_; }
    Point sum() const { return {end_.x - start_.x, end_.y - start_.y}; }
    double squared() const
    {
        const Point s = sum();
        return s.x * s.x + s.y * s.y;
    }

private:
    Point start_, end_;
};

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
