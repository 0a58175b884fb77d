// orbitas-accuracy: how far the program's positions are from ERFA's.
//
//   orbitas-accuracy --markdown          the report's tables, in Markdown
//   orbitas-accuracy --plot-data         the largest great-circle error per planet, in 8-year bins
//   orbitas-accuracy --check REPORT.md   regenerates the 1996-2006 table and
//                                        compares it with the report's
//
// The reference: ERFA's eraPlan94 (Simon et al. 1994) for the planet's
// heliocentric position and eraEpv00 for the Earth's, both referred to the
// mean equator and equinox of J2000; their difference is the geometric
// geocentric vector, turned into right ascension and declination by eraC2s.
// The program's Julian day is the one typed (UT) and the reference's is
// UT + ΔT (TT), so the difference is the error of what the program shows
// for that instant; neither side applies light time or aberration. Pluto has no reference in eraPlan94 and is left out.
#include <erfa.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/angle_units.h"
#include "ephemeris/equatorial.h"
#include "calendar/julian_day.h"
#include "sky/bodies/reference.h"

namespace {

using namespace orbitas;

constexpr double Degrees = DegreesPerRadian;

struct YearSpan {
  int firstYear, lastYear;
};
constexpr YearSpan YearSpans[] = {{1996, 2006}, {1900, 2100}, {1000, 3000}};
constexpr double SampleDays = 10.0;
constexpr const char* Names[] = {"", "Mercurio", "Venus", "", "Marte", "Júpiter", "Saturno", "Urano", "Neptuno"};

struct Error {
  double rightAscension;  // degrees, wrapped to -180..180
  double declination;     // degrees
  double angle;           // great-circle angle between the two directions, degrees
  double distance;        // AU
};

// The program's geocentric position and ERFA's, at one Julian day.
Error Compare(const ElementsTable& elements, Int16 body, double jd) {
  const EquatorialCoordinates eq = PlanetEquatorialAt(elements, body, jd);

  std::array<double, 3> geo = *ReferenceGeocentric(BodyFromNumber(body).value(), Instant::FromUt(jd));
  double ra = 0, dec = 0;
  eraC2s(geo.data(), &ra, &dec);
  ra = eraAnp(ra);

  const double oursRa = eq.rightAscensionDeg / Degrees, oursDec = eq.declination / Degrees;
  double ours[3];
  eraS2c(oursRa, oursDec, ours);
  double theirs[3];
  eraS2c(ra, dec, theirs);
  Error e;
  e.rightAscension = eraAnpm(oursRa - ra) * Degrees;
  e.declination = (oursDec - dec) * Degrees;
  e.angle = eraSepp(ours, theirs) * Degrees;
  e.distance = eq.geoDistance - eraPm(geo.data());
  return e;
}

double JulianDayOfYear(int year) { return ComputeJulianDay(year, 1, 1.0); }

struct Summary {
  double maxRa = 0, maxDec = 0, maxAngle = 0, maxDistance = 0;
  double sumRa = 0, sumDec = 0, sumAngle = 0, sumDistance = 0;
  long samples = 0;
  void Add(const Error& e) {
    maxRa = std::fmax(maxRa, std::fabs(e.rightAscension));
    maxDec = std::fmax(maxDec, std::fabs(e.declination));
    maxAngle = std::fmax(maxAngle, e.angle);
    maxDistance = std::fmax(maxDistance, std::fabs(e.distance));
    sumRa += e.rightAscension * e.rightAscension;
    sumDec += e.declination * e.declination;
    sumAngle += e.angle * e.angle;
    sumDistance += e.distance * e.distance;
    ++samples;
  }
  double Rms(double sum) const { return std::sqrt(sum / static_cast<double>(samples)); }
};

std::string YearSpanTable(const ElementsTable& elements, const YearSpan& span) {
  std::ostringstream out;
  const double first = JulianDayOfYear(span.firstYear), last = JulianDayOfYear(span.lastYear + 1);
  out << "### " << span.firstYear << "–" << span.lastYear << "\n\n";
  out << "| planeta | α máx. (°) | α RMS (°) | δ máx. (°) | δ RMS (°) | ángulo máx. (°) | ángulo RMS (°) | distancia máx. (UA) | distancia RMS (UA) |\n";
  out << "|---|---:|---:|---:|---:|---:|---:|---:|---:|\n";
  long samples = 0;
  for (Int16 body : {1, 2, 4, 5, 6, 7, 8}) {
    Summary s;
    for (long k = 0;; ++k) {
      const double jd = first + static_cast<double>(k) * SampleDays;
      if (jd >= last) break;
      s.Add(Compare(elements, body, jd));
    }
    samples = s.samples;
    char row[512];
    std::snprintf(row, sizeof row, "| %s | %.4f | %.4f | %.4f | %.4f | %.4f | %.4f | %.5f | %.5f |\n",
                  Names[body], s.maxRa, s.Rms(s.sumRa), s.maxDec, s.Rms(s.sumDec), s.maxAngle,
                  s.Rms(s.sumAngle), s.maxDistance, s.Rms(s.sumDistance));
    out << row;
  }
  out << "\n" << samples << " instantes por planeta, uno cada " << SampleDays
      << " días desde el 1 de enero de " << span.firstYear << ".\n";
  return out.str();
}

// For each 8 years from 1000 to 3000 (Venus's synodic cycle), the largest
// great-circle error of the samples taken every 10 days in them: an
// envelope that does not alias with the planets' synodic periods.
void PlotData(const ElementsTable& elements) {
  std::printf("año");
  for (Int16 body : {1, 2, 4, 5, 6, 7, 8}) std::printf(" %s", Names[body]);
  std::printf("\n");
  constexpr int BinYears = 8;
  for (int year = 1000; year < 3000; year += BinYears) {
    const double first = JulianDayOfYear(year), last = JulianDayOfYear(year + BinYears);
    std::printf("%d", year + BinYears / 2);
    for (Int16 body : {1, 2, 4, 5, 6, 7, 8}) {
      double worst = 0;
      for (double jd = first; jd < last; jd += SampleDays) worst = std::fmax(worst, Compare(elements, body, jd).angle);
      std::printf(" %.6g", worst);
    }
    std::printf("\n");
  }
}

int Check(const ElementsTable& elements, const char* report) {
  std::ifstream in(report);
  std::stringstream text;
  text << in.rdbuf();
  const std::string expected = YearSpanTable(elements, YearSpans[0]);
  if (text.str().find(expected) == std::string::npos) {
    std::fprintf(stderr, "%s no contiene la tabla 1996-2006 que se obtiene ahora:\n%s", report,
                 expected.c_str());
    return 1;
  }
  std::printf("la tabla 1996-2006 de %s coincide\n", report);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  ElementsTable elements{};
  FillElements(elements);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "--markdown") {
    for (const YearSpan& span : YearSpans) std::printf("%s\n", YearSpanTable(elements, span).c_str());
    return 0;
  }
  if (mode == "--plot-data") {
    PlotData(elements);
    return 0;
  }
  if (mode == "--check" && argc > 2) return Check(elements, argv[2]);
  std::fprintf(stderr, "uso: orbitas-accuracy --markdown | --plot-data | --check INFORME.md\n");
  return 2;
}
