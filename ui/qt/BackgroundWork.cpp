#include "BackgroundWork.h"

#include <cassert>
#include <new>
#include <utility>

namespace tallaro::qt {

BackgroundWork::~BackgroundWork() {
    abandon();
}

void BackgroundWork::start(std::function<void()> work, std::function<void()> finish) {
    // One piece at a time: the dialog starts no command while one runs.
    assert(!running());
    m_finish = std::move(finish);
    m_thread.reset(QThread::create(std::move(work)));
    // Emitted on the worker as it ends; the connection queues it to this object's thread,
    // where it may arrive after the work was abandoned and another started.
    QThread *thread = m_thread.get();
    connect(thread, &QThread::finished, this, [this, thread] {
        if (m_thread.get() == thread)
            finished();
    });
    m_thread->start();
    // A thread the system would not create (it lacks the memory or the threads for it): no
    // finish would ever come and the window would stay busy, so the caller learns at once.
    if (!m_thread->isRunning() && !m_thread->isFinished()) {
        m_thread.reset();
        m_finish = nullptr;
        throw std::bad_alloc();
    }
}

void BackgroundWork::abandon() {
    if (!m_thread)
        return;
    m_thread->wait();
    m_thread.reset();
    m_finish = nullptr;
}

void BackgroundWork::finished() {
    m_thread->wait();
    m_thread.reset();
    // Moved out first: the finish may start the next piece of work.
    const std::function<void()> finish = std::exchange(m_finish, nullptr);
    finish();
}

} // namespace tallaro::qt
