#include "tests/support/window_fixture.h"

#include <QRegularExpression>

using namespace tw;
using namespace tw::test;

// Expected values are the closed forms evaluated independently (double precision, the
// truncated constants of the models), rounded to the displayed decimals.

namespace {

enum { Microstrip, Embed, Stripline, Asym, Dual, Coplanar };

void startImpedance(WindowFixture &f, bool metric = false)
{
    f.install({{setting::Program, "7"}, {setting::Units, metric ? "1" : "0"}});
    f.start();
}

bool shown(WindowFixture &f, const QString &name)
{
    QWidget *w = f.find<QWidget>(name);
    Q_ASSERT_X(w, "shown", qPrintable(name));
    return w->isVisibleTo(f.find<QWidget>("GroupBox15"));
}

QColor colour(WindowFixture &f, const QString &name)
{
    return f.find<QWidget>(name)->palette().color(QPalette::WindowText);
}

const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

// Every text of the calculator and of the copper line of the information panel.
QStringList shownTexts(WindowFixture &f)
{
    QStringList texts{f.text("Label56")};
    for (QLineEdit *e : f.find<QWidget>("GroupBox15")->findChildren<QLineEdit *>())
        texts << e->text();
    for (QLabel *l : f.find<QWidget>("GroupBox15")->findChildren<QLabel *>())
        texts << l->text();
    return texts;
}

} // namespace

class ImpedanceCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void topologyLayout_data();
    void topologyLayout();
    void workedValues_data();
    void workedValues();
    void coplanarCopperReset();
    void coplanarManualCopperStaysDisabled();
    void returningToTheTabStartsFromMicrostrip();
    void entryCorrections_data();
    void entryCorrections();
    void embeddedHeightWarningKeepsResults();
    void rangeWarnings_data();
    void rangeWarnings();
    void offsetStriplineModeAndCentredNote();
    void unitSwitchConvertsLengths();
    void commaMode();
    void degenerateGeometries_data();
    void degenerateGeometries();
    void negativeFrequencyKeepsResults();
};

void ImpedanceCalculatorTest::topologyLayout_data()
{
    QTest::addColumn<int>("topology");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("heightHint");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<bool>("plating");
    QTest::addColumn<bool>("base");

    const QStringList perLength{"Edit77", "Edit76", "Edit73", "Label115", "Label114", "Label54"};
    const QStringList second{"Label104", "Edit74", "Edit75"};
    const QStringList checks{"Label57", "Label85", "Label86", "Label107", "Label108"};
    const QStringList heightChecks{"Label111", "Label112", "Label246", "Label260", "Label261"};
    QTest::newRow("Microstrip") << int(Microstrip) << "Conductor Height (H)" << QString()
                                << "Enter the conductor's distance above its reference plane."
                                << (perLength + QStringList{"Image8", "Edit226", "Label288",
                                                            "Label289", "Label290", "Label281",
                                                            "Label282", "Label283"})
                                << true << true;
    QTest::newRow("Microstrip Embed")
        << int(Embed) << "Conductor Height (H1)"
        << "Conductor Height (H2)"
        << "Enter the total thickness of the substrate."
        << (perLength + second + checks + heightChecks + QStringList{"Image16"}) << false << true;
    QTest::newRow("Stripline")
        << int(Stripline) << "Conductor Height (H)" << QString()
        << "Enter the conductor's distance above and/or below its reference plane."
        << (perLength + checks + heightChecks + QStringList{"Image22"}) << false << true;
    QTest::newRow("Stripline Asym")
        << int(Asym) << "Conductor Height (H1)"
        << "Conductor Height (H2)"
        << "Enter the conductor's distance below its reference plane."
        << (perLength + second + QStringList{"Image9", "Label116"}) << false << true;
    QTest::newRow("Dual Stripline")
        << int(Dual) << "Conductor Height (H)"
        << "Conductor Spacing (C)"
        << "Enter the conductor's distance above and/or below its reference plane."
        << (perLength + second + QStringList{"Image47"}) << false << true;
    QTest::newRow("Coplanar Wave")
        << int(Coplanar) << "Conductor Height (H)"
        << "Conductor Gap (G)"
        << "Enter the conductor's distance below its reference plane."
        << (second + checks + QStringList{"Image19", "SpeedButton1"}) << false << false;
}

void ImpedanceCalculatorTest::topologyLayout()
{
    QFETCH(int, topology);
    QFETCH(QString, height);
    QFETCH(QString, second);
    QFETCH(QString, heightHint);
    QFETCH(QStringList, visible);
    QFETCH(bool, plating);
    QFETCH(bool, base);

    WindowFixture f;
    startImpedance(f);
    // Leave from another topology, so every branch really switches something.
    f.clickRadio("RadioGroup3", topology == Coplanar ? Embed : Coplanar);
    f.clickRadio("RadioGroup3", topology);
    f.messages.take();

    QCOMPARE(f.text("Label101"), height);
    if (!second.isEmpty())
        QCOMPARE(f.text("Label104"), second);
    QCOMPARE(f.find<QWidget>("Edit68")->toolTip(), heightHint);

    const QStringList toggled{
        "Label104", "Edit74",   "Edit75",   "Edit226",  "Label288", "Image8",
        "Image16",  "Image22",  "Image9",   "Image47",  "Image19",  "Label57",
        "Label85",  "Label86",  "Label246", "Label107", "Label108", "Label111",
        "Label112", "Label260", "Label261", "Label116", "Label188", "Label191",
        "Label289", "Label290", "Label281", "Label282", "Label283", "Edit77",
        "Edit76",   "Edit73",   "Label115", "Label114", "Label54",  "SpeedButton1"};
    for (const QString &name : toggled)
        QVERIFY2(shown(f, name) == visible.contains(name), qPrintable(name));
    for (const char *name : {"Label101", "Edit68", "Edit67", "Edit70"})
        QVERIFY2(shown(f, name), name);

    QCOMPARE(f.find<QWidget>("RadioGroup1")->isEnabled(), plating);
    QCOMPARE(f.find<QWidget>("RadioGroup4")->isEnabled(), base);
    QCOMPARE(f.find<QWidget>("Edit136")->isEnabled(), base);
}

void ImpedanceCalculatorTest::workedValues_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<int>("topology");
    QTest::addColumn<QStringList>("expected"); // Edit70, Edit77, Edit76, Edit73, Label56

    QTest::newRow("Microstrip") << false << int(Microstrip)
                                << QStringList{"83.6097 Ohms", "144.3708 ps/in", "1.7267 pF/in",
                                               "12.0708 nH/in", "2.10 mils"};
    QTest::newRow("Microstrip Embed") << false << int(Embed)
                                      << QStringList{"70.1610 Ohms", "167.8093 ps/in",
                                                     "2.3918 pF/in", "11.7737 nH/in", "0.70 mils"};
    QTest::newRow("Stripline") << false << int(Stripline)
                               << QStringList{"59.431 Ohms", "181.7685 ps/in", "3.0585 pF/in",
                                              "10.8027 nH/in", "0.70 mils"};
    QTest::newRow("Stripline Asym")
        << false << int(Asym) << QStringList{"56.467 Ohms", "181.7685 ps/in", "", "", "0.70 mils"};
    QTest::newRow("Dual Stripline") << false << int(Dual)
                                    << QStringList{"68.648 Ohms", "181.7685 ps/in", "2.6478 pF/in",
                                                   "12.4780 nH/in", "0.70 mils"};
    QTest::newRow("Coplanar Wave")
        << false << int(Coplanar) << QStringList{"86.6408 Ohms", "", "", "", "2.10 mils"};
    QTest::newRow("metric Microstrip")
        << true << int(Microstrip)
        << QStringList{"83.6512 Ohms", "56.8482 ps/cm", "0.6796 pF/cm", "4.7554 nH/cm", " 53 um"};
    QTest::newRow("metric Microstrip Embed")
        << true << int(Embed)
        << QStringList{"70.1053 Ohms", "66.0666 ps/cm", "0.9424 pF/cm", "4.6316 nH/cm", " 18 um"};
    QTest::newRow("metric Stripline")
        << true << int(Stripline)
        << QStringList{"59.391 Ohms", "71.5624 ps/cm", "1.2049 pF/cm", "4.2502 nH/cm", " 18 um"};
    QTest::newRow("metric Dual Stripline")
        << true << int(Dual)
        << QStringList{"68.607 Ohms", "71.5624 ps/cm", "1.0431 pF/cm", "4.9097 nH/cm", " 18 um"};
    QTest::newRow("metric Coplanar Wave")
        << true << int(Coplanar) << QStringList{"86.6408 Ohms", "", "", "", " 53 um"};
}

void ImpedanceCalculatorTest::workedValues()
{
    QFETCH(bool, metric);
    QFETCH(int, topology);
    QFETCH(QStringList, expected);
    WindowFixture f;
    startImpedance(f, metric);
    if (topology != Microstrip)
        f.clickRadio("RadioGroup3", topology);
    const QStringList boxes{"Edit70", "Edit77", "Edit76", "Edit73", "Label56"};
    for (int i = 0; i < boxes.size(); ++i)
        if (!expected[i].isEmpty())
            QCOMPARE(f.text(boxes[i]), expected[i]);
    if (topology == Microstrip)
        QCOMPARE(f.text("Label290"), metric ? "2.9031" : "2.9022");
    if (topology == Coplanar) {
        QCOMPARE(f.text("Label108"), "0.500");
        QCOMPARE(colour(f, "Label108"), black);
    }
    QCOMPARE(f.messages.take(), QStringList());
}

void ImpedanceCalculatorTest::coplanarCopperReset()
{
    WindowFixture f;
    startImpedance(f);
    f.clickRadio("RadioGroup4", 4);
    f.clickRadio("RadioGroup1", 0);
    QCOMPARE(f.text("Label56"), "2.80 mils"); // 2oz, bare board
    const QString microstripTpd = f.text("Edit77");

    f.clickRadio("RadioGroup3", Coplanar);
    QCOMPARE(f.find<RadioGroup>("RadioGroup4")->itemIndex(), 1);
    QCOMPARE(f.find<RadioGroup>("RadioGroup1")->itemIndex(), 2);
    QCOMPARE(f.text("Label56"), "2.10 mils");
    QCOMPARE(f.text("Label86"), "T = 2.10mils");
    // The hidden per-length results keep what the last topology wrote.
    QCOMPARE(f.text("Edit77"), microstripTpd);

    QTest::mouseClick(f.find<QWidget>("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(f.messages.take(),
             QStringList{"info: Conductor thickness is disabled for this calculator due to "
                         "formula restrictions."});

    f.clickRadio("RadioGroup3", Microstrip);
    QVERIFY(f.find<QWidget>("RadioGroup1")->isEnabled());
    QVERIFY(f.find<QWidget>("RadioGroup4")->isEnabled());
    QCOMPARE(f.text("Edit70"), "83.6097 Ohms");
    QCOMPARE(f.messages.take(), QStringList());
}

void ImpedanceCalculatorTest::coplanarManualCopperStaysDisabled()
{
    WindowFixture f;
    f.install({{setting::Program, "7"}, {setting::ManualCopperWeight, "1"}});
    f.start();
    QVERIFY(f.find<QWidget>("Edit136")->isEnabled());
    QVERIFY(f.find<QWidget>("Edit138")->isEnabled());
    f.clickRadio("RadioGroup3", Coplanar);
    QVERIFY(!f.find<QWidget>("Edit136")->isEnabled());
    QVERIFY(!f.find<QWidget>("Edit138")->isEnabled());
    // The disabled boxes still supply the thickness that is shown.
    QCOMPARE(f.text("Label56"), "2.10 mils");
    f.clickRadio("RadioGroup3", Embed);
    QVERIFY(f.find<QWidget>("Edit136")->isEnabled());
    QVERIFY(!f.find<QWidget>("Edit138")->isEnabled());
    QCOMPARE(f.messages.take(), QStringList());
}

void ImpedanceCalculatorTest::returningToTheTabStartsFromMicrostrip()
{
    WindowFixture f;
    startImpedance(f);
    f.clickRadio("RadioGroup3", Coplanar);
    f.clickTab(14);
    f.clickTab(7);
    QCOMPARE(f.find<RadioGroup>("RadioGroup3")->itemIndex(), int(Microstrip));
    QCOMPARE(f.find<QGroupBox>("RadioGroup3")->title(), " Passive Circuits ");
    QVERIFY(shown(f, "Edit226"));
    QVERIFY(!shown(f, "SpeedButton1"));
    QVERIFY(f.find<QWidget>("RadioGroup1")->isEnabled());
    QVERIFY(f.find<QWidget>("RadioGroup4")->isEnabled());
    QCOMPARE(f.text("Edit70"), "83.6097 Ohms");
    QCOMPARE(f.messages.take(), QStringList());
}

void ImpedanceCalculatorTest::entryCorrections_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<int>("topology");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("replacement");

    const QString width = "Conductor width cannot be less less than or equal to zero.";
    const QString height = "Conductor height cannot be less less than or equal to zero.";
    QTest::newRow("Er 1") << false << int(Microstrip) << "Edit7"
                          << "1"
                          << "Minimum Er value can't be less than or equal to 1"
                          << "1.01";
    QTest::newRow("Er below 1") << false << int(Stripline) << "Edit7"
                                << "0.5"
                                << "Minimum Er value can't be less than or equal to 1"
                                << "1.01";
    QTest::newRow("width 0") << false << int(Microstrip) << "Edit67"
                             << "0" << width << "1";
    QTest::newRow("width 0 metric") << true << int(Microstrip) << "Edit67"
                                    << "0" << width << "0.0254";
    QTest::newRow("height negative") << false << int(Coplanar) << "Edit68"
                                     << "-3" << height << "1";
    QTest::newRow("embedded H2 0") << false << int(Embed) << "Edit74"
                                   << "0" << height << "1";
    QTest::newRow("asym H2 metric") << true << int(Asym) << "Edit74"
                                    << "-1" << height << "0.0254";
    QTest::newRow("dual spacing 0")
        << false << int(Dual) << "Edit74"
        << "0"
        << "Conductor spacing cannot be less less than or equal to zero."
        << "1";
    QTest::newRow("coplanar gap 0") << false << int(Coplanar) << "Edit74"
                                    << "0"
                                    << "Conductor gap cannot be less less than or equal to zero."
                                    << "1";
}

void ImpedanceCalculatorTest::entryCorrections()
{
    QFETCH(bool, metric);
    QFETCH(int, topology);
    QFETCH(QString, box);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QFETCH(QString, replacement);

    // What the replacement gives when typed directly.
    WindowFixture direct;
    startImpedance(direct, metric);
    direct.clickRadio("RadioGroup3", topology);
    direct.enter(box, replacement);
    QCOMPARE(direct.messages.take(), QStringList());

    WindowFixture f;
    startImpedance(f, metric);
    f.clickRadio("RadioGroup3", topology);
    f.enter(box, entry);
    QCOMPARE(f.messages.take(), QStringList{"info: " + message});
    QCOMPARE(f.text(box), replacement);
    for (const char *result : {"Edit70", "Edit77", "Edit76", "Edit73", "Label108"})
        QCOMPARE(f.text(result), direct.text(result));
}

void ImpedanceCalculatorTest::embeddedHeightWarningKeepsResults()
{
    WindowFixture f;
    startImpedance(f);
    f.clickRadio("RadioGroup3", Embed);
    f.enter("Edit74", "9.3"); // 9.3 + 0.7 reaches H1 = 10
    QCOMPARE(f.messages.take(),
             QStringList{"info: Conductor Height2 can't be greater than or equal to Conductor "
                         "Height1 + Copper Weight"});
    QCOMPARE(f.text("Edit74"), "9.3");
    QVERIFY(f.text("Edit70").endsWith(" Ohms"));
    f.enter("Edit74", "9.2");
    QCOMPARE(f.messages.take(), QStringList());
}

void ImpedanceCalculatorTest::rangeWarnings_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<int>("topology");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("normal");

    QTest::newRow("embedded W 20") << false << int(Embed) << "Edit67"
                                   << "20"
                                   << "Label108"
                                   << "20.0 Warning!"
                                   << "15"
                                   << "15";
    QTest::newRow("embedded H1 16") << false << int(Embed) << "Edit68"
                                    << "16"
                                    << "Label112"
                                    << "16.0 Warning!"
                                    << "15"
                                    << "15";
    QTest::newRow("embedded Zo 91.77") << false << int(Embed) << "Edit67"
                                       << "2"
                                       << "Label261"
                                       << "91.7706 Warning!"
                                       << "5"
                                       << "70.1610";
    QTest::newRow("stripline H tested itself") << false << int(Stripline) << "Edit68"
                                               << "16"
                                               << "Label112"
                                               << "16.0 Warning!"
                                               << "10"
                                               << "10";
    QTest::newRow("stripline Zo 13.01") << false << int(Stripline) << "Edit67"
                                        << "30"
                                        << "Label261"
                                        << "13.0136 Warning!"
                                        << "5"
                                        << "59.4311";
    QTest::newRow("metric embedded W 0.5") << true << int(Embed) << "Edit67"
                                           << "0.5"
                                           << "Label108"
                                           << "0.5 Warning!"
                                           << "0.381"
                                           << "0.381";
    QTest::newRow("metric stripline W 0.1") << true << int(Stripline) << "Edit67"
                                            << "0.1"
                                            << "Label108"
                                            << "0.1 Warning!"
                                            << "0.1269"
                                            << "0.1269";
    QTest::newRow("coplanar W/H 2") << false << int(Coplanar) << "Edit67"
                                    << "20"
                                    << "Label108"
                                    << "2.000"
                                    << "19.9"
                                    << "1.990";
    QTest::newRow("coplanar W/H below 0.1") << false << int(Coplanar) << "Edit67"
                                            << "0.9"
                                            << "Label108"
                                            << "0.090"
                                            << "1"
                                            << "0.100";
    QTest::newRow("metric coplanar W/H below 0.1") << true << int(Coplanar) << "Edit67"
                                                   << "0.02"
                                                   << "Label108"
                                                   << "0.079"
                                                   << "0.127"
                                                   << "0.500";
}

void ImpedanceCalculatorTest::rangeWarnings()
{
    QFETCH(bool, metric);
    QFETCH(int, topology);
    QFETCH(QString, box);
    QFETCH(QString, entry);
    QFETCH(QString, label);
    QFETCH(QString, warning);
    QFETCH(QString, back);
    QFETCH(QString, normal);
    WindowFixture f;
    startImpedance(f, metric);
    f.clickRadio("RadioGroup3", topology);
    f.enter(box, entry);
    QCOMPARE(f.text(label), warning);
    QCOMPARE(colour(f, label), red);
    f.enter(box, back);
    QCOMPARE(f.text(label), normal);
    QCOMPARE(colour(f, label), black);
    QCOMPARE(f.messages.take(), QStringList());
}

void ImpedanceCalculatorTest::offsetStriplineModeAndCentredNote()
{
    WindowFixture f;
    startImpedance(f);
    f.clickRadio("RadioGroup3", Asym);
    QCOMPARE(f.text("Label116"), "Narrow calculation mode");
    QVERIFY(!shown(f, "Label188"));
    f.enter("Edit67", "10");
    QCOMPARE(f.text("Label116"), "Wide calculation mode");
    QCOMPARE(f.text("Edit70"), "43.871 Ohms");
    f.enter("Edit74", "10");
    QVERIFY(shown(f, "Label188"));
    QVERIFY(shown(f, "Label191"));
    QCOMPARE(f.text("Label191"), "Please use Stripline Calculator if H1 = H2");
    f.enter("Edit74", "8");
    QVERIFY(!shown(f, "Label188"));
    QCOMPARE(f.messages.take(), QStringList());
}

void ImpedanceCalculatorTest::unitSwitchConvertsLengths()
{
    WindowFixture f;
    startImpedance(f);
    f.clickRadio("RadioGroup3", Embed);
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit67"), "0.127");
    QCOMPARE(f.text("Edit68"), "0.254");
    QCOMPARE(f.text("Edit74"), "0.2032");
    QCOMPARE(f.text("Edit226"), "500");
    for (const char *unit : {"Edit71", "Edit72", "Edit75"})
        QCOMPARE(f.text(unit), "mm");
    QCOMPARE(f.text("Label85"), "0.127mm < (W) < 0.381mm");
    QCOMPARE(f.text("Label108"), "0.127");
    QCOMPARE(f.text("Edit70"), "70.1053 Ohms");
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit67"), "5");
    QCOMPARE(f.text("Edit71"), "mils");
    QCOMPARE(f.text("Label85"), "5mils < (W) < 15mils");
    QCOMPARE(f.messages.take(), QStringList());
}

void ImpedanceCalculatorTest::commaMode()
{
    WindowFixture f(DecimalMode::Comma);
    startImpedance(f, true);
    QCOMPARE(f.text("Edit67"), "0,127");
    QCOMPARE(f.text("Edit70"), "83.6512 Ohms");

    f.enter("Edit67", "0");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Conductor width cannot be less less than or equal to zero."});
    QCOMPARE(f.text("Edit67"), "0,0254");
    QVERIFY(f.text("Edit70").endsWith(" Ohms"));

    f.enter("Edit7", "1");
    QCOMPARE(f.messages.take(),
             QStringList{"info: Minimum Er value can't be less than or equal to 1"});
    QCOMPARE(f.text("Edit7"), "1,01");

    f.enter("Edit7", "4,6");
    f.enter("Edit67", "0,127");
    f.clickRadio("RadioGroup3", Embed);
    QCOMPARE(f.text("Label108"), "0,127"); // the entry's own notation
    QCOMPARE(f.text("Edit70"), "70.1053 Ohms");
    f.enter("Edit67", "0.127");
    QCOMPARE(f.messages.take(), QStringList{"error: '0.127' is not a valid floating point value"});
}

void ImpedanceCalculatorTest::degenerateGeometries_data()
{
    QTest::addColumn<int>("topology");
    QTest::addColumn<bool>("manualCopper");
    QTest::addColumn<QList<std::pair<QString, QString>>>("entries");
    QTest::addColumn<QStringList>("expected"); // Edit70, Edit76, Edit73; empty: not checked

    using Entries = QList<std::pair<QString, QString>>;
    QTest::newRow("microstrip at 0 MHz gives the static value")
        << int(Microstrip) << false << Entries{{"Edit226", "0"}}
        << QStringList{"83.6041 Ohms", "1.7268 pF/in", "12.0696 nH/in"};
    QTest::newRow("microstrip without copper")
        << int(Microstrip) << true << Entries{{"Edit136", "0"}, {"Edit138", "0"}}
        << QStringList{"Error", "Error", "Error"};
    QTest::newRow("asym wide, square conductor")
        << int(Asym) << false << Entries{{"Edit67", "0.7"}, {"Edit68", "1"}, {"Edit74", "0.5"}}
        << QStringList{"Error", "Error", "Error"};
    QTest::newRow("asym narrow, no real logarithm")
        << int(Asym) << false << Entries{{"Edit67", "1"}, {"Edit68", "0.01"}, {"Edit74", "100"}}
        << QStringList{"Error", "Error", "Error"};
    QTest::newRow("dual wide conductor: negative impedance")
        << int(Dual) << false << Entries{{"Edit67", "200"}}
        << QStringList{"-45.483 Ohms", "Error", "Error"};
    QTest::newRow("coplanar huge gap")
        << int(Coplanar) << false << Entries{{"Edit74", "1e9"}} << QStringList{};
}

void ImpedanceCalculatorTest::degenerateGeometries()
{
    QFETCH(int, topology);
    QFETCH(bool, manualCopper);
    using Entries = QList<std::pair<QString, QString>>;
    QFETCH(Entries, entries);
    QFETCH(QStringList, expected);
    WindowFixture f;
    f.install({{setting::Program, "7"}, {setting::ManualCopperWeight, manualCopper ? "1" : "0"}});
    f.start();
    f.clickRadio("RadioGroup3", topology);
    for (const auto &[box, text] : entries)
        f.enter(box, text);
    const QStringList boxes{"Edit70", "Edit76", "Edit73"};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(f.text(boxes[i]), expected[i]);
    const QRegularExpression notFinite("nan|inf", QRegularExpression::CaseInsensitiveOption);
    for (const QString &text : shownTexts(f))
        QVERIFY2(!text.contains(notFinite), qPrintable(text));
    // A fault of the arithmetic itself may be reported, never a wrong number shown quietly.
    for (const QString &message : f.messages.take())
        QVERIFY2(message.startsWith("error: Floating point"), qPrintable(message));
}

void ImpedanceCalculatorTest::negativeFrequencyKeepsResults()
{
    WindowFixture f;
    f.install({{setting::Program, "7"}});
    f.start();
    f.enter("Edit67", "12");
    const QStringList results{"Edit70", "Edit77", "Edit76", "Edit73", "Label290"};
    const auto texts = [&] {
        QStringList t;
        for (const QString &name : results)
            t << f.text(name);
        return t;
    };
    const QStringList before = texts();
    QCOMPARE(f.messages.take(), QStringList());
    f.enter("Edit226", "-500");
    QCOMPARE(f.messages.take(), QStringList{"info: Frequency can't be negative"});
    QCOMPARE(texts(), before);
    QVERIFY(!before.contains("Error"));
}

QTEST_MAIN(ImpedanceCalculatorTest)
#include "tst_impedance_calculator.moc"
