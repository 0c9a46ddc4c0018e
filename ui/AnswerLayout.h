#pragma once

#include <string>
#include <string_view>

namespace tallaro {

// An answer laid out for the answer field, with the repetend's character offsets in it.
struct LaidOutAnswer {
    std::string text;
    // Set only when the repetend tail given was above 0; offsets count "\r\n" as two.
    bool marksRepetend = false;
    int selStart = 0;
    int selEnd = 0;
};

// Lays an answer out in lines of 50 digits in ten groups of five: "-" is taken out as the
// sign, an integer is set flush left, a number with a point gets its integer part set flush
// right, an empty line and its fraction digits from the left. head and tail are the repetend's
// 1-based fraction places (tail 0: none).
LaidOutAnswer layOutAnswer(std::string_view answer, int repetendHead, int repetendTail);

} // namespace tallaro
