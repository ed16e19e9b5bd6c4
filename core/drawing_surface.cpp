#include "drawing_surface.h"

#include <algorithm>
#include <cmath>

namespace {
// The surface's one rule from a device coordinate to a pixel index.
inline long long pixelIndex(double v) { return static_cast<long long>(std::floor(v + 0.5)); }

// Pen positions: odd widths are centred on a pixel, even widths on the boundary
// between two pixels, so a pen of width w always covers w rows or columns and the
// pixel a width-1 pen would set is among them.
inline double penCentre(double v, int width)
{
    return (width % 2) ? std::floor(v + 0.5) : std::floor(v) + 0.5;
}

// Liang-Barsky: clips the segment to the rectangle; false when nothing is left. A
// cut end point is put exactly on the boundary that cut it, so a horizontal or
// vertical segment keeps its row or column however far its ends lie.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                 double xmax, double ymax)
{
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    int cut0 = -1, cut1 = -1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    const double edge[4] = {xmin, xmax, ymin, ymax};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t0)
                t0 = t, cut0 = i;
        } else if (t < t1) {
            t1 = t, cut1 = i;
        }
        if (t0 > t1)
            return false;
    }
    const double ox = x1, oy = y1;
    auto place = [&](double t, int cut, double& x, double& y) {
        x = ox + t * dx;
        y = oy + t * dy;
        (cut < 2 ? x : y) = edge[cut];
    };
    if (cut1 >= 0)
        place(t1, cut1, x2, y2);
    if (cut0 >= 0)
        place(t0, cut0, x1, y1);
    return true;
}

inline bool finite(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

struct Span {
    long long lo, hi;  // empty when lo > hi
};

// Whole numbers i in [minI, maxI] with (i - c)^2 < r2 (strict) or <= r2 (inclusive):
// a square-root estimate, corrected by the exact test at both ends.
Span within(double c, double r2, bool inclusive, long long minI, long long maxI)
{
    if (!(r2 >= 0) || (r2 == 0 && !inclusive))
        return {1, 0};
    const double h = std::sqrt(r2);
    long long lo = static_cast<long long>(std::clamp(std::ceil(c - h), double(minI), double(maxI) + 1));
    long long hi = static_cast<long long>(std::clamp(std::floor(c + h), double(minI) - 1, double(maxI)));
    auto inside = [&](long long i) {
        const double d = double(i) - c;
        return inclusive ? d * d <= r2 : d * d < r2;
    };
    while (lo <= hi && !inside(lo))
        ++lo;
    while (lo > minI && inside(lo - 1))
        --lo;
    while (hi >= lo && !inside(hi))
        --hi;
    while (hi < maxI && inside(hi + 1))
        ++hi;
    return {lo, hi};
}
}  // namespace

DrawingSurface::DrawingSurface(Size size, Colour back)
    : BackColor(back), image_(size.expandedTo({1, 1}), toArgb(back)), client_(size), cleared_(back)
{
}

float DrawingSurface::ScaleWidth() const { return float(client_.width / windowPixelsPerUnit()); }
float DrawingSurface::ScaleHeight() const { return float(client_.height / windowPixelsPerUnit()); }

void DrawingSurface::setScale(double scale, double devicePixelRatio)
{
    scale_ = scale > 0 ? scale : 1;
    dpr_ = devicePixelRatio > 0 ? devicePixelRatio : 1;
    const Size logical = client_;
    client_ = Size();
    image_ = Picture({1, 1}, toArgb(BackColor));
    setClientSize(logical);
    image_.fill(toArgb(BackColor));
    cleared_ = BackColor;
    resampled_ = false;
    redrawn_ = Picture();
    drawn_.clear();
    drawnStates_.clear();
    base_ = Picture();
}

void DrawingSurface::retain(bool circle, float a, float b, float c, float d, Colour colour)
{
    if (replaying_)
        return;
    redraw();  // what is drawn now goes on the picture as it is at this scale
    if (drawn_.size() >= kMostRetained) {
        // Too much to keep: the picture so far stands for it.
        base_ = image_;
        baseDensity_ = scale_ * dpr_;
        drawn_.clear();
        drawnStates_.clear();
    }
    const DrawingState state = drawingState();
    if (drawnStates_.empty() || !(drawnStates_.back() == state))
        drawnStates_.push_back(state);
    drawn_.push_back({a, b, c, d, colour, std::uint32_t(drawnStates_.size() - 1) * 2 + (circle ? 1 : 0)});
}

std::size_t DrawingSurface::retainedBytes() const
{
    return drawn_.capacity() * sizeof(Drawn) + drawnStates_.capacity() * sizeof(DrawingState) +
           std::size_t(base_.width()) * std::size_t(base_.height()) * 4;
}

namespace {
// `to` covered with `from`, which has `ratio` of its pixels to one of `to`: each pixel of
// `to` takes the colour of the pixel of `from` under its centre.
void resampleInto(const Picture& from, double ratio, Picture& to)
{
    const auto source = [ratio](int i, int last) { return std::clamp(int(std::floor((i + 0.5) * ratio)), 0, last); };
    const int rows = std::min(to.height(), int(std::ceil(from.height() / ratio)));
    const int columns = std::min(to.width(), int(std::ceil(from.width() / ratio)));
    for (int y = 0; y < rows; ++y) {
        const std::uint32_t* row = from.row(source(y, from.height() - 1));
        std::uint32_t* out = to.row(y);
        for (int x = 0; x < columns; ++x)
            out[x] = row[source(x, from.width() - 1)];
    }
}
}  // namespace

void DrawingSurface::resample(double scale, double devicePixelRatio, Size client)
{
    scale = scale > 0 ? scale : 1;
    devicePixelRatio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    client = client.expandedTo({0, 0});
    if (scale == scale_ && devicePixelRatio == dpr_ && client == client_)
        return;
    const Picture old = std::move(image_);
    const double oldDensity = scale_ * dpr_;
    scale_ = scale;
    dpr_ = devicePixelRatio;
    client_ = client;
    const Size device{int(std::ceil(client_.width * dpr_)), int(std::ceil(client_.height * dpr_))};
    image_ = Picture(device.expandedTo({1, 1}), toArgb(cleared_));
    resampleInto(old, oldDensity / (scale_ * dpr_), image_);
    resampled_ = rasterising_;
    redrawn_ = Picture();  // a redraw at the old scale is of no use
    markDirty(0, 0, image_.width() - 1, image_.height() - 1);
}

bool DrawingSurface::redrawSome(std::chrono::steady_clock::duration budget)
{
    if (!resampled_)
        return true;
    const auto began = std::chrono::steady_clock::now();
    const auto deadline = budget == std::chrono::steady_clock::duration::max() ? std::chrono::steady_clock::time_point::max()
                                                                                : began + budget;
    if (redrawn_.size() != image_.size()) {  // a redraw begins
        redrawn_ = Picture(image_.size(), toArgb(cleared_));
        if (!redrawsExactly())
            resampleInto(base_, baseDensity_ / (scale_ * dpr_), redrawn_);
        redrawnUpTo_ = 0;
    }
    // Drawn again as it was drawn, in its drawing states, at no cost to a run, on the
    // picture being drawn again; the resampled one is shown meanwhile.
    std::swap(image_, redrawn_);
    const DrawingState now = drawingState();
    Pacing* const paced = pacing;
    const std::uint64_t counted = operations_;
    pacing = nullptr;
    replaying_ = true;
    constexpr std::size_t kBetweenLooks = 1024;  // operations between looks at the clock
    for (std::size_t n = 0; redrawnUpTo_ < drawn_.size(); ++n, ++redrawnUpTo_) {
        if (n >= kBetweenLooks && n % kBetweenLooks == 0 && std::chrono::steady_clock::now() >= deadline)
            break;
        const Drawn& d = drawn_[redrawnUpTo_];
        setDrawingState(drawnStates_[d.how / 2]);
        if (d.how % 2)
            Circle(d.a, d.b, d.c, d.colour);
        else
            Line(d.a, d.b, d.c, d.d, d.colour);
    }
    replaying_ = false;
    pacing = paced;
    operations_ = counted;
    setDrawingState(now);
    std::swap(image_, redrawn_);
    if (redrawnUpTo_ < drawn_.size())
        return false;
    image_ = std::move(redrawn_);
    redrawn_ = Picture();
    resampled_ = false;
    markDirty(0, 0, image_.width() - 1, image_.height() - 1);
    return true;
}

int DrawingSurface::penWidth() const
{
    return int(std::clamp<long>(std::lround(std::max<int>(1, DrawWidth) * scale_ * dpr_), 1, 4096));
}

namespace {
int wholePixels(double d)
{
    if (!std::isfinite(d))
        return 0;
    return int(std::clamp<long long>(pixelIndex(d), -1000000000, 1000000000));
}
}  // namespace

int DrawingSurface::toPixels(double v) const { return wholePixels(v * windowPixelsPerUnit()); }
int DrawingSurface::windowPixels(double referencePixels) const { return wholePixels(referencePixels * scale_); }

void DrawingSurface::setClientSize(Size size)
{
    client_ = size.expandedTo({0, 0});
    const Size device{int(std::ceil(client_.width * dpr_)), int(std::ceil(client_.height * dpr_))};
    const Size needed = image_.size().expandedTo(device);
    if (needed != image_.size()) {
        Picture grown(needed, toArgb(BackColor));
        for (int y = 0; y < image_.height(); ++y)
            std::copy_n(image_.row(y), image_.width(), grown.row(y));
        image_ = std::move(grown);
    }
}

std::uint32_t DrawingSurface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return 0;
    return image_.row(y)[x];
}

void DrawingSurface::markDirty(int x0, int y0, int x1, int y1)
{
    if (replaying_)
        return;  // the picture drawn again is shown whole when it is done
    shown_.add(x0, y0, x1, y1);
    recorded_.add(x0, y0, x1, y1);
}

void DrawingSurface::counted(double referencePixels)
{
    ++operations_;
    if (!pacing)
        return;
    if (!(referencePixels >= 0))
        referencePixels = 0;
    pacing->drawn(std::min(referencePixels, kMostPixelsTouched));
}

void DrawingSurface::span(int y, int x0, int x1, std::uint32_t argb)
{
    if (y < 0 || y >= image_.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, image_.width() - 1);
    if (x0 > x1)
        return;
    auto* row = image_.row(y);
    std::fill(row + x0, row + x1 + 1, argb);
    markDirty(x0, y, x1, y);
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    // The pixels of the reference picture along the longer axis, times the pen width.
    const double along = std::max(std::fabs(double(x2) - x1), std::fabs(double(y2) - y1)) * referencePixelsPerUnit();
    counted((along + 1) * std::max<int>(1, DrawWidth));
    if (!rasterising_)
        return;
    retain(false, x1, y1, x2, y2, colour);
    const double k = pixelsPerUnit();
    const double dx1 = x1 * k, dy1 = y1 * k, dx2 = x2 * k, dy2 = y2 * k;
    if (!finite(dx1, dy1, dx2, dy2))
        return;
    const int width = penWidth();
    const std::uint32_t argb = toArgb(colour);
    // The dotted style belongs to the one-pixel pen; a scaled picture scales its dots.
    const bool dotted = DrawStyle == Dotted && DrawWidth <= 1;
    if (width == 1)
        thinLine(dx1, dy1, dx2, dy2, argb, dotted);
    else if (dotted)
        dottedWideLine(dx1, dy1, dx2, dy2, width, argb);
    else
        wideLine(dx1, dy1, dx2, dy2, width, argb);
}

// The dotted pattern of a scaled picture: dots as wide as the pen, a pen's width apart.
void DrawingSurface::dottedWideLine(double x1, double y1, double x2, double y2, int width, std::uint32_t argb)
{
    const int W = image_.width(), H = image_.height();
    if (!clipSegment(x1, y1, x2, y2, -width - 2, -width - 2, W + width + 2, H + width + 2))
        return;
    const double length = std::hypot(x2 - x1, y2 - y1);
    for (double along = 0; along <= length; along += 2.0 * width) {
        const double t = length > 0 ? along / length : 0;
        wideLine(x1 + t * (x2 - x1), y1 + t * (y2 - y1), x1 + t * (x2 - x1), y1 + t * (y2 - y1), width, argb);
    }
}

// Bresenham between the rounded end points, both included; the dotted pattern
// sets every other pixel, starting with the first.
void DrawingSurface::thinLine(double x1, double y1, double x2, double y2, std::uint32_t argb,
                              bool dotted)
{
    const int W = image_.width(), H = image_.height();
    if (!clipSegment(x1, y1, x2, y2, -2, -2, W + 1, H + 1))
        return;
    int x = int(pixelIndex(x1)), y = int(pixelIndex(y1));
    int xe = int(pixelIndex(x2)), ye = int(pixelIndex(y2));
    // A solid segment sets the same pixels whichever end it is drawn from, so drawing
    // it again in grey erases it exactly.
    if (!dotted && (ye < y || (ye == y && xe < x))) {
        std::swap(x, xe);
        std::swap(y, ye);
    }
    if (y == ye && !dotted) {  // rows, as the erasers draw them: one span
        span(y, std::min(x, xe), std::max(x, xe), argb);
        return;
    }
    const int dx = std::abs(xe - x), dy = -std::abs(ye - y);
    const int sx = x < xe ? 1 : -1, sy = y < ye ? 1 : -1;
    int err = dx + dy;
    auto* bits = image_.bits();
    const std::ptrdiff_t stride = image_.stride();
    bool on = true;
    int minX = W, minY = H, maxX = -1, maxY = -1;
    for (;;) {
        if (on && unsigned(x) < unsigned(W) && unsigned(y) < unsigned(H)) {
            bits[y * stride + x] = argb;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        if (dotted)
            on = !on;
        if (x == xe && y == ye)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    if (maxX >= 0)
        markDirty(minX, minY, maxX, maxY);
}

// A wide pen is a capsule: every pixel whose centre lies within width/2 of the
// segment, so both ends are round. Filled row by row as spans.
void DrawingSurface::wideLine(double x1, double y1, double x2, double y2, double width,
                              std::uint32_t argb)
{
    const int w = int(width);
    const double r = width / 2;
    const int W = image_.width(), H = image_.height();
    if (!clipSegment(x1, y1, x2, y2, -r - 2, -r - 2, W + r + 2, H + r + 2))
        return;
    const double ax = penCentre(x1, w), ay = penCentre(y1, w);
    const double bx = penCentre(x2, w), by = penCentre(y2, w);
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy, len = std::sqrt(len2);
    const double r2 = r * r;
    const int rowFirst = int(std::max<double>(0, std::ceil(std::min(ay, by) - r)));
    const int rowLast = int(std::min<double>(H - 1, std::floor(std::max(ay, by) + r)));
    for (int row = rowFirst; row <= rowLast; ++row) {
        const double cy = row;
        double lo = INFINITY, hi = -INFINITY;
        auto unite = [&](double a, double b) {
            if (a <= b) {
                lo = std::min(lo, a);
                hi = std::max(hi, b);
            }
        };
        for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double v = r2 - (cy - py) * (cy - py);
            if (v >= 0) {
                const double h = std::sqrt(v);
                unite(px - h, px + h);
            }
        }
        if (len2 > 0) {
            const double ey = cy - ay;
            if (dy == 0) {
                if (std::fabs(ey) <= r)
                    unite(std::min(ax, bx), std::max(ax, bx));
            } else if (dx == 0) {
                const double t = ey / dy;
                if (t >= 0 && t <= 1)
                    unite(ax - r, ax + r);
            } else {
                // perpendicular distance within r ...
                double p0 = ax + (ey * dx - r * len) / dy, p1 = ax + (ey * dx + r * len) / dy;
                if (p0 > p1)
                    std::swap(p0, p1);
                // ... and the foot of the perpendicular on the segment
                double q0 = ax + (-ey * dy) / dx, q1 = ax + (len2 - ey * dy) / dx;
                if (q0 > q1)
                    std::swap(q0, q1);
                unite(std::max(p0, q0), std::min(p1, q1));
            }
        }
        if (lo <= hi) {
            const double first = std::max<double>(std::ceil(lo), -1), last = std::min<double>(std::floor(hi), W);
            span(row, int(first), int(last), argb);
        }
    }
}

// Outline: pixels whose centre lies at a distance in [R - w/2, R + w/2) from the
// centre; interior (FillStyle 0 or 7): distance up to R, painted before the outline.
void DrawingSurface::Circle(float x, float y, float r, Colour colour)
{
    // The outline's pixels times the pen width, and the interior when it is filled.
    const double radius = std::fabs(double(r)) * referencePixelsPerUnit();
    constexpr double pi = 3.14159265358979;
    counted((2 * pi * radius + 1) * std::max<int>(1, DrawWidth) +
            (FillStyle != FillTransparent ? pi * radius * radius : 0));
    if (!rasterising_)
        return;
    retain(true, x, y, r, 0, colour);
    const double k = pixelsPerUnit();
    const double R = std::fabs(double(r) * k);
    const double px = x * k, py = y * k;
    if (!finite(px, py, R, 0))
        return;
    const int w = penWidth();
    const double half = w / 2.0;
    const double outer = R + half;
    const int W = image_.width(), H = image_.height();
    if (px + outer < -1 || py + outer < -1 || px - outer > W + 1 || py - outer > H + 1)
        return;
    const double cx = penCentre(px, w), cy = penCentre(py, w);
    const bool filled = FillStyle == FillSolid || FillStyle == FillDiagonalCross;
    const std::uint32_t pen = toArgb(colour), fill = toArgb(FillColor);
    const double inner = R - half;
    const int rowFirst = int(std::max<double>(0, std::ceil(cy - outer)));
    const int rowLast = int(std::min<double>(H - 1, std::floor(cy + outer)));
    for (int row = rowFirst; row <= rowLast; ++row) {
        const double ey2 = (row - cy) * (row - cy);
        if (filled) {
            const Span disc = within(cx, R * R - ey2, true, -1, W);
            if (FillStyle == FillSolid) {
                span(row, int(std::max<long long>(disc.lo, -1)), int(std::min<long long>(disc.hi, W)), fill);
            } else if (disc.lo <= disc.hi) {
                // Diagonal cross hatch on a grid of 8 program pixels fixed to the picture.
                auto* line = image_.row(row);
                const long long from = std::max<long long>(disc.lo, 0), to = std::min<long long>(disc.hi, W - 1);
                const long long period = std::max<long long>(8, std::lround(8 * scale_ * dpr_));
                const long long thickness = std::max<long long>(1, std::lround(scale_ * dpr_));
                auto onHatch = [&](long long v) { return ((v % period) + period) % period < thickness; };
                for (long long i = from; i <= to; ++i)
                    if (onHatch(i + row) || onHatch(i - row))
                        line[i] = fill;
                if (from <= to)
                    markDirty(int(from), row, int(to), row);
            }
        }
        const Span out = within(cx, outer * outer - ey2, false, -1, W);
        if (out.lo > out.hi)
            continue;
        const Span hole = inner > 0 ? within(cx, inner * inner - ey2, false, -1, W) : Span{1, 0};
        auto clampX = [&](long long v) { return int(std::clamp<long long>(v, -1, W)); };
        if (hole.lo > hole.hi) {
            span(row, clampX(out.lo), clampX(out.hi), pen);
        } else {
            span(row, clampX(out.lo), clampX(hole.lo - 1), pen);
            span(row, clampX(hole.hi + 1), clampX(out.hi), pen);
        }
    }
}
