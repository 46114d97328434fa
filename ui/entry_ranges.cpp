#include "ui/entry_ranges.h"

#include "ui/controls.h"
#include "ui/messages.h"
#include "ui/number_text.h"

#include <cmath>

namespace tw {

namespace {

// The caption beside a box, as the user reads it.
QString entryName(const Edit *box)
{
    for (const QLabel *label : box->parentWidget()->findChildren<QLabel *>())
        if (label->buddy() == box && !label->text().trimmed().isEmpty()) {
            QString name = label->text().trimmed();
            while (name.endsWith(QLatin1Char('=')) || name.endsWith(QLatin1Char(':')))
                name.chop(1);
            return name.trimmed();
        }
    return QStringLiteral("This entry");
}

QString exponentText(double bound)
{
    return QStringLiteral("1E%1").arg(static_cast<int>(std::lround(std::log10(bound))));
}

} // namespace

const EntryRange &entryRangeOf(const QString &boxName)
{
    // The substrate's Er of the options panel and the Er Eff of the wavelength calculator.
    static const QStringList dielectrics{QStringLiteral("Edit7"), QStringLiteral("Edit150")};
    return dielectrics.contains(boxName) ? dielectricRange : entryRange;
}

bool withinEntryRange(double value, const EntryRange &range)
{
    const double size = std::abs(value);
    return value == 0 || (size >= range.least && size <= range.most);
}

bool entriesInRange(const QList<const QWidget *> &areas, Messages &messages, DecimalMode mode)
{
    for (const QWidget *area : areas) {
        for (const Edit *box : area->findChildren<Edit *>()) {
            if (box->isReadOnly() || !box->isEnabled() || !box->isVisibleTo(box->window()))
                continue;
            const QString text = box->text();
            const EntryRange &range = entryRangeOf(box->objectName());
            if (!isNumber(text, mode) || withinEntryRange(parseNumber(text, mode), range))
                continue;
            messages.information(
                QStringLiteral("%1: '%2' is out of range. Enter 0 or a size from %3 to %4.")
                    .arg(entryName(box), text, exponentText(range.least),
                         exponentText(range.most)));
            return false;
        }
    }
    return true;
}

} // namespace tw
