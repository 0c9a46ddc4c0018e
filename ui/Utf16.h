#pragma once

namespace tallaro::utf16 {

// The two halves of a character outside the basic plane, and the character they make.
constexpr bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
constexpr bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}
constexpr char32_t codePoint(char16_t high, char16_t low) {
    return 0x10000 + ((char32_t{high} - 0xD800) << 10) + (char32_t{low} - 0xDC00);
}

} // namespace tallaro::utf16
