#pragma once

// The one layout every calculator panel is built with: rows of caption, box and unit box in a
// grid whose widths come from the font, so no caption is cut and every box holds its number at
// any scale. Enter in an input box recalculates, and the unit-switch entries of a row are
// declared with the row.

#include "ui/controls.h"
#include "ui/units.h"

#include <QGridLayout>

namespace tw {

// Widths shared by all forms, from the widget's font.
int inputBoxWidth(const QWidget *widget);  // ten digits
int resultBoxWidth(const QWidget *widget); // a result with its unit ("-1234.5678 Sq.mils")
int unitBoxWidth(const QWidget *widget, const QString &text);
// A box that holds the given text.
int boxWidth(const QWidget *widget, const QString &text);

// What a row is made of. Names are object names; a row without unitName has no unit box.
struct RowEntry {
    QString label;   // object name of the caption; may be empty
    QString caption; // may be empty: the box then starts the row
    QString box;
    QString text = {};
    QString hint = {};
    QString unitName = {};
    QString unit = {};       // the unit box's text, in imperial units where it follows the switch
    QString metricUnit = {}; // set: the unit box follows the unit switch
    // Above 0: the box's number is converted by the unit switch at this place of the order.
    int convertOrder = 0;
    Quantity quantity = Quantity::Length;
    // Set: the box is converted only while this holds (it may hold another quantity otherwise).
    std::function<bool()> convertWhen = {};
    // The converted box may hold "N/A", which the switch leaves as it is.
    bool keepNotApplicable = false;
};

struct FormRow {
    QLabel *caption = nullptr;
    Edit *box = nullptr;
    Edit *unit = nullptr;
    // Hands the row's widgets to the panel's members; returns the box.
    Edit *to(QLabel *&captionMember, Edit *&boxMember) const
    {
        captionMember = caption;
        return boxMember = box;
    }
    Edit *to(QLabel *&captionMember, Edit *&boxMember, Edit *&unitMember) const
    {
        unitMember = unit;
        return to(captionMember, boxMember);
    }
};

struct SpinRow {
    QLabel *caption = nullptr;
    Edit *box = nullptr;
    UpDown *spin = nullptr;
    Edit *unit = nullptr;
};

struct LabelRow {
    QLabel *caption = nullptr;
    QLabel *value = nullptr;
    void to(QLabel *&captionMember, QLabel *&valueMember) const
    {
        captionMember = caption;
        valueMember = value;
    }
};

// A section split in two: the form on the left at its own width, pictures and notes on the right.
struct Columns {
    QWidget *left;
    QWidget *right;
};
Columns twoColumns(QWidget *section);

class Form {
public:
    // Lays a new grid into section. Enter in every input box runs enter; the rows' unit-switch
    // entries are collected in units.
    explicit Form(QWidget *section, Handler enter = {}, UnitEntries *units = nullptr);
    // A form in another section (a group box of this one, say) with the same Enter and entries.
    Form nested(QWidget *section) const { return Form(section, enter_, units_); }

    QWidget *section() const { return section_; }
    QGridLayout *grid() const { return grid_; }
    int nextRow() const { return row_; }

    // An editable number box.
    FormRow input(const RowEntry &entry);
    // An editable number box with spin buttons beside it.
    SpinRow spinInput(const RowEntry &entry, const QString &spinName, int min, int max,
                      int position);
    // A read-only result box.
    FormRow result(const RowEntry &entry);
    // A second read-only result with its unit box on the row just added, right of its unit box;
    // entry.label and entry.caption are not used.
    FormRow resultBeside(const RowEntry &entry);
    // A result shown as a label; entry.box names the value label.
    LabelRow resultLabel(const RowEntry &entry);
    // Caption and any control (drop-down, spin box, check box ...) in the box column.
    QLabel *field(const QString &labelName, const QString &caption, QWidget *widget,
                  Edit *unit = nullptr);
    // A unit box that is no row of its own (beside a control of a field, say).
    Edit *unitBox(const QString &name, const QString &unit, const QString &metricUnit = {});
    // A named group box across the form, with a form of its own inside.
    QGroupBox *section(const QString &name, const QString &caption);
    // A plain caption or note across the form.
    QLabel *note(const QString &name, const QString &text);
    // Any widget across the form.
    void addWide(QWidget *widget, Qt::Alignment alignment = {});
    void addSpacing(int pixels = 6);
    // Fills the rest of the section below the rows.
    void addStretch();
    // Binds Enter in a box that is not a row of this form.
    void bindEnter(Edit *box) const;

private:
    // cell is what the box column holds: the box itself unless given.
    FormRow addRow(const RowEntry &entry, Edit *box, QWidget *cell = nullptr);

    QWidget *section_;
    QGridLayout *grid_;
    Handler enter_;
    UnitEntries *units_;
    int row_ = 0;
};

} // namespace tw
