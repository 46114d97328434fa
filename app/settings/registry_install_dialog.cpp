#include "app/settings/registry_install_dialog.h"

#include "app/settings/registry_file.h"
#include "app/settings/settings_store.h"
#include "ui/event_guard.h"
#include "ui/messages.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tw {

TForm8::TForm8(SettingsStore &store, Messages &messages, std::function<void(int)> exitProgram,
               QWidget *parent)
    : QDialog(parent), store_(store), messages_(messages), exitProgram_(std::move(exitProgram)),
      path_(QDir(QDir::currentPath()).filePath(registry_file::FileName))
{
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Registry Key Install..."));
    setModal(false);
    resize(520, 360);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    // Plain text: the file's backslashes and quotes must show as they are written.
    RichEdit1->setPlainText(QString::fromLatin1(registry_file::text()));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setText(QDir::toNativeSeparators(path_));

    Button1 = new QPushButton(QStringLiteral("Run "), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this,
            [this] { guardEvent([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { guardEvent([this] { Button2Click(); }); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
}

void TForm8::Button1Click()
{
    const QString shownPath = QDir::toNativeSeparators(path_);

    QSaveFile file(path_);
    // A working directory that only lets an existing file be overwritten is good enough.
    file.setDirectWriteFallback(true);
    const QByteArray text = registry_file::text();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        messages_.error(
            QStringLiteral("The registry file could not be written to %1: %2\nThe settings "
                           "were not changed.")
                .arg(shownPath, file.errorString()));
        return;
    }

    // Import what is on disk, not what was meant to be written, as a registry editor would.
    const registry_file::Parsed imported = registry_file::importFile(path_, store_);
    if (!imported.accepted()) {
        messages_.error(QStringLiteral("The registry file %1 was not imported: %2\nThe settings "
                                       "were not changed.")
                            .arg(shownPath, imported.error));
        return;
    }

    close();
    exitProgram_(0);
}

void TForm8::Button2Click()
{
    close();
}

} // namespace tw
