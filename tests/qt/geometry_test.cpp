// Where the controls stand, what they say, and the font the answer's columns rely on.
#include "WindowFixture.h"

#include "DialogUnits.h"

#include <QFontMetricsF>
#include <QGroupBox>

namespace tallaro::qt {
namespace {

using GeometryTest = WindowFixture;

TEST(DialogUnitsTest, ConvertsEdgesAndRoundsToTheNearestPixel) {
    struct Case {
        QRect units;
        BaseUnits base;
        QRect pixels;
    };
    const Case cases[] = {
        {{0, 0, 4, 8}, {9, 18}, {0, 0, 9, 18}},
        {{1, 1, 1, 1}, {9, 18}, {2, 2, 3, 3}}, // edges 2.25 and 4.5 round to 2 and 5
        {{63, 25, 213, 50}, {7, 13}, {110, 41, 373, 81}},
        {{-2, -3, 2, 3}, {6, 16}, {-3, -6, 3, 6}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(toPixels(c.units, c.base), c.pixels) << c.units.x() << "," << c.units.y();
}

TEST_F(GeometryTest, DigitsBlankMinusAndPointHaveOneWidth) {
    const QFontMetricsF metrics(window.font());
    const qreal width = metrics.horizontalAdvance(u'0');
    for (QChar c : QStringLiteral("123456789 -."))
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(c), width) << c.toLatin1();
    // A whole answer line takes exactly its 62 widths, so groups stand in columns.
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral(
                         " .14285 71428 57142 85714 28571 42857 14285 71428 57142 85714 ")),
                     62 * width);
}

TEST_F(GeometryTest, EveryControlLiesInsideTheDialog) {
    const QRect client = window.rect();
    for (const QWidget *control : window.controls())
        EXPECT_TRUE(client.contains(control->geometry())) << control->metaObject()->className();
}

TEST_F(GeometryTest, OnlyControlsThatOverlapInTheTemplateOverlapOnScreen) {
    const auto &items = window.dialogTemplate().controls;
    const auto &controls = window.controls();
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            // Images take their own size, so only their place is the template's.
            if (items[i].kind == ControlKind::Bitmap || items[j].kind == ControlKind::Bitmap)
                continue;
            EXPECT_EQ(controls[i]->geometry().intersects(controls[j]->geometry()),
                      items[i].rect.intersects(items[j].rect))
                << items[i].text.toStdString() << " / " << items[j].text.toStdString();
        }
    }
}

TEST_F(GeometryTest, HiddenControlsExistButAreNotShown) {
    for (int id : {ids::ok, ids::cancel, ids::helpBitmap}) {
        ASSERT_NE(widget(id), nullptr) << id;
        EXPECT_FALSE(widget(id)->isVisible()) << id;
    }
    EXPECT_EQ(window.controls().front(), widget(ids::ok)) << "the first child";
    EXPECT_EQ(widget(ids::cancel)->property("text").toString(), QStringLiteral("ｷｬﾝｾﾙ"));
}

TEST_F(GeometryTest, CaptionsReadAsTheUserSeesThem) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("GRANDNUM計算エンジン"));
    const std::pair<int, const char16_t *> buttons[] = {
        {ids::addButton, u"A＋B"}, {ids::subtractButton, u"A－B"}, {ids::multiplyButton, u"A×B"},
        {ids::divideButton, u"A÷B"}, {ids::findRepetend, u"循環小数の表示"},
        {ids::copyButton, u"(答)をクリップボードにコピー"}};
    for (const auto &[id, caption] : buttons)
        EXPECT_EQ(text(id), QString::fromUtf16(caption)) << id;
    QStringList frames;
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        frames << box->title();
    for (const char16_t *title : {u"計算条件の設定", u"計算結果の情報", u"循環小数", u"除算関係", u"循　環　節"})
        EXPECT_TRUE(frames.contains(QString::fromUtf16(title))) << QString::fromUtf16(title).toStdString();
}

} // namespace
} // namespace tallaro::qt
