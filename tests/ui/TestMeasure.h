#pragma once

#include "CharacterMeasure.h"

namespace tallaro {

// Widths and CP932 sizes as the window finds them for the characters the tests use: CJK and
// full-width forms cover two cells and take two bytes, half-width kana one of each; the euro
// sign and characters outside the basic plane have no CP932 form and become one "?".
class TestMeasure : public CharacterMeasure {
public:
    int cells(char32_t c) const override {
        return (c >= 0x3000 && c < 0xFF61) || c >= 0x10000 ? 2 : 1;
    }
    int cp932Bytes(char32_t c) const override {
        if ((c >= 0xFF61 && c <= 0xFF9F) || c == U'€' || c >= 0x10000)
            return 1;
        return 2;
    }
};

} // namespace tallaro
