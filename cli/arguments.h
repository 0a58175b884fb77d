#pragma once
// The command line of orbitas-cli.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "instant.h"
#include "table.h"

namespace orbitas::cli {

enum class Command { Help, Version, Instant, Table, Explain };

struct Arguments {
  Command command = Command::Instant;
  bool json = false;
  std::optional<DateTexts> date;  // the six values, when no Julian day is given
  std::string julianDay;          // the text after --jd
  std::vector<Int16> bodies;      // the chosen planets; all eight when none is named
  TableRequest table;             // --from, --to, --step, --format
};

// Bad usage: the message says what is wrong, in Spanish.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The program's arguments (without the program name). Raises UsageError.
Arguments ParseArguments(const std::vector<std::string>& args);

// The usage text shown by --help, and the short one after a usage error.
extern const char* const UsageText;
extern const char* const ShortUsageText;

}  // namespace orbitas::cli
