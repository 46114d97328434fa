#include "ui/number_text.h"

#include "ui/errors.h"

#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
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

bool matchesNumber(const QString &text, QChar separator)
{
    static const QRegularExpression pointForm(
        QStringLiteral("\\A[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?\\z"));
    static const QRegularExpression commaForm(
        QStringLiteral("\\A[+-]?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?\\z"));
    return (separator == QLatin1Char(',') ? commaForm : pointForm).match(text).hasMatch();
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

QString formatResult(const char *format, double value)
{
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
