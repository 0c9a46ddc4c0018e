#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace tallaro::qt {

// Work off the UI thread, one piece at a time: each runs on a thread of its own, and its
// finish runs afterwards on the thread that started it (the UI thread), from the event loop.
class BackgroundWork : public QObject {
public:
    ~BackgroundWork() override;

    // Throws std::bad_alloc when no thread can be had for the work.
    void start(std::function<void()> work, std::function<void()> finish);
    // Waits for the running work to end; its finish is dropped.
    void abandon();
    bool running() const { return m_thread != nullptr; }

private:
    void finished();

    std::unique_ptr<QThread> m_thread;
    std::function<void()> m_finish;
};

} // namespace tallaro::qt
