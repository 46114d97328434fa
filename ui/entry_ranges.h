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

// Lengths, currents, voltages, frequencies in Hz, counts: every entry not of a kind below.
inline constexpr EntryRange entryRange{1e-9, 1e12};
// Dielectric constants: the dispersion of the line models overflows long before 1E12.
inline constexpr EntryRange dielectricRange{1e-9, 1e4};

// The range of the entry box of that name.
const EntryRange &entryRangeOf(const QString &boxName);
bool withinEntryRange(double value, const EntryRange &range = entryRange);

// Checks every number typed into a visible, enabled input box of the areas. The first one out of
// range is refused with a message naming it and the range; false then, and the pass stops.
// Text that is no number is left to the computation, which reports it.
bool entriesInRange(const QList<const QWidget *> &areas, Messages &messages, DecimalMode mode);

} // namespace tw
