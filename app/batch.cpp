#include "app/batch.h"
#include "app/batch_csv.h"
#include "app/batch_output.h"
#include "app/batch_window.h"

#include "app/calculator_table.h"
#include "app/settings/program_options.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/event_guard.h"
#include "ui/info_panel.h"
#include "ui/options_panel.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace tw {

namespace {

ShownText shownText(const QString &caption, const QWidget *widget)
{
    return {caption, widget->objectName(), textOf(widget)};
}

std::optional<int> findCalculator(const QJsonValue &name)
{
    const auto &table = calculatorTable();
    if (name.isDouble()) {
        const double index = name.toDouble();
        if (index >= 0 && index < CalculatorCount && index == static_cast<int>(index))
            return static_cast<int>(index);
        return std::nullopt;
    }
    if (!name.isString())
        return std::nullopt;
    for (const CalculatorRow &row : table)
        if (sameName(QString::fromUtf8(row.tabCaption), name.toString()))
            return row.index;
    bool isIndex = false;
    const int index = name.toString().toInt(&isIndex);
    if (isIndex && index >= 0 && index < CalculatorCount)
        return index;
    return std::nullopt;
}

QJsonArray calculatorNames()
{
    QJsonArray names;
    for (const CalculatorRow &row : calculatorTable())
        names.append(QString::fromUtf8(row.tabCaption));
    return names;
}

// A number as the window takes it: a JSON number, or a string with a decimal point.
std::optional<QString> numberText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    if (!value.isString())
        return std::nullopt;
    const QString text = value.toString().trimmed();
    bool ok = false;
    text.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return text;
}

class CaseFailure {
public:
    QJsonObject error;
};

[[noreturn]] void fail(const QString &key, const QString &reason, const QJsonArray &choices = {})
{
    QJsonObject error{{"key", key}, {"reason", reason}};
    if (!choices.isEmpty())
        error.insert("choices", choices);
    throw CaseFailure{error};
}

void setUnits(TForm1 &window, const QJsonValue &units)
{
    const QString name = units.toString().toLower();
    int index = -1;
    if (name == QStringLiteral("imperial"))
        index = 0;
    else if (name == QStringLiteral("metric"))
        index = 1;
    if (index < 0)
        fail("units", "unknown unit system", QJsonArray{"imperial", "metric"});
    if (!window.RadioGroup6->isEnabled() && index != window.RadioGroup6->itemIndex())
        fail("units", "this calculator has no unit switch");
    guardEvent([&] { window.RadioGroup6->setItemIndex(index); });
}

// An item by its text, or by the start of it where only one item starts so.
std::optional<int> itemOf(const QStringList &items, const QString &wanted)
{
    std::optional<int> byStart;
    int starting = 0;
    for (int i = 0; i < items.size(); ++i) {
        if (sameName(items.at(i), wanted))
            return i;
        if (!wanted.isEmpty() &&
            plainCaption(items.at(i)).startsWith(wanted, Qt::CaseInsensitive)) {
            byStart = i;
            ++starting;
        }
    }
    return starting == 1 ? byStart : std::nullopt;
}

void chooseItem(RadioGroup *group, const QString &key, const QJsonValue &item,
                const QString &noItems)
{
    const QStringList items = group->items();
    const std::optional<int> index = itemOf(items, item.toString());
    if (!index)
        fail(key, items.isEmpty() ? noItems : QStringLiteral("unknown item"),
             QJsonArray::fromStringList(items));
    guardEvent([&] { group->setItemIndex(*index); });
}

// The Program Options by the captions of the dialog, or a short name.
void setProgramOptions(TForm6 &dialog, const QJsonValue &value)
{
    struct Choice {
        QWidget *control;
        QStringList names;
    };
    const std::vector<Choice> choices = {
        {dialog.RadioGroup1, {dialog.RadioGroup1->title(), "rule set", "RadioGroup1"}},
        {dialog.RadioGroup2, {dialog.RadioGroup2->title(), "etch factor", "RadioGroup2"}},
        {dialog.CheckBox1, {dialog.CheckBox1->text(), "manual copper weight", "CheckBox1"}},
        {dialog.CheckBox2, {dialog.CheckBox2->text(), "disable via height", "CheckBox2"}}};
    QJsonArray names;
    for (const Choice &choice : choices)
        names.append(plainCaption(choice.names.first()));
    if (!value.isObject())
        fail("program options", "an object of option names and choices", names);
    const QJsonObject options = value.toObject();
    for (auto it = options.begin(); it != options.end(); ++it) {
        const Choice *found = nullptr;
        for (const Choice &choice : choices)
            for (const QString &name : choice.names)
                if (sameName(name, it.key()))
                    found = &choice;
        if (!found)
            fail(it.key(), "unknown program option", names);
        if (auto *check = qobject_cast<CheckBox *>(found->control)) {
            if (!it.value().isBool())
                fail(it.key(), "true or false");
            if (check->isChecked() != it.value().toBool())
                guardEvent([&] { check->setCheckedByProgram(it.value().toBool()); });
        } else {
            chooseItem(static_cast<RadioGroup *>(found->control), it.key(), it.value(), {});
        }
    }
}

const BatchEntry &findEntry(const QList<BatchEntry> &entries, const QString &key)
{
    const BatchEntry *found = nullptr;
    for (const BatchEntry &entry : entries)
        if (entry.widget->objectName() == key)
            found = &entry;
    if (!found)
        for (const BatchEntry &entry : entries)
            if (const QString caption = entry.caption();
                !caption.isEmpty() && sameName(caption, key))
                found = &entry;
    if (!found || !found->open()) {
        QJsonArray choices;
        for (const BatchEntry &entry : entries)
            if (entry.open())
                choices.append(entry.caption().isEmpty() ? entry.widget->objectName()
                                                         : entry.caption());
        fail(key, found ? "not open to entry for this calculator" : "unknown input", choices);
    }
    return *found;
}

void chooseListItem(QComboBox *combo, const QString &key, const QJsonValue &value)
{
    const QString wanted = value.isDouble() ? *numberText(value) : value.toString();
    for (int i = 0; i < combo->count(); ++i)
        if (sameName(combo->itemText(i), wanted)) {
            // The window's lists answer the user's choice, not every change of index.
            guardEvent([&] {
                combo->setCurrentIndex(i);
                emit combo->activated(i);
            });
            return;
        }
    if (!combo->isEditable()) {
        QJsonArray items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        fail(key, "unknown item", items);
    }
    guardEvent([&] { combo->setCurrentText(wanted); });
}

void typeNumber(QWidget *widget, const QString &key, const QJsonValue &value)
{
    const std::optional<QString> text = numberText(value);
    if (!text)
        fail(key, "not a number");
    auto *edit = static_cast<QLineEdit *>(widget);
    guardEvent([&] { edit->setText(*text); });
}

// Lists first, then boxes: a number typed for a box wins over what choosing an item fills in,
// whatever the order of the keys.
void setInputs(const QList<BatchEntry> &entries, const QJsonObject &inputs)
{
    QList<QJsonObject::const_iterator> boxes;
    for (auto it = inputs.begin(); it != inputs.end(); ++it) {
        const BatchEntry &entry = findEntry(entries, it.key());
        if (auto *combo = qobject_cast<QComboBox *>(entry.widget))
            chooseListItem(combo, it.key(), it.value());
        else if (auto *radio = qobject_cast<RadioGroup *>(entry.widget))
            chooseItem(radio, it.key(),
                       it.value().isDouble() ? QJsonValue(*numberText(it.value())) : it.value(),
                       {});
        else
            boxes.append(it);
    }
    for (const auto &it : boxes)
        typeNumber(findEntry(entries, it.key()).widget, it.key(), it.value());
}

// A target in place of a width: {"Zo": 50}, or {"Zdiff": 100, "for": "Spacing"}. The box
// captioned "Target <name>" takes the number; the button that runs the search is returned.
QPushButton *prepareSolve(BatchWindow &batch, int index, const QJsonValue &value)
{
    QWidget *box = batch.window().calculator(index).groupBox();
    const QList<BatchEntry> &entries = batch.entries(index);
    QJsonArray targets;
    for (const BatchEntry &entry : entries)
        if (entry.within == box && entry.caption().startsWith(QStringLiteral("Target ")))
            targets.append(entry.caption().mid(7));
    QPushButton *button = nullptr;
    for (QPushButton *candidate : box->findChildren<QPushButton *>())
        if (candidate->objectName().startsWith(QStringLiteral("Solve")))
            button = candidate;
    if (targets.isEmpty() || !button)
        fail("solve", "this calculator solves for no target");
    const QJsonObject wanted = value.toObject();
    bool targetGiven = false;
    for (auto it = wanted.begin(); it != wanted.end(); ++it) {
        if (it.key().compare(QStringLiteral("for"), Qt::CaseInsensitive) == 0) {
            RadioGroup *what = nullptr;
            for (RadioGroup *group : box->findChildren<RadioGroup *>())
                if (sameName(group->title(), QStringLiteral("Solve For")))
                    what = group;
            if (!what)
                fail("solve.for", "this calculator solves for the width only");
            chooseItem(what, QStringLiteral("solve.for"), it.value(), {});
            continue;
        }
        if (!targets.contains(it.key()))
            fail("solve." + it.key(), "unknown target", targets + QJsonArray{"for"});
        typeNumber(findEntry(entries, QStringLiteral("Target ") + it.key()).widget,
                   "solve." + it.key(), it.value());
        targetGiven = true;
    }
    if (!targetGiven)
        fail("solve", "no target given", targets);
    return button;
}

// Runs the search; what it found is every box of the calculator the search changed.
QList<ShownText> runSolve(BatchWindow &batch, int index, QPushButton *button)
{
    QWidget *box = batch.window().calculator(index).groupBox();
    const QList<BatchEntry> &entries = batch.entries(index);
    QMap<QWidget *, QString> before;
    for (const BatchEntry &entry : entries)
        before.insert(entry.widget, textOf(entry.widget));
    const int shownBefore = batch.messages.shown.size();
    guardEvent([&] { button->click(); });
    QList<ShownText> solved;
    for (const BatchEntry &entry : entries)
        if (entry.within == box && textOf(entry.widget) != before.value(entry.widget))
            solved.append(shownText(entry.caption(), entry.widget));
    if (solved.isEmpty()) {
        const QJsonArray &shown = batch.messages.shown;
        fail("solve", shown.size() > shownBefore ? shown.last().toObject().value("text").toString()
                                                 : QStringLiteral("the search changed nothing"));
    }
    return solved;
}

const QStringList &caseKeys()
{
    static const QStringList keys{"name",   "calculator", "units", "RadioGroup3", "program options",
                                  "inputs", "solve"};
    return keys;
}

CaseOutput runCase(BatchWindow &batch, const QJsonValue &value, int number)
{
    CaseOutput out;
    const QJsonObject in = value.toObject();
    const QJsonValue name = in.value("name");
    out.name = name.isUndefined() ? QJsonValue(number) : name;
    if (!value.isObject()) {
        out.error = QJsonObject{{"reason", "a case is a JSON object"}};
        return out;
    }
    try {
        for (auto it = in.begin(); it != in.end(); ++it)
            if (!caseKeys().contains(it.key()))
                fail(it.key(), "unknown key", QJsonArray::fromStringList(caseKeys()));
        const std::optional<int> index = findCalculator(in.value("calculator"));
        if (!index)
            fail("calculator", "unknown calculator", calculatorNames());
        const CalculatorRow &row = calculatorTable().at(static_cast<std::size_t>(*index));
        out.calculator = QString::fromUtf8(row.tabCaption);

        batch.begin(*index);
        TForm1 &window = batch.window();
        if (in.contains("program options"))
            setProgramOptions(*window.form6(), in.value("program options"));
        if (in.contains("units"))
            setUnits(window, in.value("units"));
        if (in.contains("RadioGroup3"))
            chooseItem(window.options()->RadioGroup3, "RadioGroup3", in.value("RadioGroup3"),
                       "this calculator has no selector");

        const QList<BatchEntry> &entries = batch.entries(*index);
        setInputs(entries, in.value("inputs").toObject());
        QPushButton *solveButton =
            in.contains("solve") ? prepareSolve(batch, *index, in.value("solve")) : nullptr;

        QList<QString> entered;
        entered.reserve(entries.size());
        for (const BatchEntry &entry : entries)
            entered.append(textOf(entry.widget));
        guardEvent([&] { window.Button1Click(); });
        if (solveButton) {
            // The search writes the width it found; that is its answer, not a correction.
            out.solved = runSolve(batch, *index, solveButton);
            for (qsizetype i = 0; i < entries.size(); ++i)
                for (const ShownText &found : *out.solved)
                    if (entries.at(i).widget->objectName() == found.id)
                        entered[i] = found.text;
        }

        QWidget *box = window.calculator(*index).groupBox();
        for (const BatchResult &result : batch.results(*index))
            if (result.widget->isVisibleTo(box))
                out.results.append(shownText(result.caption(), result.widget));
        // The information panel's lines for this calculator, as the window shows them beside it.
        QWidget *panel = window.info()->widget();
        for (const BatchResult &result : batch.information())
            if (result.widget->isVisibleTo(panel))
                out.information.append(shownText(result.caption(), result.widget));
        out.messages = batch.messages.shown;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const BatchEntry &entry = entries.at(i);
            const QString now = textOf(entry.widget);
            if (now != entered.at(i))
                out.corrected.append(
                    {entry.caption(), entry.widget->objectName(), entered.at(i), now});
        }
        out.ran = true;
    } catch (const CaseFailure &failure) {
        out.error = failure.error;
    }
    return out;
}

QString lineAndColumn(const QByteArray &input, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < input.size(); ++i) {
        if (input.at(i) == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// The cases of the input, or the reason it is refused.
std::optional<QJsonArray> readCases(const QByteArray &input, QString &refused)
{
    const QByteArray trimmed = input.trimmed();
    if (trimmed.isEmpty()) {
        refused = QStringLiteral("no cases: the input is empty");
        return std::nullopt;
    }
    if (trimmed.startsWith('[')) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(input, &error);
        if (error.error != QJsonParseError::NoError) {
            refused = QStringLiteral("malformed JSON at %1: %2")
                          .arg(lineAndColumn(input, error.offset), error.errorString());
            return std::nullopt;
        }
        return document.array();
    }
    QJsonArray cases;
    const QList<QByteArray> lines = input.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(lines.at(i), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            const QString column = error.error != QJsonParseError::NoError
                                       ? QString::number(error.offset + 1)
                                       : QStringLiteral("1");
            refused = QStringLiteral("malformed JSON at line %1, column %2: %3")
                          .arg(i + 1)
                          .arg(column)
                          .arg(error.error != QJsonParseError::NoError
                                   ? error.errorString()
                                   : QStringLiteral("a line holds one case object"));
            return std::nullopt;
        }
        cases.append(document.object());
    }
    return cases;
}

} // namespace

BatchRun runBatch(const QByteArray &input, BatchFormat format,
                  const std::function<void(const QByteArray &)> &write)
{
    BatchRun run;
    const std::optional<QJsonArray> cases = readCases(input, run.errors);
    if (!cases) {
        run.exitCode = 2;
        return run;
    }
    BatchWindow batch;
    QList<QJsonObject> outputs;
    for (int i = 0; i < cases->size(); ++i) {
        const CaseOutput out = runCase(batch, cases->at(i), i + 1);
        if (out.failed())
            run.exitCode = 1;
        if (format == BatchFormat::Json && write)
            write(out.jsonLine());
        else if (format == BatchFormat::Json)
            run.output += out.jsonLine();
        else
            outputs.append(out.toJson());
    }
    if (format == BatchFormat::Csv)
        run.output = csvTable(*cases, outputs);
    return run;
}

namespace {

// The items of a list or selector, after its default.
QString choicesOf(const QWidget *widget)
{
    QStringList items;
    if (auto *radio = qobject_cast<const RadioGroup *>(widget))
        items = radio->items();
    else if (auto *combo = qobject_cast<const QComboBox *>(widget); combo && !combo->isEditable())
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
    return items.isEmpty() ? QString()
                           : QStringLiteral("\tof: ") + items.join(QStringLiteral(" | "));
}

} // namespace

BatchRun listCalculators(const QString &calculator)
{
    BatchRun run;
    if (calculator.isEmpty()) {
        for (const CalculatorRow &row : calculatorTable())
            run.output += QStringLiteral("%1\t%2\n")
                              .arg(row.index)
                              .arg(QString::fromUtf8(row.tabCaption))
                              .toUtf8();
        return run;
    }
    const std::optional<int> index = findCalculator(QJsonValue(calculator));
    if (!index) {
        QStringList names;
        for (const auto &name : calculatorNames())
            names.append(name.toString());
        run.errors = QStringLiteral("unknown calculator '%1'; choose one of: %2")
                         .arg(calculator, names.join(QStringLiteral(", ")));
        run.exitCode = 2;
        return run;
    }
    BatchWindow batch;
    TForm1 &window = batch.window();
    batch.begin(*index);
    QWidget *box = window.calculator(*index).groupBox();
    QWidget *options = window.options()->widget();
    const QList<BatchEntry> &entries = batch.entries(*index);
    const QList<BatchResult> &results = batch.results(*index);

    // Units as each system shows them; a calculator without the switch has one system.
    QMap<QWidget *, QString> imperial;
    QMap<QWidget *, QString> metric;
    const auto unitsNow = [&](QMap<QWidget *, QString> &units) {
        for (const BatchEntry &entry : entries)
            units.insert(entry.widget, unitBeside(entry.widget, entry.within));
        for (const BatchResult &result : results) {
            QString unit = unitBeside(result.widget, box);
            if (unit.isEmpty())
                if (const auto split = splitNumber(textOf(result.widget)))
                    unit = split->unit;
            units.insert(result.widget, unit);
        }
    };
    unitsNow(imperial);
    if (window.RadioGroup6->isEnabled()) {
        guardEvent([&] { window.RadioGroup6->setItemIndex(1); });
        unitsNow(metric);
    } else {
        metric = imperial;
    }
    batch.begin(*index);

    QString text = QStringLiteral("%1\t%2\n")
                       .arg(*index)
                       .arg(QString::fromUtf8(
                           calculatorTable().at(static_cast<std::size_t>(*index)).tabCaption));
    const auto listEntries = [&](const QString &title, QWidget *within) {
        text += title +
                QStringLiteral(" (caption\tidentifier\timperial unit\tmetric unit\tdefault):\n");
        for (const BatchEntry &entry : entries)
            if (entry.within == within && entry.open())
                text += QStringLiteral("  %1\t%2\t%3\t%4\t%5\n")
                            .arg(entry.caption(), entry.widget->objectName(),
                                 imperial.value(entry.widget), metric.value(entry.widget),
                                 textOf(entry.widget) + choicesOf(entry.widget));
    };
    listEntries(QStringLiteral("inputs"), box);
    listEntries(QStringLiteral("options panel"), options);
    const QStringList items = window.options()->RadioGroup3->items();
    if (!items.isEmpty())
        text += QStringLiteral("RadioGroup3 items:\n  ") + items.join(QStringLiteral("\n  ")) +
                QLatin1Char('\n');
    text += QStringLiteral("results (caption\tidentifier\timperial unit\tmetric unit):\n");
    for (const BatchResult &result : results)
        if (result.widget->isVisibleTo(box))
            text += QStringLiteral("  %1\t%2\t%3\t%4\n")
                        .arg(result.caption(), result.widget->objectName(),
                             imperial.value(result.widget), metric.value(result.widget));
    TForm6 &dialog = *window.form6();
    text += QStringLiteral("program options (\"program options\": {caption: choice}):\n");
    for (RadioGroup *group : {dialog.RadioGroup1, dialog.RadioGroup2})
        text += QStringLiteral("  %1\t%2\n")
                    .arg(plainCaption(group->title()), group->items().join(QStringLiteral(" | ")));
    for (CheckBox *check : {dialog.CheckBox1, dialog.CheckBox2})
        text += QStringLiteral("  %1\ttrue | false\n").arg(plainCaption(check->text()));
    run.output = text.toUtf8();
    return run;
}

} // namespace tw
