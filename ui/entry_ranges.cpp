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
    return box->toolTip().isEmpty() ? QStringLiteral("This entry") : box->toolTip();
}

} // namespace

bool withinEntryRange(double value)
{
    const double size = std::abs(value);
    return value == 0 || (size >= entryRange.least && size <= entryRange.most);
}

bool entriesInRange(const QList<const QWidget *> &areas, Messages &messages, DecimalMode mode)
{
    for (const QWidget *area : areas) {
        for (const Edit *box : area->findChildren<Edit *>()) {
            if (box->isReadOnly() || !box->isEnabled() || !box->isVisibleTo(box->window()))
                continue;
            const QString text = box->text();
            if (!isNumber(text, mode) || withinEntryRange(parseNumber(text, mode)))
                continue;
            messages.information(QStringLiteral("%1: '%2' is out of range. Enter 0 or a size "
                                                "from 1E-9 to 1E12.")
                                     .arg(entryName(box), text));
            return false;
        }
    }
    return true;
}

} // namespace tw
