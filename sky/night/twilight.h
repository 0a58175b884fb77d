#pragma once
// The sky's light by the Sun's altitude: day, civil, nautical and
// astronomical twilight, and night. Every night, chart and picture of the
// night tells them apart by this one function.
#include <array>

#include "sky/frames/horizon.h"

namespace orbitas {

// The Sun's altitudes that bound the twilights, degrees.
inline constexpr double CivilTwilight = -6.0;
inline constexpr double NauticalTwilight = -12.0;
inline constexpr double AstronomicalTwilight = -18.0;

enum class SkyLight { Day, Civil, Nautical, Astronomical, Night };

// The Sun's altitudes between one light and the next, degrees: the k-th
// bounds SkyLight k from SkyLight k + 1 (sunset's, -6, -12, -18).
inline constexpr std::array<double, 4> TwilightLimits = {SunsetAltitude, CivilTwilight, NauticalTwilight,
                                                         AstronomicalTwilight};

// The sky's light with the Sun's centre at sunAltitude (degrees): a limit
// itself belongs to the darker side. Raises nothing.
constexpr SkyLight LightOf(double sunAltitude) {
  int k = 0;
  while (k < static_cast<int>(TwilightLimits.size()) && !(sunAltitude > TwilightLimits[k])) ++k;
  return static_cast<SkyLight>(k);
}

// Whether the Sun is below limit k of TwilightLimits in that light.
constexpr bool IsBelow(SkyLight light, std::size_t limit) { return static_cast<std::size_t>(light) > limit; }

// Calls crossed(k, down) for each limit k of TwilightLimits that a change
// of light from before to after crosses, down when the sky grows darker.
template <typename F>
void ForEachLimitCrossed(SkyLight before, SkyLight after, F&& crossed) {
  const bool down = after > before;
  const auto from = static_cast<std::size_t>(down ? before : after), to = static_cast<std::size_t>(down ? after : before);
  for (std::size_t k = from; k < to; ++k) crossed(k, down);
}

}  // namespace orbitas
