#pragma once

#include <cstdint>

// The vocabulary of the windows' design tables, shared by every front-end. Places and sizes are
// in twips from the top-left corner of a window's client area, 15 twips to a pixel.
inline constexpr int twipsPerPixel = 15;

struct Rgb {
    std::uint8_t red, green, blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};

// Every font is MS Sans Serif where the desktop has it; elsewhere the first of the fallbacks it
// has, which are sans faces of about its width.
inline constexpr const char* fontFamilies[] = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};

struct FontDesign {
    double pointSize;
    bool bold = false;
    bool underline = false;
};

enum class Alignment { Left, Centred, Right };

struct TwipsRect {
    int left, top, width, height;
};
