#pragma once

#include <QString>

#include <stdexcept>

namespace tw {

// An error that ends the running event handler and is shown by the standard error display.
class HandlerError : public std::runtime_error {
public:
    explicit HandlerError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString &message() const { return message_; }

private:
    QString message_;
};

// Text that is not a number where one is expected.
class ConversionError final : public HandlerError {
public:
    using HandlerError::HandlerError;
};

// A floating-point fault (division by zero, overflow, invalid operation) caught before a
// result is written.
class FloatError final : public HandlerError {
public:
    using HandlerError::HandlerError;
};

} // namespace tw
