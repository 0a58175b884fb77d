#include "ephemeris/elements.h"

namespace orbitas {
namespace {

// The elements as defined: angles in degrees, daily motion in degrees per
// day. One row per body, in body-number order.
struct DefinedElements {
  double inclinationDeg, nodeDeg, perihelionDeg, meanDistanceAu, dailyMotionDeg,
      eccentricity, meanLongitudeDeg;
};

constexpr std::array<DefinedElements, 9> DefinedRows = {{
    {7.00486, 48.3291, 77.4592, 0.3870986, 4.09234, 0.2056337, 87.39035},        // 1 Mercurio
    {3.39466, 76.674, 131.554, 0.7233249, 1.602155, 0.0068042, 24.00553},        // 2 Venus
    {0.00031, 182, 102.9568, 1.000007, 0.9855988, 0.0166665, 307.68053},         // 3 Tierra
    {1.84951, 49.5596, 335.9683, 1.5237285, 0.5240138, 0.0933978, 297.03416},    // 4 Marte
    {1.30406, 100.5118, 15.2061, 5.203704, 0.08306966, 0.0489055, 82.1451},      // 5 Júpiter
    {2.48569, 113.6263, 91.8086, 9.585032, 0.03321818, 0.057366, 69.4232},       // 6 Saturno
    {0.77197, 73.8948, 168.6986, 19.16877, 0.01174416, 0.0473488, 320.19844},    // 7 Urano
    {1.76943, 131.7894, 57.452, 29.9891, 0.006001642, 0.0111566, 308.55836},     // 8 Neptuno
    {17.16885, 110.2376, 223.5198, 39.25024, 0.004008119, 0.2450534, 241.15829}, // 9 Plutón
}};

double Radians(double degrees) { return (Real(degrees) * DegreesToRadians).value(); }

ElementRow RowAt(const ElementsTable& elements, std::size_t first) {
  return {elements[first], elements[first + 1], elements[first + 2], elements[first + 3],
          elements[first + 4], elements[first + 5], elements[first + 6]};
}

}  // namespace

void FillElements(ElementsTable& elements) {
  std::size_t entry = 1;
  for (const DefinedElements& row : DefinedRows) {
    elements[entry++] = Radians(row.inclinationDeg);
    elements[entry++] = Radians(row.nodeDeg);
    elements[entry++] = Radians(row.perihelionDeg);
    elements[entry++] = row.meanDistanceAu;
    elements[entry++] = Radians(row.dailyMotionDeg);
    elements[entry++] = row.eccentricity;
    elements[entry++] = Radians(row.meanLongitudeDeg);
  }
  elements[EpochEntry] = 2452120.5;
  elements[J2000Entry] = 2451545.0;
}

ElementRow EarthRow(const ElementsTable& elements) { return RowAt(elements, 15); }

ElementRow BodyRow(const ElementsTable& elements, Int16 p) {
  const Int16 b = Mul16(Sub16(p, 1), 7);
  std::array<double, 7> row{};
  for (Int16 k = 1; k <= 7; ++k) {
    const Int16 index = Add16(b, k);
    if (index < 0 || index > 65) RaiseSubscriptOutOfRange();
    row[static_cast<std::size_t>(k - 1)] = elements[static_cast<std::size_t>(index)];
  }
  return {row[0], row[1], row[2], row[3], row[4], row[5], row[6]};
}

}  // namespace orbitas
