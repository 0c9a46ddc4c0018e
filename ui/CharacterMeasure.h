#pragma once

namespace tallaro {

// What only the window can tell of a character beyond ASCII: how many cells of a field's
// fixed-pitch grid its glyph covers, and how many bytes it takes in CP932, the code page field
// texts cross the Platform in. Both are 1 or 2; a character CP932 cannot hold becomes one "?".
class CharacterMeasure {
public:
    virtual ~CharacterMeasure() = default;
    virtual int cells(char32_t c) const = 0;
    virtual int cp932Bytes(char32_t c) const = 0;
};

} // namespace tallaro
