#include "calendar/delta_t.h"

#include "calendar/civil_days.h"
#include "calendar/julian_day.h"

namespace orbitas {
namespace {

// The long-term parabola, seconds, for a decimal year.
double Parabola(double year) {
  const double u = (year - 1820) / 100;
  return -20 + 32 * u * u;
}

// Espenak and Meeus's polynomial for the decimal year, seconds; each piece
// as they give it, in powers of its own variable.
double Polynomial(double y) {
  if (y < -500) return Parabola(y);
  if (y < 500) {
    const double u = y / 100;
    return 10583.6 - 1014.41 * u + 33.78311 * u * u - 5.952053 * u * u * u - 0.1798452 * u * u * u * u +
           0.022174192 * u * u * u * u * u + 0.0090316521 * u * u * u * u * u * u;
  }
  if (y < 1600) {
    const double u = (y - 1000) / 100;
    return 1574.2 - 556.01 * u + 71.23472 * u * u + 0.319781 * u * u * u - 0.8503463 * u * u * u * u -
           0.005050998 * u * u * u * u * u + 0.0083572073 * u * u * u * u * u * u;
  }
  if (y < 1700) {
    const double t = y - 1600;
    return 120 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129;
  }
  if (y < 1800) {
    const double t = y - 1700;
    return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - t * t * t * t / 1174000;
  }
  if (y < 1860) {
    const double t = y - 1800;
    return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * t * t * t - 0.00037436 * t * t * t * t +
           0.0000121272 * t * t * t * t * t - 0.0000001699 * t * t * t * t * t * t +
           0.000000000875 * t * t * t * t * t * t * t;
  }
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * t * t * t * t +
           t * t * t * t * t / 233174;
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
           0.00002373599 * t * t * t * t * t;
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  if (y < 2150) return Parabola(y) - 0.5628 * (2150 - y);
  return Parabola(y);
}

}  // namespace

double DeltaTSeconds(double julianDay) { return Polynomial(DecimalYear(julianDay)); }

double TerrestrialTime(double julianDay) { return julianDay + DeltaTSeconds(julianDay) / SecondsPerDay; }

}  // namespace orbitas
