#pragma once

#include <QString>

class QWidget;

namespace tallaro::qt {

// The text a control shows, whatever its kind. Line breaks of a multi-line edit read as
// "\r\n", so that byte counts come out as the user's platform counts them.
QString controlText(const QWidget &control);
// Replaces it; "\r\n" and "\n" both break a line of a multi-line edit.
void setControlText(QWidget &control, const QString &text);

} // namespace tallaro::qt
