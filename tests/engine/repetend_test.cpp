#include "DecimalEngine.h"

#include <gtest/gtest.h>

#include <string>

namespace tallaro {
namespace {

constexpr int untouched = -7; // what head and tail hold before the division

struct Row {
    std::string a, b;
    int fractionDigits;
    int head, tail; // `untouched` where nothing may be found
};

void expectPlaces(std::initializer_list<Row> rows) {
    for (const Row &row : rows) {
        DecimalEngine engine;
        engine.m_findRepetend = 1;
        engine.m_fractionDigits = row.fractionDigits;
        engine.m_repetendHead = engine.m_repetendTail = untouched;
        engine.divide(row.a, row.b);
        EXPECT_EQ(engine.m_repetendHead, row.head) << row.a << " / " << row.b;
        EXPECT_EQ(engine.m_repetendTail, row.tail) << row.a << " / " << row.b;
    }
}

TEST(Repetend, FirstAndLastPlaceOfTheRepeatingBlock) {
    expectPlaces({
        {"1", "7", 30, 1, 6},     {"1", "6", 30, 2, 2},     {"1", "12", 30, 3, 3},
        {"1", "700", 30, 3, 8},   {"5", "70", 30, 2, 7},    {"9", "162", 30, 2, 2},
        {"5", "165", 30, 1, 2},   {"121", "12", 30, 3, 3},  {"131", "13", 30, 1, 6},
        {"1", "81", 30, 1, 9},    {"1", "1001", 30, 1, 6},  {"0.1", "-0.7", 30, 1, 6},
        {"1", "97", 100, 1, 96},  {"1", "7", 6, 1, 6},
        // No repeating block, or none complete within the quotient: head and tail keep
        // what they held.
        {"1", "8", 30, untouched, untouched},  {"1", "97", 30, untouched, untouched},
        {"1", "7", 5, untouched, untouched},   {"6", "3", 30, untouched, untouched},
        {"0", "7", 30, untouched, untouched},
    });
}

// The digit loop records places up to 99 only; the zero places in front of the first
// comparison (a dividend shorter than the divisor) are all entries, however many.
TEST(Repetend, RecordingLimitAndTheLeadingZeroPlaces) {
    const std::string zeros99(99, '0'), zeros100(100, '0'), zeros120(120, '0');
    expectPlaces({
        {"1", "3" + zeros99, 130, 100, 100},
        {"1", "3" + zeros100, 130, untouched, untouched},
        {"1", std::string(30, '9') + zeros120, 200, 121, 150},
        {"1", std::string(150, '9'), 200, 1, 150},
    });
}

} // namespace
} // namespace tallaro
