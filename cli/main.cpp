// orbitas-cli: the window's computation from a shell.
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command_context.h"
#include "cli/planning_commands.h"
#include "cli/method_reach.h"
#include "session/places/home_place.h"
#include "calendar/civil_days.h"
#include "cli/decimal_separator.h"
#include "report/explain.h"
#include "report/instant_output.h"
#include "report/almanac_text.h"
#include "report/calendar_file.h"
#include "report/eclipse_output.h"
#include "report/night_output.h"
#include "report/eclipse_map_output.h"
#include "report/tour_output.h"
#include "report/nights_output.h"
#include "report/phenomena_output.h"
#include "cli/progress.h"
#include "cli/output.h"
#include "pictures/almanac_picture.h"
#include "pictures/eclipse_map_picture.h"
#include "pictures/eclipse_picture.h"
#include "pictures/finder_chart_picture.h"
#include "pictures/night_picture.h"
#include "pictures/orbit_picture.h"
#include "pictures/picture_file.h"
#include "pictures/sky_dome_picture.h"
#include "pictures/sky_path_picture.h"
#include "pictures/year_chart_picture.h"
#include "session/chart_contents.h"
#include "session/nearest_names.h"
#include "session/terminal_text.h"
#include "session/picture_contents.h"
#include "session/year_chart_contents.h"
#include "session/runners.h"
#include "session/request_refused.h"
#include "report/sky_output.h"
#include "report/year_nights_output.h"
#include "report/year_output.h"
#include "cli/table.h"
#include "cli/typed_values.h"
#include "files/safe_file.h"

namespace {

constexpr int ExitUsage = 2;

using namespace orbitas;
using namespace orbitas::cli;
using pictures::PictureRequest;

int RunHelp(const Arguments&, Context& ctx) {
  ctx.out.Write(UsageText());
  return 0;
}

int RunVersion(const Arguments&, Context& ctx) {
  ctx.out.Write("orbitas-cli " ORBITAS_VERSION "\n");
  return 0;
}

int RunInstant(const Arguments& args, Context& ctx) {
  const std::string& separator = ctx.separator;
  OpenPicture(args, ctx);
  const InstantOutcome outcome =
      ComputeInstant(args.date, args.julianDay, args.bodies, separator, args.place, args.zone);
  ctx.out.Write(args.json ? report::InstantAsJson(outcome)
                          : report::InstantAsText(outcome, args.place, separator));
  if (ctx.picture) {
    const ElementsTable& elements = MethodElements();
    const PictureRequest& size = ctx.picture->request();
    // From a place, the sky as seen from there; otherwise the orbits from
    // above.
    const std::string svg =
        args.place && !outcome.error
            ? pictures::DrawSkyDome(
                  SkyDomeOf(outcome, elements, *args.place, args.zone, args.magnitudeLimit), separator,
                  size.width, size.height)
            : pictures::DrawOrbits(OrbitPictureOf(outcome, BodiesOf(args.bodies), elements), separator, size.width,
                                   size.height);
    if (!Finish(ctx, svg)) return ExitRuntimeError;
  }
  if (outcome.error) {
    ctx.out.Flush();
    Complain(std::string(ErrorMessage(*outcome.error)) + ": " + BeyondTheMethod(TypedInstant(args)));
    return ExitRuntimeError;
  }
  return 0;
}

int RunTable(const Arguments& args, Context& ctx) {
  const TablePlan plan(args.table);  // refuses bad bounds before any output
  if (!args.picture.path.empty() && plan.rows() > MaxPictureRows) {
    throw UsageError("la tabla tiene " + std::to_string(plan.rows()) +
                     " filas y un dibujo admite como mucho 100 000");
  }
  OpenPicture(args, ctx);
  SkyPathCollector paths(args.table.bodies);
  const std::optional<TableStop> stop = WriteTable(plan, args.tableFormat, ctx.separator, ctx.out,
                                                   isatty(STDERR_FILENO) == 1, ctx.picture ? &paths : nullptr);
  if (stop) Complain(stop->instant + ": " + stop->message + ": " + BeyondTheMethod("esa fila"));
  if (ctx.picture) {
    const PictureRequest& size = ctx.picture->request();
    if (!Finish(ctx, pictures::DrawSkyPaths(SkyPathsOf(paths.paths(), paths.stopped()), ctx.separator,
                                            size.width, size.height))) {
      return ExitRuntimeError;
    }
  }
  return stop ? ExitRuntimeError : 0;
}

// Rising, culmination and setting of each planet on a local date.
int RunRiseSet(const Arguments& args, Context& ctx) {
  const RiseSetAnswer riseSet = orbitas::RunRiseSet(RequestOf(args));
  ctx.out.Write(args.json ? report::RiseSetJson(riseSet) : report::RiseSetText(riseSet, ctx.separator));
  if (riseSet.stopped) {
    ctx.out.Flush();
    Complain(riseSet.stopped->what());
    return ExitRuntimeError;
  }
  return 0;
}

// What can be seen the night that begins on the evening of a local date.
int RunNight(const Arguments& args, Context& ctx) {
  OpenPicture(args, ctx);
  const std::string date = LocalDayOf(args.localDate, args.zone, 12).date;
  ctx.beyond = [date] { return ": la noche del " + date + " queda fuera del alcance del método"; };
  const NightAnswer night = orbitas::RunNight(RequestOf(args));
  ctx.beyond = nullptr;
  ctx.out.Write(args.json ? report::NightJson(night) : report::NightText(night, ctx.separator));
  if (ctx.picture) {
    const PictureRequest& size = ctx.picture->request();
    const std::string svg = pictures::DrawNight(
        NightPictureOf(night.night, MethodElements(), night.place, night.zone, night.date), ctx.separator,
        size.width, size.height);
    if (!Finish(ctx, svg)) return ExitRuntimeError;
  }
  return 0;
}

// Many nights from --desde to --hasta, a line (or row, or object) each.
int RunNights(const Arguments& args, Context& ctx) {
  if (args.format == OutputFormat::Csv) ctx.out.Write(report::NightSummaryCsvHeader());
  ctx.beyond = [] { return std::string(": una noche queda fuera del alcance del método"); };
  SkyRequest request = RequestOf(args);
  request.date = *args.table.start.civil;
  request.lastDate = *args.table.end.civil;
  orbitas::RunNights(request, [&](const NightAnswer& night) {
                       switch (args.format) {
                         case OutputFormat::Csv: ctx.out.Write(report::NightSummaryCsvRow(night)); break;
                         case OutputFormat::Json: ctx.out.Write(report::NightSummaryJson(night)); break;
                         default: ctx.out.Write(report::NightSummaryLine(night, ctx.separator)); break;
                       }
                     });
  return 0;
}

// A calendar file stamped with SOURCE_DATE_EPOCH when set, for files that
// come out the same every time, else now.
report::CalendarFile StampedCalendar() {
  return report::CalendarFile(report::CalendarStamp(std::getenv("SOURCE_DATE_EPOCH")));
}

// How a span command writes what it finds in each format: the text's
// heading and the CSV's header above, and a row for each thing found.
template <typename Found>
struct SpanRows {
  std::string textHeading, csvHeader;
  std::string (*text)(const Found&, const TimeZone&, std::string_view separator);
  std::string (*csv)(const Found&, const TimeZone&);
  std::string (*json)(const Found&, const TimeZone&);
  std::string (*calendar)(const Found&, const report::CalendarFile&);
};

// The span from --desde to --hasta.
Span SpanOf(const Arguments& args) {
  const Span span{BoundInstant(args.table.start, args.zone), BoundInstant(args.table.end, args.zone)};
  if (span.to < span.from) throw UsageError("el final del intervalo es anterior a su inicio");
  return span;
}

// Runs a span command: run(span, each) hands each thing to each as
// it is found, and each is written at once in the chosen format, between
// the format's head and, unless run raises, its foot.
template <typename Found, typename Run>
void WriteSpan(const Arguments& args, Context& ctx, const SpanRows<Found>& rows, Run&& run) {
  const Span span = SpanOf(args);
  const report::CalendarFile calendar = StampedCalendar();
  Output& out = ctx.out;
  switch (args.format) {
    case OutputFormat::Text: out.Write(rows.textHeading); break;
    case OutputFormat::Csv: out.Write(rows.csvHeader); break;
    case OutputFormat::Ics: out.Write(calendar.Begin()); break;
    case OutputFormat::Json:
    case OutputFormat::GeoJson:  // refused before: only --mapa takes it
    case OutputFormat::Kml: break;
  }
  run(span, [&](const Found& found) {
    switch (args.format) {
      case OutputFormat::Text: out.Write(rows.text(found, args.zone, ctx.separator)); break;
      case OutputFormat::Csv: out.Write(rows.csv(found, args.zone)); break;
      case OutputFormat::Json: out.Write(rows.json(found, args.zone)); break;
      case OutputFormat::Ics: out.Write(rows.calendar(found, calendar)); break;
      case OutputFormat::GeoJson:
      case OutputFormat::Kml: break;
    }
  });
  if (args.format == OutputFormat::Ics) out.Write(calendar.End());
}

// The phenomena from --desde to --hasta, written as they are found.
int RunPhenomena(const Arguments& args, Context& ctx) {
  const SpanRows<YearEvent> rows{"", report::PhenomenonCsvHeader(),
                                 args.method ? report::YearEventLineWithMethod : report::YearEventLine,
                                 report::YearEventCsvRow, report::YearEventJson, report::YearEventCalendar};
  ctx.reached = SpanOf(args).from;
  ctx.beyond = [&ctx] { return ": el método no llega más allá del " + TimeZone().ToSecond(ctx.reached).Date(); };
  WriteSpan(args, ctx, rows, [&](const Span& span, const auto& each) {
    Progress progress(isatty(STDERR_FILENO) == 1, static_cast<std::int64_t>(span.Days()), "días", 3650, 1);
    SkyRequest request = RequestOf(args);
    request.span = span;
    orbitas::RunPhenomena(request, each, [&](const auto& told) {
      ctx.reached = told.reached;
      progress.Update(static_cast<std::int64_t>(told.done * span.Days()));
    });
  });
  return 0;
}

std::string EclipseCalendar(const EclipseSeen& seen, const report::CalendarFile& calendar) { return calendar.Event(seen); }

// The eclipses and transits from --desde to --hasta, written as found.
int RunEclipseList(const Arguments& args, Context& ctx) {
  const SpanRows<EclipseSeen> rows{report::EclipseListHeading(args.place, args.zone),
                                   report::EclipseCsvHeader(), report::EclipseLine, report::EclipseCsvRow,
                                   report::EclipseJson, EclipseCalendar};
  WriteSpan(args, ctx, rows,
            [&](const Span& span, const auto& each) {
              SkyRequest request = RequestOf(args);
              request.span = span;
              RunEclipses(request, each);
            });
  return 0;
}

// The first eclipse or transit from a date, in full.
int RunOneEclipse(const Arguments& args, Context& ctx) {
  OpenPicture(args, ctx);
  SkyRequest request = RequestOf(args);
  request.at = BoundInstant(args.table.start, args.zone);
  const std::optional<EclipseSeen> seen = RunFirstEclipse(request);
  if (!seen) {
    Complain("no hay ningún eclipse ni tránsito hasta el año 3000");
    return ExitRuntimeError;
  }
  ctx.out.Write(args.json ? report::EclipseJson(*seen, args.zone)
                          : report::EclipseText(*seen, args.place, args.zone, ctx.separator));
  if (!ctx.picture) return 0;
  // The Moon's path is drawn for any place; the Sun's disc as a place sees
  // it, when it sees it; a transit has no picture.
  if (const std::string why = NoEclipsePictureReason(*seen); !why.empty()) {
    Complain(why);
    return ExitRuntimeError;
  }
  const PictureRequest& size = ctx.picture->request();
  const std::string svg =
      pictures::DrawEclipse(EclipsePictureOf(*seen, args.place, args.zone), ctx.separator, size.width, size.height);
  return Finish(ctx, svg) ? 0 : ExitRuntimeError;
}

// A finder chart: one line of what it shows, and the picture.
int RunChart(const Arguments& args, Context& ctx) {
  OpenPicture(args, ctx);
  SkyRequest request = RequestOf(args);
  request.at = BoundInstant(args.table.start, args.zone);
  const FinderChartPicture chart = orbitas::RunChart(request, ctx.separator);
  ctx.out.Write(ChartCaption(chart));
  const PictureRequest& size = ctx.picture->request();
  return Finish(ctx, pictures::DrawFinderChart(chart, ctx.separator, size.width, size.height)) ? 0
                                                                                                     : ExitRuntimeError;
}

// The year at a glance: one line of what it shows, and the picture; with
// --almanaque, a page a month after it: the year's events with the place's
// showers, and the night of each month's 15th.
int RunYear(const Arguments& args, Context& ctx) {
  const SkyRequest request = RequestOf(args);
  if (args.picture.path.empty()) {
    // The chart's numbers, a record a night.
    const bool json = args.format == OutputFormat::Json;
    if (!json) ctx.out.Write(report::YearNightsCsvHeader());
    RunYearNights(request, [&](const YearNightAnswer& night) {
      ctx.out.Write(json ? report::YearNightJson(night, request.zone) : report::YearNightCsvRow(night, request.zone));
    });
    return 0;
  }
  OpenPicture(args, ctx);
  const YearChart chart = RunYearChart(request);
  ctx.out.Write(chart.title + "\n" + chart.sources + "\n");
  const PictureRequest& size = ctx.picture->request();
  const std::string svg = pictures::DrawYearChart(chart, ctx.separator, size.width, size.height);
  if (!args.almanac) return Finish(ctx, svg) ? 0 : ExitRuntimeError;
  std::vector<pictures::PdfPage> pages{{svg, size.width, size.height}};
  const AlmanacYear almanac = RunAlmanacYear(request);
  for (const AlmanacPage& page : report::AlmanacMonths(chart, almanac, ctx.separator)) {
    pages.push_back({pictures::DrawAlmanacPage(page, 595, 842), 595, 842});
  }
  const std::string failure = ctx.picture->CommitPages(pages);
  if (failure.empty()) return 0;
  Complain(failure);
  return ExitRuntimeError;
}

// Writes the home place and says where.
int RunSavePlace(const Arguments& args, Context& ctx) {
  const HomePlaceWritten written = WriteHomePlace(args.homePath, *args.place, args.savedZone, args.savedSky);
  std::string text = "Lugar de casa guardado en " + args.homePath + ": " + args.place->text;
  if (!args.savedZone.empty()) text += ", zona " + args.savedZone;
  if (!args.savedSky.empty()) text += ", cielo " + args.savedSky;
  if (written.before) text += " (en lugar de " + written.before->place.text.substr(std::string("casa: ").size()) + ")";
  ctx.out.Write(text + "\n");
  if (!written.keptBroken.empty()) {
    Complain("el fichero anterior no se podía leer y se ha guardado como " + written.keptBroken);
  }
  return 0;
}

int RunExplain(const Arguments& args, Context& ctx) {
  ctx.beyond = [what = BeyondTheMethod(TypedInstant(args))] { return ": " + what; };
  report::Explain(args.date, args.julianDay, args.bodies.front(), ctx.separator,
                  [&ctx](std::string_view text) { ctx.out.Write(text); });
  return 0;
}

// Each command and what runs it: parse, run, write.
struct CommandEntry {
  Command command;
  int (*run)(const Arguments&, Context&);
};
constexpr CommandEntry Commands[] = {
    {Command::Help, RunHelp},         {Command::Version, RunVersion},     {Command::Instant, RunInstant},
    {Command::Table, RunTable},       {Command::RiseSet, RunRiseSet},     {Command::Night, RunNight}, {Command::Tour, RunTour}, {Command::Map, RunEclipseMap},
    {Command::Nights, RunNights},     {Command::Phenomena, RunPhenomena}, {Command::SavePlace, RunSavePlace},
    {Command::Eclipses, RunEclipseList}, {Command::Eclipse, RunOneEclipse}, {Command::Chart, RunChart},
    {Command::Year, RunYear},         {Command::Explain, RunExplain},
};

int Run(const Arguments& args, Context& ctx) {
  for (const CommandEntry& entry : Commands) {
    if (entry.command == args.command) return entry.run(args, ctx);
  }
  return 0;
}

// What was written so far, flushed; the error that stopped it (a reader
// gone), if any, for the error path to say.
std::exception_ptr FlushedOrClosed(Context& ctx) {
  try {
    ctx.out.Flush();
    return nullptr;
  } catch (...) {
    return std::current_exception();
  }
}

// The one error path: what raised, said once, with its status. A request
// the program cannot carry out as asked is said with the short usage
// (status 2); a file at fault without it, since no usage would help; a
// run-time error of the method with how far it got (status 1).
int ExitStatusOf(const std::exception_ptr& raised, Context& ctx) {
  try {
    std::rethrow_exception(raised);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "orbitas-cli: %s\n\n%s", TerminalSafe(error.what()).c_str(), ShortUsageText);
    return ExitUsage;
  } catch (const HomeFileError& error) {
    // The home file, not the command line, is at fault.
    Complain(error.what());
    return ExitUsage;
  } catch (const RequestRefused& error) {
    std::fprintf(stderr, "orbitas-cli: %s\n\n%s", TerminalSafe(error.what()).c_str(), ShortUsageText);
    return ExitUsage;
  } catch (const pictures::PictureFileError& error) {
    Complain(error.what());
    return ExitUsage;
  } catch (const RuntimeError& error) {
    // What was written before the error goes out first; a reader gone
    // meanwhile is said as any closed output is.
    if (const std::exception_ptr closed = FlushedOrClosed(ctx)) return ExitStatusOf(closed, ctx);
    Complain(error.what() + (ctx.beyond ? ctx.beyond() : std::string()));
    return ExitRuntimeError;
  } catch (const OutputError& error) {
    // A reader that went away (a closed pipe) wants no more output: that
    // is no failure, unless a picture was still to be drawn. Anything else
    // is.
    if (error.brokenPipe() && ctx.picturePath.empty()) return 0;
    if (error.brokenPipe()) {
      Complain("la salida estándar se cerró antes del final: el dibujo " + ShownPath(ctx.picturePath) +
               " no se ha escrito");
      return ExitRuntimeError;
    }
    Complain(error.what());
    return ExitRuntimeError;
  } catch (const std::exception& error) {
    // Nothing leaves the program as an abort: what no handler above
    // expected is still said, in a sentence, with a failure's status.
    Complain(std::string("error inesperado: ") + error.what());
    return ExitRuntimeError;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_MESSAGES, "");  // the gazetteer's regions in the user's language
  // A closed pipe is a write error to handle, not a signal that ends the
  // program in the middle of a picture.
  std::signal(SIGPIPE, SIG_IGN);
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  Output out(stdout, "la salida estándar");
  Context ctx{out, DecimalSeparatorFromEnvironment(), {}, {}, {}, {}};
  try {
    const Arguments args = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    ctx.picturePath = args.picture.path;
    for (const std::string& note : args.notes) Complain(note);
    const int status = Run(args, ctx);
    out.Close();
    return status;
  } catch (...) {
    return ExitStatusOf(std::current_exception(), ctx);
  }
}
