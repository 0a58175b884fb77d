#pragma once
// The kinds of the year's events as a list is filtered by them, with their
// Spanish names, and the bodies each event is about.
#include <array>
#include <string_view>
#include <vector>

#include "session/runners.h"

namespace orbitas {

enum class EventGroup {
  SunConjunctions,  // oppositions and conjunctions with the Sun
  Elongations,      // greatest elongations
  Stations,         // stationary points
  Apsides,          // perihelia and aphelia
  Approaches,       // close approaches
  MoonPhases,
  Seasons,          // equinoxes and solstices
  Eclipses,         // eclipses and transits
  Showers,          // meteor showers' peaks
};
inline constexpr std::array<EventGroup, 9> EventGroups = {
    EventGroup::SunConjunctions, EventGroup::Elongations, EventGroup::Stations, EventGroup::Apsides,
    EventGroup::Approaches,      EventGroup::MoonPhases,  EventGroup::Seasons,  EventGroup::Eclipses,
    EventGroup::Showers};

// The group of an event. Raises nothing.
EventGroup GroupOf(const YearEvent& event);

// "Oposiciones y conjunciones", ...: the group's name in a list's filter.
std::string_view EventGroupName(EventGroup group);

// The bodies an event is about: the planet, the pair of an approach, the
// Sun and the Moon of an eclipse, the planet and the Sun of a transit;
// none for a shower.
std::vector<Body> BodiesOfEvent(const YearEvent& event);

}  // namespace orbitas
