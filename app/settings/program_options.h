#pragma once

#include "ui/context.h"
#include "ui/controls.h"

#include <QDialog>
#include <QPushButton>

namespace tw {

class SettingsStore;
class Desktop;

// What the Program Options change on the main window.
class ProgramOptionsTarget {
public:
    virtual ~ProgramOptionsTarget() = default;
    virtual void ipcVersionChanged(int version) = 0;
    virtual void etchFactorChanged(int etchFactor) = 0;
    virtual void manualCopperChanged(bool manual) = 0;
    virtual void recalculateWindow() = 0;
    virtual void setWindowEnabled(bool enabled) = 0;
};

// A cross-section of an etched conductor: straight walls for "None", sloped walls for 1:1.
class EtchPicture : public QWidget {
public:
    EtchPicture(QWidget *parent, const QString &name, bool sloped);
    QSize sizeHint() const override { return {150, 70}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool sloped_;
};

// Program Options: the choices that steer the current-capacity models.
class TForm6 final : public QDialog, public CurrentModelOptions {
public:
    TForm6(SettingsStore &settings, Desktop &desktop, QWidget *parent = nullptr);
    void setTarget(ProgramOptionsTarget *target) { target_ = target; }

    int currentRuleSet() const override { return RadioGroup1->itemIndex(); }
    int etchFactor() const override { return RadioGroup2->itemIndex(); }
    bool manualCopperWeight() const override { return CheckBox1->isChecked(); }
    bool viaHeightDisabled() const override { return CheckBox2->isChecked(); }

    void RadioGroup1Click();
    void RadioGroup2Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void Button1Click();
    void BitBtn1Click();

    RadioGroup *RadioGroup1;
    RadioGroup *RadioGroup2;
    QGroupBox *GroupBox1;
    CheckBox *CheckBox1;
    QGroupBox *GroupBox2;
    CheckBox *CheckBox2;
    QPushButton *Button1;
    QPushButton *BitBtn1;
    EtchPicture *Image2;
    EtchPicture *Image3;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    SettingsStore &settings_;
    Desktop &desktop_;
    ProgramOptionsTarget *target_ = nullptr;
};

} // namespace tw
