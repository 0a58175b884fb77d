#include "sky/deep_sky/visual_detection.h"

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"

namespace orbitas {
namespace {

// Crumey's fits, B in cd/m²: the Ricco constant R (steradians) of his
// equation 28, the large-disc threshold C∞ of equation 39, and the
// exponent q of equations 42 to 44.
double RiccoConstant(double b) {
  const double r = std::pow(b, -0.25);
  return std::pow(std::sqrt(5.949e-8 * r * r - 2.389e-7 * r + 2.459e-7) + 4.120e-4 * r - 4.225e-4, 2);
}

double LargeDiscThreshold(double b) {
  const double r = std::pow(b, -0.25);
  return std::sqrt(9.606e-6 * r * r - 6.337e-5 * r + 1.092e-4) + 5.791e-3 * r - 6.177e-3;
}

double Exponent(double b) {
  if (b < 0.193) return 0.6;
  if (b <= 3.426) return 0.8861 + 0.4 * std::log10(b);
  return 1.146 - 0.0885 * std::log10(b);
}

constexpr double SteradiansPerSquareArcminute = 1 / (DegreesPerRadian * DegreesPerRadian * 3600);

}  // namespace

double ThresholdContrast(double background, double area) {
  const double q = Exponent(background);
  const double a = area * SteradiansPerSquareArcminute;
  return std::pow(std::pow(RiccoConstant(background) / a, q) + std::pow(LargeDiscThreshold(background), q), 1 / q);
}

double DetectionMargin(double objectNanolamberts, double skyNanolamberts, double area, const Optics& optics) {
  const double exitPupil = optics.aperture / optics.magnification;
  const double pupilShare = std::min(1.0, (exitPupil / EyePupil) * (exitPupil / EyePupil));
  const double adapted = CandelasPerSquareMetre(skyNanolamberts) * optics.transmission * pupilShare;
  const double seenArea = area * optics.magnification * optics.magnification;
  const double contrast = objectNanolamberts / skyNanolamberts;
  return std::log10(contrast / (FieldFactor * ThresholdContrast(adapted, seenArea)));
}

}  // namespace orbitas
