#pragma once

#include <QSet>
#include <QWidget>

namespace tw {

// The main window stays disabled while any dialog that disabled it is open, however each closes.
class WindowLock {
public:
    explicit WindowLock(QWidget &window) : window_(window) {}

    void hold(const QObject *dialog)
    {
        holders_.insert(dialog);
        window_.setEnabled(false);
    }
    void release(const QObject *dialog)
    {
        holders_.remove(dialog);
        if (holders_.isEmpty())
            window_.setEnabled(true);
    }

private:
    QWidget &window_;
    QSet<const QObject *> holders_;
};

} // namespace tw
