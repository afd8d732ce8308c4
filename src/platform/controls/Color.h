#pragma once

// A colour of red, green and blue, each from 0 to 255; written &hRRGGBB.

#include <cstdint>

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr Color FromRGB(std::uint32_t rgb) {
        return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb)};
    }
    constexpr std::uint32_t RGB() const {
        return std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
    }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};
