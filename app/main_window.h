#pragma once

#include "app/settings/program_options.h"
#include "app/settings/settings_store.h"
#include "app/window_lock.h"
#include "ui/calculator.h"
#include "ui/context.h"
#include "ui/controls.h"
#include "ui/info_panel.h"
#include "ui/options_panel.h"
#include "ui/units.h"

#include <QAction>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

namespace tw {

class Clock;
class Desktop;
class FormPrinter;
class InfoDialogs;
class MainMenu;
class Messages;
class Printing;
class SettingsStore;
class TForm2;
class TForm4;
class TForm5;
class TForm8;
class Tray;

struct StartOptions {
    bool noSplash = false;
    DecimalMode decimalMode = DecimalMode::Point;
};

struct Services {
    Messages &messages;
    SettingsStore &settings;
    Desktop &desktop;
    Clock &clock;
    std::function<void(int)> exitProgram;
    // Where the window is printed; null for the system's printers.
    Printing *printing = nullptr;
    // Where the program file is; empty for the folder of the running program.
    QString programDirectory = {};
};

// The main window: calculator tabs and menu, the shared panels and the twenty calculators.
class TForm1 final : public QMainWindow, private ProgramOptionsTarget {
public:
    TForm1(Services services, StartOptions start);
    ~TForm1() override;

    // The recalculation entry.
    void Button1Click();
    // The start-up sequence, run when the window is first shown.
    void Button3Click();
    // The first write the settings store refused: said once, and kept in the status bar.
    void settingsNotSaved();
    void TabControl1Change();
    void RadioGroup3Click();
    void RadioGroup6Click();
    void Exit1Click();
    void Exit3Click();
    void CopperWeight1Click();
    void ReinstallRegistryKeys1Click();
    void Label301Click();

    // The panel configuration of one calculator: the handler of its menu item and tab.
    void configureCalculator(int index);

    int ActiveCalculator = 0;
    UnitSystem unitSystem() const;
    Context &context() { return context_; }
    const StartOptions &startOptions() const { return start_; }
    SettingsStore &settings() { return settings_; }
    Messages &messages() { return services_.messages; }
    Calculator &calculator(int index) { return *calculators_.at(static_cast<std::size_t>(index)); }

    OptionsPanel *options() const { return options_.get(); }
    InfoPanel *info() const { return info_.get(); }
    InfoDialogs &dialogs() const { return *dialogs_; }
    FormPrinter &printer() const { return *printer_; }
    MainMenu &menu() const { return *menu_; }
    Tray &tray() const { return *tray_; }
    TForm2 *form2() const;
    TForm4 *form4() const { return form4_; }
    TForm5 *form5() const;
    TForm6 *form6() const { return form6_; }
    TForm8 *form8() const { return form8_; }

    TabControl *TabControl1;
    QWidget *Panel1;
    RadioGroup *RadioGroup6 = nullptr;
    QLabel *Label165;
    ClickLabel *Label301;
    QStatusBar *StatusBar1;
    QLabel *StatusPanel0;
    QLabel *StatusPanel1 = nullptr;
    std::array<QAction *, 20> menuItems{};
    QAction *Exit1;
    QAction *CopperWeight1;
    QAction *ReinstallRegistryKeys1;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void applyManualCopperLayout(int tab, int layerIndex);

    // What the Program Options change here.
    void ipcVersionChanged(int version) override;
    void etchFactorChanged(int etchFactor) override;
    void manualCopperChanged(bool manual) override;
    void recalculateWindow() override { Button1Click(); }
    void setWindowEnabled(bool enabled) override;

    Services services_;
    // The store every setting of the window is written through.
    WatchedSettingsStore settings_;
    // Shown in the status bar for the rest of the run once the settings cannot be saved.
    QString settingsNotSaved_;
    StartOptions start_;
    Context context_;
    std::unique_ptr<OptionsPanel> options_;
    std::unique_ptr<InfoPanel> info_;
    std::array<std::unique_ptr<Calculator>, 20> calculators_;
    UnitSwitch units_;
    UnitSystem unitsShown_ = UnitSystem::Imperial;
    WindowLock lock_{*this};
    std::unique_ptr<InfoDialogs> dialogs_;
    std::unique_ptr<Printing> systemPrinting_;
    std::unique_ptr<FormPrinter> printer_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<Tray> tray_;
    TForm4 *form4_ = nullptr;
    TForm6 *form6_ = nullptr;
    TForm8 *form8_ = nullptr;
    bool started_ = false;
};

} // namespace tw
