#include "app/batch.h"
#include "app/batch_csv.h"

#include "app/calculator_table.h"
#include "app/main_window.h"
#include "app/settings/registry_file.h"
#include "app/settings/settings_store.h"
#include "ui/controls.h"
#include "ui/event_guard.h"
#include "ui/info_panel.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>

#include <memory>
#include <optional>

namespace tw {

namespace {

// The installed settings, kept in memory: a batch run never reads or writes the user's.
class MemorySettings final : public SettingsStore {
public:
    MemorySettings()
    {
        for (const auto &value : registry_file::defaults())
            values_.insert(value.first, value.second);
    }
    bool keyExists() const override { return true; }
    std::optional<QString> read(const QString &name) const override
    {
        const auto found = values_.constFind(name);
        if (found == values_.constEnd())
            return std::nullopt;
        return *found;
    }
    bool write(const QString &name, const QString &value) override
    {
        values_.insert(name, value);
        return true;
    }

private:
    QMap<QString, QString> values_;
};

// The texts of the boxes the window would show, in order. A question is answered "No", as a
// box closed without a choice would be.
class MessageSink final : public Messages {
public:
    void information(const QString &text) override { record(QStringLiteral("information"), text); }
    bool question(const QString &title, const QString &text) override
    {
        QJsonObject message{{"kind", "question"}, {"title", title}, {"text", text}};
        shown.append(message);
        return false;
    }
    void error(const QString &text) override { record(QStringLiteral("error"), text); }

    QJsonArray shown;

private:
    void record(const QString &kind, const QString &text)
    {
        shown.append(QJsonObject{{"kind", kind}, {"text", text}});
    }
};

class NoDesktop final : public Desktop {
public:
    bool openUrl(const QString &) override { return false; }
    bool openDocument(const QString &) override { return false; }
    bool startProgram(const QString &, const QStringList &) override { return false; }
};

// A caption as a name: without its accelerator mark and closing colon or equals sign, compared
// without case.
QString plainCaption(QString caption)
{
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char('=')))
        caption.chop(1);
    return caption.trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return plainCaption(a).compare(plainCaption(b), Qt::CaseInsensitive) == 0;
}

QString captionOf(const QWidget *widget, const QWidget *within)
{
    const auto labels = within->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        if (label->buddy() == widget)
            return plainCaption(label->text());
    return {};
}

// An entry a case can set: a box or a list, in the calculator's group box or the options panel.
struct Entry {
    QString caption;
    QWidget *widget;
    QWidget *within;
    // What the user can type into or choose from in the window for this calculator.
    bool open() const { return widget->isVisibleTo(within) && widget->isEnabled(); }
};

// A box alone in a titled group box, such as the temperature rise, is named by the title.
QString groupTitleOf(const QWidget *widget)
{
    auto *group = qobject_cast<const QGroupBox *>(widget->parentWidget());
    if (!group || group->findChildren<QLineEdit *>().size() != 1)
        return {};
    return plainCaption(group->title());
}

QList<Entry> entriesOf(QWidget *within)
{
    QList<Entry> entries;
    const auto widgets = within->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        auto *edit = qobject_cast<QLineEdit *>(widget);
        auto *combo = qobject_cast<QComboBox *>(widget);
        if ((edit && !edit->isReadOnly() && !qobject_cast<QComboBox *>(edit->parentWidget())) ||
            combo) {
            QString caption = captionOf(widget, within);
            if (caption.isEmpty())
                caption = groupTitleOf(widget);
            entries.append({caption, widget, within});
        }
    }
    return entries;
}

struct Result {
    QString caption;
    QWidget *widget;
};

// The results in the order the form lays them out: read-only boxes and value labels beside a
// caption, then read-only boxes without one. Unit boxes take no focus and are not results.
QList<Result> resultsOf(QWidget *box)
{
    QList<Result> results;
    QList<QWidget *> seen;
    const auto grids = box->findChildren<QGridLayout *>();
    for (QGridLayout *grid : grids) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            QLayoutItem *first = grid->itemAtPosition(row, 0);
            QLayoutItem *second = grid->itemAtPosition(row, 1);
            auto *caption = first ? qobject_cast<QLabel *>(first->widget()) : nullptr;
            QWidget *value = second ? second->widget() : nullptr;
            if (!caption || !value || caption == value || value->objectName().isEmpty())
                continue;
            auto *edit = qobject_cast<QLineEdit *>(value);
            auto *label = qobject_cast<QLabel *>(value);
            if ((edit && edit->isReadOnly()) || (label && caption->buddy() == nullptr)) {
                results.append({plainCaption(caption->text()), value});
                seen.append(value);
            }
        }
    }
    const auto edits = box->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits)
        if (edit->isReadOnly() && edit->focusPolicy() != Qt::NoFocus && !seen.contains(edit) &&
            !edit->objectName().isEmpty())
            results.append({captionOf(edit, box), edit});
    return results;
}

QString textOf(const QWidget *widget)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    return {};
}

QJsonObject resultObject(const Result &result)
{
    const QString text = textOf(result.widget);
    QJsonObject object{
        {"caption", result.caption}, {"id", result.widget->objectName()}, {"text", text}};
    static const QRegularExpression numberThenUnit(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*(.*?)\\s*$"));
    const QRegularExpressionMatch match = numberThenUnit.match(text);
    if (match.hasMatch()) {
        bool ok = false;
        const double number = match.captured(1).toDouble(&ok);
        if (ok) {
            object.insert("number", number);
            if (!match.captured(2).isEmpty())
                object.insert("unit", match.captured(2));
        }
    }
    return object;
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

// One window per case, so every case starts from the installed defaults as a fresh start does.
class Session {
public:
    Session()
    {
        window_ =
            std::make_unique<TForm1>(Services{messages, settings_, desktop_, clock_, [](int) {}},
                                     StartOptions{true, DecimalMode::Point});
        window_->Button3Click();
        messages.shown = QJsonArray();
    }
    TForm1 &window() { return *window_; }

    MessageSink messages;

private:
    MemorySettings settings_;
    NoDesktop desktop_;
    NoWaitClock clock_;
    std::unique_ptr<TForm1> window_;
};

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

void setSelector(TForm1 &window, const QJsonValue &item)
{
    RadioGroup *selector = window.options()->RadioGroup3;
    const QStringList items = selector->items();
    for (int i = 0; i < items.size(); ++i)
        if (sameName(items.at(i), item.toString())) {
            guardEvent([&] { selector->setItemIndex(i); });
            return;
        }
    fail("RadioGroup3", items.isEmpty() ? "this calculator has no selector" : "unknown item",
         QJsonArray::fromStringList(items));
}

void setEntry(const QList<Entry> &entries, const QString &key, const QJsonValue &value)
{
    const Entry *found = nullptr;
    for (const Entry &entry : entries)
        if (entry.widget->objectName() == key ||
            (!entry.caption.isEmpty() && sameName(entry.caption, key)))
            found = &entry;
    if (!found || !found->open()) {
        QJsonArray choices;
        for (const Entry &entry : entries)
            if (entry.open())
                choices.append(entry.caption.isEmpty() ? entry.widget->objectName()
                                                       : entry.caption);
        fail(key, found ? "not open to entry for this calculator" : "unknown input", choices);
    }
    if (auto *combo = qobject_cast<QComboBox *>(found->widget)) {
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
        return;
    }
    const std::optional<QString> text = numberText(value);
    if (!text)
        fail(key, "not a number");
    auto *edit = static_cast<QLineEdit *>(found->widget);
    guardEvent([&] { edit->setText(*text); });
}

QJsonObject runCase(const QJsonValue &value, int number)
{
    QJsonObject out;
    const QJsonObject in = value.toObject();
    const QJsonValue name = in.value("name");
    out.insert("case", name.isUndefined() ? QJsonValue(number) : name);
    if (!value.isObject()) {
        out.insert("error", QJsonObject{{"reason", "a case is a JSON object"}});
        return out;
    }
    try {
        const std::optional<int> index = findCalculator(in.value("calculator"));
        if (!index)
            fail("calculator", "unknown calculator", calculatorNames());
        const CalculatorRow &row = calculatorTable().at(static_cast<std::size_t>(*index));
        out.insert("calculator", QString::fromUtf8(row.tabCaption));

        Session session;
        TForm1 &window = session.window();
        guardEvent([&] { window.configureCalculator(*index); });
        if (in.contains("units"))
            setUnits(window, in.value("units"));
        if (in.contains("RadioGroup3"))
            setSelector(window, in.value("RadioGroup3"));

        QWidget *box = window.calculator(*index).groupBox();
        QList<Entry> entries = entriesOf(box);
        entries.append(entriesOf(window.options()->widget()));
        const QJsonObject inputs = in.value("inputs").toObject();
        for (auto it = inputs.begin(); it != inputs.end(); ++it)
            setEntry(entries, it.key(), it.value());
        for (auto it = in.begin(); it != in.end(); ++it)
            if (!QStringList{"name", "calculator", "units", "RadioGroup3", "inputs"}.contains(
                    it.key()))
                fail(it.key(), "unknown key",
                     QJsonArray{"name", "calculator", "units", "RadioGroup3", "inputs"});

        QMap<QWidget *, QString> entered;
        for (const Entry &entry : entries)
            entered.insert(entry.widget, textOf(entry.widget));
        guardEvent([&] { window.Button1Click(); });

        QJsonArray results;
        for (const Result &result : resultsOf(box))
            if (result.widget->isVisibleTo(box))
                results.append(resultObject(result));
        out.insert("results", results);
        // The information panel's lines for this calculator, as the window shows them beside it.
        QWidget *panel = window.info()->widget();
        QJsonArray information;
        for (const Result &result : resultsOf(panel))
            if (result.widget->isVisibleTo(panel))
                information.append(resultObject(result));
        out.insert("information", information);
        out.insert("messages", session.messages.shown);
        QJsonArray corrected;
        for (const Entry &entry : entries) {
            const QString now = textOf(entry.widget);
            if (now != entered.value(entry.widget))
                corrected.append(QJsonObject{{"caption", entry.caption},
                                             {"id", entry.widget->objectName()},
                                             {"from", entered.value(entry.widget)},
                                             {"to", now}});
        }
        out.insert("corrected", corrected);
    } catch (const CaseFailure &failure) {
        out.insert("error", failure.error);
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

BatchRun runBatch(const QByteArray &input, BatchFormat format)
{
    BatchRun run;
    const std::optional<QJsonArray> cases = readCases(input, run.errors);
    if (!cases) {
        run.exitCode = 2;
        return run;
    }
    QList<QJsonObject> outputs;
    for (int i = 0; i < cases->size(); ++i) {
        const QJsonObject out = runCase(cases->at(i), i + 1);
        if (out.contains("error"))
            run.exitCode = 1;
        if (format == BatchFormat::Json)
            run.output += QJsonDocument(out).toJson(QJsonDocument::Compact) + '\n';
        else
            outputs.append(out);
    }
    if (format == BatchFormat::Csv)
        run.output = csvTable(*cases, outputs);
    return run;
}

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
    Session session;
    TForm1 &window = session.window();
    guardEvent([&] { window.configureCalculator(*index); });
    QWidget *box = window.calculator(*index).groupBox();
    QString text = QStringLiteral("%1\t%2\n")
                       .arg(*index)
                       .arg(QString::fromUtf8(
                           calculatorTable().at(static_cast<std::size_t>(*index)).tabCaption));
    text += QStringLiteral("inputs (caption\tidentifier\tdefault):\n");
    for (const Entry &entry : entriesOf(box))
        if (entry.widget->isVisibleTo(box))
            text += QStringLiteral("  %1\t%2\t%3\n")
                        .arg(entry.caption, entry.widget->objectName(), textOf(entry.widget));
    QWidget *options = window.options()->widget();
    text += QStringLiteral("options panel (caption\tidentifier\tdefault):\n");
    for (const Entry &entry : entriesOf(options))
        if (entry.widget->isVisibleTo(options) && entry.widget->isEnabled())
            text += QStringLiteral("  %1\t%2\t%3\n")
                        .arg(entry.caption, entry.widget->objectName(), textOf(entry.widget));
    const QStringList items = window.options()->RadioGroup3->items();
    if (!items.isEmpty())
        text += QStringLiteral("RadioGroup3 items:\n  ") + items.join(QStringLiteral("\n  ")) +
                QLatin1Char('\n');
    text += QStringLiteral("results (caption\tidentifier):\n");
    for (const Result &result : resultsOf(box))
        if (result.widget->isVisibleTo(box))
            text += QStringLiteral("  %1\t%2\n").arg(result.caption, result.widget->objectName());
    run.output = text.toUtf8();
    return run;
}

} // namespace tw
