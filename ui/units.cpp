#include "ui/units.h"

#include "ui/controls.h"
#include "ui/errors.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

namespace tw {

double convertQuantity(double value, Quantity quantity, UnitSystem to)
{
    const bool toMetric = to == UnitSystem::Metric;
    switch (quantity) {
    // One factor each way: two steps could overflow on the way for a value that fits both ends.
    case Quantity::Length:
        return toMetric ? value * 0.0254 : value / 0.0254;
    case Quantity::Thickness:
        return toMetric ? value * 25.4 : value / 25.4;
    case Quantity::Area: {
        const double area = toMetric ? value * 645.1612903225806 : value * 0.00155;
        // Two decimals tidy a large area; a small one would lose itself (2 Sq.mm is 0.0031 Sq.In).
        const double rounded = roundTo2Decimals(area);
        return std::abs(rounded - area) < 0.01 * std::abs(area) ? rounded : area;
    }
    }
    return value;
}

void UnitSwitch::addText(UnitText text)
{
    texts_.push_back(std::move(text));
}

void UnitSwitch::addInput(ConvertedInput input)
{
    const auto at = std::upper_bound(
        inputs_.begin(), inputs_.end(), input.order,
        [](int order, const ConvertedInput &other) { return order < other.order; });
    inputs_.insert(at, std::move(input));
}

void UnitSwitch::addLeadingStep(std::function<void(UnitSystem)> step)
{
    leading_.push_back(std::move(step));
}

void UnitSwitch::convert(UnitSystem to, DecimalMode mode) const
{
    struct Pending {
        Edit *box;
        QString text;
    };
    std::vector<Pending> pending;
    for (const ConvertedInput &input : inputs_) {
        if (input.when && !input.when())
            continue;
        QString text = input.box->text();
        if (input.keepNotApplicable && text == QStringLiteral("N/A"))
            continue;
        if (input.commasAsPoints)
            text.replace(QLatin1Char(','), QLatin1Char('.'));
        const double value = parseNumber(text, mode);
        const double converted = convertQuantity(value, input.quantity, to);
        if (!std::isfinite(converted))
            throw ConversionError(
                QStringLiteral("'%1' is too large to be converted to the other unit system")
                    .arg(input.box->text()));
        pending.push_back({input.box, generalFloatText(converted, mode)});
    }

    for (const auto &step : leading_)
        step(to);
    for (const UnitText &text : texts_) {
        if (text.when && !text.when())
            continue;
        const QString &shown = to == UnitSystem::Metric ? text.metric : text.imperial;
        if (auto *edit = qobject_cast<Edit *>(text.widget))
            edit->setText(shown);
        else if (auto *label = qobject_cast<QLabel *>(text.widget))
            label->setText(shown);
    }
    for (const Pending &p : pending)
        p.box->setText(p.text);
}

void UnitEntries::declareTo(UnitSwitch &units) const
{
    for (const UnitText &text : texts)
        units.addText(text);
    for (const ConvertedInput &input : inputs)
        units.addInput(input);
}

} // namespace tw
