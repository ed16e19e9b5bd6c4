#include "colour.h"

namespace {
// The classic standard colour scheme, by system colour index (0xRRGGBB).
constexpr std::uint32_t kSystemScheme[] = {
    0xC0C0C0,  // 0x00 scroll bar
    0x008080,  // 0x01 desktop
    0x000080,  // 0x02 active caption
    0x808080,  // 0x03 inactive caption
    0xC0C0C0,  // 0x04 menu
    0xFFFFFF,  // 0x05 window background
    0x000000,  // 0x06 window frame
    0x000000,  // 0x07 menu text
    0x000000,  // 0x08 window text
    0xFFFFFF,  // 0x09 caption text
    0xC0C0C0,  // 0x0A active border
    0xC0C0C0,  // 0x0B inactive border
    0x808080,  // 0x0C application workspace
    0x000080,  // 0x0D highlight
    0xFFFFFF,  // 0x0E highlight text
    0xC0C0C0,  // 0x0F button face
    0x808080,  // 0x10 button shadow
    0x808080,  // 0x11 grey text
    0x000000,  // 0x12 button text
    0xC0C0C0,  // 0x13 inactive caption text
    0xFFFFFF,  // 0x14 3-D highlight
    0x000000,  // 0x15 3-D dark shadow
    0xDFDFDF,  // 0x16 3-D light
    0x000000,  // 0x17 tooltip text
    0xFFFFE1,  // 0x18 tooltip background
};
}  // namespace

std::uint32_t toArgb(Colour c)
{
    if (c & 0x80000000u) {
        const unsigned index = c & 0xFFu;
        const std::uint32_t rgb =
            index < sizeof kSystemScheme / sizeof kSystemScheme[0] ? kSystemScheme[index] : 0;
        return 0xFF000000u | rgb;
    }
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
