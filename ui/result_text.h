#pragma once

#include "ui/number_text.h"

#include <QString>

namespace tw {

// Floating-point faults are detected, not masked: a compute clears the flags when it starts,
// and every result is checked before it is written, so a fault leaves the results not yet
// written with their previous text.
void clearFloatFaults();
// Throws FloatError when a fault is pending or the value itself is not finite.
void checkFloatFaults(double value = 0.0);

// The one place results are written.
template <typename Box> void showResult(Box *box, const char *format, double value)
{
    checkFloatFaults(value);
    box->setText(formatResult(format, value));
    // Whatever the widget's own layout arithmetic raised is not the computation's fault.
    clearFloatFaults();
}

// A result written as the general float text, with the separator of the mode.
template <typename Box> void showGeneralResult(Box *box, double value, DecimalMode mode)
{
    checkFloatFaults(value);
    box->setText(generalFloatText(value, mode));
    clearFloatFaults();
}

} // namespace tw
