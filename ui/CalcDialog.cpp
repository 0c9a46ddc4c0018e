// The dialog's shell: initialisation, the window menu, the keyboard filter.
#include "CalcDialog.h"

#include "ControlIds.h"

namespace tallaro {

CalcDialog::CalcDialog(Platform &platform) : m_platform(platform) {}

bool CalcDialog::OnInitDialog() {
    const std::string aboutEntry = m_platform.loadString(ids::aboutString);
    if (!aboutEntry.empty())
        m_platform.appendSystemMenuEntry(ids::aboutBox, aboutEntry);
    m_platform.setWindowIcons();
    m_platform.setFieldText(ids::precision, "1000");
    return true;
}

bool CalcDialog::OnSysCommand(unsigned id) {
    // The low four bits of a window-menu command are the system's own.
    if ((id & 0xFFF0u) != ids::aboutBox)
        return false;
    m_platform.showAboutBox();
    return true;
}

bool CalcDialog::PreTranslateMessage(DialogKey key, bool focusParked) {
    // Enter would press the hidden default button and Esc would cancel: either ends the
    // program and loses the operands.
    if (key == DialogKey::Enter || key == DialogKey::Escape)
        return true;
    // On the hidden button only moving on and help make sense; Space would press it.
    if (focusParked)
        return key != DialogKey::Tab && key != DialogKey::Backtab && key != DialogKey::F1;
    return false;
}

} // namespace tallaro
