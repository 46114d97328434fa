#include "tests/support/real_message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace tw::test {

void RealMessageBoxes::closeWhenShown(int button)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        onScreen.append(box->text());
        poll->deleteLater();
        box->button(QMessageBox::StandardButton(button))->click();
    });
    poll->start();
}

void RealMessageBoxes::information(const QString &text)
{
    recorder_.information(text);
    closeWhenShown(QMessageBox::Ok);
    boxes_.information(text);
}

bool RealMessageBoxes::question(const QString &title, const QString &text)
{
    const bool yes = recorder_.question(title, text);
    closeWhenShown(yes ? QMessageBox::Yes : QMessageBox::No);
    return boxes_.question(title, text);
}

void RealMessageBoxes::error(const QString &text)
{
    recorder_.error(text);
    closeWhenShown(QMessageBox::Ok);
    boxes_.error(text);
}

} // namespace tw::test
