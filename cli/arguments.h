#pragma once
// The command line of orbitas-cli.
#include <optional>
#include <string>
#include <vector>

#include "calendar/time_zone.h"
#include "cli/output_format.h"
#include "cli/usage_error.h"
#include "pictures/picture_file.h"
#include "report/table_rows.h"
#include "session/instant.h"
#include "session/runners.h"
#include "session/table_plan.h"
#include "session/eclipse_map_contents.h"
#include "session/tour.h"

namespace orbitas::cli {

enum class Command { Help, Version, Instant, Table, Explain, RiseSet, Night, Nights, Phenomena, SavePlace, Eclipses, Eclipse, Chart, Year, Tour, Map };


struct Arguments {
  Command command = Command::Instant;
  bool json = false;
  bool method = false;            // --metodo: the method's answer beside the sky's
  std::optional<DateTexts> date;  // the six values, when no Julian day is given
  std::string julianDay;          // the text after --jd, read whole by Val
  std::vector<Int16> bodies;      // the chosen planets; all eight when none is named
  TableRequest table;             // --from, --to, --step
  OutputFormat format = OutputFormat::Text;                     // --formato
  report::TableFormat tableFormat = report::TableFormat::Text;  // a table's
  pictures::PictureRequest picture;  // --dibujo, --tamaño
  bool moonPhenomena = false;     // "Luna" among --fenomenos's bodies
  std::optional<Place> place;     // --lugar, or the home place for --ortos and --noche
  TimeZone zone;                  // --zona; UTC when not given
  CivilTime localDate;            // --ortos, --noche: the local date
  NightLimits limits;             // --altura-minima, --altura-sol
  TourChoice tour;                // --recorrido: --objetos, --tipo, --instrumento, --apertura, --todos
  MapRegion mapRegion;            // --mapa --region
  double approachLimit = 1.0;     // --separación, degrees
  double chartField = 20.0;       // --campo: the finder chart's field, degrees
  int year = 0;                   // --año: the year of the chart
  bool almanac = false;           // --almanaque: the month pages after the chart
  double magnitudeLimit = 5.0;    // --magnitud-limite: the faintest stars on the sky dome
  bool namedPlanets = false;      // planets were named: only their phenomena
  std::string homePath;           // --guardar-lugar: the file to write
  std::string savedZone;          // --guardar-lugar: the zone to save with the place, or empty
  std::string savedSky;           // --cielo's code, saved with the place by --guardar-lugar; or empty
  std::vector<std::string> notes; // what orbitas-cli says on stderr besides: the other places of that name
};

// The program's arguments (without the program name). Raises UsageError,
// among others for a date value or Julian day that Val would read only in
// part ("2451545,5", "12h", "abc").
Arguments ParseArguments(const std::vector<std::string>& args);

// The usage text shown by --help (the forms, the options from the option
// table, the details and the examples), and the short one after a usage
// error.
std::string UsageText();
extern const char* const ShortUsageText;

// What a command of the sky asks, from its arguments: its bodies, place,
// zone, local date, limits and options by name. Each command sets the
// instants it takes (an instant, a span), read from its bounds. Raises
// nothing.
SkyRequest RequestOf(const Arguments& args);

}  // namespace orbitas::cli
