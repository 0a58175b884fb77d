#include "cli/method_reach.h"

#include "session/nearest_names.h"

namespace orbitas::cli {

std::string BeyondTheMethod(const std::string& what) {
  return what + " queda fuera del alcance del método, que con todos los planetas llega del día juliano "
                "−430546 al 5334693 (años −5891 a 9893)";
}

std::string TypedInstant(const Arguments& args) {
  if (!args.date) return "el día juliano " + Shown(args.julianDay);
  std::string six;
  for (const std::string& value : *args.date) six += (six.empty() ? "" : " ") + value;
  return "el instante " + Shown(six);
}

}  // namespace orbitas::cli
