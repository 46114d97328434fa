#include "tests/support/window_fixture.h"
#include "ui/errors.h"

using namespace tw;
using namespace tw::test;

class UnitSwitchTest : public QObject {
    Q_OBJECT

private slots:
    void toMetricAndBack();
    void badFieldChangesNothing();
    void valueTooLargeForTheOtherSystem();
    void entriesOfTheSwitch_data();
    void entriesOfTheSwitch();
    void commaModeWritesCommas();
    void longConversionsAreNotCut();
};

void UnitSwitchTest::longConversionsAreNotCut()
{
    QWidget parent;
    auto *box = new Edit(&parent, "box", "0.123");
    box->setMaxLength(8);
    UnitSwitch units;
    units.addInput({1, box, Quantity::Length});
    units.convert(UnitSystem::Imperial, DecimalMode::Point);
    QCOMPARE(box->text(), "4.84251968503937");
    units.convert(UnitSystem::Metric, DecimalMode::Point);
    QCOMPARE(box->text(), "0.123");
}

void UnitSwitchTest::toMetricAndBack()
{
    WindowFixture f;
    f.install({{setting::Program, "1"}});
    TForm1 &w = f.start();
    QCOMPARE(f.text("Edit136"), "0.7");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(w.unitSystem(), UnitSystem::Metric);
    QCOMPARE(f.text("Edit136"), "17.78");
    QCOMPARE(f.text("Edit138"), "35.56");
    QCOMPARE(f.text("Edit137"), "um");
    QCOMPARE(f.stored(setting::Units), "1");
    OptionsPanel &o = *w.options();
    QCOMPARE(o.RadioGroup4->items().at(2), "35um");
    QCOMPARE(o.RadioGroup4->itemIndex(), 1);
    QCOMPARE(o.RadioGroup1->itemIndex(), 2);
    QCOMPARE(o.RadioGroup5->items(), QStringList({"35um", "70um"}));
    QCOMPARE(o.RadioGroup5->itemIndex(), 0);

    o.RadioGroup4->setItemIndex(5);
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit136"), "0.7");
    QCOMPARE(f.text("Edit138"), "1.4");
    QCOMPARE(f.text("Edit137"), "mils");
    QCOMPARE(o.RadioGroup5->items(), QStringList({"1oz", "2oz"}));
    // The switch resets the user's copper choice.
    QCOMPARE(o.RadioGroup4->itemIndex(), 1);
    QCOMPARE(f.stored(setting::Units), "0");
    QCOMPARE(f.messages.take(), QStringList());
}

void UnitSwitchTest::badFieldChangesNothing()
{
    WindowFixture f;
    f.install({{setting::Program, "1"}});
    TForm1 &w = f.start();
    f.typeText("Edit138", "1,4");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.messages.take(), QStringList{"error: '1,4' is not a valid floating point value"});
    QCOMPARE(w.unitSystem(), UnitSystem::Imperial);
    QVERIFY(w.RadioGroup6->button(0)->isChecked());
    QVERIFY(!w.RadioGroup6->button(1)->isChecked());
    QCOMPARE(f.text("Edit136"), "0.7");
    QCOMPARE(f.text("Edit137"), "mils");
    QCOMPARE(f.text("Edit139"), "mils");
    QCOMPARE(w.options()->RadioGroup4->items().at(2), "1oz");
    QCOMPARE(f.stored(setting::Units), "0");

    // Once mended, the switch goes through.
    f.typeText("Edit138", "1.4");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit138"), "35.56");
    QCOMPARE(f.messages.take(), QStringList());
}

void UnitSwitchTest::valueTooLargeForTheOtherSystem()
{
    WindowFixture f;
    f.install({{setting::Program, "0"}, {setting::Units, "1"}});
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    f.typeText("Edit4", "1e308");
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.messages.take(),
             QStringList{"error: '1e308' is too large to be converted to the other unit system"});
    QCOMPARE(f.boxes.onScreen.size(), 1);
    QCOMPARE(w.unitSystem(), UnitSystem::Metric);
    QVERIFY(w.RadioGroup6->button(1)->isChecked());
    QCOMPARE(f.text("Edit4"), "1e308");
    QCOMPARE(f.text("Edit3"), "0.254");
    QCOMPARE(f.stored(setting::Units), "1");
}

void UnitSwitchTest::entriesOfTheSwitch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keepNA");
    QTest::addColumn<bool>("commas");
    QTest::addColumn<bool>("condition");
    QTest::addColumn<QString>("converted");
    QTest::newRow("plain") << "10" << false << false << true << "0.254";
    QTest::newRow("N/A survives") << "N/A" << true << false << true << "N/A";
    QTest::newRow("condition off") << "10" << false << false << false << "10";
    QTest::newRow("comma read as point") << "1,5" << false << true << true << "0.0381";
    QTest::newRow("exponent") << "1E3" << false << false << true << "25.4";
}

void UnitSwitchTest::entriesOfTheSwitch()
{
    QFETCH(QString, text);
    QFETCH(bool, keepNA);
    QFETCH(bool, commas);
    QFETCH(bool, condition);
    QFETCH(QString, converted);
    QWidget parent;
    auto *box = new Edit(&parent, "box", text);
    auto *unit = makeReadOnly(&parent, "unit", "mils");
    UnitSwitch units;
    units.addText({unit, "mils", "mm"});
    units.addInput({1, box, Quantity::Length, [condition] { return condition; }, commas, keepNA});
    units.convert(UnitSystem::Metric, DecimalMode::Point);
    QCOMPARE(box->text(), converted);
    QCOMPARE(unit->text(), "mm");
}

void UnitSwitchTest::commaModeWritesCommas()
{
    WindowFixture f{DecimalMode::Comma};
    f.install({{setting::Program, "1"}});
    f.start();
    QCOMPARE(f.text("Edit136"), "0,7");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit136"), "17,78");
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit136"), "0,7");
    QCOMPARE(f.messages.take(), QStringList());
}

QTEST_MAIN(UnitSwitchTest)
#include "tst_unit_switch.moc"
