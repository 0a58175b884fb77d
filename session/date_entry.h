#pragma once
// The date entry: a key pressed in one of the six date and time fields.
// Enter turns the fields into the decimal hour and the day with its
// fraction; every key then turns the year, the month and that day into the
// Julian day. The window's key handler and orbitas-cli's instants, tables
// and explanations all run this one function.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/julian_day.h"
#include "session/program_state.h"

namespace orbitas {

// The six fields, numbered as the window's "Fecha(0)" to "Fecha(5)".
enum class DateField { Year, Month, Day, Hour, Minute, Second };

// Where the date entry reads each field's value.
class DateFields {
 public:
  virtual ~DateFields() = default;
  // The field's value; may raise a run-time error (Overflow for a typed
  // number beyond the double range).
  virtual double Value(DateField field) const = 0;
};

// Six typed texts, each read with Val as the window reads its fields.
class TypedDateFields : public DateFields {
 public:
  explicit TypedDateFields(std::array<std::string_view, 6> texts) : texts_(texts) {}
  double Value(DateField field) const override;

 private:
  std::array<std::string_view, 6> texts_;
};

// Six numbers already read: a table's instants.
class NumericDateFields : public DateFields {
 public:
  explicit NumericDateFields(std::array<double, 6> values) : values_(values) {}
  double Value(DateField field) const override { return values_[static_cast<std::size_t>(field)]; }

 private:
  std::array<double, 6> values_;
};

// Receives the texts of "horadec" and "diajuliano" as they become known.
class DateEntryDisplay {
 public:
  virtual ~DateEntryDisplay() = default;
  // Enter computed the decimal hour: its text, before the day is read. The
  // window shows it and moves the focus to the next field here.
  virtual void DecimalHourShown(const std::string& text) = 0;
  // The Julian day's text.
  virtual void JulianDayShown(const std::string& text) = 0;
  // False when the texts are never shown: they are then not made.
  virtual bool WantsTexts() const { return true; }
};

// Keeps the two texts; each is absent until the entry reaches it, and
// both stay absent when they are not wanted.
class DateLabelTexts : public DateEntryDisplay {
 public:
  explicit DateLabelTexts(bool wanted = true) : wanted_(wanted) {}
  void DecimalHourShown(const std::string& text) override { horadec = text; }
  void JulianDayShown(const std::string& text) override { diajuliano = text; }
  bool WantsTexts() const override { return wanted_; }
  std::optional<std::string> horadec, diajuliano;

 private:
  bool wanted_;
};

// A key that produces a character in a date field; `enter` for Enter.
// On Enter: reads the minute, the second and the hour, sets
// state.decimalHour = ComputeDecimalHour(hour, minute, second) and shows it
// (Format "#0.0#############"); then reads the day and sets
// state.decimalDay = ComputeDecimalDay(day, decimalHour). On every key:
// reads the year and the month and sets state.julianDay =
// ComputeJulianDay(year, month, state.decimalDay), shown with CStr. Texts
// use decimalSeparator. A run-time error propagates at once: the values
// and texts already set stay, the others keep their previous contents. If
// stages is not null, it receives the Julian-day formula's working values.
void PressDateKey(ProgramState& state, bool enter, const DateFields& fields,
                  std::string_view decimalSeparator, DateEntryDisplay& display,
                  JulianDayStages* stages = nullptr);

}  // namespace orbitas
