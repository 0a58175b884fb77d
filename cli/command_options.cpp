#include "cli/command_options.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "cli/usage_error.h"

namespace orbitas::cli {
namespace {

using O = OptionId;

struct CommandOptions {
  Command command;
  const char* name;                // as a message names it
  std::initializer_list<O> names;  // the options that choose it
  std::initializer_list<O> takes;  // the others it takes
};

const CommandOptions Table[] = {
    {Command::Instant, "un instante", {}, {O::JulianDay, O::Json, O::Place, O::Zone, O::Picture, O::Size, O::MagnitudeLimit}},
    {Command::Explain, "--explicar", {O::Explain}, {O::JulianDay}},
    {Command::Table, "una tabla", {O::From, O::To, O::Step}, {O::Format, O::Json, O::Place, O::Zone, O::Picture, O::Size}},
    {Command::RiseSet, "--ortos", {O::RiseSet}, {O::Place, O::Zone, O::Json, O::Format, O::Method}},
    {Command::Night, "--noche", {O::Night},
     {O::Place, O::Zone, O::Json, O::Format, O::PlanetLimit, O::SunLimit, O::Instrument, O::Picture, O::Size,
      O::Method, O::Sky}},
    {Command::Nights, "--noche --desde --hasta", {O::Night, O::From, O::To},
     {O::Place, O::Zone, O::Json, O::Format, O::PlanetLimit, O::SunLimit, O::Instrument, O::Method, O::Sky}},
    {Command::Phenomena, "--fenomenos", {O::Phenomena}, {O::From, O::To, O::Place, O::Zone, O::Json, O::Format, O::Separation, O::Method, O::Sky}},
    {Command::SavePlace, "--guardar-lugar", {O::SavePlace}, {O::Zone, O::Sky}},
    {Command::Eclipses, "--eclipses", {O::Eclipses}, {O::From, O::To, O::Place, O::Zone, O::Format, O::Json}},
    {Command::Eclipse, "--eclipse", {O::Eclipse}, {O::Place, O::Zone, O::Json, O::Format, O::Picture, O::Size}},
    {Command::Chart, "--carta", {O::Chart}, {O::Place, O::Zone, O::Field, O::Picture, O::Size}},
    {Command::Tour, "--recorrido", {O::Tour},
     {O::Place, O::Zone, O::Json, O::Format, O::Instrument, O::Aperture, O::Objects, O::Type, O::Everything, O::Sky}},
    {Command::Map, "--mapa", {O::Map}, {O::Place, O::Zone, O::Format, O::Picture, O::Size, O::Region}},
    {Command::Year, "--año", {O::Year}, {O::Place, O::Zone, O::Picture, O::Size, O::Almanac, O::Format, O::Json, O::Sky}},
};

bool Among(O id, std::initializer_list<O> ids) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

std::string NameOf(O id) {
  for (const OptionSpec& option : Options) {
    if (option.id == id) return std::string(option.name);
  }
  return "";
}

[[noreturn]] void Refuse(const OptionSpec& option, const CommandOptions& row) {
  std::vector<std::string> takes;
  for (const O id : row.takes) takes.push_back(NameOf(id));
  std::string list;
  for (std::size_t k = 0; k < takes.size(); ++k) list += (k == 0 ? "" : k + 1 == takes.size() ? " y " : ", ") + takes[k];
  throw UsageError(std::string(option.name) + " no se usa con " + row.name + ", que admite " + list);
}

}  // namespace

void RequireOptionsOf(Command command, const std::vector<const OptionSpec*>& given, bool julianDay, bool place,
                      bool picture) {
  const CommandOptions* row = nullptr;
  for (const CommandOptions& r : Table) {
    if (r.command == command) row = &r;
  }
  if (!row) return;  // --help and --version take everything before them
  for (const OptionSpec* option : given) {
    if (Among(option->id, row->names) || Among(option->id, row->takes)) continue;
    Refuse(*option, *row);
  }
  if (command == Command::Instant && julianDay && !(place && picture)) {
    for (const OptionSpec* option : given) {
      if (option->id == O::Zone) {
        throw UsageError("--zona no cambia nada con --jd, que ya es un instante en UT; sí con los seis valores "
                         "(que lee en esa zona) y con --lugar y --dibujo (la hora del cielo dibujado)");
      }
    }
  }
}

}  // namespace orbitas::cli
