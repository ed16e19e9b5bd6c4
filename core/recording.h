#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "picture.h"

// A run recorded as it builds up: the picture as the run began, then at the frame
// boundaries of the run's reference time the part of the picture that changed, each
// frame lasting as long as the reference machine took to the next. Frames are kept as
// the image data of an animated GIF (palette indices, LZW-compressed as they come), so a
// long run holds little memory and saving only writes them out. The pictures use few
// colours: a palette of up to 256 keeps them exact; a colour beyond it takes the nearest.
//
// The frames follow the reference time, not the machine's clock: the same run gives the
// same bytes on every machine and front end.
class Recording {
public:
    // Records the area of `picture` from its top left (the client area), as it is now.
    Recording(const Picture& picture, Size area);

    // A frame boundary at `seconds` of the run's reference time; `changed`: what the run
    // drew since the last one, in the picture's pixels.
    void frameReached(const Picture& picture, Rect changed, double seconds);
    // The run ended at `seconds`: its last frame.
    void finish(const Picture& picture, Rect changed, double seconds);

    // The animated GIF: plays once at the designed pace and stays on the last picture.
    std::vector<std::uint8_t> gif() const;

    int frames() const { return int(frames_.size()); }
    // The frames' delays added up, in seconds.
    double seconds() const { return shownCentiseconds_ / 100.0; }
    // What the recording holds in memory, in bytes.
    std::size_t bytes() const;
    // Colours that had to take the nearest of the palette's (0: exact).
    int approximated() const { return approximated_; }

private:
    struct Frame {
        Rect area;
        int centiseconds = 0;  // how long it shows
        std::vector<std::uint8_t> data;  // LZW-compressed indices, in GIF sub-blocks
    };
    std::uint8_t indexOf(std::uint32_t argb);
    void addFrame(const Picture& picture, Rect area);
    void closeLastFrame(double seconds);

    Size area_;
    std::vector<std::uint32_t> palette_;
    // The index of every colour met, by open addressing (a colour is looked up at every
    // change of colour along a row).
    static constexpr std::size_t kColourSlots = 1 << 14;
    std::vector<std::uint32_t> colourKeys_ = std::vector<std::uint32_t>(kColourSlots, 0);  // colour + 1; 0: empty
    std::vector<std::uint8_t> colourIndices_ = std::vector<std::uint8_t>(kColourSlots, 0);
    std::size_t coloursMet_ = 0;
    int approximated_ = 0;
    std::vector<Frame> frames_;
    Rect pending_;  // changed since the last frame written
    long long shownCentiseconds_ = 0;  // where the last frame begins, in centiseconds of the run
};
