#pragma once

#include <QString>

namespace tw {

// Which decimal separator the user's regional settings use; held as "0" (point) or "1" (comma)
// in the hidden decimal-mode label.
enum class DecimalMode { Point, Comma };

QChar decimalSeparator(DecimalMode mode);
QString decimalModeText(DecimalMode mode);
// The platform's separator: a comma gives comma mode, anything else is read as a point so that
// the program's own literals always parse.
DecimalMode decimalModeFromSeparator(QChar separator);

// Strict parse: optional sign, digits, optional separator and digits, optional exponent.
// Throws ConversionError "'<text>' is not a valid floating point value".
double parseNumber(const QString &text, DecimalMode mode);
// Whether parseNumber accepts the text.
bool isNumber(const QString &text, DecimalMode mode);
// Whole numbers of the stored settings. Throws "'<text>' is not a valid integer value", also
// for numbers beyond 32 bits.
int parseInteger(const QString &text);

// printf-style result text; always a point, whatever the locale.
QString formatResult(const char *format, double value);
// Picks the point or comma variant of a literal the program writes into an input box.
QString literal(DecimalMode mode, const char *withPoint, const char *withComma);
// Writes a literal such as "0.7" with the mode's separator.
QString literal(DecimalMode mode, const char *withPoint);

// Shortest text of at most 15 significant digits, no trailing zeros, the mode's separator,
// exponent form ("1.5E-6") only below 1e-5 or at 1e15 and beyond.
QString generalFloatText(double value, DecimalMode mode);

// Half away from zero at two decimals, the way areas are rounded by the unit switch.
double roundTo2Decimals(double value);

} // namespace tw
