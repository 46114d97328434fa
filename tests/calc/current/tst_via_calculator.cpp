#include "tests/support/window_fixture.h"

#include <cmath>

using namespace tw;
using namespace tw::test;

namespace {

// Via controls are looked up inside the via panel: dialogs reuse some of the same names.
QWidget *viaWidget(WindowFixture &f, const QString &name)
{
    QWidget *w = f.window().calculator(0).groupBox()->findChild<QWidget *>(name);
    Q_ASSERT_X(w, "viaWidget", qPrintable(name));
    return w;
}

bool shown(WindowFixture &f, const QString &name)
{
    return !viaWidget(f, name)->isHidden();
}

double number(const QString &text)
{
    return text.section(QLatin1Char(' '), 0, 0).toDouble();
}

void start(WindowFixture &f, int units = 0)
{
    f.install({{setting::Units, QString::number(units)}});
    f.start();
}

// The user's choice in the Program Options dialog; it recalculates only on Close or Solve!.
void chooseRuleSet(WindowFixture &f, int ruleSet)
{
    clickIndicator(f.window().form6()->RadioGroup1->button(ruleSet));
    QTest::mouseClick(f.window().options()->Button1, Qt::LeftButton);
}

void chooseMaterial(WindowFixture &f, int index)
{
    ComboBox *box = f.window().options()->ComboBox1;
    box->setCurrentIndex(index);
    emit box->activated(index);
}

const QStringList results = {"Edit8",    "Edit10",   "Edit11", "Edit12", "Edit13",
                             "Edit14",   "Edit42",   "Edit49", "Edit50", "Label56",
                             "Label110", "Label285", "Label72"};

QStringList resultTexts(WindowFixture &f)
{
    QStringList texts;
    for (const QString &name : results)
        texts << name + "=" + f.text(name);
    return texts;
}

} // namespace

class ViaCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void startupDefaults_data();
    void startupDefaults();
    void eachFactorCounts_data();
    void eachFactorCounts();
    void failureTable_data();
    void failureTable();
    void correctedEntriesUsedInSamePass_data();
    void correctedEntriesUsedInSamePass();
    void viaCountZero();
    void viaCountSpin();
    void layerSetDefaults_data();
    void layerSetDefaults();
    void selectingAgainRestoresDefaults();
    void unitSwitchConvertsEntries();
    void ruleSetsIgnoreHeightAndMaterial_data();
    void ruleSetsIgnoreHeightAndMaterial();
    void clippedParasiticsShowNotApplicable_data();
    void clippedParasiticsShowNotApplicable();
    void materialWarningColoursCurrent();
    void unitSystemsAgree();
};

// Multi Layer, 10 / 20 / 40 / 62 / 1 mils, rise 20 C over 22 C, FR-4 (0.98), rule set 0:
// A = 34.5575, factors 1.85 (chart), 0.95 (62 mils), 0.98, evaluated by hand.
void ViaCalculatorTest::startupDefaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const QList<std::pair<const char *, const char *>> rows = {
        {"Edit3", "10"},
        {"Edit4", "20"},
        {"Edit5", "40"},
        {"Edit6", "62"},
        {"Edit9", "1"},
        {"Edit52", "mils"},
        {"Edit56", "mils"},
        {"Edit8", "34.5575 Sq.mils"},
        {"Edit10", "2.0148 Amps"},
        {"Edit11", "0.4021 pF"},
        {"Edit12", "1.3262 nH"},
        {"Edit13", "25.4032 ps"},
        {"Edit14", "6891.661 MHz"},
        {"Edit42", "57.429 Ohms"},
        {"Edit49", "0.00132 Ohms"},
        {"Edit50", "0.00537 Watts"},
        {"Label56", "7.3000 dBm"},
        {"Label110", "179.3 °C/W"},
        {"Label285", "17.9 °C/W per via"},
        {"Label72", "2.6654 mV"},
        {"Label27", "42.0"},
        {"Label55", "Power Dissipation (dBm)"},
        {"Label23", "Via Temperature"},
        {"Label187", "IPC-2152 with modifiers mode"},
        {"Label6", "Internal Pad Diameter"},
    };
    for (const auto &[name, expected] : rows)
        QTest::newRow(name) << QString(name) << QString::fromUtf8(expected);
}

void ViaCalculatorTest::startupDefaults()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    WindowFixture f;
    start(f);
    QCOMPARE(f.window().ActiveCalculator, 0);
    QCOMPARE(f.window().options()->RadioGroup3->title(), " Layer Set ");
    QCOMPARE(f.window().options()->RadioGroup3->itemIndex(), 1);
    QCOMPARE(f.text(name), expected);
    QCOMPARE(f.messages.take(), QStringList());
}

// Each factor of the start-up current, taken away alone: 2.0148 A / 0.95, / 0.98 and
// / (1.85 * 0.95 * 0.98), evaluated by hand.
void ViaCalculatorTest::eachFactorCounts_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("current");
    QTest::newRow("via height left out") << "height"
                                         << "2.1208 Amps";
    QTest::newRow("material factor 1.0") << "material"
                                         << "2.0559 Amps";
    QTest::newRow("no modifiers") << "rules"
                                  << "1.1698 Amps";
}

void ViaCalculatorTest::eachFactorCounts()
{
    QFETCH(QString, change);
    QFETCH(QString, current);
    WindowFixture f;
    start(f);
    if (change == "height")
        clickIndicator(f.window().form6()->CheckBox2);
    else if (change == "material")
        chooseMaterial(f, 15); // RO4003
    else
        chooseRuleSet(f, 1);
    QCOMPARE(f.text("Edit10"), current);
    QCOMPARE(f.text("Edit8"), "34.5575 Sq.mils");
    QCOMPARE(f.messages.take(), QStringList());
}

// Every check of the via entries: the messages in their order and the boxes afterwards.
void ViaCalculatorTest::failureTable_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("boxes");
    const QString opening = "info: Minimum reference plane opening diameter can't be less than ";
    const QString padBelowHole =
        "info: Minimum via pad diameter can't be less than via hole diameter";

    // Imperial, Multi Layer unless stated.
    // The relations see the corrected 250, never the refused 300.
    QTest::newRow("hole > 250: relations see the corrected hole")
        << 0 << false << 1 << "Edit3"
        << "300"
        << QStringList{"info: Maximum via hole diameter can't be greater than 250mils",
                       padBelowHole, opening + "via hole diameter + 2mils"}
        << QStringList{"Edit3=250", "Edit4=250", "Edit5=252"};
    QTest::newRow("hole < 1")
        << 0 << false << 1 << "Edit3"
        << "0.5" << QStringList{"info: Minimum via hole diameter can't be less than 1mil"}
        << QStringList{"Edit3=1", "Edit4=20"};
    QTest::newRow("pad > 500")
        << 0 << false << 1 << "Edit4"
        << "600"
        << QStringList{"info: Maximum via pad diameter can't be greater than 500mils",
                       opening + "internal pad diameter + 2mils"}
        << QStringList{"Edit4=500", "Edit5=502"};
    QTest::newRow("pad < hole") << 0 << false << 1 << "Edit4"
                                << "7.5" << QStringList{padBelowHole} << QStringList{"Edit4=10"};
    QTest::newRow("pad = hole")
        << 0 << false << 1 << "Edit4"
        << "10"
        << QStringList{"info: The PTH via pad diameter should be larger than via hole diameter"}
        << QStringList{"Edit3=10", "Edit4=10", "Edit5=40"};
    QTest::newRow("pad < hole, 2 Layer") << 0 << false << 0 << "Edit4"
                                         << "5" << QStringList{} << QStringList{"Edit4=5"};
    QTest::newRow("pad < hole, Microvia")
        << 0 << false << 2 << "Edit4"
        << "4" << QStringList{padBelowHole} << QStringList{"Edit4=5"};
    QTest::newRow("opening > 1000")
        << 0 << false << 1 << "Edit5"
        << "2000"
        << QStringList{"info: Maximum reference plane opening diameter can't be greater than "
                       "1000mils"}
        << QStringList{"Edit5=1000"};
    QTest::newRow("opening below both margins")
        << 0 << false << 1 << "Edit5"
        << "11"
        << QStringList{opening + "via hole diameter + 2mils",
                       opening + "internal pad diameter + 2mils"}
        << QStringList{"Edit5=22"};
    QTest::newRow("opening 21") << 0 << false << 1 << "Edit5"
                                << "21" << QStringList{opening + "internal pad diameter + 2mils"}
                                << QStringList{"Edit5=22"};
    QTest::newRow("opening unused, 2 Layer") << 0 << false << 0 << "Edit5"
                                             << "5" << QStringList{} << QStringList{"Edit5=5"};
    QTest::newRow("height > 1000")
        << 0 << false << 1 << "Edit6"
        << "1001" << QStringList{"info: Maximum via length can't be greater than 1000mils"}
        << QStringList{"Edit6=1000"};
    QTest::newRow("height < 1") << 0 << false << 1 << "Edit6"
                                << "0.5"
                                << QStringList{"info: Minimum via length can't be less than 1mil"}
                                << QStringList{"Edit6=1"};
    QTest::newRow("plating > 3")
        << 0 << false << 1 << "Edit9"
        << "4" << QStringList{"info: Maximum plating thickness can't be greater than 3mils"}
        << QStringList{"Edit9=3"};
    QTest::newRow("plating < 0.1")
        << 0 << false << 1 << "Edit9"
        << "0.05" << QStringList{"info: Minimum plating thickness can't be less than 0.1mils"}
        << QStringList{"Edit9=0.1"};
    QTest::newRow("plating < 0.1, comma")
        << 0 << true << 1 << "Edit9"
        << "0,05" << QStringList{"info: Minimum plating thickness can't be less than 0,1mils"}
        << QStringList{"Edit9=0,1"};
    QTest::newRow("Er > 350")
        << 0 << false << 1 << "Edit7"
        << "400" << QStringList{"info: Maximum dielectric constant value can't be greater than 350"}
        << QStringList{"Edit7=350"};
    QTest::newRow("Er < 1")
        << 0 << false << 2 << "Edit7"
        << "0.5" << QStringList{"info: Minimum dielectric constant value can't be less than 1"}
        << QStringList{"Edit7=1"};
    QTest::newRow("count > 999") << 0 << false << 1 << "Edit227"
                                 << "1000"
                                 << QStringList{"info: Via count cannot be greater than 999"}
                                 << QStringList{"Edit227=999"};

    // Metric: 0.254 / 0.508 / 1.016 / 1.575 / 0.0254 mm.
    QTest::newRow("metric hole empty")
        << 1 << false << 1 << "Edit3"
        << "" << QStringList{"info: Via hole diameter can't be empty, using default of 0.3937mm"}
        << QStringList{"Edit3=0.3937"};
    QTest::newRow("metric hole empty, comma")
        << 1 << true << 1 << "Edit3"
        << "" << QStringList{"info: Via hole diameter can't be empty, using default of 0,3937mm"}
        << QStringList{"Edit3=0,3937"};
    QTest::newRow("metric hole > 9.8425")
        << 1 << false << 1 << "Edit3"
        << "10"
        << QStringList{"info: Maximum via hole diameter can't be greater than 9.8425mm",
                       padBelowHole, opening + "via hole diameter + 0.051mm"}
        << QStringList{"Edit3=9.8425", "Edit4=9.8425", "Edit5=9.8935"};
    QTest::newRow("metric hole < 0.0394, comma")
        << 1 << true << 1 << "Edit3"
        << "0,03" << QStringList{"info: Minimum via hole diameter can't be less than 0,0394mm"}
        << QStringList{"Edit3=0,0394"};
    QTest::newRow("metric pad > 19.685")
        << 1 << false << 1 << "Edit4"
        << "20"
        << QStringList{"info: Maximum via pad diameter can't be greater than 19.685mm",
                       opening + "internal pad diameter + 0.051mm"}
        << QStringList{"Edit4=19.685", "Edit5=19.736"};
    QTest::newRow("metric opening > 39.37")
        << 1 << false << 1 << "Edit5"
        << "40"
        << QStringList{"info: Maximum reference plane opening diameter can't be greater than "
                       "39.37mm"}
        << QStringList{"Edit5=39.37"};
    QTest::newRow("metric opening below pad margin, comma")
        << 1 << true << 1 << "Edit5"
        << "0,5"
        << QStringList{"info: Minimum reference plane opening diameter can't be less than "
                       "internal pad diameter + 0,051mm"}
        << QStringList{"Edit5=0,559"};
    QTest::newRow("metric height > 25.4")
        << 1 << false << 0 << "Edit6"
        << "26" << QStringList{"info: Maximum via length can't be greater than 25.4mm"}
        << QStringList{"Edit6=25.4"};
    QTest::newRow("metric height < 0.0394")
        << 1 << false << 1 << "Edit6"
        << "0.01" << QStringList{"info: Minimum via length can't be less than 0.0394mm"}
        << QStringList{"Edit6=0.0394"};
    QTest::newRow("metric plating > 0.1182, comma")
        << 1 << true << 1 << "Edit9"
        << "0,2" << QStringList{"info: Maximum plating thickness can't be greater than 0,1182mm"}
        << QStringList{"Edit9=0,1182"};
    QTest::newRow("metric plating < 0.0025")
        << 1 << false << 2 << "Edit9"
        << "0.001" << QStringList{"info: Minimum plating thickness can't be less than 0.0025mm"}
        << QStringList{"Edit9=0.0025"};
}

void ViaCalculatorTest::failureTable()
{
    QFETCH(int, units);
    QFETCH(bool, comma);
    QFETCH(int, layer);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, boxes);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    start(f, units);
    if (layer != 1)
        f.clickRadio("RadioGroup3", layer);
    QCOMPARE(f.messages.take(), QStringList());

    f.enter(box, typed);
    QCOMPARE(f.messages.take(), messages);
    for (const QString &expected : boxes)
        QCOMPARE(expected.section('=', 0, 0) + "=" + f.text(expected.section('=', 0, 0)), expected);
    // The pass went on to the end with the corrected entries.
    QVERIFY(f.text("Label72").endsWith(" mV"));
}

// A corrected entry gives exactly the results of typing the correction.
void ViaCalculatorTest::correctedEntriesUsedInSamePass_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("corrected");
    QTest::newRow("opening 21 -> 22") << 0 << "Edit5"
                                      << "21"
                                      << "22";
    QTest::newRow("metric plating 0.001 -> 0.0025") << 1 << "Edit9"
                                                    << "0.001"
                                                    << "0.0025";
    QTest::newRow("plating 5 -> 3") << 0 << "Edit9"
                                    << "5"
                                    << "3";
    QTest::newRow("Er 0.2 -> 1") << 0 << "Edit7"
                                 << "0.2"
                                 << "1";
    QTest::newRow("metric hole 0.03 -> 0.0394") << 1 << "Edit3"
                                                << "0.03"
                                                << "0.0394";
    QTest::newRow("metric height 30 -> 25.4") << 1 << "Edit6"
                                              << "30"
                                              << "25.4";
}

void ViaCalculatorTest::correctedEntriesUsedInSamePass()
{
    QFETCH(int, units);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, corrected);
    WindowFixture f;
    start(f, units);
    f.enter(box, typed);
    QCOMPARE(f.messages.take().size(), 1);
    QCOMPARE(f.text(box), corrected);

    WindowFixture typedDirectly;
    start(typedDirectly, units);
    typedDirectly.enter(box, corrected);
    QCOMPARE(typedDirectly.messages.take(), QStringList());
    QCOMPARE(resultTexts(f), resultTexts(typedDirectly));
}

void ViaCalculatorTest::viaCountZero()
{
    WindowFixture f;
    start(f);
    f.enter("Edit227", "0");
    QCOMPARE(f.messages.take(), QStringList{"info: Via count cannot be less than 1"});
    QCOMPARE(f.text("Edit227"), "1");
    QCOMPARE(f.text("Label110"), QString::fromUtf8("179.3 °C/W"));
    QCOMPARE(f.text("Label285"), f.text("Label110") + " per via");
}

// 179.27 C/W shared by 11 vias after one step up.
void ViaCalculatorTest::viaCountSpin()
{
    WindowFixture f;
    start(f);
    QTest::mouseClick(f.find<QWidget>("UpDown6_up"), Qt::LeftButton);
    QCOMPARE(f.text("Edit227"), "11");
    QCOMPARE(f.text("Label285"), QString::fromUtf8("16.3 °C/W per via"));
    QCOMPARE(f.messages.take(), QStringList());
}

void ViaCalculatorTest::layerSetDefaults_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("hole");
    QTest::addColumn<QString>("plating");
    const char *names[] = {"2 Layer", "Multi Layer", "Microvia"};
    for (int comma = 0; comma < 2; ++comma) {
        const char *mode = comma ? "comma" : "point";
        for (int layer = 0; layer < 3; ++layer) {
            const bool micro = layer == 2;
            QTest::addRow("imperial, %s, %s", mode, names[layer])
                << 0 << bool(comma) << layer << (micro ? "5" : "62") << (micro ? "5" : "10")
                << (micro ? (comma ? "0,7" : "0.7") : "1");
            QString h = micro ? "0.127" : "1.575", d = micro ? "0.127" : "0.254",
                    p = micro ? "0.01778" : "0.0254";
            if (comma) {
                h.replace('.', ',');
                d.replace('.', ',');
                p.replace('.', ',');
            }
            QTest::addRow("metric, %s, %s", mode, names[layer])
                << 1 << bool(comma) << layer << h << d << p;
        }
    }
}

void ViaCalculatorTest::layerSetDefaults()
{
    QFETCH(int, units);
    QFETCH(bool, comma);
    QFETCH(int, layer);
    QFETCH(QString, height);
    QFETCH(QString, hole);
    QFETCH(QString, plating);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    start(f, units);
    // Start from another layer set, with entries the change must discard.
    f.clickRadio("RadioGroup3", layer == 1 ? 2 : 1);
    f.typeText("Edit3", "3");
    f.typeText("Edit6", "40");
    f.typeText("Edit9", "2");
    f.clickRadio("RadioGroup3", layer);
    QCOMPARE(f.messages.take(), QStringList());

    QCOMPARE(f.text("Edit6"), height);
    QCOMPARE(f.text("Edit3"), hole);
    QCOMPARE(f.text("Edit9"), plating);
    QCOMPARE(f.text("Edit56"), units ? "mm" : "mils");
    QCOMPARE(f.text("Edit8").endsWith(units ? " Sq.mm" : " Sq.mils"), true);

    const bool multi = layer == 1, micro = layer == 2;
    for (const char *name : {"Edit4", "Label6", "Edit53", "Edit5", "Label7", "Edit54", "Edit11",
                             "Label13", "Edit13", "Edit14", "Edit42", "Label42"})
        QVERIFY2(shown(f, name) == multi, name);
    for (const char *name : {"Edit12", "Label14", "Edit49", "Label83"})
        QVERIFY2(shown(f, name) == !micro, name);
    for (const char *name : {"Edit3", "Edit6", "Edit9", "Edit8", "Edit10", "Edit50", "Label84"})
        QVERIFY2(shown(f, name), name);
    QCOMPARE(shown(f, "Image2"), layer == 0);
    QCOMPARE(shown(f, "Image7"), multi);
    QCOMPARE(shown(f, "Image20"), micro);
    if (layer != 2)
        QCOMPARE(f.text("Label6"), multi ? "Internal Pad Diameter" : "External Pad Diameter");
    // The results belong to the defaults just written.
    QVERIFY(f.text("Label72").endsWith(" mV"));
}

void ViaCalculatorTest::selectingAgainRestoresDefaults()
{
    WindowFixture f;
    start(f);
    f.enter("Edit3", "12");
    QCOMPARE(f.text("Edit8"), "40.8407 Sq.mils");
    f.window().menuItems[0]->trigger();
    QCOMPARE(f.text("Edit3"), "10");
    QCOMPARE(f.text("Edit8"), "34.5575 Sq.mils");
    QCOMPARE(f.messages.take(), QStringList());
}

void ViaCalculatorTest::unitSwitchConvertsEntries()
{
    WindowFixture f;
    start(f);
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.messages.take(), QStringList());
    const QStringList expected = {"0.254", "0.508", "1.016", "1.5748", "0.0254"};
    const QStringList boxes = {"Edit3", "Edit4", "Edit5", "Edit6", "Edit9"};
    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(f.text(boxes[i]), expected[i]);
    for (const char *unit : {"Edit52", "Edit53", "Edit54", "Edit55", "Edit56"})
        QCOMPARE(f.text(unit), "mm");
    QCOMPARE(f.text("Edit8"), "0.0223 Sq.mm");
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit6"), "62");
    QCOMPARE(f.text("Edit52"), "mils");
    QCOMPARE(f.text("Edit8"), "34.5575 Sq.mils");
    QCOMPARE(f.messages.take(), QStringList());
}

void ViaCalculatorTest::ruleSetsIgnoreHeightAndMaterial_data()
{
    QTest::addColumn<int>("ruleSet");
    QTest::addColumn<QString>("mode");
    QTest::newRow("with modifiers") << 0 << "IPC-2152 with modifiers mode";
    QTest::newRow("without modifiers") << 1 << "IPC-2152 without modifiers mode";
    QTest::newRow("IPC-2221") << 2 << "IPC-2221 mode";
}

void ViaCalculatorTest::ruleSetsIgnoreHeightAndMaterial()
{
    QFETCH(int, ruleSet);
    QFETCH(QString, mode);
    WindowFixture f;
    start(f);
    if (ruleSet != 0)
        chooseRuleSet(f, ruleSet);
    const bool modifiers = ruleSet == 0;
    QCOMPARE(f.text("Label187"), mode);
    for (const char *name : {"Edit6", "Label8", "Edit55"})
        QVERIFY2(viaWidget(f, name)->isEnabled() == modifiers, name);
    const QString current = f.text("Edit10");
    QCOMPARE(current, modifiers ? "2.0148 Amps" : "1.1698 Amps");
    const QString resistance = f.text("Edit49");
    const QString theta = f.text("Label110");

    // The height box is disabled without the modifiers; the height typed under rule set 0
    // still counts for the resistance and the heat.
    chooseRuleSet(f, 0);
    f.enter("Edit6", "100");
    chooseRuleSet(f, ruleSet);
    QCOMPARE(f.text("Edit10") == current, !modifiers);
    QVERIFY(f.text("Edit49") != resistance);
    QVERIFY(f.text("Label110") != theta);
    QVERIFY(f.text("Edit12") != "1.3262 nH");

    const QString atHeight = f.text("Edit10");
    chooseMaterial(f, 15); // RO4003, 1.0 against FR-4's 0.98
    QCOMPARE(f.text("Edit10") == atHeight, !modifiers);
    QCOMPARE(f.messages.take(), QStringList());

    // Back to the modifiers: the height counts again and its entry is enabled.
    chooseRuleSet(f, 0);
    QVERIFY(viaWidget(f, "Edit6")->isEnabled());
    QCOMPARE(f.text("Label187"), "IPC-2152 with modifiers mode");
    // 100 mils: height factor 1.3, RO4003 1.0.
    QCOMPARE(f.text("Edit10"), "2.8133 Amps");
}

// A barrel much wider than long has no inductance left; a pad taken over from a negative
// hole leaves no capacitance. What needs both is not applicable, the rest is shown.
void ViaCalculatorTest::clippedParasiticsShowNotApplicable_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("messageCount");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<QString>("inductance");
    QTest::newRow("short wide barrel")
        << QStringList{"Edit5=400", "Edit4=300", "Edit6=1", "Edit3=250"} << 0 << "0.0195 pF"
        << "0.0000 nH";
}

void ViaCalculatorTest::clippedParasiticsShowNotApplicable()
{
    QFETCH(QStringList, typed);
    QFETCH(int, messageCount);
    QFETCH(QString, capacitance);
    QFETCH(QString, inductance);
    WindowFixture f;
    start(f);
    for (int i = 0; i < typed.size() - 1; ++i)
        f.typeText(typed[i].section('=', 0, 0), typed[i].section('=', 1));
    f.enter(typed.last().section('=', 0, 0), typed.last().section('=', 1));
    QCOMPARE(f.messages.take().size(), messageCount); // range messages, no floating-point error
    QCOMPARE(f.text("Edit11"), capacitance);
    QCOMPARE(f.text("Edit12"), inductance);
    for (const char *name : {"Edit13", "Edit14", "Edit42"})
        QCOMPARE(f.text(name), "N/A");
    for (const char *name : {"Edit49", "Edit50", "Label56", "Label110", "Label72"})
        QVERIFY2(f.text(name).front().isDigit() || f.text(name).front() == '-', name);

    // A via with both parasitics shows its resonance again.
    f.window().menuItems[0]->trigger();
    f.typeText("Edit5", "40");
    f.enter("Edit4", "20");
    f.messages.take();
    QCOMPARE(f.text("Edit14"), "6891.661 MHz");
}

void ViaCalculatorTest::materialWarningColoursCurrent()
{
    WindowFixture f;
    start(f);
    auto colour = [&] { return f.find<QLineEdit>("Edit10")->palette().color(QPalette::Text); };
    QCOMPARE(colour(), QColor(Qt::darkBlue));
    f.enter("Edit66", "41.99");
    QCOMPARE(colour(), QColor(Qt::red));
    QCOMPARE(f.text("Edit10"), "2.0148 Amps");
    f.enter("Edit66", "42");
    QCOMPARE(colour(), QColor(Qt::darkBlue));
    QCOMPARE(f.messages.take(), QStringList());
}

// The same via typed in mils and converted to mm shows the same current, resistance, power,
// parasitics and heat, within one unit of the last digit shown (the metric path scales mm^2
// by 1550 and mm by 0.03937).
void ViaCalculatorTest::unitSystemsAgree()
{
    WindowFixture f;
    start(f);
    // One unit of the last digit shown; the resonance, some thousand MHz with three decimals,
    // may move by the relative 2e-6 of the rounded inch factor.
    struct Compared {
        const char *name;
        double lastDigit;
        double relative;
    };
    const Compared compared[] = {{"Edit10", 1e-4, 0},    {"Edit11", 1e-4, 0}, {"Edit12", 1e-4, 0},
                                 {"Edit14", 1e-3, 4e-6}, {"Edit49", 1e-5, 0}, {"Edit50", 1e-5, 0},
                                 {"Label110", 0.1, 0},   {"Label72", 1e-4, 0}};
    int cases = 0;
    for (int ruleSet : {0, 1, 2}) {
        chooseRuleSet(f, ruleSet);
        for (const char *rise : {"10", "45", "80", "150"}) {
            f.enter("Edit1", rise);
            for (double hole : {8.0, 13.5, 40.0, 120.0}) {
                for (const char *plating : {"0.5", "1.2", "2.5"}) {
                    for (const char *height : {"25", "62", "93"}) {
                        if (f.window().RadioGroup6->itemIndex() != 0)
                            f.clickRadio("RadioGroup6", 0);
                        f.find<Edit>("Edit3")->setText(QString::number(hole));
                        f.find<Edit>("Edit4")->setText(QString::number(hole + 20));
                        f.find<Edit>("Edit5")->setText(QString::number(hole + 50));
                        f.find<Edit>("Edit6")->setText(height);
                        f.enter("Edit9", plating);
                        QStringList imperial;
                        for (const Compared &c : compared)
                            imperial << f.text(c.name);
                        f.clickRadio("RadioGroup6", 1);
                        QCOMPARE(f.text("Edit52"), "mm");
                        for (int i = 0; i < imperial.size(); ++i) {
                            const Compared &c = compared[i];
                            const QString metric = f.text(c.name);
                            const double diff = std::fabs(number(metric) - number(imperial[i]));
                            const double allowed =
                                c.lastDigit * 1.001 + c.relative * number(imperial[i]);
                            QVERIFY2(
                                diff <= allowed,
                                qPrintable(QStringLiteral("rule %1, rise %2, %3/%4/%5: %6 "
                                                          "%7 against %8")
                                               .arg(ruleSet)
                                               .arg(rise)
                                               .arg(hole)
                                               .arg(plating, height, c.name, metric, imperial[i])));
                        }
                        ++cases;
                    }
                }
            }
        }
    }
    QCOMPARE(cases, 432);
    QCOMPARE(f.messages.take(), QStringList());
}

QTEST_MAIN(ViaCalculatorTest)
#include "tst_via_calculator.moc"
