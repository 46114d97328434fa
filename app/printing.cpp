#include "app/printing.h"

#include "ui/controls.h"
#include "ui/errors.h"
#include "ui/event_guard.h"
#include "ui/messages.h"
#include "ui/platform.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProgressBar>

namespace tw {

QtPrinting::QtPrinting() : printer_(QPrinter::HighResolution) {}

void QtPrinting::printToFile(const QString &path)
{
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(path);
    chosen_ = true;
}

bool QtPrinting::hasPrinter() const
{
    return chosen_ || !QPrinterInfo::defaultPrinter().isNull();
}

bool QtPrinting::choosePrinter(QWidget *parent)
{
    QPrintDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Printer Setup");
    NestedEventLoop loop;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chosen_ = true;
    return true;
}

QString QtPrinting::printerShown() const
{
    if (!printer_.outputFileName().isEmpty())
        return QStringLiteral("the file %1").arg(printer_.outputFileName());
    if (!printer_.printerName().isEmpty())
        return QStringLiteral("the printer %1").arg(printer_.printerName());
    return QStringLiteral("the printer");
}

QString QtPrinting::printPage(const QImage &image)
{
    if (image.isNull())
        return QStringLiteral("the window could not be captured.");
    QPainter painter;
    if (!painter.begin(&printer_))
        return QStringLiteral("%1 could not be opened for printing.").arg(printerShown());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fittedRect(image.size(), painter.viewport()), image);
    if (!painter.end() || printer_.printerState() == QPrinter::Error)
        return QStringLiteral("%1 reported an error.").arg(printerShown());
    return {};
}

QRect fittedRect(QSize image, const QRect &page)
{
    if (image.isEmpty() || page.isEmpty())
        return {};
    const QSize fitted = image.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.left() + (page.width() - fitted.width()) / 2,
            page.top() + (page.height() - fitted.height()) / 2, fitted.width(), fitted.height()};
}

FormPrinter::FormPrinter(QWidget &window, QLabel &caption, QProgressBar &bar, Messages &messages,
                         Printing &printing, Clock &clock)
    : window_(window), caption_(caption), bar_(bar), messages_(messages), printing_(printing),
      clock_(clock)
{
    caption_.setText("Printing...");
    caption_.hide();
    bar_.hide();
}

void FormPrinter::PrinterSetup1Click()
{
    printing_.choosePrinter(&window_);
}

void FormPrinter::Print1Click()
{
    // The progress loop lets events through, among them a second click on "Print".
    if (busy_)
        return;
    busy_ = true;
    struct Done {
        bool &busy;
        ~Done() { busy = false; }
    } done{busy_};

    if (!messages_.question("Print...", "Print form data?"))
        return;
    if (!printing_.hasPrinter() && !printing_.choosePrinter(&window_))
        return;
    showProgress();
    const QString failure = printing_.printPage(window_.grab().toImage());
    if (!failure.isEmpty())
        throw HandlerError(QStringLiteral("Printing failed: ") + failure);
}

void FormPrinter::showProgress()
{
    caption_.show();
    processPendingEvents();
    bar_.show();
    for (int position = 0; position <= 100; ++position) {
        setBarPosition(&bar_, position);
        processPendingEvents();
        clock_.sleep(10);
    }
    caption_.hide();
    setBarPosition(&bar_, 0);
    bar_.hide();
}

} // namespace tw
