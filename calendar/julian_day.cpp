#include "calendar/julian_day.h"

namespace orbitas {
namespace {

// A whole-valued double into a signed 16-bit integer: only the range is
// tested, no rounding is needed.
Int16 WholeToInt16(Real whole) { return CInt(whole); }

}  // namespace

double ComputeDecimalHour(double hour, double minute, double second) {
  const Real h = hour, m = minute, s = second;
  return ((h + m / 60) + s / 3600).value();
}

double ComputeDecimalDay(double day, double decimalHour) {
  const Real d = day, h = decimalHour;
  return (d + h / 24).value();
}

// The steps below follow the standard day-count formula, split so that the
// 32-bit accumulator N holds the whole days and the noon offset of -0.5
// never leaves the fraction F. Each real operation is checked, and each
// conversion into an integer tests its range.
double ComputeJulianDay(double year, double month, double decimalDay, JulianDayStages* stages) {
  JulianDayStages local;
  JulianDayStages& st = stages ? *stages : local;
  const Real y = year, m = month, day = decimalDay;

  st.d0 = WholeToInt16(Int(day));                                        // 1
  Real f = (day - Real(st.d0)) - 0.5;                                    // 2
  st.f = f.value();
  st.n = CLng(-Int((Int((m + 9) / 12) + y) * 7 / 4));                    // 3
  st.s = Sgn(m - 9);                                                     // 4
  st.q = CInt(Abs(m - 9));                                               // 5
  st.c = WholeToInt16(Int(y + Int(Real(st.q) / 7) * Real(st.s)));        // 6
  st.c = CInt(-Int((Int(Real(st.c) / 100) + 1) * 3 / 4));                // 7
  st.nMonth = CLng(((Int(m * 275 / 9) + Real(st.n)) + Real(st.d0)) + Real(st.c));  // 8
  Int32 n = CLng(y * 367 + Real(Add32(st.nMonth, 1721029)));             // 9
  st.nYear = n;
  if (f < 0.0) {                                                         // 10
    f = f + 1;
    n = Sub32(n, 1);
  }
  st.fCorrected = f.value();
  st.nCorrected = n;
  return (Real(n) + f).value();                                          // 11
}

}  // namespace orbitas
