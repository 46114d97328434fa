#include "calc/lines/transmission_lines.h"

#include <QtTest>

#include <cfenv>
#include <cmath>

using namespace tw::lines;

Q_DECLARE_METATYPE(tw::lines::LineTopology)

namespace {

// The values are checked the way the calculators show them.
QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// The panels turn these floating-point exceptions into error messages, so a model must not
// raise them, inside its domain or outside it.
constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

} // namespace

class TestTransmissionLinesModel : public QObject {
    Q_OBJECT

private slots:
    void microstrip_data();
    void microstrip();
    void microstripStaticAtZeroFrequency_data();
    void microstripStaticAtZeroFrequency();
    void impedances_data();
    void impedances();
    void perLength_data();
    void perLength();
    void offsetStriplineMode_data();
    void offsetStriplineMode();
    void offsetStriplineCentred_data();
    void offsetStriplineCentred();
    void ellipticK_data();
    void ellipticK();
    void outsideDomain_data();
    void outsideDomain();
};

void TestTransmissionLinesModel::microstrip_data()
{
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("f");
    QTest::addColumn<QString>("erEff0");
    QTest::addColumn<QString>("z0");
    QTest::addColumn<QString>("erEff");
    QTest::addColumn<QString>("z");

    // Worked example: W 5, H 10, T 2.1 mils in millimetres, er 4.6, 500 MHz.
    QTest::newRow("worked example") << 0.127 << 0.254 << 0.05334 << 0.5 << "2.9020"
                                    << "83.6041"
                                    << "2.9022"
                                    << "83.6097";
    // The same line in mils: only ratios enter, the dispersion height stays in millimetres.
    QTest::newRow("worked example, mils") << 5.0 << 10.0 << 2.1 << 0.5 << "2.9020"
                                          << "83.6041"
                                          << "2.9022"
                                          << "83.6097";
}

void TestTransmissionLinesModel::microstrip()
{
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, t);
    QFETCH(double, f);
    std::feclearexcept(FE_ALL_EXCEPT);
    const MicrostripResult r = MicrostripLine(w, h, t, 4.6, f, 0.254);
    QCOMPARE(std::fetestexcept(kFaults), 0);
    QVERIFY(r.valid);
    QCOMPARE(fixed(r.u, 3), QString("0.500"));
    QTEST(fixed(r.erEff0, 4), "erEff0");
    QTEST(fixed(r.z0, 4), "z0");
    QTEST(fixed(r.erEff, 4), "erEff");
    QTEST(fixed(r.z, 4), "z");
}

void TestTransmissionLinesModel::microstripStaticAtZeroFrequency_data()
{
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("er");

    QTest::newRow("worked example") << 0.127 << 0.254 << 0.05334 << 4.6;
    QTest::newRow("wide strip, thin copper") << 3.0 << 1.0 << 0.01 << 10.2;
    QTest::newRow("narrow strip, low er") << 0.1 << 1.0 << 0.05 << 2.2;
}

void TestTransmissionLinesModel::microstripStaticAtZeroFrequency()
{
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, t);
    QFETCH(double, er);
    const MicrostripResult r = MicrostripLine(w, h, t, er, 0.0, h);
    QVERIFY(r.valid);
    QCOMPARE(r.erEff, r.erEff0);
    QCOMPARE(r.z, r.z0);
    // Dispersion only ever pulls the effective constant towards er.
    const MicrostripResult high = MicrostripLine(w, h, t, er, 20.0, h);
    QVERIFY(high.erEff > r.erEff0 && high.erEff < er);
}

void TestTransmissionLinesModel::impedances_data()
{
    QTest::addColumn<LineTopology>("topology");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("h2");
    QTest::addColumn<double>("t");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("z");
    QTest::addColumn<QString>("erOut"); // erPrime or the coplanar erEff; empty where none

    // Worked examples, mils, er 4.6.
    QTest::newRow("embedded") << LineTopology::MicrostripEmbed << 5.0 << 10.0 << 8.0 << 0.7 << 4
                              << "70.1610"
                              << "3.9373";
    QTest::newRow("stripline") << LineTopology::Stripline << 5.0 << 10.0 << 0.0 << 0.7 << 4
                               << "59.4311"
                               << "";
    QTest::newRow("offset narrow")
        << LineTopology::StriplineAsym << 5.0 << 10.0 << 8.0 << 0.7 << 3 << "56.467"
        << "";
    QTest::newRow("offset wide") << LineTopology::StriplineAsym << 10.0 << 10.0 << 8.0 << 0.7 << 3
                                 << "43.871"
                                 << "";
    QTest::newRow("dual stripline")
        << LineTopology::DualStripline << 5.0 << 10.0 << 8.0 << 0.7 << 3 << "68.648"
        << "";
    QTest::newRow("coplanar") << LineTopology::CoplanarWave << 5.0 << 10.0 << 8.0 << 0.0 << 4
                              << "86.6408"
                              << "2.9969";
    // The same coplanar line in millimetres.
    QTest::newRow("coplanar, mm") << LineTopology::CoplanarWave << 0.127 << 0.254 << 0.2032 << 0.0
                                  << 4 << "86.6408"
                                  << "2.9969";
    // Differential-pair defaults: the single line of Edge Cpld Int Asym (H1 15, H2 5) and of
    // Edge Cpld Embed, whose total thickness 5 goes in the model's H1 and height 15 in H2.
    QTest::newRow("pair asym, wide")
        << LineTopology::StriplineAsym << 10.0 << 15.0 << 5.0 << 0.7 << 3 << "36.650"
        << "";
    QTest::newRow("pair embed") << LineTopology::MicrostripEmbed << 10.0 << 5.0 << 15.0 << 0.7 << 3
                                << "102.753"
                                << "";
}

void TestTransmissionLinesModel::impedances()
{
    QFETCH(LineTopology, topology);
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, h2);
    QFETCH(double, t);
    QFETCH(int, decimals);
    const double er = 4.6;

    bool valid = false;
    double z = 0.0;
    double erModel = 0.0;
    std::feclearexcept(FE_ALL_EXCEPT);
    switch (topology) {
    case LineTopology::MicrostripEmbed: {
        const EmbeddedMicrostripResult r = EmbeddedMicrostripLine(w, h, h2, t, er);
        valid = r.valid, z = r.z, erModel = r.erPrime;
        break;
    }
    case LineTopology::Stripline: {
        const StriplineResult r = SymmetricStriplineLine(w, h, t, er);
        valid = r.valid, z = r.z;
        break;
    }
    case LineTopology::StriplineAsym: {
        const OffsetStriplineResult r = OffsetStriplineLine(w, h, h2, t, er);
        const OffsetStriplineResult swapped = OffsetStriplineLine(w, h2, h, t, er);
        QCOMPARE(swapped.z, r.z);
        valid = r.valid, z = r.z;
        break;
    }
    case LineTopology::DualStripline: {
        const StriplineResult r = DualStriplineLine(w, h, h2, t, er);
        valid = r.valid, z = r.z;
        break;
    }
    case LineTopology::CoplanarWave: {
        const CoplanarResult r = GroundedCoplanarLine(w, h, h2, er);
        valid = r.valid, z = r.z, erModel = r.erEff;
        break;
    }
    case LineTopology::Microstrip:
        QFAIL("microstrip has its own rows");
    }
    QCOMPARE(std::fetestexcept(kFaults), 0);
    QVERIFY(valid);
    QTEST(fixed(z, decimals), "z");
    QFETCH(QString, erOut);
    if (!erOut.isEmpty()) {
        QCOMPARE(fixed(erModel, 4), erOut);
    }
}

void TestTransmissionLinesModel::perLength_data()
{
    QTest::addColumn<LineTopology>("topology");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("h2");
    QTest::addColumn<double>("t");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("tpd");
    QTest::addColumn<QString>("c0"); // empty where no worked value exists
    QTest::addColumn<QString>("l0");

    // Worked examples, er 4.6, per inch.
    QTest::newRow("microstrip") << LineTopology::Microstrip << 0.127 << 0.254 << 0.0 << 0.05334
                                << false << "144.3708"
                                << "1.7267"
                                << "12.0708";
    QTest::newRow("embedded") << LineTopology::MicrostripEmbed << 5.0 << 10.0 << 8.0 << 0.7 << false
                              << "167.8093"
                              << ""
                              << "";
    QTest::newRow("stripline") << LineTopology::Stripline << 5.0 << 10.0 << 0.0 << 0.7 << false
                               << "181.7685"
                               << "3.0585"
                               << "10.8027";
    // Impedance calculator in metric with its rounded copper (T 0.053 mm), per centimetre.
    QTest::newRow("microstrip, metric")
        << LineTopology::Microstrip << 0.127 << 0.254 << 0.0 << 0.053 << true << "56.8482"
        << "0.6796"
        << "4.7554";
}

void TestTransmissionLinesModel::perLength()
{
    QFETCH(LineTopology, topology);
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, h2);
    QFETCH(double, t);
    QFETCH(bool, metric);
    const double er = 4.6;

    double z = 0.0;
    double delayEr = er;
    if (topology == LineTopology::Microstrip) {
        const MicrostripResult r = MicrostripLine(w, h, t, er, 0.5, h);
        z = r.z;
        delayEr = r.erEff;
    } else if (topology == LineTopology::MicrostripEmbed) {
        const EmbeddedMicrostripResult r = EmbeddedMicrostripLine(w, h, h2, t, er);
        z = r.z;
        delayEr = r.erPrime;
    } else {
        z = SymmetricStriplineLine(w, h, t, er).z;
    }
    const DelayResult delay = propagationDelay(topology, delayEr);
    QVERIFY(delay.valid);
    const double tpd = metric ? delay.psPerCentimetre : delay.psPerInch;
    QTEST(fixed(tpd, 4), "tpd");

    QFETCH(QString, c0);
    QFETCH(QString, l0);
    const PerLengthResult perLength = LinePerLength(z, tpd);
    QVERIFY(perLength.valid);
    if (!c0.isEmpty()) {
        QCOMPARE(fixed(perLength.c0, 4), c0);
        QCOMPARE(fixed(perLength.l0, 4), l0);
    }
}

void TestTransmissionLinesModel::offsetStriplineMode_data()
{
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h1");
    QTest::addColumn<double>("h2");
    QTest::addColumn<bool>("wide");

    // W/(H1 + H2) at and just either side of 0.35.
    QTest::newRow("7/20 exactly") << 7.0 << 10.0 << 10.0 << true;
    QTest::newRow("3.5/10 exactly") << 3.5 << 6.0 << 4.0 << true;
    QTest::newRow("0.1778/0.508 mm exactly") << 0.1778 << 0.254 << 0.254 << true;
    QTest::newRow("just below") << 6.9999 << 10.0 << 10.0 << false;
    QTest::newRow("heights just above") << 7.0 << 10.0 << 10.0001 << false;
    QTest::newRow("worked narrow 5/18") << 5.0 << 10.0 << 8.0 << false;
    QTest::newRow("worked wide 10/18") << 10.0 << 10.0 << 8.0 << true;
}

void TestTransmissionLinesModel::offsetStriplineMode()
{
    QFETCH(double, w);
    QFETCH(double, h1);
    QFETCH(double, h2);
    QFETCH(bool, wide);
    const OffsetStriplineResult r = OffsetStriplineLine(w, h1, h2, 0.7 * w / 10.0, 4.6);
    QVERIFY(r.valid);
    QCOMPARE(r.mode, wide ? OffsetStriplineMode::Wide : OffsetStriplineMode::Narrow);
}

void TestTransmissionLinesModel::offsetStriplineCentred_data()
{
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h1");
    QTest::addColumn<double>("h2");
    QTest::addColumn<double>("t");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("s");

    // Worked example: b = 18.7, s = 8.35 from the nearer plane.
    QTest::newRow("worked offset") << 5.0 << 10.0 << 8.0 << 0.7 << "18.7000"
                                   << "8.3500";
    // H1 = H2 puts the centre line half-way: s = H1 + T/2 = b/2.
    QTest::newRow("centred narrow") << 5.0 << 10.0 << 10.0 << 0.7 << "20.7000"
                                    << "10.3500";
    QTest::newRow("centred wide") << 10.0 << 7.5 << 7.5 << 1.4 << "16.4000"
                                  << "8.2000";
}

void TestTransmissionLinesModel::offsetStriplineCentred()
{
    QFETCH(double, w);
    QFETCH(double, h1);
    QFETCH(double, h2);
    QFETCH(double, t);
    const OffsetStriplineResult r = OffsetStriplineLine(w, h1, h2, t, 4.6);
    QVERIFY(r.valid);
    QTEST(fixed(r.b, 4), "b");
    QTEST(fixed(r.s, 4), "s");
}

void TestTransmissionLinesModel::ellipticK_data()
{
    QTest::addColumn<double>("m");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("k");

    // pi/2 with the rounded pi.
    QTest::newRow("K(0)") << 0.0 << 6 << "1.570795";
    // Abramowitz & Stegun table 17.1 (1.854075, 1.685750); the rounded pi moves the sixth
    // decimal only.
    QTest::newRow("K(sin 45 deg)") << std::sqrt(0.5) << 5 << "1.85407";
    QTest::newRow("K(sin 30 deg)") << 0.5 << 5 << "1.68575";
    // Seven steps leave K(1) finite: pi/(2/128).
    QTest::newRow("K(1)") << 1.0 << 5 << "201.06176";
}

void TestTransmissionLinesModel::ellipticK()
{
    QFETCH(double, m);
    QFETCH(int, decimals);
    QTEST(fixed(EllipticK(m), decimals), "k");
}

void TestTransmissionLinesModel::outsideDomain_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<double>>("args");

    QTest::newRow("microstrip T = 0") << "microstrip" << QList<double>{5, 10, 0, 4.6, 0.5, 0.254};
    QTest::newRow("microstrip er = 1") << "microstrip" << QList<double>{5, 10, 2.1, 1, 0.5, 0.254};
    QTest::newRow("microstrip H = 0") << "microstrip" << QList<double>{5, 0, 2.1, 4.6, 0.5, 0.254};
    QTest::newRow("microstrip f < 0")
        << "microstrip" << QList<double>{5, 10, 2.1, 4.6, -0.5, 0.254};
    QTest::newRow("embedded H2 = 0") << "embedded" << QList<double>{5, 10, 0, 0.7, 4.6};
    QTest::newRow("embedded H1 = 0") << "embedded" << QList<double>{5, 0, 8, 0.7, 4.6};
    QTest::newRow("embedded W = T = 0") << "embedded" << QList<double>{0, 10, 8, 0, 4.6};
    QTest::newRow("stripline W = T = 0") << "stripline" << QList<double>{0, 10, 0, 4.6};
    QTest::newRow("stripline er = 0") << "stripline" << QList<double>{5, 10, 0.7, 0};
    QTest::newRow("dual H + D + T = 0") << "dual" << QList<double>{5, 10, -10.5, 0.5, 4.6};
    QTest::newRow("offset wide x = 1") << "offset" << QList<double>{7, 10, 10, 7, 4.6};
    QTest::newRow("offset wide T = 0") << "offset" << QList<double>{10, 10, 8, 0, 4.6};
    QTest::newRow("offset wide H1 = 0") << "offset" << QList<double>{10, 0, 18, 0.7, 4.6};
    QTest::newRow("offset narrow X < 1") << "offset" << QList<double>{5, 0.01, 18, 0.7, 4.6};
    QTest::newRow("offset W = 0") << "offset" << QList<double>{0, 10, 8, 0.7, 4.6};
    QTest::newRow("coplanar H = 0") << "coplanar" << QList<double>{5, 0, 8, 4.6};
    QTest::newRow("coplanar G = 0") << "coplanar" << QList<double>{5, 10, 0, 4.6};
    QTest::newRow("per length Z = 0") << "perLength" << QList<double>{0, 181.7685};
    QTest::newRow("delay coplanar") << "delay" << QList<double>{5, 4.6};
    QTest::newRow("delay er < 0") << "delay" << QList<double>{2, -1};
}

void TestTransmissionLinesModel::outsideDomain()
{
    QFETCH(QString, model);
    QFETCH(QList<double>, args);
    const double *a = args.constData();

    bool valid = true;
    QList<double> numbers;
    std::feclearexcept(FE_ALL_EXCEPT);
    if (model == "microstrip") {
        const auto r = MicrostripLine(a[0], a[1], a[2], a[3], a[4], a[5]);
        valid = r.valid, numbers = {r.u, r.erEff0, r.z0, r.erEff, r.z};
    } else if (model == "embedded") {
        const auto r = EmbeddedMicrostripLine(a[0], a[1], a[2], a[3], a[4]);
        valid = r.valid, numbers = {r.erPrime, r.z};
    } else if (model == "stripline") {
        const auto r = SymmetricStriplineLine(a[0], a[1], a[2], a[3]);
        valid = r.valid, numbers = {r.z};
    } else if (model == "dual") {
        const auto r = DualStriplineLine(a[0], a[1], a[2], a[3], a[4]);
        valid = r.valid, numbers = {r.z};
    } else if (model == "offset") {
        const auto r = OffsetStriplineLine(a[0], a[1], a[2], a[3], a[4]);
        valid = r.valid, numbers = {r.b, r.s, r.z};
    } else if (model == "coplanar") {
        const auto r = GroundedCoplanarLine(a[0], a[1], a[2], a[3]);
        valid = r.valid, numbers = {r.erEff, r.z};
    } else if (model == "perLength") {
        const auto r = LinePerLength(a[0], a[1]);
        valid = r.valid, numbers = {r.c0, r.l0};
    } else {
        const auto r = propagationDelay(static_cast<LineTopology>(int(a[0])), a[1]);
        valid = r.valid, numbers = {r.psPerInch, r.psPerCentimetre};
    }
    QCOMPARE(std::fetestexcept(kFaults), 0);
    QVERIFY(!valid);
    for (double n : numbers) {
        QVERIFY(std::isfinite(n));
    }
}

QTEST_APPLESS_MAIN(TestTransmissionLinesModel)
#include "tst_transmission_lines_model.moc"
