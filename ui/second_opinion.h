#pragma once

// A field-solver result shown beside a closed form: the solver's value and how far the closed
// form is from it, coloured by that difference, with a tooltip saying which to trust.

#include "ui/controls.h"

namespace tw {

// Differences beyond these colour the row amber and red.
inline constexpr double kCautionPercent = 3.0;
inline constexpr double kWarningPercent = 10.0;

// The text while the solve runs.
inline const QString kSolvingText = QStringLiteral("solving\u2026");

void showSolving(Edit *box);
// No closed-form value to compare, or no field solution: "N/A".
void showNoSecondOpinion(Edit *box);
// solved and closedForm in ohms; a solved value that is not a positive number shows "N/A". The
// difference has one decimal below 10 %, none above, where it is red anyway.
void showSecondOpinion(Edit *box, double solved, double closedForm);

} // namespace tw
