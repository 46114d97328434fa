#include "calc/current/fusing_panel.h"
#include "tests/support/window_fixture.h"

#include <cmath>

using namespace tw;
using namespace tw::test;

namespace {

FusingCalculator &fusing(WindowFixture &f)
{
    return dynamic_cast<FusingCalculator &>(f.window().calculator(12));
}

void startFusing(WindowFixture &f, const QString &units = "0", const QString &manual = "0")
{
    f.install(
        {{setting::Program, "12"}, {setting::Units, units}, {setting::ManualCopperWeight, manual}});
    f.start();
}

double number(const QString &text)
{
    return text.section(' ', 0, 0).toDouble();
}

} // namespace

class FusingCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void entries_data();
    void entries();
    void metric();
    void manualCopper();
    void imperialAndMetricAgree();
    void refusedTime_data();
    void refusedTime();
    void refusedTimeShowsOneRealBox();
    void commaMode();
    void notANumber();
};

// clang-format off
void FusingCalculatorTest::defaults_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("stored choice at start") << "start";
    QTest::newRow("menu") << "menu";
    QTest::newRow("tab") << "tab";
}
// clang-format on

void FusingCalculatorTest::defaults()
{
    QFETCH(QString, how);
    WindowFixture f;
    f.install({{setting::Program, how == "start" ? "12" : "2"}});
    TForm1 &w = f.start();
    if (how == "menu")
        w.menuItems[12]->trigger();
    else if (how == "tab")
        f.clickTab(12);
    FusingCalculator &c = fusing(f);

    QCOMPARE(w.ActiveCalculator, 12);
    QCOMPARE(w.TabControl1->tabIndex(), 12);
    QCOMPARE(f.stored(setting::Program), "12");
    QVERIFY(!c.GroupBox33->isHidden());
    QCOMPARE(f.text("Label241"), "Conductor Width");
    QCOMPARE(f.text("Label242"), "Time");
    QCOMPARE(f.text("Label245"), "Conductor Cross Section");
    QCOMPARE(f.text("Label244"), "Conductor Current");
    QCOMPARE(f.text("Edit140"), "10");
    QCOMPARE(f.text("Edit155"), "mils");
    QCOMPARE(f.text("Edit153"), "1");
    QCOMPARE(f.text("Edit156"), "Seconds");
    QCOMPARE(c.Edit153->toolTip(),
             "Enter the time needed to carry the fusing current before fusing.");
    QCOMPARE(f.text("Label56"), "2.10 mils");
    QCOMPARE(f.text("Edit159"), "21.00 Sq.mils");
    QCOMPARE(f.text("Edit160"), "3.9480 Amps");
    for (const char *line :
         {"Note:", "fusing current over time of a bare copper wire.",
          "Onderdonk’s Equation:", "I = A*(log(1 + (Tm-Ta)/(234+Ta))/33*s).5", "I = .188*A/t.5"}) {
        bool found = false;
        for (QLabel *label : c.GroupBox33->findChildren<QLabel *>())
            found = found || label->text() == QString::fromUtf8(line);
        QVERIFY2(found, line);
    }

    OptionsPanel &o = *w.options();
    QCOMPARE(o.RadioGroup3->itemIndex(), -1);
    QVERIFY(!o.RadioGroup3->isEnabled());
    QVERIFY(o.RadioGroup4->isEnabled());
    QVERIFY(o.RadioGroup1->isEnabled());
    for (const char *label : {"Label110", "Label285", "Label72", "Label27", "Label28"})
        QCOMPARE(f.text(label), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void FusingCalculatorTest::entries_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("plating");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("current");
    QTest::newRow("4 s halves the current") << "10" << "4" << 1 << 2 << "2.10 mils"
                                            << "21.00 Sq.mils" << "1.9740 Amps";
    QTest::newRow("wide, short") << "25" << "0.5" << 1 << 2 << "2.10 mils" << "52.50 Sq.mils"
                                 << "13.9583 Amps";
    QTest::newRow("long time") << "10" << "100" << 1 << 2 << "2.10 mils" << "21.00 Sq.mils"
                               << "0.3948 Amps";
    QTest::newRow("zero width") << "0" << "1" << 1 << 2 << "2.10 mils" << "0.00 Sq.mils"
                                << "0.0000 Amps";
    QTest::newRow("1oz bare") << "10" << "1" << 2 << 0 << "1.40 mils" << "14.00 Sq.mils"
                              << "2.6320 Amps";
    QTest::newRow("5oz, 3oz plating") << "10" << "1" << 8 << 6 << "11.20 mils"
                                      << "112.00 Sq.mils" << "21.0560 Amps";
}
// clang-format on

void FusingCalculatorTest::entries()
{
    QFETCH(QString, width);
    QFETCH(QString, time);
    QFETCH(int, base);
    QFETCH(int, plating);
    WindowFixture f;
    startFusing(f);
    f.clickRadio("RadioGroup4", base);
    f.clickRadio("RadioGroup1", plating);
    f.typeText("Edit140", width);
    f.enter("Edit153", time);
    QTEST(f.text("Label56"), "thickness");
    QTEST(f.text("Edit159"), "area");
    QTEST(f.text("Edit160"), "current");
    QCOMPARE(f.messages.take(), QStringList());
}

void FusingCalculatorTest::metric()
{
    WindowFixture f;
    startFusing(f, "1");
    QCOMPARE(f.text("Edit140"), "0.254");
    QCOMPARE(f.text("Edit155"), "mm");
    QCOMPARE(f.text("Label56"), " 53 um");
    QCOMPARE(f.text("Edit159"), "0.013 Sq.mm");
    // 0.188 * 0.013462 * 1550 = 3.922827.
    QCOMPARE(f.text("Edit160"), "3.9228 Amps");
    f.enter("Edit153", "4");
    QCOMPARE(f.text("Edit160"), "1.9614 Amps");
    QCOMPARE(f.messages.take(), QStringList());
}

void FusingCalculatorTest::manualCopper()
{
    WindowFixture f;
    startFusing(f, "0", "1");
    OptionsPanel &o = *f.window().options();
    QVERIFY(!o.GroupBox31->isHidden());
    QVERIFY(o.Edit136->isEnabled());
    QVERIFY(o.Edit138->isEnabled());
    QCOMPARE(f.text("Edit160"), "3.9480 Amps");
    f.typeText("Edit136", "1.4");
    f.enter("Edit138", "0");
    QCOMPARE(f.text("Label56"), "1.40 mils");
    QCOMPARE(f.text("Edit159"), "14.00 Sq.mils");
    QCOMPARE(f.text("Edit160"), "2.6320 Amps");
    QCOMPARE(f.messages.take(), QStringList());
}

// Copper typed by hand is converted with the width, so both systems describe the same
// conductor; the copper tables of the two systems round differently and would not.
void FusingCalculatorTest::imperialAndMetricAgree()
{
    WindowFixture f;
    startFusing(f, "0", "1");
    f.typeText("Edit140", "12");
    f.enter("Edit153", "2");
    const QString imperialCurrent = f.text("Edit160");
    QCOMPARE(imperialCurrent, "3.3500 Amps");
    QCOMPARE(f.text("Edit159"), "25.20 Sq.mils");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit140"), "0.3048");
    QCOMPARE(f.text("Edit155"), "mm");
    QCOMPARE(f.text("Edit160"), imperialCurrent);
    QVERIFY(std::fabs(number(f.text("Edit159")) - 25.2 * 0.0254 * 0.0254) < 0.0005);
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit140"), "12");
    QCOMPARE(f.text("Edit160"), imperialCurrent);
    QCOMPARE(f.messages.take(), QStringList());
}

// clang-format off
void FusingCalculatorTest::refusedTime_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("current");
    QTest::newRow("zero") << "0" << "0" << "21.00 Sq.mils" << "3.9480 Amps";
    QTest::newRow("negative") << "0" << "-4" << "21.00 Sq.mils" << "3.9480 Amps";
    QTest::newRow("negative, metric") << "1" << "-0.5" << "0.013 Sq.mm" << "3.9228 Amps";
}
// clang-format on

void FusingCalculatorTest::refusedTime()
{
    QFETCH(QString, units);
    QFETCH(QString, typed);
    WindowFixture f;
    startFusing(f, units);
    // Results of another time stand first, so a stale current would show.
    f.enter("Edit153", "4");
    f.enter("Edit153", typed);
    QCOMPARE(f.messages.take(), QStringList{"info: Time can't be less than or equal to 0 seconds"});
    QCOMPARE(f.text("Edit153"), "1");
    QTEST(f.text("Edit159"), "area");
    QTEST(f.text("Edit160"), "current");
}

void FusingCalculatorTest::refusedTimeShowsOneRealBox()
{
    WindowFixture f;
    f.install({{setting::Program, "12"}});
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.find<QLineEdit>("Edit153")->setFocus(Qt::MouseFocusReason);
    f.enter("Edit153", "0");
    QCOMPARE(f.boxes.onScreen, QStringList{"Time can't be less than or equal to 0 seconds"});
    QCOMPARE(f.messages.take(), QStringList{"info: Time can't be less than or equal to 0 seconds"});
    QCOMPARE(f.text("Edit153"), "1");
    QCOMPARE(f.text("Edit160"), "3.9480 Amps");
}

void FusingCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    startFusing(f, "1");
    QCOMPARE(f.text("Edit140"), "0,254");
    QCOMPARE(f.text("Edit160"), "3.9228 Amps");
    f.enter("Edit153", "0,25");
    QCOMPARE(f.text("Edit160"), "7.8457 Amps");
    f.enter("Edit153", "0,0");
    QCOMPARE(f.messages.take(), QStringList{"info: Time can't be less than or equal to 0 seconds"});
    QCOMPARE(f.text("Edit153"), "1");
    QCOMPARE(f.text("Edit160"), "3.9228 Amps");
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit140"), "10");
    f.enter("Edit140", "12,5");
    QCOMPARE(f.text("Edit159"), "26.25 Sq.mils");
    QCOMPARE(f.text("Edit160"), "4.9350 Amps");
    QCOMPARE(f.messages.take(), QStringList());
}

void FusingCalculatorTest::notANumber()
{
    WindowFixture f;
    startFusing(f);
    f.enter("Edit153", "4");
    f.clickRadio("RadioGroup4", 2);
    QCOMPARE(f.messages.take(), QStringList());
    f.enter("Edit153", "1s");
    QCOMPARE(f.messages.take(), QStringList{"error: '1s' is not a valid floating point value"});
    // The thickness is written before the entries are read; the results keep their texts.
    QCOMPARE(f.text("Label56"), "2.80 mils");
    QCOMPARE(f.text("Edit159"), "28.00 Sq.mils");
    QCOMPARE(f.text("Edit160"), "2.6320 Amps");
}

QTEST_MAIN(FusingCalculatorTest)
#include "tst_fusing_calculator.moc"
