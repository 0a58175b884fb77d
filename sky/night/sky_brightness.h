#pragma once
// How bright the night sky is at a point, and the faintest star the naked
// eye sees there. The dark sky and the Moon's light are Krisciunas and
// Schaefer's model (PASP 103, 1033, 1991), in nanolamberts; the limiting
// magnitude is Schaefer's threshold of night vision (PASP 102, 212, 1990),
// the relation Garstang's sky model uses. Twilight is a rough term of
// this program's own (see TwilightSkyBrightness), for the nights whose Sun
// never sinks below −18°.
namespace orbitas {

// How dark the observer's sky is, by Bortle's scale (J. E. Bortle, "Gauging
// Light Pollution: The Bortle Dark-Sky Scale", Sky & Telescope, February
// 2001): a dark site (class 2), a rural sky (3), a suburban one (5), the
// edge of a town (7) and a city (8).
enum class SkyDarkness { Dark, Rural, Suburban, Urban, City };

// The naked-eye limiting magnitude at the zenith on a moonless night for
// each class, the middle of Bortle's range: 7.3, 6.8, 5.8, 4.8 and 4.4.
// Raises nothing.
double ZenithLimitingMagnitude(SkyDarkness sky);

// The Bortle class of each (2, 3, 5, 7, 8). Raises nothing.
int BortleClass(SkyDarkness sky);

// A dark site's sky at the zenith, V magnitudes per square arcsecond
// (Krisciunas and Schaefer's moonless Mauna Kea, 21.587), and the V band's
// extinction, magnitudes per airmass (theirs, 0.172).
inline constexpr double DarkZenithSurfaceMagnitude = 21.587;
inline constexpr double VisualExtinction = 0.172;

// The airmass at zenith distance z (degrees, 0..90):
// (1 − 0.96 sin² z)^(−1/2). Raises nothing.
double Airmass(double zenithDistance);

// A surface brightness of v magnitudes per square arcsecond in
// nanolamberts: 34.08 · exp(20.7233 − 0.92104 v). Raises nothing.
double Nanolamberts(double surfaceMagnitude);

// The moonless sky at zenith distance z (degrees), nanolamberts: the dark
// zenith's brightness, brighter by the path through the air and dimmer by
// its extinction. Raises nothing.
double DarkSkyBrightness(double zenithDistance);

// The moonless sky of the class sky at zenith distance z (degrees),
// nanolamberts: a zenith as bright as gives that class's limiting
// magnitude by NakedEyeLimitingMagnitude, brightening towards the
// horizon as DarkSkyBrightness does. Raises nothing.
double MoonlessSkyBrightness(SkyDarkness sky, double zenithDistance);

// The sky of twilight with the Sun at sunAltitude (degrees), nanolamberts,
// the same everywhere in the sky: none with the Sun below −18°, then
// brighter by 0.9 magnitudes per square arcsecond for each degree the Sun
// climbs (about 11 at −6°, where the brightest stars appear). A rough
// approximation of this program's, not a published model. Raises nothing.
double TwilightSkyBrightness(double sunAltitude);

// The Moon's scattered light at a point of the sky, nanolamberts:
// phaseAngle is the Sun–Moon–Earth angle (degrees, 0 at full moon),
// separation the angle from the Moon to the point (degrees),
// moonZenithDistance and zenithDistance where each stands (degrees, below
// 90: the Moon above the horizon). Raises nothing.
double MoonlitSkyBrightness(double phaseAngle, double separation, double moonZenithDistance, double zenithDistance);

// The faintest star the naked eye sees against a sky of brightness
// nanolamberts, magnitudes: Schaefer's threshold I = C1 (1 + √(C2 B))²
// (foot-candles; C1 = 10^−9.8, C2 = 10^−1.9 below 1480 nL, 10^−8.35 and
// 10^−5.9 above), m = −16.57 − 2.5 log10 I. A dark site gives 6.4, a sky
// lit by the full Moon 4 to 5. Raises nothing.
double NakedEyeLimitingMagnitude(double nanolamberts);

// Its inverse: the sky's brightness (nanolamberts) against which the naked
// eye's faintest star is of magnitude m. Raises nothing.
double SkyBrightnessForLimit(double magnitude);

}  // namespace orbitas
