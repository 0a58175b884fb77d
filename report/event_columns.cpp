#include "report/event_columns.h"

#include "session/clock_words.h"
#include "report/eclipse_output.h"
#include "report/json.h"
#include "report/phenomena_output.h"
#include "report/text_layout.h"
#include "report/year_output.h"
#include "runtime/number_text.h"
#include "runtime/shortest_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

constexpr std::string_view None = "—";

// A column with nothing to give.
EventCell Empty() { return {std::string(None), std::nullopt, "", "null"}; }

// A text that is also its own value.
EventCell Text(std::string people, std::string file) {
  std::string json = JsonString(file);
  return {std::move(people), std::nullopt, std::move(file), std::move(json)};
}

// An instant: the local minute for people, sorted by the instant, and the
// ISO 8601 text with the offset for a file.
EventCell When(const Instant& t, const TimeZone& zone) {
  std::string iso = zone.LocalIso(t);
  std::string json = JsonString(iso);
  return {MinuteWithWeekday(zone, t), t.ut, std::move(iso), std::move(json)};
}

// A number: its shortest text, for people with the minus sign.
EventCell Number(const std::optional<double>& x) {
  if (!x) return Empty();
  const std::string people = *x < 0 ? "\u2212" + ShortestText(-*x) : ShortestText(*x);
  return {people, *x, ShortestText(*x), JsonNumber(*x)};
}

EventCell OfPhenomenon(const Phenomenon& p, EventField field, const TimeZone& zone, std::string_view sep) {
  const Instant listed = ListedTime(p);
  switch (field) {
    case EventField::Instant: return When(listed, zone);
    case EventField::Utc: return When(listed, TimeZone());
    case EventField::JulianDay: return {"", listed.ut, ShortestText(listed.ut), JsonNumber(listed.ut)};
    case EventField::Kind: return Text(std::string(PhenomenonKey(p.kind)), std::string(PhenomenonKey(p.kind)));
    case EventField::Bodies: return Text(PhenomenonBodies(p), PhenomenonBodies(p));
    case EventField::Description:
      return Text(PhenomenonDescription(p, ForPeople(sep)), PhenomenonDescription(p, ForFiles()));
    case EventField::Value: return Number(p.value);
    case EventField::Unit: {
      EventCell unit = Text(std::string(UnitKey(p.unit)), std::string(UnitKey(p.unit)));
      if (p.unit == PhenomenonUnit::None) unit.json = "null";
      return unit;
    }
    case EventField::ErrorSeconds: {
      EventCell error = Number(ErrorSeconds(p));
      error.text = TimeErrorText(p, ForPeople(sep));
      return error;
    }
    case EventField::MethodInstant: {
      EventCell method = When(MethodInstant(p), zone);
      if (!p.referenceTime) method.text = std::string(None);  // listed at the method's instant already
      return method;
    }
    case EventField::MethodJulianDay: return Number(p.time);
    case EventField::ReferenceInstant: return p.referenceTime ? When(*p.referenceTime, zone) : Empty();
    case EventField::ReferenceMinimum: return Number(p.referenceMiss);
    case EventField::Count: break;
  }
  return Empty();
}

std::string EclipseBodiesText(const EclipseSeen& e) {
  if (const auto* t = std::get_if<Transit>(&e.event)) return std::string(SpanishName(t->body)) + ", Sol";
  return "Sol, Luna";
}

// An eclipse in the year's list: its kind as the eclipses' list has it;
// from a place, its instant and words the place's (the local maximum and
// kind of a solar eclipse, and one it does not see said so).
EventCell OfEclipse(const EclipseSeen& e, EventField field, const TimeZone& zone, std::string_view sep) {
  switch (field) {
    case EventField::Instant: return When(ListedInstant(e), zone);
    case EventField::Utc: return When(ListedInstant(e), TimeZone());
    case EventField::Kind: return EclipseCellOf(e, EclipseField::Kind, zone, sep);
    case EventField::Bodies: return Text(EclipseBodiesText(e), EclipseBodiesText(e));
    case EventField::Description:
      return Text(PlaceEclipseSummary(e, ForPeople(sep)), PlaceEclipseSummary(e, ForFiles()));
    case EventField::ErrorSeconds: {
      EventCell error = Empty();
      error.text = "de ERFA, a menos de 10 s del canon de la NASA";
      return error;
    }
    default: return Empty();
  }
}

EventCell OfShower(const ShowerPeakSeen& s, EventField field, const TimeZone& zone, std::string_view sep) {
  const ShowerPeak& peak = s.peak;
  switch (field) {
    case EventField::Instant: return When(peak.time, zone);
    case EventField::Utc: return When(peak.time, TimeZone());
    case EventField::Kind: return Text("meteor-shower", "meteor-shower");
    case EventField::Bodies: return {std::string(None), std::nullopt, "", "null"};
    case EventField::Description: return Text(ShowerDescription(peak, ForPeople(sep)), ShowerDescription(peak, ForFiles()));
    case EventField::Value: {
      const std::string zhr = Format(peak.shower->zhr, "#0", ".");
      return {zhr, peak.shower->zhr, zhr, JsonNumber(peak.shower->zhr)};
    }
    case EventField::Unit: return Text("zhr", "zhr");
    case EventField::ErrorSeconds: {
      EventCell error = Empty();
      error.text = "de ERFA";
      return error;
    }
    default: return Empty();
  }
}

// A CSV header from a column list: the columns that have one, in order.
template <std::size_t N>
std::string CsvHeaderOf(const std::array<EventFieldName, N>& names) {
  std::string header;
  for (const EventFieldName& name : names) {
    if (!name.csv.empty()) header += (header.empty() ? "" : ",") + std::string(name.csv);
  }
  return header + "\r\n";
}

// A CSV row of the same columns, each cell's file value as one field.
template <std::size_t N, typename CellOf>
std::string CsvRowOf(const std::array<EventFieldName, N>& names, CellOf&& cellOf) {
  std::string row;
  bool first = true;
  for (std::size_t k = 0; k < N; ++k) {
    if (names[k].csv.empty()) continue;
    row += (first ? "" : ",") + CsvField(cellOf(k).file);
    first = false;
  }
  return row + "\r\n";
}

}  // namespace

EventCell EventCellOf(const YearEvent& event, EventField field, const TimeZone& zone, std::string_view separator) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) return OfPhenomenon(*p, field, zone, separator);
  if (const auto* e = std::get_if<EclipseSeen>(&event)) return OfEclipse(*e, field, zone, separator);
  return OfShower(std::get<ShowerPeakSeen>(event), field, zone, separator);
}

std::string EventCsvHeader() { return CsvHeaderOf(EventFields); }

std::string EventCsvRow(const YearEvent& event, const TimeZone& zone) {
  return CsvRowOf(EventFields, [&](std::size_t k) { return EventCellOf(event, static_cast<EventField>(k), zone, "."); });
}

std::string EventFieldsJson(const YearEvent& event, const TimeZone& zone) {
  std::string json = "{";
  for (std::size_t k = 0; k < EventFields.size(); ++k) {
    json += (k ? ", " : "") + JsonString(EventFields[k].json) + ": " +
            EventCellOf(event, static_cast<EventField>(k), zone, ".").json;
  }
  return json + "}\n";
}

namespace {

// A number to a pattern: for people with the minus sign and separator,
// for a file with the point.
EventCell Formatted(double x, std::string_view pattern, std::string_view sep) {
  return {SignedNumber(x, pattern, sep), x, Format(x, pattern, "."), JsonNumber(x)};
}

// The local columns of an eclipse seen from a place.
EventCell LocalCell(const EclipseSeen& seen, EclipseField field, const TimeZone& zone, std::string_view sep) {
  if (!seen.solar && !seen.lunar) return Empty();
  const bool visible = seen.solar ? seen.solar->type.has_value() : seen.lunar->visible;
  if (!visible) return field == EclipseField::LocalType ? Text("none", "none") : Empty();
  if (seen.solar) {
    const LocalSolarEclipse& l = *seen.solar;
    switch (field) {
      case EclipseField::LocalType: return Text(std::string(EclipseTypeKey(*l.type)), std::string(EclipseTypeKey(*l.type)));
      case EclipseField::LocalMaximum: return When(l.Maximum(), zone);
      case EclipseField::LocalMagnitude: return Formatted(l.magnitude, "#0.000", sep);
      case EclipseField::LocalAltitude: return Formatted(l.SunAtMaximum().altitude, "#0.0", sep);
      default: return Empty();
    }
  }
  const auto& e = std::get<LunarEclipse>(seen.event);
  switch (field) {
    case EclipseField::LocalType: return Text(std::string(EclipseTypeKey(e.type)), std::string(EclipseTypeKey(e.type)));
    case EclipseField::LocalMaximum: return When(e.greatest, zone);
    case EclipseField::LocalMagnitude: return Formatted(e.umbralMagnitude, "#0.000", sep);
    case EclipseField::LocalAltitude: return Formatted(seen.lunar->MoonAtGreatest().altitude, "#0.0", sep);
    default: return Empty();
  }
}

}  // namespace

EventCell EclipseCellOf(const EclipseSeen& seen, EclipseField field, const TimeZone& zone, std::string_view separator) {
  const Instant greatest = GreatestOf(seen.event);
  switch (field) {
    case EclipseField::Instant: return When(greatest, zone);
    case EclipseField::Utc: return When(greatest, TimeZone());
    case EclipseField::JulianDay: return Number(greatest.ut);
    case EclipseField::Kind: return Text(std::string(EclipseKindKey(seen.event)), std::string(EclipseKindKey(seen.event)));
    case EclipseField::Type: {
      if (std::holds_alternative<Transit>(seen.event)) {
        EventCell type = Text("transit", "transit");
        type.json = "null";  // a transit has no type of eclipse
        return type;
      }
      const auto* l = std::get_if<LunarEclipse>(&seen.event);
      const std::string type(EclipseTypeKey(l ? l->type : std::get<SolarEclipse>(seen.event).type));
      return Text(type, type);
    }
    case EclipseField::Description:
      return Text(EclipseSummary(seen, ForPeople(separator)), EclipseSummary(seen, ForFiles()));
    case EclipseField::DeltaT:
      return Formatted(std::visit([](const auto& e) { return e.deltaT; }, seen.event), "#0.0", separator);
    case EclipseField::Source: return Text("ERFA", "ERFA");
    case EclipseField::FromPlace: {
      const std::string local = LocalWords(seen, zone, separator);
      return local.empty() ? Empty() : Text(local, local);
    }
    case EclipseField::Count: break;
    default: return LocalCell(seen, field, zone, separator);
  }
  return Empty();
}

std::string EclipseColumnsCsvHeader() { return CsvHeaderOf(EclipseFields); }

std::string EclipseColumnsCsvRow(const EclipseSeen& seen, const TimeZone& zone) {
  return CsvRowOf(EclipseFields, [&](std::size_t k) { return EclipseCellOf(seen, static_cast<EclipseField>(k), zone, "."); });
}

}  // namespace orbitas::report
