#include "cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <tuple>
#include <utility>

#include "cli/command_options.h"
#include "cli/given_options.h"
#include "cli/option_table.h"
#include "cli/place_arguments.h"
#include "cli/planet_names.h"
#include "cli/typed_values.h"
#include "session/deep_sky_words.h"
#include "session/names.h"
#include "session/places/home_place.h"
#include "session/places/place_names.h"
#include "session/places/place_text.h"
#include "session/request_refused.h"

namespace orbitas::cli {

namespace {

Arguments Phenomena(Given& g) {
  Arguments& parsed = g.parsed;
  // Without a span, the rest of this year.
  if (!g.from != !g.to) throw UsageError("--fenomenos lleva --desde y --hasta, o ninguno (el resto de este año)");
  if (g.step || g.julianDay || g.explain || g.riseSet || g.night || !parsed.picture.path.empty()) {
    throw UsageError("--fenomenos no se combina con --paso, --jd, --explicar, --ortos, --noche ni --dibujo");
  }
  // A place gives each shower's peak the best hour of its night there, in
  // the place's zone unless --zona says otherwise.
  TakePlaceZone(g);
  parsed.command = Command::Phenomena;
  if (g.from) {
    parsed.table.start = ReferenceBound(*g.from, parsed.zone);
    parsed.table.end = ReferenceBound(*g.to, parsed.zone);
  } else {
    parsed.table.start = TableInstant{Today(parsed.zone), 0};
    CivilTime newYear;
    newYear.year = parsed.table.start.civil->year + 1;
    parsed.table.end = TableInstant{newYear, 0};
  }
  parsed.table.zone = parsed.zone;
  if (g.separation) parsed.approachLimit = ParseSeparation(*g.separation);
  if (parsed.json) parsed.format = OutputFormat::Json;
  parsed.namedPlanets = !g.positional.empty();
  // The Moon is named like a planet: its phases and its approaches.
  std::vector<std::string> planets;
  for (const std::string& name : g.positional) {
    if (Folded(name) == "luna") parsed.moonPhenomena = true;
    else planets.push_back(name);
  }
  // The Moon alone is the Moon alone: no planet's events.
  parsed.bodies = parsed.moonPhenomena && planets.empty() ? std::vector<Int16>{} : ParseBodies(planets);
  return parsed;
}

// The place of a command that needs one: --lugar, else the home place,
// and its zone unless --zona gave one.
void NeedPlace(Given& g, std::string_view option) {
  Arguments& parsed = g.parsed;
  if (!parsed.place) {
    // A home file that cannot be read is refused as it is (RequestRefused),
    // with its path and why: no usage text would help.
    const std::optional<HomePlace> home = ReadHomePlace(HomePath());
    if (!home) {
      throw UsageError(std::string(option) + " necesita --lugar LUGAR (o un lugar de casa guardado con --guardar-lugar)");
    }
    parsed.place = home->place;
    if (!home->sky.empty()) g.homeSky = home->sky;
    if (home->repairedText) parsed.notes.push_back(RepairedHomeNote(HomePath()));
  }
  TakePlaceZone(g);
}

Arguments Night(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.riseSet) throw UsageError("--noche no se combina con --ortos");
  if (g.step || g.julianDay || g.explain) throw UsageError("--noche no se combina con --paso, --jd ni --explicar");
  NeedPlace(g, "--noche");
  parsed.command = Command::Night;
  if (g.from || g.to) {
    // Many nights: --noche --desde FECHA --hasta FECHA, a line each.
    if (!g.from || !g.to || *g.night != "ahora") {
      throw UsageError("--noche con --desde y --hasta (las dos, y sin otra fecha) da una línea por noche");
    }
    parsed.command = Command::Nights;
    parsed.table.start = TableInstant{LocalDate(*g.from, "--desde"), 0};
    parsed.table.end = TableInstant{LocalDate(*g.to, "--hasta"), 0};
    RequireReferenceSpan(parsed.table.start, *g.from);
    RequireReferenceSpan(parsed.table.end, *g.to);
    parsed.localDate = *parsed.table.start.civil;
    if (parsed.json) parsed.format = OutputFormat::Json;
  } else {
    parsed.localDate = DateOrToday(*g.night, parsed.zone, "--noche");
    RequireReferenceSpan(TableInstant{parsed.localDate, 0}, *g.night);
  }
  if (g.planetLimit) parsed.limits.planetAltitude = ParseAltitude(*g.planetLimit, "--altura-minima");
  if (g.sunLimit) parsed.limits.sunAltitude = ParseAltitude(*g.sunLimit, "--altura-sol");
  if (g.instrument) parsed.limits.instrument = ParseInstrument(*g.instrument);
  parsed.bodies = ParseBodies(g.positional);
  return parsed;
}

// --recorrido [FECHA]: tonight's tour, with its objects and instrument.
Arguments Tour(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.night || g.riseSet) throw UsageError("--recorrido no se combina con --noche ni --ortos");
  if (g.from || g.to || g.step || g.julianDay || g.explain) {
    throw UsageError("--recorrido es una noche: no se combina con --desde, --hasta, --paso, --jd ni --explicar");
  }
  if (g.format && parsed.format != OutputFormat::Text && parsed.format != OutputFormat::Csv &&
      parsed.format != OutputFormat::Json) {
    throw UsageError("--recorrido se escribe como texto, csv o json, no " + std::string(FormatName(parsed.format)));
  }
  NeedPlace(g, "--recorrido");
  parsed.command = Command::Tour;
  parsed.localDate = DateOrToday(*g.tour, parsed.zone, "--recorrido");
  RequireReferenceSpan(TableInstant{parsed.localDate, 0}, *g.tour);
  TourChoice& tour = parsed.tour;
  tour.conditions.instrument = g.instrument ? ParseInstrument(*g.instrument) : Instrument::Eye;
  if (g.aperture) {
    if (tour.conditions.instrument != Instrument::Telescope)
      throw UsageError("--apertura es la de un telescopio: va con --instrumento telescopio");
    tour.conditions.aperture = ParseAperture(*g.aperture);
  }
  if (g.objects) tour.catalogue = ParseTourCatalogue(*g.objects);
  if (g.types) tour.types = ParseDeepSkyTypes(*g.types);
  tour.withUnseen = g.everything;
  // The planets are always the tour's: every one the eye or the instrument may show.
  if (!g.positional.empty()) throw UsageError("--recorrido no lleva planetas: " + Shown(g.positional.front()));
  parsed.bodies = ParseBodies({});
  return parsed;
}

// --mapa FECHA: the first eclipse from FECHA on the map.
Arguments Map(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.eclipse || g.eclipses || g.night || g.riseSet || g.tour || g.from || g.to || g.step || g.julianDay ||
      !g.positional.empty()) {
    throw UsageError("--mapa FECHA solo se combina con --lugar, --zona, --formato, --dibujo y --region");
  }
  if (g.format && parsed.format != OutputFormat::Text && parsed.format != OutputFormat::GeoJson &&
      parsed.format != OutputFormat::Kml) {
    throw UsageError("--mapa se escribe como texto, geojson o kml, no " + std::string(FormatName(parsed.format)));
  }
  if (g.region && parsed.picture.path.empty()) throw UsageError("--region es la del dibujo: va con --dibujo");
  if (g.region) parsed.mapRegion = ParseMapRegion(*g.region);
  parsed.command = Command::Map;
  parsed.table.start = ReferenceBound(*g.map, parsed.zone);
  return parsed;
}

Arguments RiseSet(Given& g) {
  Arguments& parsed = g.parsed;
  DateOrToday(*g.riseSet, parsed.zone, "--ortos");  // a bad date first
  if (g.from || g.to || g.step || g.julianDay || g.explain || !parsed.picture.path.empty()) {
    throw UsageError("--ortos no se combina con --desde, --jd, --explicar ni --dibujo");
  }
  NeedPlace(g, "--ortos");
  parsed.command = Command::RiseSet;
  parsed.localDate = DateOrToday(*g.riseSet, parsed.zone, "--ortos");
  // The Sun and the Moon rise and set too.
  std::vector<std::string> planets;
  std::vector<Int16> sunAndMoon;
  for (const std::string& name : g.positional) {
    if (Folded(name) == "sol") sunAndMoon.push_back(0);
    else if (Folded(name) == "luna") sunAndMoon.push_back(10);
    else planets.push_back(name);
  }
  parsed.bodies = sunAndMoon;
  if (!planets.empty() || sunAndMoon.empty()) {
    const std::vector<Int16> named = ParseBodies(planets);
    parsed.bodies.insert(parsed.bodies.end(), named.begin(), named.end());
  }
  return parsed;
}

// --guardar-lugar LUGAR [--zona ZONA]: the place and the zone to save.
Arguments SavePlace(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.from || g.to || g.step || g.julianDay || g.explain || g.riseSet || g.night || g.phenomena || parsed.place ||
      !parsed.picture.path.empty() || !g.positional.empty()) {
    throw UsageError("--guardar-lugar solo se combina con --zona y --cielo");
  }
  parsed.command = Command::SavePlace;
  parsed.place = PlaceNamed(*g.savePlace, parsed.notes, &g.zoneNote);
  parsed.savedZone = g.zone ? parsed.zone.name() : parsed.place->zone;
  if (!g.zone && !g.zoneNote.empty()) parsed.notes.push_back(g.zoneNote + "; otra con --zona");
  parsed.homePath = HomePath();
  return parsed;
}

// --carta PLANETA|OBJETO FECHA [--campo GRADOS] --dibujo FICHERO; OBJETO: "M31", "NGC 869", "C14".
Arguments Chart(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.from || g.to || g.step || g.julianDay || g.explain || g.riseSet || g.night || g.phenomena || g.format) {
    throw UsageError("--carta solo se combina con --lugar, --zona, --campo, --dibujo y --tamaño");
  }
  if (g.positional.size() != 1) throw UsageError("--carta necesita un PLANETA y una FECHA");
  const std::string& name = *g.chart;
  const bool planet = Blank(name) || NamesTheEarth(name) || ParsePlanet(name);
  if (!planet && !DeepSkyObjectCalled(name)) throw UsageError("--carta no conoce ese planeta ni ese objeto de cielo profundo: " + Shown(name));
  if (planet) parsed.bodies = ParseBodies({name});
  else parsed.deepSky = {name};
  if (parsed.picture.path.empty()) throw UsageError("--carta necesita --dibujo FICHERO (.svg, .png o .pdf)");
  parsed.command = Command::Chart;
  parsed.table.start = ParseBoundIn(g.positional.front(), parsed.zone);
  if (g.field) parsed.chartField = ParseChartField(*g.field);
  return parsed;
}

// --año AÑO [--lugar LUGAR] --dibujo FICHERO: the year at a glance.
Arguments Year(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.from || g.to || g.step || g.julianDay || g.explain || g.riseSet || g.night || g.phenomena || g.eclipses ||
      g.eclipse || g.chart || !g.positional.empty()) {
    throw UsageError("--año solo se combina con --lugar, --zona, --dibujo, --tamaño y --formato csv|json");
  }
  // Its picture, or its numbers for other programs.
  if (parsed.json) parsed.format = OutputFormat::Json;
  const bool numbers = g.format || parsed.json;
  if (numbers && parsed.format != OutputFormat::Csv && parsed.format != OutputFormat::Json) {
    throw UsageError("--año da sus números con --formato csv o json, y su dibujo con --dibujo");
  }
  if (numbers && (!parsed.picture.path.empty() || g.almanac)) {
    throw UsageError("--año da o su dibujo (--dibujo, --almanaque) o sus números (--formato csv|json), no ambos");
  }
  if (!numbers && parsed.picture.path.empty()) {
    throw UsageError("--año necesita --dibujo FICHERO (.svg, .png o .pdf), o --formato csv|json para sus números");
  }
  const std::string& text = *g.year;
  const bool digits = !text.empty() && text.size() <= 4 && text.find_first_not_of("0123456789") == std::string::npos;
  const int year = digits ? std::stoi(text) : 0;
  if (year < 1000 || year > 3000) {
    throw UsageError("año no válido para --año: «" + Shown(text) + "» (un año de 1000 a 3000, como 2027)");
  }
  if (g.almanac && parsed.picture.format != pictures::PictureFormat::Pdf) {
    throw UsageError("--almanaque necesita un PDF (--dibujo FICHERO.pdf): las páginas de los meses van tras la del año");
  }
  NeedPlace(g, "--año");
  parsed.command = Command::Year;
  parsed.almanac = g.almanac;
  parsed.year = year;
  return parsed;
}

// --eclipses --desde --hasta, or --eclipse FECHA.
Arguments Eclipses(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.eclipses && g.eclipse) throw UsageError("--eclipses y --eclipse no se combinan");
  if (g.step || g.julianDay || g.explain || g.riseSet || g.night || g.phenomena || !g.positional.empty()) {
    throw UsageError("--eclipses y --eclipse solo se combinan con --desde, --hasta, --lugar, --zona, --formato, --json y "
                     "--dibujo");
  }
  if (g.eclipses && !parsed.picture.path.empty()) throw UsageError("--dibujo se usa con --eclipse FECHA, no con --eclipses");
  if (g.eclipse) {
    if (g.from || g.to) throw UsageError("--eclipse FECHA no lleva --desde ni --hasta");
    parsed.command = Command::Eclipse;
    parsed.table.start = ReferenceBound(*g.eclipse, parsed.zone);
    return parsed;
  }
  parsed.command = Command::Eclipses;
  // Without a span, the next ten years from today.
  parsed.table.start = g.from ? ReferenceBound(*g.from, parsed.zone) : TableInstant{Today(parsed.zone), 0};
  if (g.to) {
    parsed.table.end = ReferenceBound(*g.to, parsed.zone);
  } else {
    CivilTime end = parsed.table.start.civil ? *parsed.table.start.civil : CivilFromJulianDay(parsed.table.start.julianDay);
    end.year += 10;
    if (ClampToReferenceSpan(end)) {
      parsed.notes.push_back("sin --hasta, los eclipses llegan hasta el final del año 3000, donde acaba el alcance "
                             "de la referencia (" + std::string(ReferenceSpanText) + ")");
    }
    parsed.table.end = TableInstant{end, 0};
  }
  if (parsed.json) parsed.format = OutputFormat::Json;
  return parsed;
}

Arguments Table(Given& g) {
  Arguments& parsed = g.parsed;
  if (!g.from || !g.to || !g.step) throw UsageError("una tabla necesita --desde, --hasta y --paso");
  if (g.julianDay || g.explain) throw UsageError("--desde no se combina con --jd ni --explicar");
  parsed.command = Command::Table;
  parsed.table.start = ParseBoundIn(*g.from, parsed.zone);
  parsed.table.end = ParseBoundIn(*g.to, parsed.zone);
  const std::optional<double> seconds = ParseStepSeconds(*g.step);
  if (!seconds) throw UsageError("paso no válido: " + Shown(*g.step) + " (un número positivo con d, h, m o s)");
  parsed.table.stepSeconds = *seconds;
  parsed.tableFormat = parsed.json ? report::TableFormat::Json : TableFormatOf(parsed.format);
  parsed.table.place = parsed.place;
  parsed.table.zone = parsed.zone;
  parsed.table.bodies = ParseBodies(g.positional);
  return parsed;
}

// A single instant (or its explanation): the six values, unless --jd, then
// the planets.
Arguments Instant(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.format) {
    throw UsageError("--formato no se usa con un instante: sí con las tablas (--desde, --hasta, --paso), --noche, "
                     "--ortos, --fenomenos, --eclipses y --eclipse");
  }
  std::vector<std::string> names = g.positional;
  if (!g.julianDay) {
    if (g.positional.size() < 6) {
      throw UsageError("faltan valores: se esperan año, mes, día, hora, minuto y segundo");
    }
    static constexpr const char* Names[6] = {"el año", "el mes", "el día", "la hora", "el minuto", "el segundo"};
    DateTexts date;
    for (std::size_t k = 0; k < 6; ++k) {
      // The window reads an empty field as 0; a command line's empty value
      // is an unset variable, not a zero.
      if (Blank(g.positional[k])) throw UsageError(std::string(Names[k]) + " está vacío: se espera un número");
      date[k] = WholeNumber(g.positional[k], Names[k]);
    }
    parsed.date = date;
    RequireSixValuesOnce(date, parsed.zone);
    names.erase(names.begin(), names.begin() + 6);
  }
  if (g.explain) {
    if (names.size() != 1) throw UsageError("--explicar necesita exactamente un planeta");
    parsed.command = Command::Explain;
  }
  parsed.bodies = ParseBodies(names);
  return parsed;
}

}  // namespace

namespace {

// The command the options and values of g ask for, each checked as its
// own builder checks it.
Arguments ChooseCommand(Given& g) {
  if (g.size && g.parsed.picture.path.empty()) throw UsageError("--tamaño solo se usa con --dibujo");
  // A PDF is a page a printer takes: A4, landscape, unless --tamaño says.
  pictures::PictureRequest& picture = g.parsed.picture;
  const bool pdf = picture.format == pictures::PictureFormat::Pdf;
  if (g.sizeText) {
    const auto paper = PaperSize(*g.sizeText, pdf);
    std::tie(picture.width, picture.height) = paper ? *paper : ParsePictureSize(*g.sizeText);
    picture.sizeGiven = true;
  } else if (pdf) {
    std::tie(picture.width, picture.height) = *PaperSize("A4", true);
  }
  if (g.explain && !g.parsed.picture.path.empty()) throw UsageError("--dibujo no se combina con --explicar");
  if ((g.planetLimit || g.sunLimit) && !g.night) {
    throw UsageError("--altura-minima y --altura-sol solo se usan con --noche");
  }
  if (g.separation && !g.phenomena) throw UsageError("--separación solo se usa con --fenomenos");
  if (g.instrument && !g.night && !g.tour) throw UsageError("--instrumento solo se usa con --noche o --recorrido");
  if ((g.aperture || g.objects || g.types || g.everything) && !g.tour) {
    throw UsageError("--apertura, --objetos, --tipo y --todos solo se usan con --recorrido");
  }
  // --json is --formato json: another format beside it is one of the two unused.
  if (g.parsed.json && g.format && g.parsed.format != OutputFormat::Json) {
    throw UsageError("--json y --formato " + std::string(FormatName(g.parsed.format)) + " no se combinan");
  }
  // The night, the risings and one eclipse are written as text or JSON.
  if (g.format && g.parsed.format != OutputFormat::Text && g.parsed.format != OutputFormat::Json &&
      !(g.night && g.parsed.format == OutputFormat::Csv && g.from) && (g.night || g.riseSet || g.eclipse)) {
    const char* command = g.night ? "--noche" : g.riseSet ? "--ortos" : "--eclipse";
    throw UsageError(std::string(command) + " se escribe como texto o json, no " +
                     std::string(FormatName(g.parsed.format)) + " (--formato" +
                     (g.night ? "; csv con --noche --desde --hasta, una línea por noche" : "") + ")");
  }
  if (g.magnitudeLimit) {
    if (g.parsed.picture.path.empty() || !g.parsed.place || g.night || g.riseSet || g.phenomena || g.eclipses ||
        g.eclipse || g.from || g.to || g.step) {
      throw UsageError("--magnitud-limite solo se usa con un instante, --lugar y --dibujo");
    }
    g.parsed.magnitudeLimit = ParseMagnitudeLimit(*g.magnitudeLimit);
  }
  if (g.savePlace) return SavePlace(g);
  TakePlaceZone(g);
  if (g.field && !g.chart) throw UsageError("--campo solo se usa con --carta");
  if (g.chart) return Chart(g);
  if (g.almanac && !g.year) throw UsageError("--almanaque solo se usa con --año");
  if (g.year) return Year(g);
  if (g.eclipses || g.eclipse) return Eclipses(g);
  if (g.phenomena) return Phenomena(g);
  if ((g.parsed.format == OutputFormat::GeoJson || g.parsed.format == OutputFormat::Kml) && !g.map) {
    throw UsageError("--formato geojson y kml solo se usan con --mapa");
  }
  if (g.map) return Map(g);
  if (g.tour) return Tour(g);
  if (g.night) return Night(g);
  if (g.riseSet) return RiseSet(g);
  if (g.explain && g.parsed.place) throw UsageError("--lugar no se combina con --explicar");
  if (g.from || g.to || g.step) return Table(g);
  return Instant(g);
}

}  // namespace

Arguments ParseArguments(const std::vector<std::string>& args) {
  Given g = Collect(args);
  if (g.finished) return g.parsed;
  Arguments parsed = ChooseCommand(g);
  RequireOptionsOf(parsed.command, g.seen, g.julianDay, parsed.place.has_value(), !parsed.picture.path.empty());
  // The sky's darkness: --cielo, else the one saved with the home place.
  if (g.sky) parsed.limits.sky = ParseSky(*g.sky), parsed.savedSky = std::string(SkyCode(parsed.limits.sky));
  else if (g.homeSky) parsed.limits.sky = SkyOfCode(*g.homeSky).value_or(SkyDarkness::Rural);
  return parsed;
}

}  // namespace orbitas::cli
