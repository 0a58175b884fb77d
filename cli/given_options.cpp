#include "cli/given_options.h"

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
#include "session/names.h"
#include "session/places/home_place.h"
#include "session/places/place_names.h"
#include "session/places/place_text.h"
#include "session/request_refused.h"

namespace orbitas::cli {
namespace {

bool IsOption(const std::string& arg) { return arg.size() > 2 && arg.rfind("--", 0) == 0; }


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
    case OptionId::Size: given.sizeText = Value(args, i), given.size = true; break;
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
    case OptionId::Tour: given.tour = OptionalDate(args, i); break;
    case OptionId::Aperture: given.aperture = Value(args, i); break;
    case OptionId::Objects: given.objects = Value(args, i); break;
    case OptionId::Type: given.types = Value(args, i); break;
    case OptionId::Everything: given.everything = true; break;
    case OptionId::Map: given.map = Value(args, i); break;
    case OptionId::Region: given.region = Value(args, i); break;
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

}  // namespace

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

// The place's own zone unless --zona gave one; for coordinates, the
// nearest city's, said once.
void TakePlaceZone(Given& g) {
  if (!g.parsed.place || g.zone || g.parsed.place->zone.empty()) return;
  g.parsed.zone = ParseZone(g.parsed.place->zone);
  if (!g.zoneNote.empty()) g.parsed.notes.push_back(std::exchange(g.zoneNote, "") + "; otra con --zona");
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

}  // namespace orbitas::cli
