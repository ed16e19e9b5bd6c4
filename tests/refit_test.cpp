// A window's picture at a new scale: drawn again from what its runs drew, it is the
// picture the same runs draw at that scale from the first.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "program_windows.h"
#include "rnd.h"

namespace {
struct Scale {
    double scale, devicePixelRatio;
};

Size clientAt(const Form& form, double scale)
{
    return {int(std::lround(form.design().width * scale)), int(std::lround(form.design().height * scale))};
}

// What `runs` (options chosen before each Start) draw in a window at `at`; `then` is
// applied to the window after the runs, before the picture is taken.
template <class Window>
Picture drawn(const std::vector<std::vector<const char*>>& runs, Scale at,
              const std::function<void(Form&)>& then = nullptr)
{
    resetRnd();
    Window window;
    window.load();
    window.pacing().setFree(true);
    window.surface().setScale(at.scale, at.devicePixelRatio);
    window.surface().setClientSize(clientAt(window, at.scale));
    for (const auto& options : runs) {
        for (const char* option : options)
            window.select(option);
        window.clicked(window.startButton());
    }
    if (then)
        then(window);
    // The client area: the part of the picture the window shows.
    const DrawingSurface& surface = window.surface();
    const Size shown{int(std::ceil(surface.clientSize().width * surface.devicePixelRatio())),
                     int(std::ceil(surface.clientSize().height * surface.devicePixelRatio()))};
    Picture client(shown, 0);
    for (int y = 0; y < shown.height; ++y)
        std::copy_n(surface.image().row(y), shown.width, client.row(y));
    return client;
}
}  // namespace

TEST(Refit, EveryProgramsPictureDrawnAgainAtANewScaleIsThePictureDrawnAtThatScale)
{
    const std::vector<Scale> scales = {{0.49, 1}, {0.75, 2}, {1.6, 1}, {1, 3}};
    forEachProgram([&]<class Window>(const Demonstration& d) {
        const std::string program = d.program;
        // Two runs where the second draws over the first's picture.
        const std::vector<std::vector<const char*>> runs =
            program == "rozavezavu" ? std::vector<std::vector<const char*>>{{"opPravdepod"}, {"opRekonstrukce"}}
                                    : std::vector<std::vector<const char*>>{{}, {}};
        const Picture atOne = drawn<Window>(runs, {1, 1});
        for (const Scale s : scales) {
            SCOPED_TRACE(program + " at " + std::to_string(s.scale) + " x " + std::to_string(s.devicePixelRatio));
            bool exact = false;
            const Picture again = drawn<Window>(runs, {1, 1}, [&](Form& f) {
                f.surface().rescale(s.scale, s.devicePixelRatio, clientAt(f, s.scale));
                exact = f.surface().redrawsExactly();
            });
            EXPECT_TRUE(exact);
            EXPECT_TRUE(again == drawn<Window>(runs, s)) << "drawn again, against drawn so";
        }
        // There and back again: the picture it began with.
        const Picture back = drawn<Window>(runs, {1, 1}, [](Form& f) {
            f.surface().rescale(0.6, 1, clientAt(f, 0.6));
            f.surface().rescale(1, 1, clientAt(f, 1));
        });
        EXPECT_TRUE(back == atOne) << program;
    });
}

TEST(Refit, APictureOfMoreOperationsThanAreKeptIsResampledAndWhatFollowsIsDrawnAgain)
{
    DrawingSurface s({200, 100});
    s.ScaleMode = DrawingSurface::Pixels;
    for (std::size_t i = 0; i < DrawingSurface::kMostRetained; ++i)
        s.Line(float(i % 200), 10, float(i % 200), 40, colours::red);
    EXPECT_TRUE(s.redrawsExactly());
    s.Line(0, 50, 199, 50, colours::green);  // one too many: the picture so far is kept instead
    EXPECT_FALSE(s.redrawsExactly());
    s.DrawWidth = 3;
    s.Line(20, 70, 120, 70, colours::blue);  // drawn again
    const Picture before = s.image();

    s.rescale(2, 1, {400, 200});
    ASSERT_EQ(s.image().size(), (Size{400, 200}));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x) {
            const std::uint32_t was = before.row(y / 2)[x / 2];
            const bool blue = y >= 137 && y <= 142 && x >= 37 && x <= 242;  // the wide line, drawn at twice its width
            if (!blue && was != toArgb(colours::blue)) {
                ASSERT_EQ(s.image().row(y)[x], was) << x << "," << y;
            }
        }
    EXPECT_EQ(s.image().row(140)[80], toArgb(colours::blue));
    EXPECT_EQ(s.image().row(135)[80], toArgb(colours::grey)) << "six rows wide, not the old line doubled";
    s.rescale(1, 1, {200, 100});
    EXPECT_TRUE(s.image() == before) << "at its old scale the picture it was";
}

TEST(Refit, AResampledPictureIsDrawnAgainBeforeAnythingIsDrawnOnIt)
{
    const auto draw = [](DrawingSurface& s) {
        s.DrawWidth = 2;
        s.Circle(1500, 1500, 900, colours::red);
        s.DrawWidth = 1;
        s.Line(0, 0, 3000, 2000, colours::blue);
    };
    DrawingSurface exact({200, 150}), quick({200, 150});
    draw(exact);
    draw(quick);
    exact.rescale(1.7, 1, {340, 255});
    quick.resample(1.7, 1, {340, 255});
    EXPECT_TRUE(quick.resampled());
    EXPECT_FALSE(quick.image() == exact.image()) << "the old pixels, magnified";
    exact.Line(3000, 0, 0, 2000, colours::green);
    quick.Line(3000, 0, 0, 2000, colours::green);
    EXPECT_FALSE(quick.resampled());
    EXPECT_TRUE(quick.image() == exact.image());
}

TEST(Refit, APictureDrawnAgainAPartAtATimeShowsTheResampledOneUntilItIsDone)
{
    DrawingSurface parts({200, 150});
    parts.ScaleMode = DrawingSurface::Pixels;
    for (int i = 0; i < 5000; ++i)  // about five parts of a thousand operations
        parts.Line(float(i % 200), float(i % 150), float((i * 7) % 200), float((i * 3) % 150), Colour(i * 2654435761u & 0xFFFFFF));
    DrawingSurface whole = parts;
    whole.rescale(2.3, 1, {460, 345});
    parts.resample(2.3, 1, {460, 345});
    const Picture resampled = parts.image();
    int calls = 1;
    for (; !parts.redrawSome(std::chrono::steady_clock::duration::zero()); ++calls) {
        ASSERT_TRUE(parts.resampled());
        ASSERT_TRUE(parts.image() == resampled) << "part " << calls;
    }
    EXPECT_GE(calls, 4);
    EXPECT_FALSE(parts.resampled());
    EXPECT_TRUE(parts.image() == whole.image());
}
