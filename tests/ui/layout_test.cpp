#include "AnswerLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

namespace tallaro {
namespace {

// One laid-out line from its prefix and its 50 digit cells.
std::string line(const std::string &prefix, const std::string &cells) {
    EXPECT_EQ(cells.size(), 50u) << cells;
    std::string text = prefix;
    for (std::size_t group = 0; group < 10; ++group)
        text += cells.substr(group * 5, 5) + " ";
    return text + "\r\n";
}

std::string spaces(std::size_t n) { return std::string(n, ' '); }
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
    struct Case {
        const char *name;
        std::string answer;
        std::string laid;
    };
    const std::string fifty = digits(45) + "67890";
    const Case cases[] = {
        {"empty", "", ""},
        {"a lone sign", "-", ""},
        {"negative integer: sign in the prefix", "-6", line(" -", "6" + spaces(49))},
        {"fifty digits fill one line", fifty, line("  ", fifty)},
        {"fifty-one digits", fifty + "2", line("  ", fifty) + line("  ", "2" + spaces(49))},
        {"negative long integer: sign on the first line only", "-" + fifty + "2",
         line(" -", fifty) + line("  ", "2" + spaces(49))},
        {"negative integer part: sign next to its digits", "-3.0",
         line("  ", spaces(48) + "-3") + "\r\n" + line(" .", "0" + spaces(49))},
        {"negative integer part filling its line: sign in the prefix", "-" + fifty + ".5",
         line(" -", fifty) + "\r\n" + line(" .", "5" + spaces(49))},
        {"integer part over two lines, flush right", fifty + "12.5",
         line("  ", spaces(48) + "11") + line("  ", fifty.substr(2) + "12") + "\r\n" +
             line(" .", "5" + spaces(49))},
        {"negative integer part of 49 digits", "-" + digits(49) + ".5",
         line("  ", "-" + digits(49)) + "\r\n" + line(" .", "5" + spaces(49))},
        {"hundred fraction digits", "0." + digits(100, '3'),
         line("  ", spaces(49) + "0") + "\r\n" + line(" .", digits(50, '3')) +
             line("  ", digits(50, '3'))},
        {"hundred and one fraction digits", "0." + digits(101, '3'),
         line("  ", spaces(49) + "0") + "\r\n" + line(" .", digits(50, '3')) +
             line("  ", digits(50, '3')) + line("  ", "3" + spaces(49))},
        // A quotient cut to no fraction digits keeps its point but has no fraction lines.
        {"a point and no fraction digits", "2.", line("  ", spaces(49) + "2")},
        {"negative, a point and no fraction digits", "-1763.", line("  ", spaces(45) + "-1763")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(layOutAnswer(c.answer, 0, 0).text, c.laid) << c.name;
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

// Whatever the integer part, the offset of fraction place n points at that digit, and the
// end offset of the last digit is the offset of the next one.
TEST(AnswerLayout, OffsetsPointAtTheirFractionDigits) {
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        const auto integerLength = std::uniform_int_distribution<std::size_t>(1, 160)(random);
        const auto fractionLength = std::uniform_int_distribution<int>(1, 260)(random);
        std::string fraction;
        for (int i = 0; i < fractionLength; ++i)
            fraction += static_cast<char>('0' + i % 7 + 1);
        const std::string answer = std::string(integerLength, '9') + "." + fraction;
        const int head = std::uniform_int_distribution<int>(1, fractionLength)(random);
        const int tail = std::uniform_int_distribution<int>(head, fractionLength)(random);
        const LaidOutAnswer laid = layOutAnswer(answer, head, tail);
        const auto at = [&](int offset) { return laid.text[static_cast<std::size_t>(offset)]; };
        EXPECT_EQ(at(laid.selStart), fraction[static_cast<std::size_t>(head - 1)]) << answer;
        // A repetend ending a group takes its separator, one ending a line the next prefix;
        // past the last line there is nothing to take.
        if (tail % 5 != 0) {
            EXPECT_EQ(at(laid.selEnd - 1), fraction[static_cast<std::size_t>(tail - 1)]);
        } else if (laid.selEnd <= static_cast<int>(laid.text.size())) {
            EXPECT_EQ(at(laid.selEnd - 1), ' ') << answer << " tail " << tail;
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
