#pragma once
#include <cstdint>

// A colour as the programs write it: 0x00BBGGRR, red in the low byte.
// A value with the top bit set names a system colour by its index (0x800000nn),
// resolved when it is drawn.
using Colour = std::uint32_t;

constexpr Colour RGB(int r, int g, int b)
{
    return Colour(r & 0xFF) | (Colour(g & 0xFF) << 8) | (Colour(b & 0xFF) << 16);
}

constexpr Colour systemColour(int index) { return 0x80000000u | Colour(index & 0xFF); }

namespace colours {
inline constexpr Colour grey = RGB(192, 192, 192);  // window background and the eraser
inline constexpr Colour black = RGB(0, 0, 0);
inline constexpr Colour white = RGB(255, 255, 255);
inline constexpr Colour red = RGB(255, 0, 0);
inline constexpr Colour green = RGB(0, 255, 0);
inline constexpr Colour blue = RGB(0, 0, 255);
inline constexpr Colour yellow = RGB(255, 255, 0);

inline constexpr Colour menu = systemColour(0x04);
inline constexpr Colour windowBackground = systemColour(0x05);
inline constexpr Colour menuText = systemColour(0x07);
inline constexpr Colour windowText = systemColour(0x08);
inline constexpr Colour captionText = systemColour(0x09);
inline constexpr Colour highlightText = systemColour(0x0E);
inline constexpr Colour buttonFace = systemColour(0x0F);
inline constexpr Colour buttonShadow = systemColour(0x10);
inline constexpr Colour buttonText = systemColour(0x12);
inline constexpr Colour darkShadow3D = systemColour(0x15);
}  // namespace colours

// The colour as an opaque 0xAARRGGBB pixel; system colours come from the
// classic standard scheme.
std::uint32_t toArgb(Colour c);
