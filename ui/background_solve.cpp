#include "ui/background_solve.h"

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>
#include <QWidget>

namespace tw {

// What the pool's tasks share with the GUI thread; it outlives both the solver and the owner.
// All fields under mutex.
struct BackgroundSolve::Shared {
    QMutex mutex;
    QObject *receiver = nullptr; // cleared before the receiver goes
    std::uint64_t generation = 0;
    std::uint64_t delivered = 0;

    bool current(std::uint64_t g)
    {
        QMutexLocker lock(&mutex);
        return generation == g;
    }
};

namespace {

// Lives on the GUI thread as a child of the owner; delivery is queued to it, so Qt drops what
// is still queued when it goes.
class Receiver final : public QObject {
public:
    Receiver(QObject *parent, std::shared_ptr<void> shared, QMutex *mutex, QObject **slot)
        : QObject(parent), shared_(std::move(shared)), mutex_(mutex), slot_(slot)
    {
    }
    ~Receiver() override
    {
        QMutexLocker lock(mutex_);
        *slot_ = nullptr;
    }

private:
    std::shared_ptr<void> shared_;
    QMutex *mutex_;
    QObject **slot_;
};

} // namespace

BackgroundSolve::BackgroundSolve(QWidget *owner) : shared_(std::make_shared<Shared>())
{
    auto *receiver = new Receiver(owner, shared_, &shared_->mutex, &shared_->receiver);
    shared_->receiver = receiver;
    receiver_ = receiver;
}

BackgroundSolve::~BackgroundSolve()
{
    cancel();
    delete receiver_.data();
}

void BackgroundSolve::cancel()
{
    QMutexLocker lock(&shared_->mutex);
    shared_->delivered = ++shared_->generation;
}

bool BackgroundSolve::pending() const
{
    QMutexLocker lock(&shared_->mutex);
    return shared_->delivered != shared_->generation;
}

void BackgroundSolve::post(std::function<std::function<void()>()> work)
{
    std::uint64_t generation = 0;
    {
        QMutexLocker lock(&shared_->mutex);
        generation = ++shared_->generation;
    }
    std::shared_ptr<Shared> shared = shared_;
    QThreadPool::globalInstance()->start([shared, generation, work = std::move(work)] {
        // Superseded before it started: not worth computing.
        if (!shared->current(generation))
            return;
        std::function<void()> deliver = work();
        QMutexLocker lock(&shared->mutex);
        if (!shared->receiver || shared->generation != generation)
            return;
        QMetaObject::invokeMethod(
            shared->receiver,
            [shared, generation, deliver = std::move(deliver)] {
                {
                    QMutexLocker lock(&shared->mutex);
                    if (shared->generation != generation)
                        return;
                    shared->delivered = generation;
                }
                deliver();
            },
            Qt::QueuedConnection);
    });
}

} // namespace tw
