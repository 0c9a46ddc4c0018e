#include "DecimalEngine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tallaro {
namespace {

using Method = DecimalEngine::DivisionMethod;

// What a division gives its callers, as one text so that a difference shows where it is:
// the answer, the place of its last fraction digit and the repetend's places, which are
// left alone unless a repetend is found.
std::string divided(Method method, const std::string &a, const std::string &b, int p, bool detect) {
    DecimalEngine e;
    e.m_divisionMethod = method;
    e.m_fractionDigits = p;
    e.m_findRepetend = detect ? 1 : 0;
    e.m_repetendHead = e.m_repetendTail = -7;
    std::ostringstream out;
    out << e.divide(a, b) << "\nfraction place " << e.m_fractionPlace << "\nrepetend "
        << e.m_repetendHead << ".." << e.m_repetendTail;
    return out.str();
}

// The limb paths against the digit loop.
void expectSameAsDigitLoop(const std::string &a, const std::string &b, int p, bool detect) {
    ASSERT_EQ(divided(Method::Limbs, a, b, p, detect), divided(Method::DigitLoop, a, b, p, detect))
        << a << " / " << b << " to " << p << (detect ? ", detecting" : "");
}

// Every precision from 0 up (and a negative one, taken as 0), with and without detection, on
// operands that pick out one kind of stop each: exact whole and fraction quotients (one
// ending near the place 4n where the limb path stops looking for an end), remainders one
// digit short of the divisor, long runs of zero places, all nines, powers of ten, a dividend
// shorter than, as long as and longer than the divisor, and repetends starting in and after
// the preparation's places.
TEST(FastDivide, EveryPrecisionAgreesWithTheDigitLoop) {
    const char *const pairs[][2] = {
        {"1", "7"},          {"22", "7"},         {"10", "4"},       {"7", "7"},
        {"1", "8"},          {"100", "1"},        {"1001", "1000"},  {"1", "1001"},
        {"1", "700"},        {"5", "700000"},     {"9", "162"},      {"4", "99"},
        {"1", "8589934592"}, {"1", "95367431640625"}, {"12345678901234567890", "125"},
        {"999999999999", "9999999"},     {"1", "99999999999999999999"},
        {"100000000000000000000", "1000"}, {"1000000000001", "1000000000000000000000001"},
        {"5", "97"},         {"-0.5", "0.25"},    {"123.456", "-0.000789"},
        {"40000000", "9999999999999999"},         {"98765432109876543210", "98765432109876543211"},
    };
    for (const auto &pair : pairs)
        for (int p = -1; p <= 230; ++p)
            for (const bool detect : {false, true})
                expectSameAsDigitLoop(pair[0], pair[1], p, detect);
}

// The largest precision, where the places asked for and the integer places or the zero
// places in front of them add up past the 32-bit range: quotients that end, by one limb and
// by more, whole and with a fraction, after zero places or none.
TEST(FastDivide, TheLargestPrecisionAgreesWithTheDigitLoop) {
    const char *const pairs[][2] = {
        {"1", "8"},       {"1", "8589934592"}, {"12345678901234567890", "125"},
        {"7", "7"},       {"1", "1024000"},    {"3", "95367431640625000000"},
        {"-0.5", "0.25"}, {"100", "1"},        {"1", "1000000000000000000000"},
    };
    for (const auto &pair : pairs)
        for (const bool detect : {false, true})
            expectSameAsDigitLoop(pair[0], pair[1], 2147483647, detect);
}

} // namespace
} // namespace tallaro
