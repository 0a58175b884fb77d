// The calendar on any six doubles: a Julian day or a run-time error; and
// for a real date and time, the same Julian day as an independent count of
// days.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "calendar/julian_day.h"
#include "calendar/civil_days.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orbitas;
  fuzz::Bytes bytes(data, size);
  double v[6];
  for (double& x : v) x = bytes.Take<double>();
  for (const double x : v) {
    if (!std::isfinite(x)) return 0;  // the fields' texts read through Val are always finite
  }
  double jd = 0;
  const bool done = fuzz::ResultOrRuntimeError([&] {
    const double hour = ComputeDecimalHour(v[3], v[4], v[5]);
    jd = ComputeJulianDay(v[0], v[1], ComputeDecimalDay(v[2], hour));
  });
  if (done) fuzz::Require(std::isfinite(jd), "a Julian day that is not finite");

  // The same fields as whole numbers of a real date and time.
  const auto whole = [](double x, long lo, long hi) {
    const double r = std::fmod(std::fabs(std::trunc(x)), static_cast<double>(hi - lo + 1));
    return lo + static_cast<long>(std::isfinite(r) ? r : 0);
  };
  const long year = whole(v[0], -32767, 32767), month = whole(v[1], 1, 12), day = whole(v[2], 1, 28);
  const long h = whole(v[3], 0, 23), m = whole(v[4], 0, 59), s = whole(v[5], 0, 59);
  const double julianDay = ComputeJulianDay(static_cast<double>(year), static_cast<double>(month),
                                            ComputeDecimalDay(static_cast<double>(day),
                                                              ComputeDecimalHour(h, m, s)));
  const double expected = static_cast<double>(DaysFromCivil(year, static_cast<int>(month), static_cast<int>(day))) +
                          UnixEpochJulianDay + (h * 3600.0 + m * 60.0 + s) / SecondsPerDay;
  fuzz::Require(std::fabs(julianDay - expected) < 1e-6, "the Julian day of a real date is wrong");
  return 0;
}
