#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"

#include <QWidget>

namespace tallaro::qt {

// The Qt widget for one template item, placed at its rectangle and shown unless the template
// hides it: buttons, check boxes and labels as themselves, multi-line edits as TextField
// (answers of millions of characters), one-line edits as QLineEdit, images as labels.
QWidget *createControl(const ControlTemplate &item, BaseUnits units, QWidget *dialog);

} // namespace tallaro::qt
