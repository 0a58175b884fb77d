#include "report/column_cells.h"

#include <cmath>

#include "session/clock_words.h"
#include "report/json.h"
#include "report/text_layout.h"
#include "runtime/shortest_text.h"

namespace orbitas::report {

EventCell EmptyCell() { return {"—", std::nullopt, "", "null"}; }

EventCell TextCell(std::string text, std::optional<double> key) {
  std::string json = JsonString(text);
  std::string file = text;
  return {std::move(text), key, std::move(file), std::move(json)};
}

EventCell WordedCell(double x, std::string people) { return {std::move(people), x, ShortestText(x), JsonNumber(x)}; }

EventCell NumberCell(const std::optional<double>& x, std::string_view pattern, std::string_view sep,
                     std::string_view unit) {
  if (!x) return EmptyCell();
  return WordedCell(*x, SignedNumber(*x, pattern, sep) + std::string(unit));
}

EventCell WholeCell(double x, double scale, std::string_view unit) {
  return WordedCell(x, std::to_string(std::lround(x * scale)) + std::string(unit));
}

EventCell MinuteCell(const TimeZone& zone, const Instant& t) {
  std::string iso = zone.LocalIso(t);
  std::string json = JsonString(iso);
  return {MinuteWithWeekday(zone, t), t.ut, std::move(iso), std::move(json)};
}

EventCell YesNoCell(bool yes, std::string_view yesWords, std::string_view noWords) {
  const std::string literal = yes ? "true" : "false";
  return {std::string(yes ? yesWords : noWords), yes ? 1.0 : 0.0, literal, literal};
}

}  // namespace orbitas::report
