#include "app/calculator_table.h"

namespace tw {

namespace {

// Options-panel states in the column order material, Er, Tg, rise, ambient, manual copper,
// plating, base copper, plane, layer: 'E' enabled, '-' disabled, 'K' kept as it is; the plane
// is 'S' shown and disabled or 'H' hidden.
OptionsEnables options(const char (&code)[11])
{
    OptionsEnables e;
    e.material = code[0] == 'E';
    e.er = code[1] == 'E';
    e.tg = code[2] == 'E';
    e.rise = code[3] == 'E';
    e.ambient = code[4] == 'E';
    e.manualCopper = code[5] == 'E';
    e.plating = code[6] == 'K'   ? OptionsEnables::Plating::Keep
                : code[6] == 'E' ? OptionsEnables::Plating::Enabled
                                 : OptionsEnables::Plating::Disabled;
    e.baseCopper = code[7] == 'E';
    e.planeEnabled = false;
    e.planeShown = code[8] != 'H';
    e.layer = code[9] == 'E';
    return e;
}

LayerSelector layers(const char *caption, QStringList items, int preset, bool enabled = true)
{
    const bool enlarged = items.size() > 3;
    return {caption, std::move(items), preset, enlarged, enabled};
}

LayerSelector noLayers()
{
    return {" Conductor Layer ", {"Internal Layer", "External Layer"}, -1, false, false};
}

const char *const copper = "Total Copper Thickness";
const char *const conductorTemp = "Conductor Temperature";

std::array<CalculatorRow, CalculatorCount> buildTable()
{
    const QStringList twoLines{"Microstrip", "Stripline"};
    return {{
        {0, "Via Properties", "ViaProperties1", "&Via Properties", "GroupBox1",
         " Via Characteristics ", "Power Dissipation (dBm)", Label56, true, options("EEEEE---SE"),
         true, layers(" Layer Set ", {"2 Layer", "Multi Layer", "Microvia"}, 1)},
        {1, "Conductor Properties", "ConductorProperties1", "&Conductor Properties", "GroupBox5",
         " Conductor Characteristics ", copper, Label72, true, options("E-EEEEKESE"), false,
         layers(" Conductor Layer ", {"Internal Layer", "External Layer"}, 1)},
        {2, "Bandwidth && Max Conductor Length", "SignalProperties1",
         "&Bandwidth && Max Conductor Length", "GroupBox6", " Bandwidth && Max Conductor Length ",
         copper, AllSix, true, options("EE------SE"), false,
         layers(" Passive Circuits ", twoLines, 0)},
        {3, "Differential Pairs", "DifferentialPairs1", "&Differential Pair Calculator",
         "GroupBox8", " Differential Pairs ", copper, Label72 | Label27 | Label28, true,
         options("EE---EEEHE"), false,
         layers(" Differential Layer ",
                {"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym", "Edge Cpld Embed",
                 "Broad Cpld Shld", "Broad Cpld NShld"},
                0)},
        {4, "Padstack Calculator", "Padstacks1", "&Padstack Calculator", "GroupBox10",
         " Padstack Calculator ", copper, AllSix, true, options("--------S-"), false, noLayers()},
        {5, "Mechanical Information", "Mechanical1", "&Mechanical Information", "GroupBox11",
         " Mechanical Info ", copper, AllSix, true, options("--------S-"), false, noLayers()},
        {6, "Conductor Spacing", "ConductorSpacing1", "M&inimum Conductor &Spacing", "GroupBox13",
         " Minimum Conductor Spacing ", copper, AllSix, true, options("--------S-"), false,
         noLayers()},
        {7, "Conductor Impedance", "RFImpedances1", "Conductor &Impedance", "GroupBox15",
         " Conductor Impedance ", copper, Label110 | Label285 | Label72 | Label27 | Label28, true,
         options("EE---EKEHE"), false,
         layers(" Passive Circuits ",
                {"Microstrip", "Microstrip Embed", "Stripline", "Stripline Asym", "Dual Stripline",
                 "Coplanar Wave"},
                0)},
        {8, "Conversion Data", "ConversionData1", "C&onversion Calculator", "GroupBox7",
         " Units Conversion Data ", copper, AllSix, true, options("--------S-"), false, noLayers()},
        {9, "Planar Inductors", "PlanarInductors1", "Planar I&nductors", "GroupBox20",
         " Planar Inductors Calculator ", copper, AllSix, true, options("--------HE"), false,
         layers(" Inductor Geometry ", {"Square", "Hexagonal", "Octagonal", "Circular"}, 0)},
        {10, "Plane Calculator", "PDNImpedance1", "P&DN Impedance", "GroupBox23",
         " Plane Information ", copper, AllSix, true, options("EEE-----S-"), false, noLayers()},
        {11, "Thermal", "ThermalManagement1", "&Thermal Management", "GroupBox27",
         " Thermal Management ", copper, AllSix, false, options("----E---S-"), false, noLayers()},
        {12, "Fusing Current", "FuseCurrent1", "&Fusing Current", "GroupBox33", " Fusing Current ",
         copper, AllSix, true, options("-----EEES-"), false, noLayers()},
        {13, "Embedded Resistors", "EmbeddedRs1", "Embedded &R's", "GroupBox34",
         "  PTF Embedded Resistors  ", copper, AllSix, true, options("--------S-"), false,
         noLayers()},
        {14, "PPM Calculator", "PPMCalculator1", "PPM C&alculator", "GroupBox36",
         " PPM Calculator ", copper, AllSix, false, options("--------S-"), false, noLayers()},
        {15, "Crosstalk Calculator", "CrosstalkCalculator1", "Crosstal&k Calculator", "GroupBox39",
         " Crosstalk Calculator ", copper, AllSix, true, options("EE------SE"), false,
         layers(" Conductor Layer ", twoLines, 0)},
        {16, "Wavelength Calculator", "WavelengthCalculator1", "Wavelength Calc&ulator",
         "GroupBox22", " Wavelength Calculator ", copper, AllSix, true, options("--------S-"),
         false, layers(" Conductor Layer ", twoLines, 0, false)},
        {17, "Er Effective", "ErEffective1", "Er Effecti&ve", "GroupBox43", " Er Effective ",
         copper, Label110 | Label285 | Label72 | Label27 | Label28, true, options("EE----EES-"),
         false, noLayers()},
        {18, "Ohm's Law", "OhmsLaw1", "&Ohm's Law", "GroupBox47", " Ohm's Law ", "R Total",
         AllSix | Label320, false, options("--------S-"), false, noLayers()},
        {19, "Reactance", "XlXcReactance1", "&XC XL Reactance", "GroupBox48", " XC XL Reactance ",
         copper, AllSix | Label320, false, options("--------S-"), false, noLayers()},
    }};
}

} // namespace

const std::array<CalculatorRow, CalculatorCount> &calculatorTable()
{
    static const std::array<CalculatorRow, CalculatorCount> table = buildTable();
    return table;
}

bool manualCopperApplies(int tab)
{
    return tab >= 0 && tab <= 12;
}

ManualCopperEnables manualCopperEnables(int tab, int layerIndex)
{
    switch (tab) {
    case 1:
        return {true, layerIndex == 1};
    case 3:
        return {true, layerIndex == 0};
    case 7:
        // The coplanar line fixes its copper stack, typed by hand or not.
        return {layerIndex != 5, layerIndex == 0};
    case 12:
        return {true, true};
    default:
        return {false, false};
    }
}

} // namespace tw
