#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

namespace tallaro::qt {

// The dialog font's base units: the average width of its Latin letters and its height, in
// pixels. A dialog unit is a quarter of the one across and an eighth of the other down.
struct BaseUnits {
    int x;
    int y;
};

// The first of the families that is installed, at the given size; the last family when none is.
QFont dialogFont(const QStringList &families, int points);
BaseUnits baseUnits(const QFont &font);
QRect toPixels(const QRect &dialogUnits, BaseUnits units);

} // namespace tallaro::qt
