// The dialog while a command runs off the UI thread: read-only inputs, clicks that do
// nothing, a stop that leaves every field as it was, and progress that only rises.
#include "AnswerLayout.h"
#include "FakePlatform.h"
#include "RandomOperands.h"
#include "WorkMonitor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

namespace tallaro {
namespace {

using Busy = DialogTest;

const std::set<int> inputFields = {ids::operandA, ids::operandB, ids::precision};

TEST_F(Busy, ClicksDoNothingAndInputsAreReadOnlyUntilTheCommandEnds) {
    window.fields[ids::precision] = "5";
    window.clipboard = "before";
    dialog.OnCancel(); // nothing runs: Esc does nothing, and leaves nothing behind
    window.deferWork = true;
    press(&CalcDialog::OnDivide, "1", "7");
    const std::function<void()> *running = &window.pending.run;
    for (Command click : {&CalcDialog::OnAdd, &CalcDialog::OnSubtract, &CalcDialog::OnMultiply,
                          &CalcDialog::OnDivide, &CalcDialog::OnCopyAnswer}) {
        (dialog.*click)();
        EXPECT_TRUE(dialog.busy());
        EXPECT_EQ(window.readOnly, inputFields);
        EXPECT_EQ(window.calls, std::vector<std::string>{"wait on"}) << "a second run queued";
        EXPECT_EQ(&window.pending.run, running);
        EXPECT_EQ(window.clipboard, "before");
    }
    window.runPending();
    EXPECT_FALSE(dialog.busy());
    EXPECT_TRUE(window.readOnly.empty());
    EXPECT_EQ(window.calls, std::vector<std::string>({"wait on", "wait off"}));
    EXPECT_EQ(window.fields[ids::answer], layOutAnswer("0.14285", 0, 0).text);
}

TEST_F(Busy, AStoppedCommandLeavesEveryFieldAsItWas) {
    window.fields[ids::precision] = "12";
    window.checkBox = true;
    press(&CalcDialog::OnDivide, "1", "70");
    window.deferWork = true;
    const auto fieldsBefore = window.fields;
    const auto selectionBefore = window.selection;
    // A long quotient that polls, and one so short that it is done before it would notice.
    for (const char *precision : {"1000000", "12"}) {
        window.fields[ids::precision] = precision;
        press(&CalcDialog::OnDivide, "2", "7");
        const auto typed = window.fields;
        dialog.OnCancel();
        window.runPending();
        EXPECT_EQ(window.fields, typed) << precision;
        EXPECT_EQ(window.selection, selectionBefore) << precision;
        EXPECT_FALSE(dialog.busy());
        EXPECT_TRUE(window.readOnly.empty());
    }
    window.fields[ids::operandB] = "70";
    dialog.OnCopyAnswer();
    EXPECT_EQ(window.clipboard, "0.014285714285");
    EXPECT_EQ(window.fields[ids::answer], fieldsBefore.at(ids::answer));
    // The next command runs in full.
    window.deferWork = false;
    press(&CalcDialog::OnAdd, "5", "3");
    EXPECT_EQ(window.fields[ids::answer], layOutAnswer("8", 0, 0).text);
}

// The progress a watcher reads while the work runs on a thread of its own: a quotient's share
// only rises, a product moves without a share until its layout begins.
TEST_F(Busy, ProgressOnlyRises) {
    test::RandomOperands random(7);
    const std::string divisor = random.digits(1000), factor = random.digits(300'000);
    window.deferWork = true;
    window.checkBox = true;
    window.fields[ids::precision] = "2000000";
    for (Command command : {&CalcDialog::OnDivide, &CalcDialog::OnMultiply}) {
        press(command, command == &CalcDialog::OnDivide ? "1" : factor,
              command == &CalcDialog::OnDivide ? divisor : factor);
        const WorkMonitor &monitor = *window.pending.monitor;
        std::atomic<bool> done = false;
        std::thread worker([&] {
            window.pending.run();
            done = true;
        });
        std::vector<double> seen = {monitor.progress()};
        while (!done)
            if (const double now = monitor.progress(); now != seen.back())
                seen.push_back(now);
        worker.join();
        seen.push_back(monitor.progress());
        window.pending.finish();
        const bool product = command == &CalcDialog::OnMultiply;
        std::size_t shares = 0;
        for (std::size_t i = 1; i < seen.size(); ++i) {
            if (seen[i] < 0) {
                EXPECT_TRUE(product) << "a quotient knows its share";
                EXPECT_EQ(shares, 0u) << "the moving indication came back";
                continue;
            }
            EXPECT_GE(seen[i], std::max(seen[i - 1], 0.0)) << i;
            ++shares;
        }
        EXPECT_GE(shares, product ? 1u : 3u) << "too few shares seen to tell";
        EXPECT_EQ(seen.back(), 1);
    }
}

} // namespace
} // namespace tallaro
