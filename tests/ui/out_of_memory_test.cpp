// Running out of memory in a command, made real: while armed, every allocation from a set size
// up fails, as it would on a machine without that much memory to give.
#include "CalcDialog.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

std::size_t failFrom = 0; // 0: allocations do not fail

void *allocate(std::size_t size) {
    if (failFrom != 0 && size >= failFrom)
        throw std::bad_alloc();
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

} // namespace

void *operator new(std::size_t size) { return allocate(size); }
void *operator new[](std::size_t size) { return allocate(size); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }

namespace tallaro {
namespace {

using OutOfMemory = DialogTest;

TEST_F(OutOfMemory, TheCommandEndsWithAMessageAndTheDialogGoesOn) {
    // "メモリが不足しています。" in CP932.
    const std::string message = "\x83\x81\x83\x82\x83\x8a\x82\xaa\x95\x73\x91\xab\x82\xb5\x82\xc4"
                                "\x82\xa2\x82\xdc\x82\xb7\x81\x42";
    struct Case {
        const char *where;
        std::string a, b;
        std::size_t failFrom;
    };
    const Case cases[] = {
        // A 601-character sum from operands of 300 and 302: only the engine needs that much.
        {"engine", std::string(300, '9'), "0." + std::string(300, '1'), 500},
        // Texts this short live inside their string objects; only the layout allocates.
        {"layout", "1.5", "1", 100},
    };
    // Both commands end the wait cursor before the user reads why nothing happened.
    const std::vector<std::string> calls = {"wait on", "wait off", "message " + message,
                                            "wait on", "wait off", "message " + message};
    window.checkBox = true;
    window.calls.reserve(2 * calls.size());
    for (const Case &c : cases) {
        window.calls.clear();
        window.fields = {{ids::operandA, c.a}, {ids::operandB, c.b}, {ids::answer, "earlier"}};
        failFrom = c.failFrom;
        dialog.OnDivide(); // a division cut short must not leave the box's state behind
        dialog.OnAdd();
        failFrom = 0;
        EXPECT_EQ(window.calls, calls) << c.where;
        EXPECT_EQ(dialog.m_findRepetend, 0) << c.where;
        EXPECT_EQ(window.fields[ids::operandA], c.a) << c.where;
        EXPECT_EQ(window.fields[ids::operandB], c.b) << c.where;
        EXPECT_EQ(window.fields[ids::answer], "earlier") << c.where;

        window.calls.clear();
        dialog.OnAdd();
        EXPECT_EQ(window.calls, std::vector<std::string>({"wait on", "wait off"})) << c.where;
        EXPECT_NE(window.fields[ids::answer], "earlier") << c.where;
    }
}

} // namespace
} // namespace tallaro
