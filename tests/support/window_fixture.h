#pragma once

#include "app/main_window.h"
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

class DesktopRecorder final : public Desktop {
public:
    bool openUrl(const QString &address) override
    {
        opened.append(address);
        return true;
    }
    QStringList opened;
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
    void typeText(const QString &name, const QString &text);
    void clickRadio(const QString &group, int index);
    void clickTab(int index);
    QString stored(const QString &name) const;

    QTemporaryDir dir;
    MessageRecorder messages;
    RealMessageBoxes boxes{messages};
    DesktopRecorder desktop;
    NoWaitClock clock;
    std::unique_ptr<NativeSettingsStore> settings;
    QList<int> exitCodes;
    DecimalMode mode;

private:
    bool realBoxes_ = false;
    std::unique_ptr<TForm1> window_;
};

} // namespace tw::test
