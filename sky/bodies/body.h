#pragma once
// The bodies of the sky library: the Sun, the eight planets and Pluto, the
// Earth and the Moon. Below this library a body is the method's 16-bit
// number (1 to 9); here it is a type, converted from that number in one
// place, and asked what it is rather than compared with numbers.
#include <optional>
#include <string_view>
#include <vector>

#include "runtime/conversions.h"

namespace orbitas {

// The values of the planets are the method's body numbers.
enum class Body : Int16 {
  Sun = 0,
  Mercury = 1,
  Venus = 2,
  Earth = 3,
  Mars = 4,
  Jupiter = 5,
  Saturn = 6,
  Uranus = 7,
  Neptune = 8,
  Pluto = 9,
  Moon = 10,
};

// The body of the method's number (0 for the Sun, 1 to 9, 10 for the
// Moon); none for any other number. Raises nothing.
constexpr std::optional<Body> BodyFromNumber(Int16 number) {
  if (number < 0 || number > 10) return std::nullopt;
  return static_cast<Body>(number);
}

// The method's number of a planet or the Earth (1 to 9); 0 for the Sun and
// 10 for the Moon, which the method does not have.
constexpr Int16 BodyNumber(Body body) { return static_cast<Int16>(body); }

// The method's planets besides the Earth, Pluto included, in its order:
// what is shown when no planet is named.
inline const std::vector<Body> AllPlanets = {Body::Mercury, Body::Venus,  Body::Mars,    Body::Jupiter,
                                             Body::Saturn,  Body::Uranus, Body::Neptune, Body::Pluto};

// The five planets the eye sees, as a year's chart and an almanac show them.
inline const std::vector<Body> BrightPlanets = {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
                                                Body::Saturn};

// A planet of the method, Pluto included, the Earth not.
constexpr bool IsPlanet(Body body) { return body >= Body::Mercury && body <= Body::Pluto && body != Body::Earth; }

// Mercury and Venus, whose orbits lie inside the Earth's.
constexpr bool IsInferior(Body body) { return body == Body::Mercury || body == Body::Venus; }

// Whether the reference (ERFA) has the body: every one but Pluto.
constexpr bool HasReference(Body body) { return body != Body::Pluto; }

// A short English code for programs: "sun", "mercury", ... "moon".
constexpr std::string_view BodyCode(Body body) {
  constexpr std::string_view Codes[] = {"sun",    "mercury", "venus",  "earth",   "mars", "jupiter",
                                        "saturn", "uranus",  "neptune", "pluto", "moon"};
  return Codes[BodyNumber(body)];
}

}  // namespace orbitas
