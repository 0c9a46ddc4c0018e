#pragma once

#include "CalcDialog.h"
#include "Platform.h"

#include <cstdint>
#include <functional>

namespace tallaro {

// The application: it shows the main dialog once and ends when the dialog closes.
class CalcApp {
public:
    // Shows the dialog modally and returns once it is closed (the window's dialog loop).
    using RunModal = std::function<void(CalcDialog &)>;

    explicit CalcApp(Platform &platform);

    // Start-up: builds the main dialog, runs it through runModal and destroys it. False: the
    // program ends with the dialog, without a message loop of its own.
    bool InitInstance(const RunModal &runModal);
    // Every help request of the window (F1 among them) opens the help file; the help data
    // and command are not needed for that.
    void WinHelp(std::uintptr_t data, unsigned command);

private:
    Platform &m_platform;
};

} // namespace tallaro
