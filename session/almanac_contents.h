#pragma once
// A page of the printed almanac: a month's title and its sections, each a
// heading and its lines, in Spanish, ready to print.
#include <string>
#include <vector>

namespace orbitas {

struct AlmanacSection {
  std::string heading;             // "Fases de la Luna"
  std::vector<std::string> lines;  // "Luna llena: 2027-01-22 13:17"
};

struct AlmanacPage {
  std::string title;     // "Enero de 2027 · Madrid (España)"
  std::string subtitle;  // where the numbers come from
  std::vector<AlmanacSection> sections;
};

}  // namespace orbitas
