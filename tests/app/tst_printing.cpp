#include "app/printing.h"
#include "tests/support/window_fixture.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>

using namespace tw;
using namespace tw::test;

// Printing the window: the question, the progress display, one page; never a real printer.
class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void progressHiddenOutsidePrinting();
    void print_data();
    void print();
    void noPrinterAsksForOne_data();
    void noPrinterAsksForOne();
    void printerSetupChoiceHolds();
    void secondRequestWhilePrintingIsIgnored();
    void failedPrint();
    void failedPrintInARealBox();
    void pdfPage();
    void unwritablePdf();
    void fitted_data();
    void fitted();
};

namespace {

const QString question = "question: Print... | Print form data?";

// Colours in an image: a blank page has one.
int colours(const QImage &image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

} // namespace

void PrintingTest::progressHiddenOutsidePrinting()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    QVERIFY(!w.options()->Label29->isVisibleTo(&w));
    QVERIFY(!w.options()->ProgressBar3->isVisibleTo(&w));
}

void PrintingTest::print_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Print button, Yes") << "Button2" << true;
    QTest::newRow("Print button, No") << "Button2" << false;
    QTest::newRow("Print Form, Yes") << "Print1" << true;
    QTest::newRow("Print Form, No") << "Print1" << false;
}

void PrintingTest::print()
{
    QFETCH(QString, trigger);
    QFETCH(bool, yes);
    WindowFixture f;
    f.install();
    f.printer.hasDefault = true;
    f.messages.answers << yes;
    TForm1 &w = f.start();
    QLabel *caption = w.options()->Label29;
    QProgressBar *bar = w.options()->ProgressBar3;
    QStringList captions;
    QList<int> positions;
    f.clock.onSleep = [&] {
        captions << (caption->isVisibleTo(&w) ? caption->text() : QString("hidden"));
        positions << (bar->isVisibleTo(&w) ? bar->value() : -1);
    };
    if (auto *action = w.findChild<QAction *>(trigger))
        action->trigger();
    else
        QTest::mouseClick(w.findChild<QPushButton *>(trigger), Qt::LeftButton);

    QCOMPARE(f.messages.take(), QStringList{question});
    QCOMPARE(f.printer.dialogs, 0);
    if (!yes) {
        QVERIFY(f.printer.pages.isEmpty());
        QCOMPARE(f.clock.sleeps, 0);
        return;
    }
    // About a second of progress, 0 to 100 in steps of one, with the caption up throughout.
    QCOMPARE(f.clock.sleeps, 101);
    QCOMPARE(captions, QStringList(101, "Printing..."));
    QCOMPARE(positions.first(), 0);
    QCOMPARE(positions.last(), 100);
    QVERIFY(!caption->isVisibleTo(&w));
    QVERIFY(!bar->isVisibleTo(&w));
    QCOMPARE(bar->value(), 0);
    // One page with the window on it, taken after the progress display was gone.
    QCOMPARE(f.printer.pages.size(), 1);
    const QImage page = f.printer.pages.first();
    QCOMPARE(page.size() / page.devicePixelRatio(), w.size());
    QVERIFY(colours(page) > 20);
}

void PrintingTest::noPrinterAsksForOne_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::newRow("printer chosen") << true;
    QTest::newRow("dialog cancelled") << false;
}

void PrintingTest::noPrinterAsksForOne()
{
    QFETCH(bool, chosen);
    WindowFixture f;
    f.install();
    f.messages.answers << true;
    f.printer.choices << chosen;
    TForm1 &w = f.start();
    w.findChild<QAction *>("Print1")->trigger();
    QCOMPARE(f.messages.take(), QStringList{question});
    QCOMPARE(f.printer.dialogs, 1);
    QCOMPARE(f.printer.pages.size(), chosen ? 1 : 0);
    QCOMPARE(f.clock.sleeps, chosen ? 101 : 0);
}

void PrintingTest::printerSetupChoiceHolds()
{
    WindowFixture f;
    f.install();
    f.printer.choices << true;
    f.messages.answers << true << true;
    TForm1 &w = f.start();
    w.findChild<QAction *>("PrinterSetup1")->trigger();
    QCOMPARE(f.printer.dialogs, 1);
    QVERIFY(f.messages.take().isEmpty());
    w.findChild<QAction *>("Print1")->trigger();
    w.findChild<QAction *>("Print1")->trigger();
    QCOMPARE(f.printer.dialogs, 1);
    QCOMPARE(f.printer.pages.size(), 2);
}

void PrintingTest::secondRequestWhilePrintingIsIgnored()
{
    WindowFixture f;
    f.install();
    f.printer.hasDefault = true;
    f.messages.answers << true << true;
    TForm1 &w = f.start();
    f.clock.onSleep = [&] {
        if (f.clock.sleeps == 50) {
            QTest::mouseClick(w.options()->Button2, Qt::LeftButton);
            w.findChild<QAction *>("Print1")->trigger();
        }
    };
    w.findChild<QAction *>("Print1")->trigger();
    QCOMPARE(f.messages.take(), QStringList{question});
    QCOMPARE(f.printer.pages.size(), 1);
    QCOMPARE(f.clock.sleeps, 101);
}

void PrintingTest::failedPrint()
{
    WindowFixture f;
    f.install();
    f.printer.hasDefault = true;
    f.printer.failure = "the printer Office reported an error.";
    f.messages.answers << true;
    TForm1 &w = f.start();
    QTest::mouseClick(w.options()->Button2, Qt::LeftButton);
    QCOMPARE(f.messages.take(),
             QStringList({question, "error: Printing failed: the printer Office reported an "
                                    "error."}));
    QVERIFY(!w.options()->Label29->isVisibleTo(&w));
}

void PrintingTest::failedPrintInARealBox()
{
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    f.printer.hasDefault = true;
    f.printer.failure = "the printer Office reported an error.";
    f.messages.answers << true;
    TForm1 &w = f.start();
    w.findChild<QAction *>("Print1")->trigger();
    QCOMPARE(f.boxes.onScreen,
             QStringList({"Print form data?", "Printing failed: the printer Office reported an "
                                              "error."}));
    QCOMPARE(f.printer.pages.size(), 1);
}

void PrintingTest::pdfPage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("window.pdf");
    QtPrinting pdf;
    pdf.printToFile(path);
    WindowFixture f;
    f.install();
    f.usePrinting(pdf);
    f.messages.answers << true;
    TForm1 &w = f.start();
    w.findChild<QAction *>("Print1")->trigger();
    QCOMPARE(f.messages.take(), QStringList{question});

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count(QByteArray("/Type /Page\n")), 1);
    // The page carries the window's image at its own size, so it is not blank.
    const QImage image = w.grab().toImage();
    QVERIFY(bytes.contains("/Subtype /Image"));
    QVERIFY(bytes.contains("/Width " + QByteArray::number(image.width())));
    QVERIFY(bytes.contains("/Height " + QByteArray::number(image.height())));
}

void PrintingTest::unwritablePdf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/window.pdf");
    QtPrinting pdf;
    pdf.printToFile(path);
    WindowFixture f;
    f.install();
    f.usePrinting(pdf);
    f.messages.answers << true;
    TForm1 &w = f.start();
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    w.findChild<QAction *>("Print1")->trigger();
    QCOMPARE(f.messages.take(), QStringList({question, "error: Printing failed: the file " + path +
                                                           " could not be opened for printing."}));
    QVERIFY(!QFile::exists(path));
}

void PrintingTest::fitted_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("page");
    QTest::addColumn<QRect>("expected");
    // A window wider than tall on a portrait page: full width, centred vertically.
    QTest::newRow("wide on portrait")
        << QSize(959, 800) << QRect(0, 0, 4800, 6800) << QRect(0, 1398, 4800, 4004);
    // Taller than the page is wide: full height, centred across.
    QTest::newRow("tall on landscape")
        << QSize(500, 1000) << QRect(0, 0, 3000, 2000) << QRect(1000, 0, 1000, 2000);
    QTest::newRow("small image grows")
        << QSize(10, 10) << QRect(100, 50, 200, 400) << QRect(100, 150, 200, 200);
    QTest::newRow("same proportions")
        << QSize(40, 30) << QRect(0, 0, 400, 300) << QRect(0, 0, 400, 300);
    QTest::newRow("empty image") << QSize(0, 0) << QRect(0, 0, 400, 300) << QRect();
}

void PrintingTest::fitted()
{
    QFETCH(QSize, image);
    QFETCH(QRect, page);
    QFETCH(QRect, expected);
    QCOMPARE(fittedRect(image, page), expected);
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
