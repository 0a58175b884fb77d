#include "arguments.h"

#include "planet_names.h"

namespace orbitas::cli {

const char* const UsageText =
    "Uso:\n"
    "  orbitas-cli AÑO MES DÍA HORA MINUTO SEGUNDO [PLANETA...] [--json]\n"
    "  orbitas-cli --jd DÍA_JULIANO [PLANETA...] [--json]\n"
    "  orbitas-cli --help | --version\n"
    "\n"
    "PLANETA es un número de cuerpo (1, 2, 4 a 9) o un nombre en español\n"
    "(Mercurio, Venus, Marte, Júpiter, Saturno, Urano, Neptuno, Plutón),\n"
    "con o sin tildes. Sin ninguno, se calculan los ocho.\n"
    "\n"
    "Ejemplos:\n"
    "  orbitas-cli 2000 1 1 12 0 0 Marte\n"
    "  orbitas-cli --jd 2451545 jupiter --json\n";

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

Arguments ParseArguments(const std::vector<std::string>& args) {
  Arguments parsed;
  bool julianDayGiven = false;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      parsed.command = Command::Help;
      return parsed;
    } else if (arg == "--version") {
      parsed.command = Command::Version;
      return parsed;
    } else if (arg == "--json") {
      parsed.json = true;
    } else if (arg == "--jd") {
      if (julianDayGiven) throw UsageError("--jd aparece más de una vez");
      if (i + 1 >= args.size()) throw UsageError("falta el día juliano tras --jd");
      parsed.julianDay = args[++i];
      julianDayGiven = true;
    } else if (arg == "--") {
      positional.insert(positional.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    } else if (IsOption(arg)) {
      throw UsageError("opción desconocida: " + arg);
    } else {
      positional.push_back(arg);
    }
  }

  std::vector<std::string> names = positional;
  if (!julianDayGiven) {
    if (positional.size() < 6) {
      throw UsageError("faltan valores: se esperan año, mes, día, hora, minuto y segundo");
    }
    parsed.date = DateTexts{positional[0], positional[1], positional[2],
                            positional[3], positional[4], positional[5]};
    names.erase(names.begin(), names.begin() + 6);
  }
  parsed.bodies = ParseBodies(names);
  return parsed;
}

}  // namespace orbitas::cli
