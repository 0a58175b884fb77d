#include "sky/tables/constellation.h"

#include <array>

#include "runtime/angle_units.h"
#include "sky/frames/horizon.h"

namespace orbitas {
namespace {

struct Band {
  double lowRightAscension, highRightAscension;  // hours, B1875
  double lowDeclination;                         // degrees, B1875
  std::string_view abbreviation;
};

constexpr Band Bands[] = {
#include "sky/tables/constellation_boundaries.inc"
};

constexpr std::array<Constellation, 88> Names = {{
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

// B1875.0, the boundaries' equinox, as a Julian day (TT).
constexpr double B1875 = 2405889.258550475;

}  // namespace

Constellation ConstellationAtB1875(double rightAscensionHours, double declinationDegrees) {
  for (const Band& band : Bands) {
    if (declinationDegrees >= band.lowDeclination && rightAscensionHours >= band.lowRightAscension &&
        rightAscensionHours < band.highRightAscension) {
      for (const Constellation& c : Names) {
        if (c.abbreviation == band.abbreviation) return c;
      }
    }
  }
  return {"Oct", "Octante"};  // the table's last band reaches the south pole
}

Constellation ConstellationAt(double rightAscensionHours, double declinationDegrees) {
  const PrecessedDirection ofB1875 = PrecessFromJ2000(B1875, rightAscensionHours, declinationDegrees);
  return ConstellationAtB1875(ofB1875.rightAscension * HoursPerRadian, ofB1875.declination * DegreesPerRadian);
}

}  // namespace orbitas
