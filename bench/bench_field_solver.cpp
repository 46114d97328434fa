// Prints, as markdown: (a) the time of one field solution on one core for the default geometry
// of every cross-section of the impedance and differential-pair calculators; (b) the closed
// forms' difference from the field solver over a grid of widths (and gaps); (c) the solver's
// error on the exactly known zero-thickness striplines.
// Lengths in mils, er 4.2, 1 oz (1.4 mils) copper; the surface microstrip closed form at 0 Hz.

#include "calc/lines/differential_pairs.h"
#include "calc/lines/field_solver.h"
#include "calc/lines/transmission_lines.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

using namespace tw::lines;

namespace {

constexpr double kEr = 4.2;
constexpr double kT = 1.4;
constexpr double kRatios[] = {0.25, 0.5, 1, 2, 3, 5, 10};
constexpr double kGaps[] = {0.1, 0.25, 0.5, 1, 2};

double medianMs(const std::function<void()> &f)
{
    std::vector<double> samples;
    for (int i = 0; i < 7; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        samples.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

const char *const kLineNames[] = {"Microstrip",     "Microstrip Embed", "Stripline",
                                  "Stripline Asym", "Dual Stripline",   "Coplanar Wave"};
const char *const kPairNames[] = {"Edge-coupled external",       "Edge-coupled internal sym.",
                                  "Edge-coupled internal asym.", "Edge-coupled embedded",
                                  "Broadside shielded",          "Broadside unshielded"};

// One closed form and its geometry at W = ratio x H.
struct LineCase {
    LineGeometry g;
    double closed; // 0: no value
};

LineCase lineCase(LineTopology topology, double ratio)
{
    const double h = 10.0;
    const double w = ratio * h;
    switch (topology) {
    case LineTopology::Microstrip:
        return {{w, h, 0, kT, kEr}, MicrostripLine(w, h, kT, kEr, 0.0, h * 0.0254).z};
    case LineTopology::MicrostripEmbed: // conductor 10 over the plane under 15 of dielectric
        return {{w, 15.0, h, kT, kEr},
                EmbeddedMicrostripLine(w * 1e-3, 15e-3, h * 1e-3, kT * 1e-3, kEr).z};
    case LineTopology::Stripline:
        return {{w, h, 0, kT, kEr}, SymmetricStriplineLine(w, h, kT, kEr).z};
    case LineTopology::StriplineAsym:
        return {{w, h, 2 * h, kT, kEr}, OffsetStriplineLine(w, h, 2 * h, kT, kEr).z};
    case LineTopology::DualStripline:
        return {{w, h, h, kT, kEr}, DualStriplineLine(w, h, h, kT, kEr).z};
    case LineTopology::CoplanarWave:
        return {{w, h, 5.0, kT, kEr}, GroundedCoplanarLine(w, h, 5.0, kEr).z};
    }
    return {};
}

struct PairCase {
    PairGeometry g;
    CoupledPairResult closed;
};

PairCase pairCase(PairArrangement arrangement, double ratio, double gap)
{
    const double h = 10.0;
    const double w = ratio * h;
    const double s = gap * h;
    switch (arrangement) {
    case PairArrangement::EdgeCoupledExternal:
        return {{w, s, h, 0, kT, kEr}, EdgeCoupledMicrostrip(w, s, h, kT, kEr)};
    case PairArrangement::EdgeCoupledInternalSymmetric:
        return {{w, s, 2 * h + kT, 0, kT, kEr},
                EdgeCoupledStripline(w, s, 2 * h + kT, kT, kEr, StriplineForm::PiForm)};
    case PairArrangement::EdgeCoupledInternalAsymmetric:
        return {{w, s, h, 2 * h, kT, kEr}, EdgeCoupledOffsetStripline(w, s, h, 2 * h, kT, kEr)};
    case PairArrangement::EdgeCoupledEmbedded:
        return {{w, s, h, 1.5 * h, kT, kEr},
                EdgeCoupledEmbeddedMicrostrip(w, s, h, 1.5 * h, kT, kEr)};
    case PairArrangement::BroadsideCoupledShielded: // S between the conductors, H each side
        return {{w, s, 2 * h + 2 * kT + s, 0, kT, kEr},
                BroadsideCoupledShielded(w, s, 2 * h + 2 * kT + s, kT, kEr)};
    case PairArrangement::BroadsideCoupledUnshielded:
        return {{w, s, 2 * h + 2 * kT + s, 0, kT, kEr}, BroadsideCoupledUnshielded(w, s, kT, kEr)};
    }
    return {};
}

void printDifference(bool closedValid, double closed, bool solvedValid, double solved)
{
    if (closedValid && solvedValid && closed > 0.0)
        std::printf(" %+6.1f |", 100.0 * (closed / solved - 1.0));
    else
        std::printf("    n/a |");
}

// Reference values as in the model test: eta0/4 K(k)/K(k'), k = sech(pi W / 2B).
double ellipticK(double k)
{
    double a = 1.0;
    double g = std::sqrt(1.0 - k * k);
    for (int i = 0; i < 40; ++i) {
        const double next = 0.5 * (a + g);
        g = std::sqrt(a * g);
        a = next;
    }
    return std::numbers::pi / (2.0 * a);
}

double exactStripline(double k)
{
    const double eta0 = 1.0 / (299792458.0 * 8.8541878128e-12);
    return eta0 / 4.0 * ellipticK(k) / ellipticK(std::sqrt(1.0 - k * k));
}

} // namespace

int main()
{
    std::printf("## Time per field solution (one core, median of 7)\n\n");
    std::printf("| Cross-section | Default entries | ms | Z (ohms) |\n|---|---|---:|---:|\n");
    for (int i = 0; i < 6; ++i) {
        const auto topology = static_cast<LineTopology>(i);
        const LineGeometry g{5, 10, 8, (i == 0 || i == 5) ? 2.8 : 1.4, 4.6};
        FieldLineResult r;
        const double ms = medianMs([&] { r = FieldSolveLine(topology, g); });
        std::printf("| %s | W 5, H 10, second 8, T %.1f | %.1f | %.2f |\n", kLineNames[i], g.t, ms,
                    r.z0);
    }
    for (int i = 0; i < 6; ++i) {
        const auto arrangement = static_cast<PairArrangement>(i);
        const PairGeometry g{10, 5, 15, 5, i == 0 ? 2.8 : 1.4, 4.6};
        FieldPairResult r;
        const double ms = medianMs([&] { r = FieldSolvePair(arrangement, g); });
        std::printf("| %s | W 10, S 5, H 15, H2 5, T %.1f | %.1f | Zdiff %.2f |\n", kPairNames[i],
                    g.t, ms, r.zdiff);
    }

    std::printf("\n## Closed form minus field solver, %% of the solver (er %.1f, T %.1f)\n\n", kEr,
                kT);
    std::printf("| Cross-section |");
    for (double ratio : kRatios)
        std::printf(" W/H %g |", ratio);
    std::printf("\n|---|");
    for (std::size_t i = 0; i < std::size(kRatios); ++i)
        std::printf("---:|");
    std::printf("\n");
    for (int i = 0; i < 6; ++i) {
        std::printf("| %s |", kLineNames[i]);
        for (double ratio : kRatios) {
            const LineCase c = lineCase(static_cast<LineTopology>(i), ratio);
            const FieldLineResult r = FieldSolveLine(static_cast<LineTopology>(i), c.g);
            printDifference(c.closed > 0.0, c.closed, r.valid, r.z0);
        }
        std::printf("\n");
    }
    std::printf("\nH: microstrip and coplanar substrate, embedded conductor height (dielectric "
                "15), stripline each side, offset stripline below (20 above), dual stripline to "
                "the plane (C 10); coplanar gap 5.\n");

    for (int i = 0; i < 6; ++i) {
        const auto arrangement = static_cast<PairArrangement>(i);
        std::printf("\n### Zdiff, %s\n\n| S/H |", kPairNames[i]);
        for (double ratio : kRatios)
            std::printf(" W/H %g |", ratio);
        std::printf("\n|---|");
        for (std::size_t k = 0; k < std::size(kRatios); ++k)
            std::printf("---:|");
        std::printf("\n");
        for (double gap : kGaps) {
            std::printf("| %g |", gap);
            for (double ratio : kRatios) {
                const PairCase c = pairCase(arrangement, ratio, gap);
                const FieldPairResult r = FieldSolvePair(arrangement, c.g);
                printDifference(c.closed.valid, c.closed.zdiff, r.valid, r.zdiff);
            }
            std::printf("\n");
        }
    }
    std::printf("\nH = 10 mils: the conductor's height over its plane (both planes for the "
                "internal symmetric and the broadside pairs, 20 above the asymmetric pair, "
                "dielectric 15 over the embedded pair).\n");

    std::printf("\n## Field solver against the exact zero-thickness striplines\n\n");
    std::printf("| Case | exact (ohms) | solver (ohms) | error %% |\n|---|---:|---:|---:|\n");
    for (double wb : {0.1, 0.25, 0.5, 1.0, 2.0, 5.0, 10.0}) {
        const double exact = exactStripline(1.0 / std::cosh(std::numbers::pi * wb / 2.0));
        const FieldLineResult r = FieldSolveLine(LineTopology::Stripline, {wb, 0.5, 0, 0, 1});
        std::printf("| Z0, W/B %g | %.4f | %.4f | %+.3f |\n", wb, exact, r.z0,
                    100.0 * (r.z0 / exact - 1.0));
    }
    for (const auto &[wb, sb] :
         {std::pair{0.5, 0.1}, {0.5, 0.5}, {1.0, 0.2}, {0.25, 1.0}, {2.0, 0.05}}) {
        const double a = std::tanh(std::numbers::pi * wb / 2.0);
        const double c = std::numbers::pi * (wb + sb) / 2.0;
        // Cohn: K(k')/K(k) is K(k)/K(k') of the complementary modulus.
        const double even = exactStripline(std::sqrt(1.0 - std::pow(a * std::tanh(c), 2)));
        const double odd = exactStripline(std::sqrt(1.0 - std::pow(a / std::tanh(c), 2)));
        const FieldPairResult r =
            FieldSolvePair(PairArrangement::EdgeCoupledInternalSymmetric, {wb, sb, 1, 0, 0, 1});
        std::printf("| Zeven, W/B %g S/B %g | %.4f | %.4f | %+.3f |\n", wb, sb, even, r.zeven,
                    100.0 * (r.zeven / even - 1.0));
        std::printf("| Zodd, W/B %g S/B %g | %.4f | %.4f | %+.3f |\n", wb, sb, odd, r.zodd,
                    100.0 * (r.zodd / odd - 1.0));
    }
    return 0;
}
