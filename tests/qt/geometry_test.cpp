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
        {{-2, -3, 2, 3}, {6, 16}, {-3, -6, 3, 6}},
    };
    for (const auto &[units, base, pixels] : cases)
        EXPECT_EQ(toPixels(units, base), pixels) << units.x() << "," << units.y();
}

// The answer's columns: digits, blank, minus and point take one width, and a whole line of
// 62 of them fits the answer field.
TEST_F(GeometryTest, AnswerLinesStandInColumnsAndFitTheirField) {
    const TextField &answer = *field(ids::answer);
    const QFontMetricsF metrics(answer.font());
    const qreal width = metrics.horizontalAdvance(u'0');
    for (QChar c : QStringLiteral("123456789 -."))
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(c), width) << c.toLatin1();
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral(
                         " .14285 71428 57142 85714 28571 42857 14285 71428 57142 85714 ")),
                     62 * width);
    EXPECT_GE(answer.model().columns(), 62u);
}

// Every control lies inside the dialog and is shown unless the template hides it, and only
// controls that overlap in the template overlap on screen (images take their own size, so
// only their place is the template's).
TEST_F(GeometryTest, ControlsStandAsInTheTemplate) {
    const auto &items = window.dialogTemplate().controls;
    const auto &controls = window.controls();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string name = items[i].text.toStdString();
        EXPECT_TRUE(window.rect().contains(controls[i]->geometry())) << name;
        EXPECT_EQ(controls[i]->isVisible(), (items[i].styles & Hidden) == 0) << name;
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            if (items[i].kind == ControlKind::Bitmap || items[j].kind == ControlKind::Bitmap)
                continue;
            EXPECT_EQ(controls[i]->geometry().intersects(controls[j]->geometry()),
                      items[i].rect.intersects(items[j].rect))
                << name << " / " << items[j].text.toStdString();
        }
    }
}

} // namespace
} // namespace tallaro::qt
