#pragma once
// The Spanish names of what the sky library returns as codes: bodies,
// constellations, the Moon's phases, the points of the compass, and why
// an event did not happen. One table for each kind, shared by the reports
// and the pictures; the JSON keys of the year's events beside them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sky/bodies/body.h"
#include "sky/bodies/moon.h"
#include "sky/eclipses/eclipses.h"
#include "sky/events/phenomena.h"
#include "sky/night/night.h"
#include "sky/night/rise_set.h"
#include "sky/showers/meteor_showers.h"

namespace orbitas {

// "Sol", "Mercurio", ... "Plutón", "Luna".
std::string_view SpanishName(Body body);

// The same with its article, as a sentence names it: "el Sol", "la
// Tierra", "la Luna", "Marte".
std::string NameWithArticle(Body body);

// The Spanish name of a constellation by its IAU abbreviation ("UMa":
// "Osa Mayor"); the abbreviation itself for one that is not among the 88.
std::string_view ConstellationName(std::string_view abbreviation);

// "luna nueva", "creciente", "cuarto creciente", ... "menguante".
std::string_view PhaseName(PhaseCode phase);

// The 16 points of the compass from north through east: "N", "NNE", ...
// "O" (west, oeste), ... "NNO"; point is 0..15.
std::string_view CompassName(int point);

// What did not happen on a day of risings, as the report says it: "no
// sale; no culmina ese día".
std::string DayMissesText(const std::vector<DayMiss>& misses);

// Who reads a text: a person, who reads a negative number with the minus
// sign (U+2212), or a program (CSV, JSON), which parses the hyphen.
enum class TextFor { People, Programs };

// Why a night lacks an event of the Sun: "el Sol no se pone", "el Sol no
// baja de −12°" (for people; "-12°" for programs).
std::string SunMissText(const SunMiss& miss, TextFor reader);

// Why a planet has no visible interval, with the night's limits: "no hay
// noche cerrada", "demasiado cerca del Sol (elongación 13°)", "no sube a
// 10° de noche". Empty when it has one.
std::string PlanetMissText(const PlanetNight& planet, const NightLimits& limits);

// What a planet needs, as the JSON writes it ("ojo", "prismaticos",
// "telescopio") and in words ("a simple vista", "con prismáticos", "con
// telescopio").
std::string_view InstrumentCode(Instrument instrument);
std::string_view InstrumentWords(Instrument instrument);

// The instrument of a code, with or without accents ("prismáticos"); none
// for another text.
std::optional<Instrument> InstrumentOfCode(std::string_view code);

// The instruments' codes as the user types them, in order ("ojo",
// "prismáticos", "telescopio").
std::vector<std::string> InstrumentNames();

// "; ¿quería decir prismáticos?" for a word the user typed instead of an
// instrument: one of its other names ("binoculares", "gemelos",
// "simple vista") or a near misspelling; nothing when none is near.
std::string InstrumentSuggestion(std::string_view typed);

// The sky's darkness as the user types it and the JSON writes it
// ("oscuro", "rural", "suburbano", "urbano", "ciudad"), in words for a
// text ("cielo suburbano (clase 5 de Bortle): a simple vista, estrellas
// hasta la magnitud 5,8", with separator), the class of a code (none for
// another text) and the codes in order. Raise nothing.
std::string_view SkyCode(SkyDarkness sky);
std::string SkyWords(SkyDarkness sky, std::string_view separator);
std::optional<SkyDarkness> SkyOfCode(std::string_view code);
std::vector<std::string> SkyNames();

// An eclipse's type in Spanish, agreeing with "eclipse" ("total",
// "parcial", "penumbral", "anular", "híbrido"), and as JSON writes it
// ("total", "partial", ...).
std::string_view EclipseTypeName(EclipseType type);
std::string_view EclipseTypeKey(EclipseType type);

// A contact as JSON writes it ("P1", ..., "maximum"), as a picture marks
// it ("P1", ..., "Máximo"), and as a table of contacts heads its row,
// with what happens at it ("P1 (penumbra)", "C1 (empieza)", "T4 (sale)").
std::string_view ContactKey(Contact contact);
std::string_view ContactName(Contact contact);
std::string_view ContactCaption(Contact contact);

// A meteor shower's Spanish name by its IMO code ("PER": "Perseidas");
// the code itself for one not in the list.
std::string_view ShowerName(std::string_view code);

// A key for the kind of an event, for programs: "opposition",
// "greatest-eastern", ...
std::string_view PhenomenonKey(PhenomenonKind kind);

}  // namespace orbitas
