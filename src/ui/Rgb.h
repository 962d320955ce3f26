// A colour as red, green and blue components, the form in which the timer
// logic names every colour it draws with.
#pragma once

#include <cstdint>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Lime{0, 255, 0};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Green{0, 128, 0};
} // namespace colors
