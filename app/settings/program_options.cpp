#include "app/settings/program_options.h"

#include "app/links.h"
#include "app/settings/settings_store.h"
#include "ui/event_guard.h"
#include "ui/platform.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace tw {

EtchPicture::EtchPicture(QWidget *parent, const QString &name, bool sloped)
    : QWidget(parent), sloped_(sloped)
{
    setObjectName(name);
}

void EtchPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect().adjusted(8, 8, -8, -8);
    const double base = area.bottom() - 14;
    p.fillRect(QRectF(area.left(), base, area.width(), 14), QColor(120, 160, 90));
    const double height = 22;
    const double left = area.center().x() - 40;
    const double right = area.center().x() + 40;
    const double slope = sloped_ ? height : 0;
    QPolygonF copper;
    copper << QPointF(left, base) << QPointF(left + slope, base - height)
           << QPointF(right - slope, base - height) << QPointF(right, base);
    p.setBrush(QColor(205, 127, 50));
    p.setPen(QPen(Qt::black, 1));
    p.drawPolygon(copper);
    p.drawText(QRectF(area.left(), area.top(), area.width(), 14), Qt::AlignCenter,
               sloped_ ? "Etch Factor 1:1" : "None");
}

TForm6::TForm6(SettingsStore &settings, Desktop &desktop, QWidget *parent)
    : QDialog(parent), settings_(settings), desktop_(desktop)
{
    setObjectName("TForm6");
    setWindowTitle("Program Options - Tracewright");
    setModal(false);

    RadioGroup1 = new RadioGroup(this, "RadioGroup1", "  IPC version for conductor calc  ",
                                 {"IPC-2152 with modifiers", "IPC-2152 without modifiers",
                                  "IPC-2221A (Obsolete for amperage)"},
                                 0);
    setHint(RadioGroup1, "Choose between three IPC options to solve for amperage.");
    RadioGroup2 = new RadioGroup(this, "RadioGroup2", "  Conductor Etch Factor  ",
                                 {"Etch Factor 1:1", "None"}, 0);
    setHint(RadioGroup2, "Select the conductor's etch factor.");
    GroupBox1 = new QGroupBox(" Copper Weight ", this);
    GroupBox1->setObjectName("GroupBox1");
    CheckBox1 = new CheckBox(GroupBox1, "CheckBox1", "Enter copper weight manually");
    setHint(CheckBox1, "Select to enter copper weight manually.");
    (new QVBoxLayout(GroupBox1))->addWidget(CheckBox1);
    GroupBox2 = new QGroupBox(" Via Properties ", this);
    GroupBox2->setObjectName("GroupBox2");
    CheckBox2 = new CheckBox(GroupBox2, "CheckBox2", "Disable Via Height for via current");
    (new QVBoxLayout(GroupBox2))->addWidget(CheckBox2);
    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    BitBtn1 = new QPushButton("&Help", this);
    BitBtn1->setObjectName("BitBtn1");
    Image2 = new EtchPicture(this, "Image2", false);
    Image3 = new EtchPicture(this, "Image3", true);
    Image2->hide();

    auto *grid = new QGridLayout(this);
    grid->addWidget(RadioGroup1, 0, 0);
    grid->addWidget(RadioGroup2, 1, 0);
    grid->addWidget(Image2, 0, 1, 2, 1);
    grid->addWidget(Image3, 0, 1, 2, 1);
    grid->addWidget(GroupBox1, 2, 0, 1, 2);
    grid->addWidget(GroupBox2, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(Button1);
    grid->addLayout(buttons, 4, 0, 1, 2);
    setFixedSize(sizeHint());

    RadioGroup1->onClick = [this] { RadioGroup1Click(); };
    RadioGroup2->onClick = [this] { RadioGroup2Click(); };
    CheckBox1->onClick = [this] { CheckBox1Click(); };
    CheckBox2->onClick = [this] { CheckBox2Click(); };
    connect(Button1, &QPushButton::clicked, this,
            [this] { guardEvent([this] { Button1Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { guardEvent([this] { BitBtn1Click(); }); });
}

void TForm6::RadioGroup1Click()
{
    const int version = RadioGroup1->itemIndex();
    if (target_)
        target_->ipcVersionChanged(version);
    settings_.write(setting::IpcVersion, QString::number(version));
}

void TForm6::RadioGroup2Click()
{
    const int etch = RadioGroup2->itemIndex();
    Image3->setVisible(etch == 0);
    Image2->setVisible(etch != 0);
    if (target_)
        target_->etchFactorChanged(etch);
    settings_.write(setting::Derating, etch == 0 ? "0" : "1");
    if (target_)
        target_->recalculateWindow();
}

void TForm6::CheckBox1Click()
{
    settings_.write(setting::ManualCopperWeight, CheckBox1->isChecked() ? "1" : "0");
    if (target_)
        target_->manualCopperChanged(CheckBox1->isChecked());
}

void TForm6::CheckBox2Click()
{
    settings_.write(setting::ViaHeightEnable, CheckBox2->isChecked() ? "0" : "1");
    if (target_)
        target_->recalculateWindow();
}

void TForm6::Button1Click()
{
    hide();
    if (target_) {
        target_->setWindowEnabled(true);
        target_->recalculateWindow();
    }
}

void TForm6::BitBtn1Click()
{
    openLink(desktop_, link::help);
}

void TForm6::closeEvent(QCloseEvent *event)
{
    if (target_)
        target_->setWindowEnabled(true);
    QDialog::closeEvent(event);
}

} // namespace tw
