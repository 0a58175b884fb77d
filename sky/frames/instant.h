#pragma once
// An instant on the two time scales the sky is computed in: UT, which the
// Earth's turning and the user's clock follow, and TT, which the bodies'
// motions follow (ERFA's ephemerides ask for TT, taken as TDB). TT is
// UT + ΔT (Espenak and Meeus), worked out once when the instant is made.
// The method's own positions have no time scale: they take the Julian day
// as typed.
#include "calendar/delta_t.h"

namespace orbitas {

struct Instant {
  double ut = 0.0;  // Julian day, UT
  double tt = 0.0;  // Julian day, TT

  // The instant at Julian day ut (UT), with TT = UT + ΔT(UT). Raises
  // nothing.
  static Instant FromUt(double ut) { return {ut, TerrestrialTime(ut)}; }
};

}  // namespace orbitas
