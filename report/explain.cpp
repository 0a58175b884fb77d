#include "report/explain.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "session/body_names.h"
#include "session/date_entry.h"
#include "runtime/number_text.h"
#include "report/text_layout.h"

namespace orbitas::report {
namespace {

class Writer {
 public:
  Writer(const std::function<void(std::string_view)>& write, std::string separator)
      : write_(write), sep_(std::move(separator)) {}
  void Heading(const std::string& title) { write_("\n" + title + "\n"); }
  void Value(const std::string& name, double value) { Line(name, CStr(value, sep_)); }
  void Line(const std::string& name, const std::string& text) {
    write_(PadRight("  " + name, 40, 2) + text + "\n");
  }
  const std::string& separator() const { return sep_; }

 private:
  const std::function<void(std::string_view)>& write_;
  std::string sep_;
};

void ExplainCalendar(Writer& w, InstantRunner& runner, const DateTexts& date, double& julianDay) {
  w.Heading("Calendario (fecha y hora como al pulsar Intro)");
  // NaN marks a value the entry has not reached when an error stops it.
  ProgramState& state = runner.state();
  state.decimalHour = state.decimalDay = std::nan("");
  InstantOutcome outcome;
  JulianDayStages st;
  try {
    runner.EnterDate(TypedDateFields({date[0], date[1], date[2], date[3], date[4], date[5]}), outcome, false, &st);
  } catch (const RuntimeError&) {
    if (!std::isnan(state.decimalHour)) w.Value("Hora decimal", state.decimalHour);
    if (!std::isnan(state.decimalDay)) {
      w.Value("Día con su fracción", state.decimalDay);
      w.Line("(el cálculo del día juliano se detiene)", "");
    }
    throw;
  }
  julianDay = state.julianDay;
  w.Value("Hora decimal", state.decimalHour);
  w.Value("Día con su fracción", state.decimalDay);
  w.Value("D0, parte entera del día", st.d0);
  w.Value("F, fracción desde el mediodía", st.f);
  w.Value("N, término del año", st.n);
  w.Value("S, signo de mes - 9", st.s);
  w.Value("Q, |mes - 9|", st.q);
  w.Value("C, corrección de siglo", st.c);
  w.Value("N, con mes, día y siglo", st.nMonth);
  w.Value("N, con los días del año", st.nYear);
  w.Value("F tras la corrección", st.fCorrected);
  w.Value("N tras la corrección", st.nCorrected);
  w.Value("Día juliano", julianDay);
}

void ExplainBody(Writer& w, const std::string& title, const ElementRow& row,
                 const HeliocentricPosition& pos, const KeplerStages& kepler) {
  w.Heading(title);
  w.Value("i, inclinación (rad)", row.inclination);
  w.Value("Ω, nodo ascendente (rad)", row.node);
  w.Value("ϖ, perihelio (rad)", row.perihelion);
  w.Value("a, distancia media (UA)", row.meanDistance);
  w.Value("n, movimiento diario (rad/día)", row.dailyMotion);
  w.Value("e, excentricidad", row.eccentricity);
  w.Value("L, longitud media (rad)", row.meanLongitude);
  w.Value("t, días desde la época", pos.t);
  w.Value("M0 = t·n + L − ϖ", pos.m0);
  w.Value("vueltas enteras quitadas", pos.wholeTurns);
  w.Value("M, anomalía media", pos.meanAnomaly);
  int step = 0;
  for (const NewtonStep& s : kepler.steps) {
    ++step;
    w.Line("Newton, paso " + std::to_string(step),
           "E = " + CStr(s.eStart, w.separator()) + "   F = " + CStr(s.residual, w.separator()) +
               "   E nueva = " + CStr(s.eAfter, w.separator()));
  }
  w.Value("t = tan(E/2)", kepler.halfTangent);
  w.Value("q = ((1 + e)/(1 − e))^0.5", kepler.q);
  w.Value("ν, anomalía verdadera", pos.trueAnomaly);
  w.Value("r, radio vector (UA)", pos.radius);
  w.Value("u = ϖ + ν − Ω", pos.u);
  w.Value("x (UA)", pos.x);
  w.Value("y (UA)", pos.y);
  w.Value("z (UA)", pos.z);
}

void ExplainEquatorial(Writer& w, const EquatorialCoordinates& eq, const LabelTexts& labels) {
  w.Heading("Coordenadas geocéntricas ecuatoriales");
  w.Value("ΔX = x planeta − x Tierra", eq.geoDeltaX);
  w.Value("ΔY = y planeta − y Tierra", eq.geoDeltaY);
  w.Value("ΔZ = z planeta − z Tierra", eq.geoDeltaZ);
  w.Value("ε, oblicuidad (rad)", eq.obliquity);
  w.Value("X = ΔX", eq.x);
  w.Value("Y = cos ε·ΔY − sen ε·ΔZ", eq.y);
  w.Value("Z = sen ε·ΔY + cos ε·ΔZ", eq.z);
  w.Value("α (grados)", eq.rightAscensionDeg);
  w.Value("α (horas) = α / 15", eq.rightAscensionHours);
  w.Value("δ (grados)", eq.declination);
  w.Value("distancia a la Tierra (UA)", eq.geoDistance);
  using L = ResultLabel;
  auto text = [&](ResultLabel label) { return std::string(labels[label]); };
  w.Line("α en h m s", HoursMinutesSeconds(text(L::arh), text(L::arm), text(L::ars)));
  w.Line("δ en ° ′ ″", DegreesMinutesSeconds(text(L::signo), text(L::dg), text(L::dam), text(L::das)));
}

}  // namespace

void Explain(const std::optional<DateTexts>& date, const std::string& julianDayText, Int16 body,
             const std::string& separator, const std::function<void(std::string_view)>& write) {
  Writer w(write, separator);
  write("Cálculo de " + std::string(BodyName(body)) + ", paso a paso\n");
  InstantRunner runner(separator);
  const ElementsTable& elements = runner.elements();
  PlanetOutcome planet;
  PlanetRequestStages stages;
  double julianDay = 0.0;
  if (date) {
    ExplainCalendar(w, runner, *date, julianDay);
  } else {
    julianDay = Val(julianDayText);
    w.Heading("Día juliano dado");
    w.Value("Día juliano", julianDay);
  }
  w.Heading("Época");
  w.Value("Día juliano de la época (entrada 64)", elements[EpochEntry]);
  w.Value("EpochOffset = entrada 64 − 2451545.5", EpochOffset(elements));
  try {
    runner.RunPlanet(body, julianDay, planet, &stages);
  } catch (const RuntimeError&) {
    if (planet.labels.Written(ResultLabel::zhelt)) {
      ExplainBody(w, "Tierra (cuerpo 3)", EarthRow(elements), planet.values.earth, stages.earth);
    }
    throw;
  }
  ExplainBody(w, "Tierra (cuerpo 3)", EarthRow(elements), planet.values.earth, stages.earth);
  ExplainBody(w, std::string(BodyName(body)) + " (cuerpo " + std::to_string(body) + ")", BodyRow(elements, body),
              planet.values.planet, stages.planet);
  ExplainEquatorial(w, planet.values.equatorial, planet.labels);
}

}  // namespace orbitas::report
