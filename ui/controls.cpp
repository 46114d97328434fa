#include "ui/controls.h"

#include "ui/event_guard.h"
#include "ui/platform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tw {

void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
    // The buttons of a radio group carry its hint, since they are what the mouse is over.
    if (auto *group = qobject_cast<RadioGroup *>(widget))
        for (int i = 0; i < group->items().size(); ++i)
            setHint(group->button(i), hint);
}

void setFontColour(QWidget *widget, const QColor &colour)
{
    // Every recalculation sets the colours of its results; most of the time they are the same.
    const auto sameIn = [&](QPalette::ColorRole role) {
        const QPalette &shown = widget->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            if (shown.color(group, role) != colour)
                return false;
        return true;
    };
    if (widget->testAttribute(Qt::WA_SetPalette) && sameIn(QPalette::Text) &&
        sameIn(QPalette::WindowText))
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

Edit::Edit(QWidget *parent, const QString &name, const QString &text, const QString &hint)
    : QLineEdit(text, parent)
{
    setObjectName(name);
    if (!hint.isEmpty())
        setHint(this, hint);
    connect(this, &QLineEdit::textEdited, this, [this] { guardEvent(onChange); });
}

void Edit::setText(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    // The length limit is for typing; a converted or default value is never cut.
    if (text.size() > maxLength())
        setMaxLength(static_cast<int>(text.size()));
    QLineEdit::setText(text);
    if (onChange)
        onChange();
}

void Edit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        guardEvent(onEnter);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool userMovesFocus(const QWidget *from, Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
        break;
    default:
        return false;
    }
    const QWidget *next = QApplication::focusWidget();
    return next && next->window() == from->window();
}

void silenceControls(QWidget *root)
{
    for (Edit *e : root->findChildren<Edit *>())
        e->onChange = e->onEnter = e->onExit = e->onClick = nullptr;
    for (UpDown *u : root->findChildren<UpDown *>())
        u->onChanging = u->onClick = u->onExit = nullptr;
    for (RadioGroup *g : root->findChildren<RadioGroup *>())
        g->onClick = nullptr;
    for (CheckBox *c : root->findChildren<CheckBox *>())
        c->onClick = nullptr;
    for (ComboBox *c : root->findChildren<ComboBox *>())
        c->onChange = nullptr;
    for (ClickLabel *l : root->findChildren<ClickLabel *>())
        l->onClick = nullptr;
    for (TabControl *t : root->findChildren<TabControl *>())
        t->onChange = nullptr;
    for (TrackBar *t : root->findChildren<TrackBar *>())
        t->onChange = nullptr;
}

void Edit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (userMovesFocus(this, event->reason()))
        reportingEvent(onExit);
}

void Edit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    guardEvent(onClick);
}

Edit *makeReadOnly(QWidget *parent, const QString &name, const QString &text, const QString &hint)
{
    auto *box = new Edit(parent, name, text, hint);
    box->setReadOnly(true);
    return box;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

ClickLabel::ClickLabel(QWidget *parent, const QString &name, const QString &caption)
    : QLabel(caption, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    guardEvent(onClick);
}

LinkLabel::LinkLabel(QWidget *parent, const QString &name, const QString &caption, Desktop *desktop,
                     const QString &address)
    : ClickLabel(parent, name, caption), address_(address)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setFontColour(this, Qt::blue);
    onClick = [desktop, address] {
        if (desktop)
            openLink(*desktop, address);
    };
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    ClickLabel::enterEvent(event);
    setFontColour(this, Qt::red);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    ClickLabel::leaveEvent(event);
    setFontColour(this, Qt::blue);
}

RadioGroup::RadioGroup(QWidget *parent, const QString &name, const QString &caption,
                       const QStringList &items, int itemIndex, int columns)
    : QGroupBox(caption, parent), columns_(std::max(1, columns)), buttons_(new QButtonGroup(this)),
      grid_(new QGridLayout(this))
{
    setObjectName(name);
    grid_->setContentsMargins(6, 2, 6, 2);
    grid_->setSpacing(1);
    buttons_->setExclusive(false);
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) { userClicked(id); });
    items_ = items;
    rebuild();
    if (itemIndex >= 0 && itemIndex < items_.size()) {
        itemIndex_ = itemIndex;
        buttons_->button(itemIndex)->setChecked(true);
    }
}

void RadioGroup::rebuild()
{
    const auto old = buttons_->buttons();
    for (QAbstractButton *b : old) {
        buttons_->removeButton(b);
        delete b;
    }
    const int rows = (static_cast<int>(items_.size()) + columns_ - 1) / columns_;
    for (int i = 0; i < items_.size(); ++i) {
        auto *b = new QRadioButton(items_[i], this);
        b->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
        b->setAutoExclusive(false);
        b->setStatusTip(statusTip());
        b->setToolTip(toolTip());
        buttons_->addButton(b, i);
        grid_->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
    }
}

void RadioGroup::setItems(const QStringList &items)
{
    items_ = items;
    itemIndex_ = -1;
    rebuild();
}

void RadioGroup::setItemIndex(int index)
{
    index = std::clamp(index, -1, static_cast<int>(items_.size()) - 1);
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    for (QAbstractButton *b : buttons_->buttons())
        b->setChecked(buttons_->id(b) == index);
    if (onClick)
        onClick();
}

void RadioGroup::setItemIndexSilently(int index)
{
    itemIndex_ = std::clamp(index, -1, static_cast<int>(items_.size()) - 1);
    for (QAbstractButton *b : buttons_->buttons())
        b->setChecked(buttons_->id(b) == itemIndex_);
}

QString RadioGroup::itemText() const
{
    return itemIndex_ >= 0 ? items_[itemIndex_] : QString();
}

QAbstractButton *RadioGroup::button(int index) const
{
    return buttons_->button(index);
}

void RadioGroup::userClicked(int id)
{
    if (id == itemIndex_) {
        buttons_->button(id)->setChecked(true);
        return;
    }
    guardEvent([this, id] { setItemIndex(id); });
}

CheckBox::CheckBox(QWidget *parent, const QString &name, const QString &caption)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    connect(this, &QCheckBox::clicked, this, [this] { guardEvent(onClick); });
}

void CheckBox::setCheckedByProgram(bool checked)
{
    if (checked == isChecked())
        return;
    setChecked(checked);
    if (onClick)
        onClick();
}

ComboBox::ComboBox(QWidget *parent, const QString &name, const QStringList &items, bool editable)
    : QComboBox(parent)
{
    setObjectName(name);
    setEditable(editable);
    addItems(items);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int) { guardEvent(onChange); });
    if (editable)
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] { guardEvent(onChange); });
}

int ComboBox::itemIndex() const
{
    if (!isEditable())
        return currentIndex();
    return findText(currentText(), Qt::MatchExactly);
}

void ComboBox::setItemIndexSilently(int index)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

UpDown::UpDown(QWidget *parent, const QString &name, Edit *associate, int min, int max,
               int position)
    : QWidget(parent), associate_(associate), min_(min), max_(max), position_(position),
      up_(new QToolButton(this)), down_(new QToolButton(this))
{
    setObjectName(name);
    up_->setObjectName(name + QStringLiteral("_up"));
    down_->setObjectName(name + QStringLiteral("_down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {up_, down_}) {
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(this);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto *focus = static_cast<QFocusEvent *>(event);
        QWidget *next = QApplication::focusWidget();
        if (next != up_ && next != down_ && userMovesFocus(this, focus->reason()))
            reportingEvent(onExit);
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::setPosition(int position)
{
    position_ = std::clamp(position, min_, max_);
}

void UpDown::step(int direction)
{
    guardEvent([this, direction] {
        // The box may hold a number typed since the last step; the spin continues from it.
        bool ok = false;
        const int typed = associate_->text().toInt(&ok);
        if (ok)
            position_ = std::clamp(typed, min_, max_);
        if (onChanging)
            onChanging();
        position_ = std::clamp(position_ + direction, min_, max_);
        associate_->setText(QString::number(position_));
        if (onClick)
            onClick();
    });
}

TrackBar::TrackBar(QWidget *parent, const QString &barName, const QString &boxName,
                   const QStringList &texts, int position, const QString &hint)
    : QObject(parent), slider_(new QSlider(Qt::Horizontal, parent)),
      box_(makeReadOnly(parent, boxName)), texts_(texts)
{
    slider_->setObjectName(barName);
    slider_->setRange(0, std::max(0, static_cast<int>(texts_.size()) - 1));
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(1);
    slider_->setValue(position);
    setHint(slider_, hint);
    box_->setText(texts_.value(slider_->value()));
    box_->setFocusPolicy(Qt::NoFocus);
    int widest = 0;
    for (const QString &text : texts_)
        widest = std::max(widest, box_->fontMetrics().horizontalAdvance(text));
    const int chrome = 2 * box_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box_);
    box_->setFixedWidth(widest + chrome + 12);
    connect(slider_, &QSlider::valueChanged, this, [this] { guardEvent([this] { moved(); }); });
}

int TrackBar::position() const
{
    return slider_->value();
}

void TrackBar::moved()
{
    box_->setText(texts_.value(slider_->value()));
    if (onChange)
        onChange();
}

void setBarPosition(QProgressBar *bar, int position)
{
    bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
}

QProgressBar *makeBar(QWidget *parent, const QString &name, int min, int max, int position)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(min, max);
    bar->setTextVisible(false);
    setBarPosition(bar, position);
    return bar;
}

TabControl::TabControl(QWidget *parent, const QString &name, const QStringList &captions,
                       int rowWidth)
    : QWidget(parent), buttons_(new QButtonGroup(this))
{
    setObjectName(name);
    // Tabs fill a row as far as their captions fit, then wrap, so no caption is cut.
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    QHBoxLayout *row = nullptr;
    int used = rowWidth;
    buttons_->setExclusive(true);
    for (int i = 0; i < captions.size(); ++i) {
        auto *b = new QToolButton(this);
        // A doubled ampersand shows one ampersand.
        b->setText(captions[i]);
        b->setObjectName(name + QStringLiteral("_tab%1").arg(i));
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        buttons_->addButton(b, i);
        const int width = b->sizeHint().width() + 8;
        if (used + width > rowWidth) {
            row = new QHBoxLayout;
            row->setSpacing(0);
            rows->addLayout(row);
            used = 0;
        }
        used += width;
        row->addWidget(b);
    }
    if (auto *first = buttons_->button(0))
        first->setChecked(true);
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == tabIndex_)
            return;
        tabIndex_ = id;
        guardEvent(onChange);
    });
}

void TabControl::setTabIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    tabIndex_ = index;
    buttons_->button(index)->setChecked(true);
}

int TabControl::count() const
{
    return static_cast<int>(buttons_->buttons().size());
}

QAbstractButton *TabControl::tab(int index) const
{
    return buttons_->button(index);
}

} // namespace tw
