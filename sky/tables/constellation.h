#pragma once
// The constellation a direction lies in, by the IAU boundaries (Delporte
// 1930, tabulated by Roman 1987), as the IAU's three letters ("Leo",
// "UMa").
#include <string_view>

namespace orbitas {

// The constellation of the direction (rightAscensionHours, hours;
// declinationDegrees, degrees; mean equator and equinox of J2000). The
// direction is precessed to B1875, the boundaries' own equinox, with
// ERFA's IAU 2006 precession, and the first band of Roman's table that
// holds it names the constellation. Raises nothing; every direction has
// one.
std::string_view ConstellationAt(double rightAscensionHours, double declinationDegrees);

// The same in the B1875 frame itself, with no precession: the table alone.
std::string_view ConstellationAtB1875(double rightAscensionHours, double declinationDegrees);

}  // namespace orbitas
