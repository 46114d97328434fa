// The width search of the impedance calculator: a target Zo in, the width that gives it out.

#include "calc/lines/impedance_panel.h"

#include "calc/lines/width_solver.h"
#include "ui/context.h"
#include "ui/entry_limits.h"
#include "ui/messages.h"
#include "ui/options_panel.h"

#include <cmath>

namespace tw {

using lines::LineTopology;

ImpedanceCalculator::Stack ImpedanceCalculator::currentStack() const
{
    OptionsPanel &o = *context_.options;
    const bool metric = context_.metric();
    const UnitSystem units = metric ? UnitSystem::Metric : UnitSystem::Imperial;
    const int topology = o.RadioGroup3->itemIndex();
    const bool plated =
        topology == int(LineTopology::Microstrip) || topology == int(LineTopology::CoplanarWave);
    const double t = o.baseCopperThickness(units) + (plated ? o.platingThickness(units) : 0.0);
    const bool second =
        topology != int(LineTopology::Microstrip) && topology != int(LineTopology::Stripline);
    return {topology,
            context_.parse(Edit68->text()),
            second ? context_.parse(Edit74->text()) : 0.0,
            t,
            context_.parse(o.Edit7->text()),
            topology == int(LineTopology::Microstrip) ? context_.parse(Edit226->text()) * 0.001
                                                      : 0.0,
            metric};
}

// The same model calls, in the same units, as the compute operation makes.
std::optional<double> ImpedanceCalculator::impedanceOf(const Stack &s, double w)
{
    const auto valid = [](bool ok, double z) {
        return ok ? std::optional<double>(z) : std::nullopt;
    };
    const double toMm = s.metric ? 1.0 : 0.001 * 25.4;
    const double toInch = s.metric ? 0.03937007874015748 : 0.001;
    const double toMils = s.metric ? 1000 / 25.4 : 1.0;
    switch (static_cast<LineTopology>(s.topology)) {
    case LineTopology::Microstrip: {
        const auto r =
            lines::MicrostripLine(w * toMm, s.h * toMm, s.t * toMm, s.er, s.ghz, s.h * toMm);
        return valid(r.valid, r.z);
    }
    case LineTopology::MicrostripEmbed: {
        const auto r = lines::EmbeddedMicrostripLine(w * toInch, s.h * toInch, s.second * toInch,
                                                     s.t * toInch, s.er);
        return valid(r.valid, r.z);
    }
    case LineTopology::Stripline: {
        const auto r = lines::SymmetricStriplineLine(w, s.h, s.t, s.er);
        return valid(r.valid, r.z);
    }
    case LineTopology::StriplineAsym: {
        const auto r = lines::OffsetStriplineLine(w * toMils, s.h * toMils, s.second * toMils,
                                                  s.t * toMils, s.er);
        return valid(r.valid, r.z);
    }
    case LineTopology::DualStripline: {
        const auto r = lines::DualStriplineLine(w * toMils, s.h * toMils, s.second * toMils,
                                                s.t * toMils, s.er);
        return valid(r.valid, r.z);
    }
    case LineTopology::CoplanarWave: {
        const auto r = lines::GroundedCoplanarLine(w, s.h, s.second, s.er);
        return valid(r.valid, r.z);
    }
    default:
        return std::nullopt;
    }
}

void ImpedanceCalculator::SolveForWClick()
{
    // The entries are checked and corrected first, so the search starts from what is shown.
    context_.recalculate();
    const double target = context_.parse(TargetZo->text());
    if (!(target > 0)) {
        context_.messages->information("Target Zo cannot be less than or equal to zero.");
        return;
    }
    const Stack stack = currentStack();
    if (!(stack.h > 0))
        return;
    const lines::WidthSolution found =
        lines::solveForImpedance([&stack](double w) { return impedanceOf(stack, w); }, target,
                                 stack.h * 1e-3, stack.h * 100);
    if (!found.reached) {
        const QString reach =
            found.anyValid ? formatResult("%.1f", found.lowest) + " to " +
                                 formatResult("%.1f", found.highest) + " Ohms for this stack-up"
                           : QStringLiteral("no width gives an impedance for this stack-up");
        context_.messages->information(localDecimals(
            "No conductor width gives " + formatResult("%.1f", target) + " Ohms: " + reach,
            context_.decimalMode));
        return;
    }
    // Written to the precision a board is drawn with, then every result follows the width shown.
    const double step = stack.metric ? 1e6 : 1e4;
    Edit67->setText(generalFloatText(std::round(found.value * step) / step, context_.decimalMode));
    context_.recalculate();
}

} // namespace tw
