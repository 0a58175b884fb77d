#include "cli/arguments.h"

#include <tuple>

#include "runtime/number_text.h"
#include "cli/option_table.h"
#include "cli/planet_names.h"
#include "cli/typed_values.h"

namespace orbitas::cli {

const char* const ShortUsageText =
    "Uso:\n"
    "  orbitas-cli AÑO MES DÍA HORA MINUTO SEGUNDO [PLANETA...] [--json]\n"
    "  orbitas-cli --jd DÍA_JULIANO [PLANETA...] [--json]\n"
    "  orbitas-cli --desde INICIO --hasta FIN --paso PASO [PLANETA...] [--formato texto|csv|json]\n"
    "  orbitas-cli --explicar AÑO MES DÍA HORA MINUTO SEGUNDO PLANETA\n"
    "  orbitas-cli --ortos FECHA --lugar LAT,LON [--zona ZONA] [PLANETA...] [--json]\n"
    "  orbitas-cli --noche FECHA --lugar LAT,LON [--zona ZONA] [PLANETA...] [--json]\n"
    "  orbitas-cli --fenomenos --desde INICIO --hasta FIN [PLANETA...] [--formato texto|csv|json|ics]\n"
    "  ... [--lugar LAT,LON] [--zona ZONA] [--dibujo FICHERO.svg|.png|.pdf [--tamaño ANCHOxALTO]]\n"
    "Más ayuda: orbitas-cli --help\n";

const char* const UsageForms =
    "Uso:\n"
    "  orbitas-cli AÑO MES DÍA HORA MINUTO SEGUNDO [PLANETA...] [--json]\n"
    "  orbitas-cli --jd DÍA_JULIANO [PLANETA...] [--json]\n"
    "  orbitas-cli --desde INICIO --hasta FIN --paso PASO [PLANETA...] [--formato texto|csv|json]\n"
    "  orbitas-cli --explicar AÑO MES DÍA HORA MINUTO SEGUNDO PLANETA\n"
    "  orbitas-cli --explicar --jd DÍA_JULIANO PLANETA\n"
    "  orbitas-cli --ortos FECHA --lugar LAT,LON [--zona ZONA] [PLANETA...] [--json]\n"
    "  orbitas-cli --noche FECHA --lugar LAT,LON [--zona ZONA] [PLANETA...] [--json]\n"
    "  orbitas-cli --fenomenos --desde INICIO --hasta FIN [PLANETA...] [--zona ZONA]\n"
    "              [--formato texto|csv|json|ics] [--separación GRADOS]\n"
    "  orbitas-cli --help | --version\n"
    "\n";

const char* const UsageDetails =
    "PLANETA es un número de cuerpo (1, 2, 4 a 9) o un nombre en español\n"
    "(Mercurio, Venus, Marte, Júpiter, Saturno, Urano, Neptuno, Plutón),\n"
    "con o sin tildes. Sin ninguno, se calculan los ocho.\n"
    "\n"
    "Tablas: INICIO y FIN son fechas ISO 8601 (2026-01-01, 2026-01-01T06:30,\n"
    "2026-01-01T06:30:15, -0500-03-01, +12000-01-01) o días julianos (JD2451545.0);\n"
    "PASO es un número positivo con unidad d, h, m o s (10d, 6h, 0.5d). La fila k\n"
    "está en INICIO + k × PASO; FIN se incluye si cae en una fila. Formatos: texto\n"
    "(tabla alineada), csv (RFC 4180, punto decimal), json (una línea JSON por fila).\n"
    "\n"
    "--explicar muestra cada valor intermedio del cálculo de un planeta.\n"
    "\n"
    "--lugar LAT,LON (grados decimales, norte y este positivos) añade la altura,\n"
    "el acimut (desde el norte hacia el este), el ángulo horario y el tiempo sidéreo\n"
    "local, con el error del propio método (±) frente a ERFA. --ortos FECHA da la\n"
    "salida, la culminación y la puesta de cada planeta ese día local. --zona elige\n"
    "la zona horaria de los instantes escritos y mostrados: UTC (la de siempre),\n"
    "±HH:MM o un nombre como Europe/Madrid.\n"
    "\n"
    "--noche FECHA dice qué se ve la noche que empieza la tarde de FECHA: la puesta y\n"
    "la salida del Sol y los crepúsculos, la Luna (de ERFA) y, para cada planeta, su\n"
    "brillo, su fase, su elongación, su constelación y el intervalo exacto en que está\n"
    "sobre --altura-minima (10°) con el Sol bajo --altura-sol (-6°), con su mejor\n"
    "momento, o por qué no se ve.\n"
    "\n"
    "--fenomenos da, en orden, las oposiciones y conjunciones, las máximas\n"
    "elongaciones, los puntos estacionarios, los perihelios y afelios, los\n"
    "acercamientos a menos de --separación grados (1), las fases de la Luna y los\n"
    "equinoccios y solsticios de --desde a --hasta, cada uno con el error del método\n"
    "en tiempo frente a ERFA. --formato ics escribe un calendario (RFC 5545).\n"
    "\n"
    "--dibujo FICHERO dibuja, además de la salida de siempre: con un instante, las\n"
    "órbitas vistas desde el norte de la eclíptica; con una tabla, el camino de cada\n"
    "planeta en el cielo (hasta 100 000 filas). La extensión elige el formato (.svg,\n"
    ".png o .pdf); --tamaño ANCHOxALTO fija el tamaño en píxeles (1200x900).\n"
    "\n"
    "Ejemplos:\n"
    "  orbitas-cli 2000 1 1 12 0 0 Marte\n"
    "  orbitas-cli --jd 2451545 jupiter --json\n"
    "  orbitas-cli --desde 2026-01-01 --hasta 2026-12-31 --paso 10d Marte --formato csv\n"
    "  orbitas-cli --explicar 2000 1 1 12 0 0 Marte\n"
    "  orbitas-cli --explicar --jd 2451545 Júpiter\n"
    "  orbitas-cli 2026 12 7 22 0 0 Marte Júpiter Saturno --dibujo orbitas.png\n"
    "  orbitas-cli --desde 2020-06-01 --hasta 2021-02-28 --paso 1d Marte --dibujo bucle-marte.svg\n"
    "  orbitas-cli 2026 12 7 22 0 0 Marte --lugar 40.4168,-3.7038 --zona Europe/Madrid\n"
    "  orbitas-cli --ortos 2026-12-07 --lugar 40.4168,-3.7038 --zona Europe/Madrid\n"
    "  orbitas-cli --noche 2026-12-07 --lugar 40.4168,-3.7038 --zona Europe/Madrid\n"
    "  orbitas-cli --fenomenos --desde 2027-01-01 --hasta 2028-01-01 Marte Júpiter Saturno\n"
    "  orbitas-cli --fenomenos --desde 2027-01-01 --hasta 2028-01-01 --formato ics\n"
    "  orbitas-cli --version\n";

namespace {

bool IsOption(const std::string& arg) { return arg.size() > 2 && arg.rfind("--", 0) == 0; }

std::vector<Int16> ParseBodies(const std::vector<std::string>& names) {
  std::vector<Int16> bodies;
  for (const std::string& name : names) {
    if (NamesTheEarth(name)) {
      throw UsageError("la Tierra no es un planeta que se pueda elegir: " + name);
    }
    const std::optional<Int16> body = ParsePlanet(name);
    if (!body) throw UsageError("planeta desconocido: " + name);
    bodies.push_back(*body);
  }
  if (bodies.empty()) bodies = {1, 2, 4, 5, 6, 7, 8, 9};
  return bodies;
}

}  // namespace

std::string UsageText() { return std::string(UsageForms) + OptionsHelp() + "\n" + UsageDetails; }

const std::string& Value(const std::vector<std::string>& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError("falta el valor de " + args[i]);
  return args[++i];
}

// A number as the window reads its fields: Val, where blanks and an empty
// text are fine, but nothing may be left unread.
const std::string& WholeNumber(const std::string& text, std::string_view what) {
  if (ValReadsWhole(text)) return text;
  std::string message(what);
  message += " no se lee entero como número: «" + text + "»";
  const std::size_t comma = text.find(',');
  if (comma != std::string::npos) {
    std::string withPoint = text;
    withPoint[comma] = '.';
    message += "; el separador decimal es el punto: " + withPoint;
  }
  throw UsageError(message);
}

// A local date, "AAAA-MM-DD" (astronomical years allowed), for option.
CivilTime LocalDate(const std::string& text, std::string_view option) {
  const std::optional<TableInstant> date = ParseTableInstant(text);
  if (!date || !date->civil || text.find('T') != std::string::npos) {
    throw UsageError("fecha no válida para " + std::string(option) + ": " + text + " (AAAA-MM-DD)");
  }
  return *date->civil;
}

TableInstant ParseBound(const std::string& text) {
  const std::optional<TableInstant> instant = ParseTableInstant(text);
  if (!instant) throw UsageError("fecha no válida: " + text + " (se espera AAAA-MM-DD[THH:MM[:SS]] o JD...)");
  return *instant;
}

OutputFormat ParseFormat(const std::string& text) {
  if (text == "texto" || text == "text") return OutputFormat::Text;
  if (text == "csv") return OutputFormat::Csv;
  if (text == "json") return OutputFormat::Json;
  if (text == "ics") return OutputFormat::Ics;
  throw UsageError("formato desconocido: " + text + " (texto, csv o json)" + Suggestion(text, {"texto", "csv", "json"}));
}

// A table's format: any but the calendar file.
report::TableFormat TableFormatOf(OutputFormat format) {
  switch (format) {
    case OutputFormat::Csv: return report::TableFormat::Csv;
    case OutputFormat::Json: return report::TableFormat::Json;
    case OutputFormat::Ics: throw UsageError("el formato ics solo se usa con --fenomenos");
    case OutputFormat::Text: break;
  }
  return report::TableFormat::Text;
}

namespace {

// What the command line gave, before the command is chosen.
struct Given {
  Arguments parsed;
  bool julianDay = false, explain = false, format = false, size = false, phenomena = false, finished = false;
  std::optional<std::string> from, to, step, riseSet, night, planetLimit, sunLimit, separation;
  std::vector<std::string> positional;
};

// One option (and its value) into given.
void TakeOption(const OptionSpec& option, const std::vector<std::string>& args, std::size_t& i, Given& given) {
  Arguments& parsed = given.parsed;
  switch (option.id) {
    case OptionId::Help: parsed.command = Command::Help, given.finished = true; break;
    case OptionId::Version: parsed.command = Command::Version, given.finished = true; break;
    case OptionId::Json: parsed.json = true; break;
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
      std::tie(parsed.picture.width, parsed.picture.height) = ParsePictureSize(Value(args, i));
      given.size = true;
      break;
    case OptionId::Place: parsed.place = ParsePlace(Value(args, i)); break;
    case OptionId::Zone: parsed.zone = ParseZone(Value(args, i)); break;
    case OptionId::RiseSet: given.riseSet = Value(args, i); break;
    case OptionId::Night: given.night = Value(args, i); break;
    case OptionId::PlanetLimit: given.planetLimit = Value(args, i); break;
    case OptionId::SunLimit: given.sunLimit = Value(args, i); break;
    case OptionId::Phenomena: given.phenomena = true; break;
    case OptionId::Separation: given.separation = Value(args, i); break;
    case OptionId::Explain: given.explain = true; break;
    case OptionId::JulianDay:
      if (given.julianDay) throw UsageError("--jd aparece más de una vez");
      if (i + 1 >= args.size()) throw UsageError("falta el día juliano tras --jd");
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
      TakeOption(*option, args, i, given);
    } else if (IsOption(arg)) {
      throw UsageError("opción desconocida: " + arg + Suggestion(arg, OptionNames()));
    } else {
      given.positional.push_back(arg);
    }
  }
  return given;
}

Arguments Phenomena(Given& g) {
  Arguments& parsed = g.parsed;
  if (!g.from || !g.to) throw UsageError("--fenomenos necesita --desde y --hasta");
  if (g.step || g.julianDay || g.explain || g.riseSet || g.night || parsed.place || !parsed.picture.path.empty()) {
    throw UsageError("--fenomenos no se combina con --paso, --jd, --explicar, --ortos, --noche, --lugar ni --dibujo");
  }
  parsed.command = Command::Phenomena;
  parsed.table.start = ParseBound(*g.from);
  parsed.table.end = ParseBound(*g.to);
  parsed.table.zone = parsed.zone;
  if (g.separation) parsed.approachLimit = ParseSeparation(*g.separation);
  if (parsed.json) parsed.format = OutputFormat::Json;
  parsed.namedPlanets = !g.positional.empty();
  parsed.bodies = ParseBodies(g.positional);
  return parsed;
}

Arguments Night(Given& g) {
  Arguments& parsed = g.parsed;
  if (g.riseSet) throw UsageError("--noche no se combina con --ortos");
  if (!parsed.place) throw UsageError("--noche necesita --lugar LAT,LON");
  if (g.from || g.to || g.step || g.julianDay || g.explain) {
    throw UsageError("--noche no se combina con --desde, --jd ni --explicar");
  }
  parsed.command = Command::Night;
  parsed.localDate = LocalDate(*g.night, "--noche");
  if (g.planetLimit) parsed.limits.planetAltitude = ParseAltitude(*g.planetLimit, "--altura-minima");
  if (g.sunLimit) parsed.limits.sunAltitude = ParseAltitude(*g.sunLimit, "--altura-sol");
  parsed.bodies = ParseBodies(g.positional);
  return parsed;
}

Arguments RiseSet(Given& g) {
  Arguments& parsed = g.parsed;
  const CivilTime date = LocalDate(*g.riseSet, "--ortos");
  if (!parsed.place) throw UsageError("--ortos necesita --lugar LAT,LON");
  if (g.from || g.to || g.step || g.julianDay || g.explain || !parsed.picture.path.empty()) {
    throw UsageError("--ortos no se combina con --desde, --jd, --explicar ni --dibujo");
  }
  parsed.command = Command::RiseSet;
  parsed.localDate = date;
  parsed.bodies = ParseBodies(g.positional);
  return parsed;
}

Arguments Table(Given& g) {
  Arguments& parsed = g.parsed;
  if (!g.from || !g.to || !g.step) throw UsageError("una tabla necesita --desde, --hasta y --paso");
  if (g.julianDay || g.explain) throw UsageError("--desde no se combina con --jd ni --explicar");
  parsed.command = Command::Table;
  parsed.table.start = ParseBound(*g.from);
  parsed.table.end = ParseBound(*g.to);
  const std::optional<double> seconds = ParseStepSeconds(*g.step);
  if (!seconds) throw UsageError("paso no válido: " + *g.step + " (un número positivo con d, h, m o s)");
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
  if (g.format) throw UsageError("--formato solo se usa con las tablas (--desde, --hasta, --paso)");
  std::vector<std::string> names = g.positional;
  if (!g.julianDay) {
    if (g.positional.size() < 6) {
      throw UsageError("faltan valores: se esperan año, mes, día, hora, minuto y segundo");
    }
    static constexpr const char* Names[6] = {"el año", "el mes", "el día", "la hora", "el minuto", "el segundo"};
    DateTexts date;
    for (std::size_t k = 0; k < 6; ++k) date[k] = WholeNumber(g.positional[k], Names[k]);
    parsed.date = date;
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

Arguments ParseArguments(const std::vector<std::string>& args) {
  Given g = Collect(args);
  if (g.finished) return g.parsed;
  if (g.size && g.parsed.picture.path.empty()) throw UsageError("--tamaño solo se usa con --dibujo");
  if (g.explain && !g.parsed.picture.path.empty()) throw UsageError("--dibujo no se combina con --explicar");
  if ((g.planetLimit || g.sunLimit) && !g.night) {
    throw UsageError("--altura-minima y --altura-sol solo se usan con --noche");
  }
  if (g.separation && !g.phenomena) throw UsageError("--separación solo se usa con --fenomenos");
  if (g.phenomena) return Phenomena(g);
  if (g.night) return Night(g);
  if (g.riseSet) return RiseSet(g);
  if (g.explain && g.parsed.place) throw UsageError("--lugar no se combina con --explicar");
  if (g.from || g.to || g.step) return Table(g);
  return Instant(g);
}

}  // namespace orbitas::cli
