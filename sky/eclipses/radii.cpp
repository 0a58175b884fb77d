#include "sky/eclipses/radii.h"

#include <cmath>

namespace orbitas {

double Semidiameter(double radius, double distance) { return std::asin(radius / distance); }

}  // namespace orbitas
