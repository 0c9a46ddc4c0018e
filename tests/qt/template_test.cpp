#include "DialogTemplate.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tallaro::qt {
namespace {

const QString header = QStringLiteral("DIALOG\t7\t10,20\tsysmenu\tT\nFONT\t9\tA|B\n");

TEST(DialogTemplateText, ReadsItemsInOrderWithStylesAndEscapes) {
    const DialogTemplate dialog = parseDialogTemplate(
        header + "# a comment\n\nBUTTON\t1\t1,2,3,4\tdefault|hidden\tOK\n"
                 "LABEL\t-1\t5,6,7,8\t\tone\\ntwo\n");
    EXPECT_EQ(dialog.id, 7);
    EXPECT_EQ(dialog.size, QSize(10, 20));
    EXPECT_EQ(dialog.styles, unsigned{SysMenu});
    EXPECT_EQ(dialog.families, QStringList({"A", "B"}));
    ASSERT_EQ(dialog.controls.size(), 2u);
    EXPECT_EQ(dialog.controls[0].kind, ControlKind::Button);
    EXPECT_EQ(dialog.controls[0].rect, QRect(1, 2, 3, 4));
    EXPECT_EQ(dialog.controls[0].styles, unsigned{DefaultButton | Hidden});
    EXPECT_EQ(dialog.controls[1].id, -1);
    EXPECT_EQ(dialog.controls[1].styles, 0u);
    EXPECT_EQ(dialog.controls[1].text, "one\ntwo");
}

TEST(DialogTemplateText, ReportsWhatItCannotRead) {
    const std::pair<const char *, const char *> bad[] = {
        {"BUTTON\t1\t1,2,3\t\tOK", "line 3"},        // three numbers for a rectangle
        {"BUTTON\tx\t1,2,3,4\t\tOK", "not a number"},
        {"BUTTON\t1\t1,2,3,4\tbold\tOK", "unknown style"},
        {"SLIDER\t1\t1,2,3,4\t\t", "unknown item"},
        {"BUTTON\t1\t1,2,3,4", "wrong number of fields"},
    };
    for (const auto &[line, message] : bad) {
        try {
            parseDialogTemplate(header + line);
            ADD_FAILURE() << line;
        } catch (const std::runtime_error &error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(loadDialogTemplate(999), std::runtime_error);
}

} // namespace
} // namespace tallaro::qt
