#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"

#include <QDialog>

#include <vector>

namespace tallaro::qt {

// A dialog built from a template: its font, its size and its controls, created in template
// order at their rectangles, with the hidden ones created but not shown.
class TemplateDialog : public QDialog {
public:
    explicit TemplateDialog(DialogTemplate dialogTemplate, QWidget *parent = nullptr);

    // The first control with this id; nullptr when there is none.
    QWidget *control(int id) const;
    // The controls in creation order, one for each template item.
    const std::vector<QWidget *> &controls() const { return m_controls; }
    const DialogTemplate &dialogTemplate() const { return m_template; }
    BaseUnits units() const { return m_units; }

private:
    DialogTemplate m_template;
    BaseUnits m_units;
    std::vector<QWidget *> m_controls;
};

} // namespace tallaro::qt
