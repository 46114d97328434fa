#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

namespace {

// Real message boxes need the window on screen and active.
void show(TForm1 &w)
{
    w.show();
    if (!QTest::qWaitForWindowActive(&w))
        qFatal("window not active");
}

} // namespace

class ErEffectiveCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void refusals_data();
    void refusals();
    void commaMode();
    void manualCopper_data();
    void manualCopper();
    void sameAnswerInBothUnitSystems();
};

void ErEffectiveCalculatorTest::defaults_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("stored at start") << "stored";
    QTest::newRow("tab") << "tab";
    QTest::newRow("menu") << "menu";
}

void ErEffectiveCalculatorTest::defaults()
{
    QFETCH(QString, way);
    WindowFixture f;
    f.install({{setting::Program, way == "stored" ? "17" : "14"}});
    TForm1 &w = f.start();
    if (way == "tab")
        f.clickTab(17);
    else if (way == "menu")
        w.menuItems[17]->trigger();
    QCOMPARE(w.ActiveCalculator, 17);
    QCOMPARE(w.TabControl1->tabIndex(), 17);
    QVERIFY(f.find<QGroupBox>("GroupBox43")->isVisibleTo(&w));
    QCOMPARE(f.stored(setting::Program), "17");
    // Worked example: W 5, H 10, T 2.1 mils, Er 4.6, 500 MHz.
    QCOMPARE(f.text("Edit221"), "2.9022");
    QCOMPARE(f.text("Label56"), "2.10 mils");
    QCOMPARE(f.text("Label110"), "N/A");
    QCOMPARE(f.text("Edit222"), "mils");
    RadioGroup *layer = w.options()->RadioGroup3;
    QVERIFY(!layer->isEnabled());
    QCOMPARE(layer->itemIndex(), -1);
    QTest::mouseClick(f.find<QLabel>("Label113"), Qt::LeftButton);
    QCOMPARE(f.desktop.opened.size(), 1);
    QCOMPARE(f.messages.take(), QStringList());
}

void ErEffectiveCalculatorTest::refusals_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("result");

    const QString er = "Minimum Er value can't be less than or equal to 1";
    const QString width = "Minimum conductor width can't be less than or equal to 0";
    const QString height = "Minimum conductor height can't be less than or equal to 0";
    const QString frequency = "Minimum frequency can't be less than 0";
    // clang-format off
    QTest::newRow("Er of 1") << "0" << "Edit7" << "1" << er << "1.001" << "";
    QTest::newRow("width 0") << "0" << "Edit25" << "0" << width << "5" << "2.9022";
    QTest::newRow("width negative, metric") << "1" << "Edit25" << "-0.1" << width << "0.127" << "2.9031";
    QTest::newRow("height 0") << "0" << "Edit46" << "0" << height << "10" << "2.9022";
    // 0 MHz is the static value of the worked example.
    QTest::newRow("negative frequency") << "0" << "Edit224" << "-1" << frequency << "0" << "2.9020";
    // clang-format on
}

void ErEffectiveCalculatorTest::refusals()
{
    QFETCH(QString, units);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, corrected);
    QFETCH(QString, result);
    WindowFixture f;
    f.install({{setting::Program, "17"}, {setting::Units, units}});
    f.useRealMessageBoxes();
    show(f.start());
    f.enterRefused(box, typed, message, corrected);
    const QString shown = f.text("Edit221");
    if (!result.isEmpty())
        QCOMPARE(shown, result);
    // The corrected entry is the one computed with: entering it again changes nothing.
    f.enter(box, corrected);
    QCOMPARE(f.text("Edit221"), shown);
    QCOMPARE(f.messages.take(), QStringList());
}

void ErEffectiveCalculatorTest::commaMode()
{
    WindowFixture f{DecimalMode::Comma};
    f.install({{setting::Program, "17"}});
    f.start();
    QCOMPARE(f.text("Edit221"), "2,9022");
    f.enter("Edit224", "0,0");
    QCOMPARE(f.text("Edit221"), "2,9020");
    f.enter("Edit7", "0,9");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Minimum Er value can't be less than or equal to 1"});
    QCOMPARE(f.text("Edit7"), "1,001");
    QVERIFY(f.text("Edit221").startsWith("1,0"));
    f.enter("Edit25", "5.5");
    QCOMPARE(f.messages.take(), QStringList{"error: '5.5' is not a valid floating point value"});
}

void ErEffectiveCalculatorTest::manualCopper_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("thickness");
    QTest::newRow("tab, option stored") << "tab"
                                        << "0"
                                        << "0.7"
                                        << "2.10 mils";
    QTest::newRow("start-up, option stored") << "start"
                                             << "0"
                                             << "0.7"
                                             << "2.10 mils";
    QTest::newRow("start-up, metric") << "start"
                                      << "1"
                                      << "18"
                                      << " 53 um";
    QTest::newRow("option switched on while shown") << "option"
                                                    << "0"
                                                    << "0.7"
                                                    << "2.10 mils";
}

void ErEffectiveCalculatorTest::manualCopper()
{
    QFETCH(QString, way);
    QFETCH(QString, units);
    QFETCH(QString, base);
    WindowFixture f;
    f.install({{setting::Program, way == "tab" ? "14" : "17"},
               {setting::Units, units},
               {setting::ManualCopperWeight, way == "option" ? "0" : "1"}});
    TForm1 &w = f.start();
    OptionsPanel &o = *w.options();
    if (way == "tab") {
        f.clickTab(17);
    } else if (way == "option") {
        f.typeText("Edit136", "3");
        w.form6()->CheckBox1->click();
        QTest::mouseClick(w.form6()->Button1, Qt::LeftButton);
    }
    // The result depends on both boxes, so both are there to see and to change.
    QVERIFY(o.GroupBox31->isVisibleTo(&w) && o.GroupBox32->isVisibleTo(&w));
    QVERIFY(!o.RadioGroup4->isVisibleTo(&w));
    QVERIFY(o.Edit136->isEnabled() && o.GroupBox31->isEnabled());
    QVERIFY(o.Edit138->isEnabled() && o.GroupBox32->isEnabled());
    QCOMPARE(f.text("Edit136"), base);
    QTEST(f.text("Label56"), "thickness");
    f.enter("Edit138", units == "1" ? "17" : "0.7");
    QCOMPARE(f.text("Label56"), units == "1" ? " 35 um" : "1.40 mils");
    QCOMPARE(f.messages.take(), QStringList());

    // No copper, no microstrip: refused, corrected and computed with in the same pass.
    f.enter("Edit136", "0");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Minimum copper weight can't be less than or equal to 0"});
    QCOMPARE(f.text("Edit136"), base);
    f.enter("Edit138", "-1");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Minimum plating thickness can't be less than 0"});
    QCOMPARE(f.text("Label56"), units == "1" ? " 18 um" : "0.70 mils");

    // Switched off, the copper selections count again.
    w.form6()->CheckBox1->click();
    QTest::mouseClick(w.form6()->Button1, Qt::LeftButton);
    QVERIFY(o.RadioGroup4->isVisibleTo(&w) && o.RadioGroup4->isEnabled());
    QTEST(f.text("Label56"), "thickness");
    QCOMPARE(f.messages.take(), QStringList());
}

void ErEffectiveCalculatorTest::sameAnswerInBothUnitSystems()
{
    // The same copper typed by hand in mils and in micrometres: the same line, the same answer.
    QStringList shown;
    for (const QString &units : {QString("0"), QString("1")}) {
        WindowFixture f;
        f.install({{setting::Program, "17"},
                   {setting::Units, units},
                   {setting::ManualCopperWeight, "1"}});
        f.start();
        f.typeText("Edit136", units == "1" ? "17.78" : "0.7");
        f.typeText("Edit138", units == "1" ? "35.56" : "1.4");
        f.enter("Edit224", "2400");
        shown << f.text("Edit221");
        QCOMPARE(f.messages.take(), QStringList());
    }
    QCOMPARE(shown[0], shown[1]);
    QVERIFY(shown[0] != "2.9022");
}

QTEST_MAIN(ErEffectiveCalculatorTest)
#include "tst_er_effective_calculator.moc"
