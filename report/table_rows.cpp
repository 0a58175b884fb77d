#include "report/table_rows.h"

#include <charconv>
#include <cstring>

#include "session/body_names.h"
#include "report/instant_output.h"
#include "report/json.h"
#include "runtime/number_text.h"
#include "report/sky_output.h"
#include "runtime/shortest_text.h"
#include "report/text_layout.h"

namespace orbitas::report {
namespace {

using L = ResultLabel;

constexpr std::string_view CsvHeader =
    "instant,julian_day,body,planet,earth_x,earth_y,earth_z,earth_r,planet_x,planet_y,"
    "planet_z,planet_r,ra_hours,ra_h,ra_m,ra_s,dec_degrees,dec_sign,dec_d,dec_m,dec_s,"
    "distance\r\n";

std::string MakeTextHeader() {
  std::string h = PadRight("Fecha y hora", 22) + PadRight("Día juliano", 18) + PadRight("Planeta", 9);
  for (const char* c : {"X Tierra", "Y Tierra", "Z Tierra", "R Tierra", "X planeta", "Y planeta",
                        "Z planeta", "R planeta", "α (h)"}) {
    h += PadRight(c, 23);
  }
  return h + PadRight("α h m s", 16) + PadRight("δ (°)", 23) + PadRight("δ ° ′ ″", 20) + "RVec\n";
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
  const std::size_t start = out.size();
  out += text;
  PadFrom(out, start, width);
}

// A comma and the shortest text that reads back to x.
void AppendNumber(std::string& out, double x) {
  char buffer[ShortestMaxLength + 1];
  buffer[0] = ',';
  out.append(buffer, 1 + WriteShortest(x, buffer + 1));
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
void AppendCsvText(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

std::string TableHeader(TableFormat format, bool horizon) {
  switch (format) {
    case TableFormat::Text: {
      std::string text = MakeTextHeader();
      if (horizon) text.insert(text.size() - 1, std::string(14, ' ') + PadRight("Altura", 12) + PadRight("Acimut", 12) + "±");

      return text;
    }
    case TableFormat::Csv: {
      std::string text(CsvHeader);
      if (horizon) text.insert(text.size() - 2, ",altitude,azimuth,method_error");
      return text;
    }
    case TableFormat::Json: return {};
  }
  return {};
}

void AppendTextRow(std::string& out, const TableRow& row) {
  const LabelTexts& d = row.planet->labels;
  AppendPadded(out, row.instant, 22);
  // An instant with its zone's offset ("2026-12-07T18:00:00+01:00") fills
  // the column: a space keeps it apart from the Julian day.
  if (out.back() != ' ') out += ' ';
  AppendPadded(out, row.diajuliano, 18);
  AppendPadded(out, BodyName(row.planet->body), 9);
  for (const L at : {L::xhelt, L::yhelt, L::zhelt, L::rhelt, L::xhelp, L::yhelp, L::zhelp, L::rhelp, L::ascrec}) {
    AppendPadded(out, d[at], 23);
  }
  std::size_t start = out.size();
  out.append(d[L::arh]).append(" ").append(d[L::arm]).append(" ").append(d[L::ars]);
  PadFrom(out, start, 16);
  AppendPadded(out, d[L::declin], 23);
  start = out.size();
  if (!d[L::signo].empty()) out.append(d[L::signo]).append(" ");
  out.append(d[L::dg]).append(" ").append(d[L::dam]).append(" ").append(d[L::das]);
  PadFrom(out, start, 20);
  if (row.planet->sky) {
    const SkyPosition& sky = *row.planet->sky;
    AppendPadded(out, d[L::rv], 18);
    AppendPadded(out, Format(sky.horizon.altitude, "#0.0###", row.separator), 12);
    AppendPadded(out, Format(sky.horizon.azimuth, "#0.0###", row.separator), 12);
    out.append(ErrorText(sky.error.Bar(), row.separator));
  } else {
    out.append(d[L::rv]);
  }
  out.append("\n");
}

void LeaveOutCsvNumberTexts(LabelTexts& labels) {
  labels.SetUnwanted({L::rhelt, L::xhelt, L::yhelt, L::zhelt, L::planetahel, L::rhelp, L::xhelp,
                      L::yhelp, L::zhelp, L::planetaec, L::ascrec, L::declin, L::rv});
}

void CsvRows::Append(std::string& out, const TableRow& row) {
  const PlanetRequestValues& v = row.planet->values;
  const LabelTexts& d = row.planet->labels;
  const EquatorialCoordinates& eq = v.equatorial;
  const double earth[4] = {v.earth.x, v.earth.y, v.earth.z, v.earth.radius};
  if (instantColumns_.empty() || row.instant != instant_ || row.julianDay != julianDay_ ||
      std::memcmp(earth, earth_, sizeof earth) != 0) {
    instant_ = row.instant;
    julianDay_ = row.julianDay;
    std::memcpy(earth_, earth, sizeof earth);
    instantColumns_.clear();
    AppendCsvText(instantColumns_, row.instant);
    AppendNumber(instantColumns_, row.julianDay);
    earthColumns_.clear();
    for (const double x : earth) AppendNumber(earthColumns_, x);
  }
  // The row is built in a buffer of its own, with room for every field at
  // its longest, and appended at once.
  char text[1024];
  char* p = text;
  auto put = [&p](std::string_view part) {
    std::memcpy(p, part.data(), part.size());
    p += part.size();
  };
  auto number = [&p](double x) {
    *p++ = ',';
    p += WriteShortest(x, p);
  };
  out += instantColumns_;
  *p++ = ',';
  p = std::to_chars(p, p + 8, row.planet->body).ptr;
  *p++ = ',';
  put(BodyName(row.planet->body));
  put(earthColumns_);
  for (const double x : {v.planet.x, v.planet.y, v.planet.z, v.planet.radius, eq.rightAscensionHours}) number(x);
  for (const L at : {L::arh, L::arm, L::ars}) {
    *p++ = ',';
    put(d[at]);
  }
  number(eq.declination);
  for (const L at : {L::signo, L::dg, L::dam, L::das}) {
    *p++ = ',';
    put(d[at]);
  }
  number(eq.geoDistance);
  if (row.planet->sky) {
    number(row.planet->sky->horizon.altitude);
    number(row.planet->sky->horizon.azimuth);
    *p++ = ',';
    if (row.planet->sky->error.method) p += WriteShortest(*row.planet->sky->error.method, p);
  }
  put("\r\n");
  out.append(text, static_cast<std::size_t>(p - text));
}

void AppendJsonRow(std::string& out, std::string_view instant, const InstantOutcome& outcome) {
  out += "{\"instant\": ";
  out += JsonString(instant);
  out += ", ";
  out += std::string_view(InstantAsJson(outcome)).substr(1);
}

}  // namespace orbitas::report
