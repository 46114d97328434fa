#include "ui/event_guard.h"

#include "ui/errors.h"
#include "ui/messages.h"

#include <QCoreApplication>

#include <exception>

namespace tw {

namespace {
Messages *errorDisplay = nullptr;
int depth = 0;
} // namespace

void setErrorDisplay(Messages *messages)
{
    errorDisplay = messages;
}

bool insideEvent()
{
    return depth > 0;
}

void guardEvent(const std::function<void()> &handler)
{
    if (!handler)
        return;
    if (depth > 0) {
        handler();
        return;
    }
    depth = 1;
    QString failure;
    bool failed = false;
    try {
        handler();
    } catch (const HandlerError &e) {
        failed = true;
        failure = e.message();
    } catch (const std::exception &e) {
        failed = true;
        failure = QString::fromUtf8(e.what());
    } catch (...) {
        failed = true;
    }
    depth = 0;
    if (failed && errorDisplay)
        errorDisplay->error(failure);
}

NestedEventLoop::NestedEventLoop() : savedDepth_(depth)
{
    depth = 0;
}

NestedEventLoop::~NestedEventLoop()
{
    depth = savedDepth_;
}

void reportingEvent(const std::function<void()> &handler)
{
    NestedEventLoop own;
    guardEvent(handler);
}

void processPendingEvents()
{
    NestedEventLoop loop;
    QCoreApplication::processEvents();
}

} // namespace tw
