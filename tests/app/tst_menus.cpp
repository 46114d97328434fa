#include "app/about_dialog.h"
#include "app/info_dialogs.h"
#include "app/licence.h"
#include "app/outside_programs.h"
#include "tests/support/window_fixture.h"
#include "ui/platform.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace tw;
using namespace tw::test;

// The main menu as the user sees it, and where every item, picture and link leads.
class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void menuBar();
    void menu_data();
    void menu();
    void links_data();
    void links();
    void failedLinkSaysSo_data();
    void failedLinkSaysSo();
    void failedLinkInARealBox();
    void disclaimer();
    void tools_data();
    void tools();
    void toolStartsARealProgram();
    void noToolInARealBox();
    void licence_data();
    void licence();
    void missingLicenceInARealBox();
    void licencePdf_data();
    void licencePdf();
};

namespace {

// Runs a test with PATH pointing at a folder of its own, then puts the old one back.
class PathSwap {
public:
    explicit PathSwap(const QString &path) : old_(qgetenv("PATH"))
    {
        qputenv("PATH", path.toUtf8());
    }
    ~PathSwap() { qputenv("PATH", old_); }

private:
    QByteArray old_;
};

void writeExecutable(const QString &path, const QByteArray &script)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

void writeFile(const QString &path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

// The captions of a menu's items in order, "-" for a separator.
QStringList itemsOf(const QList<QAction *> &actions)
{
    QStringList items;
    for (QAction *a : actions)
        items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + "=" + a->text());
    return items;
}

// Clicks whatever carries a link: a menu item, a picture, a label or a button.
void activate(TForm1 &w, const QString &name)
{
    QObject *target = w.findChild<QObject *>(name);
    if (!target)
        target = w.form2()->findChild<QObject *>(name);
    QVERIFY2(target, qPrintable(name));
    if (auto *action = qobject_cast<QAction *>(target))
        action->trigger();
    else
        QTest::mouseClick(qobject_cast<QWidget *>(target), Qt::LeftButton);
}

} // namespace

void MenusTest::menuBar()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    QStringList top;
    for (QAction *a : w.menuBar()->actions())
        top << (a->menu() ? a->menu()->objectName() : a->objectName()) + "=" + a->text() +
                   (a->isEnabled() ? "" : " (disabled)");
    QCOMPARE(top,
             QStringList({"F1=&File", "Function1=&Program Function", "ool1=&Tools", "Help1=&Help",
                          "N7=| (disabled)", "Feedback1=&Contact Korvane, Inc."}));
    QCOMPARE(w.menuBar()->objectName(), "MainMenu1");
}

void MenusTest::menu_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("file") << "F1"
                          << QStringList{"PrinterSetup1=Printer &Setup", "Print1=&Print Form", "-",
                                         "Exit1=&Exit"};
    QTest::newRow("tools") << "ool1"
                           << QStringList{"Calculator1=&Calculator", "ASCIIEditor1=&ASCII Editor",
                                          "-", "CopperWeight1=&Program Options"};
    QTest::newRow("help") << "Help1"
                          << QStringList{"HelpTopics1=&Help Topics",
                                         "Disclaimer1=&Program Disclaimer",
                                         "-",
                                         "References1=Program &References",
                                         "-",
                                         "About2=About &Korvane, Inc.",
                                         "About1=&About Tracewright",
                                         "EULA1=&EULA",
                                         "ReinstallRegistryKeys1=Re&install Registry Keys"};
    QTest::newRow("contact")
        << "Feedback1"
        << QStringList{"SendFeedbackToKorvaneInc1=&Send Program Feedback To Korvane, Inc.",
                       "-",
                       "ContactKorvaneInc1=&Contact Korvane, Inc.",
                       "-",
                       "RequestaDesignQuote1=Request a PCB Design &Quote!",
                       "RequestaProductDevelopmentQuote2=Request a PC&B Manufacturing Quote!",
                       "RequestaProductDevelopmentQuote1=Request a Product Development Q&uote!",
                       "-",
                       "PCBDesignServices1=&PCB Design Services",
                       "ElectronicEngineeringServices1=&Electronic Engineering Services",
                       "SoftwareDevelopmentServices1=S&oftware Development Services",
                       "ConsultingServices1=Consultin&g Services",
                       "-",
                       "FollowKorvaneonFacebook1=Follow Korvane on &Facebook",
                       "FollowKorvaneonLinkedIn3=Follow Korvane on &Twitter",
                       "FollowKorvaneonLinkedIn1=Follow Korvane on &LinkedIn",
                       "FollowKorvaneonLinkedIn2=Follow Korvane on &YouTube"};
}

void MenusTest::menu()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    auto *m = w.findChild<QMenu *>(menu);
    QVERIFY(m);
    QCOMPARE(itemsOf(m->actions()), items);
    QSet<QChar> accelerators;
    for (QAction *a : m->actions()) {
        if (a->isSeparator())
            continue;
        QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        // One accelerator per item, none shared within the menu.
        QCOMPARE(a->text().count('&'), 1);
        const QChar key = a->text().at(a->text().indexOf('&') + 1).toLower();
        QVERIFY2(!accelerators.contains(key), qPrintable(a->text()));
        accelerators.insert(key);
    }
}

void MenusTest::links_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    QTest::newRow("help topics") << "HelpTopics1"
                                 << "https://www.korvane.com/tracewright/help";
    QTest::newRow("about maker") << "About2"
                                 << "https://www.korvane.com/about";
    QTest::newRow("feedback") << "SendFeedbackToKorvaneInc1"
                              << "https://www.korvane.com/tracewright/feedback";
    QTest::newRow("contact") << "ContactKorvaneInc1"
                             << "https://www.korvane.com/contact";
    QTest::newRow("design quote") << "RequestaDesignQuote1"
                                  << "https://www.korvane.com/quote/pcb-design";
    QTest::newRow("manufacturing quote") << "RequestaProductDevelopmentQuote2"
                                         << "https://www.korvane.com/quote/pcb-manufacturing";
    QTest::newRow("product quote") << "RequestaProductDevelopmentQuote1"
                                   << "https://www.korvane.com/quote/product-development";
    QTest::newRow("pcb design") << "PCBDesignServices1"
                                << "https://www.korvane.com/services/pcb-design";
    QTest::newRow("engineering") << "ElectronicEngineeringServices1"
                                 << "https://www.korvane.com/services/electronic-engineering";
    QTest::newRow("software") << "SoftwareDevelopmentServices1"
                              << "https://www.korvane.com/services/software-development";
    QTest::newRow("consulting") << "ConsultingServices1"
                                << "https://www.korvane.com/services/consulting";
    QTest::newRow("facebook item") << "FollowKorvaneonFacebook1"
                                   << "https://www.facebook.com/korvane";
    QTest::newRow("twitter item") << "FollowKorvaneonLinkedIn3"
                                  << "https://twitter.com/korvane";
    QTest::newRow("linkedin item") << "FollowKorvaneonLinkedIn1"
                                   << "https://www.linkedin.com/company/korvane";
    QTest::newRow("youtube item") << "FollowKorvaneonLinkedIn2"
                                  << "https://www.youtube.com/@korvane";
    QTest::newRow("logo") << "Image6"
                          << "https://www.korvane.com";
    QTest::newRow("facebook image") << "Image43"
                                    << "https://www.facebook.com/korvane";
    QTest::newRow("twitter image") << "Image55"
                                   << "https://twitter.com/korvane";
    QTest::newRow("linkedin image") << "Image44"
                                    << "https://www.linkedin.com/company/korvane";
    QTest::newRow("youtube image") << "Image57"
                                   << "https://www.youtube.com/@korvane";
    QTest::newRow("About dialog: developer") << "Label2"
                                             << "https://www.linkedin.com/in/korvane-engineering";
    QTest::newRow("About dialog: home") << "Label4"
                                        << "https://www.korvane.com";
    QTest::newRow("About dialog: mail") << "Label5"
                                        << "mailto:sales@korvane.com";
    QTest::newRow("About dialog: facebook") << "Image2"
                                            << "https://www.facebook.com/korvane";
    QTest::newRow("About dialog: linkedin") << "Image3"
                                            << "https://www.linkedin.com/company/korvane";
    QTest::newRow("About dialog: twitter") << "Image55"
                                           << "https://twitter.com/korvane";
    QTest::newRow("About dialog: youtube") << "Image7"
                                           << "https://www.youtube.com/@korvane";
    QTest::newRow("About dialog: donation") << "Image5"
                                            << "https://www.korvane.com/donate";
    QTest::newRow("About dialog: feedback") << "Button2"
                                            << "https://www.korvane.com/tracewright/feedback";
}

void MenusTest::links()
{
    QFETCH(QString, item);
    QFETCH(QString, address);
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    if (QString(QTest::currentDataTag()).startsWith("About dialog")) {
        w.dialogs().Exit2Click();
        QTest::mouseClick(w.form2()->findChild<QWidget *>(item), Qt::LeftButton);
    } else {
        activate(w, item);
    }
    QCOMPARE(f.desktop.opened, QStringList{address});
    QCOMPARE(f.messages.take(), QStringList());
}

void MenusTest::failedLinkSaysSo_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("message");
    QTest::newRow("web page") << "HelpTopics1"
                              << "error: No web browser could be started to open "
                                 "https://www.korvane.com/tracewright/help. Please open that "
                                 "address in your web browser.";
    QTest::newRow("picture") << "Image57"
                             << "error: No web browser could be started to open "
                                "https://www.youtube.com/@korvane. Please open that address in "
                                "your web browser.";
    QTest::newRow("mail") << "Label5"
                          << "error: No mail program could be started to write to "
                             "sales@korvane.com. Please write to that address from your mail "
                             "program.";
}

void MenusTest::failedLinkSaysSo()
{
    QFETCH(QString, item);
    QFETCH(QString, message);
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    f.desktop.failing = true;
    activate(w, item);
    QCOMPARE(f.desktop.opened.size(), 1);
    QCOMPARE(f.messages.take(), QStringList{message});
}

void MenusTest::failedLinkInARealBox()
{
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    f.desktop.failing = true;
    w.findChild<QAction *>("ContactKorvaneInc1")->trigger();
    QCOMPARE(f.boxes.onScreen.size(), 1);
    QVERIFY(f.boxes.onScreen.first().contains("https://www.korvane.com/contact"));
}

void MenusTest::disclaimer()
{
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    w.findChild<QAction *>("Disclaimer1")->trigger();
    QCOMPARE(f.boxes.onScreen,
             QStringList{"The calculations performed in this program are for reference only."});
    QCOMPARE(
        f.messages.take(),
        QStringList{"info: The calculations performed in this program are for reference only."});
    QVERIFY(w.isEnabled());
}

void MenusTest::tools_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("startFails");
    QTest::addColumn<QString>("started");
    QTest::addColumn<QString>("message");
    const QString noCalculator = "error: No calculator program was found. Please install one of "
                                 "these: gnome-calculator, kcalc, mate-calc, galculator, "
                                 "qalculate-gtk, xcalc.";
    const QString noEditor = "error: No text editor program was found. Please install one of "
                             "these: gnome-text-editor, gedit, kate, kwrite, mousepad, pluma, "
                             "xed, featherpad, leafpad.";
    QTest::newRow("calculator") << "Calculator1" << QStringList{"xcalc"} << false << "xcalc"
                                << QString();
    QTest::newRow("calculator, first of the list wins")
        << "Calculator1" << QStringList{"xcalc", "kcalc"} << false << "kcalc" << QString();
    QTest::newRow("no calculator")
        << "Calculator1" << QStringList{"calc"} << false << QString() << noCalculator;
    QTest::newRow("calculator does not start")
        << "Calculator1" << QStringList{"galculator"} << true << "galculator"
        << "error: The calculator program {program} could not be started.";
    QTest::newRow("editor") << "ASCIIEditor1" << QStringList{"xed", "mousepad"} << false
                            << "mousepad" << QString();
    QTest::newRow("no editor") << "ASCIIEditor1" << QStringList{"notepad", "kcalc"} << false
                               << QString() << noEditor;
}

void MenusTest::tools()
{
    QFETCH(QString, item);
    QFETCH(QStringList, installed);
    QFETCH(bool, startFails);
    QFETCH(QString, started);
    QFETCH(QString, message);
    QTemporaryDir bin;
    for (const QString &name : installed)
        writeExecutable(bin.filePath(name), "#!/bin/sh\n");
    PathSwap path(bin.path());
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    f.desktop.failing = startFails;
    w.findChild<QAction *>(item)->trigger();
    const QString program = started.isEmpty() ? QString() : bin.filePath(started);
    QCOMPARE(f.desktop.started, started.isEmpty() ? QStringList() : QStringList{program});
    QStringList expected;
    if (!message.isEmpty())
        expected << QString(message).replace("{program}", program);
    QCOMPARE(f.messages.take(), expected);
}

void MenusTest::toolStartsARealProgram()
{
    QTemporaryDir bin;
    const QString marker = bin.filePath("started");
    writeExecutable(bin.filePath("gedit"), "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    PathSwap path(bin.path() + ":/usr/bin:/bin");
    SystemDesktop desktop;
    startProgram(desktop, textEditorProgram());
    QTRY_VERIFY(QFileInfo::exists(marker));
}

void MenusTest::noToolInARealBox()
{
    QTemporaryDir bin;
    PathSwap path(bin.path());
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    w.findChild<QAction *>("Calculator1")->trigger();
    QCOMPARE(f.boxes.onScreen.size(), 1);
    QVERIFY(f.boxes.onScreen.first().startsWith("No calculator program was found."));
}

void MenusTest::licence_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<bool>("viewerFails");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("message");
    const QString missing = "error: The licence document EULA.pdf was not found. Folders "
                            "searched: {bin} and {share}.";
    QTest::newRow("next to the program")
        << QStringList{"bin", "share/tracewright"} << false << "bin" << QString();
    QTest::newRow("installed") << QStringList{"share/tracewright"} << false << "share/tracewright"
                               << QString();
    QTest::newRow("only in the working folder")
        << QStringList{"work"} << false << QString() << missing;
    QTest::newRow("missing") << QStringList() << false << QString() << missing;
    QTest::newRow("no viewer") << QStringList{"bin"} << true << "bin"
                               << "error: No program could be started to show the licence "
                                  "document {document}. Please open it with a PDF viewer.";
}

void MenusTest::licence()
{
    QFETCH(QStringList, present);
    QFETCH(bool, viewerFails);
    QFETCH(QString, opened);
    QFETCH(QString, message);
    WindowFixture f;
    f.install();
    const QString root = f.dir.path();
    for (const QString &folder : present)
        writeFile(root + "/" + folder + "/EULA.pdf");
    QDir().mkpath(root + "/work");
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(root + "/work");
    TForm1 &w = f.start();
    f.desktop.failing = viewerFails;
    w.findChild<QAction *>("EULA1")->trigger();
    QDir::setCurrent(oldCurrent);

    const QString document = opened.isEmpty() ? QString() : root + "/" + opened + "/EULA.pdf";
    QCOMPARE(f.desktop.documents, opened.isEmpty() ? QStringList() : QStringList{document});
    QStringList expected;
    if (!message.isEmpty())
        expected << QString(message)
                        .replace("{bin}", root + "/bin")
                        .replace("{share}", root + "/share/tracewright")
                        .replace("{document}", document);
    QCOMPARE(f.messages.take(), expected);
}

void MenusTest::missingLicenceInARealBox()
{
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    w.findChild<QAction *>("EULA1")->trigger();
    QCOMPARE(f.boxes.onScreen.size(), 1);
    QVERIFY(f.boxes.onScreen.first().startsWith("The licence document EULA.pdf was not found."));
    QVERIFY(f.desktop.documents.isEmpty());
}

void MenusTest::licencePdf_data()
{
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<bool>("severalPages");
    QTest::newRow("short licence") << 3 << false;
    QTest::newRow("long licence") << 300 << true;
}

void MenusTest::licencePdf()
{
    QFETCH(int, paragraphs);
    QFETCH(bool, severalPages);
    QTemporaryDir dir;
    QStringList text{"MIT License", "Copyright (c) 2026 Korvane, Inc."};
    for (int i = 0; i < paragraphs; ++i)
        text << "Permission is hereby granted, free of charge, to any person obtaining a copy.";
    const QString path = dir.filePath("EULA.pdf");
    QVERIFY(writeLicencePdf(text.join("\n\n"), path));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    const qsizetype pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r");
    QVERIFY2(severalPages ? pages > 1 : pages == 1, qPrintable(QString::number(pages)));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!writeLicencePdf("MIT License", dir.filePath("no/such/folder/EULA.pdf")));
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
