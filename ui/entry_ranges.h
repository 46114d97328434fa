#pragma once

// The magnitudes a typed number may have. Wide enough for any real design, narrow enough that no
// formula of the program overflows, divides by an underflowed zero or prints hundreds of digits.

#include <QList>
#include <QString>

class QWidget;

namespace tw {

class Messages;
enum class DecimalMode;

struct EntryRange {
    double least; // smallest size other than 0
    double most;
};

// One row for every kind of entry: lengths, currents, voltages, frequencies in Hz, counts.
inline constexpr EntryRange entryRange{1e-9, 1e12};

bool withinEntryRange(double value);

// Checks every number typed into a visible, enabled input box of the areas. The first one out of
// range is refused with a message naming it and the range; false then, and the pass stops.
// Text that is no number is left to the computation, which reports it.
bool entriesInRange(const QList<const QWidget *> &areas, Messages &messages, DecimalMode mode);

} // namespace tw
