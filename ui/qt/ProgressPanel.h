#pragma once

#include "DialogUnits.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QProgressBar;
class QPushButton;

namespace tallaro {
class WorkMonitor;
}

namespace tallaro::qt {

// The progress of a long command inside the dialog, under the answer field: hidden for the
// first half second, then a bar with the share done (a moving bar while the work does not
// know it) and the "中止" control, until the command ends and it goes without a trace.
class ProgressPanel : public QWidget {
public:
    ProgressPanel(QWidget &dialog, BaseUnits units, std::function<void()> stop);

    void watch(const WorkMonitor &monitor);
    void stopWatching();
    QPushButton &stopButton() { return *m_stop; }

private:
    void showShare();

    QProgressBar *m_bar;
    QPushButton *m_stop;
    QTimer m_delay;
    QTimer m_tick;
    const WorkMonitor *m_monitor = nullptr;
};

} // namespace tallaro::qt
