#include "Cp932.h"

#include <gtest/gtest.h>

namespace tallaro::qt {
namespace {

struct Conversion {
    const char *name;
    const char16_t *text;
    const char *bytes;
};

class Cp932Test : public ::testing::TestWithParam<Conversion> {};

TEST_P(Cp932Test, EncodesAsTheJapaneseCodePage) {
    EXPECT_EQ(toCp932(QString::fromUtf16(GetParam().text)), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932Test,
    ::testing::Values(
        Conversion{"Ascii", u"-1,234.5\r\n", "-1,234.5\r\n"},
        Conversion{"Empty", u"", ""},
        Conversion{"Kanji", u"少数", "\x8f\xad\x90\x94"},
        Conversion{"FullWidthDigit", u"１", "\x82\x50"},
        Conversion{"HalfWidthKana", u"ｷｬﾝｾﾙ", "\xb7\xac\xdd\xbe\xd9"},
        Conversion{"IdeographicSpace", u"循　環", "\x8f\x7a\x81\x40\x8a\xc2"},
        Conversion{"Backslash", u"\\~", "\\~"},
        Conversion{"NoCp932Form", u"1€2", "1?2"},
        Conversion{"SurrogatePair", u"a\U0001F600b", "a?b"},
        Conversion{"MixedFailures", u"€少\u2212", "?\x8f\xad?"}),
    [](const auto &test) { return std::string(test.param.name); });

TEST_P(Cp932Test, DecodesBackToTheSameText) {
    const QString text = QString::fromUtf16(GetParam().text);
    if (toCp932(text).find('?') == std::string::npos)
        EXPECT_EQ(fromCp932(toCp932(text)), text);
    else
        EXPECT_FALSE(fromCp932(toCp932(text)).contains(QChar::ReplacementCharacter));
}

TEST(Cp932Bytes, BrokenSequencesKeepWhatCanBeRead) {
    const std::pair<std::string, const char *> cases[] = {
        {"12\x82", "12"},                 // a lead byte without its trail byte at the end
        {"\x81", ""},
        {std::string("a\0b", 3), "a"},    // a zero byte is text like any other
        {"\xff\xfe" "5", ""},
    };
    for (const auto &[bytes, prefix] : cases) {
        const QString text = fromCp932(bytes);
        EXPECT_TRUE(text.startsWith(QLatin1String(prefix))) << text.toStdString();
        EXPECT_LE(text.size(), static_cast<qsizetype>(bytes.size()));
    }
    EXPECT_EQ(fromCp932(std::string("a\0b", 3)).size(), 3);
}

} // namespace
} // namespace tallaro::qt
