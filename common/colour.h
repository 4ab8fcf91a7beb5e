#pragma once
// Colour values as stored by containers and project files: 0x00BBGGRR for a colour,
// 0x8000000n for the system colour n of the desktop palette.
#include <QtGlobal>

namespace common {

using ColourValue = quint32;

constexpr ColourValue rgbColour(int red, int green, int blue)
{
    return static_cast<ColourValue>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr bool isSystemColour(ColourValue c) { return (c & 0xFF000000u) == 0x80000000u; }
constexpr int systemColourIndex(ColourValue c) { return static_cast<int>(c & 0x00FFFFFFu); }
// The desktop palette holds the system colours 0 to 30.
inline constexpr int SystemColourCount = 31;
// A value that names a colour: a plain colour, or a system colour of the palette. Any other high
// byte (0x03000000) names none.
constexpr bool isColourValue(ColourValue c)
{
    return (c & 0xFF000000u) == 0 || (isSystemColour(c) && systemColourIndex(c) < SystemColourCount);
}
constexpr int redOf(ColourValue c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(ColourValue c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(ColourValue c) { return static_cast<int>((c >> 16) & 0xFF); }

// System colours that the program and its libraries name.
namespace syscolour {
inline constexpr ColourValue ActiveTitle = 0x80000002u;
inline constexpr ColourValue WindowBackground = 0x80000005u;
inline constexpr ColourValue WindowText = 0x80000008u;
inline constexpr ColourValue Highlight = 0x8000000Du;
inline constexpr ColourValue HighlightText = 0x8000000Eu;
inline constexpr ColourValue ButtonFace = 0x8000000Fu;
inline constexpr ColourValue ButtonShadow = 0x80000010u;
inline constexpr ColourValue GrayText = 0x80000011u;
inline constexpr ColourValue ButtonText = 0x80000012u;
inline constexpr ColourValue ButtonHighlight = 0x80000014u;
inline constexpr ColourValue InfoText = 0x80000017u;
inline constexpr ColourValue InfoBackground = 0x80000018u;
}

} // namespace common
