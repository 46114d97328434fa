#pragma once

// Characteristic impedance of six printed-circuit cross-sections and the per-length
// quantities derived from them.
// References:
//  1. E. Hammerstad, O. Jensen, "Accurate Models for Microstrip Computer-Aided Design",
//     IEEE MTT-S International Microwave Symposium Digest, 1980 (static microstrip with
//     the conductor-thickness correction).
//  2. M. Kirschning, R. H. Jansen, "Accurate Model for Effective Dielectric Constant of
//     Microstrip with Validity up to Millimetre-Wave Frequencies", Electronics Letters 18,
//     1982 (frequency dispersion).
//  3. IPC-2141, "Design Guide for High-Speed Controlled Impedance Circuit Boards"
//     (embedded microstrip, centred stripline, dual stripline).
//  4. S. B. Cohn, "Problems in Strip Transmission Lines", IRE Trans. MTT-3, 1955, and
//     B. C. Wadell, "Transmission Line Design Handbook", Artech House, 1991 (offset
//     stripline: equivalent round conductor for narrow strips, fringing capacitance for
//     wide ones).
//  5. G. Ghione, C. U. Naldi, "Analytical Formulas for Coplanar Lines in Hybrid and
//     Monolithic MICs", Electronics Letters 20, 1984 (conductor-backed coplanar line).
//  6. M. Abramowitz, I. A. Stegun, "Handbook of Mathematical Functions", 17.6 (complete
//     elliptic integral by the arithmetic-geometric mean).
//
// Lengths enter in any one unit; only their ratios matter, except the dispersion height of
// MicrostripLine, which is in millimetres. Impedances are in ohms.
//
// A model given a geometry outside the domain of its formula (where it has no finite value,
// or describes no conductor) returns valid == false with its numbers left at zero. The check
// comes before the offending operation, so such a call raises no floating-point exception.

namespace tw::lines {

// Rounded as the calculators use it: 1/2.54, turning a delay per inch into one per centimetre.
inline constexpr double kPerInchToPerCentimetre = 0.39370078740157477;

struct MicrostripResult {
    bool valid = false;
    double u = 0.0;      // W/H
    double erEff0 = 0.0; // static effective dielectric constant, thickness included
    double z0 = 0.0;     // static impedance
    double erEff = 0.0;  // effective dielectric constant at the frequency
    double z = 0.0;      // impedance at the frequency
};

// Surface microstrip. Needs W, H, T > 0, er > 1 and a frequency and dispersion height whose
// product is not negative.
MicrostripResult MicrostripLine(double w, double h, double t, double er, double frequencyGhz,
                                double heightMm);

struct EmbeddedMicrostripResult {
    bool valid = false;
    double erPrime = 0.0; // effective dielectric constant of the embedding
    double z = 0.0;
};

// h1: dielectric thickness from the reference plane to the top surface;
// h2: the conductor's height above its reference plane.
EmbeddedMicrostripResult EmbeddedMicrostripLine(double w, double h1, double h2, double t,
                                                double er);

struct StriplineResult {
    bool valid = false;
    double z = 0.0;
};

// Conductor centred between two planes, h of dielectric to each.
StriplineResult SymmetricStriplineLine(double w, double h, double t, double er);

// h: conductor to its plane; d: spacing between the two signal layers.
StriplineResult DualStriplineLine(double w, double h, double d, double t, double er);

enum class OffsetStriplineMode { Narrow, Wide };

struct OffsetStriplineResult {
    bool valid = false;
    OffsetStriplineMode mode = OffsetStriplineMode::Narrow;
    double b = 0.0; // plane-to-plane distance
    double s = 0.0; // nearer plane to the conductor's centre line
    double z = 0.0;
};

// Narrow below W/(H1 + H2) = 0.35, Wide from there on. The wide form has no value for a
// conductor as thick as it is wide, nor for T = 0; the narrow one none where its
// argument X does not exceed 1; the mode is still reported then. Needs W, H1 + H2, er > 0
// and T >= 0 for either.
OffsetStriplineResult OffsetStriplineLine(double w, double h1, double h2, double t, double er);

struct CoplanarResult {
    bool valid = false;
    double erEff = 0.0;
    double z = 0.0;
};

// Conductor-backed coplanar line, W, H, G > 0; the conductor thickness does not enter.
CoplanarResult GroundedCoplanarLine(double w, double h, double g, double er);

// Complete elliptic integral of the first kind by exactly seven AGM steps, with the
// calculators' rounded pi. The modulus must lie in [0, 1].
double EllipticK(double m);

struct PerLengthResult {
    bool valid = false;
    double c0 = 0.0; // pF per unit length when tpd is in ps per unit length
    double l0 = 0.0; // nH per unit length
};

// Needs a non-zero impedance.
PerLengthResult LinePerLength(double z, double tpd);

// The six cross-sections, in the order the impedance calculator lists them.
enum class LineTopology {
    Microstrip,
    MicrostripEmbed,
    Stripline,
    StriplineAsym,
    DualStripline,
    CoplanarWave
};

struct DelayResult {
    bool valid = false;
    double psPerInch = 0.0;
    double psPerCentimetre = 0.0;
};

// er is the constant the wave travels in: erEff at the frequency for Microstrip, erPrime for
// Microstrip Embed, the substrate's er for the three striplines. Coplanar Wave has no
// per-length results and, like a negative er, gives valid == false.
DelayResult propagationDelay(LineTopology topology, double er);

} // namespace tw::lines
