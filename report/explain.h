#pragma once
// The computation of one planet at one instant, step by step, in Spanish:
// every intermediate value as the program computes it, with 15 significant
// digits, for those who learn the method by working an example.
#include <optional>
#include <string>

#include <functional>
#include <string_view>

#include "session/instant.h"

namespace orbitas::report {

// Hands the explanation to write, piece by piece, as it goes. date, or else
// the Julian day read with Val from julianDayText. A run-time error
// propagates after what was computed before it has been written; so does
// whatever write raises.
void Explain(const std::optional<DateTexts>& date, const std::string& julianDayText, Int16 body,
             const std::string& separator, const std::function<void(std::string_view)>& write);

}  // namespace orbitas::report
