// A night as the user reads it: one fixed night from Madrid in a zone an
// hour east of UT (tests/support/report_answers.h: sunset 17:15 UT, Mars
// best at 01:15 UT due south, Venus too near the Sun), as the almanac's
// page, its JSON, the planning line, its CSV and JSON Lines, and the
// window's rows; and a day's risings as text and JSON.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/night_output.h"
#include "report/nights_output.h"
#include "report/sky_output.h"
#include "report/sources.h"
#include "report/view_rows.h"
#include "tests/support/report_answers.h"

namespace orbitas {
namespace {

using testing::Jd;
using testing::MadridNight;
using testing::MadridReport;

const char* const SunAndMoon =
    "\nSol\n"
    "  Puesta del Sol                vie 15 ene 2027 18:15\n"
    "  Anochecer civil (−6°)         vie 15 ene 2027 18:45\n"
    "  Anochecer náutico (−12°)      vie 15 ene 2027 19:18\n"
    "  Anochecer astronómico (−18°)  vie 15 ene 2027 19:50\n"
    "  Amanecer astronómico (−18°)   sáb 16 ene 2027 07:10\n"
    "  Amanecer náutico (−12°)       sáb 16 ene 2027 07:42\n"
    "  Amanecer civil (−6°)          sáb 16 ene 2027 08:14\n"
    "  Salida del Sol                sáb 16 ene 2027 08:44\n"
    "\nLuna\n"
    "  Sale                          vie 15 ene 2027 12:30\n"
    "  Se pone                       vie 15 ene 2027 23:45\n"
    "  Fase                          cuarto creciente, 52 % iluminada, edad 7,4 días\n"
    "  Altura a mitad de la noche    −10,0°\n";

TEST(NightText, TheAlmanacsPage) {
  // Mistakes: UT for the zone's times (17:15 for 18:15), the Moon's rise
  // taken from the next day, the hyphen for U+2212 in the longitude and
  // the altitudes, the planets in the order asked (Venus first) rather
  // than the visible first, "matutino" for a planet west of the Sun
  // swapped, the best azimuth 180.04 written 180,1 or 360-wrapped.
  const NightAnswer r = MadridReport(MadridNight());
  EXPECT_EQ(report::SunAndMoonText(r, ","), SunAndMoon);
  EXPECT_EQ(report::NightText(r, ","),
            std::string("La noche del vie 15 ene 2027 desde 40.4168, −3.7038, hora CET\n"
                        "Cielo rural (clase 3 de Bortle): a simple vista, estrellas hasta la magnitud 6,8.\n") +
                SunAndMoon +
                "\nPlanetas (visibles con el Sol bajo −6,0° y el planeta sobre 10,0°)\n"
                "\nMarte: magnitud −1,2, 99 % iluminado, a 165° del Sol (matutino), en Leo (Leo), a simple vista\n"
                "  Visible de vie 15 ene 2027 20:30 a sáb 16 ene 2027 07:00\n"
                "  Mejor: sáb 16 ene 2027 a las 02:15, altura 62,4°, acimut 180,0° (S)\n"
                "\nVenus: magnitud −3,9, 97 % iluminado, a 13° del Sol (vespertino), en Capricornio (Cap), "
                "a simple vista cuando se pueda ver\n"
                "  No se ve: demasiado cerca del Sol (elongación 13°)\n" +
                report::SourcesLine());
  // With the method beside (--metodo): a line under the Sun and under
  // each planet, in the zone's clock. Mistakes: the method's times in UT,
  // a difference's sign turned, the method's constellation left out when
  // it differs, a line for a planet the method was not asked for.
  NightAnswer compared = r;
  compared.method = testing::MadridMethodNight();
  const std::string text = report::NightText(compared, ",");
  for (const char* line : {
           "  Salida del Sol                sáb 16 ene 2027 08:44\n  Según el método de Kepler: se pone a las 18:17, 2 min "
           "después; no anochece (−18°); no amanece (−18°); sale a las 08:44, a la vez\n",
           "(S)\n  Según el método de Kepler: visible de 20:32 a 06:50, mejor a las 02:06 (9 min antes), a 2,5° del "
           "sitio real; en Cáncer\n",
           "(elongación 13°)\n  Según el método de Kepler: no se ve, a 0,7° del sitio real\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin " << text;
  }
  const std::vector<const PlanetNight*> order = report::OrderedPlanets(r.night);
  ASSERT_EQ(order.size(), 2u);
  EXPECT_EQ(order[0]->body, Body::Mars);
  EXPECT_EQ(order[1]->body, Body::Venus);
}

TEST(NightText, OneElongationOneText) {
  // Mistake: two roundings of one number: the same elongation, 12.5°, "a
  // 13° del Sol" in the planet's line (half away from zero) and
  // "elongación 12°" in the reason it is not seen (half to even).
  const NightAnswer r = MadridReport(MadridNight());
  EXPECT_EQ(report::PlanetNotSeenText(r.night.planets[0], r, ","), "demasiado cerca del Sol (elongación 13°)");
}

TEST(NightText, MeteorRatesInWords) {
  // Mistakes: "unos 0 meteoros" below half of one, "unos 1 meteoros",
  // the rate truncated (12.6 is 13).
  const struct {
    double rate;
    const char* words;
  } rows[] = {{0.4, "menos de un meteoro por hora"}, {0.6, "un meteoro por hora"}, {1.4, "un meteoro por hora"},
              {12.6, "unos 13 meteoros por hora"}};
  for (const auto& r : rows) EXPECT_EQ(report::MeteorRateText(r.rate), r.words) << r.rate;
}

TEST(NightText, TheShowersLinesJsonAndRows) {
  // Mistakes: the radiant's altitude to a tenth in the almanac (it says
  // whole degrees) or whole in the window, "menos de 1" for a ZHR of the
  // night above half of one, the Moon's lit fraction said when it is
  // down, the darkest hour's words left out, the JSON's yes and no as
  // strings, a shower's row filling the magnitude or the azimuth.
  NightAnswer r = MadridReport(MadridNight());
  r.showers = {testing::PerseidsNight(), testing::GeminidsTwilight()};
  const std::string text = report::NightText(r, ",");
  const std::string showers =
      "\nLluvias de estrellas activas (lista de la IMO; a simple vista bajo un cielo rural, a la hora en que más se ven)\n"
      "  Perseidas (PER): mejor vie 13 ago 2027 a las 04:12, radiante a 58°, unos 42 meteoros por hora (THZ 100 en el "
      "máximo, 88 esta noche; magnitud límite 6,1); la Luna sobre el horizonte, iluminada al 25 %\n"
      "  Gemínidas (GEM): mejor mar 22 jun 2027 a las 00:40 (no hay noche cerrada: la hora más oscura), radiante a 4°, "
      "menos de un meteoro por hora (THZ 150 en el máximo, menos de 1 esta noche; magnitud límite 5,8); la Luna bajo "
      "el horizonte\n" + report::SourcesLine();
  ASSERT_GE(text.size(), showers.size());
  EXPECT_EQ(text.substr(text.size() - showers.size()), showers);
  EXPECT_NE(report::NightJson(r).find(
                "\"meteorShowers\": [{\"code\": \"PER\", \"name\": \"Perseidas\", \"bestTime\": \"2027-08-13T04:12:00+01:00\", "
                "\"darkestHour\": false, \"radiantAltitude\": 58.46, \"hourlyRate\": 41.7, \"zhr\": 100, \"zhrNow\": 88.4, "
                "\"populationIndex\": 2.2, \"limitingMagnitude\": 6.14, \"moonIlluminated\": 0.25, \"moonUp\": true, \"radiantHighest\": null}, "
                "{\"code\": \"GEM\", \"name\": \"Gemínidas\", \"bestTime\": \"2027-06-22T00:40:00+01:00\", "
                "\"darkestHour\": true, \"radiantAltitude\": 4.4, \"hourlyRate\": 0.3, \"zhr\": 150, \"zhrNow\": 0.41, "
                "\"populationIndex\": 2.6, \"limitingMagnitude\": 5.84, \"moonIlluminated\": 0.9, \"moonUp\": false, \"radiantHighest\": null}], "
                "\"eclipses\": [], \"sources\": "),
            std::string::npos)
      << report::NightJson(r);
  const std::vector<report::ViewRow> rows = report::NightRows(r, ",");
  ASSERT_EQ(rows.size(), 4u);
  const std::vector<std::vector<std::string>> shown = {
      {"Perseidas (PER)", "—", "—", "—", "—", "—", "—", "—", "04:12", "58,5°", "—", "—",
       "lluvia de estrellas: unos 42 meteoros por hora"},
      {"Gemínidas (GEM)", "—", "—", "—", "—", "—", "—", "—", "00:40", "4,4°", "—", "—",
       "lluvia de estrellas: menos de un meteoro por hora (sin noche cerrada)"}};
  for (std::size_t n = 0; n < shown.size(); ++n) {
    const report::ViewRow& row = rows[2 + n];
    ASSERT_EQ(row.cells.size(), shown[n].size());
    for (std::size_t k = 0; k < row.cells.size(); ++k) EXPECT_EQ(row.cells[k].text, shown[n][k]) << n << " " << k;
  }
  EXPECT_EQ(rows[2].cells[0].key.value_or(0), 100) << "after the planets";
  const auto at = [](report::NightColumn column) { return static_cast<std::size_t>(column); };
  EXPECT_EQ(rows[2].cells[at(report::NightColumn::BestTime)].value, "2027-08-13T04:12:00+01:00");
  EXPECT_EQ(rows[2].cells[at(report::NightColumn::Altitude)].value, "58.46");
  EXPECT_EQ(rows[3].cells[at(report::NightColumn::Notes)].value, "0.3");
}

TEST(NightJson, WhatTheSunAndTheMoonDoNotDo) {
  // Mistakes: an event the Sun does not reach given a row, or left out of
  // the JSON rather than null (its error too); the Moon's rise that is
  // not there written as a time.
  Night night = MadridNight();
  night.sun.rise.reset();
  night.moon.rise.reset();
  const NightAnswer r = MadridReport(night);
  const std::string text = report::SunAndMoonText(r, ",");
  EXPECT_EQ(text.find("Salida del Sol"), std::string::npos) << text;
  EXPECT_NE(text.find("\n  Amanecer civil (−6°)          sáb 16 ene 2027 08:14\n\nLuna"), std::string::npos) << text;
  EXPECT_NE(text.find("\n  Sale                          — (no sale esta noche)\n"
                      "  Se pone                       vie 15 ene 2027 23:45\n"),
            std::string::npos)
      << text;
  const std::string json = report::NightJson(r);
  EXPECT_NE(json.find("\"civilDawn\": \"2027-01-16T08:14:00+01:00\", \"rise\": null, \"reasons\": [], "
                      "\"method\": null}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"moon\": {\"rise\": null, \"set\": \"2027-01-15T23:45:00+01:00\", \"illuminated\": 0.52, "
                      "\"ageDays\": 7.4, \"phaseName\": \"cuarto creciente\", \"altitudeAtMidnight\": -10, "
                      "\"source\": \"eraMoon98\"}, \"planets\": ["),
            std::string::npos)
      << json;
}

TEST(NightJson, OneObject) {
  // Mistakes: times without the zone's offset, the azimuth rounded as the
  // text is, an empty list of showers left out, the errors in degrees for
  // minutes, the place's longitude with U+2212.
  const std::string json = report::NightJson(MadridReport(MadridNight()));
  const char* const pieces[] = {
      "{\"date\": \"2027-01-15\", \"zone\": \"CET\", \"latitude\": 40.4168, \"longitude\": -3.7038, "
      "\"limits\": {\"sunAltitude\": -6, \"planetAltitude\": 10, \"instrument\": \"telescopio\", \"sky\": \"rural\", "
      "\"limitingMagnitude\": 6.8}, "
      "\"sun\": {\"set\": \"2027-01-15T18:15:00+01:00\", ",
      "\"rise\": \"2027-01-16T08:44:00+01:00\", \"reasons\": [], \"method\": null}, "
      "\"moon\": {\"rise\": \"2027-01-15T12:30:00+01:00\", \"set\": \"2027-01-15T23:45:00+01:00\", \"illuminated\": 0.52, "
      "\"ageDays\": 7.4, \"phaseName\": \"cuarto creciente\", \"altitudeAtMidnight\": -10, \"source\": \"eraMoon98\"}, ",
      "{\"body\": 4, \"name\": \"Marte\", \"magnitude\": -1.2, \"illuminated\": 0.99, "
      "\"elongation\": 165, \"side\": \"matutino\", \"constellation\": \"Leo\", \"constellationAbbr\": \"Leo\", "
      "\"instrument\": \"ojo\", \"visible\": {\"from\": \"2027-01-15T20:30:00+01:00\", \"to\": \"2027-01-16T07:00:00+01:00\"}, "
      "\"best\": {\"time\": \"2027-01-16T02:15:00+01:00\", \"altitude\": 62.4, "
      "\"azimuth\": 180.04, \"direction\": \"S\"}, \"reason\": null,",
      "\"visible\": null, \"best\": null, \"reason\": \"demasiado cerca del Sol (elongación 13°)\"",
      "\"meteorShowers\": [], \"eclipses\": [], \"sources\": [",
  };
  for (const char* piece : pieces) EXPECT_NE(json.find(piece), std::string::npos) << piece << "\nin " << json;
  EXPECT_LT(json.find("\"Marte\""), json.find("\"Venus\"")) << "the visible planet first";
  // The method's object on each planet and on the Sun. Mistakes: minutes
  // for the difference given in days, its sign turned, the Sun's method
  // events under the sky's keys.
  NightAnswer compared = MadridReport(MadridNight());
  compared.method = testing::MadridMethodNight();
  const std::string beside = report::NightJson(compared);
  for (const char* piece : {
           "\"method\": {\"visibleFrom\": \"2027-01-15T20:32:00+01:00\", \"visibleTo\": \"2027-01-16T06:50:00+01:00\", "
           "\"bestTime\": \"2027-01-16T02:06:00+01:00\", \"bestTimeDifference\": -9",
           "\"constellation\": \"Cáncer\", \"error\": 2.5}",
           "\"method\": {\"set\": \"2027-01-15T18:17:00+01:00\", \"civilDusk\": null",
           "\"differences\": {\"set\": 1.99999", "\"rise\": 0}}"}) {
    EXPECT_NE(beside.find(piece), std::string::npos) << piece << "\nin " << beside;
  }
}

TEST(NightsOutput, PlanningLineCsvAndJson) {
  // Mistakes: the dark hours from the civil twilights (18:45–08:14) for
  // the astronomical ones, the Moon's lit fraction as 52 in the CSV, a
  // planet that cannot be seen listed, the en dash for a hyphen.
  const NightAnswer r = MadridReport(MadridNight());
  EXPECT_EQ(report::NightSummaryLine(r, ","),
            "2027-01-15  oscuro 19:50–07:10; Luna 52 %, sale 12:30, se pone 23:45; Marte 20:30–07:00 (mejor 02:15)\n");
  EXPECT_EQ(report::NightSummaryCsvHeader(), "date,dark_from,dark_to,moon_illuminated,moon_rise,moon_set,planets,showers,eclipses\r\n");
  EXPECT_EQ(report::NightSummaryCsvRow(r),
            "2027-01-15,2027-01-15T19:50:00+01:00,2027-01-16T07:10:00+01:00,0.52,2027-01-15T12:30:00+01:00,"
            "2027-01-15T23:45:00+01:00,Marte 20:30–07:00 (mejor 02:15),,\r\n");
  EXPECT_EQ(report::NightSummaryJson(r),
            "{\"date\": \"2027-01-15\", \"darkFrom\": \"2027-01-15T19:50:00+01:00\", \"darkTo\": \"2027-01-16T07:10:00+01:00\", "
            "\"moon\": {\"illuminated\": 0.52, \"rise\": \"2027-01-15T12:30:00+01:00\", \"set\": \"2027-01-15T23:45:00+01:00\"}, "
            "\"planets\": [{\"name\": \"Marte\", \"from\": \"2027-01-15T20:30:00+01:00\", \"to\": \"2027-01-16T07:00:00+01:00\", "
            "\"best\": \"2027-01-16T02:15:00+01:00\"}], \"meteorShowers\": [], \"eclipses\": []}\n");
}

TEST(NightRows, TheWindowsTable) {
  // Mistakes: a cell out of its column, dates in the hour cells, the
  // hyphen in the magnitude, an empty cell where a dash is shown, the
  // rising and the setting swapped, another planet's passages taken.
  const std::vector<std::string> columns = {"Astro",         "Magnitud",     "Constelación", "Sale",
                                            "Culmina",       "Se pone",      "Visible desde", "Visible hasta",
                                            "Mejor hora",    "Altura",       "Acimut",       "Según el método",
                                            "Observaciones"};
  EXPECT_EQ(report::NightColumns(), columns);
  NightAnswer night = MadridReport(MadridNight());
  PlanetDay mars;
  mars.body = Body::Mars;
  mars.rise = Instant::FromUt(Jd(2027, 1, 15, 12, 5, 0));
  mars.transit = Instant::FromUt(Jd(2027, 1, 16, 1, 10, 0));
  mars.set = Instant::FromUt(Jd(2027, 1, 16, 8, 20, 0));
  night.passages = {mars};
  const std::vector<report::ViewRow> rows = report::NightRows(night, ",");
  ASSERT_EQ(rows.size(), 2u);
  const std::vector<std::vector<std::string>> expected = {
      {"Marte", "\u22121,2", "Leo", "13:05", "02:10", "09:20", "20:30", "07:00", "02:15", "62,4°", "180,0° (S)", "—",
       "a simple vista"},
      {"Venus", "\u22123,9", "Capricornio", "—", "—", "—", "—", "—", "—", "—", "—", "—",
       "No se ve: demasiado cerca del Sol (elongación 13°)"}};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    std::vector<std::string> cells;
    for (const report::ViewCell& c : rows[k].cells) cells.push_back(c.text);
    EXPECT_EQ(cells, expected[k]) << k;
  }
  EXPECT_EQ(rows[0].body, Body::Mars);
  // Compared with the method: its night in the column, sorted by how far
  // its best time is. Mistakes: the difference's sign turned (the method's
  // best is nine minutes earlier), UT in the column, Venus's row taking
  // Mars's answer.
  NightAnswer compared = MadridReport(MadridNight());
  compared.method = testing::MadridMethodNight();
  const std::vector<report::ViewRow> beside = report::NightRows(compared, ",");
  const auto method = static_cast<std::size_t>(report::NightColumn::Method);
  EXPECT_EQ(beside[0].cells[method].text, "de 20:32 a 06:50, mejor a las 02:06 (9 min antes), a 2,5° del sitio real");
  ASSERT_TRUE(beside[0].cells[method].key);
  EXPECT_NEAR(*beside[0].cells[method].key, -9, 1e-6);
  EXPECT_EQ(beside[1].cells[method].text, "no se ve, a 0,7° del sitio real");
}

TEST(NightRows, EachCellsValueForAFileAndItsSortKey) {
  // Mistakes: a file given the shown text ("−1,2", "62,4°") that a
  // spreadsheet cannot read, the minus sign or the comma in a file's
  // number, a time without its offset, a sort key left out (the column
  // sorted as text: "−3,9" after "−1,2"), a dash written into a file.
  const std::vector<report::ViewRow> rows = report::NightRows(MadridReport(MadridNight()), ",");
  ASSERT_EQ(rows.size(), 2u);
  const auto cell = [&](std::size_t row, report::NightColumn column) {
    return rows[row].cells[static_cast<std::size_t>(column)];
  };
  const struct {
    std::size_t row;
    report::NightColumn column;
    std::string value;
    std::optional<double> key;
  } cases[] = {
      {0, report::NightColumn::Magnitude, "-1.2", -1.2},
      {0, report::NightColumn::VisibleFrom, "2027-01-15T20:30:00+01:00", testing::Jd(2027, 1, 15, 19, 30, 0)},
      {0, report::NightColumn::Altitude, "62.4", 62.4},
      {0, report::NightColumn::Azimuth, "180.04", 180.04},
      {1, report::NightColumn::Magnitude, "-3.9", -3.9},
      {1, report::NightColumn::BestTime, "", std::nullopt},
      {1, report::NightColumn::Constellation, "Capricornio", std::nullopt},
  };
  for (const auto& c : cases) {
    const report::ViewCell found = cell(c.row, c.column);
    EXPECT_EQ(found.value, c.value) << c.row << " " << static_cast<int>(c.column);
    ASSERT_EQ(found.key.has_value(), c.key.has_value()) << c.row << " " << static_cast<int>(c.column);
    if (c.key) {
      EXPECT_NEAR(*found.key, *c.key, 1e-9) << c.row << " " << static_cast<int>(c.column);
    }
  }
  EXPECT_EQ(report::NightColumns().size(), static_cast<std::size_t>(report::NightColumn::Count));
  EXPECT_EQ(report::NightColumns()[static_cast<std::size_t>(report::NightColumn::Notes)], "Observaciones");
}

TEST(RiseSetOutput, TextAndJson) {
  // Mistakes: the culmination's seconds truncated (02:14:40 is 02:15),
  // UT for the zone's time, the JSON's times rounded to the minute.
  RiseSetAnswer r;
  r.date = "2027-01-15";
  r.zone = testing::PlusOne();
  r.place = testing::Madrid();
  PlanetDay mars;
  mars.body = Body::Mars;
  mars.rise = Instant::FromUt(Jd(2027, 1, 15, 18, 2, 20));
  mars.transit = Instant::FromUt(Jd(2027, 1, 16, 1, 14, 40));
  mars.set = Instant::FromUt(Jd(2027, 1, 16, 8, 30, 0));
  mars.transitAltitude = 62.4;
  r.planets = {mars};
  const std::string sources = report::SourcesLine();
  EXPECT_EQ(report::RiseSetText(r, ","),
            "Salida, culminación y puesta el vie 15 ene 2027 desde 40.4168, −3.7038, hora CET\n\n"
            "Marte\n"
            "  Sale             vie 15 ene 2027 19:02\n"
            "  Culmina          sáb 16 ene 2027 02:15  altura 62,4°\n"
            "  Se pone          sáb 16 ene 2027 09:30\n" + sources);
  const std::string json = report::RiseSetJson(r);
  EXPECT_EQ(json.substr(0, json.find(", \"sources\": ")),
            "{\"date\": \"2027-01-15\", \"zone\": \"CET\", \"latitude\": 40.4168, \"longitude\": -3.7038, \"planets\": "
            "[{\"body\": 4, \"name\": \"Marte\", \"rise\": \"2027-01-15T19:02:20+01:00\", \"transit\": \"2027-01-16T02:14:40+01:00\", "
            "\"set\": \"2027-01-16T09:30:00+01:00\", \"transitAltitude\": 62.4, \"method\": null, \"reason\": null, "
            "\"margin\": null}]");
  EXPECT_EQ(json.substr(json.find(", \"sources\": ")), ", \"sources\": " + report::SourcesJson() + "}\n");
  // Beside the method's: it rises 6 minutes earlier, culminates at the
  // same minute and never sets that day. Mistakes: the difference's sign
  // turned, seconds lost from the JSON's minutes, a setting the method
  // does not have said as a time.
  PlanetDay method = mars;
  method.rise = mars.rise->After(-6.0 / 1440);
  method.transit = mars.transit->After(10.0 / 86400);
  method.set.reset();
  r.method = {{method, 2.5}};
  const std::string beside = report::RiseSetText(r, ",");
  EXPECT_NE(beside.find("  Se pone          sáb 16 ene 2027 09:30\n  Según el método de Kepler: sale a las 18:56, 6 min antes; "
                        "culmina a las 02:15, a la vez; no se pone (a 2,5° del sitio real)\n"),
            std::string::npos)
      << beside;
  EXPECT_NE(report::RiseSetJson(r).find("\"method\": {\"rise\": \"2027-01-15T18:56:20+01:00\", \"transit\": "
                                        "\"2027-01-16T02:14:50+01:00\", \"set\": null, \"riseDifference\": -6"),
            std::string::npos);
  r.method.clear();
  // Saturn in December: it sets after midnight, rises in the afternoon
  // and culminates in the evening of the same local day; listed in that
  // order, and a passage that does not happen keeps its place.
  PlanetDay saturn;
  saturn.body = Body::Saturn;
  saturn.set = Instant::FromUt(Jd(2027, 1, 15, 1, 30, 0));
  saturn.rise = Instant::FromUt(Jd(2027, 1, 15, 12, 0, 0));
  saturn.transit = Instant::FromUt(Jd(2027, 1, 15, 18, 0, 0));
  PlanetDay low = saturn;
  low.rise.reset();
  r.planets = {saturn, low};
  const std::string text = report::RiseSetText(r, ",");
  const auto set = text.find("Se pone"), rise = text.find("Sale"), transit = text.find("Culmina");
  EXPECT_TRUE(set < rise && rise < transit) << text;
  EXPECT_NE(text.find("  Sale             —\n  Se pone          vie 15 ene 2027 02:30"), std::string::npos) << text;
  EXPECT_EQ(report::ErrorText(0.4, ","), "±0,4°");
  EXPECT_EQ(report::PlaceJson(testing::Madrid()), "") << "a place by its coordinates has no name to say";
}

}  // namespace
}  // namespace orbitas
