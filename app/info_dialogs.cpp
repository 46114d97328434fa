#include "app/info_dialogs.h"

#include "app/about_dialog.h"
#include "app/licence.h"
#include "app/references_dialog.h"
#include "app/window_lock.h"
#include "ui/messages.h"

#include <QCoreApplication>

namespace tw {

namespace {

void showRaised(QWidget &dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace

InfoDialogs::InfoDialogs(WindowLock &lock, Messages &messages, Desktop &desktop,
                         QString programDirectory)
    : lock_(lock), messages_(messages), desktop_(desktop),
      programDirectory_(std::move(programDirectory)), form2_(std::make_unique<TForm2>(desktop)),
      form5_(std::make_unique<TForm5>())
{
    if (programDirectory_.isEmpty())
        programDirectory_ = QCoreApplication::applicationDirPath();
    // Close button, close box and Escape all end in finished().
    QObject::connect(form2_.get(), &QDialog::finished, form2_.get(),
                     [this] { lock_.release(form2_.get()); });
    QObject::connect(form5_.get(), &QDialog::finished, form5_.get(),
                     [this] { lock_.release(form5_.get()); });
}

InfoDialogs::~InfoDialogs() = default;

void InfoDialogs::About1Click()
{
    lock_.hold(form2_.get());
    showRaised(*form2_);
}

void InfoDialogs::Exit2Click()
{
    showRaised(*form2_);
}

void InfoDialogs::References1Click()
{
    lock_.hold(form5_.get());
    showRaised(*form5_);
}

void InfoDialogs::Disclaimer1Click()
{
    messages_.information("The calculations performed in this program are for reference only.");
}

void InfoDialogs::EULA1Click()
{
    openLicence(desktop_, programDirectory_);
}

void InfoDialogs::hideAll()
{
    form2_->hide();
    form5_->hide();
}

} // namespace tw
