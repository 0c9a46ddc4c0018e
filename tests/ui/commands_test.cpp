#include "DialogSupport.h"
#include "FakePlatform.h"
#include "PrecisionField.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <climits>
#include <string>
#include <utility>

namespace tallaro {
namespace {

// "秒" and "0.001秒以下" in CP932.
const std::string seconds = "\x95\x62", underOneMillisecond = "0.001\x95\x62\x88\xc8\x89\xba";

class Commands : public DialogTest {
protected:
    std::string copied() {
        dialog.OnCopyAnswer();
        return window.clipboard;
    }
    // The answer field read as one number: without its blanks and line ends.
    std::string shown() const {
        std::string text = window.fields.at(ids::answer);
        std::erase_if(text, [](char c) { return c == ' ' || c == '\r' || c == '\n'; });
        return text;
    }
    std::string marked() const {
        const auto [start, end] = window.selection;
        const auto at = static_cast<std::size_t>(start), count = static_cast<std::size_t>(end) - at;
        return start < 0 ? "" : window.fields.at(ids::answer).substr(at, count);
    }
};

TEST_F(Commands, DigitCountsFromThePlainAnswer) {
    const char *cases[][3] = {{"0.5", "0", "1"}, {"10.5", "2", "1"}, {"-12.25", "3", "2"},
                              {"-0.5", "2", "1"}, {"0", "1", ""},   {"", "0", ""},
                              {"2.", "1", "0"},   {"-7", "2", ""}};
    for (const auto &[answer, integer, fraction] : cases) {
        dialog.showDigitCounts(answer);
        EXPECT_EQ(window.fields[ids::integerDigits], integer) << answer;
        EXPECT_EQ(window.fields[ids::fractionDigits], fraction) << answer;
    }
}

// Counts past the 32-bit range are shown as they are: 1 / 1001 to 2147483647 places has
// 2147483648 fraction digits.
TEST(CountText, ExactPastThe32BitRange) {
    const std::pair<std::size_t, const char *> cases[] = {
        {0, "0"},
        {2147483647, "2147483647"},
        {2147483648, "2147483648"},
        {(std::size_t{1} << 32) + 5, "4294967301"},
    };
    for (const auto &[count, shown] : cases)
        EXPECT_EQ(countText(count), shown);
}

TEST_F(Commands, ElapsedTimeInSeconds) {
    const std::pair<std::uint32_t, std::string> cases[] = {
        {0, underOneMillisecond},  {16, "0.016" + seconds}, {90, "0.09" + seconds},
        {1234, "1.234" + seconds}, {2000, "2" + seconds},
    };
    for (const auto &[ms, shown] : cases) {
        // From a clock that wraps around during the run.
        for (const std::uint32_t t0 : {100u, 0xFFFFFFF8u}) {
            press(&CalcDialog::OnAdd, "1", "2", t0, t0 + ms);
            EXPECT_EQ(window.fields[ids::elapsedTime], shown) << t0 << " + " << ms;
        }
    }
    // Whole milliseconds after a quotient of fewer places, and for that quotient itself.
    for (const char *precision : {"0", "1", "2"}) {
        window.fields[ids::precision] = precision;
        press(&CalcDialog::OnDivide, "1", "3", 0, 1234);
        EXPECT_EQ(window.fields[ids::elapsedTime], "1.234" + seconds) << precision;
        press(&CalcDialog::OnMultiply, "1", "2", 0, 90);
        EXPECT_EQ(window.fields[ids::elapsedTime], "0.09" + seconds) << precision;
    }
}

// Commands in turn: each shows its own answer (an empty one too) and its digit counts, keeps
// the answer for the copy, and the repetend of an earlier division never marks a later answer.
TEST_F(Commands, EachCommandShowsItsAnswerAndOnlyItsRepetend) {
    struct Step {
        Command command;
        const char *a, *b;
        bool ticked;
        const char *answer, *integer, *fraction, *head, *tail, *marked;
    };
    const Step steps[] = {
        {&CalcDialog::OnAdd, "1,000.5", "2.25", false, "1002.75", "4", "2", "", "", ""},
        {&CalcDialog::OnSubtract, "1", "3", false, "-2", "2", "", "", "", ""},
        {&CalcDialog::OnMultiply, "12", "-3.5", false, "-42.0", "3", "1", "", "", ""},
        {&CalcDialog::OnDivide, "1", "70", true, "0.014285714285", "0", "12", "2", "7", "1428 57"},
        {&CalcDialog::OnMultiply, "", "2", false, "", "0", "", "", "", ""},
        {&CalcDialog::OnDivide, "1", "7", false, "0.142857142857", "0", "12", "0", "0", ""},
        {&CalcDialog::OnDivide, "1", "0", false, "", "0", "", "0", "0", ""},
    };
    window.fields[ids::precision] = "12";
    for (const Step &s : steps) {
        window.checkBox = s.ticked;
        press(s.command, s.a, s.b);
        EXPECT_EQ(shown(), s.answer);
        EXPECT_EQ(window.fields[ids::integerDigits], s.integer) << s.answer;
        EXPECT_EQ(window.fields[ids::fractionDigits], s.fraction) << s.answer;
        EXPECT_EQ(dialog.m_findRepetend, 0) << s.answer; // the elapsed time looks for none
        EXPECT_EQ(window.fields[ids::repetendHead], s.head) << s.answer;
        EXPECT_EQ(window.fields[ids::repetendTail], s.tail) << s.answer;
        EXPECT_EQ(marked(), s.marked) << s.answer;
        EXPECT_EQ(copied(), s.answer);
    }
}

// Field texts are CP932; the expected texts here are written as the user reads them.
std::string cp932(std::string utf8) {
    const iconv_t convert = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2, '\0');
    char *in = utf8.data(), *to = out.data();
    std::size_t inLeft = utf8.size(), outLeft = out.size();
    EXPECT_NE(iconv(convert, &in, &inLeft, &to, &outLeft), static_cast<std::size_t>(-1)) << utf8;
    iconv_close(convert);
    out.resize(out.size() - outLeft);
    return out;
}

// An empty answer stays empty and says why in the field's placeholder; an answer clears it.
TEST_F(Commands, EmptyAnswerSaysWhyInThePlaceholder) {
    const std::tuple<Command, const char *, const char *, const char *> cases[] = {
        {&CalcDialog::OnAdd, "", "1", "(A)が空です。"},
        {&CalcDialog::OnSubtract, "1", "", "(B)が空です。"},
        {&CalcDialog::OnAdd, "12345\r\n", "5", "(A)に数に使えない文字（改行）があります。"},
        {&CalcDialog::OnMultiply, "1", "+5", "(B)に数に使えない文字「+」があります。"},
        {&CalcDialog::OnAdd, "１２", "1", "(A)に数に使えない文字「１」があります。"},
        {&CalcDialog::OnAdd, "1\t2", "1", "(A)に数に使えない文字（タブ）があります。"},
        {&CalcDialog::OnAdd, "1　2", "1", "(A)に数に使えない文字（全角の空白）があります。"},
        {&CalcDialog::OnAdd, "1", "\x7f", "(B)に数に使えない文字（制御文字 0x7F）があります。"},
        {&CalcDialog::OnDivide, "1.2.3", "1", "(A)に小数点が二つ以上あります。"},
        {&CalcDialog::OnMultiply, "-", "5", "(A)に数字がありません。"},
        {&CalcDialog::OnDivide, "1", "0", "(B)が0です。0では割れません。"},
        {&CalcDialog::OnDivide, "0.0", "5", "(A)が0です。0の割り算は答えを出しません。"},
        {&CalcDialog::OnDivide, "1", "4", ""},
    };
    for (const auto &[command, a, b, why] : cases) {
        press(command, cp932(a), cp932(b));
        EXPECT_EQ(window.placeholders[ids::answer], cp932(why)) << a << " " << b;
        EXPECT_EQ(window.fields[ids::answer].empty(), *why != '\0') << a << " " << b;
    }
}

// The precision field that a division reads.
TEST(PrecisionField, ReadAsItsLeadingInteger) {
    const std::pair<const char *, int> cases[] = {
        {"1000abc", 1000}, {" 25", 25}, {"", 0}, {"\t+7", 7}, {"-5", -5}, {"- 5", 0},
        {"99999999999", INT_MAX},       {"-99999999999", INT_MIN},
        {"\x82\x50", 0}, // a full-width "１"
        // Every blank in front is skipped; the characters next to blanks and digits end it.
        {"\n3", 3}, {"\v3", 3}, {"\f3", 3}, {"\r3", 3}, {"\r\n\t\v\f 42", 42},
        {"\b3", 0}, {"\x0e" "3", 0}, {"\x1f" "3", 0}, {"!3", 0}, {"/3", 0}, {"3:4", 3},
    };
    for (const auto &[typed, digits] : cases)
        EXPECT_EQ(leadingInteger(typed), digits) << '"' << typed << '"';
}

} // namespace
} // namespace tallaro
