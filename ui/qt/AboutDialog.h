#pragma once

#include "TemplateDialog.h"

namespace tallaro::qt {

// The About box: template 100 as it stands; its OK button closes it.
class AboutDialog : public TemplateDialog {
public:
    explicit AboutDialog(QWidget *parent);
};

} // namespace tallaro::qt
