#include "CalcApp.h"

namespace tallaro {

CalcApp::CalcApp(Platform &platform) : m_platform(platform) {}

bool CalcApp::InitInstance(const RunModal &runModal) {
    CalcDialog dialog(m_platform);
    runModal(dialog);
    return false;
}

void CalcApp::WinHelp(std::uintptr_t, unsigned) { CalcDialog::openHelpFile(m_platform); }

} // namespace tallaro
