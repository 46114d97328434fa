#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// Shell actions: web pages, mail addresses, documents and outside programs. Each returns false
// when the desktop could not do it.
class Desktop {
public:
    virtual ~Desktop() = default;
    // An "https:" page in the browser or a "mailto:" address in the mail program.
    virtual bool openUrl(const QString &address) = 0;
    // A local file in the desktop's viewer for its kind.
    virtual bool openDocument(const QString &path) = 0;
    // Starts a program on its own, not waiting for it.
    virtual bool startProgram(const QString &program, const QStringList &arguments = {}) = 0;
};

class SystemDesktop final : public Desktop {
public:
    bool openUrl(const QString &address) override;
    bool openDocument(const QString &path) override;
    bool startProgram(const QString &program, const QStringList &arguments = {}) override;
};

// Opens a web page or mail address; when the desktop cannot, the running handler ends with a
// message naming the address.
void openLink(Desktop &desktop, const QString &address);

// Waits of the start-up splash and of printing; a clock that does not wait keeps every step but
// the delay.
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
