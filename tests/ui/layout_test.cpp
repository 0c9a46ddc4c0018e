#include "AnswerLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

namespace tallaro {
namespace {

// One laid-out line from its prefix and up to 50 digit cells, the rest filled with spaces.
std::string line(const std::string &prefix, std::string cells) {
    EXPECT_LE(cells.size(), 50u) << cells;
    cells.resize(50, ' ');
    std::string text = prefix;
    for (std::size_t group = 0; group < 10; ++group)
        text += cells.substr(group * 5, 5) + " ";
    return text + "\r\n";
}
// An integer line set flush right.
std::string right(const std::string &cells) {
    return line("  ", std::string(50 - cells.size(), ' ') + cells);
}
std::string digits(std::size_t n, char c = '1') { return std::string(n, c); }

TEST(AnswerLayout, WrittenOutInFull) {
    EXPECT_EQ(layOutAnswer("408", 0, 0).text,
              "  408                                                         \r\n");
    EXPECT_EQ(layOutAnswer("0.25", 0, 0).text,
              "                                                            0 \r\n"
              "\r\n"
              " .25                                                          \r\n");
}

TEST(AnswerLayout, LinesOfFiftyInGroupsOfFive) {
    const std::string fifty = digits(45) + "67890", gap = "\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"-", ""},
        {"-6", line(" -", "6")},
        {fifty, line("  ", fifty)},
        {fifty + "2", line("  ", fifty) + line("  ", "2")},
        {"-" + fifty + "2", line(" -", fifty) + line("  ", "2")},
        // The sign of an integer part stands next to its digits, or in the prefix when the
        // digits fill their line.
        {"-3.0", right("-3") + gap + line(" .", "0")},
        {"-" + digits(49) + ".5", right("-" + digits(49)) + gap + line(" .", "5")},
        {"-" + fifty + ".5", line(" -", fifty) + gap + line(" .", "5")},
        {fifty + "12.5", right("11") + line("  ", fifty.substr(2) + "12") + gap + line(" .", "5")},
        {"0." + digits(100, '3'), right("0") + gap + line(" .", digits(50, '3')) +
                                      line("  ", digits(50, '3'))},
        {"0." + digits(101, '3'), right("0") + gap + line(" .", digits(50, '3')) +
                                      line("  ", digits(50, '3')) + line("  ", "3")},
        // A quotient cut to no fraction digits keeps its point but has no fraction lines.
        {"2.", right("2")},
        {"-1763.", right("-1763")},
    };
    for (const auto &[answer, laid] : cases)
        EXPECT_EQ(layOutAnswer(answer, 0, 0).text, laid) << answer;
}

TEST(AnswerLayout, RepetendOffsetsAcrossGroupsAndLines) {
    struct Case {
        std::string answer;
        int head, tail, start, end;
    };
    const std::string oneLine = "0." + digits(200, '7');    // integer text: 64 characters
    const std::string twoLines = digits(51) + ".142857142"; // integer text: 128 characters
    const Case cases[] = {
        {oneLine, 1, 6, 68, 75},         {oneLine, 5, 5, 72, 74},
        {oneLine, 50, 50, 126, 132},     {oneLine, 51, 51, 132, 133},
        {oneLine, 53, 58, 134, 141},     {oneLine, 2, 50, 69, 132},
        {twoLines, 1, 6, 132, 139},      {"-" + twoLines, 2, 7, 133, 140},
        {"12345", 1, 1, 68, 69},
    };
    for (const Case &c : cases) {
        const LaidOutAnswer laid = layOutAnswer(c.answer, c.head, c.tail);
        EXPECT_TRUE(laid.marksRepetend);
        EXPECT_EQ(laid.selStart, c.start) << c.answer << " head " << c.head;
        EXPECT_EQ(laid.selEnd, c.end) << c.answer << " tail " << c.tail;
    }
    EXPECT_FALSE(layOutAnswer(oneLine, 3, 0).marksRepetend);
}

// Whatever the integer part, the offset of fraction place n points at that digit.
TEST(AnswerLayout, OffsetsPointAtTheirFractionDigits) {
    std::mt19937 random(5);
    const auto upTo = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto digit = [](int place) { return static_cast<char>('0' + (place - 1) % 7 + 1); };
    for (int round = 0; round < 200; ++round) {
        const int places = upTo(1, 260), head = upTo(1, places), tail = upTo(head, places);
        std::string answer(static_cast<std::size_t>(upTo(1, 160)), '9');
        answer += '.';
        for (int place = 1; place <= places; ++place)
            answer += digit(place);
        const LaidOutAnswer laid = layOutAnswer(answer, head, tail);
        const auto at = [&](int offset) { return laid.text[static_cast<std::size_t>(offset)]; };
        EXPECT_EQ(at(laid.selStart), digit(head)) << answer;
        // The end is just past the tail's digit, or past the separator of a group it ends (and
        // the next prefix when it ends a line); only the last line's end points past the text.
        if (laid.selEnd > static_cast<int>(laid.text.size())) {
            EXPECT_TRUE(tail == places && tail % 50 == 0) << answer << " tail " << tail;
        } else {
            EXPECT_EQ(at(laid.selEnd - 1), tail % 5 != 0 ? digit(tail) : ' ') << answer << tail;
        }
    }
}

// Places far beyond any text the window could hold still give defined, bounded offsets.
TEST(AnswerLayout, HugePlacesStayInRange) {
    const LaidOutAnswer laid = layOutAnswer("0.5", INT_MAX, INT_MAX);
    EXPECT_EQ(laid.selStart, INT_MAX);
    EXPECT_EQ(laid.selEnd, INT_MAX);
}

} // namespace
} // namespace tallaro
