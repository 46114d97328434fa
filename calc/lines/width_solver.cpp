#include "calc/lines/width_solver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tw::lines {

WidthSolution solveForImpedance(const ImpedanceOf &impedanceOf, double target, double least,
                                double most, double tolerance, int samples)
{
    WidthSolution solution;
    if (!(least > 0) || !(most > least) || samples < 2 || !std::isfinite(target))
        return solution;

    struct Sample {
        double x;
        std::optional<double> z;
    };
    std::vector<Sample> grid;
    const double ratio = std::pow(most / least, 1.0 / (samples - 1));
    double x = least;
    for (int i = 0; i < samples; ++i, x *= ratio) {
        const double at = i == samples - 1 ? most : x;
        std::optional<double> z = impedanceOf(at);
        if (z && !std::isfinite(*z))
            z.reset();
        grid.push_back({at, z});
        if (z) {
            solution.lowest = solution.anyValid ? std::min(solution.lowest, *z) : *z;
            solution.highest = solution.anyValid ? std::max(solution.highest, *z) : *z;
            solution.anyValid = true;
        }
    }

    for (std::size_t i = 0; i + 1 < grid.size(); ++i) {
        const Sample &a = grid[i];
        const Sample &b = grid[i + 1];
        if (!a.z || !b.z)
            continue;
        const double da = *a.z - target;
        const double db = *b.z - target;
        if (da == 0) {
            solution.reached = true;
            solution.value = a.x;
            return solution;
        }
        if ((da > 0) == (db > 0) && db != 0)
            continue;
        double low = a.x;
        double high = b.x;
        double lowSign = da;
        // Halving a bracket whose ends differ by the grid ratio reaches the tolerance in a
        // bounded number of steps; an invalid point inside it ends the refinement there.
        for (int step = 0; step < 200 && (high - low) > tolerance * high; ++step) {
            const double middle = std::sqrt(low * high);
            const std::optional<double> z = impedanceOf(middle);
            if (!z || !std::isfinite(*z))
                break;
            if ((*z - target > 0) == (lowSign > 0)) {
                low = middle;
                lowSign = *z - target;
            } else {
                high = middle;
            }
        }
        solution.reached = true;
        solution.value = std::sqrt(low * high);
        return solution;
    }
    return solution;
}

} // namespace tw::lines
