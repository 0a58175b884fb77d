#include "session/event_groups.h"

namespace orbitas {

EventGroup GroupOf(const YearEvent& event) {
  if (std::holds_alternative<EclipseSeen>(event)) return EventGroup::Eclipses;
  if (std::holds_alternative<ShowerPeakSeen>(event)) return EventGroup::Showers;
  switch (std::get<Phenomenon>(event).kind) {
    case PhenomenonKind::Opposition:
    case PhenomenonKind::Conjunction:
    case PhenomenonKind::InferiorConjunction:
    case PhenomenonKind::SuperiorConjunction: return EventGroup::SunConjunctions;
    case PhenomenonKind::GreatestEastern:
    case PhenomenonKind::GreatestWestern: return EventGroup::Elongations;
    case PhenomenonKind::RetrogradeBegins:
    case PhenomenonKind::RetrogradeEnds: return EventGroup::Stations;
    case PhenomenonKind::Perihelion:
    case PhenomenonKind::Aphelion: return EventGroup::Apsides;
    case PhenomenonKind::CloseApproach: return EventGroup::Approaches;
    case PhenomenonKind::NewMoon:
    case PhenomenonKind::FirstQuarter:
    case PhenomenonKind::FullMoon:
    case PhenomenonKind::LastQuarter: return EventGroup::MoonPhases;
    case PhenomenonKind::MarchEquinox:
    case PhenomenonKind::JuneSolstice:
    case PhenomenonKind::SeptemberEquinox:
    case PhenomenonKind::DecemberSolstice: return EventGroup::Seasons;
  }
  return EventGroup::SunConjunctions;
}

std::string_view EventGroupName(EventGroup group) {
  static constexpr std::string_view Names[] = {
      "Oposiciones y conjunciones", "Máximas elongaciones", "Puntos estacionarios", "Perihelios y afelios",
      "Acercamientos",              "Fases de la Luna",     "Equinoccios y solsticios", "Eclipses y tránsitos",
      "Lluvias de estrellas"};
  return Names[static_cast<int>(group)];
}

std::vector<Body> BodiesOfEvent(const YearEvent& event) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) {
    if (p->kind == PhenomenonKind::CloseApproach) return {p->body, p->other};
    return {p->body};
  }
  if (const auto* e = std::get_if<EclipseSeen>(&event)) {
    if (const auto* t = std::get_if<Transit>(&e->event)) return {t->body, Body::Sun};
    return {Body::Sun, Body::Moon};
  }
  return {};
}

}  // namespace orbitas
