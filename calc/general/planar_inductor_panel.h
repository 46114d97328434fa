#pragma once

#include "calc/general/planar_inductor_picture_panel.h"
#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/units.h"

#include <array>
#include <optional>

namespace tw {

struct Context;

// Inductance of a printed spiral of four shapes (the shape is the layer selector's item).
class PlanarInductorCalculator final : public Calculator {
public:
    PlanarInductorCalculator(QWidget *parent, Context &context);
    QGroupBox *groupBox() const override { return GroupBox20; }
    void compute() override { CalcPlanarInductors(); }
    void layerSelected(int itemIndex) override;
    void declareUnits(UnitSwitch &units) override { units_.declareTo(units); }

    void CalcPlanarInductors();

    QGroupBox *GroupBox20;
    QLabel *Label193;
    Edit *Edit88;
    QLabel *Label194;
    Edit *Edit89;
    Edit *Edit96;
    QLabel *Label196;
    Edit *Edit91;
    Edit *Edit97;
    QLabel *Label197;
    Edit *Edit92;
    Edit *Edit98;
    QLabel *Label199;
    Edit *Edit94;
    Edit *Edit101;
    QLabel *Label198;
    Edit *Edit93;
    Edit *Edit100;
    QLabel *Label195;
    Edit *Edit90;
    Edit *Edit99;
    QLabel *Image36;
    LinkLabel *Label161;
    SpiralPicture *Image13;
    SpiralPicture *Image33;
    SpiralPicture *Image34;
    SpiralPicture *Image35;

private:
    // The boxes take a comma for a point, unless the comma is the user's own separator.
    double number(const Edit *box) const;

    Context &context_;
    UnitEntries units_;
    std::array<SpiralPicture *, 4> pictures_{};
    // The overlapping geometry last reported, so that the nested recalculations of one change
    // report it once.
    std::optional<SpiralGeometry> reported_;
};

} // namespace tw
