#include "ui/platform.h"

#include "ui/errors.h"

#include <QDesktopServices>
#include <QProcess>
#include <QThread>
#include <QUrl>

namespace tw {

bool SystemDesktop::openUrl(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

bool SystemDesktop::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktop::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

void openLink(Desktop &desktop, const QString &address)
{
    if (desktop.openUrl(address))
        return;
    static const QString mail = QStringLiteral("mailto:");
    if (address.startsWith(mail))
        throw HandlerError(QStringLiteral("No mail program could be started to write to %1. "
                                          "Please write to that address from your mail program.")
                               .arg(address.mid(mail.size())));
    throw HandlerError(QStringLiteral("No web browser could be started to open %1. "
                                      "Please open that address in your web browser.")
                           .arg(address));
}

void SystemClock::sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace tw
