#include "app/calculator.h"

#include "app/calculator_table.h"
#include "calc/current/conductor_panel.h"
#include "calc/general/ppm_panel.h"

namespace tw {

std::unique_ptr<Calculator> createCalculator(int index, QWidget *parent, Context &context)
{
    switch (index) {
    case 1:
        return std::make_unique<ConductorCalculator>(parent, context);
    case 14:
        return std::make_unique<PpmCalculator>(parent, context);
    default: {
        const CalculatorRow &row = calculatorTable().at(static_cast<std::size_t>(index));
        return std::make_unique<EmptyCalculator>(parent, row.groupBox, row.groupCaption);
    }
    }
}

} // namespace tw
