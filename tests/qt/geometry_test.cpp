// Where the controls stand, and the font the answer's columns rely on.
#include "WindowFixture.h"

#include "DialogUnits.h"

#include <QFontMetricsF>

namespace tallaro::qt {
namespace {

using GeometryTest = WindowFixture;

TEST(DialogUnitsTest, ConvertsEdgesAndRoundsToTheNearestPixel) {
    const std::tuple<QRect, BaseUnits, QRect> cases[] = {
        {{0, 0, 4, 8}, {9, 18}, {0, 0, 9, 18}},
        {{1, 1, 1, 1}, {9, 18}, {2, 2, 3, 3}}, // edges 2.25 and 4.5 round to 2 and 5
        {{63, 25, 213, 50}, {7, 13}, {110, 41, 373, 81}},
        {{-2, -3, 2, 3}, {6, 16}, {-3, -6, 3, 6}},
    };
    for (const auto &[units, base, pixels] : cases)
        EXPECT_EQ(toPixels(units, base), pixels) << units.x() << "," << units.y();
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

// Every control lies inside the dialog, and only controls that overlap in the template
// overlap on screen (images take their own size, so only their place is the template's).
TEST_F(GeometryTest, ControlsStandAsInTheTemplate) {
    const auto &items = window.dialogTemplate().controls;
    const auto &controls = window.controls();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string name = items[i].text.toStdString();
        EXPECT_TRUE(window.rect().contains(controls[i]->geometry())) << name;
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            if (items[i].kind == ControlKind::Bitmap || items[j].kind == ControlKind::Bitmap)
                continue;
            EXPECT_EQ(controls[i]->geometry().intersects(controls[j]->geometry()),
                      items[i].rect.intersects(items[j].rect))
                << name << " / " << items[j].text.toStdString();
        }
    }
}

TEST_F(GeometryTest, HiddenControlsExistButAreNotShown) {
    for (int id : {ids::ok, ids::cancel, ids::helpBitmap}) {
        ASSERT_NE(widget(id), nullptr) << id;
        EXPECT_FALSE(widget(id)->isVisible()) << id;
    }
    EXPECT_EQ(window.controls().front(), widget(ids::ok)) << "the first child";
}

} // namespace
} // namespace tallaro::qt
