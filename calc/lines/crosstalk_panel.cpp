#include "calc/lines/crosstalk_panel.h"

#include "calc/lines/crosstalk.h"
#include "calc/lines/crosstalk_picture_panel.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/form.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <array>
#include <initializer_list>
#include <vector>

namespace tw {

namespace {

constexpr int StriplineItem = 1;
constexpr double InchesPerMil = 0.001;
constexpr double InchesPerMillimetre = 0.03937007874015748;

const char *const microstripHeightHint = "Enter the conductor distance from the plane.";
const char *const striplineHeightHint = "Enter the total distance between the two planes.";

// The corrections of a unit system: the designed entries in that system.
struct Corrections {
    const char *length;
    const char *height;
    const char *h1;
    const char *h2;
};
constexpr Corrections imperialCorrections{"250", "30", "20", "10"};
constexpr Corrections metricCorrections{"6.35", "0.762", "0.508", "0.254"};

} // namespace

CrosstalkCalculator::CrosstalkCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox39 = new QGroupBox(" Crosstalk Calculator ", parent);
    GroupBox39->setObjectName("GroupBox39");
    Form form(
        GroupBox39, [this] { context_.recalculate(); }, &units_);

    auto input = [&form](QLabel *&label, Edit *&box, Edit *&unit, const RowEntry &entry) {
        const FormRow row = form.input(entry);
        label = row.caption;
        box = row.box;
        unit = row.unit;
    };
    input(Label146, Edit146, Edit147,
          {"Label146", "Signal Rise Time", "Edit146", "1",
           "Enter the signal rise time in nano seconds.", "Edit147", "ns"});
    input(Label147, Edit148, Edit149,
          {"Label147", "Signal Voltage", "Edit148", "5", "Enter the signal voltage.", "Edit149",
           "V"});
    input(Label148, Edit195, Edit196,
          {"Label148", "Coupled Length", "Edit195", "250",
           "Enter the total length of coupling between the adjacent conductors.", "Edit196", "mils",
           "mm", 30});
    input(Label154, Edit203, Edit204,
          {"Label154", "Conductor Spacing (S)", "Edit203", "10",
           "Enter the spacing between the conductors.", "Edit204", "mils", "mm", 34});
    input(Label149, Edit197, Edit198,
          {"Label149", "Conductor Height (H)", "Edit197", "30", microstripHeightHint, "Edit198",
           "mils", "mm", 31});
    input(Label152, Edit199, Edit200,
          {"Label152", "Conductor Height (H1)", "Edit199", "20",
           "Enter the first conductor's distance from the plane.", "Edit200", "mils", "mm", 32});
    input(Label153, Edit201, Edit202,
          {"Label153", "Conductor Height (H2)", "Edit201", "10",
           "Enter the second conductor's distance from the plane.", "Edit202", "mils", "mm", 33});
    form.addSpacing();

    const FormRow coefficient =
        form.result({"Label155",
                     "Crosstalk Coefficient",
                     "Edit205",
                     {},
                     "Crosstalk coefficient per the given input data in dB."});
    Label155 = coefficient.caption;
    Edit205 = coefficient.box;
    const FormRow voltage = form.result({"Label157",
                                         "Coupled Voltage",
                                         "Edit207",
                                         {},
                                         "Coupled voltage per the given input data."});
    Label157 = voltage.caption;
    Edit207 = voltage.box;
    form.addSpacing();

    Image29 = new CrosstalkPicture(GroupBox39, "Image29", crosstalk::Layer::Microstrip);
    Image30 = new CrosstalkPicture(GroupBox39, "Image30", crosstalk::Layer::Stripline);
    form.addWide(Image29);
    form.addWide(Image30);
    form.addStretch();
    layerSelected(0);
}

void CrosstalkCalculator::layerSelected(int itemIndex)
{
    const bool stripline = itemIndex == StriplineItem;
    Image29->setVisible(!stripline);
    Image30->setVisible(stripline);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Edit199, Edit200, Edit201, Edit202, Label152, Label153})
        w->setVisible(stripline);
    setHint(Edit197, stripline ? striplineHeightHint : microstripHeightHint);
}

void CrosstalkCalculator::CalcCrosstalk()
{
    OptionsPanel &o = *context_.options;
    const bool metric = context_.metric();
    const bool stripline = o.RadioGroup3->itemIndex() == StriplineItem;
    const Corrections &c = metric ? metricCorrections : imperialCorrections;

    // The heights of a stripline are checked one by one before they are compared.
    std::vector<EntryLimit> limits{
        {o.Edit7, Refuse::Below, 1, "Minimum dielectric constant value can't be less than 1", "1"},
        {Edit146, Refuse::AtOrBelow, 0, "Minimum signal rise time can't be less than or equal to 0",
         "1"},
        {Edit195, Refuse::AtOrBelow, 0, "Minimum coupled length can't be less than or equal to 0",
         c.length},
        {Edit197, Refuse::AtOrBelow, 0,
         "Minimum conductor height (H) can't be less than or equal to 0", c.height},
    };
    if (stripline) {
        limits.push_back({Edit199, Refuse::AtOrBelow, 0,
                          "Minimum conductor height (H1) can't be less than or equal to 0", c.h1});
        limits.push_back({Edit201, Refuse::AtOrBelow, 0,
                          "Minimum conductor height (H2) can't be less than or equal to 0", c.h2});
    }
    applyLimits(limits, *context_.messages, context_.decimalMode);

    const double er = context_.parse(o.Edit7->text());
    const double rise = context_.parse(Edit146->text());
    const double volts = context_.parse(Edit148->text());
    const double length = context_.parse(Edit195->text());
    const double spacing = context_.parse(Edit203->text());
    double height = context_.parse(Edit197->text());
    const double h1 = context_.parse(Edit199->text());
    const double h2 = context_.parse(Edit201->text());

    if (stripline && (height <= h1 || height <= h2)) {
        context_.messages->information("Conductor height (H) can't be less than others (H1 or H2)");
        Edit197->setText(generalFloatText(h1 + h2, context_.decimalMode));
        height = context_.parse(Edit197->text());
    }

    const crosstalk::Geometry drawn{stripline ? crosstalk::Layer::Stripline
                                              : crosstalk::Layer::Microstrip,
                                    spacing, height, h1, h2};
    (stripline ? Image30 : Image29)->setSketch(drawn);

    const double toInches = metric ? InchesPerMillimetre : InchesPerMil;
    const crosstalk::Geometry geometry{drawn.layer, spacing * toInches, height * toInches,
                                       h1 * toInches, h2 * toInches};
    const crosstalk::Result r = crosstalk::crosstalk(geometry, length * toInches, rise, volts, er);
    showResult(Edit205, "%.5f dB", r.coefficientDb);
    showResult(Edit207, "%.5f Volts", r.coupledVolts);
}

} // namespace tw
