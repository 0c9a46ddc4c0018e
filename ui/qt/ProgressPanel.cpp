#include "ProgressPanel.h"

#include "WorkMonitor.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

namespace tallaro::qt {
namespace {

// Below the answer field, across its width, where the template leaves the dialog empty.
const QRect placeInDialogUnits(33, 281, 266, 14);
constexpr int kShowAfterMs = 500;
constexpr int kUpdateEveryMs = 100;
constexpr int kBarSteps = 1000;

} // namespace

ProgressPanel::ProgressPanel(QWidget &dialog, BaseUnits units, std::function<void()> stop)
    : QWidget(&dialog), m_bar(new QProgressBar(this)),
      m_stop(new QPushButton(QStringLiteral("中止"), this)) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bar, 1);
    layout->addWidget(m_stop);
    setGeometry(toPixels(placeInDialogUnits, units));
    // Clicked with the mouse: the keyboard has Esc for it, and the focus stays where it was.
    m_stop->setFocusPolicy(Qt::NoFocus);
    connect(m_stop, &QPushButton::clicked, this, std::move(stop));
    m_delay.setSingleShot(true);
    m_delay.setInterval(kShowAfterMs);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        showShare();
        show();
        m_tick.start();
    });
    m_tick.setInterval(kUpdateEveryMs);
    connect(&m_tick, &QTimer::timeout, this, &ProgressPanel::showShare);
    hide();
}

void ProgressPanel::watch(const WorkMonitor &monitor) {
    m_monitor = &monitor;
    m_delay.start();
}

void ProgressPanel::stopWatching() {
    m_delay.stop();
    m_tick.stop();
    hide();
    m_monitor = nullptr;
}

void ProgressPanel::showShare() {
    const double share = m_monitor->progress();
    if (share < 0) {
        m_bar->setRange(0, 0); // a bar that moves without a share
        return;
    }
    m_bar->setRange(0, kBarSteps);
    m_bar->setValue(static_cast<int>(share * kBarSteps));
}

} // namespace tallaro::qt
