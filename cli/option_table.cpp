#include "cli/option_table.h"

#include <algorithm>

#include "cli/planet_names.h"
#include "report/text_layout.h"

namespace orbitas::cli {
using report::DisplayWidth;
using report::PadRight;
}  // namespace orbitas::cli

namespace orbitas::cli {

using C = Completion;

const std::array<OptionSpec, 26> Options = {{
    {OptionId::From, "--desde", "--from", "INICIO", "primer instante de una tabla (fecha ISO 8601 o JD...)"},
    {OptionId::To, "--hasta", "--to", "FIN", "último instante de una tabla, incluido si cae en una fila"},
    {OptionId::Step, "--paso", "--step", "PASO", "paso entre filas: un número positivo con d, h, m o s"},
    {OptionId::Format, "--formato", "--format", "FORMATO", "texto, csv o json (y con --fenomenos, ics)", C::Formats},
    {OptionId::Explain, "--explicar", "--explain", "", "cada valor intermedio del cálculo de un planeta"},
    {OptionId::JulianDay, "--jd", "", "DÍA_JULIANO", "un día juliano en lugar de los seis valores"},
    {OptionId::Json, "--json", "", "", "salida JSON (una línea por fila en las tablas)"},
    {OptionId::Place, "--lugar", "", "LUGAR", "el cielo desde una ciudad (Madrid, «Sevilla, España») o LAT,LON"},
    {OptionId::SavePlace, "--guardar-lugar", "", "LUGAR", "guarda el lugar de casa, que se usa cuando falta --lugar"},
    {OptionId::Zone, "--zona", "", "ZONA", "zona horaria: UTC, ±HH:MM o un nombre como Europe/Madrid", C::Zones},
    {OptionId::RiseSet, "--ortos", "", "[FECHA]", "salida, culminación y puesta de cada planeta ese día (hoy)"},
    {OptionId::Night, "--noche", "", "[FECHA]", "qué se ve la noche que empieza esa tarde (hoy): Sol, Luna, planetas"},
    {OptionId::Instrument, "--instrumento", "", "TIPO", "con --noche, ojo, prismaticos o telescopio (telescopio)",
     C::Instruments},
    {OptionId::Phenomena, "--fenomenos", "", "", "los fenómenos de --desde a --hasta, con el error del método"},
    {OptionId::Separation, "--separación", "", "GRADOS", "con --fenomenos, acercamientos a menos de GRADOS (1)"},
    {OptionId::Eclipses, "--eclipses", "", "", "los eclipses y tránsitos de --desde a --hasta (de ERFA)"},
    {OptionId::Eclipse, "--eclipse", "", "FECHA", "el primer eclipse o tránsito desde FECHA, con todo detalle"},
    {OptionId::Chart, "--carta", "", "PLANETA", "con FECHA y --dibujo, la carta para encontrar el planeta"},
    {OptionId::Field, "--campo", "", "GRADOS", "con --carta, el campo de la carta, de 2 a 90 (20)"},
    {OptionId::PlanetLimit, "--altura-minima", "", "GRADOS", "con --noche, altura mínima de un planeta (10)"},
    {OptionId::SunLimit, "--altura-sol", "", "GRADOS", "con --noche, el Sol por debajo de esta altura es de noche (-6)"},
    {OptionId::Picture, "--dibujo", "", "FICHERO", "un dibujo en .svg, .png o .pdf", C::PictureFiles},
    {OptionId::MagnitudeLimit, "--magnitud-limite", "", "MAG",
     "con --lugar y --dibujo de un instante, estrellas hasta MAG (5)"},
    {OptionId::Size, "--tamaño", "", "ANCHOxALTO", "tamaño del dibujo en píxeles (1200x900)"},
    {OptionId::Help, "--help", "", "", "esta ayuda"},
    {OptionId::Version, "--version", "", "", "la versión del programa"},
}};

const OptionSpec* FindOption(std::string_view arg) {
  if (arg == "-h") arg = "--help";
  const std::string folded = Folded(arg);
  for (const OptionSpec& option : Options) {
    if (arg == option.name || (!option.alias.empty() && arg == option.alias) || folded == Folded(option.name)) {
      return &option;
    }
  }
  return nullptr;
}

namespace {

// The edit distance of a and b, or anything above cap once it must exceed
// it: a row's smallest value never decreases.
std::size_t EditDistance(const std::string& a, const std::string& b, std::size_t cap) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    std::size_t smallest = row[0];
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
      smallest = std::min(smallest, row[j]);
    }
    if (smallest > cap) return cap + 1;
  }
  return row[b.size()];
}

}  // namespace

std::vector<std::string> NearestNames(std::string_view text, const std::vector<std::string>& known) {
  // Near means within a third of the text's length (at least 1, at most 3
  // edits); only the nearest are named.
  const std::string folded = Folded(text);
  const std::size_t limit = std::clamp<std::size_t>(folded.size() / 3, 1, 3);
  std::size_t best = limit + 1;
  std::vector<std::string> nearest;
  for (const std::string& name : known) {
    // Folding shortens a name by at most half its bytes.
    if (name.size() + limit < folded.size() || name.size() > 2 * (folded.size() + limit)) continue;
    const std::string other = Folded(name);
    // Lengths further apart than the limit cannot be near: no need to
    // measure (a long text against every zone name would be slow).
    if (other.size() > folded.size() + limit || folded.size() > other.size() + limit) continue;
    const std::size_t d = EditDistance(folded, other, best);
    if (d > best) continue;
    if (d < best) nearest.clear();
    best = d;
    if (nearest.size() < 3 && std::find(nearest.begin(), nearest.end(), name) == nearest.end()) {
      nearest.push_back(name);
    }
  }
  return nearest;
}

std::string Suggestion(std::string_view text, const std::vector<std::string>& known) {
  const std::vector<std::string> nearest = NearestNames(text, known);
  if (nearest.empty()) return "";
  std::string names;
  for (std::size_t k = 0; k < nearest.size(); ++k) {
    names += (k == 0 ? "" : k + 1 == nearest.size() ? " o " : ", ") + nearest[k];
  }
  return "; ¿quería decir " + names + "?";
}

std::vector<std::string> OptionNames() {
  std::vector<std::string> names;
  for (const OptionSpec& option : Options) {
    names.emplace_back(option.name);
    if (!option.alias.empty()) names.emplace_back(option.alias);
  }
  return names;
}

std::string OptionsHelp() {
  std::string text = "Opciones:\n";
  for (const OptionSpec& option : Options) {
    std::string head = "  " + std::string(option.name);
    if (!option.argument.empty()) head += " " + std::string(option.argument);
    text += PadRight(head, 26, 2) + std::string(option.help) + "\n";
  }
  // The older spellings, once, wrapped at 80 columns.
  std::vector<std::string> aliases;
  for (const OptionSpec& option : Options) {
    if (!option.alias.empty()) aliases.push_back(std::string(option.alias) + " = " + std::string(option.name));
  }
  aliases.push_back("--formato text = texto");
  aliases.push_back("--tamano = --tamaño");
  aliases.push_back("--fenómenos = --fenomenos");
  aliases.push_back("--separacion = --separación");
  std::string line = "Otros nombres, que se siguen aceptando:";
  for (std::size_t k = 0; k < aliases.size(); ++k) {
    const std::string item = " " + aliases[k] + (k + 1 < aliases.size() ? "," : ".");
    if (DisplayWidth(line) + DisplayWidth(item) > 80) {
      text += line + "\n";
      line = " ";
    }
    line += item;
  }
  return text + line + "\n";
}

}  // namespace orbitas::cli
