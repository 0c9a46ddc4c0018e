#pragma once

// An in-memory window for driving CalcDialog as a user would: fields in a map, the check box,
// the answer selection, a clock the test scripts, the clipboard, the memory the machine has,
// and a log of what else the dialog asked of the window and the desktop. Background work
// runs at once, or waits in `pending` for the test to run it.
#include "CalcDialog.h"
#include "ControlIds.h"
#include "Platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tallaro {

class FakePlatform : public Platform {
public:
    std::string fieldText(int id) override { return fields[id]; }
    void setFieldText(int id, std::string text) override {
        // Into the field's own storage, which may need memory of its own, as a real field's does.
        fields[id].assign(text);
        if (id == ids::answer) // a new text drops the selection, as the answer field does
            selection = {-1, -1};
    }
    void setFieldPlaceholder(int id, const std::string &text) override { placeholders[id] = text; }
    std::size_t fieldLength(int id) override { return fields[id].size(); }
    void setReadOnly(int id, bool on) override {
        if (on)
            readOnly.insert(id);
        else
            readOnly.erase(id);
    }
    bool isChecked(int id) override { return id == ids::findRepetend && checkBox; }
    void selectAnswer(int start, int end) override { selection = {start, end}; }
    void focusFirstChild() override {}
    // The scripted readings in order, then 0.
    std::uint32_t milliseconds() override {
        if (clock.empty())
            return 0;
        const std::uint32_t now = clock.front();
        clock.pop_front();
        return now;
    }
    void beginWaitCursor() override { calls.push_back("wait on"); }
    void endWaitCursor() override { calls.push_back("wait off"); }
    void runInBackground(const WorkMonitor &monitor, std::function<void()> work,
                         std::function<void()> finish) override {
        pending = {&monitor, std::move(work), std::move(finish)};
        if (!deferWork)
            runPending();
    }
    void abandonBackgroundWork() override { pending = {}; }
    void handlePendingInput() override {}
    std::uint64_t availableMemory() override { return memory; }
    std::uint64_t fieldMemory(std::uint64_t characters) override { return 2 * characters; }

    // The waiting work, then its finish, as a worker thread and the UI thread would.
    void runPending() {
        Work work = std::move(pending);
        pending = {};
        work.run();
        work.finish();
    }
    bool setClipboardText(const std::string &text) override {
        clipboard = text;
        return true;
    }
    void openWithDesktop(const std::string &path) override { calls.push_back("open " + path); }
    bool fileExists(const std::string &path) override { return files.contains(path); }
    bool hasViewerFor(const std::string &path) override {
        return chmViewer || !path.ends_with(".chm");
    }
    std::string executableFolder() override { return "/opt/tallaro/bin"; }
    std::string loadString(int id) override { return id == ids::aboutString ? aboutEntry : ""; }
    bool appendSystemMenuEntry(unsigned command, const std::string &text) override {
        calls.push_back("menu " + std::to_string(command) + " " + text);
        return true;
    }
    void setWindowIcons() override { calls.push_back("icons"); }
    void showAboutBox() override { calls.push_back("about box"); }
    void showMessage(const std::string &text) override { calls.push_back("message " + text); }

    struct Work {
        const WorkMonitor *monitor = nullptr;
        std::function<void()> run, finish;
    };
    std::map<int, std::string> fields;
    std::map<int, std::string> placeholders;
    std::set<int> readOnly;
    bool deferWork = false;
    Work pending;
    std::uint64_t memory = std::numeric_limits<std::uint64_t>::max();
    bool checkBox = false;
    std::pair<int, int> selection{-1, -1}; // none
    std::deque<std::uint32_t> clock;
    std::string clipboard;
    std::set<std::string> files;
    bool chmViewer = true;
    // "Tallaro のﾊﾞｰｼﾞｮﾝ情報(&A)..."
    std::string aboutEntry = "Tallaro \x82\xcc\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1(&A)...";
    std::vector<std::string> calls;
};

// The dialog on that window.
class DialogTest : public ::testing::Test {
protected:
    using Command = void (CalcDialog::*)();

    // Types the operands and presses a button; the clock reads t0 and then t1.
    void press(Command command, const std::string &a, const std::string &b, std::uint32_t t0 = 0,
               std::uint32_t t1 = 0) {
        window.fields[ids::operandA] = a;
        window.fields[ids::operandB] = b;
        window.clock = {t0, t1};
        (dialog.*command)();
    }

    FakePlatform window;
    CalcDialog dialog{window};
};

} // namespace tallaro
