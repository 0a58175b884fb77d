#include "cli/decimal_separator.h"

#include <clocale>

namespace orbitas::cli {

std::string DecimalSeparatorFromEnvironment() {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string restore = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "") == nullptr) return ".";
  const char* point = std::localeconv()->decimal_point;
  std::string separator = (point && *point) ? point : ".";
  std::setlocale(LC_NUMERIC, restore.c_str());
  return separator;
}

}  // namespace orbitas::cli
