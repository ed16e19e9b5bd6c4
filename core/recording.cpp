#include "recording.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// A frame shows for at least this many centiseconds: browsers show a shorter one for a
// tenth of a second, which would slow the build-up down.
constexpr long long kShortestFrame = 2;
// The LZW codes of the image data start from 8-bit indices, whatever the palette's size.
constexpr int kMinimumCodeSize = 8;
constexpr int kClearCode = 1 << kMinimumCodeSize, kEndCode = kClearCode + 1, kLargestCode = 4095;

long long centiseconds(double seconds) { return std::llround(seconds * 100); }

Rect intersected(Rect a, Rect b)
{
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.width, b.x + b.width), y1 = std::min(a.y + a.height, b.y + b.height);
    return x1 > x0 && y1 > y0 ? Rect{x0, y0, x1 - x0, y1 - y0} : Rect{};
}

Rect united(Rect a, Rect b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

// The codes of GIF's LZW, written least significant bit first into sub-blocks of at most
// 255 bytes.
class CodeWriter {
public:
    explicit CodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void write(int code, int size)
    {
        bits_ |= std::uint32_t(code) << count_;
        count_ += size;
        while (count_ >= 8) {
            byte(std::uint8_t(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void finish()
    {
        if (count_ > 0)
            byte(std::uint8_t(bits_ & 0xFF));
        if (!block_.empty())
            flush();
        out_.push_back(0);  // the block terminator
    }

private:
    void byte(std::uint8_t b)
    {
        block_.push_back(b);
        if (block_.size() == 255)
            flush();
    }
    void flush()
    {
        out_.push_back(std::uint8_t(block_.size()));
        out_.insert(out_.end(), block_.begin(), block_.end());
        block_.clear();
    }
    std::vector<std::uint8_t>& out_;
    std::vector<std::uint8_t> block_;
    std::uint32_t bits_ = 0;
    int count_ = 0;
};

// The dictionary of strings seen: a string is its prefix's code and one more index.
// Open addressing over twice the codes there can be; cleared with the codes.
class Dictionary {
public:
    Dictionary() { clear(); }
    void clear() { keys_.fill(kEmpty); }
    int find(int prefix, int index) const
    {
        const std::uint32_t key = std::uint32_t(prefix) << 8 | std::uint32_t(index);
        for (std::uint32_t slot = hash(key);; slot = (slot + 1) & kMask) {
            if (keys_[slot] == kEmpty)
                return -1;
            if (keys_[slot] == key)
                return codes_[slot];
        }
    }
    void add(int prefix, int index, int code)
    {
        const std::uint32_t key = std::uint32_t(prefix) << 8 | std::uint32_t(index);
        std::uint32_t slot = hash(key);
        while (keys_[slot] != kEmpty)
            slot = (slot + 1) & kMask;
        keys_[slot] = key;
        codes_[slot] = std::uint16_t(code);
    }

private:
    static constexpr std::uint32_t kSize = 8192, kMask = kSize - 1, kEmpty = 0xFFFFFFFF;
    static std::uint32_t hash(std::uint32_t key) { return (key * 2654435761u) >> 19; }
    std::array<std::uint32_t, kSize> keys_;
    std::array<std::uint16_t, kSize> codes_{};
};

// A frame's indices as GIF image data: the minimum code size, then the LZW codes.
std::vector<std::uint8_t> compressed(const std::vector<std::uint8_t>& indices)
{
    std::vector<std::uint8_t> out{std::uint8_t(kMinimumCodeSize)};
    CodeWriter writer(out);
    static Dictionary dictionary;
    dictionary.clear();
    int codeSize = kMinimumCodeSize + 1, lastCode = kEndCode;
    writer.write(kClearCode, codeSize);
    int prefix = -1;
    for (const std::uint8_t index : indices) {
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        if (const int code = dictionary.find(prefix, index); code >= 0) {
            prefix = code;
            continue;
        }
        writer.write(prefix, codeSize);
        dictionary.add(prefix, index, ++lastCode);
        if (lastCode >= (1 << codeSize))
            ++codeSize;
        if (lastCode == kLargestCode) {  // the table is full: it starts again
            writer.write(kClearCode, codeSize);
            dictionary.clear();
            codeSize = kMinimumCodeSize + 1;
            lastCode = kEndCode;
        }
        prefix = index;
    }
    if (prefix >= 0)
        writer.write(prefix, codeSize);
    writer.write(kEndCode, codeSize);
    writer.finish();
    return out;
}

void little16(std::vector<std::uint8_t>& out, int value)
{
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}
}  // namespace

Recording::Recording(const Picture& picture, Size area)
    : area_{std::min(area.width, picture.width()), std::min(area.height, picture.height())}
{
    addFrame(picture, Rect{0, 0, area_.width, area_.height});
}

std::uint8_t Recording::indexOf(std::uint32_t argb)
{
    const std::uint32_t rgb = argb & 0xFFFFFF;
    std::size_t slot = (rgb * 2654435761u) >> (32 - 14);
    for (; colourKeys_[slot] != 0; slot = (slot + 1) & (kColourSlots - 1))
        if (colourKeys_[slot] == rgb + 1)
            return colourIndices_[slot];
    std::uint8_t index = 0;
    if (palette_.size() < 256) {
        index = std::uint8_t(palette_.size());
        palette_.push_back(rgb);
    } else {  // the nearest colour of a full palette
        ++approximated_;
        const auto distance = [rgb](std::uint32_t other) {
            const auto d = [&](int shift) { return int((rgb >> shift) & 0xFF) - int((other >> shift) & 0xFF); };
            return d(16) * d(16) + d(8) * d(8) + d(0) * d(0);
        };
        index = std::uint8_t(std::min_element(palette_.begin(), palette_.end(),
                                              [&](auto a, auto b) { return distance(a) < distance(b); }) -
                             palette_.begin());
    }
    // A picture of more colours than the table holds keeps finding the nearest.
    if (coloursMet_ < kColourSlots / 2) {
        colourKeys_[slot] = rgb + 1;
        colourIndices_[slot] = index;
        ++coloursMet_;
    }
    return index;
}

void Recording::addFrame(const Picture& picture, Rect area)
{
    Frame frame;
    frame.area = area;
    std::vector<std::uint8_t> indices;
    indices.reserve(std::size_t(area.width) * std::size_t(area.height));
    for (int y = area.y; y < area.y + area.height; ++y) {
        const std::uint32_t* row = picture.row(y);
        std::uint32_t last = ~row[area.x];
        std::uint8_t index = 0;
        for (int x = area.x; x < area.x + area.width; ++x) {
            if (row[x] != last)
                index = indexOf(last = row[x]);
            indices.push_back(index);
        }
    }
    frame.data = compressed(indices);
    frames_.push_back(std::move(frame));
}

// The last frame lasts until now; what changed since goes into a new one.
void Recording::closeLastFrame(double seconds)
{
    const long long now = centiseconds(seconds);
    frames_.back().centiseconds = int(std::clamp<long long>(now - shownCentiseconds_, 0, 65535));
    shownCentiseconds_ += frames_.back().centiseconds;
}

void Recording::frameReached(const Picture& picture, Rect changed, double seconds)
{
    pending_ = united(pending_, intersected(changed, Rect{0, 0, area_.width, area_.height}));
    if (pending_.isEmpty() || centiseconds(seconds) - shownCentiseconds_ < kShortestFrame)
        return;
    closeLastFrame(seconds);
    addFrame(picture, pending_);
    pending_ = {};
}

void Recording::finish(const Picture& picture, Rect changed, double seconds)
{
    pending_ = united(pending_, intersected(changed, Rect{0, 0, area_.width, area_.height}));
    if (!pending_.isEmpty()) {
        if (centiseconds(seconds) - shownCentiseconds_ < kShortestFrame && frames_.size() > 1) {
            // Too short a frame to show: the last one takes in what changed since.
            const Rect last = frames_.back().area;
            frames_.pop_back();
            addFrame(picture, united(last, pending_));
        } else {
            closeLastFrame(seconds);
            addFrame(picture, pending_);
        }
        pending_ = {};
    }
    closeLastFrame(seconds);
}

std::size_t Recording::bytes() const
{
    std::size_t total = sizeof(*this) + palette_.capacity() * sizeof(std::uint32_t) + kColourSlots * 5;
    for (const Frame& f : frames_)
        total += sizeof(Frame) + f.data.capacity();
    return total;
}

std::vector<std::uint8_t> Recording::gif() const
{
    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    little16(out, area_.width);
    little16(out, area_.height);
    int tableBits = 1;  // the global colour table holds 2^tableBits colours
    while ((1u << tableBits) < palette_.size())
        ++tableBits;
    out.push_back(std::uint8_t(0x80 | 0x70 | (tableBits - 1)));
    out.push_back(0);  // background: the first colour
    out.push_back(0);  // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const std::uint32_t rgb = i < int(palette_.size()) ? palette_[std::size_t(i)] : 0;
        out.push_back(std::uint8_t(rgb >> 16));
        out.push_back(std::uint8_t(rgb >> 8));
        out.push_back(std::uint8_t(rgb));
    }
    for (const Frame& f : frames_) {
        // How long it shows; what it covers stays when the next is drawn.
        out.insert(out.end(), {0x21, 0xF9, 0x04, 0x04});
        little16(out, f.centiseconds);
        out.insert(out.end(), {0x00, 0x00});
        out.push_back(0x2C);
        little16(out, f.area.x);
        little16(out, f.area.y);
        little16(out, f.area.width);
        little16(out, f.area.height);
        out.push_back(0);
        out.insert(out.end(), f.data.begin(), f.data.end());
    }
    out.push_back(0x3B);
    return out;
}
