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

const std::array<OptionSpec, 37> Options = {{
    {OptionId::From, "--desde", "--from", "INICIO", "primer instante de una tabla (fecha ISO 8601 o JD...)"},
    {OptionId::To, "--hasta", "--to", "FIN", "último instante de una tabla, incluido si cae en una fila"},
    {OptionId::Step, "--paso", "--step", "PASO", "paso entre filas: un número positivo con d, h, m o s"},
    {OptionId::Format, "--formato", "--format", "FORMATO", "texto, csv o json (con --fenomenos, ics; con --mapa, geojson o kml)", C::Formats},
    {OptionId::Explain, "--explicar", "--explain", "", "cada valor intermedio del cálculo de un planeta"},
    {OptionId::JulianDay, "--jd", "", "DÍA_JULIANO", "un día juliano en lugar de los seis valores"},
    {OptionId::Json, "--json", "", "", "salida JSON (una línea por fila en las tablas)"},
    {OptionId::Place, "--lugar", "", "LUGAR", "el cielo desde una ciudad (Madrid, «Sevilla, España») o LAT,LON"},
    {OptionId::SavePlace, "--guardar-lugar", "", "LUGAR", "guarda el lugar de casa, que se usa cuando falta --lugar"},
    {OptionId::Zone, "--zona", "", "ZONA", "zona horaria: UTC, ±HH:MM o un nombre como Europe/Madrid", C::Zones},
    {OptionId::RiseSet, "--ortos", "", "[FECHA]", "salida, culminación y puesta de cada planeta ese día (hoy)"},
    {OptionId::Night, "--noche", "", "[FECHA]", "qué se ve la noche que empieza esa tarde (hoy): Sol, Luna, planetas"},
    {OptionId::Tour, "--recorrido", "", "[FECHA]",
     "el recorrido de la noche de esa tarde (hoy): planetas, Luna, lluvias y cielo profundo, por hora y dificultad"},
    {OptionId::Instrument, "--instrumento", "", "TIPO",
     "con --noche y --recorrido, ojo, prismaticos o telescopio (telescopio con --noche, ojo con --recorrido)",
     C::Instruments},
    {OptionId::Aperture, "--apertura", "", "MM", "con --recorrido --instrumento telescopio, su abertura en mm (150)"},
    {OptionId::Objects, "--objetos", "", "CATÁLOGO", "con --recorrido, messier, caldwell o todos (todos)"},
    {OptionId::Type, "--tipo", "", "TIPOS",
     "con --recorrido, solo esos tipos, separados por comas: galaxia, cumulo, abierto, globular, nebulosa, "
     "planetaria, difusa, oscura, supernova, asterismo, doble"},
    {OptionId::Everything, "--todos", "", "", "con --recorrido, también lo que no se verá esta noche, con el motivo"},
    {OptionId::Sky, "--cielo", "", "CIELO",
     "con --noche, --fenomenos, --año y --guardar-lugar, cuán oscuro es: oscuro, rural, suburbano, urbano o ciudad "
     "(rural, o el guardado con el lugar de casa)",
     C::Skies},
    {OptionId::Phenomena, "--fenomenos", "", "", "los fenómenos de --desde a --hasta"},
    {OptionId::Separation, "--separación", "", "GRADOS", "con --fenomenos, acercamientos a menos de GRADOS (1)"},
    {OptionId::Eclipses, "--eclipses", "", "", "los eclipses y tránsitos de --desde a --hasta"},
    {OptionId::Eclipse, "--eclipse", "", "FECHA", "el primer eclipse o tránsito desde FECHA, con todo detalle"},
    {OptionId::Map, "--mapa", "", "FECHA",
     "el primer eclipse desde FECHA sobre la Tierra: su franja y, con --lugar, lo más cerca para verlo total; "
     "--formato geojson o kml para otros programas"},
    {OptionId::Region, "--region", "", "REGIÓN",
     "con --mapa y --dibujo, mundo, auto (la franja junto al lugar, si no se dice) o LAT1,LON1,LAT2,LON2"},
    {OptionId::Chart, "--carta", "", "PLANETA", "con FECHA y --dibujo, la carta para encontrar el planeta"},
    {OptionId::Year, "--año", "", "AÑO", "con --dibujo, todas las noches del año en una página; con --formato csv|json, sus números"},
    {OptionId::Almanac, "--almanaque", "", "", "con --año y un .pdf, además una página por mes"},
    {OptionId::Field, "--campo", "", "GRADOS", "con --carta, el campo de la carta, de 2 a 90 (20)"},
    {OptionId::PlanetLimit, "--altura-minima", "", "GRADOS", "con --noche, altura mínima de un planeta (10)"},
    {OptionId::SunLimit, "--altura-sol", "", "GRADOS", "con --noche, el Sol por debajo de esta altura es de noche (-6)"},
    {OptionId::Picture, "--dibujo", "", "FICHERO", "un dibujo en .svg, .png o .pdf", C::PictureFiles},
    {OptionId::MagnitudeLimit, "--magnitud-limite", "", "MAG",
     "con --lugar y --dibujo de un instante, estrellas hasta MAG (5)"},
    {OptionId::Size, "--tamaño", "", "ANCHOxALTO", "tamaño del dibujo en píxeles (1200x900)"},
    {OptionId::Method, "--metodo", "", "", "con --noche, --ortos y --fenomenos, además lo que da el método de Kepler"},
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
