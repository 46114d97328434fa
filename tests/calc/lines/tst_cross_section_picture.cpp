#include "calc/lines/cross_section_picture_panel.h"
#include "tests/support/window_fixture.h"

using namespace tw;
using namespace tw::test;
using lines::LineTopology;
using lines::PairArrangement;

class CrossSectionPictureTest : public QObject {
    Q_OBJECT

private slots:
    void traceWidthFollowsW_data();
    void traceWidthFollowsW();
    void dielectricFollowsHeight();
    void degenerateGeometryStaysInside_data();
    void degenerateGeometryStaysInside();
    void recalculationRedraws();
};

namespace {

const QSizeF pictureSize(270, 160);

CrossSection anySection(int kind, double w, double h)
{
    if (kind < 6)
        return lineCrossSection(LineTopology(kind), w, h, 8, 1.4);
    return pairCrossSection(PairArrangement(kind - 6), w, 5, h, 5, 1.4);
}

} // namespace

void CrossSectionPictureTest::traceWidthFollowsW_data()
{
    QTest::addColumn<int>("kind");
    const char *const names[] = {"microstrip",       "embedded",         "stripline",
                                 "offset stripline", "dual stripline",   "coplanar",
                                 "pair external",    "pair symmetric",   "pair offset",
                                 "pair embedded",    "broadside shield", "broadside open"};
    for (int kind = 0; kind < 12; ++kind)
        QTest::newRow(names[kind]) << kind;
}

void CrossSectionPictureTest::traceWidthFollowsW()
{
    QFETCH(int, kind);
    const CrossSectionLayout narrow = layoutCrossSection(anySection(kind, 5, 10), pictureSize);
    const CrossSectionLayout wide = layoutCrossSection(anySection(kind, 10, 10), pictureSize);
    const double narrowShare = narrow.conductors.front().width() / narrow.board.width();
    const double wideShare = wide.conductors.front().width() / wide.board.width();
    QVERIFY2(wideShare > narrowShare * 1.2,
             qPrintable(QString("%1 vs %2").arg(wideShare).arg(narrowShare)));
}

void CrossSectionPictureTest::dielectricFollowsHeight()
{
    // Same width, three times the height: the board is drawn taller against its width.
    const auto aspect = [](double h) {
        const CrossSectionLayout l = layoutCrossSection(
            lineCrossSection(LineTopology::Microstrip, 5, h, 0, 1.4), pictureSize);
        return l.board.height() / l.conductors.front().width();
    };
    QVERIFY(aspect(15) > 2.5 * aspect(5));
}

void CrossSectionPictureTest::degenerateGeometryStaysInside_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("second");
    QTest::addColumn<double>("t");
    QTest::newRow("W far larger than H") << 0 << 5000.0 << 1.0 << 0.0 << 1.4;
    QTest::newRow("H far larger than W") << 2 << 0.01 << 1000.0 << 0.0 << 1.4;
    QTest::newRow("no copper") << 3 << 5.0 << 10.0 << 8.0 << 0.0;
    QTest::newRow("coplanar huge gap") << 5 << 5.0 << 10.0 << 1e9 << 1.4;
    QTest::newRow("dual stripline thin spacing") << 4 << 200.0 << 1.0 << 1e-6 << 1.4;
    QTest::newRow("not a number") << 1 << qQNaN() << 10.0 << 8.0 << 1.4;
}

void CrossSectionPictureTest::degenerateGeometryStaysInside()
{
    QFETCH(int, kind);
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, second);
    QFETCH(double, t);
    const CrossSectionLayout l =
        layoutCrossSection(lineCrossSection(LineTopology(kind), w, h, second, t), pictureSize);
    const QRectF inside = QRectF(QPointF(0, 0), pictureSize).adjusted(-0.5, -0.5, 0.5, 0.5);
    QVERIFY(inside.contains(l.board));
    for (const QRectF &r : {l.lowerPlane, l.upperPlane})
        QVERIFY(r.isNull() || inside.contains(r));
    for (const QRectF &c : l.conductors) {
        QVERIFY(inside.contains(c));
        // Seen, however thin or narrow it is entered.
        QVERIFY(c.width() >= 1 && c.height() >= 1);
    }
    for (const auto &d : l.dimensions)
        QVERIFY(inside.contains(d.from) && inside.contains(d.to));
}

void CrossSectionPictureTest::recalculationRedraws()
{
    WindowFixture f;
    f.install({{setting::Program, "7"}});
    f.start();
    f.enter("Edit67", "12");
    const auto *picture = f.find<CrossSectionPicture>("Image8");
    QCOMPARE(picture->crossSection().conductors.front().width, 12.0);
    f.clickTab(3);
    f.enter("Edit26", "7");
    const auto *pair = f.find<CrossSectionPicture>("Image1");
    const auto &conductors = pair->crossSection().conductors;
    QCOMPARE(conductors[1].left - (conductors[0].left + conductors[0].width), 7.0);
}

QTEST_MAIN(CrossSectionPictureTest)
#include "tst_cross_section_picture.moc"
