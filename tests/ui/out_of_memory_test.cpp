// Running out of memory in a command and in a field: the work ends at its edge and what the
// user had stays as it was; and the guard that keeps a command from starting when the machine
// cannot give what its answer needs.
#include "CalcDialog.h"
#include "FailingAllocation.h"
#include "FakePlatform.h"
#include "TestMeasure.h"
#include "TextFieldModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <utility>

namespace tallaro {
namespace {

using OutOfMemory = DialogTest;

// "メモリが不足しています。" in CP932.
const std::string message = "\x83\x81\x83\x82\x83\x8a\x82\xaa\x95\x73\x91\xab\x82\xb5\x82\xc4"
                            "\x82\xa2\x82\xdc\x82\xb7\x81\x42";

TEST_F(OutOfMemory, TheCommandEndsWithAMessageAndTheDialogGoesOn) {
    struct Case {
        const char *where;
        std::string a, b;
        std::size_t failFrom;
    };
    const Case cases[] = {
        // A 601-character sum from operands of 300 and 302: only the engine needs that much.
        {"engine", std::string(300, '9'), "0." + std::string(300, '1'), 500},
        // A 600-digit answer takes 832 characters laid out, more than anything before it.
        {"layout", std::string(600, '9'), "1", 700},
        // The same, with the memory gone only once the answer is to be shown.
        {"display", std::string(600, '9'), "1", 700},
    };
    // Both commands end the wait cursor before the user reads why nothing happened.
    const std::vector<std::string> calls = {"wait on", "wait off", "message " + message,
                                            "wait on", "wait off", "message " + message};
    window.checkBox = true;
    window.calls.reserve(2 * calls.size());
    for (const Case &c : cases) {
        const bool display = std::string(c.where) == "display";
        window.calls.clear();
        window.fields = {{ids::operandA, c.a}, {ids::operandB, c.b}, {ids::answer, "earlier"}};
        window.deferWork = display;
        // A division cut short must not leave the box's state behind.
        for (Command command : {&CalcDialog::OnDivide, &CalcDialog::OnAdd}) {
            if (display) {
                (dialog.*command)();
                window.pending.run();
                const AllocationLimit limit(c.failFrom);
                window.pending.finish();
            } else {
                const AllocationLimit limit(c.failFrom);
                (dialog.*command)();
            }
        }
        EXPECT_EQ(window.calls, calls) << c.where;
        EXPECT_EQ(dialog.m_findRepetend, 0) << c.where;
        EXPECT_FALSE(dialog.busy()) << c.where;
        EXPECT_TRUE(window.readOnly.empty()) << c.where;
        EXPECT_EQ(window.fields[ids::operandA], c.a) << c.where;
        EXPECT_EQ(window.fields[ids::operandB], c.b) << c.where;
        EXPECT_EQ(window.fields[ids::answer], "earlier") << c.where;

        window.calls.clear();
        window.deferWork = false;
        dialog.OnAdd();
        EXPECT_EQ(window.calls, std::vector<std::string>({"wait on", "wait off"})) << c.where;
        EXPECT_NE(window.fields[ids::answer], "earlier") << c.where;
    }
}

// Nothing starts that the machine cannot finish: the message comes at once, and the fields,
// the wait cursor and the dialog's state are as before.
TEST_F(OutOfMemory, ACommandWhoseAnswerCannotFitDoesNotStart) {
    const std::pair<Command, std::uint64_t> cases[] = {
        {&CalcDialog::OnDivide, std::uint64_t{2} << 30}, // 10^9 places in 2 GiB
        {&CalcDialog::OnMultiply, 1 << 20},              // a 10^6-digit product in 1 MiB
    };
    window.fields[ids::precision] = "999999999";
    for (const auto &[command, memory] : cases) {
        window.calls.clear();
        window.memory = memory;
        press(command, std::string(1'000'000, '7'), "7");
        EXPECT_EQ(window.calls, std::vector<std::string>{"message " + message});
        EXPECT_EQ(window.fields[ids::answer], "");
        EXPECT_FALSE(dialog.busy());
    }
    // What fits runs.
    window.calls.clear();
    window.fields[ids::precision] = "1000";
    press(&CalcDialog::OnDivide, "1", "7");
    EXPECT_EQ(window.calls, std::vector<std::string>({"wait on", "wait off"}));
}

// A quotient of 10^5 places that its layout finds no room for: whatever the division took
// is given back when the work ends, before the message is on the screen, so that neither the
// user's other programs nor the next command wait for the memory it would need.
TEST_F(OutOfMemory, TheWorkOfTheCommandIsGivenBack) {
    window.fields = {{ids::operandA, "1"}, {ids::operandB, "7"}, {ids::precision, "100000"}};
    window.calls.reserve(8);
    window.deferWork = true;
    const std::size_t before = liveAllocatedBytes();
    dialog.OnDivide();
    {
        const AllocationLimit limit(105000); // the quotient fits, its layout does not
        window.pending.run();
    }
    EXPECT_LT(liveAllocatedBytes(), before + 4096);
    window.pending.finish();
    ASSERT_EQ(window.calls.back().rfind("message ", 0), 0u);
}

// A copy to the clipboard the memory is not there for ends silently, as one whose clipboard
// cannot be opened: the clipboard keeps what it held and the dialog goes on.
TEST_F(OutOfMemory, ACopyThatCannotBeHadLeavesTheClipboard) {
    window.fields = {{ids::operandA, "1"}, {ids::operandB, "7"}, {ids::precision, "100000"}};
    dialog.OnDivide();
    window.clipboard = "before";
    window.calls.clear();
    {
        const AllocationLimit limit(50000); // the fake clipboard copies the 100002 characters
        dialog.OnCopyAnswer();
    }
    EXPECT_EQ(window.clipboard, "before");
    EXPECT_TRUE(window.calls.empty());
    dialog.OnCopyAnswer();
    EXPECT_EQ(window.clipboard.size(), 100002u);
}

// An edit the memory is not there for leaves the field as it was: text, caret, length, rows
// and what undo brings back.
TEST(FieldOutOfMemory, AnEditThatCannotBeHadChangesNothing) {
    TestMeasure measure;
    TextFieldModel field(measure, TextFieldModel::Align::Right);
    field.setGrid(10, 3);
    field.setText(u"12\n34");
    field.insert(u"5", true);
    const std::u16string digits(100000, u'9');
    const std::pair<const char *, std::function<void()>> edits[] = {
        {"paste", [&] { field.insert(digits, false); }},
        {"wide paste", [&] { field.insert(u"４" + digits, false); }},
        {"line breaks", [&] { field.insert(std::u16string(50000, u'\n'), false); }},
        {"new text", [&] { field.setText(digits); }},
        {"new ASCII text", [&] { field.setText(std::string(100000, '9')); }},
    };
    for (const auto &[what, edit] : edits) {
        {
            const AllocationLimit limit(50000);
            EXPECT_THROW(edit(), std::bad_alloc) << what;
        }
        EXPECT_EQ(field.text(0, field.size()), u"512\n34") << what;
        EXPECT_EQ(field.caret(), 1u) << what;
        EXPECT_EQ(field.cp932Length(), 7u) << what;
        EXPECT_EQ(field.rowCount(), 2u) << what;
    }
    field.undo();
    EXPECT_EQ(field.text(0, field.size()), u"12\n34");
}

} // namespace
} // namespace tallaro
