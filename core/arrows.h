#pragma once
#include <cmath>

#include "colour.h"

// The arrows of the routes and their chains: the arithmetic of the rotating-arrow
// picture, with no surface to draw on.

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
    // The same, drawn on a surface from the old end to the new one.
    template <class Surface>
    Point draw(Surface& s, Arrow a, Colour colour)
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
