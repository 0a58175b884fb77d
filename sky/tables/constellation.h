#pragma once
// The constellation a direction lies in, by the IAU boundaries (Delporte
// 1930, tabulated by Roman 1987), with its Spanish name.
#include <string_view>

namespace orbitas {

struct Constellation {
  std::string_view abbreviation;  // the IAU's three letters: "Leo", "UMa"
  std::string_view name;          // in Spanish: "Leo", "Osa Mayor"
};

// The constellation of the direction (rightAscensionHours, hours;
// declinationDegrees, degrees; mean equator and equinox of J2000). The
// direction is precessed to B1875, the boundaries' own equinox, with
// ERFA's IAU 2006 precession, and the first band of Roman's table that
// holds it names the constellation. Raises nothing; every direction has
// one.
Constellation ConstellationAt(double rightAscensionHours, double declinationDegrees);

// The same in the B1875 frame itself, with no precession: the table alone.
Constellation ConstellationAtB1875(double rightAscensionHours, double declinationDegrees);

}  // namespace orbitas
