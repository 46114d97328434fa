#pragma once

// Runs a long computation off the GUI thread and hands its result back on the GUI thread, if it
// is still wanted: every request supersedes the ones before it, and a result arrives only while
// its owner widget lives. Destroying the owner or the solver while a computation runs is safe:
// the computation finishes on its own and its result is dropped.

#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
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

// A solve beside a recalculation: a solution already found for the same inputs (a sweep of
// cases, a unit switch and back, Enter pressed twice) is shown at once instead of solved again.
template <typename T> class SolveAside {
public:
    using Key = std::array<double, 7>;
    explicit SolveAside(QWidget *owner) : solver_(owner) {}

    // Shows the solution for key: at once when it is known or background is false, otherwise
    // when a solve on the pool ends, with solving() called meanwhile.
    void show(const Key &key, bool background, std::function<T()> solve,
              std::function<void(const T &)> shown, const std::function<void()> &solving)
    {
        if (const auto found = known_.find(key); found != known_.end()) {
            solver_.cancel();
            shown(found->second);
            return;
        }
        std::function<void(const T &)> keep = [this, key, shown = std::move(shown)](const T &r) {
            if (known_.size() >= kKept)
                known_.clear();
            known_.insert_or_assign(key, r);
            shown(r);
        };
        if (background) {
            solving();
            solver_.start(std::move(solve), std::move(keep));
        } else {
            solver_.run(solve, keep);
        }
    }
    // Nothing to solve: drops whatever is still running.
    void cancel() { solver_.cancel(); }

private:
    static constexpr std::size_t kKept = 512;
    BackgroundSolve solver_;
    std::map<Key, T> known_;
};

} // namespace tw
