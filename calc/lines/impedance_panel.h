#pragma once

#include "calc/lines/cross_section_picture_panel.h"
#include "calc/lines/field_solver.h"
#include "calc/lines/transmission_lines.h"
#include "ui/background_solve.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

#include <QPushButton>
#include <QToolButton>

#include <array>
#include <memory>
#include <optional>

namespace tw {

struct Context;

// Characteristic impedance and per-length values of one conductor in six cross-sections.
class ImpedanceCalculator final : public Calculator {
public:
    ImpedanceCalculator(QWidget *parent, Context &context);
    ~ImpedanceCalculator() override;
    QGroupBox *groupBox() const override { return GroupBox15; }
    void compute() override { CalcConductorImpedance(); }
    void layerSelected(int itemIndex) override;
    void declareUnits(UnitSwitch &units) override;

    void CalcConductorImpedance();
    void SpeedButton1Click();
    // Finds the width that gives the target Zo, writes it and recalculates.
    void SolveForWClick();

    QGroupBox *GroupBox15;
    QLabel *Label100;
    Edit *Edit67;
    Edit *Edit71;
    QLabel *Label101;
    Edit *Edit68;
    Edit *Edit72;
    QLabel *Label104;
    Edit *Edit74;
    Edit *Edit75;
    QLabel *Label288;
    Edit *Edit226;

    QLabel *Label103;
    Edit *Edit70;
    QLabel *FieldSolverLabel;
    Edit *FieldSolverZo;
    QLabel *Label115;
    Edit *Edit77;
    QLabel *Label114;
    Edit *Edit76;
    QLabel *Label54;
    Edit *Edit73;
    QLabel *Label289;
    QLabel *Label290;
    QLabel *Label116;
    QLabel *Label188;
    QLabel *Label191;

    QLabel *Label57;
    QLabel *Label85;
    QLabel *Label86;
    QLabel *Label246;
    QLabel *Label107;
    QLabel *Label108;
    QLabel *Label111;
    QLabel *Label112;
    QLabel *Label260;
    QLabel *Label261;
    QLabel *Label281;
    QLabel *Label282;
    QLabel *Label283;
    QToolButton *SpeedButton1;
    QLabel *TargetZoLabel;
    Edit *TargetZo;
    QPushButton *SolveForW;

    CrossSectionPicture *Image8;
    CrossSectionPicture *Image16;
    CrossSectionPicture *Image22;
    CrossSectionPicture *Image9;
    CrossSectionPicture *Image47;
    CrossSectionPicture *Image19;

private:
    // Everything but the width, as the current entries give it, for the width search.
    struct Stack {
        int topology;
        double h;
        double second;
        double t;
        double er;
        double ghz;
        bool metric;
    };
    Stack currentStack() const;
    static std::optional<double> impedanceOf(const Stack &stack, double w);

    // Outcome of checking one length entry; a corrected entry has already been recalculated.
    enum class Entry { Accepted, Corrected };
    Entry checkPositive(Edit *box, double value, const char *message);
    QString replacementLength() const;

    void showCopper(double t);
    void showPerLength(double tpd, double z, bool zValid, bool errorWhenNotPositive);
    void showRangeCheck(QLabel *label, double value, double low, double high);
    void showImpedanceCheck(double z, bool valid);
    void showLineError();
    // Impedance or "Error", and the per-length rows, of the two lines that may leave their domain.
    void showStriplineResult(lines::LineTopology topology, double er, double z, bool valid);
    // The restriction texts and range colours of the lines limited in width and height.
    void showWidthHeightChecks(const QString &heightName, double w, double h, double z,
                               bool zValid);
    void setRestrictions(const QString &first, const QString &second, const QString &third);

    void drawCrossSection(lines::LineTopology topology, double w, double h, double second,
                          double t);
    void calcMicrostrip(double w, double h, double t, double er);
    void calcEmbedded(double w, double h1, double t, double er);
    void calcStripline(double w, double h, double t, double er);
    void calcOffsetStripline(double w, double h1, double t, double er);
    void calcDualStripline(double w, double h, double t, double er);
    void calcCoplanar(double w, double h, double t, double er);
    // The field solution of the same entries beside the closed form's zo.
    void solveField(lines::LineTopology topology, const lines::LineGeometry &geometry, double zo,
                    bool zoValid);

    Context &context_;
    std::array<CrossSectionPicture *, 6> images_{};
    UnitEntries units_;
    std::unique_ptr<SolveAside<lines::FieldLineResult>> fieldSolve_;
};

} // namespace tw
