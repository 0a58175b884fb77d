#pragma once
// Whether the eye sees a faint patch against the sky: Crumey's threshold
// of contrast (A. Crumey, "Human contrast threshold and astronomical
// visibility", MNRAS 442, 2600–2619, 2014), his fit to Blackwell's
// laboratory data for a disc of any size on any background, with his
// treatment of a telescope or binoculars: the object's contrast with the
// sky is what it is, the instrument dims the background the eye adapts to
// (by its transmission and an exit pupil narrower than the eye's) and
// magnifies the patch. The laboratory thresholds are raised by a field
// factor of 1.5, this program's choice: it puts the faintest star of a
// dark site's sky (21.6 mag/arcsec²) at Schaefer's 6.4, the limit the
// program gives for the stars (sky_brightness.h).
#include <vector>

namespace orbitas {

inline constexpr double FieldFactor = 1.5;
inline constexpr double EyePupil = 7.0;  // mm, a dark-adapted young eye

// One way of looking: through an aperture (mm; for the eye alone, its
// pupil) at a magnification, with a share of the light let through.
struct Optics {
  double aperture = EyePupil;  // mm
  double magnification = 1.0;
  double transmission = 1.0;   // 0..1
};

// Crumey's threshold contrast (ΔL/L) of a disc of angular area area
// (square arcminutes, > 0) on a background of luminance background
// (cd/m², > 0): ((R/A)^q + C∞^q)^(1/q), A in steradians, with his full
// curves R(B), C∞(B) and exponent q(B). Raises nothing.
double ThresholdContrast(double background, double area);

// How far above the threshold an object of surface luminance
// objectNanolamberts (its own light, not the sky's) and area (square
// arcminutes) stands on a sky of skyNanolamberts, seen through optics:
// log10 of its contrast over the threshold (times the field factor),
// 0 at the threshold, positive when seen. Raises nothing.
double DetectionMargin(double objectNanolamberts, double skyNanolamberts, double area, const Optics& optics);

// A luminance in nanolamberts as cd/m². Raises nothing.
inline double CandelasPerSquareMetre(double nanolamberts) { return nanolamberts * 3.183098861837907e-6; }

}  // namespace orbitas
