#include "tests/support/window_fixture.h"

#include <QComboBox>

using namespace tw;
using namespace tw::test;

class PadstackCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void thruHoleDefaults_data();
    void thruHoleDefaults();
    void typeDefaults_data();
    void typeDefaults();
    void typeLayout_data();
    void typeLayout();
    void bgaLands_data();
    void bgaLands();
    void holeTypes_data();
    void holeTypes();
    void customRestoresThePlatedPad_data();
    void customRestoresThePlatedPad();
    void platedTextsSurviveAUnitSwitch();
    void returnToThruHoleReappliesTheHoleType();
    void returnToThruHoleWithCustom();
    void drillLimits_data();
    void drillLimits();
    void drillLimitRealBox();
    void conductorPadWarning_data();
    void conductorPadWarning();
    void hiddenBoxesNeverBlock();
    void padStyleKeepsATextItCannotSave();
    void solveOnReturnToTheTab_data();
    void solveOnReturnToTheTab();
};

namespace {

void startPadstack(WindowFixture &f, bool metric)
{
    f.install({{setting::Program, "4"}, {setting::Units, metric ? "1" : "0"}});
    f.start();
}

// A choice from the drop-down, as the user makes it.
void choose(WindowFixture &f, const char *box, int index)
{
    auto *combo = f.find<QComboBox>(box);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList texts(WindowFixture &f, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out.append(f.text(name));
    return out;
}

bool shown(WindowFixture &f, const QString &name)
{
    return !f.find<QWidget>(name)->isHidden();
}

QColor fontColour(WindowFixture &f, const char *name)
{
    return f.find<QWidget>(name)->palette().color(QPalette::Text);
}

const QStringList pads{"Edit36", "Edit37", "Edit38", "Edit39", "Edit40"};

} // namespace

void PadstackCalculatorTest::thruHoleDefaults_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("results");
    const QStringList imperial{"56.0 mils", "56.0 mils", "80.0 mils", "56.0 mils", "10 mils"};
    const QStringList metric{"1.422 mm", "1.422 mm", "2.032 mm", "1.422 mm", "0.254 mm"};
    QTest::newRow("imperial") << false << false << QStringList{"32", "12", "12"} << imperial;
    QTest::newRow("imperial, comma") << false << true << QStringList{"32", "12", "12"} << imperial;
    QTest::newRow("metric") << true << false << QStringList{"0.8128", "0.3048", "0.3048"} << metric;
    QTest::newRow("metric, comma")
        << true << true << QStringList{"0,8128", "0,3048", "0,3048"} << metric;
}

void PadstackCalculatorTest::thruHoleDefaults()
{
    QFETCH(bool, metric);
    QFETCH(bool, comma);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startPadstack(f, metric);
    QCOMPARE(f.window().ActiveCalculator, 4);
    QCOMPARE(texts(f, {"Edit33", "Edit34", "Edit35"}), inputs);
    QCOMPARE(texts(f, pads), results);
    QCOMPARE(texts(f, {"Edit59", "Edit60", "Edit61", "Edit212", "Edit214"}),
             QStringList(5, metric ? "mm" : "mils"));
    QCOMPARE(f.text("Label69"), "Outer Diameter");
    QCOMPARE(f.find<QComboBox>("ComboBox2")->currentText(), "Custom");
    QVERIFY(f.find<QWidget>("RadioGroup7")->isEnabled());
    QVERIFY(f.window().options()->Button1->isEnabled());
    QCOMPARE(fontColour(f, "Edit36"), resultNavy);
    QCOMPARE(f.text("Label27"), "N/A");
    QCOMPARE(f.messages.take(), QStringList());
}

// What each type writes and computes: Edit33, Edit34, Edit35, Edit211, Edit213; Edit36 to Edit38.
void PadstackCalculatorTest::typeDefaults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("Conductor / Pad, mils")
        << 2 << false << false << QStringList{"100", "12", "12", "32", "7"}
        << QStringList{"64.00 mils", "16.00 mils"};
    QTest::newRow("Conductor / Pad, mm")
        << 2 << true << false << QStringList{"2.54", "0.3048", "0.3048", "0.8128", "0.1778"}
        << QStringList{"1.626 mm", "0.4064 mm"};
    QTest::newRow("Conductor / Pad, mm, comma")
        << 2 << true << true << QStringList{"2,54", "0,3048", "0,3048", "0,8128", "0,1778"}
        << QStringList{"1.626 mm", "0.4064 mm"};
    QTest::newRow("Conductor / Pad BGA, mils")
        << 3 << false << false << QStringList{"40", "13", "4"} << QStringList{"19.000 mils"};
    QTest::newRow("Conductor / Pad BGA, mm")
        << 3 << true << false << QStringList{"1.00", "0.45", "0.1016"} << QStringList{"0.3468 mm"};
    QTest::newRow("Conductor / Pad BGA, mm, comma")
        << 3 << true << true << QStringList{"1,00", "0,45", "0,1016"} << QStringList{"0.3468 mm"};
    QTest::newRow("Corner to Corner, mils")
        << 4 << false << false << QStringList{"100", "100"}
        << QStringList{"141.42 mils", "143.00 mils", "152.00 mils"};
    QTest::newRow("Corner to Corner, mm") << 4 << true << false << QStringList{"2.54", "2.54"}
                                          << QStringList{"3.592 mm", "3.643 mm", "3.872 mm"};
    QTest::newRow("Corner to Corner, mm, comma") << 4 << true << true << QStringList{"2,54", "2,54"}
                                                 << QStringList{"3.592 mm", "3.643 mm", "3.872 mm"};
    QTest::newRow("BGA Land") << 1 << false << false << QStringList{}
                              << QStringList{"0.55 mm", "0.60 mm - 0.50 mm"};
    QTest::newRow("BGA Land, comma")
        << 1 << true << true << QStringList{} << QStringList{"0,55 mm", "0,60 mm - 0,50 mm"};
}

void PadstackCalculatorTest::typeDefaults()
{
    QFETCH(int, type);
    QFETCH(bool, metric);
    QFETCH(bool, comma);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startPadstack(f, metric);
    f.clickRadio("RadioGroup14", type);
    const QStringList boxes{"Edit33", "Edit34", "Edit35", "Edit211", "Edit213"};
    QCOMPARE(texts(f, boxes.mid(0, inputs.size())), inputs);
    QCOMPARE(texts(f, QStringList{"Edit36", "Edit37", "Edit38"}.mid(0, results.size())), results);
    QCOMPARE(f.messages.take(), QStringList());
}

// Captions, shown boxes, picture and enabled states of each type, reached from another type.
void PadstackCalculatorTest::typeLayout_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("shownNames");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("units");
    QTest::addColumn<bool>("padStyle");
    QTest::addColumn<bool>("solve");
    QTest::newRow("Thru-Hole Pad")
        << 0 << QStringList{"Drill Diameter",  "Annular Ring",           "Isolation Width",
                            "External Layers", "Internal Signal Layers", "Internal Plane Layers"}
        << QStringList{"Edit33", "Edit34", "Edit35", "ComboBox2", "Edit37",
                       "Edit38", "Edit39", "Edit40", "Label69"}
        << "Image5" << true << true << true;
    QTest::newRow("BGA Land")
        << 1 << QStringList{"Nominal Ball Diameter", "", "", "Nominal Land Diameter",
                            "Land Variation",        ""}
        << QStringList{"ComboBox4", "Memo3", "Edit37"} << "Image12" << false << false << false;
    QTest::newRow("Conductor / Pad")
        << 2
        << QStringList{"Distance Between Pads", "Conductor Width",         "Spacing Constriant",
                       "Maximum Pad Diameter",  "Calculated Annular Ring", ""}
        << QStringList{"Edit33",  "Edit34",  "Edit35",   "Edit211",
                       "Edit213", "Label76", "Label174", "Edit37"}
        << "Image45" << true << false << true;
    QTest::newRow("Conductor / Pad BGA")
        << 3 << QStringList{"Distance Between Lands",
                            "Land Diameter",
                            "Spacing Constriant",
                            "Maximum Conductor Width",
                            "",
                            ""}
        << QStringList{"Edit33", "Edit34", "Edit35"} << "Image10" << true << false << true;
    QTest::newRow("Corner to Corner")
        << 4
        << QStringList{"Length of side a",         "Length of side b",    "",
                       "Distance Between Corners", "Suggested Min Drill", "Suggested Max Drill"}
        << QStringList{"Edit33", "Edit34", "Edit37", "Edit38", "Label271", "Label274"} << "Image48"
        << true << false << true;
}

void PadstackCalculatorTest::typeLayout()
{
    QFETCH(int, type);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, shownNames);
    QFETCH(QString, picture);
    QFETCH(bool, units);
    QFETCH(bool, padStyle);
    QFETCH(bool, solve);
    WindowFixture f;
    startPadstack(f, false);
    f.clickRadio("RadioGroup14", type == 4 ? 1 : 4);
    f.clickRadio("RadioGroup14", type);
    // An empty caption is one the type leaves as it was: its label is hidden.
    const QStringList labels{"Label61", "Label62", "Label63", "Label68", "Label67", "Label66"};
    for (int i = 0; i < labels.size(); ++i)
        if (captions[i].isEmpty())
            QVERIFY2(!shown(f, labels[i]), qPrintable(labels[i]));
        else
            QCOMPARE(f.text(labels[i]), captions[i]);
    const QStringList all{"Edit33",    "Edit34",  "Edit35",   "Edit211",  "Edit213", "ComboBox2",
                          "ComboBox4", "Memo3",   "Edit37",   "Edit38",   "Edit39",  "Edit40",
                          "Label69",   "Label76", "Label174", "Label271", "Label274"};
    for (const QString &name : all)
        QVERIFY2(shown(f, name) == shownNames.contains(name), qPrintable(name));
    QVERIFY(shown(f, "Edit36") && shown(f, "Label68") && shown(f, "Label61"));
    for (const char *image : {"Image5", "Image12", "Image45", "Image10", "Image48"})
        QCOMPARE(shown(f, image), picture == image);
    QCOMPARE(f.window().RadioGroup6->isEnabled(), units);
    QCOMPARE(f.find<QWidget>("RadioGroup7")->isEnabled(), padStyle);
    QCOMPARE(f.window().options()->Button1->isEnabled(), solve);
    QVERIFY(!shown(f, "Label175"));
    if (type >= 2)
        QVERIFY(f.find<QWidget>("Edit33")->isEnabled() && f.find<QWidget>("Edit34")->isEnabled());
}

// IPC-7351A: two balls with the same land.
void PadstackCalculatorTest::bgaLands_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<int>("ball");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("0.55 mm") << false << 3
                             << QStringList{"0.55 mm", "0.40 mm", "0.45 mm - 0.35 mm"};
    QTest::newRow("0.50 mm") << false << 4
                             << QStringList{"0.50 mm", "0.40 mm", "0.45 mm - 0.35 mm"};
    QTest::newRow("0.15 mm") << false << 12
                             << QStringList{"0.15 mm", "0.13 mm", "0.15 mm - 0.10 mm"};
    QTest::newRow("comma, 0.50 mm")
        << true << 4 << QStringList{"0,50 mm", "0,40 mm", "0,45 mm - 0,35 mm"};
}

void PadstackCalculatorTest::bgaLands()
{
    QFETCH(bool, comma);
    QFETCH(int, ball);
    QFETCH(QStringList, expected);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startPadstack(f, false);
    f.clickRadio("RadioGroup14", 1);
    auto *balls = f.find<QComboBox>("ComboBox4");
    QCOMPARE(balls->count(), 13);
    QCOMPARE(balls->currentText(), comma ? "0,75 mm" : "0.75 mm");
    choose(f, "ComboBox4", ball);
    QCOMPARE((QStringList{balls->currentText(), f.text("Edit36"), f.text("Edit37")}), expected);
    // Enter still recalculates while Solve! is off, and leaves the land alone.
    QTest::mouseClick(f.window().options()->Button1, Qt::LeftButton);
    QCOMPARE(f.text("Edit36"), expected[1]);
    QCOMPARE(f.messages.take(), QStringList());
}

// Each hole type with the retained ring and isolation of the defaults; the non-plated pad is
// drill + 2 ring and its clearance drill + 2 ring + isolation, in both unit systems.
void PadstackCalculatorTest::holeTypes_data()
{
    QTest::addColumn<int>("hole");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("Std Tooling") << 1 << false << false << "125"
                                 << QStringList{"125.0 mils", "149.0 mils", "161.0 mils"};
    QTest::newRow("NP MTG #2") << 2 << false << false << "106"
                               << QStringList{"106.0 mils", "130.0 mils", "142.0 mils"};
    QTest::newRow("NP MTG #4") << 3 << false << false << "136"
                               << QStringList{"136.0 mils", "160.0 mils", "172.0 mils"};
    QTest::newRow("NP MTG #4, mm")
        << 3 << true << false << "3.4544" << QStringList{"3.454 mm", "4.064 mm", "4.369 mm"};
    QTest::newRow("NP MTG #6, mm, comma")
        << 4 << true << true << "3,9624" << QStringList{"3.962 mm", "4.572 mm", "4.877 mm"};
    QTest::newRow("NP MTG #8") << 5 << false << false << "185"
                               << QStringList{"185.0 mils", "209.0 mils", "221.0 mils"};
    QTest::newRow("NP MTG #10, mm")
        << 6 << true << false << "5.3086" << QStringList{"5.309 mm", "5.918 mm", "6.223 mm"};
    QTest::newRow("NP MTG #10, comma")
        << 6 << false << true << "209" << QStringList{"209.0 mils", "233.0 mils", "245.0 mils"};
}

void PadstackCalculatorTest::holeTypes()
{
    QFETCH(int, hole);
    QFETCH(bool, metric);
    QFETCH(bool, comma);
    QFETCH(QString, drill);
    QFETCH(QStringList, results);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startPadstack(f, metric);
    choose(f, "ComboBox2", hole);
    QCOMPARE(texts(f, {"Edit33", "Edit34", "Edit35"}), (QStringList{drill, "N/A", "N/A"}));
    QCOMPARE(texts(f, {"Edit36", "Edit37", "Edit38"}), results);
    QCOMPARE(f.find<RadioGroup>("RadioGroup7")->itemIndex(), 1);
    for (const char *locked : {"RadioGroup7", "Edit33", "Edit34", "Edit35"})
        QVERIFY2(!f.find<QWidget>(locked)->isEnabled(), locked);
    QCOMPARE(f.text("Label69"), "Pad Diameter");
    for (const char *name : {"Edit39", "Edit40", "Label64", "Label65"})
        QVERIFY2(!shown(f, name), name);
    QCOMPARE(f.messages.take(), QStringList());
}

// Non-Plated saves the ring and isolation, "Custom" (or Plated) puts them back.
void PadstackCalculatorTest::customRestoresThePlatedPad_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("byHoleType");
    QTest::addColumn<QString>("saved");
    QTest::newRow("pad style") << false << false << "12.0000";
    QTest::newRow("pad style, comma") << true << false << "12,0000";
    QTest::newRow("hole type") << false << true << "12.0000";
    QTest::newRow("hole type, comma") << true << true << "12,0000";
}

void PadstackCalculatorTest::customRestoresThePlatedPad()
{
    QFETCH(bool, comma);
    QFETCH(bool, byHoleType);
    QFETCH(QString, saved);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startPadstack(f, false);
    if (byHoleType)
        choose(f, "ComboBox2", 2);
    else
        f.clickRadio("RadioGroup7", 1);
    QCOMPARE(texts(f, {"Edit34", "Edit35"}), (QStringList{"N/A", "N/A"}));
    if (byHoleType)
        choose(f, "ComboBox2", 0);
    else
        f.clickRadio("RadioGroup7", 0);
    QCOMPARE(texts(f, {"Edit33", "Edit34", "Edit35"}), (QStringList{"32", saved, saved}));
    QCOMPARE(texts(f, pads),
             (QStringList{"56.0 mils", "56.0 mils", "80.0 mils", "56.0 mils", "10 mils"}));
    QVERIFY(f.find<QWidget>("RadioGroup7")->isEnabled());
    QVERIFY(f.find<QWidget>("Edit34")->isEnabled());
    QCOMPARE(f.messages.take(), QStringList());
}

// The retained and saved values follow the unit switch: the same hole gives the same pad.
void PadstackCalculatorTest::platedTextsSurviveAUnitSwitch()
{
    WindowFixture f(DecimalMode::Comma);
    startPadstack(f, false);
    f.enter("Edit34", "10");
    choose(f, "ComboBox2", 3);
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(texts(f, {"Edit33", "Edit34", "Edit35"}), (QStringList{"3,4544", "N/A", "N/A"}));
    QCOMPARE(texts(f, {"Edit36", "Edit37", "Edit38"}),
             (QStringList{"3.454 mm", "3.962 mm", "4.267 mm"}));
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(texts(f, {"Edit36", "Edit37", "Edit38"}),
             (QStringList{"136.0 mils", "156.0 mils", "168.0 mils"}));
    f.clickRadio("RadioGroup6", 1);
    choose(f, "ComboBox2", 0);
    QCOMPARE(texts(f, {"Edit33", "Edit34", "Edit35"}), (QStringList{"0,8128", "0,254", "0,3048"}));
    QCOMPARE(texts(f, {"Edit36", "Edit38"}), (QStringList{"1.321 mm", "1.930 mm"}));
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(texts(f, {"Edit33", "Edit34", "Edit35"}), (QStringList{"32", "10", "12"}));
    QCOMPARE(f.messages.take(), QStringList());
}

// Another type and back: the hole type shown is applied again, with the thru-hole ring.
void PadstackCalculatorTest::returnToThruHoleReappliesTheHoleType()
{
    WindowFixture f;
    startPadstack(f, false);
    choose(f, "ComboBox2", 4);
    f.clickRadio("RadioGroup14", 3);
    QCOMPARE(f.text("Edit36"), "19.000 mils");
    f.clickRadio("RadioGroup14", 0);
    QCOMPARE(f.find<QComboBox>("ComboBox2")->currentText(), "NP MTG #6");
    QCOMPARE(texts(f, {"Edit33", "Edit34", "Edit35"}), (QStringList{"156", "N/A", "N/A"}));
    QCOMPARE(texts(f, {"Edit36", "Edit37", "Edit38"}),
             (QStringList{"156.0 mils", "180.0 mils", "192.0 mils"}));
    QVERIFY(!f.find<QWidget>("RadioGroup7")->isEnabled());
    QVERIFY(!f.find<QWidget>("Edit33")->isEnabled());
    QCOMPARE(f.find<RadioGroup>("RadioGroup7")->itemIndex(), 1);
    QCOMPARE(f.messages.take(), QStringList());
}

// With "Custom" the drill goes back to its default; ring and isolation keep what they hold.
void PadstackCalculatorTest::returnToThruHoleWithCustom()
{
    WindowFixture f;
    startPadstack(f, false);
    f.clickRadio("RadioGroup14", 4);
    f.clickRadio("RadioGroup14", 0);
    QCOMPARE(texts(f, {"Edit33", "Edit34", "Edit35"}), (QStringList{"32", "100", "12"}));
    QCOMPARE(texts(f, {"Edit36", "Edit38", "Edit40"}),
             (QStringList{"232.0 mils", "256.0 mils", "10 mils"}));
    QCOMPARE(texts(f, {"Label61", "Label62"}), (QStringList{"Drill Diameter", "Annular Ring"}));
    QCOMPARE(f.find<QWidget>("Edit33")->toolTip(), "Enter the finished drill hole diameter.");
}

void PadstackCalculatorTest::drillLimits_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("pad");
    QTest::newRow("1 mil passes") << false << false << "1" << QStringList{} << "1"
                                  << "25.0 mils";
    QTest::newRow("250 mils pass") << false << false << "250" << QStringList{} << "250"
                                   << "274.0 mils";
    QTest::newRow("0.5 mil") << false << false << "0.5"
                             << QStringList{"info: Drill diameter can't be less than 1mil..."}
                             << "1"
                             << "25.0 mils";
    QTest::newRow("251 mils")
        << false << false << "251"
        << QStringList{"info: Drill diameter can't be greater than 250mils. Holes larger the "
                       "250mils need to be routed out"}
        << "250"
        << "274.0 mils";
    QTest::newRow("0.01 mm") << true << false << "0.01"
                             << QStringList{"info: Drill diameter can't be less than 0.0254mm"}
                             << "0.0254"
                             << "0.635 mm";
    QTest::newRow("7 mm")
        << true << false << "7"
        << QStringList{"info: Drill diameter can't be greater than 6.35mm. Holes larger the "
                       "6.35mm need to be routed out"}
        << "6.35"
        << "6.960 mm";
    QTest::newRow("0,01 mm, comma")
        << true << true << "0,01" << QStringList{"info: Drill diameter can't be less than 0,0254mm"}
        << "0,0254"
        << "0.635 mm";
    QTest::newRow("7 mm, comma")
        << true << true << "7"
        << QStringList{"info: Drill diameter can't be greater than 6,35mm. Holes larger the "
                       "6,35mm need to be routed out"}
        << "6,35"
        << "6.960 mm";
}

void PadstackCalculatorTest::drillLimits()
{
    QFETCH(bool, metric);
    QFETCH(bool, comma);
    QFETCH(QString, drill);
    QFETCH(QStringList, messages);
    QFETCH(QString, corrected);
    QFETCH(QString, pad);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    startPadstack(f, metric);
    f.enter("Edit33", drill);
    QCOMPARE(f.messages.take(), messages);
    QCOMPARE(f.text("Edit33"), corrected);
    QCOMPARE(f.text("Edit36"), pad);
}

void PadstackCalculatorTest::drillLimitRealBox()
{
    WindowFixture f;
    f.useRealMessageBoxes();
    startPadstack(f, false);
    f.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
    f.enter("Edit33", "0");
    QCOMPARE(f.boxes.onScreen, QStringList{"Drill diameter can't be less than 1mil..."});
    QCOMPARE(f.messages.take(), QStringList{"info: Drill diameter can't be less than 1mil..."});
    QCOMPARE(f.text("Edit33"), "1");
    QCOMPARE(f.text("Edit40"), "6 mils");
}

void PadstackCalculatorTest::conductorPadWarning_data()
{
    QTest::addColumn<QString>("minRing");
    QTest::addColumn<bool>("warning");
    QTest::newRow("7: room to spare") << "7" << false;
    QTest::newRow("16: exactly the pad") << "16" << false;
    QTest::newRow("17: 66 > 64") << "17" << true;
}

void PadstackCalculatorTest::conductorPadWarning()
{
    QFETCH(QString, minRing);
    QFETCH(bool, warning);
    WindowFixture f;
    startPadstack(f, false);
    f.clickRadio("RadioGroup14", 2);
    f.enter("Edit213", minRing);
    QCOMPARE(texts(f, {"Edit36", "Edit37"}), (QStringList{"64.00 mils", "16.00 mils"}));
    for (const char *label : {"Label175", "Label176", "Label177"})
        QCOMPARE(shown(f, label), warning);
    QCOMPARE(fontColour(f, "Edit36"), warning ? warningRed : resultNavy);
    QCOMPARE(fontColour(f, "Edit37"), warning ? warningRed : resultNavy);
    // Any other type clears the warning.
    f.clickRadio("RadioGroup14", 4);
    QVERIFY(!shown(f, "Label175"));
    QCOMPARE(fontColour(f, "Edit36"), resultNavy);
}

// A type reads only the boxes it shows; the unit switch leaves boxes no type shows alone.
void PadstackCalculatorTest::hiddenBoxesNeverBlock()
{
    WindowFixture f;
    startPadstack(f, false);
    f.clickRadio("RadioGroup14", 2);
    f.enter("Edit211", "abc");
    QCOMPARE(f.messages.take(), QStringList{"error: 'abc' is not a valid floating point value"});
    f.clickRadio("RadioGroup14", 3);
    f.enter("Edit35", "4x");
    QCOMPARE(f.messages.take(), QStringList{"error: '4x' is not a valid floating point value"});
    f.clickRadio("RadioGroup14", 4);
    QCOMPARE(f.text("Edit36"), "141.42 mils");
    f.clickRadio("RadioGroup14", 1);
    QCOMPARE(f.messages.take(), QStringList());
    f.clickRadio("RadioGroup14", 4);
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit36"), "3.592 mm");
    QCOMPARE(texts(f, {"Edit35", "Edit211", "Edit213"}), (QStringList{"4x", "abc", "0.1778"}));
    QCOMPARE(f.messages.take(), QStringList());
}

// A ring the pad style cannot save leaves the style plated and the hole type as it was.
void PadstackCalculatorTest::padStyleKeepsATextItCannotSave()
{
    WindowFixture f;
    startPadstack(f, false);
    f.typeText("Edit35", "1,2");
    f.clickRadio("RadioGroup7", 1);
    QCOMPARE(f.messages.take(), QStringList{"error: '1,2' is not a valid floating point value"});
    QCOMPARE(f.find<RadioGroup>("RadioGroup7")->itemIndex(), 0);
    QCOMPARE(texts(f, {"Edit34", "Edit35"}), (QStringList{"12", "1,2"}));
    f.enter("Edit35", "6");
    f.clickRadio("RadioGroup7", 1);
    f.clickRadio("RadioGroup7", 0);
    QCOMPARE(texts(f, {"Edit34", "Edit35", "Edit38"}),
             (QStringList{"12.0000", "6.0000", "68.0 mils"}));
    QCOMPARE(f.messages.take(), QStringList());
    // Nor does a hole type change anything it cannot save.
    f.typeText("Edit34", "x");
    choose(f, "ComboBox2", 2);
    QCOMPARE(f.messages.take(), QStringList{"error: 'x' is not a valid floating point value"});
    QCOMPARE(f.find<QComboBox>("ComboBox2")->currentText(), "Custom");
    QCOMPARE(f.find<RadioGroup>("RadioGroup7")->itemIndex(), 0);
    QCOMPARE(texts(f, {"Edit33", "Edit34"}), (QStringList{"32", "x"}));
    QVERIFY(f.find<QWidget>("Edit33")->isEnabled());
}

// Choosing the calculator again enables Solve! for Thru-Hole Pad and Conductor / Pad only.
void PadstackCalculatorTest::solveOnReturnToTheTab_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("solve");
    QTest::newRow("Thru-Hole Pad") << 0 << true;
    QTest::newRow("BGA Land") << 1 << false;
    QTest::newRow("Conductor / Pad") << 2 << true;
    QTest::newRow("Conductor / Pad BGA") << 3 << false;
    QTest::newRow("Corner to Corner") << 4 << false;
}

void PadstackCalculatorTest::solveOnReturnToTheTab()
{
    QFETCH(int, type);
    QFETCH(bool, solve);
    WindowFixture f;
    startPadstack(f, false);
    f.clickRadio("RadioGroup14", type);
    f.clickTab(6);
    QVERIFY(f.window().options()->Button1->isEnabled());
    f.clickTab(4);
    QCOMPARE(f.window().ActiveCalculator, 4);
    QCOMPARE(f.window().options()->Button1->isEnabled(), solve);
    QCOMPARE(f.find<RadioGroup>("RadioGroup14")->itemIndex(), type);
}

QTEST_MAIN(PadstackCalculatorTest)
#include "tst_padstack_calculator.moc"
