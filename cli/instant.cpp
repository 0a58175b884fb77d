#include "instant.h"

#include "julian_day.h"
#include "number_text.h"

namespace orbitas::cli {
namespace {

class CollectingDisplay : public ResultDisplay {
 public:
  explicit CollectingDisplay(PlanetOutcome& outcome) : outcome_(outcome) {}
  void Show(ResultLabel label, const std::string& text) override {
    outcome_.labels.emplace_back(std::string(LabelName(label)), text);
  }

 private:
  PlanetOutcome& outcome_;
};

// The day stage's decimal hour and the Julian-day stage, each writing its
// label text as soon as its value is known.
double DecimalHourStage(double hour, double minute, double second, std::string_view separator,
                        InstantOutcome& outcome) {
  const double decimalHour = ComputeDecimalHour(hour, minute, second);
  outcome.horadec = Format(decimalHour, "#0.0#############", separator);
  return decimalHour;
}

void JulianDayStage(double year, double month, double decimalDay, std::string_view separator,
                    InstantOutcome& outcome) {
  outcome.julianDay = ComputeJulianDay(year, month, decimalDay);
  outcome.diajuliano = CStr(outcome.julianDay, separator);
}

}  // namespace

const std::string* PlanetOutcome::Label(std::string_view name) const {
  for (const auto& [label, text] : labels) {
    if (label == name) return &text;
  }
  return nullptr;
}

// The fields are read in the order Enter reads them: minute, second, hour,
// then day, then year and month.
void ComputeDate(const DateTexts& date, std::string_view separator, InstantOutcome& outcome) {
  const double minute = Val(date.minute), second = Val(date.second), hour = Val(date.hour);
  const double decimalHour = DecimalHourStage(hour, minute, second, separator, outcome);
  const double decimalDay = ComputeDecimalDay(Val(date.day), decimalHour);
  JulianDayStage(Val(date.year), Val(date.month), decimalDay, separator, outcome);
}

void ComputeDateValues(double year, double month, double day, double hour, double minute,
                       double second, std::string_view separator, InstantOutcome& outcome) {
  const double decimalHour = DecimalHourStage(hour, minute, second, separator, outcome);
  JulianDayStage(year, month, ComputeDecimalDay(day, decimalHour), separator, outcome);
}

void ComputePlanets(const ElementsTable& elements, const std::vector<Int16>& bodies,
                    std::string_view separator, InstantOutcome& outcome) {
  for (const Int16 body : bodies) {
    PlanetOutcome& planet = outcome.planets.emplace_back();
    planet.body = body;
    CollectingDisplay display(planet);
    RunPlanetRequest(elements, outcome.julianDay, body, separator, planet.values, display);
  }
}

InstantOutcome ComputeInstant(const std::optional<DateTexts>& date,
                              const std::string& julianDayText,
                              const std::vector<Int16>& bodies, std::string_view separator) {
  InstantOutcome outcome;
  try {
    if (date) {
      ComputeDate(*date, separator, outcome);
    } else {
      outcome.julianDay = Val(julianDayText);
      outcome.diajuliano = CStr(outcome.julianDay, separator);
    }
    ElementsTable elements{};
    FillElements(elements);
    ComputePlanets(elements, bodies, separator, outcome);
  } catch (const RuntimeError& error) {
    outcome.error = error.kind();
  }
  return outcome;
}

}  // namespace orbitas::cli
