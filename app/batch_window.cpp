#include "app/batch_window.h"

#include "app/calculator_table.h"
#include "app/settings/program_options.h"
#include "app/settings/registry_file.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/event_guard.h"
#include "ui/info_panel.h"
#include "ui/options_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace tw {

namespace {

class NoDesktop final : public Desktop {
public:
    bool openUrl(const QString &) override { return false; }
    bool openDocument(const QString &) override { return false; }
    bool startProgram(const QString &, const QStringList &) override { return false; }
};

const QWidget *captionOf(const QWidget *widget, const QWidget *within)
{
    const auto labels = within->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        if (label->buddy() == widget)
            return label;
    // A box alone in a titled group box, such as the temperature rise, is named by the title.
    auto *group = qobject_cast<const QGroupBox *>(widget->parentWidget());
    if (group && group->findChildren<QLineEdit *>().size() == 1)
        return group;
    return nullptr;
}

QString captionText(const QWidget *caption)
{
    if (auto *label = qobject_cast<const QLabel *>(caption))
        return plainCaption(label->text());
    if (auto *group = qobject_cast<const QGroupBox *>(caption))
        return plainCaption(group->title());
    return {};
}

QList<BatchEntry> entriesOf(QWidget *within)
{
    QList<BatchEntry> entries;
    const auto widgets = within->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        auto *edit = qobject_cast<QLineEdit *>(widget);
        auto *combo = qobject_cast<QComboBox *>(widget);
        // The layer selector has a key of its own, and its caption changes with the calculator.
        if (auto *radio = qobject_cast<RadioGroup *>(widget);
            radio && radio->objectName() != QStringLiteral("RadioGroup3")) {
            entries.append({radio, widget, within});
        } else if ((edit && !edit->isReadOnly() &&
                    !qobject_cast<QComboBox *>(edit->parentWidget())) ||
                   combo) {
            entries.append({captionOf(widget, within), widget, within});
        }
    }
    return entries;
}

// The results in the order the form lays them out: read-only boxes and value labels beside a
// caption, then read-only boxes without one. Unit boxes take no focus and are not results.
QList<BatchResult> resultsOf(QWidget *box)
{
    QList<BatchResult> results;
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
                results.append({caption, value});
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

} // namespace

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

QString textOf(const QWidget *widget)
{
    if (auto *radio = qobject_cast<const RadioGroup *>(widget))
        return radio->itemIndex() >= 0 ? radio->items().value(radio->itemIndex()) : QString();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    return {};
}

QString unitBeside(const QWidget *widget, const QWidget *within)
{
    for (QGridLayout *grid : within->findChildren<QGridLayout *>()) {
        // A box may sit in a cell of its own with a spin button beside it.
        int at = grid->indexOf(widget);
        if (at < 0 && widget->parentWidget() != within)
            at = grid->indexOf(widget->parentWidget());
        if (at < 0)
            continue;
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(at, &row, &column, &rows, &columns);
        QLayoutItem *next = grid->itemAtPosition(row, column + columns);
        QWidget *unit = next ? next->widget() : nullptr;
        auto *label = qobject_cast<QLabel *>(unit);
        auto *box = qobject_cast<QLineEdit *>(unit);
        if ((label && !label->buddy()) || qobject_cast<QComboBox *>(unit) ||
            (box && box->focusPolicy() == Qt::NoFocus))
            return textOf(unit);
        return {};
    }
    return {};
}

QString BatchEntry::caption() const
{
    return captionText(captionWidget);
}

QString BatchResult::caption() const
{
    return captionText(captionWidget);
}

bool BatchEntry::open() const
{
    return widget->isVisibleTo(within) && widget->isEnabled();
}

MemorySettings::MemorySettings()
{
    for (const auto &value : registry_file::defaults())
        values_.insert(value.first, value.second);
}

std::optional<QString> MemorySettings::read(const QString &name) const
{
    const auto found = values_.constFind(name);
    if (found == values_.constEnd())
        return std::nullopt;
    return *found;
}

bool MemorySettings::write(const QString &name, const QString &value)
{
    values_.insert(name, value);
    return true;
}

void MessageSink::information(const QString &text)
{
    shown.append(QJsonObject{{"kind", "information"}, {"text", text}});
}

bool MessageSink::question(const QString &title, const QString &text)
{
    shown.append(QJsonObject{{"kind", "question"}, {"title", title}, {"text", text}});
    return false;
}

void MessageSink::error(const QString &text)
{
    shown.append(QJsonObject{{"kind", "error"}, {"text", text}});
}

BatchWindow::BatchWindow() : desktop_(std::make_unique<NoDesktop>())
{
    window_ = std::make_unique<TForm1>(Services{messages, settings_, *desktop_, clock_, [](int) {}},
                                       StartOptions{true, DecimalMode::Point});
    // A case reports every result of its own inputs, the field solver's too.
    window_->context().solveInBackground = false;
    window_->Button3Click();
    // Nobody sees these boxes: showing no echo spares laying out every text written to them,
    // which is most of the time of a case. Their texts are unchanged.
    for (QLineEdit *edit : window_->findChildren<QLineEdit *>())
        edit->setEchoMode(QLineEdit::NoEcho);

    startUnits_ = window_->RadioGroup6->itemIndex();
    const auto remember = [this](QWidget *widget) {
        if (auto *radio = qobject_cast<RadioGroup *>(widget))
            starts_.push_back({widget, {}, radio->itemIndex()});
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            starts_.push_back({widget, combo->currentText(), combo->currentIndex()});
        else
            starts_.push_back({widget, textOf(widget), -1});
    };
    // Lists and selectors first: choosing an item may fill in boxes, which are set after them.
    for (const bool lists : {true, false})
        for (int i = 0; i <= CalculatorCount; ++i) {
            QWidget *within = i < CalculatorCount ? window_->calculator(i).groupBox()
                                                  : window_->options()->widget();
            for (const BatchEntry &entry : entriesOf(within))
                if (lists != bool(qobject_cast<QLineEdit *>(entry.widget)))
                    remember(entry.widget);
        }
    for (QWidget *within : {window_->options()->widget(), window_->info()->widget()})
        for (QLabel *label : within->findChildren<QLabel *>())
            captions_.emplace_back(label, label->text());
    for (int i = 0; i < CalculatorCount; ++i)
        for (QLabel *label : window_->calculator(i).groupBox()->findChildren<QLabel *>())
            captions_.emplace_back(label, label->text());
    TForm6 &options = *window_->form6();
    programOptions_ = {{options.RadioGroup1, {}, options.RadioGroup1->itemIndex()},
                       {options.RadioGroup2, {}, options.RadioGroup2->itemIndex()},
                       {options.CheckBox1, {}, options.CheckBox1->isChecked()},
                       {options.CheckBox2, {}, options.CheckBox2->isChecked()}};
}

BatchWindow::~BatchWindow() = default;

bool BatchWindow::restore(const Start &start)
{
    QWidget *widget = start.widget;
    if (auto *radio = qobject_cast<RadioGroup *>(widget)) {
        if (radio->itemIndex() == start.index)
            return false;
        guardEvent([&] { radio->setItemIndex(start.index); });
        return true;
    }
    if (auto *check = qobject_cast<CheckBox *>(widget)) {
        if (check->isChecked() == (start.index != 0))
            return false;
        guardEvent([&] { check->setCheckedByProgram(start.index != 0); });
        return true;
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        bool changed = false;
        if (combo->currentIndex() != start.index) {
            guardEvent([&] {
                combo->setCurrentIndex(start.index);
                emit combo->activated(start.index);
            });
            changed = true;
        }
        if (combo->isEditable() && combo->currentText() != start.text) {
            combo->setCurrentText(start.text);
            changed = true;
        }
        return changed;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && edit->text() != start.text)
        edit->setText(start.text);
    return false;
}

void BatchWindow::begin(int index)
{
    TForm1 &window = *window_;
    bool chosen = false;
    if (window.RadioGroup6->itemIndex() != startUnits_) {
        // The boxes go back first, so everything they hold converts.
        for (const Start &start : starts_)
            restore(start);
        guardEvent([&] { window.RadioGroup6->setItemIndex(startUnits_); });
        for (const auto &[label, text] : captions_)
            if (label->text() != text)
                label->setText(text);
        chosen = true;
    }
    for (const Start &start : programOptions_)
        chosen = restore(start) || chosen;
    for (const Start &start : starts_)
        chosen = restore(start) || chosen;

    // Showing the calculator that is shown, with nothing chosen since, comes down to its
    // recalculation; the tab is worked through otherwise.
    const int preset = calculatorTable().at(static_cast<std::size_t>(index)).layer.preset;
    const bool shown = configured_ == index && !chosen &&
                       window.options()->RadioGroup3->itemIndex() == std::max(preset, -1);
    if (shown)
        guardEvent([&] { window.Button1Click(); });
    else
        guardEvent([&] { window.configureCalculator(index); });
    configured_ = index;
    messages.shown = QJsonArray();
}

const QList<BatchEntry> &BatchWindow::entries(int index)
{
    auto found = entries_.find(index);
    if (found == entries_.end()) {
        QList<BatchEntry> entries = entriesOf(window_->calculator(index).groupBox());
        entries.append(entriesOf(window_->options()->widget()));
        found = entries_.insert(index, entries);
    }
    return *found;
}

const QList<BatchResult> &BatchWindow::results(int index)
{
    auto found = results_.find(index);
    if (found == results_.end())
        found = results_.insert(index, resultsOf(window_->calculator(index).groupBox()));
    return *found;
}

const QList<BatchResult> &BatchWindow::information()
{
    if (information_.isEmpty())
        information_ = resultsOf(window_->info()->widget());
    return information_;
}

} // namespace tw
