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

TEST_F(Dialog, HelpFromTheFirstFolderThatHasIt) {
    const std::string beside = "/opt/tallaro/bin/", moved = "/opt/tallaro/bin/../share/tallaro/",
                      installed = TALLARO_DATA_DIR "/", chm = "pomatrel.chm",
                      html = "help/index.html";
    struct Case {
        std::set<std::string> files;
        bool chmViewer;
        std::string opened;
    };
    const Case cases[] = {
        {{chm, installed + chm, moved + chm, beside + chm}, true, beside + chm},
        {{chm, installed + chm, moved + chm}, true, moved + chm},
        {{chm, installed + chm}, true, installed + chm},
        {{chm}, true, chm},
        // Without a viewer for it, the compiled file is passed over for the same pages as HTML.
        {{beside + chm, installed + html, html}, false, installed + html},
        {{beside + chm, moved + html}, true, beside + chm},
        {{beside + html}, true, beside + html},
        {{beside + chm}, false, beside + chm}, // the desktop says it has nothing to open it with
        {{}, true, chm},                       // the desktop says that it is missing
    };
    for (const Case &c : cases) {
        window.files = c.files;
        window.chmViewer = c.chmViewer;
        window.calls.clear();
        CalcApp(window).WinHelp(0, ids::help);
        EXPECT_EQ(window.calls, std::vector<std::string>{"open " + c.opened}) << c.opened;
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
