#pragma once

#include "calc/lines/cross_section_picture_panel.h"
#include "calc/lines/differential_pairs.h"
#include "calc/lines/field_solver.h"
#include "ui/background_solve.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

#include <QColor>

#include <array>
#include <memory>

class QPushButton;
class QSlider;

namespace tw {

struct Context;

// The square go/no-go indicator.
class IndicatorShape final : public QWidget {
public:
    IndicatorShape(QWidget *parent, const QString &name, const QString &hint);
    void setBrushColor(const QColor &color);
    QColor brushColor() const { return color_; }
    QSize sizeHint() const override { return {22, 22}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color_;
};

// Differential impedance of six coupled arrangements with a tolerance band and a go/no-go
// indicator for a target impedance.
class DifferentialPairCalculator final : public Calculator {
public:
    DifferentialPairCalculator(QWidget *parent, Context &context);
    ~DifferentialPairCalculator() override;
    QGroupBox *groupBox() const override { return GroupBox8; }
    void compute() override { CalcDifferentialPairs(); }
    void layerSelected(int itemIndex) override;
    void declareUnits(UnitSwitch &units) override;

    void CalcDifferentialPairs();
    void TrackBar1Change();
    // Finds the width (or the spacing) that gives the target Zdiff, writes it, recalculates.
    void SolvePairClick();

    QGroupBox *GroupBox8;
    QLabel *Label38;
    Edit *Edit21;
    Edit *Edit62;
    QLabel *Label39;
    Edit *Edit26;
    Edit *Edit63;
    QLabel *Label40;
    Edit *Edit27;
    Edit *Edit64;
    QLabel *Label58;
    Edit *Edit32;
    Edit *Edit65;
    QLabel *Label240;
    Edit *Edit151;
    Edit *Edit152;
    QLabel *Label45;
    QLabel *Label46;
    QSlider *TrackBar1;
    RadioGroup *SolvePairFor;
    QPushButton *SolvePair;
    QLabel *Label43;
    Edit *Edit28;
    QLabel *Label44;
    Edit *Edit29;
    QLabel *FieldSolverLabel;
    Edit *FieldSolverZdiff;
    Edit *Edit30;
    Edit *Edit31;
    IndicatorShape *Shape1;
    QLabel *Label47;
    QLabel *Label49;
    QLabel *Label48;
    QLabel *Label50;
    QLabel *Label87;
    QLabel *Label88;
    QLabel *Label89;
    QLabel *Label192;
    QLabel *Label259;
    CrossSectionPicture *Image1;
    CrossSectionPicture *Image4;
    CrossSectionPicture *Image23;
    CrossSectionPicture *Image21;
    CrossSectionPicture *Image17;
    CrossSectionPicture *Image18;

private:
    // Refuses a length or target that is not positive: message, replacement, recalculation.
    bool refuseNonPositive(double value, Edit *box, const char *message,
                           const QString &replacement);
    QString lengthReplacement() const;
    void showImpedance(Edit *box, bool valid, double value);
    void showRatio(QLabel *label, bool valid, double ratio);
    // The field solution of the same entries beside the closed form's Zdiff.
    void solveField(lines::PairArrangement arrangement, const lines::PairGeometry &geometry,
                    double zdiff, bool zdiffValid);

    Context &context_;
    std::array<CrossSectionPicture *, 6> images_{};
    UnitEntries units_;
    std::unique_ptr<SolveAside<lines::FieldPairResult>> fieldSolve_;
};

} // namespace tw
