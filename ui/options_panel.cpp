#include "ui/options_panel.h"

#include "ui/context.h"
#include "ui/event_guard.h"
#include "ui/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

namespace tw {

int barDegrees(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(value, -1e6, 1e6)));
}

namespace {

QGroupBox *makeGroup(QWidget *parent, const QString &name, const QString &caption)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

OptionsPanel::OptionsPanel(QWidget *parent, Context &context) : context_(context)
{
    GroupBox2 = makeGroup(parent, "GroupBox2", " Options  ");
    auto *column = new QVBoxLayout(GroupBox2);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(2);

    auto temperatureGroup = [&](const QString &group, const QString &caption, Edit *&edit,
                                const QString &editName, const QString &text, const QString &hint,
                                UpDown *&spin, const QString &spinName, int spinMin, int spinMax,
                                QProgressBar *&bar, const QString &barName, int barMin, int barMax,
                                QLabel *&caption2, const QString &captionName, QLabel *&value,
                                const QString &valueName) {
        QGroupBox *box = makeGroup(GroupBox2, group, caption);
        auto *grid = new QGridLayout(box);
        grid->setContentsMargins(4, 2, 4, 2);
        edit = new Edit(box, editName, text, hint);
        edit->setMaximumWidth(70);
        spin = new UpDown(box, spinName, edit, spinMin, spinMax, text.toInt());
        bar = makeBar(box, barName, barMin, barMax, barMin);
        bar->setMaximumHeight(12);
        caption2 = makeLabel(box, captionName, QStringLiteral("Temp in (°F) ="));
        box->setFixedWidth(143);
        value = makeLabel(box, valueName, QString());
        grid->setVerticalSpacing(1);
        grid->addWidget(edit, 0, 0);
        grid->addWidget(spin, 0, 1);
        grid->addWidget(bar, 1, 0, 1, 2);
        grid->addWidget(caption2, 2, 0);
        grid->addWidget(value, 2, 1);
        return box;
    };
    GroupBox3 = temperatureGroup("GroupBox3", " Temp Rise (°C) ", Edit1, "Edit1", "20",
                                 "Enter the desired temperature rise over ambient.", UpDown1,
                                 "UpDown1", 0, 300, ProgressBar1, "ProgressBar1", 0, 200, Label1,
                                 "Label1", Label2, "Label2");
    GroupBox4 = temperatureGroup("GroupBox4", " Ambient Temp (°C) ", Edit2, "Edit2", "22",
                                 "Enter the ambient temperature of the conductor.", UpDown2,
                                 "UpDown2", -81, 300, ProgressBar2, "ProgressBar2", -80, 200,
                                 Label3, "Label3", Label4, "Label4");
    auto *temperatures = new QHBoxLayout;
    temperatures->setSpacing(4);
    temperatures->addWidget(GroupBox3);
    temperatures->addWidget(GroupBox4);
    column->addLayout(temperatures);

    GroupBox9 = makeGroup(GroupBox2, "GroupBox9", " Substrate Options ");
    {
        auto *grid = new QGridLayout(GroupBox9);
        grid->setContentsMargins(4, 2, 4, 2);
        Label35 = makeLabel(GroupBox9, "Label35", "Material Selection");
        ComboBox1 = new ComboBox(GroupBox9, "ComboBox1", materialNames(), true);
        setHint(ComboBox1, "Select the PCB substrate.");
        Label36 = makeLabel(GroupBox9, "Label36", "Er");
        Edit7 = new Edit(GroupBox9, "Edit7", "4.6",
                         "Manually enter the PCB substrate's dielectric constant if needed.");
        Edit7->setMaxLength(8);
        Label9 = makeLabel(GroupBox9, "Label9", "Tg (°C)");
        Edit66 = new Edit(GroupBox9, "Edit66", "130",
                          "Manually enter the PCB substrate's maximum glass temp if needed.");
        Edit66->setMaxLength(8);
        Label35->setBuddy(ComboBox1);
        Label36->setBuddy(Edit7);
        Label9->setBuddy(Edit66);
        grid->setVerticalSpacing(2);
        grid->addWidget(Label35, 0, 0, 1, 2);
        grid->addWidget(ComboBox1, 0, 2, 1, 2);
        grid->addWidget(Label36, 1, 0);
        grid->addWidget(Edit7, 1, 1);
        grid->addWidget(Label9, 1, 2);
        grid->addWidget(Edit66, 1, 3);
    }
    column->addWidget(GroupBox9);

    RadioGroup4 = new RadioGroup(GroupBox2, "RadioGroup4", " Base Copper Weight ",
                                 designedBaseCopperItems(), 1, 3);
    setHint(RadioGroup4, "Select the base weight of the copper clad on the PCB.");
    RadioGroup1 = new RadioGroup(GroupBox2, "RadioGroup1", " Plating Thickness ",
                                 designedPlatingItems(), 2, 4);
    setHint(RadioGroup1, "Select the plating thickness for external layers.");
    RadioGroup1->setEnabled(false);

    auto manualGroup = [&](const QString &name, const QString &caption, Edit *&edit,
                           const QString &editName, const QString &hint, Edit *&unit,
                           const QString &unitName) {
        QGroupBox *box = makeGroup(GroupBox2, name, caption);
        auto *row = new QHBoxLayout(box);
        row->setContentsMargins(4, 2, 4, 2);
        edit = new Edit(box, editName, "1", hint);
        unit = makeReadOnly(box, unitName, "mils");
        unit->setMaximumWidth(40);
        row->addWidget(edit);
        row->addWidget(unit);
        box->hide();
        return box;
    };
    GroupBox31 = manualGroup("GroupBox31", " Base Copper Weight ", Edit136, "Edit136",
                             "Enter copper weight manually.", Edit137, "Edit137");
    GroupBox32 = manualGroup("GroupBox32", " Plating Thickness ", Edit138, "Edit138",
                             "Enter plating thickness weight manually.", Edit139, "Edit139");
    column->addWidget(RadioGroup4);
    column->addWidget(GroupBox31);
    column->addWidget(RadioGroup1);
    column->addWidget(GroupBox32);

    RadioGroup5 =
        new RadioGroup(GroupBox2, "RadioGroup5", " Plane Thickness ", designedPlaneItems(), 0, 2);
    setHint(RadioGroup5, "Select between a 1oz and a 2oz plane.");
    RadioGroup5->setEnabled(false);
    column->addWidget(RadioGroup5);

    RadioGroup3 = new RadioGroup(GroupBox2, "RadioGroup3", " Conductor Layer ",
                                 {"Internal Layer", "External Layer"}, 1, 2);
    setHint(RadioGroup3, "Layer or passive circuit selection.");
    column->addWidget(RadioGroup3);

    Panel2 = new QWidget(GroupBox2);
    Panel2->setObjectName("Panel2");
    {
        auto *grid = new QGridLayout(Panel2);
        grid->setContentsMargins(0, 0, 0, 0);
        Button1 = new QPushButton("Solve!", Panel2);
        Button1->setObjectName("Button1");
        Button2 = new QPushButton("Print", Panel2);
        Button2->setObjectName("Button2");
        Label29 = makeLabel(Panel2, "Label29", QString());
        ProgressBar3 = makeBar(Panel2, "ProgressBar3", 0, 100, 0);
        ProgressBar3->setMaximumHeight(10);
        ProgressBar3->setMaximumWidth(60);
        grid->addWidget(Button1, 0, 0);
        grid->addWidget(Button2, 0, 1);
        grid->addWidget(Label29, 0, 2);
        grid->addWidget(ProgressBar3, 0, 3);
    }
    column->addWidget(Panel2);
    column->addStretch(1);

    auto recalculate = [this] {
        if (context_.recalculate)
            context_.recalculate();
    };
    QObject::connect(Button1, &QPushButton::clicked, Button1,
                     [recalculate] { guardEvent(recalculate); });
    for (Edit *e : {Edit1, Edit2, Edit7, Edit66, Edit136, Edit138})
        e->onEnter = recalculate;
    for (UpDown *u : {UpDown1, UpDown2}) {
        u->onChanging = recalculate;
        u->onClick = recalculate;
    }
    for (RadioGroup *g : {RadioGroup1, RadioGroup4, RadioGroup5})
        g->onClick = recalculate;
    Edit1->onExit = [this] { CheckTempRise(); };
    Edit2->onExit = [this] { CheckAmbientTemp(); };
    UpDown2->onExit = [this] { CheckAmbientTemp(); };
    ComboBox1->onChange = [this] { ComboBox1Change(); };
    Edit7->onClick = [this] { Edit7Click(); };
    Edit66->onClick = [this] { Edit66Click(); };
    Edit7->onExit = [this] { Edit7Exit(); };
    Edit66->onExit = [this] { Edit66Exit(); };
}

void OptionsPanel::CheckTempRise()
{
    context_.TempRise = context_.parse(Edit1->text());
    if (context_.TempRise > 200) {
        context_.messages->information("Maximum temperature rise can't be greater than 200C");
        Edit1->setText("200");
        context_.TempRise = 200;
    }
    if (context_.TempRise <= 0) {
        context_.messages->information("Minimum temperature rise can't be less than 0C");
        Edit1->setText("1");
        context_.TempRise = 1;
    }
    setBarPosition(ProgressBar1, barDegrees(context_.TempRise));
    Label2->setText(formatResult("%0.1f", context_.TempRise * 1.8));
}

void OptionsPanel::CheckAmbientTemp()
{
    context_.AmbientTemp = context_.parse(Edit2->text());
    if (context_.AmbientTemp > 200) {
        context_.messages->information("Maximum ambient temperature can't be greater than 200C");
        Edit2->setText("200");
        context_.AmbientTemp = 200;
    }
    setBarPosition(ProgressBar2, barDegrees(context_.AmbientTemp));
    if (context_.AmbientTemp < -80) {
        context_.messages->information("Minimum ambient temperature can't be less than -80C");
        Edit2->setText("-80");
        context_.AmbientTemp = -80;
    }
    Label4->setText(formatResult("%0.1f", context_.AmbientTemp * 1.8 + 32));
}

void OptionsPanel::UpdateConductorTemp(QLabel *celsius, QLabel *fahrenheit)
{
    context_.ConductorTemp = context_.AmbientTemp + context_.TempRise;
    const int tab = context_.tabIndex ? context_.tabIndex() : 0;
    if (tab == 0 || tab == 1) {
        celsius->setText(formatResult("%0.1f", context_.ConductorTemp));
        fahrenheit->setText(formatResult("%0.1f", context_.ConductorTemp * 1.8 + 32));
    } else {
        celsius->setText("N/A");
        fahrenheit->setText("N/A");
    }
}

void OptionsPanel::restoreStandardMaterial()
{
    ComboBox1->setItemIndexSilently(0);
    context_.MaterialModifier = material(0).modifier;
}

void OptionsPanel::ComboBox1Change()
{
    const int index = ComboBox1->itemIndex();
    if (index >= 0 && index < CustomMaterial) {
        const Material &m = material(index);
        Edit7->setText(literal(context_.decimalMode, m.er));
        Edit66->setText(QString::fromUtf8(m.tg));
        context_.MaterialModifier = m.modifier;
    }
    if (index == AirMaterial && context_.activeCalculator && context_.activeCalculator() == 17) {
        context_.messages->information("Air cannot be selected for this calculator");
        restoreStandardMaterial();
        Edit7->setText(literal(context_.decimalMode, "4.6"));
        Edit66->setText("130");
    }
    context_.recalculate();
}

void OptionsPanel::Edit7Click()
{
    Edit7->setText(QString());
    ComboBox1->setItemIndexSilently(CustomMaterial);
}

void OptionsPanel::Edit66Click()
{
    Edit66->setText(QString());
    ComboBox1->setItemIndexSilently(CustomMaterial);
}

void OptionsPanel::Edit7Exit()
{
    if (!Edit7->text().isEmpty())
        return;
    restoreStandardMaterial();
    Edit7->setText(literal(context_.decimalMode, "4.6"));
}

void OptionsPanel::Edit66Exit()
{
    if (!Edit66->text().isEmpty())
        return;
    restoreStandardMaterial();
    Edit66->setText("130");
}

double OptionsPanel::manualThickness(Edit *box, UnitSystem units) const
{
    const double value = context_.parse(box->text());
    return units == UnitSystem::Metric ? value * 0.001 : value;
}

double OptionsPanel::baseCopperThickness(UnitSystem units) const
{
    if (manualShown_)
        return manualThickness(Edit136, units);
    return copperThickness(CopperGroup::Base, RadioGroup4->itemIndex(), units);
}

double OptionsPanel::platingThickness(UnitSystem units) const
{
    if (manualShown_)
        return manualThickness(Edit138, units);
    return copperThickness(CopperGroup::Plating, RadioGroup1->itemIndex(), units);
}

void OptionsPanel::reloadCopperLists(UnitSystem units)
{
    RadioGroup1->setItems(platingItems(units));
    RadioGroup1->setItemIndex(2);
    RadioGroup4->setItems(baseCopperItems(units));
    RadioGroup4->setItemIndex(1);
    RadioGroup5->setItems(planeItems(units));
    RadioGroup5->setItemIndex(0);
    for (RadioGroup *g : {RadioGroup1, RadioGroup4, RadioGroup5})
        setHint(g, g->toolTip());
}

void OptionsPanel::applyEnables(const OptionsEnables &e)
{
    ComboBox1->setEnabled(e.material);
    Edit7->setEnabled(e.er);
    Edit66->setEnabled(e.tg);
    GroupBox3->setEnabled(e.rise);
    GroupBox4->setEnabled(e.ambient);
    setManualCopperEnabled(e.manualCopper, e.manualCopper);
    if (e.plating != OptionsEnables::Plating::Keep)
        RadioGroup1->setEnabled(e.plating == OptionsEnables::Plating::Enabled);
    RadioGroup4->setEnabled(e.baseCopper);
    RadioGroup5->setEnabled(e.planeEnabled);
    RadioGroup5->setVisible(e.planeShown);
    RadioGroup3->setEnabled(e.layer);
}

void OptionsPanel::showManualCopper(bool manual)
{
    manualShown_ = manual;
    RadioGroup1->setVisible(!manual);
    RadioGroup4->setVisible(!manual);
    GroupBox31->setVisible(manual);
    GroupBox32->setVisible(manual);
}

void OptionsPanel::setManualCopperEnabled(bool base, bool plating)
{
    GroupBox31->setEnabled(base);
    Edit136->setEnabled(base);
    Edit137->setEnabled(base);
    GroupBox32->setEnabled(plating);
    Edit138->setEnabled(plating);
    Edit139->setEnabled(plating);
}

void OptionsPanel::presetManualCopper(UnitSystem units)
{
    if (units == UnitSystem::Metric) {
        Edit136->setText("18");
        Edit138->setText("35");
    } else {
        Edit136->setText(literal(context_.decimalMode, "0.7"));
        Edit138->setText(literal(context_.decimalMode, "1.4"));
    }
}

void OptionsPanel::declareUnits(UnitSwitch &units)
{
    units.addText({Edit137, "mils", "um"});
    units.addText({Edit139, "mils", "um"});
    units.addInput({7, Edit136, Quantity::Thickness});
    units.addInput({8, Edit138, Quantity::Thickness});
}

} // namespace tw
