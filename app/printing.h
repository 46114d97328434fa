#pragma once

#include <QImage>
#include <QPrinter>
#include <QRect>

class QLabel;
class QProgressBar;
class QWidget;

namespace tw {

class Clock;
class Messages;

// The printer the window is printed on: Qt's printing in the program, a recorder in tests.
class Printing {
public:
    virtual ~Printing() = default;
    // A printer was chosen in this run, or the system has a default one.
    virtual bool hasPrinter() const = 0;
    // The print dialog with every printer and printing to a PDF file; false on Cancel. The
    // choice holds for the rest of the run.
    virtual bool choosePrinter(QWidget *parent) = 0;
    // One page with the image as large as fits, proportions kept, centred. Empty on success,
    // otherwise why it failed.
    virtual QString printPage(const QImage &image) = 0;
};

class QtPrinting final : public Printing {
public:
    QtPrinting();
    // From now on pages go into this PDF file, as if it had been chosen in the dialog.
    void printToFile(const QString &path);

    bool hasPrinter() const override;
    bool choosePrinter(QWidget *parent) override;
    QString printPage(const QImage &image) override;

private:
    QString printerShown() const;

    QPrinter printer_;
    bool chosen_ = false;
};

// Where an image goes on a page: as large as fits, proportions kept, centred.
QRect fittedRect(QSize image, const QRect &page);

// Printing the main window: the question, the progress display, then one page with the window.
class FormPrinter {
public:
    FormPrinter(QWidget &window, QLabel &caption, QProgressBar &bar, Messages &messages,
                Printing &printing, Clock &clock);

    // "Print" and "&Print Form". A request while a print runs is ignored.
    void Print1Click();
    // "Printer &Setup".
    void PrinterSetup1Click();
    bool busy() const { return busy_; }

private:
    void showProgress();

    QWidget &window_;
    QLabel &caption_;
    QProgressBar &bar_;
    Messages &messages_;
    Printing &printing_;
    Clock &clock_;
    bool busy_ = false;
};

} // namespace tw
