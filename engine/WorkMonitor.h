#pragma once

#include "Scratch.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>

// Long work watched from another thread, without a parameter in every routine it runs.
//
// The thread that runs a command installs a WorkMonitor for the command's duration
// (WatchScope). The long loops of the engine and the layout then poll it: pollForStop()
// once per pass or block, a PollCounter where the loop counts its work, or a Progress where
// the loop also knows how far it has come. A poll after the watcher's requestStop() throws
// WorkStopped, which unwinds the work and frees every text it held; the caller of the work
// catches it. Without a monitor installed a poll is one thread-local load and a compare, so
// the command-line program and the benchmarks pay nothing.
//
// Every loop that can run longer than about 10 ms on the largest inputs (10^9 digits, a
// 2^24-point transform) polls at least every ~10 ms of its work, so that a stop takes effect
// within 0.2 s at any size. So does the first touch of a long text's or vector's fresh
// memory, which on some machines costs seconds a gigabyte: long buffers are grown and copied
// with growPolled and appendPolled rather than sized in one go. A new long loop or buffer
// needs a poll; a loop rewritten keeps its poll.
namespace tallaro {

// Thrown by a poll once a stop was requested; the work was abandoned on purpose.
struct WorkStopped : std::exception {
    const char *what() const noexcept override { return "work stopped"; }
};

// What a watcher sees of the work: the stop flag it sets and the share of the work done.
// The watcher's calls may come from any thread.
class WorkMonitor {
  public:
    void requestStop() noexcept { m_stop.store(true, std::memory_order_relaxed); }
    bool stopRequested() const noexcept { return m_stop.load(std::memory_order_relaxed); }
    // The share of the work done, from 0 to 1, rising only; negative while the step running
    // does not know how long it takes (a multiplication).
    double progress() const noexcept;
    // Ready for the next piece of work: no stop requested, nothing done. Not while watched.
    void reset() noexcept;

  private:
    friend class Progress;
    friend class ProgressRange;
    void raiseTo(double share) noexcept;
    void setUnknown(bool unknown) noexcept { m_unknown.store(unknown, std::memory_order_relaxed); }

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_unknown{false};
    std::atomic<std::uint32_t> m_millionths{0};
};

// Installs a monitor on the calling thread for as long as it lives.
class WatchScope {
  public:
    explicit WatchScope(WorkMonitor &monitor) noexcept;
    ~WatchScope();
    WatchScope(const WatchScope &) = delete;
    WatchScope &operator=(const WatchScope &) = delete;
};

// Work units between two polls of a counting loop: digits, limbs or butterflies, each a
// nanosecond or a few, so a poll comes every 0.1 ms or so and costs nothing measurable.
inline constexpr std::size_t kPollUnits = std::size_t{1} << 16;

// Throws WorkStopped when this thread's monitor has been asked to stop.
void pollForStop();

// A loop's work counted in units, with a poll every kPollUnits of them.
class PollCounter {
  public:
    void count(std::size_t units) {
        m_units += units;
        if (m_units >= kPollUnits) {
            m_units = 0;
            pollForStop();
        }
    }

  private:
    std::size_t m_units = 0;
};

// Reserves room for `size` elements; memory the reservation takes fresh is offered the large
// pages the program may have asked for (setFreshMemoryAdvice) before anything touches it.
template <class Container> void reserveFresh(Container &container, std::size_t size) {
    if (size <= container.capacity())
        return;
    container.reserve(size);
    adviseFreshMemory(container.data() + container.size(),
                      (container.capacity() - container.size()) *
                          sizeof(typename Container::value_type));
}

// Grows a text or vector to `size` elements `fill`, a block at a time with a poll between
// blocks (its capacity is reserved once).
template <class Container>
void growPolled(Container &container, std::size_t size, typename Container::value_type fill) {
    constexpr std::size_t block = std::size_t{1} << 20;
    reserveFresh(container, size);
    while (container.size() < size) {
        container.insert(container.end(), std::min(block, size - container.size()), fill);
        pollForStop();
    }
}

// Appends a long text or vector to another, a block at a time with a poll between blocks.
template <class Container, class Source>
void appendPolled(Container &container, const Source &from) {
    constexpr std::size_t block = std::size_t{1} << 20;
    reserveFresh(container, container.size() + from.size());
    for (std::size_t at = 0; at < from.size(); at += block) {
        const std::size_t n = std::min(block, from.size() - at);
        container.insert(container.end(), from.begin() + static_cast<std::ptrdiff_t>(at),
                         from.begin() + static_cast<std::ptrdiff_t>(at + n));
        pollForStop();
    }
}

// The progress of a loop that knows how many steps it takes (total 0: it does not, and the
// window shows a moving indication instead of a share). Only the outermost Progress alive on
// a thread reports; those nested in it only poll, so a long division inside the block
// division does not restart the bar.
class Progress {
  public:
    explicit Progress(std::uint64_t total) noexcept;
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    // The loop has reached step `done` after `units` more units of work; every kPollUnits
    // units this polls and reports done / total.
    void reach(std::uint64_t done, std::size_t units) {
        m_units += units;
        if (m_units >= kPollUnits)
            checkpoint(done);
    }

  private:
    void checkpoint(std::uint64_t done);

    WorkMonitor *m_reportsTo; // nullptr when it only polls
    std::uint64_t m_total;
    std::size_t m_units = 0;
};

// Gives the reports made while it lives the share [from, to] of the enclosing range (the
// whole work to begin with), and reports that share done when it ends: a division that also
// looks for its repetend gives its quotient the first tenth.
class ProgressRange {
  public:
    ProgressRange(double from, double to) noexcept;
    ~ProgressRange();
    ProgressRange(const ProgressRange &) = delete;
    ProgressRange &operator=(const ProgressRange &) = delete;

  private:
    double m_outerLow, m_outerHigh;
};

} // namespace tallaro
