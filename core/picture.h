#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

// Sizes and rectangles in pixels, and the picture a drawing surface keeps: opaque
// 0xAARRGGBB pixels, row after row.

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
    Size expandedTo(Size o) const { return {std::max(width, o.width), std::max(height, o.height)}; }
    Size boundedTo(Size o) const { return {std::min(width, o.width), std::min(height, o.height)}; }
};

// The pixels from (x, y) to (x + width - 1, y + height - 1); empty when either is not positive.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

class Picture {
public:
    Picture() = default;
    Picture(Size size, std::uint32_t argb)
        : size_(size), pixels_(std::size_t(std::max(0, size.width)) * std::size_t(std::max(0, size.height)), argb)
    {
    }

    Size size() const { return size_; }
    int width() const { return size_.width; }
    int height() const { return size_.height; }
    void fill(std::uint32_t argb) { std::fill(pixels_.begin(), pixels_.end(), argb); }

    std::uint32_t* row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(size_.width); }
    const std::uint32_t* row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(size_.width); }
    std::uint32_t* bits() { return pixels_.data(); }
    const std::uint32_t* bits() const { return pixels_.data(); }
    // Pixels from one row to the next.
    int stride() const { return size_.width; }

    friend bool operator==(const Picture&, const Picture&) = default;

private:
    Size size_;
    std::vector<std::uint32_t> pixels_;
};
