#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QTextEdit;

namespace tw {

class Messages;
class SettingsStore;

// "Registry Key Install...": writes the settings file with the installed defaults into the
// working directory, imports it and ends the program so the next start reads the new settings.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    TForm8(SettingsStore &store, Messages &messages, std::function<void(int)> exitProgram,
           QWidget *parent = nullptr);

    // Where "Run " writes the file, fixed when the dialog is created.
    QString filePath() const { return path_; }

    // "Run ": ends the program only once the file is written and its settings are stored.
    void Button1Click();
    // "Cancel".
    void Button2Click();

private:
    SettingsStore &store_;
    Messages &messages_;
    std::function<void(int)> exitProgram_;
    QString path_;

    QTextEdit *RichEdit1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
};

} // namespace tw
