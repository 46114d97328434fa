#pragma once

// The width (or spacing) that gives a target impedance, found on the closed forms themselves.
// References:
//  1. The single-line and coupled-pair models of transmission_lines.h and differential_pairs.h,
//     whose impedance falls monotonically as the conductor widens (and rises as a pair's
//     spacing grows).
//  2. Bisection on a bracket: each step halves the interval, so the number of steps is fixed
//     by the interval and the tolerance, never by the model.
//
// The search only evaluates the model between the ends of the range it is given and only uses
// results the model marks valid; a geometry the model has no value for is never part of the
// answer.

#include <functional>
#include <optional>

namespace tw::lines {

// An impedance for a trial value of the unknown, or nothing where the model has no valid value.
using ImpedanceOf = std::function<std::optional<double>(double unknown)>;

struct WidthSolution {
    bool reached = false;
    double value = 0.0;  // the unknown that gives the target, when reached
    double lowest = 0.0; // the reachable impedances over the range, for the message otherwise
    double highest = 0.0;
    bool anyValid = false;
};

// Looks for the target between least and most (both > 0, least < most): scans the range on a
// geometric grid of `samples` points for two valid neighbours whose impedances enclose the
// target, then bisects between them until the unknown is known to a relative `tolerance`.
WidthSolution solveForImpedance(const ImpedanceOf &impedanceOf, double target, double least,
                                double most, double tolerance = 1e-9, int samples = 200);

} // namespace tw::lines
