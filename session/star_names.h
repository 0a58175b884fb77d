#pragma once
// How a star is named on the pictures: its proper name in the form
// Spanish writing uses ("Sirio", "Régulo", "Estrella Polar"), else its
// IAU name, else its Bayer letter or Flamsteed number with the
// constellation's abbreviation ("γ Leo", "32 Leo"), else its Hipparcos
// number ("HIP 12345").
#include <string>
#include <string_view>

#include "sky/stars/stars.h"

namespace orbitas {

// The star's proper name in Spanish, or "" for a star without one.
std::string_view StarProperName(const Star& star);

// The name the pictures label and title the star with.
std::string StarLabel(const Star& star);

}  // namespace orbitas
