#include "ui/calculator.h"

#include "app/calculator_table.h"
#include "calc/current/bandwidth_panel.h"
#include "calc/current/conductor_panel.h"
#include "calc/current/fusing_panel.h"
#include "calc/current/thermal_panel.h"
#include "calc/current/via_panel.h"
#include "calc/general/conversion_panel.h"
#include "calc/general/embedded_resistor_panel.h"
#include "calc/general/ohms_law_panel.h"
#include "calc/general/planar_inductor_panel.h"
#include "calc/general/plane_panel.h"
#include "calc/general/ppm_panel.h"
#include "calc/general/reactance_panel.h"
#include "calc/general/wavelength_panel.h"
#include "calc/layout/mechanical_panel.h"
#include "calc/layout/padstack_panel.h"
#include "calc/layout/spacing_panel.h"
#include "calc/lines/crosstalk_panel.h"
#include "calc/lines/differential_pair_panel.h"
#include "calc/lines/er_effective_panel.h"
#include "calc/lines/impedance_panel.h"

namespace tw {

std::unique_ptr<Calculator> createCalculator(int index, QWidget *parent, Context &context)
{
    switch (index) {
    case 0:
        return std::make_unique<ViaCalculator>(parent, context);
    case 1:
        return std::make_unique<ConductorCalculator>(parent, context);
    case 2:
        return std::make_unique<BandwidthCalculator>(parent, context);
    case 3:
        return std::make_unique<DifferentialPairCalculator>(parent, context);
    case 4:
        return std::make_unique<PadstackCalculator>(parent, context);
    case 5:
        return std::make_unique<MechanicalCalculator>(parent, context);
    case 6:
        return std::make_unique<SpacingCalculator>(parent, context);
    case 7:
        return std::make_unique<ImpedanceCalculator>(parent, context);
    case 8:
        return std::make_unique<ConversionCalculator>(parent, context);
    case 9:
        return std::make_unique<PlanarInductorCalculator>(parent, context);
    case 10:
        return std::make_unique<PlaneCalculator>(parent, context);
    case 11:
        return std::make_unique<ThermalCalculator>(parent, context);
    case 12:
        return std::make_unique<FusingCalculator>(parent, context);
    case 13:
        return std::make_unique<EmbeddedResistorCalculator>(parent, context);
    case 14:
        return std::make_unique<PpmCalculator>(parent, context);
    case 15:
        return std::make_unique<CrosstalkCalculator>(parent, context);
    case 16:
        return std::make_unique<WavelengthCalculator>(parent, context);
    case 17:
        return std::make_unique<ErEffectiveCalculator>(parent, context);
    case 18:
        return std::make_unique<OhmsLawCalculator>(parent, context);
    case 19:
        return std::make_unique<ReactanceCalculator>(parent, context);
    default: {
        const CalculatorRow &row = calculatorTable().at(static_cast<std::size_t>(index));
        return std::make_unique<EmptyCalculator>(parent, row.groupBox, row.groupCaption);
    }
    }
}

} // namespace tw
