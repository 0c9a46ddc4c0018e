#pragma once

// An in-memory window for driving CalcDialog as a user would: fields in a map, the check box,
// the answer selection, a clock the test scripts, the clipboard, and a record of what the
// dialog asked of the window and the desktop.
#include "ControlIds.h"
#include "Platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tallaro {

class FakePlatform : public Platform {
public:
    using Selection = std::pair<int, int>;
    static constexpr Selection unselected{-1, -1};

    void type(int id, std::string text) { fields[id] = std::move(text); }
    std::string field(int id) const { return fields.contains(id) ? fields.at(id) : ""; }
    // The clock readings the next commands will see, in order.
    void scriptClock(std::initializer_list<std::uint32_t> t) { clock.insert(clock.end(), t); }

    std::string fieldText(int id) override { return field(id); }
    void setFieldText(int id, const std::string &text) override {
        fields[id] = text;
        events.push_back("set " + std::to_string(id));
        if (id == ids::answer) // a new text drops the selection, as the answer field does
            selection = unselected;
    }
    bool isChecked(int id) override { return id == ids::findRepetend && checkBox; }
    void selectAnswer(int start, int end) override { selection = {start, end}; }
    void focusFirstChild() override { focusParked = true; }
    std::uint32_t milliseconds() override {
        events.push_back("clock");
        if (clock.empty()) {
            ADD_FAILURE() << "the clock was read more often than scripted";
            return 0;
        }
        const std::uint32_t now = clock.front();
        clock.pop_front();
        return now;
    }
    void beginWaitCursor() override { events.push_back("wait on"); ++waitCursor; }
    void endWaitCursor() override { events.push_back("wait off"); --waitCursor; }
    bool setClipboardText(const std::string &text) override {
        clipboard = text;
        return true;
    }
    void openWithDesktop(const std::string &path) override { opened.push_back(path); }
    bool fileExists(const std::string &path) override { return files.contains(path); }
    std::string executableFolder() override { return "/opt/tallaro/bin"; }
    std::string loadString(int id) override { return id == ids::aboutString ? aboutEntry : ""; }
    bool appendSystemMenuEntry(unsigned command, const std::string &text) override {
        menu.emplace_back(command, text);
        return true;
    }
    void setWindowIcons() override { ++iconsSet; }
    void showAboutBox() override { ++aboutBoxes; }
    void showMessage(const std::string &text) override { messages.push_back(text); }

    std::map<int, std::string> fields;
    bool checkBox = false;
    Selection selection = unselected;
    bool focusParked = false;
    std::deque<std::uint32_t> clock;
    int waitCursor = 0;
    std::vector<std::string> events;
    std::string clipboard = "(before)";
    std::vector<std::string> opened;
    std::set<std::string> files;
    // "Tallaro のﾊﾞｰｼﾞｮﾝ情報(&A)..."
    std::string aboutEntry = "Tallaro \x82\xcc\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1(&A)...";
    std::vector<std::pair<unsigned, std::string>> menu;
    int iconsSet = 0, aboutBoxes = 0;
    std::vector<std::string> messages;
};

} // namespace tallaro
