#pragma once

#include "ui/number_text.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace tw {

class Edit;

enum class UnitSystem { Imperial = 0, Metric = 1 };

// What a converted input measures, which fixes its pair of factors.
enum class Quantity {
    Length,    // mils and mm
    Thickness, // mils and micrometres
    Area,      // square inches and square millimetres, rounded to two decimals where that
               // changes the area by less than 1 %
};

double convertQuantity(double value, Quantity quantity, UnitSystem to);

// A read-only box or label whose unit text follows the unit system.
struct UnitText {
    QWidget *widget;
    QString imperial;
    QString metric;
    std::function<bool()> when = {};
};

// An input whose number is converted when the unit system changes.
struct ConvertedInput {
    int order;
    Edit *box;
    Quantity quantity = Quantity::Length;
    std::function<bool()> when = {};
    bool commasAsPoints = false;    // the text's commas are read as points before parsing
    bool keepNotApplicable = false; // "N/A" stays as it is
};

class UnitSwitch;

// The entries one calculator declares, collected as its panel is built.
struct UnitEntries {
    std::vector<UnitText> texts;
    std::vector<ConvertedInput> inputs;
    void declareTo(UnitSwitch &units) const;
};

// The unit switch over the entries every calculator declares. The conversion is atomic: all
// inputs are parsed before anything is changed.
class UnitSwitch {
public:
    void addText(UnitText text);
    void addInput(ConvertedInput input);
    // Steps of a calculator that run before the unit texts are rewritten.
    void addLeadingStep(std::function<void(UnitSystem)> step);

    // Throws ConversionError naming the first input that cannot be parsed; nothing changes then.
    void convert(UnitSystem to, DecimalMode mode) const;

private:
    std::vector<UnitText> texts_;
    std::vector<ConvertedInput> inputs_;
    std::vector<std::function<void(UnitSystem)>> leading_;
};

} // namespace tw
