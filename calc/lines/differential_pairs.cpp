#include "calc/lines/differential_pairs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tw::lines {

namespace {

// 0.67 pi with the calculators' rounded pi.
constexpr double kPointSixSevenPi = 2.1048653;

// The logarithm of an impedance closed form, where it gives a positive impedance.
bool positiveLog(double argument, double &result)
{
    if (!(argument > 1.0) || !std::isfinite(argument)) {
        return false;
    }
    result = std::log(argument);
    return true;
}

// Lengths every pair needs: a conductor, a gap that is not negative, a thickness that is not
// negative.
bool conductorsExist(double w, double s, double t)
{
    return w > 0.0 && s >= 0.0 && t >= 0.0;
}

CoupledPairResult accept(double zo, double zdiff)
{
    CoupledPairResult r;
    if (!(std::isfinite(zo) && std::isfinite(zdiff) && zdiff > 0.0)) {
        return r;
    }
    r.valid = true;
    r.zo = zo;
    r.zdiff = zdiff;
    return r;
}

} // namespace

CoupledPairResult EdgeCoupledMicrostrip(double w, double s, double h, double t, double er)
{
    if (!(conductorsExist(w, s, t) && h > 0.0 && er > 0.0)) {
        return {};
    }
    double lg = 0.0;
    if (!positiveLog(5.98 * h / (0.8 * w + t), lg)) {
        return {};
    }
    const double zo = (87.0 / std::sqrt(er + 1.41)) * lg;
    return accept(zo, 2.0 * zo * (1.0 - 0.48 * std::exp(-0.96 * s / h)));
}

CoupledPairResult EdgeCoupledStripline(double w, double s, double b, double t, double er,
                                       StriplineForm form)
{
    if (!(conductorsExist(w, s, t) && b > 0.0 && er > 0.0)) {
        return {};
    }
    const double strip = 0.8 * w + t;
    const double argument =
        form == StriplineForm::PiForm ? 4.0 * b / (kPointSixSevenPi * strip) : 1.9 * b / strip;
    double lg = 0.0;
    if (!positiveLog(argument, lg)) {
        return {};
    }
    const double zo = (60.0 / std::sqrt(er)) * lg;
    return accept(zo, 2.0 * zo * (1.0 - 0.374 * std::exp(-2.9 * s / b)));
}

OffsetPairResult EdgeCoupledOffsetStripline(double w, double s, double h1, double h2, double t,
                                            double er)
{
    OffsetPairResult r;
    if (!(conductorsExist(w, s, t) && h1 > 0.0 && h2 > 0.0 && er > 0.0)) {
        return r;
    }
    const OffsetStriplineResult line = OffsetStriplineLine(w, h1, h2, t, er);
    r.mode = line.mode;
    r.b = h1 + h2 + t;
    if (!line.valid || !(line.z > 0.0)) {
        return r;
    }
    const CoupledPairResult pair =
        accept(line.z, 2.0 * line.z * (1.0 - 0.374 * std::exp(-2.9 * s / r.b)));
    r.valid = pair.valid;
    r.zo = pair.zo;
    r.zdiff = pair.zdiff;
    return r;
}

CoupledPairResult EdgeCoupledEmbeddedMicrostrip(double w, double s, double height, double cover,
                                                double t, double er)
{
    if (!(conductorsExist(w, s, t) && height > 0.0 && cover > 0.0 && er > 0.0)) {
        return {};
    }
    // The single-line model names the dielectric thickness H1 and the conductor height H2.
    const EmbeddedMicrostripResult line = EmbeddedMicrostripLine(w, cover, height, t, er);
    if (!line.valid || !(line.z > 0.0)) {
        return {};
    }
    return accept(line.z, 2.0 * line.z * (1.0 - 0.48 * std::exp(-0.96 * s / cover)));
}

bool broadsideFits(double h, double t, double s)
{
    return h > 2.0 * t + s;
}

CoupledPairResult BroadsideCoupledShielded(double w, double s, double h, double t, double er)
{
    if (!(conductorsExist(w, s, t) && er > 0.0 && broadsideFits(h, t, s))) {
        return {};
    }
    double lg = 0.0;
    if (!positiveLog(5.98 * s / (0.8 * w + t), lg)) {
        return {};
    }
    const double toPlane = (h - 2.0 * t - s) / 2.0;
    return accept(0.0, (82.2 / std::sqrt(er)) * lg * (1.0 - std::exp(-0.6 * toPlane)));
}

CoupledPairResult BroadsideCoupledUnshielded(double w, double s, double t, double er)
{
    if (!(conductorsExist(w, s, t) && er > 0.0)) {
        return {};
    }
    double lg = 0.0;
    if (!positiveLog(5.98 * s / (0.8 * w + t), lg)) {
        return {};
    }
    return accept(0.0, (82.2 / std::sqrt(er)) * lg);
}

ToleranceBand ZdiffToleranceFactors(int position)
{
    // Literal factors, so that the band edges are the numbers the user reads off the bar.
    static constexpr std::array<ToleranceBand, kTolerancePositions> bands{{
        {1.025, 0.975},
        {1.05, 0.95},
        {1.075, 0.925},
        {1.1, 0.9},
        {1.125, 0.875},
        {1.15, 0.85},
        {1.175, 0.825},
        {1.2, 0.8},
        {1.225, 0.775},
        {1.25, 0.75},
    }};
    return bands[static_cast<std::size_t>(std::clamp(position, 0, kTolerancePositions - 1))];
}

bool withinTolerance(double zdiff, double target, ToleranceBand band)
{
    return zdiff * band.minus <= target && target <= zdiff * band.plus;
}

bool ratioInFormulaRange(double ratio)
{
    return ratio >= 0.1 && ratio <= 3.0;
}

} // namespace tw::lines
