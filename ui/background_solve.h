#pragma once

// Runs a long computation off the GUI thread and hands its result back on the GUI thread, if it
// is still wanted: every request supersedes the ones before it, and a result arrives only while
// its owner widget lives. Destroying the owner or the solver while a computation runs is safe:
// the computation finishes on its own and its result is dropped.

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace tw {

class BackgroundSolve {
public:
    // Results are delivered while owner lives.
    explicit BackgroundSolve(QWidget *owner);
    ~BackgroundSolve();
    BackgroundSolve(const BackgroundSolve &) = delete;
    BackgroundSolve &operator=(const BackgroundSolve &) = delete;

    // Computes solve() on the thread pool and calls deliver(result) on the GUI thread, unless a
    // newer request has been made by then. The function must own everything it reads.
    template <typename T>
    void start(std::function<T()> solve, std::function<void(const T &)> deliver)
    {
        post([solve = std::move(solve), deliver = std::move(deliver)]() -> std::function<void()> {
            return [deliver, result = solve()] { deliver(result); };
        });
    }

    // Computes at once, on this thread, and discards whatever is still running.
    template <typename T>
    void run(const std::function<T()> &solve, const std::function<void(const T &)> &deliver)
    {
        cancel();
        deliver(solve());
    }

    // A newer request that needs no computation: drops whatever is still running.
    void cancel();
    // True from a start until its result is delivered or dropped by a newer request.
    bool pending() const;

private:
    struct Shared;
    void post(std::function<std::function<void()>()> work);

    std::shared_ptr<Shared> shared_;
    QPointer<QObject> receiver_;
};

} // namespace tw
