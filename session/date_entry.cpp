#include "session/date_entry.h"

#include "runtime/number_text.h"

namespace orbitas {

double TypedDateFields::Value(DateField field) const {
  return Val(texts_[static_cast<std::size_t>(field)]);
}

// The fields are read in the order Enter reads them: minute, second, hour,
// then the day, then the year and the month; each value is shown as soon
// as it is known.
void PressDateKey(ProgramState& state, bool enter, const DateFields& fields,
                  std::string_view separator, DateEntryDisplay& display, JulianDayStages* stages) {
  if (enter) {
    const double minute = fields.Value(DateField::Minute);
    const double second = fields.Value(DateField::Second);
    const double hour = fields.Value(DateField::Hour);
    state.decimalHour = ComputeDecimalHour(hour, minute, second);
    if (display.WantsTexts()) display.DecimalHourShown(Format(state.decimalHour, "#0.0#############", separator));
    state.decimalDay = ComputeDecimalDay(fields.Value(DateField::Day), state.decimalHour);
  }
  const double year = fields.Value(DateField::Year);
  const double month = fields.Value(DateField::Month);
  state.julianDay = ComputeJulianDay(year, month, state.decimalDay, stages);
  if (display.WantsTexts()) display.JulianDayShown(CStr(state.julianDay, separator));
}

}  // namespace orbitas
