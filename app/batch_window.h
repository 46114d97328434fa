#pragma once

// The window a batch run drives: one offscreen main window for the whole run, brought back to
// its start state before every case, with what a case can set and read found once per
// calculator.

#include "app/main_window.h"
#include "app/settings/settings_store.h"
#include "ui/messages.h"
#include "ui/platform.h"

#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QString>

#include <memory>
#include <vector>

class QLabel;
class QWidget;

namespace tw {

// A caption as a name: without its accelerator mark and closing colon or equals sign.
QString plainCaption(QString caption);
// Two names for the same thing: plain captions compared without case.
bool sameName(const QString &a, const QString &b);
// What a box, label or list shows.
QString textOf(const QWidget *widget);
// The unit shown beside a box of `within`'s form, or an empty text.
QString unitBeside(const QWidget *widget, const QWidget *within);

// An entry a case can set: a box or a list, in the calculator's group box or the options panel.
struct BatchEntry {
    // Captions follow the unit system and the selector, so they are read when asked for.
    QString caption() const;
    const QWidget *captionWidget;
    QWidget *widget;
    QWidget *within;
    // What the user can type into or choose from in the window for this calculator.
    bool open() const;
};

struct BatchResult {
    QString caption() const;
    const QWidget *captionWidget;
    QWidget *widget;
};

// The installed settings, kept in memory: a batch run never reads or writes the user's.
class MemorySettings final : public SettingsStore {
public:
    MemorySettings();
    bool keyExists() const override { return true; }
    std::optional<QString> read(const QString &name) const override;
    bool write(const QString &name, const QString &value) override;

private:
    QMap<QString, QString> values_;
};

// The texts of the boxes the window would show, in order. A question is answered "No", as a
// box closed without a choice would be.
class MessageSink final : public Messages {
public:
    void information(const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    void error(const QString &text) override;

    QJsonArray shown;
};

class BatchWindow {
public:
    BatchWindow();
    ~BatchWindow();

    // The window as a fresh start with calculator `index` chosen from its tab: every entry,
    // list, unit system and Program Option the previous case changed is set back first.
    void begin(int index);

    TForm1 &window() { return *window_; }
    // The calculator's entries, then the options panel's.
    const QList<BatchEntry> &entries(int index);
    const QList<BatchResult> &results(int index);
    const QList<BatchResult> &information();

    MessageSink messages;

private:
    // A control as the start left it: the text of a box, the index of a list or selector.
    struct Start {
        QWidget *widget;
        QString text;
        int index;
    };
    // Sets a control back; true when that was a choice rather than a typed text.
    bool restore(const Start &start);

    MemorySettings settings_;
    std::unique_ptr<Desktop> desktop_;
    NoWaitClock clock_;
    std::unique_ptr<TForm1> window_;
    std::vector<Start> starts_;
    std::vector<Start> programOptions_;
    // Captions as the start left them: some have a designed text the unit switch replaces.
    std::vector<std::pair<QLabel *, QString>> captions_;
    int startUnits_ = 0;
    // The calculator the window was last configured for.
    int configured_ = -1;
    QMap<int, QList<BatchEntry>> entries_;
    QMap<int, QList<BatchResult>> results_;
    QList<BatchResult> information_;
};

} // namespace tw
