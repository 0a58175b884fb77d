#pragma once
// The date entry and label texts as the program computes them today.
#include <array>
#include <optional>
#include <string>

#include "julian_day.h"
#include "number_text.h"
#include "planet_request.h"

namespace orbitas {

struct DateTexts {
  std::string_view year, month, day, hour, minute, second;
};

struct DateEntryResult {
  std::optional<double> decimalHour, decimalDay, julianDay;
  std::optional<std::string> horadec, diajuliano;
};

inline void EnterDate(const DateTexts& t, std::string_view sep, DateEntryResult& r) {
  const double minute = Val(t.minute), second = Val(t.second), hour = Val(t.hour);
  r.decimalHour = ComputeDecimalHour(hour, minute, second);
  r.horadec = Format(*r.decimalHour, "#0.0#############", sep);
  r.decimalDay = ComputeDecimalDay(Val(t.day), *r.decimalHour);
  r.julianDay = ComputeJulianDay(Val(t.year), Val(t.month), *r.decimalDay);
  r.diajuliano = CStr(*r.julianDay, sep);
}

class LabelTexts : public ResultDisplay {
 public:
  void Show(ResultLabel label, const std::string& text) override {
    texts_[static_cast<std::size_t>(label)] = text;
    written_[static_cast<std::size_t>(label)] = true;
  }
  bool Written(ResultLabel label) const { return written_[static_cast<std::size_t>(label)]; }
  const std::string& operator[](ResultLabel label) const { return texts_[static_cast<std::size_t>(label)]; }

 private:
  std::array<std::string, ResultLabelCount> texts_;
  std::array<bool, ResultLabelCount> written_{};
};

}  // namespace orbitas
