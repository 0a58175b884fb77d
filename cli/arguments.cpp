#include "cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <tuple>
#include <utility>

#include "cli/command_options.h"
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

bool IsOption(const std::string& arg) { return arg.size() > 2 && arg.rfind("--", 0) == 0; }

std::vector<Int16> ParseBodies(const std::vector<std::string>& names) {
  std::vector<Int16> bodies;
  for (const std::string& name : names) {
    if (Blank(name)) throw UsageError("el nombre de un planeta está vacío");
    if (NamesTheEarth(name)) {
      throw UsageError("la Tierra no es un planeta que se pueda elegir: " + Shown(name));
    }
    const std::optional<Int16> body = ParsePlanet(name);
    if (!body) throw UsageError("planeta desconocido: " + Shown(name));
    bodies.push_back(*body);
  }
  // None named: every planet, in the method's order.
  if (bodies.empty()) {
    for (const Body planet : AllPlanets) bodies.push_back(BodyNumber(planet));
  }
  return bodies;
}

// The value after the option at i, not blank; i moves on to it.
const std::string& Value(const std::vector<std::string>& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError("falta el valor de " + Shown(args[i]));
  if (Blank(args[i + 1])) throw UsageError("el valor de " + Shown(args[i]) + " está vacío");
  return args[++i];
}

// The value after an option whose date may be left out: the next argument
// unless it is another option or a planet (then "ahora": the night in
// progress, or today's for --ortos). A bad
// date is taken, to be refused as one.
std::string OptionalDate(const std::vector<std::string>& args, std::size_t& i) {
  if (i + 1 >= args.size()) return "ahora";
  const std::string& next = args[i + 1];
  if (IsOption(next) || ParsePlanet(next) || NamesTheEarth(next) || Folded(next) == "sol" || Folded(next) == "luna") {
    return "ahora";
  }
  return args[++i];
}

// What the command line gave, before the command is chosen.
struct Given {
  Arguments parsed;
  bool julianDay = false, explain = false, format = false, size = false, phenomena = false, finished = false;
  bool zone = false, eclipses = false, almanac = false;
  std::optional<std::string> eclipse, sizeText;
  std::optional<std::string> from, to, step, riseSet, night, planetLimit, sunLimit, separation, savePlace, instrument, magnitudeLimit, chart, field, year;
  std::optional<std::string> sky, homeSky;  // --cielo, and the sky saved with the home place
  std::vector<std::string> positional;
  std::vector<const OptionSpec*> seen;  // the options given, each once
  std::string zoneNote;                 // how coordinates got their zone, said when --zona does not give one
};

// The place's own zone unless --zona gave one; for coordinates, the
// nearest city's, said once.
void TakePlaceZone(Given& g) {
  if (!g.parsed.place || g.zone || g.parsed.place->zone.empty()) return;
  g.parsed.zone = ParseZone(g.parsed.place->zone);
  if (!g.zoneNote.empty()) g.parsed.notes.push_back(std::exchange(g.zoneNote, "") + "; otra con --zona");
}

// One option (and its value) into given.
void TakeOption(const OptionSpec& option, const std::vector<std::string>& args, std::size_t& i, Given& given) {
  Arguments& parsed = given.parsed;
  switch (option.id) {
    case OptionId::Help: parsed.command = Command::Help, given.finished = true; break;
    case OptionId::Version: parsed.command = Command::Version, given.finished = true; break;
    case OptionId::Json: parsed.json = true; break;
    case OptionId::Method: parsed.method = true; break;
    case OptionId::From: given.from = Value(args, i); break;
    case OptionId::To: given.to = Value(args, i); break;
    case OptionId::Step: given.step = Value(args, i); break;
    case OptionId::Format:
      parsed.format = ParseFormat(Value(args, i));
      given.format = true;
      break;
    case OptionId::Picture:
      parsed.picture.path = Value(args, i);
      if (parsed.picture.path.empty()) throw UsageError("falta el nombre del fichero tras --dibujo");
      parsed.picture.format = PictureFormatOf(parsed.picture.path);
      break;
    case OptionId::Size:
      given.sizeText = Value(args, i);
      given.size = true;
      break;
    case OptionId::Place: parsed.place = PlaceNamed(Value(args, i), parsed.notes, &given.zoneNote); break;
    case OptionId::SavePlace: given.savePlace = Value(args, i); break;
    case OptionId::Instrument: given.instrument = Value(args, i); break;
    case OptionId::Sky: given.sky = Value(args, i); break;
    case OptionId::MagnitudeLimit: given.magnitudeLimit = Value(args, i); break;
    case OptionId::Chart:
      if (i + 1 >= args.size() || IsOption(args[i + 1])) throw UsageError("--carta necesita un PLANETA y una FECHA");
      given.chart = args[++i];
      break;
    case OptionId::Field: given.field = Value(args, i); break;
    case OptionId::Year: given.year = Value(args, i); break;
    case OptionId::Almanac: given.almanac = true; break;
    case OptionId::Eclipses: given.eclipses = true; break;
    case OptionId::Eclipse: given.eclipse = Value(args, i); break;
    case OptionId::Zone:
      parsed.zone = ParseZone(Value(args, i));
      given.zone = true;
      break;
    case OptionId::RiseSet: given.riseSet = OptionalDate(args, i); break;
    case OptionId::Night: given.night = OptionalDate(args, i); break;
    case OptionId::PlanetLimit: given.planetLimit = Value(args, i); break;
    case OptionId::SunLimit: given.sunLimit = Value(args, i); break;
    case OptionId::Phenomena: given.phenomena = true; break;
    case OptionId::Separation: given.separation = Value(args, i); break;
    case OptionId::Explain: given.explain = true; break;
    case OptionId::JulianDay:
      if (i + 1 >= args.size()) throw UsageError("falta el día juliano tras --jd");
      if (Blank(args[i + 1])) throw UsageError("el día juliano de --jd está vacío");
      parsed.julianDay = WholeNumber(args[++i], "el día juliano de --jd");
      given.julianDay = true;
      break;
  }
}

// Every option and positional value, until --help or --version.
Given Collect(const std::vector<std::string>& args) {
  Given given;
  for (std::size_t i = 0; i < args.size() && !given.finished; ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      given.positional.insert(given.positional.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    }
    const OptionSpec* option = IsOption(arg) || arg == "-h" ? FindOption(arg) : nullptr;
    if (option) {
      // An option given twice would leave one of its values unused.
      for (const OptionSpec* before : given.seen) {
        if (before == option) throw UsageError(std::string(option->name) + " aparece más de una vez");
      }
      given.seen.push_back(option);
      TakeOption(*option, args, i, given);
    } else if (IsOption(arg)) {
      throw UsageError("opción desconocida: " + Shown(arg) + Suggestion(arg, OptionNames()));
    } else {
      given.positional.push_back(arg);
    }
  }
  return given;
}

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
  } else if (pdf) {
    std::tie(picture.width, picture.height) = *PaperSize("A4", true);
  }
  if (g.explain && !g.parsed.picture.path.empty()) throw UsageError("--dibujo no se combina con --explicar");
  if ((g.planetLimit || g.sunLimit) && !g.night) {
    throw UsageError("--altura-minima y --altura-sol solo se usan con --noche");
  }
  if (g.separation && !g.phenomena) throw UsageError("--separación solo se usa con --fenomenos");
  if (g.instrument && !g.night) throw UsageError("--instrumento solo se usa con --noche");
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
