#include "calc/general/ohms_law.h"

#include <QtTest>

#include <cmath>
#include <vector>

using namespace tw::ohms_law;

namespace {

double parallel(double a, double b)
{
    return a * b / (a + b);
}

bool near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TstOhmsLawModel : public QObject {
    Q_OBJECT

private slots:
    void eir_data();
    void eir();
    void pads_data();
    void pads();
    void minimumAttenuation_data();
    void minimumAttenuation();
};

void TstOhmsLawModel::eir_data()
{
    QTest::addColumn<int>("solveFor");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("middle");
    QTest::addColumn<double>("result");
    QTest::addColumn<double>("power");
    // The defaults are the calculator's worked values (12.000 V, 12.0000 W); the others were
    // evaluated in python3 by hand.
    QTest::newRow("volts, defaults") << 0 << 1.0 << 12.0 << 12.0 << 12.0;
    QTest::newRow("volts, negative current") << 0 << -0.5 << 10.0 << -5.0 << 2.5;
    QTest::newRow("amps") << 1 << 12.0 << 4.7 << 2.553191489361702 << 30.638297872340424;
    QTest::newRow("ohms, negative current") << 2 << 5.0 << -0.02 << -250.0 << -0.1;
}

void TstOhmsLawModel::eir()
{
    QFETCH(int, solveFor);
    QFETCH(double, top);
    QFETCH(double, middle);
    QFETCH(double, result);
    QFETCH(double, power);
    const Eir e = solve(static_cast<SolveFor>(solveFor), top, middle);
    QVERIFY2(near(e.result, result, 1e-9), qPrintable(QString::number(e.result, 'g', 15)));
    QVERIFY2(near(e.power, power, 1e-9), qPrintable(QString::number(e.power, 'g', 15)));
    // The LED resistor is Ohm's law across what the LED leaves: 1000 Ohms and 0.1 W by default.
    const LedBias led = ledBias(12.0, 2.0, 0.01);
    QVERIFY(near(led.resistance, 1000.0, 1e-9) && near(led.power, 0.1, 1e-12));
}

void TstOhmsLawModel::pads_data()
{
    QTest::addColumn<bool>("pi");
    QTest::addColumn<double>("attenuation");
    QTest::addColumn<double>("zin");
    QTest::addColumn<double>("zout");
    QTest::addColumn<std::vector<double>>("resistors"); // high, low, middle
    // 3 dB: the calculator's worked values; 10 dB 50 Ohms: published attenuator tables; the
    // unequal ends evaluated in python3 by hand.
    QTest::newRow("PI 3 dB 50/50")
        << true << 3.0 << 50.0 << 50.0 << std::vector<double>{292.40, 292.40, 17.61};
    QTest::newRow("T 3 dB 50/50") << false << 3.0 << 50.0 << 50.0
                                  << std::vector<double>{8.55, 8.55, 141.93};
    QTest::newRow("PI 10 dB 50/50")
        << true << 10.0 << 50.0 << 50.0 << std::vector<double>{96.25, 96.25, 71.15};
    QTest::newRow("T 10 dB 50/50")
        << false << 10.0 << 50.0 << 50.0 << std::vector<double>{25.97, 25.97, 35.14};
    QTest::newRow("PI 10 dB 75/50")
        << true << 10.0 << 75.0 << 50.0 << std::vector<double>{207.43, 77.11, 87.14};
    QTest::newRow("PI 10 dB 50/75")
        << true << 10.0 << 50.0 << 75.0 << std::vector<double>{207.43, 77.11, 87.14};
    QTest::newRow("T 10 dB 75/50")
        << false << 10.0 << 75.0 << 50.0 << std::vector<double>{48.63, 18.08, 43.03};
    QTest::newRow("T 20 dB 50/600")
        << false << 20.0 << 50.0 << 600.0 << std::vector<double>{577.13, 16.02, 34.99};
    QTest::newRow("PI 40 dB 300/50") << true << 40.0 << 300.0 << 50.0 << std::vector<double>{};
    QTest::newRow("T 0.5 dB 100/100") << false << 0.5 << 100.0 << 100.0 << std::vector<double>{};
}

// Besides the worked values, each pad is checked by what it presents: terminated at the other
// end it must show each end its own impedance and lose the attenuation asked for.
void TstOhmsLawModel::pads()
{
    QFETCH(bool, pi);
    QFETCH(double, attenuation);
    QFETCH(double, zin);
    QFETCH(double, zout);
    QFETCH(std::vector<double>, resistors);
    const Pad pad = pi ? piPad(attenuation, zin, zout) : tPad(attenuation, zin, zout);
    if (!resistors.empty()) {
        QVERIFY2(near(pad.high, resistors[0], 0.005), qPrintable(QString::number(pad.high)));
        QVERIFY2(near(pad.low, resistors[1], 0.005), qPrintable(QString::number(pad.low)));
        QVERIFY2(near(pad.middle, resistors[2], 0.005), qPrintable(QString::number(pad.middle)));
    }
    const double in = zin >= zout ? pad.high : pad.low;
    const double out = zin >= zout ? pad.low : pad.high;
    double seenAtInput, seenAtOutput, vout; // vout with 1 V across the input
    if (pi) {
        seenAtInput = parallel(in, pad.middle + parallel(out, zout));
        seenAtOutput = parallel(out, pad.middle + parallel(in, zin));
        vout = parallel(out, zout) / (pad.middle + parallel(out, zout));
    } else {
        const double rest = parallel(pad.middle, out + zout);
        seenAtInput = in + rest;
        seenAtOutput = out + parallel(pad.middle, in + zin);
        vout = rest / (in + rest) * zout / (out + zout);
    }
    QVERIFY2(near(seenAtInput, zin, 1e-9 * zin), qPrintable(QString::number(seenAtInput)));
    QVERIFY2(near(seenAtOutput, zout, 1e-9 * zout), qPrintable(QString::number(seenAtOutput)));
    const double lossDb = 10.0 * std::log10((1.0 / seenAtInput) / (vout * vout / zout));
    QVERIFY2(near(lossDb, attenuation, 1e-9), qPrintable(QString::number(lossDb)));
}

void TstOhmsLawModel::minimumAttenuation_data()
{
    QTest::addColumn<double>("zin");
    QTest::addColumn<double>("zout");
    QTest::addColumn<double>("minimum");
    // 20 log10(sqrt(r) + sqrt(r - 1)) in python3 by hand; 5.72 dB for 75/50 is the published
    // minimum-loss pad between the two.
    QTest::newRow("equal ends") << 50.0 << 50.0 << 0.0;
    QTest::newRow("75/50") << 75.0 << 50.0 << 5.719475;
    QTest::newRow("50/75") << 50.0 << 75.0 << 5.719475;
    QTest::newRow("100/50") << 100.0 << 50.0 << 7.655514;
    QTest::newRow("600/50") << 600.0 << 50.0 << 16.625524;
    QTest::newRow("50/1") << 50.0 << 1.0 << 22.966541;
}

// Just above the minimum every resistor of either pad is positive, just below one is negative.
void TstOhmsLawModel::minimumAttenuation()
{
    QFETCH(double, zin);
    QFETCH(double, zout);
    QFETCH(double, minimum);
    const double m = padMinimumAttenuation(zin, zout);
    QVERIFY2(near(m, minimum, 1e-6), qPrintable(QString::number(m, 'g', 10)));
    for (const auto pad : {piPad, tPad}) {
        const Pad above = pad(m + 0.001, zin, zout);
        QVERIFY(above.high > 0 && above.low > 0 && above.middle > 0);
        if (zin != zout) {
            const Pad below = pad(m - 0.001, zin, zout);
            QVERIFY(below.high < 0 || below.low < 0);
        }
    }
}

QTEST_APPLESS_MAIN(TstOhmsLawModel)
#include "tst_ohms_law_model.moc"
