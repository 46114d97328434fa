#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

// Leaving a checked box runs its check; a message box, a dialog, a disabled control or the end of
// the program taking the focus does not.
class ExitHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void enterShowsOneRealBox_data();
    void enterShowsOneRealBox();
    void teardownRunsNoHandler_data();
    void teardownRunsNoHandler();
    void badEntryThenTabSwitch();
    void badEntryThenProgramOptions();
};

namespace {

// The window shown and active, with the focus in a box holding what the user typed.
TForm1 &showWithTyped(WindowFixture &f, const QString &box, const QString &typed)
{
    TForm1 &w = f.start();
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("window not active");
    f.find<QLineEdit>(box)->setFocus(Qt::MouseFocusReason);
    f.typeText(box, typed);
    return w;
}

} // namespace

void ExitHandlersTest::enterShowsOneRealBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("after");

    QTest::newRow("rise not a number") << "Edit1"
                                       << "abc"
                                       << "error: 'abc' is not a valid floating point value"
                                       << "abc";
    QTest::newRow("rise too high") << "Edit1"
                                   << "250"
                                   << "info: Maximum temperature rise can't be greater than 200C"
                                   << "200";
    QTest::newRow("rise zero") << "Edit1"
                               << "0"
                               << "info: Minimum temperature rise can't be less than 0C"
                               << "1";
    QTest::newRow("ambient not a number") << "Edit2"
                                          << "x"
                                          << "error: 'x' is not a valid floating point value"
                                          << "x";
    QTest::newRow("Er empty") << "Edit7"
                              << ""
                              << "error: '' is not a valid floating point value"
                              << "";
    QTest::newRow("Tg empty") << "Edit66"
                              << ""
                              << "error: '' is not a valid floating point value"
                              << "";
}

void ExitHandlersTest::enterShowsOneRealBox()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, after);
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    TForm1 &w = showWithTyped(f, box, typed);
    QTest::keyClick(f.find<QLineEdit>(box), Qt::Key_Return);
    QCOMPARE(f.messages.take(), QStringList{message});
    QCOMPARE(f.boxes.onScreen.size(), 1);
    QCOMPARE(f.text(box), after);
    // The material stays as it was: no exit check refilled a box behind the message.
    QCOMPARE(w.options()->ComboBox1->currentText(), "FR-4 STD");
    QCOMPARE(f.text(box == "Edit7" ? "Edit66" : "Edit7"), box == "Edit7" ? "130" : "4.6");
}

void ExitHandlersTest::teardownRunsNoHandler_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::newRow("rise above its limit") << "Edit1"
                                          << "250";
    QTest::newRow("ambient below its limit") << "Edit2"
                                             << "-90";
    QTest::newRow("ambient not a number") << "Edit2"
                                          << "x";
    QTest::newRow("Er empty") << "Edit7"
                              << "";
    QTest::newRow("Tg empty") << "Edit66"
                              << "";
}

void ExitHandlersTest::teardownRunsNoHandler()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    showWithTyped(f, box, typed);
    f.destroyWindow();
    QCOMPARE(f.messages.take(), QStringList());
    QVERIFY(f.boxes.onScreen.isEmpty());
}

void ExitHandlersTest::badEntryThenTabSwitch()
{
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    TForm1 &w = showWithTyped(f, "Edit2", "x");
    f.clickTab(14);
    QCOMPARE(w.TabControl1->tabIndex(), 14);
    QCOMPARE(w.ActiveCalculator, 14);
    QVERIFY(f.find<QWidget>("GroupBox36")->isVisible());
    QVERIFY(!f.find<QWidget>("GroupBox1")->isVisible());
    // The recalculation of the switch reports the entry once, after the switch is complete.
    QCOMPARE(f.messages.take(), QStringList{"error: 'x' is not a valid floating point value"});
    QCOMPARE(f.boxes.onScreen.size(), 1);
}

void ExitHandlersTest::badEntryThenProgramOptions()
{
    WindowFixture f;
    f.install();
    f.useRealMessageBoxes();
    TForm1 &w = showWithTyped(f, "Edit2", "x");
    w.CopperWeight1->trigger();
    TForm6 &o = *w.form6();
    QVERIFY(o.isVisible());
    QVERIFY(!w.isEnabled());
    QTest::mouseClick(o.Button1, Qt::LeftButton);
    QVERIFY(!o.isVisible());
    QVERIFY(w.isEnabled());
    QCOMPARE(f.text("Edit2"), "x");
}

QTEST_MAIN(ExitHandlersTest)
#include "tst_exit_handlers.moc"
