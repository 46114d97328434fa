#include "ui/entry_limits.h"

#include "ui/controls.h"
#include "ui/messages.h"
#include "ui/number_text.h"

namespace tw {

bool refuses(Refuse refuse, double value, double bound)
{
    switch (refuse) {
    case Refuse::Above:
        return value > bound;
    case Refuse::Below:
        return value < bound;
    case Refuse::AtOrAbove:
        return value >= bound;
    case Refuse::AtOrBelow:
        return value <= bound;
    case Refuse::Equal:
        return value == bound;
    }
    return false;
}

int applyLimits(std::span<const EntryLimit> rows, Messages &messages, DecimalMode mode)
{
    int corrected = 0;
    for (const EntryLimit &row : rows) {
        QString text = row.box->text();
        if (row.commasAsPoints)
            text.replace(QLatin1Char(','), QLatin1Char('.'));
        const double value = parseNumber(text, mode);
        if (!refuses(row.refuse, value, row.bound))
            continue;
        messages.information(localDecimals(QString::fromUtf8(row.message), mode));
        row.box->setText(localDecimals(QString::fromUtf8(row.correction), mode));
        ++corrected;
    }
    return corrected;
}

QString localDecimals(const QString &text, DecimalMode mode)
{
    if (mode != DecimalMode::Comma)
        return text;
    QString out = text;
    for (qsizetype i = 1; i + 1 < out.size(); ++i)
        if (out[i] == QLatin1Char('.') && out[i - 1].isDigit() && out[i + 1].isDigit())
            out[i] = QLatin1Char(',');
    return out;
}

} // namespace tw
