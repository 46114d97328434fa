#pragma once

// Entry limits as data: each calculator lists its limit rows, and one validator applies them in
// order, so a refused entry is always reported and corrected the same way.

#include <QString>

#include <span>

namespace tw {

class Edit;
class Messages;
enum class DecimalMode;

// Which entries a row refuses, compared with its bound.
enum class Refuse {
    Above,     // value > bound
    Below,     // value < bound
    AtOrAbove, // value >= bound
    AtOrBelow, // value <= bound
    Equal,     // value == bound
};

struct EntryLimit {
    Edit *box;
    Refuse refuse;
    double bound;
    // Written with a point; in comma mode every decimal number in them takes a comma.
    const char *message;
    const char *correction;
    // The box's commas are read as points, for boxes that take either separator.
    bool commasAsPoints = false;
};

bool refuses(Refuse refuse, double value, double bound);

// Checks the rows in order, each against its box's text at that moment: a refused entry gets its
// message, then its correction, so the rest of the pass computes with the corrected value.
// A text that is no number throws ConversionError. Returns how many entries were corrected.
int applyLimits(std::span<const EntryLimit> rows, Messages &messages, DecimalMode mode);

// A decimal number written with the mode's separator inside a sentence: only a point between
// two digits changes, so a full stop stays one.
QString localDecimals(const QString &text, DecimalMode mode);

} // namespace tw
