#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;

class OptionsPanelTest : public QObject {
    Q_OBJECT

private slots:
    void temperatureLimits_data();
    void temperatureLimits();
    void fahrenheitLines();
    void materialWarning_data();
    void materialWarning();
    void materials_data();
    void materials();
    void airRefusedForEffectiveEr();
    void clickingErOrTg();
    void conductorTemperatureOnlyOnCurrentTabs();
    void leavingATemperatureChecksIt();
};

void OptionsPanelTest::leavingATemperatureChecksIt()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    OptionsPanel &o = *w.options();
    o.Edit1->setFocus(Qt::MouseFocusReason);
    f.typeText("Edit1", "250");
    o.Edit2->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.messages.take(),
             QStringList{"info: Maximum temperature rise can't be greater than 200C"});
    QCOMPARE(o.Edit1->text(), "200");
    f.typeText("Edit2", "-90");
    QWidget *spin = w.findChild<QWidget *>("UpDown2_up");
    spin->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.messages.take(),
             QStringList{"info: Minimum ambient temperature can't be less than -80C"});
    o.Edit7->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.messages.take(), QStringList());
    QCOMPARE(o.Edit2->text(), "-80");
    o.Edit2->setFocus(Qt::MouseFocusReason);
    f.typeText("Edit2", "-100");
    o.Edit1->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.messages.take(),
             QStringList{"info: Minimum ambient temperature can't be less than -80C"});
}

void OptionsPanelTest::temperatureLimits_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("message");
    QTest::newRow("rise 0") << "Edit1"
                            << "0"
                            << "1"
                            << "Minimum temperature rise can't be less than 0C";
    QTest::newRow("rise negative") << "Edit1"
                                   << "-5"
                                   << "1"
                                   << "Minimum temperature rise can't be less than 0C";
    QTest::newRow("rise 200 accepted") << "Edit1"
                                       << "200"
                                       << "200"
                                       << "";
    QTest::newRow("rise 200.1") << "Edit1"
                                << "200.1"
                                << "200"
                                << "Maximum temperature rise can't be greater than 200C";
    QTest::newRow("ambient -80 accepted") << "Edit2"
                                          << "-80"
                                          << "-80"
                                          << "";
    QTest::newRow("ambient -80.5") << "Edit2"
                                   << "-80.5"
                                   << "-80"
                                   << "Minimum ambient temperature can't be less than -80C";
    QTest::newRow("ambient 250") << "Edit2"
                                 << "250"
                                 << "200"
                                 << "Maximum ambient temperature can't be greater than 200C";
    QTest::newRow("ambient huge") << "Edit2"
                                  << "-1e300"
                                  << "-80"
                                  << "Minimum ambient temperature can't be less than -80C";
}

void OptionsPanelTest::temperatureLimits()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, corrected);
    QFETCH(QString, message);
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    f.enter(box, typed);
    QCOMPARE(f.text(box), corrected);
    QCOMPARE(f.messages.take(),
             message.isEmpty() ? QStringList() : QStringList{"info: " + message});
    const double value = corrected.toDouble();
    if (box == "Edit1") {
        QCOMPARE(w.context().TempRise, value);
        QCOMPARE(w.options()->ProgressBar1->value(), int(value));
    } else {
        QCOMPARE(w.context().AmbientTemp, value);
        QCOMPARE(w.options()->ProgressBar2->value(), std::max(-80, int(value)));
    }
    // The corrected value is used by the same recalculation.
    QCOMPARE(w.context().ConductorTemp, w.context().TempRise + w.context().AmbientTemp);
}

void OptionsPanelTest::fahrenheitLines()
{
    WindowFixture f;
    f.install();
    f.start();
    QCOMPARE(f.text("Label2"), "36.0");
    QCOMPARE(f.text("Label4"), "71.6");
    QCOMPARE(f.text("Label27"), "42.0");
    QCOMPARE(f.text("Label28"), "107.6");
}

void OptionsPanelTest::materialWarning_data()
{
    QTest::addColumn<QString>("tg");
    QTest::addColumn<bool>("warning");
    QTest::newRow("equal") << "42" << false;
    QTest::newRow("a hundredth below the sum") << "41.99" << true;
    QTest::newRow("well above") << "130" << false;
    QTest::newRow("N/A") << "N/A" << false;
}

void OptionsPanelTest::materialWarning()
{
    QFETCH(QString, tg);
    QFETCH(bool, warning);
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    f.enter("Edit66", tg);
    QCOMPARE(w.StatusPanel1->text(),
             warning ? "WARNING! Material temperature exceeded!" : QString());
    QCOMPARE(f.messages.take(), QStringList());
}

void OptionsPanelTest::materials_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("er");
    QTest::addColumn<QString>("tg");
    QTest::addColumn<double>("modifier");
    const int point = int(DecimalMode::Point);
    const int comma = int(DecimalMode::Comma);
    QTest::newRow("FR-5") << point << 1 << "4.3"
                          << "170" << 0.98;
    QTest::newRow("Isola P95") << point << 8 << "3.78"
                               << "260" << 1.0;
    QTest::newRow("RO3003 switches the warning off") << point << 12 << "3.0"
                                                     << "N/A" << 1.0;
    QTest::newRow("RO4350 point") << point << 16 << "3.66"
                                  << "280" << 1.0;
    QTest::newRow("RO4350 comma keeps its constant") << comma << 16 << "3,66"
                                                     << "280" << 1.0;
    QTest::newRow("Ventec comma") << comma << 39 << "4,15"
                                  << "250" << 1.0;
    QTest::newRow("Air") << comma << 41 << "1"
                         << "N/A" << 1.0;
}

void OptionsPanelTest::materials()
{
    QFETCH(int, mode);
    QFETCH(int, index);
    QFETCH(QString, er);
    QFETCH(QString, tg);
    QFETCH(double, modifier);
    WindowFixture f{DecimalMode(mode)};
    f.install();
    TForm1 &w = f.start();
    QCOMPARE(w.context().MaterialModifier, 0.98);
    ComboBox *combo = w.options()->ComboBox1;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    QCOMPARE(f.text("Edit7"), er);
    QCOMPARE(f.text("Edit66"), tg);
    QCOMPARE(w.context().MaterialModifier, modifier);
    QCOMPARE(f.messages.take(), QStringList());
}

void OptionsPanelTest::airRefusedForEffectiveEr()
{
    WindowFixture f;
    f.install({{setting::Program, "17"}});
    TForm1 &w = f.start();
    ComboBox *combo = w.options()->ComboBox1;
    combo->setCurrentIndex(41);
    emit combo->activated(41);
    QCOMPARE(f.messages.take(), QStringList{"info: Air cannot be selected for this calculator"});
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(f.text("Edit7"), "4.6");
    QCOMPARE(f.text("Edit66"), "130");
    QCOMPARE(w.context().MaterialModifier, 0.98);
}

void OptionsPanelTest::clickingErOrTg()
{
    WindowFixture f{DecimalMode::Comma};
    f.install();
    TForm1 &w = f.start();
    OptionsPanel &o = *w.options();
    o.ComboBox1->setCurrentIndex(8);
    emit o.ComboBox1->activated(8);
    QCOMPARE(w.context().MaterialModifier, 1.0);

    QTest::mouseClick(o.Edit7, Qt::LeftButton);
    QCOMPARE(o.Edit7->text(), QString());
    QCOMPARE(o.ComboBox1->currentText(), "Custom");
    o.Edit7Exit();
    QCOMPARE(o.Edit7->text(), "4,6");
    QCOMPARE(o.ComboBox1->currentIndex(), 0);
    // The factor follows the material shown, not the one chosen before.
    QCOMPARE(w.context().MaterialModifier, 0.98);

    QTest::mouseClick(o.Edit66, Qt::LeftButton);
    QTest::keyClicks(o.Edit66, "300");
    o.Edit66Exit();
    QCOMPARE(o.Edit66->text(), "300");
    QCOMPARE(o.ComboBox1->currentText(), "Custom");
    QCOMPARE(f.messages.take(), QStringList());
}

void OptionsPanelTest::conductorTemperatureOnlyOnCurrentTabs()
{
    WindowFixture f;
    f.install({{setting::Program, "1"}});
    f.start();
    f.enter("Edit2", "30");
    QCOMPARE(f.text("Label27"), "50.0");
    QCOMPARE(f.text("Label28"), "122.0");
    f.clickTab(14);
    QCOMPARE(f.text("Label27"), "N/A");
    QCOMPARE(f.text("Label28"), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

QTEST_MAIN(OptionsPanelTest)
#include "tst_options_panel.moc"
