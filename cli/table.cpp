#include "table.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>

#include "arguments.h"
#include "instant.h"
#include "instant_output.h"
#include "json.h"
#include "number_text.h"
#include "text_layout.h"

namespace orbitas::cli {
namespace {

constexpr double SecondsPerDay = 86400.0;
constexpr double UnixEpochJulianDay = 2440587.5;

double JulianDayOfCivilApprox(const CivilTime& t) {
  return SecondsFromCivil(t) / SecondsPerDay + UnixEpochJulianDay;
}

// The label texts of one row, kept by position and reused from row to row.
// A CSV row shows only the sexagesimal fields as texts; its other columns
// are numbers, so their texts are never made.
using L = ResultLabel;

class RowDisplay : public ResultDisplay {
 public:
  explicit RowDisplay(bool allLabels) : all_(allLabels) {}
  void Show(ResultLabel label, const std::string& text) override {
    texts_[static_cast<std::size_t>(label)] = text;
  }
  bool Wants(ResultLabel label) const override {
    return all_ || (label >= ResultLabel::arh && label <= ResultLabel::das);
  }
  const std::string& operator[](ResultLabel label) const { return texts_[static_cast<std::size_t>(label)]; }

 private:
  bool all_;
  std::array<std::string, ResultLabelCount> texts_;
};

std::string SexagesimalRa(const RowDisplay& d) { return d[L::arh] + " " + d[L::arm] + " " + d[L::ars]; }
std::string SexagesimalDec(const RowDisplay& d) {
  return (d[L::signo].empty() ? "" : d[L::signo] + " ") + d[L::dg] + " " + d[L::dam] + " " + d[L::das];
}

std::string TextHeader() {
  std::string h = PadRight("Fecha y hora", 22) + PadRight("Día juliano", 18) + PadRight("Planeta", 9);
  for (const char* c : {"X Tierra", "Y Tierra", "Z Tierra", "R Tierra", "X planeta", "Y planeta",
                        "Z planeta", "R planeta", "α (h)"}) {
    h += PadRight(c, 23);
  }
  return h + PadRight("α h m s", 16) + PadRight("δ (°)", 23) + PadRight("δ ° ′ ″", 20) + "RVec\n";
}

void AppendTextRow(std::string& row, const std::string& instant, const std::string& julianDay,
                   Int16 body, const RowDisplay& d) {
  row += PadRight(instant, 22) + PadRight(julianDay, 18) + PadRight(std::string(BodyName(body)), 9);
  for (const ResultLabel at : {L::xhelt, L::yhelt, L::zhelt, L::rhelt, L::xhelp, L::yhelp, L::zhelp, L::rhelp, L::ascrec}) {
    row += PadRight(d[at], 23);
  }
  row += PadRight(SexagesimalRa(d), 16) + PadRight(d[L::declin], 23) + PadRight(SexagesimalDec(d), 20) + d[L::rv] + "\n";
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

constexpr const char* CsvHeader =
    "instant,julian_day,body,planet,earth_x,earth_y,earth_z,earth_r,planet_x,planet_y,"
    "planet_z,planet_r,ra_hours,ra_h,ra_m,ra_s,dec_degrees,dec_sign,dec_d,dec_m,dec_s,"
    "distance\r\n";

// A comma and the shortest text that reads back to x.
void AppendNumber(std::string& row, double x) {
  char buffer[32];
  buffer[0] = ',';
  const auto result = std::to_chars(buffer + 1, buffer + sizeof buffer, x);
  row.append(buffer, result.ptr);
}

void AppendField(std::string& row, const std::string& text) {
  row += ',';
  row += text;
}

void AppendCsvRow(std::string& row, const std::string& instant, double julianDay, Int16 body,
                  const PlanetRequestValues& v, const RowDisplay& d) {
  const auto& eq = v.equatorial;
  row += CsvField(instant);
  AppendNumber(row, julianDay);
  AppendField(row, std::to_string(body));
  AppendField(row, std::string(BodyName(body)));
  for (const double x : {v.earth.x, v.earth.y, v.earth.z, v.earth.radius, v.planet.x, v.planet.y,
                         v.planet.z, v.planet.radius, eq.rightAscensionHours}) {
    AppendNumber(row, x);
  }
  for (const ResultLabel at : {L::arh, L::arm, L::ars}) AppendField(row, d[at]);
  AppendNumber(row, eq.declination);
  for (const ResultLabel at : {L::signo, L::dg, L::dam, L::das}) AppendField(row, d[at]);
  AppendNumber(row, eq.geoDistance);
  row += "\r\n";
}

std::string JsonRow(const std::string& instant, const InstantOutcome& o) {
  return "{\"instant\": " + JsonString(instant) + ", " + InstantAsJson(o).substr(1);
}

class Progress {
 public:
  Progress(bool enabled, std::int64_t total) : enabled_(enabled && total >= 20000), total_(total) {}
  void Update(std::int64_t done) {
    if (!enabled_ || (done & 1023) != 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - shown_ < std::chrono::milliseconds(250)) return;
    shown_ = now;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    const double left = done > 0 ? elapsed * static_cast<double>(total_ - done) / static_cast<double>(done) : 0;
    std::fprintf(stderr, "\r%lld/%lld filas, quedan %.0f s   ", static_cast<long long>(done),
                 static_cast<long long>(total_), left);
    std::fflush(stderr);
  }
  ~Progress() {
    if (enabled_) std::fprintf(stderr, "\r%60s\r", "");
  }

 private:
  bool enabled_;
  std::int64_t total_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point shown_{};
};

}  // namespace

TablePlan::TablePlan(const TableRequest& request) : request_(request) {
  double span = 0;  // seconds
  if (civil()) {
    startSeconds_ = SecondsFromCivil(*request.start.civil);
    const double end = request.end.civil ? SecondsFromCivil(*request.end.civil)
                                         : (request.end.julianDay - UnixEpochJulianDay) * SecondsPerDay;
    span = end - startSeconds_;
  } else {
    const double end = request.end.civil ? JulianDayOfCivilApprox(*request.end.civil) : request.end.julianDay;
    span = (end - request.start.julianDay) * SecondsPerDay;
  }
  if (span < 0) throw UsageError("el final de la tabla es anterior a su inicio");
  // A tolerance of a millionth of a step lets an end that falls on a row
  // count despite rounding in the conversion of the bounds.
  const double steps = std::floor(span / request.stepSeconds + 1e-6);
  const double bodies = static_cast<double>(request.bodies.size());
  if (!(steps + 1 <= static_cast<double>(MaxTableRows) / bodies)) {
    throw UsageError("la tabla tendría más de diez millones de filas");
  }
  instants_ = static_cast<std::int64_t>(steps) + 1;
}

CivilTime TablePlan::CivilAt(std::int64_t k) const {
  return CivilFromSeconds(startSeconds_ + static_cast<double>(k) * request_.stepSeconds);
}

double TablePlan::JulianDayAt(std::int64_t k) const {
  return request_.start.julianDay + static_cast<double>(k) * request_.stepSeconds / SecondsPerDay;
}

int WriteTable(const TablePlan& plan, const std::string& separator, std::FILE* out, bool progressTerminal) {
  const TableFormat format = plan.request().format;
  // CSV and JSON are for programs: "." whatever the locale.
  const std::string sep = format == TableFormat::Text ? separator : ".";
  if (format == TableFormat::Text) std::fputs(TextHeader().c_str(), out);
  if (format == TableFormat::Csv) std::fputs(CsvHeader, out);

  ElementsTable elements{};
  FillElements(elements);
  Progress progress(progressTerminal, plan.rows());
  RowDisplay display(format == TableFormat::Text);
  PlanetRequestValues values;
  std::string row;
  std::int64_t done = 0;
  for (std::int64_t k = 0; k < plan.instants(); ++k) {
    std::string instant;
    InstantOutcome outcome;
    try {
      if (plan.civil()) {
        const CivilTime t = plan.CivilAt(k);
        instant = IsoText(t);
        ComputeDateValues(static_cast<double>(t.year), t.month, t.day, t.hour, t.minute, t.second,
                          sep, outcome);
      } else {
        outcome.julianDay = plan.JulianDayAt(k);
        outcome.diajuliano = CStr(outcome.julianDay, sep);
        instant = IsoText(CivilFromJulianDay(outcome.julianDay));
      }
      for (const Int16 body : plan.request().bodies) {
        row.clear();
        if (format == TableFormat::Json) {
          InstantOutcome single = outcome;
          ComputePlanets(elements, {body}, sep, single);
          row = JsonRow(instant, single);
        } else {
          RunPlanetRequest(elements, outcome.julianDay, body, sep, values, display);
          if (format == TableFormat::Text) {
            AppendTextRow(row, instant, *outcome.diajuliano, body, display);
          } else {
            AppendCsvRow(row, instant, outcome.julianDay, body, values, display);
          }
        }
        std::fwrite(row.data(), 1, row.size(), out);
        progress.Update(++done);
      }
    } catch (const RuntimeError& error) {
      std::fflush(out);
      if (instant.empty()) instant = plan.civil() ? IsoText(plan.CivilAt(k)) : CStr(plan.JulianDayAt(k));
      std::fprintf(stderr, "orbitas-cli: %s: %s\n", instant.c_str(), error.what());
      return 1;
    }
  }
  std::fflush(out);
  return 0;
}

}  // namespace orbitas::cli
