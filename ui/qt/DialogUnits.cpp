#include "DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace tallaro::qt {
namespace {

// value * numerator / denominator rounded to the nearest integer, as dialog managers scale.
int scale(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

} // namespace

QFont dialogFont(const QStringList &families, int points) {
    QString chosen = families.isEmpty() ? QString() : families.last();
    for (const QString &family : families) {
        if (QFontDatabase::hasFamily(family)) {
            chosen = family;
            break;
        }
    }
    QFont font(chosen, points);
    // The answer's digit groups line up only if every character keeps its full advance.
    font.setKerning(false);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

BaseUnits baseUnits(const QFont &font) {
    const QFontMetrics metrics(font);
    // The average over the 52 Latin letters, rounded, as the width of one "average" character.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect toPixels(const QRect &dialogUnits, BaseUnits units) {
    const int left = scale(dialogUnits.x(), units.x, 4);
    const int top = scale(dialogUnits.y(), units.y, 8);
    const int right = scale(dialogUnits.x() + dialogUnits.width(), units.x, 4);
    const int bottom = scale(dialogUnits.y() + dialogUnits.height(), units.y, 8);
    return {left, top, right - left, bottom - top};
}

} // namespace tallaro::qt
