#include "session/names.h"

#include <cmath>
#include <algorithm>
#include <array>
#include <cstdio>

#include "session/body_names.h"
#include "session/name_table.h"
#include "session/nearest_names.h"
#include "runtime/number_text.h"

namespace orbitas {
namespace {

constexpr std::array<NamePair, 88> Constellations = {{
    {"And", "Andrómeda"}, {"Ant", "Máquina Neumática"}, {"Aps", "Ave del Paraíso"}, {"Aqr", "Acuario"},
    {"Aql", "Águila"}, {"Ara", "Altar"}, {"Ari", "Aries"}, {"Aur", "Cochero"}, {"Boo", "Boyero"},
    {"Cae", "Cincel"}, {"Cam", "Jirafa"}, {"Cnc", "Cáncer"}, {"CVn", "Perros de Caza"}, {"CMa", "Can Mayor"},
    {"CMi", "Can Menor"}, {"Cap", "Capricornio"}, {"Car", "Quilla"}, {"Cas", "Casiopea"}, {"Cen", "Centauro"},
    {"Cep", "Cefeo"}, {"Cet", "Ballena"}, {"Cha", "Camaleón"}, {"Cir", "Compás"}, {"Col", "Paloma"},
    {"Com", "Cabellera de Berenice"}, {"CrA", "Corona Austral"}, {"CrB", "Corona Boreal"}, {"Crv", "Cuervo"},
    {"Crt", "Copa"}, {"Cru", "Cruz del Sur"}, {"Cyg", "Cisne"}, {"Del", "Delfín"}, {"Dor", "Dorado"},
    {"Dra", "Dragón"}, {"Equ", "Caballito"}, {"Eri", "Erídano"}, {"For", "Horno"}, {"Gem", "Géminis"},
    {"Gru", "Grulla"}, {"Her", "Hércules"}, {"Hor", "Reloj"}, {"Hya", "Hidra"}, {"Hyi", "Hidra Macho"},
    {"Ind", "Indio"}, {"Lac", "Lagarto"}, {"Leo", "Leo"}, {"LMi", "León Menor"}, {"Lep", "Liebre"},
    {"Lib", "Libra"}, {"Lup", "Lobo"}, {"Lyn", "Lince"}, {"Lyr", "Lira"}, {"Men", "Mesa"},
    {"Mic", "Microscopio"}, {"Mon", "Unicornio"}, {"Mus", "Mosca"}, {"Nor", "Escuadra"}, {"Oct", "Octante"},
    {"Oph", "Ofiuco"}, {"Ori", "Orión"}, {"Pav", "Pavo"}, {"Peg", "Pegaso"}, {"Per", "Perseo"},
    {"Phe", "Fénix"}, {"Pic", "Pintor"}, {"Psc", "Piscis"}, {"PsA", "Pez Austral"}, {"Pup", "Popa"},
    {"Pyx", "Brújula"}, {"Ret", "Retículo"}, {"Sge", "Flecha"}, {"Sgr", "Sagitario"}, {"Sco", "Escorpio"},
    {"Scl", "Escultor"}, {"Sct", "Escudo"}, {"Ser", "Serpiente"}, {"Sex", "Sextante"}, {"Tau", "Tauro"},
    {"Tel", "Telescopio"}, {"Tri", "Triángulo"}, {"TrA", "Triángulo Austral"}, {"Tuc", "Tucán"},
    {"UMa", "Osa Mayor"}, {"UMi", "Osa Menor"}, {"Vel", "Vela"}, {"Vir", "Virgo"}, {"Vol", "Pez Volador"},
    {"Vul", "Zorra"},
}};

// "-6", "10", "-0.8333": a limit as the reasons write it.
std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace

std::string_view SpanishName(Body body) {
  if (body == Body::Sun) return "Sol";
  if (body == Body::Moon) return "Luna";
  return BodyName(BodyNumber(body));
}

std::string NameWithArticle(Body body) {
  if (body == Body::Sun) return "el Sol";
  if (body == Body::Moon) return "la Luna";
  if (body == Body::Earth) return "la Tierra";
  return std::string(SpanishName(body));
}

std::string_view ConstellationName(std::string_view abbreviation) {
  return NameIn(Constellations, abbreviation).value_or(abbreviation);
}

std::string_view PhaseName(PhaseCode phase) {
  static constexpr std::string_view Names[] = {"luna nueva",       "creciente",        "cuarto creciente",
                                               "gibosa creciente", "luna llena",       "gibosa menguante",
                                               "cuarto menguante", "menguante"};
  return Names[static_cast<int>(phase)];
}

std::string_view CompassName(int point) {
  static constexpr std::string_view Points[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO"};
  return Points[((point % 16) + 16) % 16];
}

std::string DayMissesText(const std::vector<DayMiss>& misses) {
  static constexpr std::string_view Texts[] = {"no sale", "no se pone", "no sale ese día", "no se pone ese día",
                                               "no culmina ese día"};
  std::string text;
  for (const DayMiss miss : misses) text += (text.empty() ? "" : "; ") + std::string(Texts[static_cast<int>(miss)]);
  return text;
}

std::string SunMissText(const SunMiss& miss, TextFor reader) {
  // A person reads the minus sign; a program the hyphen it parses.
  const std::string degrees = Degrees(miss.altitude);
  const std::string shown = reader == TextFor::People && degrees[0] == '-' ? "\u2212" + degrees.substr(1) : degrees;
  switch (miss.kind) {
    case SunMiss::NeverSets: return "el Sol no se pone";
    case SunMiss::NeverRises: return "el Sol no sale";
    case SunMiss::NeverBelow: return "el Sol no baja de " + shown + "°";
    case SunMiss::NeverAbove: return "el Sol no sube de " + shown + "°";
  }
  return "";
}

std::string PlanetMissText(const PlanetNight& planet, const NightLimits& limits) {
  switch (planet.miss) {
    case PlanetMiss::None: return "";
    case PlanetMiss::NoDarkness: return "no hay noche cerrada";
    case PlanetMiss::TooNearTheSun:
      // Rounded as the planet's line rounds it, half away from zero.
      return "demasiado cerca del Sol (elongación " + std::to_string(std::lround(planet.aspect.elongation)) + "°)";
    case PlanetMiss::TooLow: return "no sube a " + Degrees(limits.planetAltitude) + "° de noche";
    case PlanetMiss::OnlyAMoment: return "pasa de " + Degrees(limits.planetAltitude) + "° de noche solo un instante";
    case PlanetMiss::NeedsBinoculars: return "necesita prismáticos";
    case PlanetMiss::NeedsTelescope: return "necesita telescopio";
  }
  return "";
}

std::string_view EclipseTypeName(EclipseType type) {
  static constexpr std::string_view Names[] = {"penumbral", "parcial", "total", "anular", "híbrido"};
  return Names[static_cast<int>(type)];
}

std::string_view EclipseTypeKey(EclipseType type) {
  static constexpr std::string_view Keys[] = {"penumbral", "partial", "total", "annular", "hybrid"};
  return Keys[static_cast<int>(type)];
}

namespace {

struct ContactWords {
  std::string_view key, caption;
};

// In the order of Contact.
constexpr ContactWords ContactTable[] = {
    {"P1", "P1 (penumbra)"}, {"U1", "U1 (parcial)"}, {"U2", "U2 (total)"}, {"U3", "U3"},
    {"U4", "U4"},            {"P4", "P4"},           {"C1", "C1 (empieza)"}, {"C2", "C2"},
    {"C3", "C3"},            {"C4", "C4 (termina)"}, {"T1", "T1 (entra)"},  {"T2", "T2"},
    {"T3", "T3"},            {"T4", "T4 (sale)"},    {"maximum", "Máximo"}};
static_assert(std::size(ContactTable) == static_cast<std::size_t>(Contact::Greatest) + 1);

}  // namespace

std::string_view ContactKey(Contact contact) { return ContactTable[static_cast<int>(contact)].key; }

std::string_view ContactName(Contact contact) {
  return contact == Contact::Greatest ? ContactCaption(contact) : ContactKey(contact);
}

std::string_view ContactCaption(Contact contact) { return ContactTable[static_cast<int>(contact)].caption; }

std::string_view ShowerName(std::string_view code) {
  static constexpr std::pair<std::string_view, std::string_view> Names[] = {
      {"QUA", "Cuadrántidas"},        {"ACE", "α-Centáuridas"},      {"LYR", "Líridas"},
      {"ETA", "η-Acuáridas"},         {"CAP", "α-Capricórnidas"},    {"SDA", "δ-Acuáridas del Sur"},
      {"PER", "Perseidas"},           {"AUR", "α-Aurígidas"},        {"SPE", "ε-Perseidas de septiembre"},
      {"DRA", "Dracónidas"},          {"STA", "Táuridas del Sur"},   {"ORI", "Oriónidas"},
      {"NTA", "Táuridas del Norte"},  {"LEO", "Leónidas"},           {"PUP", "Púppidas-Vélidas"},
      {"HYD", "σ-Hídridas"},          {"GEM", "Gemínidas"},          {"DLM", "Leonis Minóridas de diciembre"},
      {"URS", "Úrsidas"}};
  for (const auto& [c, name] : Names) {
    if (c == code) return name;
  }
  return code;
}

std::string_view InstrumentCode(Instrument instrument) {
  static constexpr std::string_view Codes[] = {"ojo", "prismaticos", "telescopio"};
  return Codes[static_cast<int>(instrument)];
}

std::string_view InstrumentWords(Instrument instrument) {
  static constexpr std::string_view Words[] = {"a simple vista", "con prismáticos", "con telescopio"};
  return Words[static_cast<int>(instrument)];
}

std::optional<Instrument> InstrumentOfCode(std::string_view code) {
  const std::string plain = code == "prismáticos" ? "prismaticos" : std::string(code);
  for (const Instrument i : {Instrument::Eye, Instrument::Binoculars, Instrument::Telescope}) {
    if (plain == InstrumentCode(i)) return i;
  }
  return std::nullopt;
}

std::vector<std::string> InstrumentNames() { return {"ojo", "prismáticos", "telescopio"}; }

std::string InstrumentSuggestion(std::string_view typed) {
  // Other names for the same instruments, as a Spanish speaker may say them.
  static constexpr std::pair<std::string_view, std::string_view> Synonyms[] = {
      {"binoculares", "prismáticos"}, {"binocular", "prismáticos"}, {"gemelos", "prismáticos"},
      {"anteojo", "telescopio"},      {"refractor", "telescopio"},  {"reflector", "telescopio"},
      {"vista", "ojo"},               {"simple vista", "ojo"},      {"ojo desnudo", "ojo"}};
  const std::string folded = Folded(typed);
  for (const auto& [word, name] : Synonyms) {
    if (folded == Folded(word)) return "; ¿quería decir " + std::string(name) + "?";
  }
  return Suggestion(typed, InstrumentNames());
}

std::string_view SkyCode(SkyDarkness sky) {
  static constexpr std::string_view Codes[] = {"oscuro", "rural", "suburbano", "urbano", "ciudad"};
  return Codes[static_cast<int>(sky)];
}

std::string SkyWords(SkyDarkness sky, std::string_view separator) {
  const std::string name = sky == SkyDarkness::City ? "cielo de ciudad" : "cielo " + std::string(SkyCode(sky));
  return name + " (clase " + std::to_string(BortleClass(sky)) + " de Bortle): a simple vista, estrellas hasta la magnitud " +
         Format(ZenithLimitingMagnitude(sky), "#0.0", separator);
}

std::optional<SkyDarkness> SkyOfCode(std::string_view code) {
  for (const SkyDarkness sky :
       {SkyDarkness::Dark, SkyDarkness::Rural, SkyDarkness::Suburban, SkyDarkness::Urban, SkyDarkness::City}) {
    if (code == SkyCode(sky)) return sky;
  }
  return std::nullopt;
}

std::vector<std::string> SkyNames() { return {"oscuro", "rural", "suburbano", "urbano", "ciudad"}; }

std::string_view PhenomenonKey(PhenomenonKind kind) {
  static constexpr std::string_view Keys[] = {
      "opposition",    "conjunction",      "inferior-conjunction", "superior-conjunction", "greatest-eastern",
      "greatest-western", "retrograde-begins", "retrograde-ends",   "perihelion",           "aphelion",
      "close-approach", "new-moon",         "first-quarter",        "full-moon",            "last-quarter",
      "march-equinox", "june-solstice",    "september-equinox",    "december-solstice"};
  return Keys[static_cast<int>(kind)];
}

}  // namespace orbitas
