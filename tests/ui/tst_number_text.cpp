#include "ui/errors.h"
#include "ui/number_text.h"
#include "ui/units.h"

#include <QTest>

using namespace tw;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void parseRefused_data();
    void parseRefused();
    void integers_data();
    void integers();
    void generalText_data();
    void generalText();
    void unitRoundTrip_data();
    void unitRoundTrip();
    void resultsAlwaysUseAPoint();
    void resultsAsPrintfWritesThem_data();
    void resultsAsPrintfWritesThem();
    void decimalModeOfASeparator();
};

void NumberTextTest::decimalModeOfASeparator()
{
    QCOMPARE(decimalModeFromSeparator(QLatin1Char(',')), DecimalMode::Comma);
    QCOMPARE(decimalModeFromSeparator(QLatin1Char('.')), DecimalMode::Point);
    // Any other separator reads the program's own literals with a point.
    QCOMPARE(decimalModeFromSeparator(QChar(0x066B)), DecimalMode::Point);
    QCOMPARE(parseNumber(literal(DecimalMode::Point, "0.7"), DecimalMode::Point), 0.7);
}

void NumberTextTest::parse_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const int point = int(DecimalMode::Point);
    const int comma = int(DecimalMode::Comma);
    QTest::newRow("point decimal") << point << "4.6" << 4.6;
    QTest::newRow("comma decimal") << comma << "4,6" << 4.6;
    QTest::newRow("integer") << point << "130" << 130.0;
    QTest::newRow("negative") << point << "-80.5" << -80.5;
    QTest::newRow("plus sign") << comma << "+2,5" << 2.5;
    QTest::newRow("exponent") << point << "1.5E-6" << 1.5e-6;
    QTest::newRow("small e, comma") << comma << "2,5e3" << 2500.0;
    QTest::newRow("trailing separator") << point << "3." << 3.0;
    QTest::newRow("leading separator") << comma << ",5" << 0.5;
    QTest::newRow("more digits than a double holds")
        << point << "0.1000000000000000055511151231257827" << 0.1;
    QTest::newRow("tiny") << point << "1e-300" << 1e-300;
}

void NumberTextTest::parse()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(parseNumber(text, DecimalMode(mode)), value);
}

void NumberTextTest::parseRefused_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    const int point = int(DecimalMode::Point);
    const int comma = int(DecimalMode::Comma);
    QTest::newRow("empty") << point << "";
    QTest::newRow("N/A") << point << "N/A";
    QTest::newRow("point in comma mode") << comma << "4.6";
    QTest::newRow("comma in point mode") << point << "4,6";
    QTest::newRow("thousands separator") << point << "1,000.5";
    QTest::newRow("thousands point in comma mode") << comma << "1.000,5";
    QTest::newRow("spaces") << point << " 4.6";
    QTest::newRow("letters") << point << "12mils";
    QTest::newRow("bare exponent") << point << "1e";
    QTest::newRow("out of range") << point << "1e400";
    QTest::newRow("infinity word") << point << "inf";
    QTest::newRow("hex") << point << "0x10";
    QTest::newRow("separator alone") << point << ".";
    QTest::newRow("two separators") << point << "1.2.3";
    QTest::newRow("exponent sign only") << point << "1e+";
    QTest::newRow("two signs") << point << "--1";
    QTest::newRow("digits of another script") << point << QString::fromUtf8("\u0663");
}

void NumberTextTest::parseRefused()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    try {
        parseNumber(text, DecimalMode(mode));
        QFAIL("parsed");
    } catch (const ConversionError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void NumberTextTest::integers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("nineteen") << "19" << true << 19;
    QTest::newRow("negative") << "-1" << true << -1;
    QTest::newRow("largest 32-bit") << "2147483647" << true << 2147483647;
    QTest::newRow("beyond 32 bits") << "4294967296" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("decimal") << "1.0" << false << 0;
    QTest::newRow("word") << "metric" << false << 0;
}

void NumberTextTest::integers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    try {
        QCOMPARE(parseInteger(text), value);
        QVERIFY(valid);
    } catch (const ConversionError &e) {
        QVERIFY(!valid);
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void NumberTextTest::generalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    const int point = int(DecimalMode::Point);
    const int comma = int(DecimalMode::Comma);
    QTest::newRow("whole") << 10.0 << point << "10";
    QTest::newRow("mm of 10 mils") << 10 * 25.4 * 0.001 << point << "0.254";
    QTest::newRow("comma") << 0.254 << comma << "0,254";
    QTest::newRow("negative") << -2.5 << point << "-2.5";
    QTest::newRow("tiny uses exponent") << 1.5e-6 << point << "1.5E-6";
    QTest::newRow("tiny with comma") << 1.5e-6 << comma << "1,5E-6";
    QTest::newRow("smallest fixed") << 1e-5 << point << "0.00001";
    QTest::newRow("15 digits fixed") << 123456789012345.0 << point << "123456789012345";
    QTest::newRow("16 digits exponent") << 1234567890123456.0 << point << "1.23456789012346E15";
    QTest::newRow("rounds to 15 digits") << 0.1 + 0.2 << point << "0.3";
    QTest::newRow("zero") << 0.0 << point << "0";
}

void NumberTextTest::generalText()
{
    QFETCH(double, value);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QCOMPARE(generalFloatText(value, DecimalMode(mode)), text);
}

void NumberTextTest::unitRoundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<QString>("back");
    QTest::newRow("10 mils") << 10.0 << int(Quantity::Length) << "0.254"
                             << "10";
    QTest::newRow("62 mils") << 62.0 << int(Quantity::Length) << "1.5748"
                             << "62";
    QTest::newRow("0.7 mils copper") << 0.7 << int(Quantity::Thickness) << "17.78"
                                     << "0.7";
    QTest::newRow("64 Sq.In") << 64.0 << int(Quantity::Area) << "41290.32"
                              << "64";
    QTest::newRow("area rounds half away") << 1.0 << int(Quantity::Area) << "645.16"
                                           << "1";
    // Rounded to two decimals it would be 0.00 Sq.In.
    QTest::newRow("2 Sq.mm keeps its digits") << 0.0031 << int(Quantity::Area) << "2"
                                              << "0.0031";
}

void NumberTextTest::unitRoundTrip()
{
    QFETCH(double, value);
    QFETCH(int, quantity);
    QFETCH(QString, metric);
    QFETCH(QString, back);
    const double toMetric = convertQuantity(value, Quantity(quantity), UnitSystem::Metric);
    const QString metricText = generalFloatText(toMetric, DecimalMode::Point);
    QCOMPARE(metricText, metric);
    const double again = convertQuantity(parseNumber(metricText, DecimalMode::Point),
                                         Quantity(quantity), UnitSystem::Imperial);
    QCOMPARE(generalFloatText(again, DecimalMode::Point), back);
}

void NumberTextTest::resultsAsPrintfWritesThem_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("tie, rounded away from zero") << 0.125;
    QTest::newRow("negative tie") << -2.5;
    QTest::newRow("tie of a large number") << 123456789.125;
    QTest::newRow("just under a tie") << 0.13499999999999998;
    QTest::newRow("decimal that is no tie in binary") << 2.675;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("rounds to a negative zero") << -0.001;
    QTest::newRow("tiny") << 1e-300;
    QTest::newRow("beyond the fast range") << 3.5e15;
    QTest::newRow("not a number") << std::nan("");
    QTest::newRow("infinite") << -std::numeric_limits<double>::infinity();
    QTest::newRow("ordinary") << 34.557519189487728;
}

// Results are written by a faster path than QString::asprintf; every digit must still be its.
void NumberTextTest::resultsAsPrintfWritesThem()
{
    QFETCH(double, value);
    for (const char *format : {"%.0f", "%.2f Ohms", "%.3f \u00b0C", "%0.5f", "%3.0f um", "%.4f",
                               "%.12f", "%.4e", "%0.1f"})
        QCOMPARE(formatResult(format, value), QString::asprintf(format, value));
}

void NumberTextTest::resultsAlwaysUseAPoint()
{
    const QByteArray old = setlocale(LC_ALL, nullptr);
    // A comma locale must not leak into the results; where none is installed the check is
    // still meaningful for the C locale.
    setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QCOMPARE(formatResult("%0.5f", 0.8), QStringLiteral("0.80000"));
    QCOMPARE(formatResult("%.4f Amps", 2.01479), QStringLiteral("2.0148 Amps"));
    QCOMPARE(generalFloatText(0.254, DecimalMode::Point), QStringLiteral("0.254"));
    setlocale(LC_ALL, old.constData());
}

QTEST_MAIN(NumberTextTest)
#include "tst_number_text.moc"
