#pragma once
#include <cstdint>
#include <algorithm>
#include <chrono>
#include <limits>
#include <vector>

#include "colour.h"
#include "pacing.h"
#include "picture.h"

// The retained picture of a window's client area and the drawing state the
// simulations write against. Coordinates are in the unit of ScaleMode (twips or
// pixels); every coordinate becomes a device position by one factor (pixelsPerUnit)
// and lands on the pixel grid by one rule (round to nearest: pixel i is centred on i).
//
// The picture may be scaled: a window larger than the reference screen draws
// everything, pen widths included, `scale` times larger, and a high-density screen
// has `devicePixelRatio` device pixels to a window pixel. At scale 1 on an ordinary
// screen one pixel of the program is one pixel of the picture.
class DrawingSurface {
public:
    enum : short { Twips = 1, Pixels = 3 };
    enum : short { Solid = 0, Dotted = 2 };
    enum : short { FillSolid = 0, FillTransparent = 1, FillDiagonalCross = 7 };
    static constexpr double kTwipsPerPixel = 15.0;

    explicit DrawingSurface(Size size = {1000, 700}, Colour back = colours::grey);

    // Drawing state; each setting holds for all later drawing until changed.
    short ScaleMode = Twips;
    short DrawWidth = 1;
    short DrawStyle = Solid;
    short FillStyle = FillTransparent;
    Colour FillColor = colours::black;
    Colour ForeColor = colours::buttonText;
    Colour BackColor;

    // The drawing state above as one value (what a rehearsal of a run starts from).
    struct DrawingState {
        short ScaleMode, DrawWidth, DrawStyle, FillStyle;
        Colour FillColor, ForeColor, BackColor;
        friend bool operator==(const DrawingState&, const DrawingState&) = default;
    };
    DrawingState drawingState() const
    {
        return {ScaleMode, DrawWidth, DrawStyle, FillStyle, FillColor, ForeColor, BackColor};
    }
    void setDrawingState(const DrawingState& s)
    {
        ScaleMode = s.ScaleMode, DrawWidth = s.DrawWidth, DrawStyle = s.DrawStyle, FillStyle = s.FillStyle;
        FillColor = s.FillColor, ForeColor = s.ForeColor, BackColor = s.BackColor;
    }

    // Width of the client area in the current unit.
    float ScaleWidth() const;
    float ScaleHeight() const;

    void Line(float x1, float y1, float x2, float y2) { Line(x1, y1, x2, y2, ForeColor); }
    void Line(float x1, float y1, float x2, float y2, Colour colour);
    void Circle(float x, float y, float r) { Circle(x, y, r, ForeColor); }
    void Circle(float x, float y, float r, Colour colour);

    // Sets the scale before anything is drawn (the picture starts anew in BackColor).
    void setScale(double scale, double devicePixelRatio = 1);
    // The picture at another scale and client size (in window pixels at that scale),
    // drawn again from what was drawn on it since it began, as if it had been drawn at
    // that scale from the first. A picture of more than kMostRetained operations keeps
    // the picture of its first ones instead, and that part is resampled (each new pixel
    // takes the colour of the old pixel under its centre).
    void rescale(double scale, double devicePixelRatio, Size client)
    {
        resample(scale, devicePixelRatio, client);
        redraw();
    }
    static constexpr std::size_t kMostRetained = std::size_t(1) << 20;
    // The same in two parts: at once, the picture resampled; then (redraw) drawn again
    // exactly, at once or a part at a time (redrawSome: for about `budget`, at least a
    // thousand operations; true once the picture drawn again has taken the resampled
    // one's place). Drawing on a resampled picture draws it again first.
    void resample(double scale, double devicePixelRatio, Size client);
    void redraw() { redrawSome(std::chrono::steady_clock::duration::max()); }
    bool redrawSome(std::chrono::steady_clock::duration budget);
    bool resampled() const { return resampled_; }
    // Whether the picture would be drawn again exactly (nothing resampled).
    bool redrawsExactly() const { return base_.size() == Size{}; }
    // The memory what was drawn takes, in bytes.
    std::size_t retainedBytes() const;
    double scale() const { return scale_; }
    double devicePixelRatio() const { return dpr_; }

    // Window pixels per unit of the current ScaleMode, and device pixels per unit.
    double windowPixelsPerUnit() const { return (ScaleMode == Twips ? 1.0 / kTwipsPerPixel : 1.0) * scale_; }
    double pixelsPerUnit() const { return windowPixelsPerUnit() * dpr_; }
    // A position in the current unit as a whole number of window pixels (where controls go).
    int toPixels(double v) const;
    // Pixels of the reference screen as a whole number of window pixels.
    int windowPixels(double referencePixels) const;
    // Pixels of the reference screen per unit of the current ScaleMode.
    double referencePixelsPerUnit() const { return ScaleMode == Twips ? 1.0 / kTwipsPerPixel : 1.0; }

    // The client area's size in window pixels (what ScaleWidth measures); the
    // picture grows to cover it, new parts in BackColor.
    void setClientSize(Size size);
    Size clientSize() const { return client_; }

    const Picture& image() const { return image_; }
    std::uint32_t pixel(int x, int y) const;  // in device pixels; 0 outside the picture

    // What changed since the last call, in device pixels: for the screen, and for a
    // recording of the run (each takes its own).
    Rect takeDirty() { return shown_.take(); }
    Rect takeRecordedDirty() { return recorded_.take(); }

    // The pace of the run that draws here: every operation tells it how many pixels of
    // the reference picture it touches (its time on the reference machine).
    Pacing* pacing = nullptr;
    // The most pixels one operation can touch: the whole reference picture.
    static constexpr double kMostPixelsTouched = 800.0 * 600.0;

    // A surface that keeps its state and counts but sets no pixel (to time the arithmetic alone).
    void setRasterising(bool on) { rasterising_ = on; }
    std::uint64_t operations() const { return operations_; }

private:
    void counted(double referencePixels);
    void markDirty(int x0, int y0, int x1, int y1);
    void thinLine(double x1, double y1, double x2, double y2, std::uint32_t argb, bool dotted);
    void wideLine(double x1, double y1, double x2, double y2, double width, std::uint32_t argb);
    void span(int y, int x0, int x1, std::uint32_t argb);
    int penWidth() const;
    void dottedWideLine(double x1, double y1, double x2, double y2, int width, std::uint32_t argb);

    // What was drawn since the picture began (or since `base_`), to draw it again.
    struct Drawn {
        float a, b, c, d;  // a line's ends, or a circle's centre and radius
        Colour colour;
        std::uint32_t how;  // the drawing state's index in drawnStates_, times two; plus one for a circle
    };
    void retain(bool circle, float a, float b, float c, float d, Colour colour);

    Picture image_;
    Size client_;
    std::vector<Drawn> drawn_;
    std::vector<DrawingState> drawnStates_;
    Picture base_;             // the picture before drawn_, when they were too many to keep
    double baseDensity_ = 1;   // its device pixels per reference pixel
    Colour cleared_;           // the colour the picture began in
    bool replaying_ = false;
    bool resampled_ = false;  // the picture resampled at this scale, not yet drawn again
    Picture redrawn_;         // the picture being drawn again, up to drawn_[redrawnUpTo_]
    std::size_t redrawnUpTo_ = 0;
    double scale_ = 1.0;
    double dpr_ = 1.0;
    bool rasterising_ = true;
    std::uint64_t operations_ = 0;
    // The bounds of what changed since it was last taken.
    struct Changed {
        int x0 = std::numeric_limits<int>::max(), y0 = std::numeric_limits<int>::max();
        int x1 = std::numeric_limits<int>::min(), y1 = std::numeric_limits<int>::min();
        void add(int ax0, int ay0, int ax1, int ay1)
        {
            x0 = std::min(x0, ax0), y0 = std::min(y0, ay0), x1 = std::max(x1, ax1), y1 = std::max(y1, ay1);
        }
        Rect take()
        {
            const Rect r = x0 <= x1 && y0 <= y1 ? Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1} : Rect{};
            *this = {};
            return r;
        }
    };
    Changed shown_, recorded_;
};
