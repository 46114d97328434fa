#include "app/batch.h"
#include "app/batch_window.h"
#include "app/calculator_table.h"
#include "tests/support/window_fixture.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace tw;
using namespace tw::test;

namespace {

QList<QJsonObject> objects(const BatchRun &run)
{
    QList<QJsonObject> out;
    for (const QByteArray &line : run.output.split('\n'))
        if (!line.isEmpty())
            out.append(QJsonDocument::fromJson(line).object());
    return out;
}

QJsonObject one(const QByteArray &input)
{
    const QList<QJsonObject> out = objects(runBatch(input));
    return out.size() == 1 ? out.first() : QJsonObject{{"wrong count", out.size()}};
}

QString resultText(const QJsonObject &out, const QString &id)
{
    for (const QJsonValue &result : out.value("results").toArray())
        if (result.toObject().value("id").toString() == id)
            return result.toObject().value("text").toString();
    return QStringLiteral("<no result %1>").arg(id);
}

QStringList messageTexts(const QJsonObject &out)
{
    QStringList texts;
    for (const QJsonValue &message : out.value("messages").toArray())
        texts.append((message.toObject().value("kind").toString() == "information"
                          ? QStringLiteral("info: ")
                          : message.toObject().value("kind").toString() + ": ") +
                     message.toObject().value("text").toString());
    return texts;
}

} // namespace

class BatchTest : public QObject {
    Q_OBJECT
private slots:
    void sameTextsAsWindow_data();
    void sameTextsAsWindow();
    void leavesNothingForTheNextCase_data();
    void leavesNothingForTheNextCase();
    void programOptionsAsWindow();
    void typedNumberWinsOverList();
    void solveForTarget_data();
    void solveForTarget();
    void unreachableTarget();
    void viaByCaption();
    void correctionAsWindow();
    void selectorAndOptions();
    void refusedCases_data();
    void refusedCases();
    void malformedInput_data();
    void malformedInput();
    void csvRows();
    void listing();
    void programWithoutDisplay();
};

// Every calculator's defaults in both unit systems, result by result against the real window.
void BatchTest::sameTextsAsWindow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("units");
    for (const CalculatorRow &row : calculatorTable())
        for (int units : {0, 1})
            QTest::addRow("%d %s %s", row.index, row.tabCaption, units ? "metric" : "imperial")
                << row.index << units;
}

void BatchTest::sameTextsAsWindow()
{
    QFETCH(int, index);
    QFETCH(int, units);
    WindowFixture f;
    f.install();
    f.start();
    f.clickTab(index);
    if (units == 1 && f.window().RadioGroup6->isEnabled())
        f.clickRadio("RadioGroup6", 1);
    const QJsonObject out = one(QStringLiteral(R"({"calculator": %1, "units": "%2"})")
                                    .arg(index)
                                    .arg(units ? "metric" : "imperial")
                                    .toUtf8());
    if (units == 1 && !f.window().RadioGroup6->isEnabled()) {
        QCOMPARE(out.value("error").toObject().value("key").toString(), "units");
        return;
    }
    QVERIFY2(!out.contains("error"), QJsonDocument(out).toJson().constData());
    const QJsonArray results = out.value("results").toArray();
    QWidget *box = f.window().calculator(index).groupBox();
    const bool built = !box->findChildren<QLineEdit *>().isEmpty();
    QVERIFY(!built || !results.isEmpty());
    const QJsonArray information = out.value("information").toArray();
    QVERIFY(!information.isEmpty());
    QJsonArray shown = results;
    for (const QJsonValue &value : information)
        shown.append(value);
    for (const QJsonValue &value : shown) {
        const QJsonObject result = value.toObject();
        const QString id = result.value("id").toString();
        QCOMPARE(result.value("text").toString(), f.text(id));
    }

    // One changed geometry: the first number box of the calculator a quarter larger.
    QLineEdit *first = nullptr;
    for (QLineEdit *edit : box->findChildren<QLineEdit *>())
        if (!first && !edit->isReadOnly() && edit->isVisibleTo(box) && edit->isEnabled() &&
            edit->text().toDouble() > 0 && !qobject_cast<QComboBox *>(edit->parentWidget()))
            first = edit;
    if (!first)
        return;
    const QString changed = QString::number(first->text().toDouble() * 1.25, 'g', 6);
    f.enter(first->objectName(), changed);
    const QJsonObject geometry = one(QStringLiteral(R"({"calculator": %1, "units": "%2", )"
                                                    R"("inputs": {"%3": "%4"}})")
                                         .arg(index)
                                         .arg(units ? "metric" : "imperial")
                                         .arg(first->objectName(), changed)
                                         .toUtf8());
    QVERIFY2(!geometry.contains("error"), QJsonDocument(geometry).toJson().constData());
    for (const QJsonValue &value : geometry.value("results").toArray()) {
        const QJsonObject result = value.toObject();
        QCOMPARE(result.value("text").toString(), f.text(result.value("id").toString()));
    }
}

// The run keeps one window: a case that changes everything it can must leave the next cases
// as they come out of a run of their own.
void BatchTest::leavesNothingForTheNextCase_data()
{
    QTest::addColumn<int>("index");
    for (const CalculatorRow &row : calculatorTable())
        QTest::addRow("%d %s", row.index, row.tabCaption) << row.index;
}

void BatchTest::leavesNothingForTheNextCase()
{
    QFETCH(int, index);
    QJsonObject everything{{"name", "everything"}, {"calculator", index}};
    QJsonObject geometry{{"name", "geometry"}, {"calculator", index}};
    {
        BatchWindow batch;
        batch.begin(index);
        TForm1 &window = batch.window();
        if (window.RadioGroup6->isEnabled())
            everything.insert("units", "metric");
        const QStringList items = window.options()->RadioGroup3->items();
        if (!items.isEmpty())
            everything.insert("RadioGroup3", items.last());
        QJsonObject inputs;
        QJsonObject changedOne;
        for (const BatchEntry &entry : batch.entries(index)) {
            if (!entry.open())
                continue;
            const QString key = entry.widget->objectName();
            if (auto *radio = qobject_cast<RadioGroup *>(entry.widget)) {
                inputs.insert(key, radio->items().last());
            } else if (auto *combo = qobject_cast<QComboBox *>(entry.widget)) {
                inputs.insert(key, combo->itemText(combo->count() - 1));
            } else if (const double number = textOf(entry.widget).toDouble(); number > 0) {
                inputs.insert(key, number * 1.5 + 1);
                if (changedOne.isEmpty() && entry.within == window.calculator(index).groupBox())
                    changedOne.insert(key, number * 1.2);
            }
        }
        everything.insert("inputs", inputs);
        everything.insert("program options", QJsonObject{{"rule set", "IPC-2221A"},
                                                         {"etch factor", "None"},
                                                         {"manual copper weight", true},
                                                         {"disable via height", true}});
        geometry.insert("inputs", changedOne);
    }
    const auto run = [](const QJsonArray &cases) {
        return objects(runBatch(QJsonDocument(cases).toJson()));
    };
    const QJsonObject defaults{{"name", "defaults"}, {"calculator", index}};
    const QList<QJsonObject> after = run({everything, defaults, geometry, everything, geometry});
    QCOMPARE(after.size(), 5);
    QCOMPARE(after.at(1), run({defaults}).value(0));
    QCOMPARE(after.at(2), run({geometry}).value(0));
    QCOMPARE(after.at(4), after.at(2));
    QVERIFY(after.at(0) != after.at(1));
}

// Program Options by their captions or short names, as the dialog sets them.
void BatchTest::programOptionsAsWindow()
{
    WindowFixture f;
    f.install();
    f.start();
    f.clickTab(1);
    f.window().form6()->RadioGroup1->setItemIndex(2);
    f.window().form6()->RadioGroup2->setItemIndex(1);
    f.window().Button1Click();
    f.messages.take();
    const QJsonObject out = one(R"({"calculator": 1, "program options": {"rule set": "IPC-2221A",)"
                                R"( "Conductor Etch Factor": "None"}})");
    QVERIFY2(!out.contains("error"), QJsonDocument(out).toJson().constData());
    const QJsonArray results = out.value("results").toArray();
    QVERIFY(!results.isEmpty());
    for (const QJsonValue &value : results)
        QCOMPARE(value.toObject().value("text").toString(),
                 f.text(value.toObject().value("id").toString()));
    QVERIFY(results != one(R"({"calculator": 1})").value("results").toArray());

    const QJsonObject unknown =
        one(R"({"calculator": 1, "program options": {"rule set": "IPC-9999"}})");
    QCOMPARE(unknown.value("error").toObject().value("key").toString(), "rule set");
    QVERIFY(unknown.value("error").toObject().value("choices").toArray().contains(
        "IPC-2152 with modifiers"));
}

// A list choice fills in the boxes it governs; a number given for such a box still wins.
void BatchTest::typedNumberWinsOverList()
{
    const QJsonObject out = one(R"({"calculator": "Conductor Impedance", "inputs": )"
                                R"({"Er": 3.3, "Material Selection": "Teflon PTFE"}})");
    QVERIFY2(!out.contains("error"), QJsonDocument(out).toJson().constData());
    WindowFixture f;
    f.install();
    f.start();
    f.clickTab(7);
    ComboBox *material = f.window().options()->ComboBox1;
    const int teflon = material->findText("Teflon PTFE");
    QVERIFY(teflon >= 0);
    material->setCurrentIndex(teflon);
    emit material->activated(teflon);
    f.enter("Edit7", "3.3");
    for (const QJsonValue &value : out.value("results").toArray())
        QCOMPARE(value.toObject().value("text").toString(),
                 f.text(value.toObject().value("id").toString()));
}

void BatchTest::solveForTarget_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("solvedId");
    QTest::addColumn<QString>("resultId");
    QTest::addColumn<double>("target");
    QTest::newRow("width for Zo") << QByteArray(R"({"calculator": 7, "solve": {"Zo": 50}})")
                                  << "Edit67"
                                  << "Edit70" << 50.0;
    QTest::newRow("width for Zo, metric stripline")
        << QByteArray(R"({"calculator": 7, "units": "metric", "RadioGroup3": "Stripline",)"
                      R"( "solve": {"Zo": 40}})")
        << "Edit67"
        << "Edit70" << 40.0;
    QTest::newRow("spacing for Zdiff")
        << QByteArray(R"({"calculator": 3, "solve": {"Zdiff": 90, "for": "Spacing"}})") << "Edit26"
        << "Edit29" << 90.0;
}

// The width found is reported, and every result belongs to it, as after the window's button.
void BatchTest::solveForTarget()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, solvedId);
    QFETCH(QString, resultId);
    QFETCH(double, target);
    const QJsonObject out = one(input);
    QVERIFY2(!out.contains("error"), QJsonDocument(out).toJson().constData());
    const QJsonArray solved = out.value("solved").toArray();
    QCOMPARE(solved.size(), 1);
    QCOMPARE(solved.at(0).toObject().value("id").toString(), solvedId);
    QVERIFY(solved.at(0).toObject().value("number").toDouble() > 0);
    double impedance = 0;
    for (const QJsonValue &value : out.value("results").toArray())
        if (value.toObject().value("id") == resultId)
            impedance = value.toObject().value("number").toDouble();
    QVERIFY2(std::abs(impedance - target) < 0.02 * target, qPrintable(QString::number(impedance)));
    QVERIFY(out.value("corrected").toArray().isEmpty());

    const QList<QByteArray> csv = runBatch(input, BatchFormat::Csv).output.split('\n');
    QVERIFY(csv.at(0).contains(
        "," + solved.at(0).toObject().value("caption").toString().toUtf8() + ",Z"));
    QVERIFY(csv.at(1).contains("," + solved.at(0).toObject().value("text").toString().toUtf8()));

    // The same case with the width typed in gives the same results.
    QJsonObject typed = QJsonDocument::fromJson(input).object();
    typed.remove("solve");
    typed.insert("inputs", QJsonObject{{solvedId, solved.at(0).toObject().value("text")}});
    QCOMPARE(one(QJsonDocument(typed).toJson(QJsonDocument::Compact)).value("results"),
             out.value("results"));
}

void BatchTest::unreachableTarget()
{
    const BatchRun run = runBatch("{\"calculator\": 7, \"solve\": {\"Zo\": 5000}}\n"
                                  "{\"calculator\": 0, \"solve\": {\"Zo\": 50}}\n");
    QCOMPARE(run.exitCode, 1);
    const QList<QJsonObject> out = objects(run);
    QCOMPARE(out.size(), 2);
    const QJsonObject error = out.at(0).value("error").toObject();
    QCOMPARE(error.value("key").toString(), "solve");
    QVERIFY2(error.value("reason").toString().contains(" Ohms for this stack-up"),
             qPrintable(error.value("reason").toString()));
    QCOMPARE(out.at(1).value("error").toObject().value("reason").toString(),
             "this calculator solves for no target");
}

void BatchTest::viaByCaption()
{
    WindowFixture f;
    f.install();
    f.start();
    f.enter("Edit3", "12");
    f.messages.take();
    const QJsonObject out = one(
        R"({"name": "v12", "calculator": "Via Properties", "inputs": {"Via Hole Diameter": 12}})");
    QCOMPARE(out.value("case").toString(), "v12");
    QCOMPARE(resultText(out, "Edit10"), f.text("Edit10"));
    QCOMPARE(resultText(out, "Edit8"), f.text("Edit8"));
    QVERIFY(resultText(out, "Edit8") != "34.5575 Sq.mils"); // the default hole's area
    for (const QJsonValue &value : out.value("results").toArray()) {
        const QJsonObject result = value.toObject();
        if (result.value("id") == "Edit8") {
            QCOMPARE(result.value("unit").toString(), "Sq.mils");
            QCOMPARE(QString::number(result.value("number").toDouble(), 'f', 4),
                     f.text("Edit8").section(' ', 0, 0));
        }
    }
    QCOMPARE(messageTexts(out), f.messages.take());
    // The identifier names the same box as the caption.
    const QJsonObject byId = one(R"({"calculator": 0, "inputs": {"Edit3": "12"}})");
    QCOMPARE(byId.value("results"), out.value("results"));
}

void BatchTest::correctionAsWindow()
{
    WindowFixture f;
    f.install();
    f.start();
    f.clickRadio("RadioGroup6", 1);
    f.messages.take();
    f.enter("Edit3", "20");
    const QStringList shown = f.messages.take();
    QVERIFY(!shown.isEmpty());
    const QJsonObject out =
        one(R"({"calculator": "Via Properties", "units": "metric", "inputs": {"Edit3": 20}})");
    QCOMPARE(messageTexts(out), shown);
    // The hole is limited, and the pad and plane opening follow it, as in the window.
    const QJsonArray corrected = out.value("corrected").toArray();
    QStringList ids;
    for (const QJsonValue &value : corrected) {
        const QJsonObject entry = value.toObject();
        ids.append(entry.value("id").toString());
        QCOMPARE(entry.value("to").toString(), f.text(ids.last()));
    }
    QCOMPARE(ids, QStringList({"Edit3", "Edit4", "Edit5"}));
    QCOMPARE(corrected.at(0).toObject().value("from").toString(), "20");
    QCOMPARE(resultText(out, "Edit10"), f.text("Edit10"));
}

// The selector item by its text, and options-panel entries by their captions.
void BatchTest::selectorAndOptions()
{
    WindowFixture f;
    f.install();
    f.start();
    f.clickRadio("RadioGroup3", 2);
    f.enter("Edit1", "30");
    ComboBox *material = f.window().options()->ComboBox1;
    material->setCurrentIndex(15);
    emit material->activated(15);
    f.messages.take();
    const QString item = f.window().options()->RadioGroup3->items().at(2);
    const QString input = R"j({"calculator": 0, "RadioGroup3": "%1", "inputs": )j"
                          R"j({"Temp Rise (°C)": 30, "Material Selection": "%2"}})j";
    const QJsonObject out = one(input.arg(item, material->itemText(15)).toUtf8());
    QVERIFY2(!out.contains("error"), QJsonDocument(out).toJson().constData());
    QStringList batch;
    QStringList window;
    for (const QJsonValue &value : out.value("results").toArray()) {
        const QString id = value.toObject().value("id").toString();
        batch.append(id + "=" + value.toObject().value("text").toString());
        window.append(id + "=" + f.text(id));
    }
    QCOMPARE(batch, window);
    // The defaults differ, so the selector and options did reach the calculator.
    QVERIFY(resultText(out, "Edit10") != resultText(one(R"({"calculator": 0})"), "Edit10"));
}

void BatchTest::refusedCases_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("choice");
    QTest::newRow("calculator") << QByteArray(R"({"calculator": "Via Propertys"})") << "calculator"
                                << "Via Properties";
    QTest::newRow("index") << QByteArray(R"({"calculator": 20})") << "calculator"
                           << "Via Properties";
    QTest::newRow("input") << QByteArray(R"({"calculator": 0, "inputs": {"Hole": 1}})") << "Hole"
                           << "Via Hole Diameter";
    QTest::newRow("hidden entry") << QByteArray(R"({"calculator": 0, "inputs": {"Edit136": 1}})")
                                  << "Edit136"
                                  << "Via Hole Diameter";
    QTest::newRow("key") << QByteArray(R"({"calculator": 0, "unit": "metric"})") << "unit"
                         << "units";
    QTest::newRow("units") << QByteArray(R"({"calculator": 0, "units": "si"})") << "units"
                           << "metric";
    QTest::newRow("not a number") << QByteArray(R"({"calculator": 0, "inputs": {"Edit3": "1,5"}})")
                                  << "Edit3"
                                  << "";
    QTest::newRow("selector item")
        << QByteArray(R"({"calculator": 0, "RadioGroup3": "Nowhere"})") << "RadioGroup3"
        << "";
}

// A refused case names its key and the valid choices; the next case still runs.
void BatchTest::refusedCases()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, key);
    QFETCH(QString, choice);
    const BatchRun run = runBatch(input + "\n{\"calculator\": 0}\n");
    QCOMPARE(run.exitCode, 1);
    const QList<QJsonObject> out = objects(run);
    QCOMPARE(out.size(), 2);
    QCOMPARE(out.at(0).value("case").toInt(), 1);
    const QJsonObject error = out.at(0).value("error").toObject();
    QCOMPARE(error.value("key").toString(), key);
    if (!choice.isEmpty())
        QVERIFY(error.value("choices").toArray().contains(choice));
    QVERIFY(!out.at(1).contains("error"));
    QCOMPARE(out.at(1).value("case").toInt(), 2);
}

void BatchTest::malformedInput_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("where");
    QTest::newRow("array") << QByteArray("[\n  {\"calculator\": 0},\n  {\"calculator\" 0}\n]")
                           << "line 3, column";
    QTest::newRow("lines") << QByteArray("{\"calculator\": 0}\n{\"calculator\": }\n")
                           << "line 2, column";
    QTest::newRow("empty") << QByteArray(" \n") << "empty";
}

// Nothing is written for input that is not JSON, not even its good cases.
void BatchTest::malformedInput()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, where);
    const BatchRun run = runBatch(input);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.output.isEmpty());
    QVERIFY2(run.errors.contains(where), qPrintable(run.errors));
}

// One row per case under one header; results as numbers, refused cases keep their row.
void BatchTest::csvRows()
{
    const QByteArray cases = R"([{"name": "a", "calculator": 0, "inputs": {"Edit3": 12}},
                                 {"name": "b, wide", "calculator": 0, "inputs": {"Edit3": 300}},
                                 {"calculator": 0, "inputs": {"Edit3": "x"}}])";
    const BatchRun run = runBatch(cases, BatchFormat::Csv);
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = QString::fromUtf8(run.output).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines.at(0).startsWith("case,calculator,Edit3,Conductor Cross Section,Via Current,"),
             qPrintable(lines.at(0)));
    QVERIFY(lines.at(0).endsWith(",messages,error"));
    const QJsonObject json = one(R"({"calculator": 0, "inputs": {"Edit3": 12}})");
    const QString area = QString::number(
        json.value("results").toArray().at(0).toObject().value("number").toDouble(), 'g', 15);
    QVERIFY2(lines.at(1).startsWith("a,Via Properties,12," + area + ","), qPrintable(lines.at(1)));
    QVERIFY(lines.at(2).startsWith("\"b, wide\",Via Properties,300,"));
    QVERIFY(lines.at(2).contains("Maximum via hole diameter can't be greater than 250mils"));
    QVERIFY(lines.at(3).endsWith(",Edit3: not a number"));
}

void BatchTest::listing()
{
    const BatchRun all = listCalculators();
    QCOMPARE(all.exitCode, 0);
    QCOMPARE(all.output.count('\n'), CalculatorCount);
    QVERIFY(all.output.startsWith("0\tVia Properties\n"));
    const BatchRun via = listCalculators("via properties");
    QCOMPARE(via.exitCode, 0);
    QVERIFY(via.output.contains("Via Hole Diameter\tEdit3\tmils\tmm\t10\n"));
    QVERIFY(via.output.contains("Via Current\tEdit10\tAmps\tAmps\n"));
    const BatchRun unknown = listCalculators("Nothing");
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY(unknown.errors.contains("Via Properties"));
}

// The real program on a machine with no window system, its settings folder watched.
void BatchTest::programWithoutDisplay()
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(TRACEWRIGHT_PROGRAM, {"--batch", "-"});
    QVERIFY(program.waitForStarted());
    program.write(R"([{"calculator": "Via Properties", "inputs": {"Via Hole Diameter": "12"}}])");
    program.closeWriteChannel();
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QJsonObject out = QJsonDocument::fromJson(program.readAllStandardOutput()).object();
    QCOMPARE(out.value("calculator").toString(), "Via Properties");
    const QString current = resultText(out, "Edit10");
    QVERIFY(current.endsWith(" Amps"));
    QCOMPARE(current, resultText(one(R"({"calculator": 0, "inputs": {"Edit3": 12}})"), "Edit10"));
    // Nothing was stored where the user's settings live.
    QVERIFY(!QFileInfo::exists(home.filePath("config")));
}

QTEST_MAIN(BatchTest)
#include "tst_batch.moc"
