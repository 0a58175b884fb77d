#pragma once
// The computation of one planet at one instant, step by step, in Spanish:
// every intermediate value as the program computes it, with 15 significant
// digits, for those who learn the method by working an example.
#include <optional>
#include <string>

#include "instant.h"
#include "output.h"

namespace orbitas::cli {

// Writes the explanation to out as it goes. date, or else the Julian day
// read with Val from julianDayText. Returns 0, or 1 after a run-time error
// (what was computed before it is written, then the error on stderr).
// Raises OutputError when out refuses a write.
int Explain(const std::optional<DateTexts>& date, const std::string& julianDayText, Int16 body,
            const std::string& separator, Output& out);

}  // namespace orbitas::cli
