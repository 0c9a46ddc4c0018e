#include "AnswerLayout.h"

#include <gtest/gtest.h>

#include <climits>
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
        // The sign of an integer part stands next to its digits, or in the prefix when the
        // digits fill their line.
        {"-" + digits(49) + ".5", right("-" + digits(49)) + gap + line(" .", "5")},
        {"-" + fifty + ".5", line(" -", fifty) + gap + line(" .", "5")},
        {fifty + "12.5", right("11") + line("  ", fifty.substr(2) + "12") + gap + line(" .", "5")},
        {"0." + digits(100, '3'), right("0") + gap + line(" .", digits(50, '3')) +
                                      line("  ", digits(50, '3'))},
        {"0." + digits(101, '3'), right("0") + gap + line(" .", digits(50, '3')) +
                                      line("  ", digits(50, '3')) + line("  ", "3")},
        // A quotient cut to no fraction digits keeps its point but has no fraction lines.
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
        // Places far beyond any text the window could hold still give defined, bounded offsets.
        {"0.5", INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const Case &c : cases) {
        const LaidOutAnswer laid = layOutAnswer(c.answer, c.head, c.tail);
        EXPECT_TRUE(laid.marksRepetend);
        EXPECT_EQ(laid.selStart, c.start) << c.answer << " head " << c.head;
        EXPECT_EQ(laid.selEnd, c.end) << c.answer << " tail " << c.tail;
    }
    EXPECT_FALSE(layOutAnswer(oneLine, 3, 0).marksRepetend);
}

} // namespace
} // namespace tallaro
