#pragma once

#include <QString>

class QLabel;

namespace tallaro::qt {

// What a screen reader meets in the dialogs: a template dialog's tree leaves out the
// controls its template hides. Installed once, before the first dialog is queried; every
// dialog installs it.
void installAccessibility();
// A label that shows a count is read as caption and count ("(A)の桁数 12"); whoever changes
// its text calls nameAfterCount, which leaves other labels alone.
void readAsCount(QLabel &label, const QString &caption);
void nameAfterCount(QLabel &label);

} // namespace tallaro::qt
