#include "app/batch_output.h"

#include <QJsonDocument>
#include <QtTest>

using namespace tw;

class BatchOutputTest : public QObject {
    Q_OBJECT
private slots:
    void splitsNumberFromUnit_data();
    void splitsNumberFromUnit();
    void lineReadsBackAsTheObject_data();
    void lineReadsBackAsTheObject();
};

void BatchOutputTest::splitsNumberFromUnit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::newRow("unit") << "34.5575 Sq.mils" << true << 34.5575 << "Sq.mils";
    QTest::newRow("no unit") << "3.2737" << true << 3.2737 << "";
    QTest::newRow("remark after the unit") << "83.46 Ohms (+0.2 %)" << true << 83.46 << "Ohms";
    QTest::newRow("padded") << " 18 um" << true << 18.0 << "um";
    QTest::newRow("negative exponent") << "-1.5e-7 F" << true << -1.5e-7 << "F";
    QTest::newRow("leading point") << ".5 mils" << true << 0.5 << "mils";
    QTest::newRow("an e that is the unit") << "2 e" << true << 2.0 << "e";
    QTest::newRow("an e without digits") << "2eV" << true << 2.0 << "eV";
    QTest::newRow("unit straight after") << "12abc" << true << 12.0 << "abc";
    QTest::newRow("not applicable") << "N/A" << false << 0.0 << "";
    QTest::newRow("empty") << "" << false << 0.0 << "";
    QTest::newRow("point alone") << ". mils" << false << 0.0 << "";
    QTest::newRow("comma number") << "1,5 mm" << true << 1.0 << ",5 mm";
}

// The number must be what a reader of the text sees; a wrong split puts a wrong figure into
// every spreadsheet made from the output.
void BatchOutputTest::splitsNumberFromUnit()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QFETCH(double, value);
    QFETCH(QString, unit);
    const std::optional<NumberAndUnit> split = splitNumber(text);
    QCOMPARE(split.has_value(), number);
    if (split) {
        QCOMPARE(split->number, value);
        QCOMPARE(split->unit, unit);
    }
}

void BatchOutputTest::lineReadsBackAsTheObject_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QJsonValue>("name");
    QTest::newRow("plain") << "12.5 mils" << QJsonValue(3);
    QTest::newRow("quotes and backslash") << "a \"b\" \\ c" << QJsonValue("say \"hi\"");
    QTest::newRow("control characters") << "tab\there\nnew\x01" << QJsonValue("x\ty");
    QTest::newRow("beyond ASCII") << QString::fromUtf8("20 \u00b0C \u03a9") << QJsonValue(1.5);
    QTest::newRow("tiny and huge numbers") << "1e-300 F 1e300" << QJsonValue(1e300);
}

// The line is written by hand for speed; it must read back as the object the library writes.
void BatchOutputTest::lineReadsBackAsTheObject()
{
    QFETCH(QString, text);
    QFETCH(QJsonValue, name);
    CaseOutput out;
    out.name = name;
    out.calculator = "Via Properties";
    out.ran = true;
    out.results = {{"Via Current", "Edit10", text}, {"", "Edit30", "N/A"}};
    out.information = {{text, "Label27", "42"}};
    out.solved = QList<ShownText>{{"Conductor Width (W)", "Edit67", "16.8211"}};
    out.messages = QJsonArray{QJsonObject{{"kind", "information"}, {"text", text}}};
    out.corrected = {{"Via Hole Diameter", "Edit3", text, "250"}};

    const QByteArray line = out.jsonLine();
    QVERIFY(line.endsWith('\n'));
    QCOMPARE(line.count('\n'), 1);
    QJsonParseError error;
    const QJsonDocument read = QJsonDocument::fromJson(line, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(read.object(), out.toJson());

    out.error = QJsonObject{{"key", "Edit3"}, {"reason", text}};
    const QJsonDocument failed = QJsonDocument::fromJson(out.jsonLine());
    QCOMPARE(failed.object(), out.toJson());
    QVERIFY(!failed.object().contains("results"));
}

QTEST_GUILESS_MAIN(BatchOutputTest)
#include "tst_batch_output.moc"
