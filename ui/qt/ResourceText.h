#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tallaro::qt {

// A text resource built into the program (UTF-8); empty when there is none.
QString resourceText(const QString &name);
// Entry id of the string table; empty when there is none.
QString stringResource(int id);
// A value of the version data (FileVersion, ProductName, ...); empty when there is none.
QString versionValue(const QString &key);
// Icon 128: the application icon in every size it was rendered at, 16 to 256 pixels.
QIcon applicationIcon();
// An image resource by id: 128 is the icon at 32 x 32, 131 the help bitmap.
QPixmap imageResource(int id);

} // namespace tallaro::qt
