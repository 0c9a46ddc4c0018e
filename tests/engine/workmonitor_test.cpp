// Watching the engine from another thread: a stop ends every long path, watching changes no
// answer, and the progress a watcher reads lands where the ranges put it and only rises.
#include "DecimalEngine.h"
#include "RandomOperands.h"
#include "Scratch.h"
#include "WorkMonitor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallaro {
namespace {

using Method = DecimalEngine::DivisionMethod;

TEST(WorkMonitor, AStopEndsEveryLongPathAndWatchingChangesNoAnswer) {
    test::RandomOperands random(13);
    const std::string long1 = random.digits(200'000), long2 = random.digits(200'000);
    const std::string divisor = random.digits(1000);
    struct Case {
        const char *path;
        std::string a, op, b;
        int fractionDigits;
        bool scan;
        Method method;
    };
    const Case cases[] = {
        {"sum", long1, "+", long2, 0, false, Method::BySize},
        {"product on the transform", long1, "*", long2, 0, false, Method::BySize},
        {"division by one limb", "1", "/", "7", 1'000'000, false, Method::BySize},
        {"long division", "1", "/", divisor, 100'000, false, Method::BySize},
        {"division by the reciprocal", long1, "/", random.digits(60'000), 10, false,
         Method::BySize},
        {"repetend scan on residues", "1", "/", divisor, 20'000, true, Method::BySize},
        {"digit loop", "22", "/", "7", 200'000, true, Method::DigitLoop},
    };
    for (const Case &c : cases) {
        const auto run = [&c](DecimalEngine &engine) {
            engine.m_fractionDigits = c.fractionDigits;
            engine.m_findRepetend = c.scan ? 1 : 0;
            engine.m_divisionMethod = c.method;
            return engine.calculate(c.a, c.op, c.b);
        };
        DecimalEngine plain, watched, stopped;
        const std::string expected = run(plain);
        WorkMonitor monitor;
        {
            const WatchScope watch(monitor);
            EXPECT_EQ(run(watched), expected) << c.path;
            EXPECT_EQ(watched.m_repetendTail, plain.m_repetendTail) << c.path;
        }
        monitor.requestStop();
        const WatchScope watch(monitor);
        EXPECT_THROW(run(stopped), WorkStopped) << c.path;
    }
}

TEST(WorkMonitor, OnlyTheOutermostLoopReportsInsideItsRangeAndTheShareOnlyRises) {
    WorkMonitor monitor;
    const WatchScope watch(monitor);
    {
        const ProgressRange secondHalf(0.5, 1);
        Progress outer(10);
        outer.reach(4, kPollUnits);
        EXPECT_DOUBLE_EQ(monitor.progress(), 0.7);
        {
            Progress nested(2); // a long division inside the block division
            nested.reach(1, kPollUnits);
        }
        outer.reach(2, kPollUnits);
        EXPECT_DOUBLE_EQ(monitor.progress(), 0.7);
        {
            const ProgressRange last(0.8, 1); // of the second half: 0.9 to 1
        }
        EXPECT_DOUBLE_EQ(monitor.progress(), 1);
    }
    monitor.reset();
    {
        const Progress unknownTotal(0);
        EXPECT_LT(monitor.progress(), 0);
    }
    EXPECT_EQ(monitor.progress(), 0);
}

std::vector<std::pair<const char *, std::size_t>> advised;

void recordAdvice(void *data, std::size_t bytes) {
    advised.emplace_back(static_cast<const char *>(data), bytes);
}

// The long texts of an answer are offered the large pages a program asks for, as the
// transforms' working memory is: at 10^8 digits the small pages of the answer alone cost
// about as much as its product.
TEST(FreshMemory, TheLongTextsOfAnAnswerAreOfferedTheAdvice) {
    setFreshMemoryAdvice(recordAdvice);
    test::RandomOperands random(5);
    DecimalEngine engine;
    const std::string product =
        engine.calculate(random.digits(2'000'000), "*", random.digits(2'000'000));
    setFreshMemoryAdvice(nullptr);
    const auto wasAdvised = [](const std::string &text) {
        for (const auto &[data, bytes] : advised)
            if (data <= text.data() && text.data() + text.size() <= data + bytes)
                return true;
        return false;
    };
    ASSERT_EQ(product.size(), 4'000'000U);
    EXPECT_TRUE(wasAdvised(product));
    EXPECT_TRUE(wasAdvised(engine.m_product));
}

// Working memory is kept for the work at hand rather than for earlier work of other sizes:
// four blocks from before, as a division leaves them, must not keep a product's block from
// being reused, which would fault in fresh pages for every product after it.
TEST(FreshMemory, ThePreviousWorkDoesNotCrowdOutTheNext) {
    releaseKeptScratch();
    constexpr std::size_t kMiB = (std::size_t{1} << 20) / sizeof(std::uint32_t);
    { const Scratch a(15 * kMiB), b(15 * kMiB), c(15 * kMiB), d(15 * kMiB); }
    advised.clear();
    setFreshMemoryAdvice(recordAdvice);
    for (int product = 0; product < 3; ++product)
        const Scratch residues(30 * kMiB);
    setFreshMemoryAdvice(nullptr);
    releaseKeptScratch();
    EXPECT_EQ(advised.size(), 1u); // only the first was fresh
}

} // namespace
} // namespace tallaro
