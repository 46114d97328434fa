#pragma once

// The small control vocabulary of the window. Handlers fire for programmatic changes as well as
// for the user's, exactly once, and only when something changed; user events enter through the
// event guard, programmatic ones call the handler directly so errors reach the running handler.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStringList>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QGridLayout;
class QSlider;
class QToolButton;

namespace tw {

using Handler = std::function<void()>;

// Status-bar hint and tooltip of a control.
void setHint(QWidget *widget, const QString &hint);

// The colours of results: navy or black in range, red (255) for a warning.
inline const QColor resultNavy{0, 0, 128};
inline const QColor warningRed{255, 0, 0};
// A caution, milder than a warning.
inline const QColor cautionAmber{204, 122, 0};
// The text colour of a box or a label.
void setFontColour(QWidget *widget, const QColor &colour);

// True when a focus change is the user moving on to another control of the same window (Tab, a
// click); a message box, a dialog, another window or a control being disabled or destroyed
// taking the focus is not leaving the box.
bool userMovesFocus(const QWidget *from, Qt::FocusReason reason);

// Clears the handlers of every control under root, so none runs while the window is torn down.
void silenceControls(QWidget *root);

// Single-line edit box. setText fires the change handler; Enter fires onEnter.
class Edit : public QLineEdit {
    Q_OBJECT
public:
    explicit Edit(QWidget *parent, const QString &name, const QString &text = QString(),
                  const QString &hint = QString());
    void setText(const QString &text);

    Handler onChange;
    Handler onEnter;
    Handler onExit;
    Handler onClick;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

// Read-only box for a result or a fixed unit text.
Edit *makeReadOnly(QWidget *parent, const QString &name, const QString &text = QString(),
                   const QString &hint = QString());

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption);

// A label that reacts to clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(QWidget *parent, const QString &name, const QString &caption);
    Handler onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class Desktop;

// A web link: hand cursor, underlined blue caption, red while the pointer is over it; a click
// hands the address to the desktop.
class LinkLabel : public ClickLabel {
    Q_OBJECT
public:
    LinkLabel(QWidget *parent, const QString &name, const QString &caption, Desktop *desktop,
              const QString &address);
    QString address() const { return address_; }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString address_;
};

// A group of radio buttons with one item index; -1 means nothing selected.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(QWidget *parent, const QString &name, const QString &caption,
               const QStringList &items = {}, int itemIndex = -1, int columns = 1);

    // Loading items clears the selection without firing the click handler.
    void setItems(const QStringList &items);
    QStringList items() const { return items_; }
    int itemIndex() const { return itemIndex_; }
    // Out-of-range indexes are limited to the items; a change fires onClick.
    void setItemIndex(int index);
    // Restores a selection without any handler, for a change that has to be taken back.
    void setItemIndexSilently(int index);
    QString itemText() const;
    QAbstractButton *button(int index) const;

    Handler onClick;

private:
    void rebuild();
    void userClicked(int id);

    QStringList items_;
    int itemIndex_ = -1;
    int columns_ = 1;
    QButtonGroup *buttons_;
    QGridLayout *grid_;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget *parent, const QString &name, const QString &caption);
    // A change fires onClick.
    void setCheckedByProgram(bool checked);
    Handler onClick;
};

// Drop-down whose change handler fires only for the user's choice or typing.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(QWidget *parent, const QString &name, const QStringList &items, bool editable);
    // Index of the item matching the shown text, -1 for a typed text that is no item.
    int itemIndex() const;
    void setItemIndexSilently(int index);
    Handler onChange;
};

// Spin buttons bound to an edit box: "changing" fires before the new position is written into
// the box, "click" after it.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QWidget *parent, const QString &name, Edit *associate, int min, int max, int position);
    int position() const { return position_; }
    void setPosition(int position);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    void step(int direction);

    Handler onChanging;
    Handler onClick;
    // Focus leaves the spin buttons.
    Handler onExit;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Edit *associate_;
    int min_;
    int max_;
    int position_;
    QToolButton *up_;
    QToolButton *down_;
};

// A track bar and the read-only box that shows the text of its position; both are children of
// parent, laid out by the caller. A move, by the user or by program, writes the text and then
// fires onChange.
class TrackBar : public QObject {
    Q_OBJECT
public:
    TrackBar(QWidget *parent, const QString &barName, const QString &boxName,
             const QStringList &texts, int position, const QString &hint);
    QSlider *slider() const { return slider_; }
    Edit *box() const { return box_; }
    int position() const;

    Handler onChange;

private:
    void moved();

    QSlider *slider_;
    Edit *box_;
    QStringList texts_;
};

// Sets a bar's position, limited to its range as the bar itself would.
void setBarPosition(QProgressBar *bar, int position);
QProgressBar *makeBar(QWidget *parent, const QString &name, int min, int max, int position);

// Tabs in several rows at once; switching by program raises no change event.
class TabControl : public QWidget {
    Q_OBJECT
public:
    TabControl(QWidget *parent, const QString &name, const QStringList &captions, int rowWidth);
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int index);
    int count() const;
    QAbstractButton *tab(int index) const;
    Handler onChange;

private:
    QButtonGroup *buttons_;
    int tabIndex_ = 0;
};

} // namespace tw
