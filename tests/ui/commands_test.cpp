#include "AnswerLayout.h"
#include "CalcDialog.h"
#include "ControlIds.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace tallaro {
namespace {

// "秒" in CP932.
const std::string secondsMark = "\x95\x62";
// "0.001秒以下" in CP932.
const std::string underOneMillisecond = "0.001\x95\x62\x88\xc8\x89\xba";

class Commands : public ::testing::Test {
protected:
    // Types the operands and presses a button; the clock reads t0 and then t1.
    void press(void (CalcDialog::*command)(), const char *a, const char *b, std::uint32_t t0 = 0,
               std::uint32_t t1 = 0) {
        window.type(ids::operandA, a);
        window.type(ids::operandB, b);
        window.scriptClock({t0, t1});
        (dialog.*command)();
    }
    void divide(const char *a, const char *b, const char *precision, bool ticked) {
        window.type(ids::precision, precision);
        window.tick(ticked);
        press(&CalcDialog::OnDivide, a, b);
    }
    std::string copied() {
        dialog.OnCopyAnswer();
        return window.clipboard;
    }

    FakePlatform window;
    CalcDialog dialog{window};
};

TEST_F(Commands, DigitCountsFromThePlainAnswer) {
    struct Case {
        const char *answer, *integer, *fraction;
    };
    const Case cases[] = {
        {"0.5", "0", "1"},   {"10.5", "2", "1"}, {"-12.25", "3", "2"}, {"-0.5", "2", "1"},
        {"100", "3", ""},    {"0", "1", ""},     {"", "0", ""},        {"2.", "1", "0"},
        {"-7", "2", ""},
    };
    for (const Case &c : cases) {
        dialog.showDigitCounts(c.answer);
        EXPECT_EQ(window.field(ids::integerDigits), c.integer) << c.answer;
        EXPECT_EQ(window.field(ids::fractionDigits), c.fraction) << c.answer;
    }
}

TEST_F(Commands, ElapsedTimeInSeconds) {
    struct Case {
        std::uint32_t t0, t1;
        std::string shown;
    };
    const Case cases[] = {
        {7, 7, underOneMillisecond},
        {100, 116, "0.016" + secondsMark},
        {0, 120, "0.12" + secondsMark},
        {0, 1000, "1" + secondsMark},
        {5, 1239, "1.234" + secondsMark},
        {0, 2000, "2" + secondsMark},
        {0xFFFFFFF8u, 8, "0.016" + secondsMark}, // the clock wrapped around
    };
    for (const Case &c : cases) {
        press(&CalcDialog::OnAdd, "1", "2", c.t0, c.t1);
        EXPECT_EQ(window.field(ids::elapsedTime), c.shown) << c.t0 << ".." << c.t1;
    }
}

TEST_F(Commands, ElapsedTimeIsCutLikeTheLastQuotient) {
    divide("1", "3", "1", false);
    press(&CalcDialog::OnAdd, "1", "2", 0, 1234);
    EXPECT_EQ(window.field(ids::elapsedTime), "1.2" + secondsMark);
}

TEST_F(Commands, EachButtonShowsAndKeepsItsAnswer) {
    struct Case {
        void (CalcDialog::*command)();
        const char *a, *b, *answer;
    };
    const Case cases[] = {
        {&CalcDialog::OnAdd, "1,000.5", "2.25", "1002.75"},
        {&CalcDialog::OnSubtract, "1", "3", "-2"},
        {&CalcDialog::OnMultiply, "12", "-3.5", "-42.0"},
        {&CalcDialog::OnDivide, "1", "8", "0.125"},
    };
    window.type(ids::precision, "1000");
    for (const Case &c : cases) {
        press(c.command, c.a, c.b);
        EXPECT_EQ(window.field(ids::answer), layOutAnswer(c.answer, 0, 0).text) << c.answer;
        EXPECT_EQ(copied(), c.answer);
        EXPECT_EQ(window.field(ids::operandA), c.a);
        EXPECT_EQ(window.field(ids::operandB), c.b);
    }
}

TEST_F(Commands, RoadOfOneSeventhWithTheBoxTicked) {
    window.type(ids::precision, "1000");
    window.tick(true);
    press(&CalcDialog::OnDivide, "1", "7", 40, 42);

    std::string quotient = "0.";
    while (quotient.size() < 1002)
        quotient += "142857";
    quotient.resize(1002);
    EXPECT_EQ(window.field(ids::answer), layOutAnswer(quotient, 0, 0).text);
    EXPECT_EQ(window.field(ids::integerDigits), "0");
    EXPECT_EQ(window.field(ids::fractionDigits), "1000");
    EXPECT_EQ(window.field(ids::elapsedTime), "0.002" + secondsMark);
    EXPECT_EQ(window.field(ids::repetendHead), "1");
    EXPECT_EQ(window.field(ids::repetendTail), "6");
    EXPECT_EQ(window.selection, (FakePlatform::Selection{68, 75}));
    EXPECT_EQ(window.field(ids::answer).substr(68, 7), "14285 7");
    EXPECT_EQ(dialog.m_findRepetend, 0);
    EXPECT_EQ(copied(), quotient);
}

TEST_F(Commands, RepetendMarkedAcrossAGroupSeparator) {
    divide("1", "70", "1000", true);
    EXPECT_EQ(window.field(ids::repetendHead), "2");
    EXPECT_EQ(window.field(ids::repetendTail), "7");
    EXPECT_EQ(window.selection, (FakePlatform::Selection{69, 76}));
    EXPECT_EQ(window.field(ids::answer).substr(69, 7), "1428 57");
}

TEST_F(Commands, NoRepetendShownWithoutTheBoxOrAfterIt) {
    divide("1", "7", "1000", false);
    EXPECT_EQ(window.field(ids::repetendHead), "0");
    EXPECT_EQ(window.field(ids::repetendTail), "0");
    EXPECT_EQ(window.selection, FakePlatform::Selection{});

    divide("1", "7", "1000", true);
    divide("1", "3", "1000", false); // the earlier places and offsets must not mark this one
    EXPECT_EQ(window.field(ids::repetendHead), "0");
    EXPECT_EQ(window.selection, FakePlatform::Selection{});
}

TEST_F(Commands, PrecisionFieldReadAsItsLeadingInteger) {
    struct Case {
        const char *typed;
        int digits;
    };
    const Case cases[] = {
        {"1000abc", 1000},  {" 25", 25},  {"abc", 0},     {"", 0},
        {"\t+7", 7},        {"-5", -5},   {"- 5", 0},     {"12 34", 12},
        {"99999999999", INT_MAX},         {"-99999999999", INT_MIN},
        {"\x82\x50", 0}, // a full-width "１"
    };
    for (const Case &c : cases) {
        divide("1", "4", c.typed, false);
        EXPECT_EQ(dialog.m_fractionDigits, c.digits) << '"' << c.typed << '"';
    }
}

TEST_F(Commands, AnEmptyAnswerEmptiesTheOutputFields) {
    struct Case {
        void (CalcDialog::*command)();
        const char *a, *b, *places;
    };
    const Case cases[] = {
        {&CalcDialog::OnAdd, "1", "", ""},
        {&CalcDialog::OnMultiply, "", "2", ""},
        {&CalcDialog::OnDivide, "1", "", "0"},
        {&CalcDialog::OnDivide, "1", "0", "0"},
    };
    for (const Case &c : cases) {
        for (const int id : {ids::answer, ids::integerDigits, ids::fractionDigits,
                             ids::repetendHead, ids::repetendTail})
            window.type(id, "old");
        press(c.command, c.a, c.b, 3, 3);
        EXPECT_EQ(window.field(ids::answer), "");
        EXPECT_EQ(window.field(ids::integerDigits), "0");
        EXPECT_EQ(window.field(ids::fractionDigits), "");
        EXPECT_EQ(window.field(ids::elapsedTime), underOneMillisecond);
        EXPECT_EQ(window.field(ids::repetendHead), c.places);
        EXPECT_EQ(window.field(ids::repetendTail), c.places);
        EXPECT_EQ(copied(), "");
    }
}

TEST_F(Commands, AdditionAfterADivisionClearsItsRepetend) {
    divide("1", "7", "1000", true);
    press(&CalcDialog::OnAdd, "1", "2");
    EXPECT_EQ(window.field(ids::repetendHead), "");
    EXPECT_EQ(window.field(ids::repetendTail), "");
    EXPECT_EQ(window.selection, FakePlatform::Selection{});
    EXPECT_EQ(copied(), "3");
}

// The clock covers the engine call and the wait cursor only; the fields follow in their order.
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
