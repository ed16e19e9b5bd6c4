// The cost of the surface's drawing operations, per operation, with the shapes
// the programs draw most: half-twip arrows, thin lines, erasing spans, wide
// lines and small circles.
#include <chrono>
#include <cstdio>
#include <functional>

#include "drawing_surface.h"

namespace {
double nanosecondsPer(int count, const std::function<void(int)>& op)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i)
        op(i);
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / count;
}
}  // namespace

int main()
{
    DrawingSurface s(Size{1000, 700});
    struct Case {
        const char* what;
        int count;
        std::function<void(int)> op;
    };
    const Case cases[] = {
        {"half-twip arrow (twips, width 1)", 2000000,
         [&](int i) {
             s.ScaleMode = DrawingSurface::Twips;
             s.DrawWidth = 1;
             const float x = 3000 + (i % 3000) * 0.5f, y = 6200 + (i % 700);
             s.Line(x, y, x + 0.5f, y + 0.3f);
         }},
        {"thin line 40 px (pixels, width 1)", 1000000,
         [&](int i) {
             s.ScaleMode = DrawingSurface::Pixels;
             s.DrawWidth = 1;
             s.Line(100, 100 + i % 400, 130, 125 + i % 400, colours::black);
         }},
        {"eraser row 800 px (width 1)", 200000,
         [&](int i) {
             s.ScaleMode = DrawingSurface::Pixels;
             s.DrawWidth = 1;
             s.Line(1, 580 - i % 470, 800, 580 - i % 470, colours::grey);
         }},
        {"radius 80 px, width 2", 200000,
         [&](int i) {
             s.ScaleMode = DrawingSurface::Pixels;
             s.DrawWidth = 2;
             s.Line(300, 200.5f, 300 + 80 * (i % 7) / 7.0f, 120.5f, colours::white);
         }},
        {"circle radius 1 (width 1)", 1000000,
         [&](int i) {
             s.ScaleMode = DrawingSurface::Pixels;
             s.DrawWidth = 1;
             s.Circle(480 + (i % 200), 149, 1, colours::black);
         }},
        {"circle radius 2 (width 2)", 1000000,
         [&](int i) {
             s.ScaleMode = DrawingSurface::Pixels;
             s.DrawWidth = 2;
             s.Circle(125 + (i % 80), 200.5f, 2);
         }},
        {"circle radius 20 twips, filled", 1000000,
         [&](int i) {
             s.ScaleMode = DrawingSurface::Twips;
             s.DrawWidth = 1;
             s.FillStyle = DrawingSurface::FillSolid;
             s.Circle(2500 + (i % 400), 4500 + (i % 3000), 20);
             s.FillStyle = DrawingSurface::FillTransparent;
         }},
        {"circle radius 80 px outline (width 1)", 200000,
         [&](int) {
             s.ScaleMode = DrawingSurface::Pixels;
             s.DrawWidth = 1;
             s.Circle(300, 200.5f, 80);
         }},
    };
    std::printf("%-40s %12s\n", "operation", "ns per call");
    for (const Case& c : cases) {
        c.op(0);  // warm up
        std::printf("%-40s %12.1f\n", c.what, nanosecondsPer(c.count, c.op));
    }
    return 0;
}
