#pragma once
// ΔT = TT − UT, the difference between the uniform time the bodies move in
// and the time the Earth's turning keeps: the polynomials of Espenak and
// Meeus (2006), those of NASA's Five Millennium Canon of eclipses, from
// −1999 to +3000 and the long-term parabola −20 + 32 u² (u in centuries
// from 1820) beyond.

namespace orbitas {

// ΔT in seconds at julianDay (days, UT), from its decimal year (2000 plus
// Julian years since J2000). Raises nothing.
double DeltaTSeconds(double julianDay);

// The Julian day in TT of julianDay (UT): julianDay + ΔT / 86400. Raises
// nothing.
double TerrestrialTime(double julianDay);

}  // namespace orbitas
