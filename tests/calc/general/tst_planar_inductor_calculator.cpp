#include "calc/general/planar_inductor_panel.h"
#include "tests/support/window_fixture.h"

#include <QImage>

#include <cmath>
#include <numbers>

using namespace tw;
using namespace tw::test;

class PlanarInductorCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void selectionStartsSquare_data();
    void selectionStartsSquare();
    void refusals_data();
    void refusals();
    void overlappingTurns();
    void overlapReportedOnceWhenSelected();
    void separators_data();
    void separators();
    void unitSwitchRoundTrip_data();
    void unitSwitchRoundTrip();
    void pictureFollowsTheEntries();
    void spiralDrawnToScale_data();
    void spiralDrawnToScale();
};

namespace {

void start(WindowFixture &f, int units = 0)
{
    f.install({{setting::Program, "9"}, {setting::Units, QString::number(units)}});
    f.start();
}

QStringList results(const WindowFixture &f)
{
    return {f.text("Edit94"), f.text("Edit93"), f.text("Edit90")};
}

} // namespace

void PlanarInductorCalculatorTest::shapes_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QStringList>("expected");
    const char *pictures[] = {"Image13", "Image33", "Image34", "Image35"};
    const char *inductance[] = {"248.5936", "208.0525", "209.3337", "210.8410"};
    for (int units : {0, 1})
        for (int shape = 0; shape < 4; ++shape)
            QTest::addRow("%s %s", units ? "metric" : "imperial", pictures[shape])
                << units << shape << pictures[shape]
                << QStringList{units ? "4318.000" : "170.000", "0.3462", inductance[shape]};
}

void PlanarInductorCalculatorTest::shapes()
{
    QFETCH(int, units);
    QFETCH(int, shape);
    QFETCH(QString, picture);
    QFETCH(QStringList, expected);
    WindowFixture f;
    start(f, units);
    if (shape != 0)
        f.clickRadio("RadioGroup3", shape);
    QCOMPARE(results(f), expected);
    for (const char *name : {"Image13", "Image33", "Image34", "Image35"})
        QCOMPARE(f.find<QWidget>(name)->isHidden(), name != picture);
    const QString unit = units ? "um" : "mils";
    for (const char *box : {"Edit96", "Edit97", "Edit98", "Edit101"})
        QCOMPARE(f.text(box), unit);
    QCOMPARE(f.text("Edit99"), "nH");
    QCOMPARE(f.text("Edit92"), units ? "8890" : "350");
    QCOMPARE(f.messages.take(), QStringList());
}

void PlanarInductorCalculatorTest::selectionStartsSquare_data()
{
    QTest::addColumn<bool>("menu");
    QTest::newRow("menu") << true;
    QTest::newRow("tab") << false;
}

void PlanarInductorCalculatorTest::selectionStartsSquare()
{
    QFETCH(bool, menu);
    WindowFixture f;
    start(f);
    TForm1 &w = f.window();
    RadioGroup *layer = w.options()->RadioGroup3;
    QCOMPARE(layer->title(), " Inductor Geometry ");
    QCOMPARE(layer->items(), (QStringList{"Square", "Hexagonal", "Octagonal", "Circular"}));
    QVERIFY(layer->isEnabled());
    QVERIFY(w.options()->RadioGroup5->isHidden());
    f.clickRadio("RadioGroup3", 2);
    QCOMPARE(f.text("Edit90"), "209.3337");
    if (menu) {
        w.menuItems[9]->trigger();
    } else {
        f.clickTab(14);
        f.clickTab(9);
    }
    QCOMPARE(layer->itemIndex(), 0);
    QVERIFY(!f.find<QWidget>("Image13")->isHidden());
    QVERIFY(f.find<QWidget>("Image34")->isHidden());
    QCOMPARE(f.text("Edit90"), "248.5936");
}

void PlanarInductorCalculatorTest::refusals_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("correction");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no turns") << 0 << "Edit88"
                              << "0"
                              << "Number of turns can't be <= 0"
                              << "1" << QStringList{"330.000", "0.0294", "23.4822"};
    QTest::newRow("negative turns") << 0 << "Edit88"
                                    << "-2"
                                    << "Number of turns can't be <= 0"
                                    << "1" << QStringList{"330.000", "0.0294", "23.4822"};
    QTest::newRow("no width") << 0 << "Edit89"
                              << "0"
                              << "Conductor width can't be <= 0"
                              << "10" << QStringList{"170.000", "0.3462", "248.5936"};
    QTest::newRow("negative width typed with a comma")
        << 0 << "Edit89"
        << "-0,5"
        << "Conductor width can't be <= 0"
        << "10" << QStringList{"170.000", "0.3462", "248.5936"};
    QTest::newRow("no width, metric") << 1 << "Edit89"
                                      << "-1"
                                      << "Conductor width can't be <= 0"
                                      << "254" << QStringList{"4318.000", "0.3462", "248.5936"};
    QTest::newRow("negative spacing") << 0 << "Edit91"
                                      << "-1"
                                      << "Conductor spacing can't be less than 0"
                                      << "0" << QStringList{"250.000", "0.1667", "383.9226"};
    QTest::newRow("no outer diameter") << 0 << "Edit92"
                                       << "0"
                                       << "Outer diameter can't be <= 0"
                                       << "350" << QStringList{"170.000", "0.3462", "248.5936"};
    QTest::newRow("no outer diameter, metric")
        << 1 << "Edit92"
        << "-8890"
        << "Outer diameter can't be <= 0"
        << "8890" << QStringList{"4318.000", "0.3462", "248.5936"};
}

void PlanarInductorCalculatorTest::refusals()
{
    QFETCH(int, units);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, correction);
    QFETCH(QStringList, expected);
    WindowFixture f;
    f.install({{setting::Program, "9"}, {setting::Units, QString::number(units)}});
    f.useRealMessageBoxes();
    f.start();
    f.enterRefused(box, typed, message, correction);
    QCOMPARE(results(f), expected);
}

void PlanarInductorCalculatorTest::overlappingTurns()
{
    WindowFixture f;
    f.install({{setting::Program, "9"}});
    f.useRealMessageBoxes();
    f.start();
    f.enter("Edit88", "20");
    QCOMPARE(f.boxes.onScreen, QStringList{"Inner diameter too small"});
    QCOMPARE(results(f), (QStringList{"-430.000", "N/A", "N/A"}));
    // Nothing new to report for the same entries, in any shape.
    f.clickRadio("RadioGroup3", 3);
    QTest::keyClick(f.find<QLineEdit>("Edit88"), Qt::Key_Return);
    QCOMPARE(f.boxes.onScreen.size(), 1);
    f.enter("Edit88", "21");
    QCOMPARE(f.boxes.onScreen.size(), 2);
    QCOMPARE(f.messages.take(), QStringList(2, "info: Inner diameter too small"));
    // Turns that just fill the middle: reported, yet a geometry with results.
    f.typeText("Edit88", "4");
    f.typeText("Edit89", "20");
    f.enter("Edit92", "220");
    QCOMPARE(f.messages.take(), QStringList{"info: Inner diameter too small"});
    QCOMPARE(results(f), (QStringList{"0.000", "1.0000", "27.9207"}));
    f.enter("Edit92", "350");
    QCOMPARE(results(f), (QStringList{"130.000", "0.4583", "105.6263"}));
    QCOMPARE(f.messages.take(), QStringList());
}

void PlanarInductorCalculatorTest::overlapReportedOnceWhenSelected()
{
    WindowFixture f;
    f.install({{setting::Program, "14"}});
    f.start();
    f.typeText("Edit88", "20");
    // The layer preset and the selection each recalculate; the entries are reported once.
    f.clickTab(9);
    QCOMPARE(f.messages.take(), QStringList{"info: Inner diameter too small"});
    QCOMPARE(f.text("Edit90"), "N/A");
}

void PlanarInductorCalculatorTest::separators_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("inductance");
    QTest::newRow("point mode reads a comma as a point") << false << "10,5"
                                                         << ""
                                                         << "241.7518";
    QTest::newRow("point mode") << false << "10.5"
                                << ""
                                << "241.7518";
    QTest::newRow("comma mode") << true << "10,5"
                                << ""
                                << "241.7518";
    QTest::newRow("comma mode refuses a point")
        << true << "10.5"
        << "error: '10.5' is not a valid floating point value"
        << "248.5936";
}

void PlanarInductorCalculatorTest::separators()
{
    QFETCH(bool, comma);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, inductance);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    start(f);
    f.enter("Edit89", typed);
    QCOMPARE(f.messages.take(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(f.text("Edit90"), inductance);
}

void PlanarInductorCalculatorTest::unitSwitchRoundTrip_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<QString>("back");
    QTest::newRow("point") << false << "10.5"
                           << "266.7"
                           << "10.5";
    QTest::newRow("point mode, typed with a comma") << false << "1,5"
                                                    << "38.1"
                                                    << "1.5";
    QTest::newRow("comma") << true << "10,5"
                           << "266,7"
                           << "10,5";
}

void PlanarInductorCalculatorTest::unitSwitchRoundTrip()
{
    QFETCH(bool, comma);
    QFETCH(QString, typed);
    QFETCH(QString, metric);
    QFETCH(QString, back);
    WindowFixture f(comma ? DecimalMode::Comma : DecimalMode::Point);
    start(f);
    f.enter("Edit89", typed);
    const QString inductance = f.text("Edit90");
    f.clickRadio("RadioGroup6", 1);
    QCOMPARE(f.text("Edit89"), metric);
    QCOMPARE(f.text("Edit92"), "8890");
    QCOMPARE(f.text("Edit96"), "um");
    QCOMPARE(f.text("Edit90"), inductance);
    f.clickRadio("RadioGroup6", 0);
    QCOMPARE(f.text("Edit89"), back);
    QCOMPARE(f.text("Edit92"), "350");
    QCOMPARE(f.text("Edit90"), inductance);
    QCOMPARE(f.messages.take(), QStringList());
}

void PlanarInductorCalculatorTest::pictureFollowsTheEntries()
{
    WindowFixture f;
    start(f);
    f.typeText("Edit88", "3.5");
    f.typeText("Edit89", "20");
    f.enter("Edit91", "5");
    for (const char *name : {"Image13", "Image33", "Image34", "Image35"}) {
        const SpiralGeometry &g = f.find<SpiralPicture>(name)->spiral();
        QCOMPARE(g.turns, 3.5);
        QCOMPARE(g.width, 508.0);
        QCOMPARE(g.spacing, 127.0);
        QCOMPARE(g.outerDiameter, 8890.0);
    }
    // Drawing never fails, whatever the entries: huge turn counts, overlap, a fraction.
    for (const char *turns : {"1000000", "40", "0.3"}) {
        f.enter("Edit88", turns);
        for (const char *name : {"Image13", "Image33", "Image34", "Image35"}) {
            auto *picture = f.find<SpiralPicture>(name);
            QImage image(picture->sizeHint(), QImage::Format_ARGB32);
            picture->resize(picture->sizeHint());
            picture->render(&image);
        }
    }
    f.messages.take();
}

// The centre line in micrometres: the outer turn sits half a width inside d_out, the last turn
// half a width outside d_in.
void PlanarInductorCalculatorTest::spiralDrawnToScale_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("sides");
    QTest::addColumn<double>("turns");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<double>("outerExtent");
    QTest::addColumn<double>("innerApothem");
    // 10 / 10 / 350 mils: the outer centre line spans 8636 um, the inner one lies at 2286 um.
    QTest::newRow("square") << 0 << 4 << 5.0 << 5 << 8636.0 << 2286.0;
    QTest::newRow("hexagonal") << 1 << 6 << 5.0 << 5 << 8636.0 << 2286.0;
    QTest::newRow("octagonal") << 2 << 8 << 5.0 << 5 << 8636.0 << 2286.0;
    QTest::newRow("circular") << 3 << 0 << 5.0 << 5 << 8636.0 << 2286.0;
    QTest::newRow("overlap stops at the middle") << 0 << 4 << 20.0 << 9 << 8636.0 << 254.0;
}

void PlanarInductorCalculatorTest::spiralDrawnToScale()
{
    QFETCH(int, shape);
    QFETCH(int, sides);
    QFETCH(double, turns);
    QFETCH(int, drawn);
    QFETCH(double, outerExtent);
    QFETCH(double, innerApothem);
    const SpiralGeometry g{turns, 254, 254, 8890};
    QCOMPARE(drawnTurns(g), drawn);
    const QPainterPath path = spiralCentreLine(planar::SpiralShape(shape), g);
    QVERIFY(std::abs(path.boundingRect().width() - outerExtent) < 1e-6);
    // The end lies on the last side (or circle) of the innermost turn drawn.
    const QPointF end = path.currentPosition();
    double reach = std::hypot(end.x(), end.y());
    if (sides > 0) {
        const double angle = (drawn * sides - 1) * 2 * std::numbers::pi / sides;
        reach = end.x() * std::cos(angle) + end.y() * std::sin(angle);
    }
    QVERIFY2(std::abs(reach - innerApothem) < 1e-6, qPrintable(QString::number(reach, 'g', 12)));
}

QTEST_MAIN(PlanarInductorCalculatorTest)
#include "tst_planar_inductor_calculator.moc"
