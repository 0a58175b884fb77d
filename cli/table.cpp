#include "table.h"

#include <chrono>
#include <cmath>

#include "arguments.h"
#include "instant.h"
#include "instant_output.h"
#include "json.h"
#include "number_text.h"

namespace orbitas::cli {
namespace {

constexpr double SecondsPerDay = 86400.0;
constexpr double UnixEpochJulianDay = 2440587.5;

double JulianDayOfCivilApprox(const CivilTime& t) {
  return SecondsFromCivil(t) / SecondsPerDay + UnixEpochJulianDay;
}

const std::string& LabelText(const PlanetOutcome& p, std::size_t position) { return p.labels[position].second; }

std::string Padded(std::string text, std::size_t width) {
  std::size_t chars = 0;
  for (const char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  if (chars < width) text.append(width - chars, ' ');
  return text;
}

// Positions of the labels in the order a request writes them.
enum LabelAt : std::size_t {
  Rhelt, Xhelt, Yhelt, Zhelt, Planetahel, Rhelp, Xhelp, Yhelp, Zhelp, Planetaec,
  Ascrec, Declin, Arh, Arm, Ars, Signo, Dg, Dam, Das, Rv
};

std::string SexagesimalRa(const PlanetOutcome& p) {
  return LabelText(p, Arh) + " " + LabelText(p, Arm) + " " + LabelText(p, Ars);
}
std::string SexagesimalDec(const PlanetOutcome& p) {
  const std::string& sign = LabelText(p, Signo);
  return (sign.empty() ? "" : sign + " ") + LabelText(p, Dg) + " " + LabelText(p, Dam) + " " + LabelText(p, Das);
}

class TextRows {
 public:
  static std::string Header() {
    std::string h = Padded("Fecha y hora", 22) + Padded("Día juliano", 18) + Padded("Planeta", 9);
    for (const char* c : {"X Tierra", "Y Tierra", "Z Tierra", "R Tierra", "X planeta", "Y planeta",
                          "Z planeta", "R planeta", "α (h)"}) {
      h += Padded(c, 23);
    }
    return h + Padded("α h m s", 16) + Padded("δ (°)", 23) + Padded("δ ° ′ ″", 20) + "RVec\n";
  }
  static std::string Row(const std::string& instant, const InstantOutcome& o, const PlanetOutcome& p) {
    std::string row = Padded(instant, 22) + Padded(*o.diajuliano, 18) +
                      Padded(std::string(BodyName(p.body)), 9);
    for (const LabelAt at : {Xhelt, Yhelt, Zhelt, Rhelt, Xhelp, Yhelp, Zhelp, Rhelp, Ascrec}) {
      row += Padded(LabelText(p, at), 23);
    }
    return row + Padded(SexagesimalRa(p), 16) + Padded(LabelText(p, Declin), 23) +
           Padded(SexagesimalDec(p), 20) + LabelText(p, Rv) + "\n";
  }
};

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

class CsvRows {
 public:
  static std::string Header() {
    return "instant,julian_day,body,planet,earth_x,earth_y,earth_z,earth_r,planet_x,planet_y,"
           "planet_z,planet_r,ra_hours,ra_h,ra_m,ra_s,dec_degrees,dec_sign,dec_d,dec_m,dec_s,"
           "distance\r\n";
  }
  static std::string Row(const std::string& instant, const InstantOutcome& o, const PlanetOutcome& p) {
    const auto& v = p.values;
    const auto& eq = v.equatorial;
    std::string row = CsvField(instant) + "," + JsonNumber(o.julianDay) + "," + std::to_string(p.body) +
                      "," + CsvField(std::string(BodyName(p.body)));
    for (const double x : {v.earth.x, v.earth.y, v.earth.z, v.earth.radius, v.planet.x, v.planet.y,
                           v.planet.z, v.planet.radius, eq.rightAscensionHours}) {
      row += "," + JsonNumber(x);
    }
    row += "," + LabelText(p, Arh) + "," + LabelText(p, Arm) + "," + LabelText(p, Ars) + "," +
           JsonNumber(eq.declination) + "," + LabelText(p, Signo) + "," + LabelText(p, Dg) + "," +
           LabelText(p, Dam) + "," + LabelText(p, Das) + "," + JsonNumber(eq.geoDistance) + "\r\n";
    return row;
  }
};

class JsonRows {
 public:
  static std::string Row(const std::string& instant, const InstantOutcome& o) {
    return "{\"instant\": " + JsonString(instant) + ", " + InstantAsJson(o).substr(1);
  }
};

// Shows "rows done, time left" on a terminal, a few times a second.
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
  if (format == TableFormat::Text) std::fputs(TextRows::Header().c_str(), out);
  if (format == TableFormat::Csv) std::fputs(CsvRows::Header().c_str(), out);

  ElementsTable elements{};
  FillElements(elements);
  Progress progress(progressTerminal, plan.rows());
  std::int64_t done = 0;
  for (std::int64_t k = 0; k < plan.instants(); ++k) {
    std::string instant;
    InstantOutcome outcome;
    try {
      if (plan.civil()) {
        const CivilTime t = plan.CivilAt(k);
        instant = IsoText(t);
        ComputeDateValues(static_cast<double>(t.year), t.month, t.day, t.hour, t.minute, t.second, sep,
                          outcome);
      } else {
        outcome.julianDay = plan.JulianDayAt(k);
        outcome.diajuliano = CStr(outcome.julianDay, sep);
        instant = IsoText(CivilFromJulianDay(outcome.julianDay));
      }
      for (const Int16 body : plan.request().bodies) {
        InstantOutcome single = outcome;
        ComputePlanets(elements, {body}, sep, single);
        const PlanetOutcome& p = single.planets.front();
        std::string row = format == TableFormat::Text ? TextRows::Row(instant, single, p)
                          : format == TableFormat::Csv ? CsvRows::Row(instant, single, p)
                                                       : JsonRows::Row(instant, single);
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
