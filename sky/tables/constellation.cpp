#include "sky/tables/constellation.h"

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

// B1875.0, the boundaries' equinox, as a Julian day (TT).
constexpr double B1875 = 2405889.258550475;

}  // namespace

std::string_view ConstellationAtB1875(double rightAscensionHours, double declinationDegrees) {
  for (const Band& band : Bands) {
    if (declinationDegrees >= band.lowDeclination && rightAscensionHours >= band.lowRightAscension &&
        rightAscensionHours < band.highRightAscension) {
      return band.abbreviation;
    }
  }
  return "Oct";  // the table's last band reaches the south pole
}

std::string_view ConstellationAt(double rightAscensionHours, double declinationDegrees) {
  const PrecessedDirection ofB1875 = PrecessFromJ2000(Instant::FromUt(B1875), rightAscensionHours, declinationDegrees);
  return ConstellationAtB1875(ofB1875.rightAscension * HoursPerRadian, ofB1875.declination * DegreesPerRadian);
}

}  // namespace orbitas
