#include "CalcApp.h"
#include "CalcDialog.h"
#include "ControlIds.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tallaro {
namespace {

class Dialog : public ::testing::Test {
protected:
    FakePlatform window;
    CalcDialog dialog{window};
};

TEST_F(Dialog, InitialisationAddsTheAboutEntryIconsAndPrecision) {
    EXPECT_TRUE(dialog.OnInitDialog());
    const std::vector<std::pair<unsigned, std::string>> menu = {{0x0010u, window.aboutEntry}};
    EXPECT_EQ(window.menu, menu);
    EXPECT_EQ(window.iconsSet, 1);
    EXPECT_EQ(window.field(ids::precision), "1000");
    window.aboutEntry.clear(); // no entry without its text, and initialisation goes on
    window.fields.clear();
    EXPECT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(window.menu, menu);
    EXPECT_EQ(window.field(ids::precision), "1000");
}

TEST_F(Dialog, OnlyTheAboutCommandIsTheDialogsOwn) {
    struct Case {
        unsigned id;
        bool handled;
    };
    const Case cases[] = {{0x0010, true},  {0x0013, true},  {0x001F, true}, {0x0020, false},
                          {0xF060, false}, {0xF020, false}, {0x0000, false}};
    int aboutBoxes = 0;
    for (const Case &c : cases) {
        EXPECT_EQ(dialog.OnSysCommand(c.id), c.handled) << std::hex << c.id;
        aboutBoxes += c.handled ? 1 : 0;
        EXPECT_EQ(window.aboutBoxes, aboutBoxes) << std::hex << c.id;
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
        EXPECT_EQ(CalcDialog::PreTranslateMessage(c.key, false), c.swallowed)
            << static_cast<int>(c.key);
        EXPECT_EQ(CalcDialog::PreTranslateMessage(c.key, true), c.swallowedWhileParked)
            << static_cast<int>(c.key);
    }
}

TEST_F(Dialog, LengthCountersCountBytes) {
    struct Case {
        const char *typed, *shown;
    };
    // The last is "１２", full-width: two bytes each.
    const Case cases[] = {{"-1,234.5", "8"}, {"", "0"}, {"1 2\r\n3", "6"}, {"\x82\x50\x82\x51", "4"}};
    for (const Case &c : cases) {
        window.type(ids::operandA, c.typed);
        window.type(ids::operandB, std::string(c.typed) + "9");
        dialog.OnChangeA();
        dialog.OnChangeB();
        EXPECT_EQ(window.field(ids::lengthA), c.shown) << c.typed;
        EXPECT_EQ(window.field(ids::lengthB), std::to_string(std::stoi(c.shown) + 1)) << c.typed;
    }
}

TEST_F(Dialog, HelpFileFromTheFirstFolderThatHasIt) {
    const std::string here = "pomatrel.chm";
    const std::string beside = "/opt/tallaro/bin/pomatrel.chm";
    const std::string installed = TALLARO_DATA_DIR "/pomatrel.chm";
    struct Case {
        std::set<std::string> files;
        std::string opened;
    };
    const Case cases[] = {
        {{here, beside, installed}, here},
        {{beside, installed}, beside},
        {{installed}, installed},
        {{}, here}, // the desktop tells the user that it is missing
    };
    for (const Case &c : cases) {
        window.files = c.files;
        window.opened.clear();
        dialog.OnHelpBitmap();
        CalcApp(window).WinHelp(0, 0xE146);
        EXPECT_EQ(window.opened, (std::vector<std::string>{c.opened, c.opened}));
    }
}

TEST(CalcApp, RunsOneDialogAndEndsWithIt) {
    FakePlatform window;
    CalcApp app(window);
    int runs = 0;
    const bool keepRunning = app.InitInstance([&](CalcDialog &dialog) {
        ++runs;
        dialog.OnInitDialog();
        window.type(ids::operandA, "12");
        dialog.OnChangeA();
        dialog.OnOutputFocus();
    });
    EXPECT_FALSE(keepRunning);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(window.field(ids::precision), "1000");
    EXPECT_EQ(window.field(ids::lengthA), "2");
    EXPECT_TRUE(window.focusParked);
}

} // namespace
} // namespace tallaro
