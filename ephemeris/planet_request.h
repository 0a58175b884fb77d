#pragma once
// The request behind a choice in the "Planetas" menu: the Earth's and the
// planet's heliocentric positions and the planet's equatorial coordinates
// for one Julian day, each result label's text handed on the moment its
// value is known. The window and the command line both run this one path.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "equatorial.h"
#include "heliocentric.h"

namespace orbitas {

// The result labels, in the order a request writes them; named as the
// window's controls.
enum class ResultLabel : std::uint8_t {
  rhelt, xhelt, yhelt, zhelt,
  planetahel, rhelp, xhelp, yhelp, zhelp,
  planetaec, ascrec, declin, arh, arm, ars, signo, dg, dam, das, rv
};
inline constexpr std::size_t ResultLabelCount = 20;
inline constexpr std::array<std::string_view, ResultLabelCount> ResultLabelNames = {
    "rhelt", "xhelt", "yhelt", "zhelt",
    "planetahel", "rhelp", "xhelp", "yhelp", "zhelp",
    "planetaec", "ascrec", "declin", "arh", "arm", "ars", "signo", "dg", "dam", "das", "rv"};

// The control name of a result label: "rhelt", ..., "rv".
constexpr std::string_view LabelName(ResultLabel label) {
  return ResultLabelNames[static_cast<std::size_t>(label)];
}

// Receives the text of each result label in the order the request writes
// them.
class ResultDisplay {
 public:
  virtual ~ResultDisplay() = default;
  virtual void Show(ResultLabel label, const std::string& text) = 0;
  // False for a label this display never shows: its text is not made.
  virtual bool Wants(ResultLabel /*label*/) const { return true; }
};

// The program-wide values one request writes. Each is overwritten as the
// request reaches it; after an error the ones not reached keep their
// previous contents.
struct PlanetRequestValues {
  std::array<std::string, 10> planetNames;  // entry 0 stays empty
  double epochOffset = 0.0;
  HeliocentricPosition earth{};
  HeliocentricPosition planet{};
  EquatorialCoordinates equatorial{};
};

// The Newton steps of both bodies, for a caller that shows them.
struct PlanetRequestStages {
  KeplerStages earth;
  KeplerStages planet;
};

// Runs the request for body `body` (1, 2, 4 to 9 from the menu) at
// julianDay, in this order:
//   1. the nine body names into values.planetNames;
//   2. the Earth's row and the body's row of elements (index checks);
//   3. values.epochOffset;
//   4. the Earth's position; 5. "rhelt", "xhelt", "yhelt", "zhelt";
//   6. the body's position;
//   7. "planetahel" ("Coordenadas heliocéntricas de " and the name), then
//      "rhelp", "xhelp", "yhelp", "zhelp";
//   8. the equatorial coordinates;
//   9. "planetaec", "ascrec", "declin", "arh", "arm", "ars", "signo", "dg",
//      "dam", "das", "rv".
// Numbers are written with CStr, the seconds with Format "#0.0##", the
// sexagesimal fields from SexagesimalPart; decimalSeparator is the user's.
// A run-time error propagates at the step that raised it: an invalid body
// before any label is shown, a failure of the planet after the Earth's four
// labels, a failure of the equatorial step after the heliocentric labels.
void RunPlanetRequest(const ElementsTable& elements, double julianDay, Int16 body,
                      std::string_view decimalSeparator, PlanetRequestValues& values,
                      ResultDisplay& display, PlanetRequestStages* stages = nullptr);

}  // namespace orbitas
