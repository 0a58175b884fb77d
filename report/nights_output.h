#pragma once
// Many nights, one line each, for planning: when it is dark, the Moon, the
// planets that can be seen with their best hour, the meteor showers' rates
// and an eclipse if any. Text, CSV and JSON Lines.
#include <string>
#include <string_view>

#include "report/night_output.h"

namespace orbitas::report {

// One night's line in Spanish: times local, to the minute; numbers with
// separator.
std::string NightSummaryLine(const NightAnswer& night, std::string_view separator);

// The CSV's header and one night's row (numbers with ".", times ISO 8601).
std::string NightSummaryCsvHeader();
std::string NightSummaryCsvRow(const NightAnswer& night);

// One night as a JSON object on one line (keys in docs/json.md).
std::string NightSummaryJson(const NightAnswer& night);

}  // namespace orbitas::report
