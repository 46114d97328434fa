#include "ui/number_text.h"

#include "ui/errors.h"

#include <QRegularExpression>

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace tw {

QChar decimalSeparator(DecimalMode mode)
{
    return mode == DecimalMode::Comma ? QLatin1Char(',') : QLatin1Char('.');
}

QString decimalModeText(DecimalMode mode)
{
    return mode == DecimalMode::Comma ? QStringLiteral("1") : QStringLiteral("0");
}

DecimalMode decimalModeFromSeparator(QChar separator)
{
    return separator == QLatin1Char(',') ? DecimalMode::Comma : DecimalMode::Point;
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// [+-]? (digits [sep digits*] | sep digits) ([eE] [+-]? digits)?, ASCII digits only, with
// `separator` the one decimal mark.
bool matchesNumber(QStringView text, QChar separator)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    for (; i < n && isDigit(text[i]); ++i)
        ++digits;
    if (i < n && text[i] == separator)
        for (++i; i < n && isDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        qsizetype exponent = 0;
        for (; i < n && isDigit(text[i]); ++i)
            ++exponent;
        if (exponent == 0)
            return false;
    }
    return i == n;
}

// The value of a text matchesNumber accepted, with the decimal mark already a point where it
// converts in range; std::nullopt sends the caller to the slower general conversion.
std::optional<double> quickValue(QStringView text, QChar separator)
{
    char buffer[64];
    if (text.size() >= qsizetype(sizeof buffer))
        return std::nullopt;
    qsizetype start = text.startsWith(QLatin1Char('+')) ? 1 : 0;
    std::size_t length = 0;
    for (qsizetype i = start; i < text.size(); ++i)
        buffer[length++] = text[i] == separator ? '.' : char(text[i].unicode());
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + length, value);
    if (error != std::errc() || end != buffer + length || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double parseNumberText(const QString &text, DecimalMode mode);

} // namespace

double parseNumber(const QString &text, DecimalMode mode)
{
    // Parsing is no computation: its own flags must not be taken for a fault of the results.
    std::fexcept_t flags;
    std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
    const double value = parseNumberText(text, mode);
    std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
    return value;
}

namespace {

double parseNumberText(const QString &text, DecimalMode mode)
{
    const QChar separator = decimalSeparator(mode);
    if (!matchesNumber(text, separator))
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    if (const std::optional<double> quick = quickValue(text, separator))
        return *quick;
    QString c = text;
    c.replace(separator, QLatin1Char('.'));
    // QString's conversion is locale-independent, unlike strtod under the user's locale.
    bool ok = false;
    const double value = c.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

} // namespace

bool isNumber(const QString &text, DecimalMode mode)
{
    const QChar separator = decimalSeparator(mode);
    if (!matchesNumber(text, separator))
        return false;
    if (quickValue(text, separator))
        return true;
    QString c = text;
    c.replace(separator, QLatin1Char('.'));
    bool ok = false;
    const double value = c.toDouble(&ok);
    return ok && std::isfinite(value);
}

int parseInteger(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("\\A[+-]?\\d+\\z"));
    bool ok = false;
    const qlonglong value = form.match(text).hasMatch() ? text.toLongLong(&ok) : 0;
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return static_cast<int>(value);
}

namespace {

// "%.Nf" with a plain suffix, written as QString::asprintf writes it, but several times faster:
// every recalculation formats its results this way. Exact ties (a binary value ending in a 5
// just past the last digit) round away from zero there and to even in std::to_chars, so they,
// like every other format, are left to asprintf.
std::optional<QString> fixedText(const char *format, double value)
{
    if (format[0] != '%')
        return std::nullopt;
    int i = format[1] == '0' ? 2 : 1; // a zero flag without a width pads nothing
    if (format[i] != '.')
        return std::nullopt;
    const int digitsAt = ++i;
    int precision = 0;
    while (format[i] >= '0' && format[i] <= '9' && i - digitsAt < 2)
        precision = precision * 10 + (format[i++] - '0');
    if (i == digitsAt || format[i] != 'f' || precision > 17 || std::strchr(format + i + 1, '%'))
        return std::nullopt;
    if (!std::isfinite(value) || std::fabs(value) >= 1e15)
        return std::nullopt;
    if (value == 0.0)
        value = 0.0; // asprintf writes no sign for a negative zero
    const double scaled = std::ldexp(value, precision + 1);
    if (scaled == std::floor(scaled) && std::fmod(scaled, 2.0) != 0.0)
        return std::nullopt;
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    if (error != std::errc())
        return std::nullopt;
    QString text = QString::fromLatin1(buffer, end - buffer);
    if (format[i + 1] != '\0')
        text += QString::fromUtf8(format + i + 1);
    return text;
}

} // namespace

QString formatResult(const char *format, double value)
{
    if (std::optional<QString> text = fixedText(format, value))
        return *std::move(text);
    return QString::asprintf(format, value);
}

QString literal(DecimalMode mode, const char *withPoint, const char *withComma)
{
    return QString::fromUtf8(mode == DecimalMode::Comma ? withComma : withPoint);
}

QString literal(DecimalMode mode, const char *withPoint)
{
    QString text = QString::fromUtf8(withPoint);
    if (mode == DecimalMode::Comma)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString generalFloatText(double value, DecimalMode mode)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN")
                                 : (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    // %.14e gives the 15 significant digits and the decimal exponent of the rounded value.
    const std::string text = QString::asprintf("%.14e", value).toStdString();
    const auto ePos = text.find('e');
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    const bool negative = text[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.')
            digits += text[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const char sep = mode == DecimalMode::Comma ? ',' : '.';
    std::string out = negative ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += sep;
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent < 0) {
        out += '0';
        out += sep;
        out += std::string(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits);
            out += sep;
            out += digits.substr(intDigits);
        }
    }
    return QString::fromStdString(out);
}

double roundTo2Decimals(double value)
{
    const double scaled = value / 0.01;
    return std::trunc(value < 0 ? scaled - 0.5 : scaled + 0.5) * 0.01;
}

} // namespace tw
