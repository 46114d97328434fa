#include "calc/layout/conductor_spacing.h"

namespace tw::spacing {

namespace {

constexpr SpacingTable kMetric{{
    {"0.05 mm", "0.10 mm", "0.10 mm", "0.05 mm", "0.13 mm", "0.13 mm", "0.13 mm"},
    {"0.05 mm", "0.10 mm", "0.10 mm", "0.05 mm", "0.13 mm", "0.25 mm", "0.13 mm"},
    {"0.10 mm", "0.60 mm", "0.60 mm", "0.13 mm", "0.13 mm", "0.40 mm", "0.13 mm"},
    {"0.10 mm", "0.60 mm", "1.50 mm", "0.13 mm", "0.13 mm", "0.50 mm", "0.13 mm"},
    {"0.20 mm", "0.60 mm", "3.20 mm", "0.40 mm", "0.40 mm", "0.80 mm", "0.40 mm"},
    {"0.20 mm", "1.25 mm", "3.20 mm", "0.40 mm", "0.40 mm", "0.80 mm", "0.40 mm"},
    {"0.20 mm", "1.25 mm", "6.40 mm", "0.40 mm", "0.40 mm", "0.80 mm", "0.40 mm"},
    {"0.20 mm", "1.25 mm", "12.50 mm", "0.40 mm", "0.40 mm", "0.80 mm", "0.80 mm"},
    {"0.25 mm", "2.50 mm", "12.50 mm", "0.80 mm", "0.80 mm", "1.50 mm", "0.80 mm"},
}};

constexpr SpacingTable kImperial{{
    {"1.97 mils", "3.94 mils", "3.94 mils", "1.97 mils", "5.12 mils", "5.12 mils", "5.12 mils"},
    {"1.97 mils", "3.94 mils", "3.94 mils", "1.97 mils", "5.12 mils", "9.84 mils", "5.12 mils"},
    {"3.94 mils", "23.62 mils", "23.62 mils", "5.12 mils", "5.12 mils", "15.75 mils", "5.12 mils"},
    {"3.94 mils", "23.62 mils", "59.06 mils", "5.12 mils", "5.12 mils", "19.69 mils", "5.12 mils"},
    {"7.87 mils", "23.62 mils", "125.98 mils", "15.75 mils", "15.75 mils", "31.50 mils",
     "15.75 mils"},
    {"7.87 mils", "49.21 mils", "125.98 mils", "15.75 mils", "15.75 mils", "31.50 mils",
     "15.75 mils"},
    {"7.87 mils", "49.21 mils", "251.97 mils", "15.75 mils", "15.75 mils", "31.50 mils",
     "15.75 mils"},
    {"7.87 mils", "49.21 mils", "492.13 mils", "15.75 mils", "15.75 mils", "31.50 mils",
     "31.50 mils"},
    {"9.84 mils", "98.43 mils", "492.13 mils", "31.50 mils", "31.50 mils", "59.06 mils",
     "31.50 mils"},
}};

constexpr std::array<PerVoltRule, kDeviceTypes> kMetricRules{{
    {0.0025, 0.25},
    {0.005, 2.5},
    {0.025, 12.5},
    {0.00305, 0.8},
    {0.00305, 0.8},
    {0.00305, 1.5},
    {0.00305, 0.8},
}};

constexpr std::array<PerVoltRule, kDeviceTypes> kImperialRules{{
    {0.098425, 9.8425},
    {0.19685, 98.42519},
    {0.984252, 492.12598},
    {0.12007, 31.49606},
    {0.12007, 31.49606},
    {0.12007, 59.05512},
    {0.12007, 31.49606},
}};

} // namespace

const SpacingTable &metricSpacing()
{
    return kMetric;
}

const SpacingTable &imperialSpacing()
{
    return kImperial;
}

PerVoltRule perVoltRule(int deviceType, bool metric)
{
    const auto &rules = metric ? kMetricRules : kImperialRules;
    return rules.at(static_cast<std::size_t>(deviceType));
}

double spacingAbove500(double volts, int deviceType, bool metric)
{
    const PerVoltRule rule = perVoltRule(deviceType, metric);
    return (volts - 500.0) * rule.increment + rule.base;
}

} // namespace tw::spacing
