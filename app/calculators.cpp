#include "ui/calculator.h"

#include "app/calculator_table.h"
#include "calc/current/conductor_panel.h"
#include "calc/current/via_panel.h"
#include "calc/general/ppm_panel.h"
#include "calc/layout/mechanical_panel.h"
#include "calc/layout/padstack_panel.h"
#include "calc/layout/spacing_panel.h"
#include "calc/lines/differential_pair_panel.h"
#include "calc/lines/impedance_panel.h"
#include "ui/context.h"
#include "ui/controls.h"

namespace tw {

namespace {

// The unit selector is the window's; a calculator that locks it while a mode of its own is
// chosen reaches it through the context. It is looked up when used, as it is created after the
// calculators.
void provideUnitSwitch(QWidget *page, Context &context)
{
    if (context.enableUnitSwitch)
        return;
    context.enableUnitSwitch = [page](bool enabled) {
        if (auto *units = page->findChild<RadioGroup *>("RadioGroup6"))
            units->setEnabled(enabled);
    };
}

} // namespace

std::unique_ptr<Calculator> createCalculator(int index, QWidget *parent, Context &context)
{
    switch (index) {
    case 0:
        return std::make_unique<ViaCalculator>(parent, context);
    case 1:
        return std::make_unique<ConductorCalculator>(parent, context);
    case 3:
        return std::make_unique<DifferentialPairCalculator>(parent, context);
    case 4:
        provideUnitSwitch(parent, context);
        return std::make_unique<PadstackCalculator>(parent, context);
    case 5:
        return std::make_unique<MechanicalCalculator>(parent, context);
    case 6:
        return std::make_unique<SpacingCalculator>(parent, context);
    case 7:
        return std::make_unique<ImpedanceCalculator>(parent, context);
    case 14:
        return std::make_unique<PpmCalculator>(parent, context);
    default: {
        const CalculatorRow &row = calculatorTable().at(static_cast<std::size_t>(index));
        return std::make_unique<EmptyCalculator>(parent, row.groupBox, row.groupCaption);
    }
    }
}

} // namespace tw
