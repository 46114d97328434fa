#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace tw {

class Clock;
class TForm1;

// The start-up splash: reads the stored settings when shown and counts the loading progress.
class TForm4 final : public QWidget {
public:
    TForm4(TForm1 &main, Clock &clock);

    // Reads the stored settings and applies them to the main window and the Program Options.
    void FormShow();

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QProgressBar *ProgressBar1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applySettings();
    // A stored value, or the installed one while nothing could be stored.
    QString stored(const QString &name) const;

    TForm1 &main_;

    bool installedOnly_ = false;
    Clock &clock_;
};

// The progress text for a bar position; positions that end a stage keep the current text.
QString splashStatusText(int position, const QString &current);

// The start-up sequence of the main window: splash, settings, progress, first recalculation.
void runStartUp(TForm1 &main, TForm4 &splash, Clock &clock);

} // namespace tw
