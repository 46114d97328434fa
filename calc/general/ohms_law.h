#pragma once

// Ohm's law and four small resistor circuits: LED series resistor, series divider and the
// matched PI and T attenuator pads.
// References:
//  1. Ohm's law E = I * R and the power P = E * I.
//  2. Series circuits: the current is common, R total is the sum, each drop is Rk * I.
//  3. Matched resistive attenuators between unequal impedances, K = 10^(A / 20): the PI and T
//     pad design equations and the minimum-loss pad, whose loss is the least a pad matching
//     both ends can have, K min = sqrt(Zh / Zl) + sqrt(Zh / Zl - 1).

#include <array>
#include <span>

namespace tw::ohms_law {

enum class SolveFor { Volts, Amps, Ohms };

struct Eir {
    double result; // volts, amps or ohms, as solved for
    double power;  // watts
};

// Volts: top is the current, middle the resistance. Amps: top is the voltage, middle the
// resistance. Ohms: top is the voltage, middle the current.
Eir solve(SolveFor solveFor, double top, double middle);

struct LedBias {
    double resistance; // ohms
    double power;      // watts in the resistor
};

LedBias ledBias(double supply, double forwardDrop, double currentAmps);

inline constexpr int MaxDividerResistors = 4;

struct Divider {
    double total;                                    // ohms
    double current;                                  // amps
    std::array<double, MaxDividerResistors> drop{};  // volts across each resistor
    std::array<double, MaxDividerResistors> power{}; // watts in each resistor
};

// Up to four resistors in series across the voltage.
Divider divider(double voltage, std::span<const double> resistors);

// The three resistors of a pad. For the PI pad high and low are the shunt resistors on the side
// of the higher and of the lower impedance and middle is the series resistor; for the T pad high
// and low are the series resistors and middle is the shunt resistor.
struct Pad {
    double high;
    double low;
    double middle;
};

// The least attenuation in dB of a pad that matches both impedances; 0 for equal ones.
double padMinimumAttenuation(double zin, double zout);
Pad piPad(double attenuationDb, double zin, double zout);
Pad tPad(double attenuationDb, double zin, double zout);

} // namespace tw::ohms_law
