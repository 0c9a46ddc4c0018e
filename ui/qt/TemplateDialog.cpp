#include "TemplateDialog.h"

#include "Accessibility.h"
#include "ControlFactory.h"

#include <utility>

namespace tallaro::qt {
namespace {

Qt::WindowFlags templateWindowFlags(unsigned styles, bool hasParent) {
    // A dialog of its own (no owner) is the program's window and stands in the task bar.
    Qt::WindowFlags flags = hasParent ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (styles & SysMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (styles & MinimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    if (styles & MaximizeBox)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

TemplateDialog::TemplateDialog(DialogTemplate dialogTemplate, QWidget *parent)
    : QDialog(parent), m_template(std::move(dialogTemplate)) {
    installAccessibility();
    setWindowFlags(templateWindowFlags(m_template.styles, parent != nullptr));
    setWindowTitle(m_template.caption);
    setFont(dialogFont(m_template.families, m_template.points));
    m_units = baseUnits(font());

    m_controls.reserve(m_template.controls.size());
    for (const ControlTemplate &item : m_template.controls)
        m_controls.push_back(createControl(item, m_units, this));

    const QSize size = toPixels(QRect(QPoint(0, 0), m_template.size), m_units).size();
    if (m_template.styles & Sizable)
        resize(size);
    else
        setFixedSize(size);
    // The controls keep their places when the window changes size, as in the template.
    setSizeGripEnabled(false);
}

QWidget *TemplateDialog::control(int id) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (m_template.controls[i].id == id)
            return m_controls[i];
    return nullptr;
}

} // namespace tallaro::qt
