#include "app/settings/splash.h"
#include "tests/support/window_fixture.h"

#include <QDialog>
#include <QSettings>

using namespace tw;
using namespace tw::test;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesTheInstalledValues();
    void registryStatusMarksTheError();
    void metricStartConvertsTheDefaults();
    void storedCalculatorAndOptions();
    void badStoredValues_data();
    void badStoredValues();
    void splashTexts_data();
    void splashTexts();
    void decimalModeLabel_data();
    void decimalModeLabel();
    void programOptionsAreStored();
    void manualCopperWeight_data();
    void manualCopperWeight();
    void manualCopperOnLaterCalculators();
    void registryErrorOpensTheInstaller();
};

void StartupTest::firstRunWritesTheInstalledValues()
{
    WindowFixture f;
    QVERIFY(!f.settings->keyExists());
    TForm1 &w = f.start();
    QCOMPARE(f.stored(setting::Units), "0");
    QCOMPARE(f.stored(setting::Program), "0");
    QCOMPARE(f.stored(setting::ManualCopperWeight), "0");
    QCOMPARE(f.stored(setting::IpcVersion), "0");
    QCOMPARE(f.stored(setting::ConductorReduction), "100");
    QCOMPARE(f.stored(setting::Derating), "0");
    QCOMPARE(f.stored(setting::ViaHeightEnable), "1");
    QCOMPARE(f.stored(setting::RegistryStatus), "0");
    QVERIFY(!w.Label301->isVisibleTo(&w));
    QCOMPARE(w.ActiveCalculator, 0);
    QCOMPARE(w.form4()->Label3->text(), "Starting program....");
    QCOMPARE(w.form4()->ProgressBar1->value(), 0);
    QCOMPARE(f.messages.take(), QStringList());
}

void StartupTest::registryStatusMarksTheError()
{
    WindowFixture f;
    f.install({{setting::RegistryStatus, "1"}, {setting::Program, "14"}});
    TForm1 &w = f.start();
    QVERIFY(w.Label301->isVisibleTo(&w));
    QCOMPARE(w.Label301->text(), "Registry Error!");
    QCOMPARE(w.Label301->statusTip(), "Registry error detected, click to reinstall the keys.");
    QCOMPARE(w.ActiveCalculator, 14);
    QCOMPARE(f.text("Edit184"), "31.25000");
    QCOMPARE(f.messages.take(), QStringList());
}

void StartupTest::metricStartConvertsTheDefaults()
{
    WindowFixture f;
    f.install({{setting::Units, "1"}});
    TForm1 &w = f.start();
    QCOMPARE(w.unitSystem(), UnitSystem::Metric);
    QCOMPARE(f.text("Edit136"), "25.4");
    QCOMPARE(f.text("Edit137"), "um");
    QCOMPARE(w.options()->RadioGroup4->items().first(), "9um");
    QCOMPARE(f.stored(setting::Units), "1");
    QCOMPARE(f.messages.take(), QStringList());
}

void StartupTest::storedCalculatorAndOptions()
{
    WindowFixture f;
    f.install({{setting::Program, "7"},
               {setting::IpcVersion, "2"},
               {setting::Derating, "1"},
               {setting::ViaHeightEnable, "0"}});
    TForm1 &w = f.start();
    QCOMPARE(w.ActiveCalculator, 7);
    QCOMPARE(w.TabControl1->tabIndex(), 7);
    QCOMPARE(w.form6()->RadioGroup1->itemIndex(), 2);
    QCOMPARE(w.form6()->RadioGroup2->itemIndex(), 1);
    QVERIFY(w.form6()->Image2->isVisibleTo(w.form6()));
    QVERIFY(!w.form6()->Image3->isVisibleTo(w.form6()));
    QVERIFY(w.form6()->CheckBox2->isChecked());
    QVERIFY(!w.form6()->CheckBox1->isChecked());
    QCOMPARE(f.stored(setting::Program), "7");
    QCOMPARE(f.messages.take(), QStringList());
}

void StartupTest::badStoredValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("calculator");
    QTest::addColumn<int>("ipcVersion");
    QTest::newRow("units missing") << setting::Units << "<remove>"
                                   << "error: '' is not a valid integer value" << 0 << 0;
    QTest::newRow("units word") << setting::Units << "metric"
                                << "error: 'metric' is not a valid integer value" << 0 << 0;
    QTest::newRow("units out of range") << setting::Units << "5"
                                        << "" << 14 << 2;
    QTest::newRow("units beyond 32 bits")
        << setting::Units << "4294967297"
        << "error: '4294967297' is not a valid integer value" << 0 << 0;
    QTest::newRow("program out of range") << setting::Program << "20"
                                          << "" << 0 << 2;
    QTest::newRow("program negative") << setting::Program << "-1"
                                      << "" << 0 << 2;
    QTest::newRow("derating bad") << setting::Derating << "x"
                                  << "error: 'x' is not a valid integer value" << 14 << 0;
    QTest::newRow("ipc out of range") << setting::IpcVersion << "3"
                                      << "" << 14 << 0;
}

void StartupTest::badStoredValues()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(int, calculator);
    QFETCH(int, ipcVersion);
    WindowFixture f;
    f.install({{setting::Program, "14"}, {setting::IpcVersion, "2"}});
    if (value == "<remove>") {
        QSettings raw(f.dir.filePath("settings.ini"), QSettings::IniFormat);
        raw.remove(name);
    } else {
        f.settings->write(name, value);
    }
    TForm1 &w = f.start();
    QCOMPARE(f.messages.take(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(w.ActiveCalculator, calculator);
    QCOMPARE(w.unitSystem(), UnitSystem::Imperial);
    QCOMPARE(w.form6()->RadioGroup1->itemIndex(), ipcVersion);
    // The start-up still ends with its recalculation.
    QCOMPARE(f.text("Label2"), "36.0");
    QCOMPARE(f.text("Edit136"), "0.7");
}

void StartupTest::splashTexts_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Loading.";
    QTest::newRow("9") << 9 << "Loading.";
    QTest::newRow("10 keeps") << 10 << "before";
    QTest::newRow("11") << 11 << "Loading..";
    QTest::newRow("29") << 29 << "Loading...";
    QTest::newRow("39") << 39 << "Loading....";
    QTest::newRow("41") << 41 << "Reading registry keys.";
    QTest::newRow("59") << 59 << "Reading registry keys..";
    QTest::newRow("61") << 61 << "Reading registry keys...";
    QTest::newRow("70 keeps") << 70 << "before";
    QTest::newRow("79") << 79 << "Reading registry keys...";
    QTest::newRow("84") << 84 << "Starting program.";
    QTest::newRow("85 keeps") << 85 << "before";
    QTest::newRow("86") << 86 << "Starting program..";
    QTest::newRow("94") << 94 << "Starting program...";
    QTest::newRow("95 keeps") << 95 << "before";
    QTest::newRow("99") << 99 << "Starting program....";
    QTest::newRow("100 keeps") << 100 << "before";
}

void StartupTest::splashTexts()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QCOMPARE(splashStatusText(position, "before"), text);
}

void StartupTest::decimalModeLabel_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("er");
    QTest::newRow("point") << int(DecimalMode::Point) << "0"
                           << "4.6";
    QTest::newRow("comma") << int(DecimalMode::Comma) << "1"
                           << "4,6";
}

void StartupTest::decimalModeLabel()
{
    QFETCH(int, mode);
    QFETCH(QString, label);
    QFETCH(QString, er);
    WindowFixture f{DecimalMode(mode)};
    f.install();
    TForm1 &w = f.start();
    QCOMPARE(w.Label165->text(), label);
    QCOMPARE(f.text("Edit7"), er);
    QCOMPARE(w.context().MaterialModifier, 0.98);
    QCOMPARE(f.messages.take(), QStringList());
}

void StartupTest::programOptionsAreStored()
{
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    TForm1 &w = f.start();
    TForm6 &o = *w.form6();
    w.CopperWeight1->trigger();
    QVERIFY(!w.isEnabled());
    clickIndicator(o.RadioGroup1->button(1));
    QCOMPARE(f.stored(setting::IpcVersion), "1");
    clickIndicator(o.RadioGroup2->button(1));
    QCOMPARE(f.stored(setting::Derating), "1");
    QVERIFY(o.Image2->isVisibleTo(&o));
    QVERIFY(!o.Image3->isVisibleTo(&o));
    o.CheckBox2->click();
    QCOMPARE(f.stored(setting::ViaHeightEnable), "0");
    o.CheckBox2->click();
    QCOMPARE(f.stored(setting::ViaHeightEnable), "1");
    QTest::mouseClick(o.Button1, Qt::LeftButton);
    QVERIFY(w.isEnabled());
    QVERIFY(!o.isVisible());
    QTest::mouseClick(o.BitBtn1, Qt::LeftButton);
    QCOMPARE(f.desktop.opened.size(), 1);
    QCOMPARE(f.messages.take(), QStringList());
}

void StartupTest::manualCopperWeight_data()
{
    QTest::addColumn<int>("calculator");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("base");
    QTest::addColumn<bool>("plating");
    QTest::addColumn<QString>("preset");
    QTest::newRow("via") << 0 << int(DecimalMode::Point) << false << false << "0.7";
    QTest::newRow("conductor external") << 1 << int(DecimalMode::Point) << true << true << "0.7";
    QTest::newRow("differential comma") << 3 << int(DecimalMode::Comma) << true << true << "0,7";
    QTest::newRow("fusing") << 12 << int(DecimalMode::Point) << true << true << "0.7";
}

void StartupTest::manualCopperWeight()
{
    QFETCH(int, calculator);
    QFETCH(int, mode);
    QFETCH(bool, base);
    QFETCH(bool, plating);
    QFETCH(QString, preset);
    WindowFixture f{DecimalMode(mode)};
    f.install({{setting::Program, QString::number(calculator)}});
    TForm1 &w = f.start();
    OptionsPanel &o = *w.options();
    f.typeText("Edit136", "3");
    w.form6()->CheckBox1->click();
    QCOMPARE(f.stored(setting::ManualCopperWeight), "1");
    QVERIFY(o.GroupBox31->isVisibleTo(&w));
    QVERIFY(!o.RadioGroup4->isVisibleTo(&w));
    QCOMPARE(o.GroupBox31->isEnabled(), base);
    QCOMPARE(o.Edit138->isEnabled(), plating);
    QCOMPARE(f.text("Edit136"), preset);
    w.form6()->CheckBox1->click();
    QCOMPARE(f.stored(setting::ManualCopperWeight), "0");
    QVERIFY(!o.GroupBox31->isVisibleTo(&w));
    QVERIFY(o.RadioGroup4->isVisibleTo(&w));
    QCOMPARE(f.messages.take(), QStringList());
}

void StartupTest::manualCopperOnLaterCalculators()
{
    WindowFixture f;
    f.install({{setting::Program, "18"}});
    TForm1 &w = f.start();
    OptionsPanel &o = *w.options();
    w.form6()->CheckBox1->click();
    QCOMPARE(f.stored(setting::ManualCopperWeight), "1");
    QVERIFY(!o.GroupBox31->isVisibleTo(&w));
    // A calculator that reads copper weights shows the boxes it computes with.
    f.clickTab(12);
    QVERIFY(o.GroupBox31->isVisibleTo(&w));
    QVERIFY(o.manualCopperShown());
    QCOMPARE(f.messages.take(), QStringList());

    WindowFixture again;
    again.install({{setting::ManualCopperWeight, "1"}, {setting::Program, "1"}});
    TForm1 &restarted = again.start();
    QVERIFY(restarted.form6()->CheckBox1->isChecked());
    QVERIFY(restarted.options()->GroupBox31->isVisibleTo(&restarted));
    QCOMPARE(again.messages.take(), QStringList());
}

void StartupTest::registryErrorOpensTheInstaller()
{
    WindowFixture f;
    f.install({{setting::RegistryStatus, "1"}});
    TForm1 &w = f.start();
    QTest::mouseClick(w.Label301, Qt::LeftButton);
    QVERIFY(w.findChild<QDialog *>("TForm8")->isVisible());
    f.messages.take();
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
