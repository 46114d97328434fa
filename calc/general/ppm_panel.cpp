#include "calc/general/ppm_panel.h"

#include "calc/general/ppm.h"
#include "ui/context.h"
#include "ui/form.h"
#include "ui/result_text.h"

namespace tw {

PpmCalculator::PpmCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox36 = new QGroupBox(" PPM Calculator ", parent);
    GroupBox36->setObjectName("GroupBox36");
    Form panel(GroupBox36, [this] { context_.recalculate(); });

    GroupBox37 = panel.section("GroupBox37", " PPM to Hertz ");
    Form toHertz = panel.nested(GroupBox37);
    Edit170 = toHertz
                  .input({"", "Center Frequency", "Edit170", "32000", "Enter the center frequency.",
                          "Edit185", "Hz"})
                  .box;
    Edit171 =
        toHertz.input({"", "PPM Value", "Edit171", "25", "Enter the PPM value.", "Edit186", "PPM"})
            .box;
    Edit172 = toHertz
                  .result({"",
                           "Variation of Frequency",
                           "Edit172",
                           {},
                           "Variation of frequency per the given PPM value.",
                           "Edit189",
                           "Hz"})
                  .box;
    Edit173 = toHertz
                  .result({"",
                           "Maximum Frequency",
                           "Edit173",
                           {},
                           "Maximum frequency per the given PPM value.",
                           "Edit190",
                           "Hz"})
                  .box;
    Edit180 = toHertz
                  .result({"",
                           "Minimum Frequency",
                           "Edit180",
                           {},
                           "Minimum frequency per the given PPM value.",
                           "Edit191",
                           "Hz"})
                  .box;

    GroupBox38 = panel.section("GroupBox38", " Hertz to PPM ");
    Form toPpm = panel.nested(GroupBox38);
    Edit181 = toPpm
                  .input({"", "Center Frequency", "Edit181", "32000", "Enter the center frequency.",
                          "Edit187", "Hz"})
                  .box;
    Edit182 = toPpm
                  .input({"", "Maximum Frequency", "Edit182", "32001",
                          "Enter the maximum frequency.", "Edit188", "Hz"})
                  .box;
    Edit183 = toPpm
                  .result({"",
                           "Variation of Frequency",
                           "Edit183",
                           {},
                           "Variation of frequency per the given frequency values.",
                           "Edit192",
                           "Hz"})
                  .box;
    Edit184 = toPpm
                  .result({"",
                           "PPM Value",
                           "Edit184",
                           {},
                           "Calculated PPM value per the given frequencies.",
                           "Edit193",
                           "PPM"})
                  .box;
    panel.addStretch();
}

void PpmCalculator::CalcPPM()
{
    const double fc = context_.parse(Edit170->text());
    const double ppm = context_.parse(Edit171->text());
    const ppm::PpmToHertz band = ppm::ppmToHertz(fc, ppm);
    showResult(Edit172, "%0.5f", band.variation);
    showResult(Edit173, "%0.5f", band.maximum);
    showResult(Edit180, "%0.5f", band.minimum);

    const double fc2 = context_.parse(Edit181->text());
    const double fmax = context_.parse(Edit182->text());
    const double variation = ppm::hertzVariation(fc2, fmax);
    showResult(Edit183, "%0.5f", variation);
    showResult(Edit184, "%0.5f", ppm::hertzToPpm(fc2, variation));
}

} // namespace tw
