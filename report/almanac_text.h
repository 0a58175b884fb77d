#pragma once
// The printed almanac's month pages, in words: the Moon's phases, the
// month's phenomena and eclipses (the reference's instant first, as the
// year's list has them), the Sun and the dark hours every five days, the
// planets in the middle of the month and the meteor showers.
#include <string>
#include <string_view>
#include <vector>

#include "report/night_output.h"
#include "session/almanac_contents.h"
#include "session/runners.h"
#include "session/year_chart_contents.h"

namespace orbitas::report {

// One page a month of chart's year, from the almanac's year (its list of
// events with the place's showers' nights, and the night of each month's
// 15th, in order; a month without its night has no planets' section).
// Numbers with separator. Raises nothing.
std::vector<AlmanacPage> AlmanacMonths(const YearChart& chart, const AlmanacYear& almanac,
                                       std::string_view separator);

}  // namespace orbitas::report
