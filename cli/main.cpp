// orbitas-cli: the window's computation from a shell.
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "arguments.h"
#include "decimal_separator.h"
#include "explain.h"
#include "instant_output.h"
#include "output.h"
#include "table.h"

namespace {

constexpr int ExitRuntimeError = 1;
constexpr int ExitUsage = 2;

using namespace orbitas::cli;

int RunInstant(const Arguments& args, Output& out) {
  const std::string separator = DecimalSeparatorFromEnvironment();
  const InstantOutcome outcome = ComputeInstant(args.date, args.julianDay, args.bodies, separator);
  out.Write(args.json ? InstantAsJson(outcome) : InstantAsText(outcome));
  if (outcome.error) {
    out.Flush();
    std::fprintf(stderr, "orbitas-cli: %s\n", std::string(orbitas::ErrorMessage(*outcome.error)).c_str());
    return ExitRuntimeError;
  }
  return 0;
}

int RunTable(const Arguments& args, Output& out) {
  const TablePlan plan(args.table);  // refuses bad bounds before any output
  return WriteTable(plan, DecimalSeparatorFromEnvironment(), out, isatty(STDERR_FILENO) == 1);
}

int Run(const Arguments& args, Output& out) {
  switch (args.command) {
    case Command::Help:
      out.Write(UsageText);
      return 0;
    case Command::Version:
      out.Write("orbitas-cli " ORBITAS_VERSION "\n");
      return 0;
    case Command::Instant:
      return RunInstant(args, out);
    case Command::Table:
      return RunTable(args, out);
    case Command::Explain:
      return Explain(args.date, args.julianDay, args.bodies.front(), DecimalSeparatorFromEnvironment(), out);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_MESSAGES, "");  // the system's reasons in the user's language
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  Output out(stdout, "la salida estándar");
  try {
    const Arguments args = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    const int status = Run(args, out);
    out.Close();
    return status;
  } catch (const UsageError& error) {
    std::fprintf(stderr, "orbitas-cli: %s\n\n%s", error.what(), ShortUsageText);
    return ExitUsage;
  } catch (const OutputError& error) {
    // A reader that went away (a closed pipe) wants no more output: that
    // is no failure. Anything else is.
    if (error.brokenPipe()) return 0;
    std::fprintf(stderr, "orbitas-cli: %s\n", error.what());
    return ExitRuntimeError;
  }
}
