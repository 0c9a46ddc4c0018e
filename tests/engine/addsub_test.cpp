#include "DecimalEngine.h"
#include "GmpOracle.h"
#include "RandomOperands.h"

#include <gtest/gtest.h>

namespace tallaro {
namespace {

struct Case {
    const char *a;
    const char *op;
    const char *b;
    const char *answer;
};

void expectAnswers(std::initializer_list<Case> cases) {
    for (const Case &c : cases) {
        DecimalEngine engine;
        EXPECT_EQ(engine.calculate(c.a, c.op, c.b), c.answer)
            << '"' << c.a << "\" " << c.op << " \"" << c.b << '"';
    }
}

TEST(AddSubtract, CarriesBorrowsAndFractionWidths) {
    expectAnswers({
        {"1", "+", "2", "3"},           {"999", "+", "1", "1000"},
        {"007", "+", "1", "8"},         {"1.5", "+", "1.5", "3.0"},
        {"1.50", "+", "2.5", "4.00"},   {"99.9", "+", "0.1", "100.0"},
        {"0.1", "+", "0.9", "1.0"},     {"12.5", "-", "12.75", "-0.25"},
        {"100", "-", "99.99", "0.01"},  {"0.001", "-", "0.0005", "0.0005"},
        {"1.", "+", "2.", "3"},         {"999999999", "+", "0.000000001", "999999999.000000001"},
    });
}

TEST(AddSubtract, SignsFollowTheCaseTable) {
    expectAnswers({
        {"5", "-", "7", "-2"},      {"-5", "-", "-7", "2"},     {"-5", "+", "-7", "-12"},
        {"5", "+", "-7", "-2"},     {"7", "+", "-5", "2"},      {"-7", "+", "5", "-2"},
        {"-5", "+", "7", "2"},      {"-5", "-", "7", "-12"},    {"5", "-", "-7", "12"},
        {"-7", "-", "-5", "-2"},    {"-100", "-", "-99.99", "-0.01"},
        {"--5", "+", "1", "-4"},    {"5-", "+", "1", "-4"},     {"-", "+", "5", "5"},
    });
}

TEST(AddSubtract, ZerosKeepTheSignOnlyWithFractionDigits) {
    expectAnswers({
        {"-1", "+", "1", "0"},       {"-0", "+", "0", "0"},      {"1.5", "-", "1.5", "0.0"},
        {"-1.5", "+", "1.5", "-0.0"}, {"-0.0", "+", "0", "-0.0"}, {"10", "-", "10.00", "0.00"},
        {"-10", "+", "10.00", "-0.00"}, {"000", "+", "000", "0"},
    });
}

TEST(AddSubtract, ShortFormsAndSeparators) {
    expectAnswers({
        {".5", "+", ".5", "1.0"},  {".5", "-", ".7", "-0.2"}, {".", "+", ".", "0"},
        {"1,000", "+", " 1", "1001"}, {",", "+", "5", "5"},   {"1 234,5", "-", "1", "12344"},
        {"1,2.3 4", "+", "0", "12.34"},
    });
}

TEST(Calculate, RejectsEmptyInputAndUnknownOperators) {
    expectAnswers({
        {"", "+", "1", ""},  {"1", "+", "", ""}, {"1", "", "2", ""}, {"", "", "", ""},
        {"1", "x", "2", ""}, {"1", "++", "2", ""}, {"1", "+ ", "2", ""}, {"1", "%", "2", ""},
    });
}

TEST(Calculate, RefusesOperandsThatAreNotNumbers) {
    const char *const bad[] = {"1\t2", "1\n", "1.2.3", "+5", "12a", "\xef\xbc\x91", "1\r", "..", "1;2"};
    for (const char *op : {"+", "-", "*", "/"}) {
        for (const char *operand : bad) {
            DecimalEngine engine;
            EXPECT_EQ(engine.calculate(operand, op, "3"), "") << operand << ' ' << op;
            EXPECT_EQ(engine.calculate("3", op, operand), "") << operand << ' ' << op;
        }
    }
}

struct PrimitiveCase {
    const char *x;
    const char *y;
    int direction;
    const char *difference;
};

TEST(DigitPrimitives, CompareAddAndSubtract) {
    EXPECT_EQ(DecimalEngine::compareDigits("123", "123"), 1);
    EXPECT_EQ(DecimalEngine::compareDigits("123", "124"), 2);
    EXPECT_EQ(DecimalEngine::compareDigits("200", "199"), 1);
    EXPECT_EQ(DecimalEngine::compareDigits("0999", "1000"), 2);
    EXPECT_EQ(DecimalEngine::compareDigits("", ""), 1);

    EXPECT_EQ(DecimalEngine::addDigits("999", "001"), "1000");
    EXPECT_EQ(DecimalEngine::addDigits("15", "15"), "30");
    EXPECT_EQ(DecimalEngine::addDigits("5", "5"), "10");
    EXPECT_EQ(DecimalEngine::addDigits("000", "000"), "000");
    EXPECT_EQ(DecimalEngine::addDigits("", ""), "");

    for (const PrimitiveCase &c : {PrimitiveCase{"100", "001", 1, "099"}, {"015", "100", -1, "085"},
                                   {"15", "15", 1, "00"}, {"5", "7", -1, "2"},
                                   {"1000", "0999", 1, "0001"}, {"0999", "1000", -1, "0001"}}) {
        EXPECT_EQ(DecimalEngine::subtractDigits(c.x, c.y, c.direction), c.difference)
            << c.x << ' ' << c.y << ' ' << c.direction;
    }
}

// The sign a zero sum carries: the engine keeps A's sign on a zero with fraction digits.
std::string expectedSum(const std::string &a, char op, const std::string &b) {
    std::string exact = test::exactSum(a, op, b);
    const bool zero = exact.find_first_not_of("0.") == std::string::npos;
    if (zero && exact != "0" && a.find('-') != std::string::npos)
        exact.insert(0, "-");
    return exact;
}

TEST(AddSubtract, AgreesWithGmpOnRandomOperands) {
    test::RandomOperands random(20261206);
    DecimalEngine engine;
    for (int i = 0; i < 4000; ++i) {
        const std::size_t size = i < 3000 ? 30 : 3000;
        const std::string a = random.number(size, size / 2, i % 2 == 0);
        const std::string b = random.number(size, size / 2, i % 3 == 0);
        for (char op : {'+', '-'}) {
            const std::string typedA = random.withSeparators(a), typedB = random.withSeparators(b);
            // An operand left empty is refused as typed; one of separators only reads as 0.
            const std::string expected =
                typedA.empty() || typedB.empty() ? "" : expectedSum(a, op, b);
            ASSERT_EQ(engine.calculate(typedA, std::string(1, op), typedB), expected)
                << '"' << typedA << "\" " << op << " \"" << typedB << '"';
        }
    }
}

} // namespace
} // namespace tallaro
