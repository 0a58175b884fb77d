// A planet request on any Julian day and body number: every label written
// with coordinates in their ranges, or a run-time error after the labels the
// method allows.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "runtime/number_text.h"
#include "session/planet_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orbitas;
  fuzz::Bytes bytes(data, size);
  const double jd = bytes.Take<double>();
  const Int16 body = bytes.Take<Int16>();
  if (!std::isfinite(jd)) return 0;
  static ElementsTable elements = [] {
    ElementsTable e{};
    FillElements(e);
    return e;
  }();
  PlanetRequestValues values;
  LabelTexts labels;
  const bool done = fuzz::ResultOrRuntimeError([&] { RunPlanetRequest(elements, jd, body, ".", values, labels); });
  // The labels are written in their order, as far as the request got.
  std::size_t n = 0;
  while (n < ResultLabelCount && labels.Written(static_cast<ResultLabel>(n))) ++n;
  for (std::size_t i = n; i < ResultLabelCount; ++i) {
    fuzz::Require(!labels.Written(static_cast<ResultLabel>(i)), "labels out of order");
  }
  fuzz::Require(n == 0 || n == 4 || n == 9 || n == 20, "a request stopped between two labels of a block");
  if (body < 1 || body > 9) fuzz::Require(n == 0, "an invalid body wrote a label");
  if (!done) return 0;
  const auto& eq = values.equatorial;
  fuzz::Require(eq.rightAscensionDeg >= 0 && eq.rightAscensionDeg < 360, "right ascension out of range");
  fuzz::Require(eq.rightAscensionHours >= 0 && eq.rightAscensionHours < 24, "hours out of range");
  fuzz::Require(eq.declination >= -90 && eq.declination <= 90, "declination out of range");
  fuzz::Require(eq.geoDistance >= 0 && eq.geoDistance < 100, "distance out of range");
  fuzz::Require(values.planet.radius > 0 && values.earth.radius > 0, "radius not positive");
  fuzz::Require(Val(labels[ResultLabel::rv]) == Val(CStr(eq.geoDistance)), "rv is not CStr of the distance");
  fuzz::Require((labels[ResultLabel::signo] == "-") == (eq.declination < 0), "signo does not match");
  return 0;
}
