#include "calc/lines/field_solver.h"

#include "calc/lines/field_section.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>
#include <vector>

namespace tw::lines {

namespace {

using namespace field;

constexpr double kPsPerInchInVacuum = 0.0254 / kLightSpeed * 1e12;

bool positive(std::initializer_list<double> values)
{
    for (double v : values)
        if (!(v > 0.0) || !std::isfinite(v))
            return false;
    return true;
}

// The scale of the panels: the smallest of the lengths given, thickness excluded (a thin
// conductor's edge faces get their few panels anyway).
// A distance that rounding left from two equal heights is no feature: nothing under 1e-4 of
// the largest counts.
double smallest(std::initializer_list<double> values)
{
    double largest = 0.0;
    for (double v : values)
        largest = std::max(largest, v);
    double m = kInfinity;
    for (double v : values)
        if (v > 1e-4 * largest)
            m = std::min(m, v);
    return m;
}

std::vector<Layer> substrate(double h, double er)
{
    return {{h, er}, {kInfinity, 1.0}};
}

std::vector<Layer> homogeneous(double er)
{
    return {{kInfinity, er}};
}

} // namespace

FieldLineResult FieldSolveLine(LineTopology topology, const LineGeometry &g,
                               const FieldSolverOptions &options)
{
    FieldLineResult r;
    if (!positive({g.w, g.h, g.er, options.refinement}) || !(g.t >= 0.0) || !(g.er >= 1.0) ||
        !std::isfinite(g.t))
        return r;
    Section s;
    const double half = 0.5 * g.w;
    switch (topology) {
    case LineTopology::Microstrip:
        s.planes = Planes::Lower;
        s.layers = substrate(g.h, g.er);
        s.rects = {{0.0, g.h, half, g.t, 0}};
        s.scale = smallest({g.w, g.h});
        break;
    case LineTopology::MicrostripEmbed:
        if (!positive({g.second}))
            return r;
        s.planes = Planes::Lower;
        s.layers = substrate(g.h, g.er);
        s.rects = {{0.0, g.second, half, g.t, 0}};
        s.scale =
            smallest({g.w, g.second, std::abs(g.h - g.second), std::abs(g.h - g.second - g.t)});
        break;
    case LineTopology::Stripline:
        s.planes = Planes::Both;
        s.b = 2.0 * g.h + g.t;
        s.layers = homogeneous(g.er);
        s.rects = {{0.0, g.h, half, g.t, 0}};
        s.scale = smallest({g.w, g.h});
        break;
    case LineTopology::StriplineAsym:
    case LineTopology::DualStripline: {
        const double above =
            topology == LineTopology::StriplineAsym ? g.second : g.h + g.t + g.second;
        if (!positive({g.second}))
            return r;
        s.planes = Planes::Both;
        s.b = g.h + g.t + above;
        s.layers = homogeneous(g.er);
        s.rects = {{0.0, g.h, half, g.t, 0}};
        s.scale = smallest({g.w, g.h, above});
        break;
    }
    case LineTopology::CoplanarWave: {
        if (!positive({g.second}))
            return r;
        const double inner = half + g.second;
        s.planes = Planes::Lower;
        s.layers = substrate(g.h, g.er);
        s.rects = {{0.0, g.h, half, g.t, 0},
                   {inner, g.h, 2.0 * (g.w + 2.0 * g.second) + 2.0 * g.h, g.t, 1}};
        s.conductors = 2;
        s.scale = smallest({g.w, g.h, g.second});
        break;
    }
    }
    if (!std::isfinite(s.scale) || (s.planes == Planes::Both && !std::isfinite(s.b)))
        return r;
    std::vector<ModeCapacitance> modes;
    try {
        modes = solveModes(s, options.refinement, {{1.0, 0.0}}, {1.0});
    } catch (const std::bad_alloc &) {
        return r;
    }
    if (!modes[0].valid)
        return r;
    r.valid = true;
    r.z0 = impedance(modes[0]);
    r.erEff = modes[0].c / modes[0].c0;
    r.capacitancePfPerMetre = modes[0].c * kEpsilon0 * 1e12;
    r.inductanceNhPerMetre = r.z0 * r.z0 * modes[0].c * kEpsilon0 * 1e9;
    r.psPerInch = std::sqrt(r.erEff) * kPsPerInchInVacuum;
    r.psPerCentimetre = r.psPerInch / 2.54;
    return r;
}

FieldPairResult FieldSolvePair(PairArrangement arrangement, const PairGeometry &g,
                               const FieldSolverOptions &options)
{
    FieldPairResult r;
    if (!positive({g.w, g.s, g.h, g.er, options.refinement}) || !(g.t >= 0.0) || !(g.er >= 1.0) ||
        !std::isfinite(g.t))
        return r;
    Section s;
    const double gapHalf = 0.5 * g.s;
    bool sideBySide = true;
    switch (arrangement) {
    case PairArrangement::EdgeCoupledExternal:
        s.planes = Planes::Lower;
        s.layers = substrate(g.h, g.er);
        s.rects = {{gapHalf, g.h, g.w, g.t, 0}};
        s.scale = smallest({g.w, g.s, g.h});
        break;
    case PairArrangement::EdgeCoupledInternalSymmetric:
        if (!(g.h > g.t))
            return r;
        s.planes = Planes::Both;
        s.b = g.h;
        s.layers = homogeneous(g.er);
        s.rects = {{gapHalf, 0.5 * (g.h - g.t), g.w, g.t, 0}};
        s.scale = smallest({g.w, g.s, 0.5 * (g.h - g.t)});
        break;
    case PairArrangement::EdgeCoupledInternalAsymmetric:
        if (!positive({g.h2}))
            return r;
        s.planes = Planes::Both;
        s.b = g.h + g.t + g.h2;
        s.layers = homogeneous(g.er);
        s.rects = {{gapHalf, g.h, g.w, g.t, 0}};
        s.scale = smallest({g.w, g.s, g.h, g.h2});
        break;
    case PairArrangement::EdgeCoupledEmbedded:
        if (!positive({g.h2}))
            return r;
        s.planes = Planes::Lower;
        s.layers = substrate(g.h2, g.er);
        s.rects = {{gapHalf, g.h, g.w, g.t, 0}};
        s.scale = smallest({g.w, g.s, g.h, std::abs(g.h2 - g.h), std::abs(g.h2 - g.h - g.t)});
        break;
    case PairArrangement::BroadsideCoupledShielded:
    case PairArrangement::BroadsideCoupledUnshielded: {
        if (!broadsideFits(g.h, g.t, g.s))
            return r;
        const double lower = 0.5 * (g.h - 2.0 * g.t - g.s);
        const bool shielded = arrangement == PairArrangement::BroadsideCoupledShielded;
        s.planes = shielded ? Planes::Both : Planes::None;
        s.b = g.h;
        s.layers = shielded ? homogeneous(g.er)
                            : std::vector<Layer>{{0.0, 1.0}, {g.h, g.er}, {kInfinity, 1.0}};
        s.rects = {{0.0, lower + g.t + g.s, 0.5 * g.w, g.t, 0}, {0.0, lower, 0.5 * g.w, g.t, 1}};
        s.conductors = 2;
        s.scale = smallest({g.w, g.s, lower});
        sideBySide = false;
        break;
    }
    }
    if (!std::isfinite(s.scale) || (s.planes == Planes::Both && !std::isfinite(s.b)))
        return r;
    const bool even = s.planes != Planes::None;
    std::vector<std::vector<double>> potentials;
    std::vector<double> signs;
    if (sideBySide) {
        potentials = {{1.0}, {1.0}};
        signs = {-1.0, 1.0};
    } else {
        potentials = {{1.0, -1.0}, {1.0, 1.0}};
        signs = {1.0, 1.0};
    }
    if (!even) {
        potentials.pop_back();
        signs.pop_back();
    }
    std::vector<ModeCapacitance> modes;
    try {
        modes = solveModes(s, options.refinement, potentials, signs);
    } catch (const std::bad_alloc &) {
        return r;
    }
    if (!modes[0].valid || (even && !modes[1].valid))
        return r;
    r.valid = true;
    r.zodd = impedance(modes[0]);
    r.zdiff = 2.0 * r.zodd;
    r.erEffOdd = modes[0].c / modes[0].c0;
    if (even) {
        r.hasEvenMode = true;
        r.zeven = impedance(modes[1]);
        r.zcommon = 0.5 * r.zeven;
        r.erEffEven = modes[1].c / modes[1].c0;
    }
    return r;
}

} // namespace tw::lines
