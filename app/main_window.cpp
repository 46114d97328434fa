#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/calculator_table.h"
#include "app/info_dialogs.h"
#include "app/links.h"
#include "app/menus.h"
#include "app/outside_programs.h"
#include "app/printing.h"
#include "app/references_dialog.h"
#include "app/settings/registry_install_dialog.h"
#include "app/settings/settings_store.h"
#include "app/settings/splash.h"
#include "app/tray.h"
#include "app/version.h"
#include "ui/entry_ranges.h"
#include "ui/errors.h"
#include "ui/event_guard.h"
#include "ui/messages.h"
#include "ui/result_text.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace tw {

TForm1::TForm1(Services services, StartOptions start)
    : services_(std::move(services)), settings_(services_.settings, [this] { settingsNotSaved(); }),
      start_(start)
{
    setObjectName("TForm1");
    setWindowTitle(QStringLiteral("Korvane, Inc. - Tracewright V%1 - %2")
                       .arg(QLatin1String(programVersion), link::homeShown));
    setErrorDisplay(&services_.messages);

    context_.decimalMode = start_.decimalMode;
    context_.messages = &services_.messages;
    context_.desktop = &services_.desktop;
    context_.unitSystem = [this] { return unitSystem(); };
    context_.activeCalculator = [this] { return ActiveCalculator; };
    context_.tabIndex = [this] { return TabControl1->tabIndex(); };
    context_.recalculate = [this] { Button1Click(); };
    context_.showProgramOptions = [this] { CopperWeight1Click(); };
    context_.selectCalculator = [this](int index) {
        TabControl1->setTabIndex(index);
        TabControl1Change();
    };
    context_.calculatorAt = [this](int index) { return &calculator(index); };
    context_.enableUnitSwitch = [this](bool enabled) {
        if (RadioGroup6)
            RadioGroup6->setEnabled(enabled);
    };

    auto *central = new QWidget(this);
    central->setObjectName("central");
    setCentralWidget(central);
    auto *page = new QVBoxLayout(central);
    page->setContentsMargins(4, 4, 4, 0);
    page->setSpacing(0);

    QStringList tabs;
    for (const CalculatorRow &row : calculatorTable())
        tabs << row.tabCaption;
    TabControl1 = new TabControl(central, "TabControl1", tabs, 951);
    page->addWidget(TabControl1);

    Panel1 = new QWidget(central);
    Panel1->setObjectName("Panel1");
    page->addWidget(Panel1, 1);
    auto *panels = new QHBoxLayout(Panel1);
    panels->setContentsMargins(0, 4, 0, 0);

    auto *calculatorArea = new QVBoxLayout;
    panels->addLayout(calculatorArea, 1);
    options_ = std::make_unique<OptionsPanel>(Panel1, context_);
    context_.options = options_.get();
    info_ = std::make_unique<InfoPanel>(Panel1);
    context_.info = info_.get();

    for (int i = 0; i < CalculatorCount; ++i) {
        calculators_[static_cast<std::size_t>(i)] = createCalculator(i, Panel1, context_);
        QGroupBox *box = calculators_[static_cast<std::size_t>(i)]->groupBox();
        calculatorArea->addWidget(box);
        box->setVisible(i == 0);
    }

    RadioGroup6 = new RadioGroup(Panel1, "RadioGroup6", " Units ", {"Imperial", "Metric"}, 0, 2);
    setHint(RadioGroup6, "Switch between imperial units and metric units.");
    Label165 = makeLabel(Panel1, "Label165", "Label165");
    Label165->hide();
    Label301 = new ClickLabel(Panel1, "Label301", "Registry Error!");
    Label301->setStyleSheet("color: red; font-weight: bold;");
    Label301->hide();

    auto *side = new QVBoxLayout;
    side->setSpacing(2);
    side->addWidget(options_->widget());
    side->addWidget(RadioGroup6);
    side->addWidget(info_->widget());
    side->addWidget(Label301);
    side->addStretch(1);
    auto *sideWidget = new QWidget(Panel1);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(320);
    panels->addWidget(sideWidget);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = makeLabel(StatusBar1, "StatusBar1Panel0", QString());
    StatusPanel0->setMinimumWidth(650);
    StatusPanel1 = makeLabel(StatusBar1, "StatusBar1Panel1", QString());
    StatusPanel1->setStyleSheet("color: red;");
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
    setStatusBar(StatusBar1);

    if (!services_.printing) {
        systemPrinting_ = std::make_unique<QtPrinting>();
        services_.printing = systemPrinting_.get();
    }
    printer_ =
        std::make_unique<FormPrinter>(*this, *options_->Label29, *options_->ProgressBar3,
                                      services_.messages, *services_.printing, services_.clock);
    connect(options_->Button2, &QPushButton::clicked, this,
            [this] { guardEvent([this] { printer_->Print1Click(); }); });
    buildMenus();

    TabControl1->onChange = [this] { TabControl1Change(); };
    options_->RadioGroup3->onClick = [this] { RadioGroup3Click(); };
    RadioGroup6->onClick = [this] { RadioGroup6Click(); };
    Label301->onClick = [this] { Label301Click(); };
    auto recalculate = [this] { Button1Click(); };
    info_->Edit227->onEnter = recalculate;
    info_->UpDown6->onChanging = recalculate;
    info_->UpDown6->onClick = recalculate;

    options_->declareUnits(units_);
    for (auto &calculator : calculators_)
        calculator->declareUnits(units_);

    // The dialogs exist from the start: start-up writes the stored options into them.
    dialogs_ = std::make_unique<InfoDialogs>(lock_, services_.messages, services_.desktop,
                                             services_.programDirectory);
    form4_ = new TForm4(*this, services_.clock);
    // No parent: disabling the main window while the dialog is open must not disable the dialog.
    form6_ = new TForm6(settings_, services_.desktop);
    form6_->setTarget(this);
    context_.programOptions = form6_;
    connect(form6_, &QDialog::rejected, this, [this] { lock_.release(form6_); });
    form8_ = new TForm8(services_.settings, services_.messages, services_.exitProgram, this);

    setFixedSize(959, 757 + menuBar()->sizeHint().height() + StatusBar1->sizeHint().height());
}

TForm1::~TForm1()
{
    // The panels go first; the focus moving between the dying controls must not reach them.
    silenceControls(this);
    setErrorDisplay(nullptr);
    tray_.reset();
    dialogs_.reset();
    delete form4_;
    delete form6_;
}

TForm2 *TForm1::form2() const
{
    return dialogs_->form2();
}

TForm5 *TForm1::form5() const
{
    return dialogs_->form5();
}

void TForm1::buildMenus()
{
    MenuHandlers h;
    h.PrinterSetup1Click = [this] { printer_->PrinterSetup1Click(); };
    h.Print1Click = [this] { printer_->Print1Click(); };
    h.Exit1Click = [this] { Exit1Click(); };
    h.calculatorClick = [this](int index) { configureCalculator(index); };
    h.Calculator1Click = [this] { startProgram(services_.desktop, calculatorProgram()); };
    h.ASCIIEditor1Click = [this] { startProgram(services_.desktop, textEditorProgram()); };
    h.CopperWeight1Click = [this] { CopperWeight1Click(); };
    h.Disclaimer1Click = [this] { dialogs_->Disclaimer1Click(); };
    h.References1Click = [this] { dialogs_->References1Click(); };
    h.About1Click = [this] { dialogs_->About1Click(); };
    h.EULA1Click = [this] { dialogs_->EULA1Click(); };
    h.ReinstallRegistryKeys1Click = [this] { ReinstallRegistryKeys1Click(); };
    menu_ = std::make_unique<MainMenu>(*menuBar(), services_.desktop, h);
    menuItems = menu_->calculatorItems;
    Exit1 = menu_->Exit1;
    CopperWeight1 = menu_->CopperWeight1;
    ReinstallRegistryKeys1 = menu_->ReinstallRegistryKeys1;

    tray_ = std::make_unique<Tray>([this] { dialogs_->Exit2Click(); }, [this] { Exit3Click(); });
}

UnitSystem TForm1::unitSystem() const
{
    return RadioGroup6->itemIndex() == 1 ? UnitSystem::Metric : UnitSystem::Imperial;
}

bool TForm1::event(QEvent *event)
{
    // The hint of the control under the mouse goes to the first status panel.
    if (event->type() == QEvent::StatusTip) {
        StatusPanel0->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (started_)
        return;
    started_ = true;
    QTimer::singleShot(0, this, [this] { guardEvent([this] { Button3Click(); }); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // A dialog left open would keep the program running without its window.
    dialogs_->hideAll();
    form4_->hide();
    form6_->hide();
    form8_->hide();
    QMainWindow::closeEvent(event);
}

void TForm1::Button1Click()
{
    for (auto &calculator : calculators_)
        calculator->prepareRecalculation();
    options_->CheckTempRise();
    options_->CheckAmbientTemp();
    options_->UpdateConductorTemp(info_->Label27, info_->Label28);

    bool exceeded = false;
    if (options_->Edit66->text() != QStringLiteral("N/A")) {
        context_.MaterialTemp = context_.parse(options_->Edit66->text());
        exceeded = context_.TempRise + context_.AmbientTemp > context_.MaterialTemp;
    }
    StatusPanel1->setText(exceeded ? QStringLiteral("WARNING! Material temperature exceeded!")
                                   : settingsNotSaved_);
    for (auto &calculator : calculators_)
        calculator->showMaterialWarning(exceeded);

    if (ActiveCalculator < 0 || ActiveCalculator >= CalculatorCount)
        return;
    Calculator &active = calculator(ActiveCalculator);
    if (!entriesInRange({active.groupBox(), options_->widget()}, services_.messages,
                        context_.decimalMode))
        return;
    clearFloatFaults();
    active.compute();
}

void TForm1::settingsNotSaved()
{
    const QString where = settings_.location();
    settingsNotSaved_ = QStringLiteral("Settings are not being saved");
    if (StatusPanel1 && StatusPanel1->text().isEmpty())
        StatusPanel1->setText(settingsNotSaved_);
    services_.messages.information(
        QStringLiteral("Your settings cannot be saved%1. Tracewright goes on with the settings "
                       "of this session; they will be lost when it ends.")
            .arg(where.isEmpty() ? QString() : QStringLiteral(" to \"%1\"").arg(where)));
}

void TForm1::Button3Click()
{
    runStartUp(*this, *form4_, services_.clock);
}

void TForm1::TabControl1Change()
{
    const int tab = TabControl1->tabIndex();
    if (tab == 3)
        options_->RadioGroup3->setItems({});
    configureCalculator(tab);
}

void TForm1::configureCalculator(int index)
{
    const CalculatorRow &row = calculatorTable().at(static_cast<std::size_t>(index));
    Calculator &active = calculator(index);

    ActiveCalculator = index;
    active.configureLeading();

    info_->showOhmsLawLines(index == 18);
    info_->Label55->setText(row.label55);
    info_->Label23->setText(index == 0 ? "Via Temperature" : "Conductor Temperature");

    RadioGroup *layer = options_->RadioGroup3;
    layer->setTitle(row.layer.caption);
    layer->setMinimumHeight(row.layer.enlarged ? 90 : 0);

    options_->Button1->setEnabled(true);
    info_->setNotApplicable(row.notApplicable);

    options_->applyEnables(row.options);
    RadioGroup6->setEnabled(row.unitsEnabled);

    for (int i = 0; i < CalculatorCount; ++i)
        calculator(i).groupBox()->setVisible(i == index);

    info_->Edit227->setEnabled(row.viaCount);
    info_->UpDown6->setEnabled(row.viaCount);

    TabControl1->setTabIndex(index);

    // Copper typed by hand shows its boxes on every calculator that reads copper weights, so no
    // result comes from boxes the user cannot see.
    if (form6_->manualCopperWeight())
        applyManualCopperLayout(index, row.layer.preset);

    layer->setItems(row.layer.items);
    setHint(layer, layer->toolTip());
    if (row.layer.preset >= 0)
        layer->setItemIndex(row.layer.preset);

    if (row.notApplicable & tw::Label27) {
        info_->Label27->setText("N/A");
        info_->Label28->setText("N/A");
    }
    active.configureTrailing();

    settings_.write(setting::Program, QString::number(index));
    Button1Click();
}

void TForm1::applyManualCopperLayout(int tab, int layerIndex)
{
    if (!manualCopperApplies(tab))
        return;
    options_->showManualCopper(true);
    const ManualCopperEnables enables = manualCopperEnables(tab, layerIndex);
    options_->setManualCopperEnabled(enables.base, enables.plating);
}

void TForm1::RadioGroup3Click()
{
    const int tab = TabControl1->tabIndex();
    const int item = options_->RadioGroup3->itemIndex();
    calculator(tab).layerSelected(item);
    if (options_->manualCopperShown())
        applyManualCopperLayout(tab, item);
    Button1Click();
}

void TForm1::RadioGroup6Click()
{
    const UnitSystem to = unitSystem();
    try {
        units_.convert(to, context_.decimalMode);
    } catch (const ConversionError &) {
        // Nothing was converted: the selector goes back to the system the boxes are still in.
        RadioGroup6->setItemIndexSilently(static_cast<int>(unitsShown_));
        throw;
    }
    unitsShown_ = to;
    options_->reloadCopperLists(to);
    for (auto &calculator : calculators_)
        calculator->unitsSwitched();
    settings_.write(setting::Units, to == UnitSystem::Metric ? "1" : "0");
    Button1Click();
}

void TForm1::Exit1Click()
{
    services_.exitProgram(0);
}

void TForm1::Exit3Click()
{
    services_.exitProgram(0);
}

void TForm1::CopperWeight1Click()
{
    lock_.hold(form6_);
    form6_->show();
}

void TForm1::setWindowEnabled(bool enabled)
{
    if (enabled)
        lock_.release(form6_);
    else
        lock_.hold(form6_);
}

void TForm1::ReinstallRegistryKeys1Click()
{
    form8_->show();
}

void TForm1::Label301Click()
{
    form8_->show();
}

void TForm1::ipcVersionChanged(int version)
{
    calculator(0).applyIpcVersion(version);
    calculator(1).applyIpcVersion(version);
}

void TForm1::etchFactorChanged(int etchFactor)
{
    calculator(1).applyEtchFactor(etchFactor);
}

void TForm1::manualCopperChanged(bool manual)
{
    const int tab = TabControl1->tabIndex();
    if (!manual) {
        options_->showManualCopper(false);
        return;
    }
    if (!manualCopperApplies(tab))
        return;
    applyManualCopperLayout(tab, options_->RadioGroup3->itemIndex());
    options_->presetManualCopper(unitSystem());
}

} // namespace tw
