#include "app/calculator_table.h"
#include "tests/support/window_fixture.h"

#include <QDir>

#include <QMenu>
#include <QStatusTipEvent>

using namespace tw;
using namespace tw::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void shell();
    void settingsThatCannotBeSaved();
    void switching_data();
    void switching();
    void layerSelectorPreset_data();
    void layerSelectorPreset();
    void menuMovesTheTab();
    void enterRecalculates();
    void spinStepUsesTheNewValue();
    void hintGoesToTheStatusBar();
    void exitEndsWithCodeZero();
};

void MainWindowTest::shell()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    QCOMPARE(w.windowTitle(), "Korvane, Inc. - Tracewright V7.06 - www.korvane.com");
    QCOMPARE(w.TabControl1->count(), 20);
    QStringList menu;
    for (QAction *a : w.findChild<QMenu *>("Function1")->actions())
        menu << a->objectName();
    QCOMPARE(menu.size(), 20);
    QCOMPARE(menu.first(), "ViaProperties1");
    QCOMPARE(menu.last(), "XlXcReactance1");
    QCOMPARE(w.findChild<QAction *>("SignalProperties1")->text(),
             "&Bandwidth && Max Conductor Length");
    QVERIFY(!w.Label165->isVisibleTo(&w));
    QCOMPARE(w.Label165->text(), "0");
    QVERIFY(!w.Label301->isVisibleTo(&w));
    QCOMPARE(f.messages.take(), QStringList());
}

void MainWindowTest::switching_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("byMenu");
    for (const CalculatorRow &row : calculatorTable()) {
        QTest::addRow("%s by tab", row.menuItem) << row.index << false;
        QTest::addRow("%s by menu", row.menuItem) << row.index << true;
    }
}

void MainWindowTest::switching()
{
    QFETCH(int, index);
    QFETCH(bool, byMenu);
    WindowFixture f;
    // Starting on the via calculator leaves its lines filled for the next one.
    f.install({{setting::Program, index == 0 ? "5" : "0"}});
    TForm1 &w = f.start();
    if (byMenu)
        w.menuItems[std::size_t(index)]->trigger();
    else
        f.clickTab(index);

    const CalculatorRow &row = calculatorTable()[std::size_t(index)];
    QCOMPARE(w.ActiveCalculator, index);
    QCOMPARE(w.TabControl1->tabIndex(), index);
    QCOMPARE(f.stored(setting::Program), QString::number(index));
    for (int i = 0; i < CalculatorCount; ++i)
        QCOMPARE(w.calculator(i).groupBox()->isVisibleTo(&w), i == index);
    QCOMPARE(w.calculator(index).groupBox()->objectName(), row.groupBox);
    QCOMPARE(w.calculator(index).groupBox()->title(), row.groupCaption);
    QCOMPARE(w.info()->Label55->text(), row.label55);
    QCOMPARE(w.info()->Label23->text(), index == 0 ? "Via Temperature" : "Conductor Temperature");
    QCOMPARE(w.RadioGroup6->isEnabled(), index != 11 && index != 14 && index < 18);
    QCOMPARE(w.info()->Label319->isVisibleTo(&w), index == 18);
    QCOMPARE(w.info()->Label23->isVisibleTo(&w), index != 18);
    // Only the via calculator fills the via lines; no other shows a via's leftovers.
    QCOMPARE(w.info()->Label110->text() == "N/A", index != 0);
    QCOMPARE(w.info()->Label285->text() == "N/A", index != 0);
    // The conductor temperature is shown only on the two current calculators.
    QCOMPARE(w.info()->Label27->text() == "N/A", index > 1);
    QCOMPARE(w.options()->GroupBox3->isEnabled(), index <= 1);
    QCOMPARE(w.options()->ComboBox1->isEnabled(), row.options.material);
    QCOMPARE(w.options()->RadioGroup5->isVisibleTo(&w), index != 3 && index != 7 && index != 9);
    QCOMPARE(w.info()->Edit227->isEnabled(), index == 0);
    QCOMPARE(f.messages.take(), QStringList());
}

void MainWindowTest::layerSelectorPreset_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("enabled");
    const QStringList layers{"Internal Layer", "External Layer"};
    const QStringList circuits{"Microstrip", "Stripline"};
    QTest::newRow("via") << 0 << " Layer Set " << QStringList{"2 Layer", "Multi Layer", "Microvia"}
                         << 1 << true;
    QTest::newRow("conductor") << 1 << " Conductor Layer " << layers << 1 << true;
    QTest::newRow("bandwidth") << 2 << " Passive Circuits " << circuits << 0 << true;
    QTest::newRow("differential") << 3 << " Differential Layer "
                                  << QStringList{"Edge Cpld Ext",      "Edge Cpld Int Sym",
                                                 "Edge Cpld Int Asym", "Edge Cpld Embed",
                                                 "Broad Cpld Shld",    "Broad Cpld NShld"}
                                  << 0 << true;
    QTest::newRow("padstack") << 4 << " Conductor Layer " << layers << -1 << false;
    QTest::newRow("impedance") << 7 << " Passive Circuits "
                               << QStringList{"Microstrip",     "Microstrip Embed", "Stripline",
                                              "Stripline Asym", "Dual Stripline",   "Coplanar Wave"}
                               << 0 << true;
    QTest::newRow("planar inductors")
        << 9 << " Inductor Geometry " << QStringList{"Square", "Hexagonal", "Octagonal", "Circular"}
        << 0 << true;
    QTest::newRow("ppm") << 14 << " Conductor Layer " << layers << -1 << false;
    QTest::newRow("crosstalk") << 15 << " Conductor Layer " << circuits << 0 << true;
    QTest::newRow("wavelength") << 16 << " Conductor Layer " << circuits << 0 << false;
    QTest::newRow("ohm's law") << 18 << " Conductor Layer " << layers << -1 << false;
}

void MainWindowTest::layerSelectorPreset()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    QFETCH(bool, enabled);
    WindowFixture f;
    f.install({{setting::Program, QString::number(index)}});
    TForm1 &w = f.start();
    RadioGroup *layer = w.options()->RadioGroup3;
    QCOMPARE(layer->title(), caption);
    QCOMPARE(layer->items(), items);
    QCOMPARE(layer->itemIndex(), selected);
    QCOMPARE(layer->isEnabled(), enabled);
    for (int i = 0; i < items.size(); ++i)
        QCOMPARE(layer->button(i)->isChecked(), i == selected);
    QCOMPARE(f.messages.take(), QStringList());
}

void MainWindowTest::menuMovesTheTab()
{
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    TForm1 &w = f.start();
    w.findChild<QAction *>("OhmsLaw1")->trigger();
    QCOMPARE(w.TabControl1->tabIndex(), 18);
    QVERIFY(w.TabControl1->tab(18)->isChecked());
    QVERIFY(!w.TabControl1->tab(14)->isChecked());
    f.clickTab(14);
    QCOMPARE(w.ActiveCalculator, 14);
    QCOMPARE(f.messages.take(), QStringList());
}

void MainWindowTest::enterRecalculates()
{
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    f.start();
    f.typeText("Edit171", "50");
    QCOMPARE(f.text("Edit172"), "0.80000");
    QTest::keyClick(f.find<QLineEdit>("Edit171"), Qt::Key_A);
    QCOMPARE(f.text("Edit172"), "0.80000");
    f.enter("Edit171", "50");
    QCOMPARE(f.text("Edit172"), "1.60000");
    // Enter in any input box recalculates the whole calculator.
    f.typeText("Edit171", "100");
    QTest::keyClick(f.find<QLineEdit>("Edit170"), Qt::Key_Return);
    QCOMPARE(f.text("Edit172"), "3.20000");
    QCOMPARE(f.messages.take(), QStringList());
}

void MainWindowTest::spinStepUsesTheNewValue()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    // At exactly the material's limit no warning; one degree more after the step.
    f.enter("Edit66", "42");
    QCOMPARE(w.StatusPanel1->text(), QString());
    QTest::mouseClick(w.findChild<QWidget *>("UpDown1_up"), Qt::LeftButton);
    QCOMPARE(f.text("Edit1"), "21");
    QCOMPARE(f.text("Label2"), "37.8");
    QCOMPARE(w.StatusPanel1->text(), "WARNING! Material temperature exceeded!");
    QTest::mouseClick(w.findChild<QWidget *>("UpDown1_down"), Qt::LeftButton);
    QCOMPARE(f.text("Edit1"), "20");
    QCOMPARE(w.StatusPanel1->text(), QString());
    QCOMPARE(f.messages.take(), QStringList());
}

void MainWindowTest::hintGoesToTheStatusBar()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    QWidget *rise = f.find("Edit1");
    QStatusTipEvent tip(rise->statusTip());
    QCoreApplication::sendEvent(rise, &tip);
    QCOMPARE(w.StatusPanel0->text(), "Enter the desired temperature rise over ambient.");
}

void MainWindowTest::exitEndsWithCodeZero()
{
    WindowFixture f;
    f.install();
    TForm1 &w = f.start();
    w.Exit1->trigger();
    QCOMPARE(f.exitCodes, QList<int>{0});
    QCOMPARE(f.stored(setting::Program), "0");
}

void MainWindowTest::settingsThatCannotBeSaved()
{
    // A folder where the settings file should be: nothing can be written there.
    WindowFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir("settings.ini"));
    f.settings = std::make_unique<NativeSettingsStore>(f.dir.filePath("settings.ini"));
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    f.clickTab(14);
    f.clickTab(7);
    f.clickRadio("RadioGroup6", 1);
    const QStringList shown = f.messages.take();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith("info: Your settings cannot be saved to \"") &&
                 shown.first().contains("settings.ini"),
             qPrintable(shown.first()));
    QCOMPARE(f.boxes.onScreen.size(), 1);
    // The session goes on with what the user chose.
    QCOMPARE(w.ActiveCalculator, 7);
    QCOMPARE(w.unitSystem(), UnitSystem::Metric);
    QCOMPARE(f.text("StatusBar1Panel1"), "Settings are not being saved");
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
