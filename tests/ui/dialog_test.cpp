#include "CalcApp.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tallaro {
namespace {

using Dialog = DialogTest;

TEST_F(Dialog, InitialisationAddsTheAboutEntryIconsAndPrecision) {
    const std::vector<std::string> withEntry = {"menu 16 " + window.aboutEntry, "icons"};
    // The second time without the entry's text: no entry.
    for (const std::vector<std::string> &calls : {withEntry, std::vector<std::string>{"icons"}}) {
        window.calls.clear();
        window.fields.clear();
        EXPECT_TRUE(dialog.OnInitDialog());
        EXPECT_EQ(window.calls, calls);
        EXPECT_EQ(window.fields[ids::precision], "1000");
        window.aboutEntry.clear();
    }
}

TEST_F(Dialog, OnlyTheAboutCommandIsTheDialogsOwn) {
    const std::pair<unsigned, bool> cases[] = {
        {0x0010, true}, {0x001F, true}, {0x0020, false}, {0xF060, false}, {0x0000, false}};
    for (const auto &[id, handled] : cases) {
        window.calls.clear();
        EXPECT_EQ(dialog.OnSysCommand(id), handled) << std::hex << id;
        EXPECT_EQ(window.calls, std::vector<std::string>(handled ? 1 : 0, "about box")) << id;
    }
}

TEST(KeyboardFilter, EnterAndEscAlwaysAndEverythingButMovingOnOrHelpWhileParked) {
    struct Case {
        DialogKey key;
        bool swallowed, swallowedWhileParked;
    };
    const Case cases[] = {
        {DialogKey::Enter, true, true},  {DialogKey::Escape, true, true},
        {DialogKey::Space, false, true}, {DialogKey::Other, false, true},
        {DialogKey::Tab, false, false},  {DialogKey::Backtab, false, false},
        {DialogKey::F1, false, false},
    };
    for (const Case &c : cases) {
        const int key = static_cast<int>(c.key);
        EXPECT_EQ(CalcDialog::PreTranslateMessage(c.key, false), c.swallowed) << key;
        EXPECT_EQ(CalcDialog::PreTranslateMessage(c.key, true), c.swallowedWhileParked) << key;
    }
}

TEST_F(Dialog, HelpFileFromTheFirstFolderThatHasIt) {
    const std::string here = "pomatrel.chm", beside = "/opt/tallaro/bin/pomatrel.chm",
                      installed = TALLARO_DATA_DIR "/pomatrel.chm";
    const std::pair<std::set<std::string>, std::string> cases[] = {
        {{here, beside, installed}, here},
        {{beside, installed}, beside},
        {{installed}, installed},
        {{}, here}, // the desktop tells the user that it is missing
    };
    for (const auto &[files, opened] : cases) {
        window.files = files;
        window.calls.clear();
        CalcApp(window).WinHelp(0, ids::help);
        EXPECT_EQ(window.calls, std::vector<std::string>{"open " + opened});
    }
}

TEST(CalcApp, RunsOneDialogAndEndsWithIt) {
    FakePlatform window;
    int runs = 0;
    EXPECT_FALSE(CalcApp(window).InitInstance([&](CalcDialog &) { ++runs; }));
    EXPECT_EQ(runs, 1);
}

} // namespace
} // namespace tallaro
