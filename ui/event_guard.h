#pragma once

#include <functional>

namespace tw {

class Messages;

// Where the standard error display shows the errors that end an event handler.
void setErrorDisplay(Messages *messages);

// Runs an event handler. At the outermost level a HandlerError (or any other exception) ends
// the handler and is shown by the error display; inside a handler already running, the error
// travels on to that handler, which ends too - one event, one error box.
void guardEvent(const std::function<void()> &handler);

// Runs a handler that a Qt event function calls on its own account (a box losing the focus): its
// error is shown and it returns, even inside another handler, so nothing unwinds through Qt.
void reportingEvent(const std::function<void()> &handler);

// True while an event handler is running.
bool insideEvent();

// Marks a nested event loop (a modal box, pending messages processed by a long handler):
// events delivered inside it are outermost events of their own.
class NestedEventLoop {
public:
    NestedEventLoop();
    ~NestedEventLoop();
    NestedEventLoop(const NestedEventLoop &) = delete;
    NestedEventLoop &operator=(const NestedEventLoop &) = delete;

private:
    int savedDepth_;
};

// Lets pending window messages be processed from inside a handler.
void processPendingEvents();

} // namespace tw
