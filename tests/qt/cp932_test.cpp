#include "Cp932.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tallaro::qt {
namespace {

TEST(Cp932, EncodesAsTheJapaneseCodePageAndDecodesBack) {
    const std::pair<const char16_t *, const char *> cases[] = {
        {u"-1,234.5\r\n", "-1,234.5\r\n"},
        {u"", ""},
        {u"少数", "\x8f\xad\x90\x94"},
        {u"１", "\x82\x50"}, // full-width digit
        {u"ｷｬﾝｾﾙ", "\xb7\xac\xdd\xbe\xd9"},
        {u"循　環", "\x8f\x7a\x81\x40\x8a\xc2"}, // ideographic space
        {u"\\~", "\\~"},
        // Each character without a CP932 form, a surrogate pair too, becomes one "?".
        {u"1€2", "1?2"},
        {u"a\U0001F600b", "a?b"},
        {u"€少\u2212", "?\x8f\xad?"},
    };
    for (const auto &[text, bytes] : cases) {
        const QString original = QString::fromUtf16(text);
        EXPECT_EQ(toCp932(original), bytes) << bytes;
        if (std::strchr(bytes, '?') == nullptr) { // every character has a CP932 form
            EXPECT_EQ(fromCp932(bytes), original) << bytes;
        }
    }
    EXPECT_EQ(fromCp932(std::string("a\0b", 3)).size(), 3); // a zero byte is text like any other
    EXPECT_TRUE(fromCp932("12\x82").startsWith(u"12")); // a lead byte without its trail byte
}

} // namespace
} // namespace tallaro::qt
