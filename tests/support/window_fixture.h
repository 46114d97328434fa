#pragma once

#include "app/main_window.h"
#include "app/printing.h"
#include "app/settings/settings_store.h"
#include "tests/support/message_recorder.h"
#include "tests/support/real_message_boxes.h"
#include "ui/platform.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tw::test {

// Records every shell action; a failing one records it and reports that it could not.
class DesktopRecorder final : public Desktop {
public:
    bool openUrl(const QString &address) override
    {
        opened.append(address);
        return !failing;
    }
    bool openDocument(const QString &path) override
    {
        documents.append(path);
        return !failing;
    }
    bool startProgram(const QString &program, const QStringList &) override
    {
        started.append(program);
        return !failing;
    }
    QStringList opened;
    QStringList documents;
    QStringList started;
    bool failing = false;
};

// Stands in for the printer: the print dialog answers from a queue (Cancel when empty), pages
// are kept as images.
class PrintRecorder final : public Printing {
public:
    bool hasPrinter() const override { return chosen || hasDefault; }
    bool choosePrinter(QWidget *) override
    {
        ++dialogs;
        const bool ok = !choices.isEmpty() && choices.takeFirst();
        chosen = chosen || ok;
        return ok;
    }
    QString printPage(const QImage &image) override
    {
        pages.append(image);
        return failure;
    }
    bool hasDefault = false;
    bool chosen = false;
    QList<bool> choices;
    int dialogs = 0;
    QList<QImage> pages;
    // Why the next pages fail; empty for success.
    QString failure;
};

// Does not wait; a test can act at every wait, as events delivered meanwhile would.
class TestClock final : public Clock {
public:
    void sleep(int) override
    {
        ++sleeps;
        if (onSleep)
            onSleep();
    }
    int sleeps = 0;
    std::function<void()> onSleep;
};

// Clicks a radio button or check box on its indicator, where a click always hits.
void clickIndicator(QAbstractButton *button);

// The real main window with a temporary settings store, recorded messages and no waits.
class WindowFixture {
public:
    explicit WindowFixture(DecimalMode mode = DecimalMode::Point);
    ~WindowFixture();

    // Writes the eight installed values, with changes, before the window starts.
    void install(const QList<std::pair<QString, QString>> &changes = {});
    // Creates the window and runs the start-up sequence.
    TForm1 &start();
    // Before start: every message opens a real modal box, closed at once and still recorded.
    void useRealMessageBoxes() { realBoxes_ = true; }
    // Before start: pages go to this printing instead of the recorder.
    void usePrinting(Printing &printing) { printing_ = &printing; }
    // Destroys the window as the end of the program does.
    void destroyWindow() { window_.reset(); }

    TForm1 &window() { return *window_; }
    template <typename T = QWidget> T *find(const QString &name) const
    {
        return window_->findChild<T *>(name);
    }
    QString text(const QString &name) const;
    // Types a text into an edit box as the user would, then presses Enter.
    void enter(const QString &name, const QString &text);
    // Enter on a refused entry, with real message boxes: exactly one box shows message, the
    // recorder has it once, and the box then holds the correction.
    void enterRefused(const QString &name, const QString &text, const QString &message,
                      const QString &correction);
    void typeText(const QString &name, const QString &text);
    void clickRadio(const QString &group, int index);
    void clickTab(int index);
    QString stored(const QString &name) const;

    QTemporaryDir dir;
    MessageRecorder messages;
    RealMessageBoxes boxes{messages};
    DesktopRecorder desktop;
    PrintRecorder printer;
    TestClock clock;
    // The program's folder as the window sees it (not created until a test needs it).
    QString programDirectory;
    std::unique_ptr<NativeSettingsStore> settings;
    QList<int> exitCodes;
    DecimalMode mode;

private:
    bool realBoxes_ = false;
    Printing *printing_ = nullptr;
    std::unique_ptr<TForm1> window_;
};

} // namespace tw::test
