#include "AboutDialog.h"

#include "ControlIds.h"

#include <QPushButton>

namespace tallaro::qt {

AboutDialog::AboutDialog(QWidget *parent) : TemplateDialog(loadDialogTemplate(100), parent) {
    if (auto *ok = qobject_cast<QPushButton *>(control(ids::ok)))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tallaro::qt
