#pragma once
// The request behind a choice in the "Planetas" menu: the Earth's and the
// planet's heliocentric positions and the planet's equatorial coordinates
// for one Julian day, and the text of each result label as soon as its
// value is known. The window and orbitas-cli both run this one path.

#include <array>
#include <string_view>

#include "ephemeris/equatorial.h"
#include "ephemeris/heliocentric.h"
#include "session/label_texts.h"

namespace orbitas {

// The program-wide values one request writes. Each is overwritten as the
// request reaches it; after an error the ones not reached keep their
// previous contents.
struct PlanetRequestValues {
  std::array<std::string_view, 10> planetNames;  // entry 0 stays empty
  double epochOffset = 0.0;                      // days
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
// labels is cleared first; numbers are written with CStr, the seconds with
// Format "#0.0##", the sexagesimal fields from SexagesimalPart (its three
// parts of each value taken at once by SplitSexagesimal), with the
// user's decimalSeparator. A run-time error propagates at the step that
// raised it, and labels then holds the texts written before it: none for
// an invalid body, the Earth's four for a failure of the planet, the
// heliocentric ones for a failure of the equatorial step. If stages is not
// null, it receives the Newton steps of both bodies. knownEarth, when not
// null, is the Earth's position this same request made at this julianDay
// with these elements (a table's other planets at one instant): step 4
// takes it instead of computing it again, the same bits either way; it is
// not used when stages asks for the Earth's Newton steps.
void RunPlanetRequest(const ElementsTable& elements, double julianDay, Int16 body,
                      std::string_view decimalSeparator, PlanetRequestValues& values,
                      LabelTexts& labels, PlanetRequestStages* stages = nullptr,
                      const HeliocentricPosition* knownEarth = nullptr);

}  // namespace orbitas
