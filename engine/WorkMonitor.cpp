#include "WorkMonitor.h"

#include <algorithm>
#include <cassert>

namespace tallaro {

namespace {

// The watching installed on one thread: its monitor, the share of the whole that reports
// currently cover, and whether a Progress already reports.
struct ThreadWatch {
    WorkMonitor *monitor = nullptr;
    double low = 0;
    double high = 1;
    bool reporting = false;
};

thread_local ThreadWatch t_watch;

constexpr double kMillion = 1'000'000;

} // namespace

double WorkMonitor::progress() const noexcept {
    if (m_unknown.load(std::memory_order_relaxed))
        return -1;
    return m_millionths.load(std::memory_order_relaxed) / kMillion;
}

void WorkMonitor::reset() noexcept {
    m_stop.store(false, std::memory_order_relaxed);
    m_unknown.store(false, std::memory_order_relaxed);
    m_millionths.store(0, std::memory_order_relaxed);
}

void WorkMonitor::raiseTo(double share) noexcept {
    const auto millionths = static_cast<std::uint32_t>(std::clamp(share, 0.0, 1.0) * kMillion);
    // Only the work's own thread raises it, so a plain maximum needs no compare-exchange.
    if (millionths > m_millionths.load(std::memory_order_relaxed))
        m_millionths.store(millionths, std::memory_order_relaxed);
}

WatchScope::WatchScope(WorkMonitor &monitor) noexcept {
    // One command at a time on a thread: scopes do not nest.
    assert(t_watch.monitor == nullptr);
    t_watch = ThreadWatch{&monitor};
}

WatchScope::~WatchScope() {
    t_watch = ThreadWatch{};
}

void pollForStop() {
    if (t_watch.monitor != nullptr && t_watch.monitor->stopRequested())
        throw WorkStopped();
}

Progress::Progress(std::uint64_t total) noexcept
    : m_reportsTo(t_watch.reporting ? nullptr : t_watch.monitor), m_total(total) {
    if (m_reportsTo == nullptr)
        return;
    t_watch.reporting = true;
    if (total == 0)
        m_reportsTo->setUnknown(true);
}

Progress::~Progress() {
    if (m_reportsTo == nullptr)
        return;
    t_watch.reporting = false;
    m_reportsTo->setUnknown(false);
}

void Progress::checkpoint(std::uint64_t done) {
    m_units = 0;
    pollForStop();
    if (m_reportsTo == nullptr || m_total == 0)
        return;
    const double share =
        static_cast<double>(std::min(done, m_total)) / static_cast<double>(m_total);
    m_reportsTo->raiseTo(t_watch.low + (t_watch.high - t_watch.low) * share);
}

ProgressRange::ProgressRange(double from, double to) noexcept
    : m_outerLow(t_watch.low), m_outerHigh(t_watch.high) {
    assert(0 <= from && from <= to && to <= 1);
    const double width = m_outerHigh - m_outerLow;
    t_watch.low = m_outerLow + width * from;
    t_watch.high = m_outerLow + width * to;
}

ProgressRange::~ProgressRange() {
    if (t_watch.monitor != nullptr)
        t_watch.monitor->raiseTo(t_watch.high);
    t_watch.low = m_outerLow;
    t_watch.high = m_outerHigh;
}

} // namespace tallaro
