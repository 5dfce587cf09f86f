#pragma once
// Figures worked out off the UI thread: the coach's for a layout, the
// workshop's for an arrangement and its random draws. A result arrives on
// the UI thread only while it is still the one asked for last; one asked
// for while another runs starts when that one ends, so a quick run of
// changes never piles builds up. The worker thread hands its working memory
// back after each piece of work.
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <functional>
#include <optional>
#include <utility>

namespace quellan {

// Gives back what a build leaves on its worker thread: the distance map's
// build space, then the freed pages to the system.
void releaseWorkerMemory();

template <class Result>
class BackgroundFigures {
  public:
    using Work = std::function<Result()>;
    using Ready = std::function<void(Result)>;

    // `ready` receives each result that is not out of date, on the UI thread.
    explicit BackgroundFigures(Ready ready) : m_ready(std::move(ready)) {
        QObject::connect(&m_watcher, &QFutureWatcherBase::finished, &m_watcher,
                         [this] { finished(); });
    }
    // The work under way is waited for: it may still use what its owner holds.
    ~BackgroundFigures() { m_watcher.waitForFinished(); }
    BackgroundFigures(const BackgroundFigures&) = delete;
    BackgroundFigures& operator=(const BackgroundFigures&) = delete;

    // Asks for `work`; whatever was asked for before is out of date.
    void start(Work work) {
        m_next = std::move(work);
        ++m_asked;
        if (!m_inFlight) runNext();
    }
    // Nothing asked for so far is wanted any more.
    void drop() {
        m_next = nullptr;
        ++m_asked;
    }
    // True while the result last asked for is still to come.
    bool busy() const { return m_next || (m_inFlight && m_running == m_asked); }
    // Waits for the result last asked for and hands it over now.
    void finish() {
        while (busy()) {
            m_watcher.waitForFinished();
            finished();
        }
    }

  private:
    void runNext() {
        Work work = std::move(m_next);
        m_next = nullptr;
        m_running = m_asked;
        m_inFlight = true;
        m_watcher.setFuture(QtConcurrent::run([work = std::move(work)] {
            Result result = work();
            releaseWorkerMemory();
            return result;
        }));
    }
    // Runs when the work under way has ended, by its signal or by finish(),
    // whichever comes first.
    void finished() {
        if (!m_inFlight || !m_watcher.future().isFinished()) return;
        m_inFlight = false;
        std::optional<Result> result;
        const QFuture<Result> done = m_watcher.future();
        if (m_running == m_asked && done.resultCount() > 0) result.emplace(done.result());
        // The watcher lets the finished work go: the copy of the result kept
        // there would hold its memory until the next piece of work.
        m_watcher.setFuture(QFuture<Result>());
        if (m_next) runNext();
        if (result) m_ready(std::move(*result));
    }

    Ready m_ready;
    QFutureWatcher<Result> m_watcher;
    Work m_next;           // asked for, not started yet
    unsigned m_asked = 0;  // counts what was asked for (and drops)
    unsigned m_running = 0;
    bool m_inFlight = false;
};

}  // namespace quellan
