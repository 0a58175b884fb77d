// orbitas-cli: the window's computation from a shell.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "arguments.h"
#include "decimal_separator.h"
#include "explain.h"
#include "instant_output.h"

namespace {

constexpr int ExitRuntimeError = 1;
constexpr int ExitUsage = 2;

int RunInstant(const orbitas::cli::Arguments& args) {
  using namespace orbitas::cli;
  const std::string separator = DecimalSeparatorFromEnvironment();
  const InstantOutcome outcome = ComputeInstant(args.date, args.julianDay, args.bodies, separator);
  std::cout << (args.json ? InstantAsJson(outcome) : InstantAsText(outcome)) << std::flush;
  if (outcome.error) {
    std::cerr << "orbitas-cli: " << orbitas::ErrorMessage(*outcome.error) << "\n";
    return ExitRuntimeError;
  }
  return 0;
}

int RunTable(const orbitas::cli::Arguments& args) {
  using namespace orbitas::cli;
  const TablePlan plan(args.table);  // refuses bad bounds before any output
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return WriteTable(plan, DecimalSeparatorFromEnvironment(), stdout, isatty(STDERR_FILENO) == 1);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orbitas::cli;
  try {
    const Arguments args = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (args.command) {
      case Command::Help:
        std::cout << UsageText;
        return 0;
      case Command::Version:
        std::cout << "orbitas-cli " ORBITAS_VERSION "\n";
        return 0;
      case Command::Instant:
        return RunInstant(args);
      case Command::Table:
        return RunTable(args);
      case Command::Explain:
        return Explain(args.date, args.julianDay, args.bodies.front(), DecimalSeparatorFromEnvironment());
    }
  } catch (const UsageError& error) {
    std::cerr << "orbitas-cli: " << error.what() << "\n\n" << ShortUsageText;
    return ExitUsage;
  }
  return 0;
}
