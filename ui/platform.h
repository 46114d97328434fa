#pragma once

#include <QString>

namespace tw {

// Shell actions: web pages, mail addresses, documents and outside programs.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool openUrl(const QString &address) = 0;
};

class SystemDesktop final : public Desktop {
public:
    bool openUrl(const QString &address) override;
};

// Waits of the start-up splash; a clock that does not wait keeps every step but the delay.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleep(int milliseconds) = 0;
};

class SystemClock final : public Clock {
public:
    void sleep(int milliseconds) override;
};

class NoWaitClock final : public Clock {
public:
    void sleep(int) override {}
};

} // namespace tw
