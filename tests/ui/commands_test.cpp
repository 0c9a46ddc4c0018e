#include "AnswerLayout.h"
#include "CalcDialog.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace tallaro {
namespace {

using Command = void (CalcDialog::*)();
// "秒" and "0.001秒以下" in CP932.
const std::string seconds = "\x95\x62", underOneMillisecond = "0.001\x95\x62\x88\xc8\x89\xba";

class Commands : public ::testing::Test {
protected:
    // Types the operands and presses a button; the clock reads t0 and then t1.
    void press(Command command, const char *a, const char *b, std::uint32_t t0 = 0,
               std::uint32_t t1 = 0) {
        window.type(ids::operandA, a);
        window.type(ids::operandB, b);
        window.scriptClock({t0, t1});
        (dialog.*command)();
    }
    void divide(const char *a, const char *b, const char *precision, bool ticked = false) {
        window.type(ids::precision, precision);
        window.checkBox = ticked;
        press(&CalcDialog::OnDivide, a, b);
    }
    std::string copied() {
        dialog.OnCopyAnswer();
        return window.clipboard;
    }
    std::string marked() const {
        const auto [start, end] = window.selection;
        const auto at = static_cast<std::size_t>(start), count = static_cast<std::size_t>(end) - at;
        return start < 0 ? "" : window.field(ids::answer).substr(at, count);
    }

    FakePlatform window;
    CalcDialog dialog{window};
};

TEST_F(Commands, DigitCountsFromThePlainAnswer) {
    const char *cases[][3] = {{"0.5", "0", "1"}, {"10.5", "2", "1"}, {"-12.25", "3", "2"},
                              {"-0.5", "2", "1"}, {"100", "3", ""},  {"0", "1", ""},
                              {"", "0", ""},      {"2.", "1", "0"},  {"-7", "2", ""}};
    for (const auto &[answer, integer, fraction] : cases) {
        dialog.showDigitCounts(answer);
        EXPECT_EQ(window.field(ids::integerDigits), integer) << answer;
        EXPECT_EQ(window.field(ids::fractionDigits), fraction) << answer;
    }
}

TEST_F(Commands, ElapsedTimeInSeconds) {
    const std::pair<std::uint32_t, std::string> cases[] = {
        {0, underOneMillisecond},  {16, "0.016" + seconds}, {1234, "1.234" + seconds},
        {2000, "2" + seconds},
    };
    for (const auto &[ms, shown] : cases) {
        // From a clock that wraps around during the run.
        for (const std::uint32_t t0 : {100u, 0xFFFFFFF8u}) {
            press(&CalcDialog::OnAdd, "1", "2", t0, t0 + ms);
            EXPECT_EQ(window.field(ids::elapsedTime), shown) << t0 << " + " << ms;
        }
    }
    // Cut like the last quotient.
    divide("1", "3", "1");
    press(&CalcDialog::OnAdd, "1", "2", 0, 1234);
    EXPECT_EQ(window.field(ids::elapsedTime), "1.2" + seconds);
}

// Commands in turn: each shows its own answer (an empty one too), keeps it for the copy, and
// the repetend of an earlier division never marks a later answer.
TEST_F(Commands, EachCommandShowsItsAnswerAndOnlyItsRepetend) {
    struct Step {
        Command command;
        const char *a, *b;
        bool ticked;
        const char *answer, *head, *tail, *marked;
        FakePlatform::Selection selection;
    };
    const auto none = FakePlatform::unselected;
    const Step steps[] = {
        {&CalcDialog::OnAdd, "1,000.5", "2.25", false, "1002.75", "", "", "", none},
        {&CalcDialog::OnSubtract, "1", "3", false, "-2", "", "", "", none},
        {&CalcDialog::OnMultiply, "12", "-3.5", false, "-42.0", "", "", "", none},
        {&CalcDialog::OnDivide, "1", "70", true, "0.014285714285", "2", "7", "1428 57", {69, 76}},
        {&CalcDialog::OnMultiply, "", "2", false, "", "", "", "", none},
        {&CalcDialog::OnAdd, "1", "2", false, "3", "", "", "", none},
        {&CalcDialog::OnDivide, "1", "7", false, "0.142857142857", "0", "0", "", none},
        {&CalcDialog::OnDivide, "1", "0", false, "", "0", "0", "", none},
    };
    window.type(ids::precision, "12");
    for (const Step &s : steps) {
        window.checkBox = s.ticked;
        press(s.command, s.a, s.b);
        EXPECT_EQ(window.field(ids::answer), layOutAnswer(s.answer, 0, 0).text) << s.answer;
        EXPECT_EQ(window.field(ids::repetendHead), s.head) << s.answer;
        EXPECT_EQ(window.field(ids::repetendTail), s.tail) << s.answer;
        EXPECT_EQ(window.selection, s.selection) << s.answer;
        EXPECT_EQ(marked(), s.marked) << s.answer;
        EXPECT_EQ(copied(), s.answer);
    }
}

TEST_F(Commands, RoadOfOneSeventhWithTheBoxTicked) {
    window.type(ids::precision, "1000");
    window.checkBox = true;
    press(&CalcDialog::OnDivide, "1", "7", 40, 42);

    std::string quotient = "0.";
    while (quotient.size() < 1002)
        quotient += "142857";
    quotient.resize(1002);
    EXPECT_EQ(window.field(ids::answer), layOutAnswer(quotient, 0, 0).text);
    EXPECT_EQ(window.field(ids::integerDigits), "0");
    EXPECT_EQ(window.field(ids::fractionDigits), "1000");
    EXPECT_EQ(window.field(ids::elapsedTime), "0.002" + seconds);
    EXPECT_EQ(window.field(ids::repetendHead), "1");
    EXPECT_EQ(window.field(ids::repetendTail), "6");
    EXPECT_EQ(window.selection, FakePlatform::Selection(68, 75));
    EXPECT_EQ(marked(), "14285 7");
    EXPECT_EQ(dialog.m_findRepetend, 0);
    EXPECT_EQ(copied(), quotient);
}

TEST_F(Commands, PrecisionFieldReadAsItsLeadingInteger) {
    const std::pair<const char *, int> cases[] = {
        {"1000abc", 1000}, {" 25", 25}, {"abc", 0},   {"", 0},   {"\t+7", 7},
        {"-5", -5},        {"- 5", 0},  {"12 34", 12}, {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},      {"\x82\x50", 0}, // a full-width "１"
    };
    for (const auto &[typed, digits] : cases) {
        divide("1", "4", typed);
        EXPECT_EQ(dialog.m_fractionDigits, digits) << '"' << typed << '"';
    }
}

// The clock covers the engine call and the wait cursor only; the fields follow in their order,
// and the operand fields are never written.
TEST_F(Commands, StepsInTheirOrder) {
    const std::vector<std::string> timed = {"clock", "wait on", "wait off", "clock", "set 1002"};
    std::vector<std::string> arithmetic = timed, division = timed;
    for (const char *id : {"1010", "1011", "1007", "1008", "1009"})
        arithmetic.push_back(std::string("set ") + id);
    for (const char *id : {"1007", "1008", "1009", "1010", "1011"})
        division.push_back(std::string("set ") + id);

    press(&CalcDialog::OnSubtract, "1", "2");
    EXPECT_EQ(window.events, arithmetic);
    window.events.clear();
    press(&CalcDialog::OnDivide, "1", "2");
    EXPECT_EQ(window.events, division);
}

} // namespace
} // namespace tallaro
