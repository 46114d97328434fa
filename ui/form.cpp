#include "ui/form.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QStyle>

#include <algorithm>

namespace tw {

namespace {

// Frame and inner margins of a line edit beside its text.
int boxChrome(const QWidget *widget)
{
    return 2 * widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget) + 12;
}

int textWidth(const QWidget *widget, const QString &text)
{
    return widget->fontMetrics().horizontalAdvance(text) + boxChrome(widget);
}

} // namespace

int inputBoxWidth(const QWidget *widget)
{
    return textWidth(widget, QStringLiteral("0000000000"));
}

int resultBoxWidth(const QWidget *widget)
{
    return textWidth(widget, QStringLiteral("-1234.5678 Sq.mils"));
}

int boxWidth(const QWidget *widget, const QString &text)
{
    return textWidth(widget, text);
}

int unitBoxWidth(const QWidget *widget, const QString &text)
{
    return std::max(textWidth(widget, QStringLiteral("mils")), textWidth(widget, text));
}

Columns twoColumns(QWidget *section)
{
    const Columns columns{new QWidget(section), new QWidget(section)};
    // The entries keep the room they ask for; the right column gives way first.
    columns.left->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    auto *layout = new QHBoxLayout(section);
    layout->addWidget(columns.left, 0, Qt::AlignTop);
    layout->addWidget(columns.right, 1, Qt::AlignTop);
    return columns;
}

Form::Form(QWidget *section, Handler enter, UnitEntries *units)
    : section_(section), grid_(new QGridLayout(section)), enter_(std::move(enter)), units_(units)
{
    grid_->setHorizontalSpacing(8);
    grid_->setVerticalSpacing(4);
    // Spare width goes to a column of its own, so the boxes keep their widths.
    grid_->setColumnStretch(3, 1);
}

FormRow Form::addRow(const RowEntry &entry, Edit *box, QWidget *cell)
{
    FormRow row;
    row.box = box;
    if (!entry.caption.isEmpty() || !entry.label.isEmpty()) {
        row.caption = makeLabel(section_, entry.label, entry.caption);
        row.caption->setBuddy(box);
        grid_->addWidget(row.caption, row_, 0);
    }
    QWidget *shown = cell ? cell : box;
    if (!entry.unitName.isEmpty()) {
        grid_->addWidget(shown, row_, 1);
        row.unit = unitBox(entry.unitName, entry.unit, entry.metricUnit);
        grid_->addWidget(row.unit, row_, 2);
    } else if (box->isReadOnly()) {
        // A result carries its unit in its text and takes the unit column as well.
        grid_->addWidget(box, row_, 1, 1, 2);
    } else {
        grid_->addWidget(shown, row_, 1);
    }
    if (units_ && entry.convertOrder > 0)
        units_->inputs.push_back({entry.convertOrder, box, entry.quantity, entry.convertWhen, false,
                                  entry.keepNotApplicable});
    ++row_;
    return row;
}

FormRow Form::input(const RowEntry &entry)
{
    auto *box = new Edit(section_, entry.box, entry.text, entry.hint);
    box->setMinimumWidth(inputBoxWidth(box));
    bindEnter(box);
    return addRow(entry, box);
}

SpinRow Form::spinInput(const RowEntry &entry, const QString &spinName, int min, int max,
                        int position)
{
    auto *cell = new QWidget(section_);
    auto *line = new QHBoxLayout(cell);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(1);
    auto *box = new Edit(cell, entry.box, entry.text, entry.hint);
    auto *spin = new UpDown(cell, spinName, box, min, max, position);
    box->setMinimumWidth(inputBoxWidth(box) - spin->sizeHint().width() - 1);
    line->addWidget(box, 1);
    line->addWidget(spin);
    bindEnter(box);
    const FormRow row = addRow(entry, box, cell);
    return {row.caption, box, spin, row.unit};
}

FormRow Form::result(const RowEntry &entry)
{
    Edit *box = makeReadOnly(section_, entry.box, entry.text, entry.hint);
    box->setMinimumWidth(resultBoxWidth(box));
    return addRow(entry, box);
}

FormRow Form::resultBeside(const RowEntry &entry)
{
    FormRow row;
    const int onRow = std::max(0, row_ - 1);
    row.box = makeReadOnly(section_, entry.box, entry.text, entry.hint);
    row.box->setMinimumWidth(resultBoxWidth(row.box));
    grid_->addWidget(row.box, onRow, 3);
    if (!entry.unitName.isEmpty()) {
        row.unit = unitBox(entry.unitName, entry.unit, entry.metricUnit);
        grid_->addWidget(row.unit, onRow, 4);
    }
    // The spare width moves right of the second column of boxes.
    grid_->setColumnStretch(3, 0);
    grid_->setColumnStretch(5, 1);
    return row;
}

LabelRow Form::resultLabel(const RowEntry &entry)
{
    LabelRow row;
    if (!entry.caption.isEmpty() || !entry.label.isEmpty()) {
        row.caption = makeLabel(section_, entry.label, entry.caption);
        grid_->addWidget(row.caption, row_, 0);
    }
    row.value = makeLabel(section_, entry.box, entry.text);
    if (!entry.hint.isEmpty())
        setHint(row.value, entry.hint);
    row.value->setMinimumWidth(resultBoxWidth(row.value));
    grid_->addWidget(row.value, row_, 1, 1, 2);
    ++row_;
    return row;
}

QLabel *Form::field(const QString &labelName, const QString &caption, QWidget *widget, Edit *unit)
{
    QLabel *label = nullptr;
    if (!caption.isEmpty() || !labelName.isEmpty()) {
        label = makeLabel(section_, labelName, caption);
        label->setBuddy(widget);
        grid_->addWidget(label, row_, 0);
    }
    grid_->addWidget(widget, row_, 1);
    if (unit)
        grid_->addWidget(unit, row_, 2);
    ++row_;
    return label;
}

Edit *Form::unitBox(const QString &name, const QString &unit, const QString &metricUnit)
{
    Edit *box = makeReadOnly(section_, name, unit);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFixedWidth(std::max(unitBoxWidth(box, unit), unitBoxWidth(box, metricUnit)));
    if (units_ && !metricUnit.isEmpty())
        units_->texts.push_back({box, unit, metricUnit});
    return box;
}

QGroupBox *Form::section(const QString &name, const QString &caption)
{
    auto *box = new QGroupBox(caption, section_);
    box->setObjectName(name);
    addWide(box);
    return box;
}

QLabel *Form::note(const QString &name, const QString &text)
{
    QLabel *label = makeLabel(section_, name, text);
    label->setWordWrap(true);
    addWide(label);
    return label;
}

void Form::addWide(QWidget *widget, Qt::Alignment alignment)
{
    grid_->addWidget(widget, row_++, 0, 1, 4, alignment);
}

void Form::addSpacing(int pixels)
{
    grid_->setRowMinimumHeight(row_++, pixels);
}

void Form::addStretch()
{
    grid_->setRowStretch(row_++, 1);
}

void Form::bindEnter(Edit *box) const
{
    if (enter_)
        box->onEnter = enter_;
}

} // namespace tw
