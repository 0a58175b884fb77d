#include "report/phenomena_output.h"

#include <cmath>

#include "session/names.h"
#include "calendar/civil_days.h"
#include "calendar/civil_time.h"
#include "report/event_columns.h"
#include "report/method_beside.h"
#include "report/json.h"
#include "report/text_layout.h"
#include "runtime/number_text.h"
#include "runtime/shortest_text.h"

namespace orbitas::report {
namespace {

std::string Name(Body body) { return NameWithArticle(body); }

std::string Capitalized(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

std::string Value(const Phenomenon& p, const Numerals& number) {
  if (!p.value) return "";
  switch (p.unit) {
    case PhenomenonUnit::Degrees: return number(*p.value, "#0.0") + "°";
    case PhenomenonUnit::AstronomicalUnits: return number(*p.value, "#0.0000") + " UA";
    case PhenomenonUnit::Magnitude: return "magnitud " + number(*p.value, "#0.0");
    case PhenomenonUnit::None: break;
  }
  return "";
}

}  // namespace

std::string_view UnitKey(PhenomenonUnit unit) {
  switch (unit) {
    case PhenomenonUnit::Degrees: return "degrees";
    case PhenomenonUnit::AstronomicalUnits: return "au";
    case PhenomenonUnit::Magnitude: return "magnitude";
    case PhenomenonUnit::None: break;
  }
  return "";
}

std::optional<double> ErrorSeconds(const Phenomenon& p) {
  if (!p.referenceTime) return std::nullopt;
  return std::round((p.time - p.referenceTime->ut) * SecondsPerDay);
}

std::string PhenomenonDescription(const Phenomenon& p, const Numerals& numbers) {
  const std::string name = Capitalized(Name(p.body)), value = Value(p, numbers);
  switch (p.kind) {
    case PhenomenonKind::Opposition: return name + " en oposición (" + value + ")";
    case PhenomenonKind::Conjunction: return name + " en conjunción con el Sol (a " + value + ")";
    case PhenomenonKind::InferiorConjunction: return name + " en conjunción inferior (a " + value + " del Sol)";
    case PhenomenonKind::SuperiorConjunction: return name + " en conjunción superior (a " + value + " del Sol)";
    case PhenomenonKind::GreatestEastern: return name + " en su máxima elongación oriental, vespertina (" + value + ")";
    case PhenomenonKind::GreatestWestern: return name + " en su máxima elongación occidental, matutina (" + value + ")";
    case PhenomenonKind::RetrogradeBegins: return name + " estacionario: empieza a retroceder (a " + value + " del Sol)";
    case PhenomenonKind::RetrogradeEnds: return name + " estacionario: vuelve a avanzar (a " + value + " del Sol)";
    case PhenomenonKind::Perihelion: return name + " en el perihelio (" + value + ")";
    case PhenomenonKind::Aphelion: return name + " en el afelio (" + value + ")";
    case PhenomenonKind::CloseApproach: return name + " a " + value + " de " + Name(p.other);
    case PhenomenonKind::NewMoon: return "Luna nueva";
    case PhenomenonKind::FirstQuarter: return "Cuarto creciente";
    case PhenomenonKind::FullMoon: return "Luna llena";
    case PhenomenonKind::LastQuarter: return "Cuarto menguante";
    case PhenomenonKind::MarchEquinox: return "Equinoccio de marzo";
    case PhenomenonKind::JuneSolstice: return "Solsticio de junio";
    case PhenomenonKind::SeptemberEquinox: return "Equinoccio de septiembre";
    case PhenomenonKind::DecemberSolstice: return "Solsticio de diciembre";
  }
  return name;
}

std::string TimeErrorText(const Phenomenon& p, const Numerals& number) {
  const std::optional<double> seconds = ErrorSeconds(p);
  if (!seconds) {
    if (p.referenceMiss) return "en la referencia no bajan de " + number(*p.referenceMiss, "#0.0") + "°";
    const bool hasReference =
        HasReference(p.body) && (p.kind != PhenomenonKind::CloseApproach || HasReference(p.other));
    return hasReference ? "la referencia no lo tiene cerca" : "sin referencia";
  }
  const double minutes = *seconds / 60;
  const std::string sign(*seconds < 0 ? number.Minus() : "+");
  if (std::fabs(minutes) < 90) return "error " + sign + number(std::fabs(minutes), "#0.0") + " min";
  if (std::fabs(minutes) < 48 * 60) return "error " + sign + number(std::fabs(minutes) / 60, "#0.0") + " h";
  return "error " + sign + number(std::fabs(minutes) / 1440, "#0.0") + " días";
}

std::string PhenomenonLine(const Phenomenon& p, const TimeZone& zone, std::string_view sep, bool withMethod) {
  // The year list's columns, as people read them.
  const YearEvent event{p};
  const auto text = [&](EventField field) { return EventCellOf(event, field, zone, sep).text; };
  std::string line = text(EventField::Instant) + "  " + text(EventField::Description);
  if (withMethod && p.referenceTime) {
    line += "  (según el método de Kepler: " + text(EventField::MethodInstant) + ", " +
            DifferenceWords(MethodInstant(p).DaysSince(*p.referenceTime) * MinutesPerDay, sep) + ")";
  } else if (withMethod) {
    line += "  (solo según el método de Kepler)";
  }
  return line + "\n";
}

std::string PhenomenonBodies(const Phenomenon& p) {
  std::string bodies(SpanishName(p.body));
  if (p.kind == PhenomenonKind::CloseApproach) bodies += ", " + std::string(SpanishName(p.other));
  return bodies;
}

std::string PhenomenonCsvHeader() { return EventCsvHeader(); }

std::string PhenomenonCsvRow(const Phenomenon& p, const TimeZone& zone) { return EventCsvRow(YearEvent{p}, zone); }

std::string PhenomenonJson(const Phenomenon& p, const TimeZone& zone) {
  // The method's answer beside the event's, as the nights carry theirs:
  // its instant and how far it is (minutes, the method's less the listed).
  std::string json = EventFieldsJson(YearEvent{p}, zone);
  const std::string difference =
      p.referenceTime ? JsonNumber(MethodInstant(p).DaysSince(*p.referenceTime) * MinutesPerDay) : "null";
  json.erase(json.size() - 2);  // "}\n"
  return json + ", \"method\": {\"instant\": " + JsonString(zone.LocalIso(MethodInstant(p))) +
         ", \"difference\": " + difference + "}}\n";
}

}  // namespace orbitas::report
