#include "app/about_dialog.h"
#include "app/info_dialogs.h"
#include "app/link_images.h"
#include "app/references_dialog.h"
#include "app/tray.h"
#include "tests/support/window_fixture.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTimer>

using namespace tw;
using namespace tw::test;

// About, References, Program Options and the tray: which of them disable the main window, and
// that every way of closing them gives it back.
class InfoDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aboutTexts();
    void referencesText();
    void closing_data();
    void closing();
    void trayAboutLeavesTheWindowUsable();
    void windowStaysLockedWhileAnotherDialogIsOpen();
    void referencesKeepTheirPlace();
    void trayMenu();
    void closingTheWindowEndsTheProgram_data();
    void closingTheWindowEndsTheProgram();
};

namespace {

QString hint(QWidget *widget)
{
    return widget->statusTip();
}

} // namespace

void InfoDialogsTest::aboutTexts()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    TForm2 &a = *w.form2();
    QCOMPARE(a.windowTitle(), "About Korvane, Inc. - Tracewright");
    QCOMPARE(a.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(a.StaticText1->text(), "Korvane, Inc. - Tracewright");
    QCOMPARE(a.Label1->text(), "Developed by:");
    QCOMPARE(a.Label3->text(), "Korvane, Inc.");
    QCOMPARE(a.Label4->text(), "www.korvane.com");
    QCOMPARE(hint(a.Label4), "Visit the Korvane, Inc. webpage.");
    QCOMPARE(a.Label5->text(), "sales@korvane.com");
    QCOMPARE(a.Label6->text(), "Version 7.06");
    QVERIFY(a.Label7->text().contains("MIT License"));
    QCOMPARE(a.Label8->text(), "Follow Us");
    QCOMPARE(hint(a.Image2), "Follow Korvane on Facebook");
    QCOMPARE(hint(a.Image3), "Follow Korvane on LinkedIn");
    QCOMPARE(hint(a.Image55), "Follow Korvane on Twitter");
    QCOMPARE(hint(a.Image7), "Follow Korvane on YouTube");
    QCOMPARE(hint(a.Image5),
             "Help keep the Korvane Tracewright free by making an online donation today!");
    QCOMPARE(a.Button2->text(), "Program Feedback");
    QCOMPARE(hint(a.Button2), "Send feedback about the Tracewright to Korvane, Inc.");
    QCOMPARE(a.Button1->text(), "Close");
    // Every text fits its dialog.
    a.show();
    for (QLabel *label : a.findChildren<QLabel *>())
        QVERIFY2(label->wordWrap() || label->width() >= label->sizeHint().width(),
                 qPrintable(label->objectName()));
    QCOMPARE(a.minimumSize(), a.maximumSize());
}

void InfoDialogsTest::referencesText()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    TForm5 &r = *w.form5();
    QCOMPARE(r.windowTitle(), "Program References");
    QVERIFY(r.Memo1->isReadOnly());
    QCOMPARE(r.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(r.minimumSize(), r.maximumSize());
    // The standards come first, then the papers, then the thanks.
    const QString text = r.Memo1->toPlainText();
    qsizetype at = -1;
    for (const char *part :
         {"IPC-2221", "IPC-2251", "IPC-2152", "IPC-2141", "spiral inductors",
          "current-carrying capacity", "Power delivery network", "effective dielectric constant",
          "Fusing current", "Embedded microstrip", "Transmission Line Design Handbook",
          "Planar Spiral Inductances", "Microstrip Computer-Aided Design", "ACKNOWLEDGEMENTS",
          "feedback"}) {
        const qsizetype next = text.indexOf(part);
        QVERIFY2(next > at, part);
        at = next;
    }
}

void InfoDialogsTest::closing_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("way");
    for (const char *way : {"button", "close box", "Escape"}) {
        QTest::addRow("About, %s", way) << "About1"
                                        << "TForm2" << way;
        QTest::addRow("Program Options, %s", way) << "CopperWeight1"
                                                  << "TForm6" << way;
    }
    QTest::newRow("References, close box") << "References1"
                                           << "TForm5"
                                           << "close box";
    QTest::newRow("References, Escape") << "References1"
                                        << "TForm5"
                                        << "Escape";
}

void InfoDialogsTest::closing()
{
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(QString, way);
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QAction *>(item)->trigger();
    QWidget *d = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == dialog)
            d = top;
    QVERIFY(d);
    QVERIFY(d->isVisible());
    QVERIFY(d->isEnabled());
    QVERIFY(!w.isEnabled());

    if (way == "button")
        QTest::mouseClick(d->findChild<QPushButton *>("Button1"), Qt::LeftButton);
    else if (way == "close box")
        QVERIFY(d->close());
    else
        QTest::keyClick(d, Qt::Key_Escape);
    QVERIFY(!d->isVisible());
    QVERIFY(w.isEnabled());
    QCOMPARE(f.messages.take(), QStringList());
}

void InfoDialogsTest::trayAboutLeavesTheWindowUsable()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    w.tray().Exit2->trigger();
    QVERIFY(w.form2()->isVisible());
    QVERIFY(w.isEnabled());
    w.form2()->close();
    QVERIFY(w.isEnabled());
}

void InfoDialogsTest::windowStaysLockedWhileAnotherDialogIsOpen()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    w.CopperWeight1->trigger();
    w.tray().Exit2->trigger();
    QTest::mouseClick(w.form2()->Button1, Qt::LeftButton);
    QVERIFY(!w.isEnabled());
    QTest::mouseClick(w.form6()->Button1, Qt::LeftButton);
    QVERIFY(w.isEnabled());
}

void InfoDialogsTest::referencesKeepTheirPlace()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    w.findChild<QAction *>("References1")->trigger();
    QScrollBar *bar = w.form5()->Memo1->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    w.form5()->close();
    w.findChild<QAction *>("References1")->trigger();
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(!w.isEnabled());
}

void InfoDialogsTest::trayMenu()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    Tray &tray = w.tray();
    QCOMPARE(tray.PopupMenu1->objectName(), "PopupMenu1");
    QStringList items;
    for (QAction *a : tray.PopupMenu1->actions())
        items << a->objectName() + "=" + a->text();
    QCOMPARE(items, QStringList({"Exit2=&About", "Exit3=&Exit"}));
    QCOMPARE(tray.TrayIcon1->toolTip(), "Korvane Toolkit");
    QCOMPARE(tray.TrayIcon1->contextMenu(), tray.PopupMenu1.get());
    // Offscreen there is no notification area: the icon stays hidden, the menu still works.
    QCOMPARE(tray.iconShown(), QSystemTrayIcon::isSystemTrayAvailable());
    w.findChild<QAction *>("About1")->trigger();
    QVERIFY(!w.isEnabled());
    QVERIFY(tray.PopupMenu1->isEnabled());
    tray.Exit3->trigger();
    QCOMPARE(f.exitCodes, QList<int>{0});
}

void InfoDialogsTest::closingTheWindowEndsTheProgram_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("About") << "About1";
    QTest::newRow("References") << "References1";
    QTest::newRow("Program Options") << "CopperWeight1";
    QTest::newRow("Registry Key Install") << "ReinstallRegistryKeys1";
}

void InfoDialogsTest::closingTheWindowEndsTheProgram()
{
    QFETCH(QString, item);
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QAction *>(item)->trigger();
    // The program's own loop, as it runs: closing the window must end it.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer close;
    close.setSingleShot(true);
    connect(&close, &QTimer::timeout, &w, [&w] { w.close(); });
    close.start(0);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    giveUp.start(3000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(lastClosed.count(), 1);
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
}

QTEST_MAIN(InfoDialogsTest)
#include "tst_info_dialogs.moc"
