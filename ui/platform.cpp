#include "ui/platform.h"

#include <QDesktopServices>
#include <QThread>
#include <QUrl>

namespace tw {

bool SystemDesktop::openUrl(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

void SystemClock::sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace tw
