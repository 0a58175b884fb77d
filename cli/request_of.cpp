#include "cli/arguments.h"

namespace orbitas::cli {

// What a command of the sky asks, from its arguments: its bodies, place,
// zone, local date, limits and options by name. Each command sets the
// instants it takes (an instant, a span), read from its bounds.
SkyRequest RequestOf(const Arguments& args) {
  SkyRequest request;
  request.bodies = BodiesOf(args.bodies);
  request.place = args.place;
  request.zone = args.zone;
  request.date = args.localDate;
  request.year = args.year;
  request.limits = args.limits;
  request.chartField = args.chartField;
  request.faintestStar = args.magnitudeLimit;
  request.sunAndMoon = !args.namedPlanets;
  request.moon = args.moonPhenomena;
  request.approachLimit = args.approachLimit;
  // The JSON always carries the method's answer; the text, with --metodo.
  request.withMethod = args.method || args.json;
  return request;
}

}  // namespace orbitas::cli
