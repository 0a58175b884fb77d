// orbitas-cli as a process where its output or its numbers go wrong: a full
// disk, a reader that goes away, and numbers it would read only in part.
#include <gtest/gtest.h>

#include "tests/support/process.h"

namespace orbitas {
namespace {

using testing::RunCommand;

const char* const EveryForm[] = {
    "2000 1 1 12 0 0 Marte",
    "--jd 2451545 --json",
    "--from 2026-01-01 --to 2026-12-31 --step 1d --format csv",
    "--from 2026-01-01 --to 2026-12-31 --step 1d --format json",
    "--from 2026-01-01 --to 2026-01-03 --step 1d Marte",
    "--explain 2000 1 1 12 0 0 Marte",
    "--help",
};

TEST(CliOutput, AFullDiskIsAFailureThatSaysWhatCouldNotBeWritten) {
  for (const char* args : EveryForm) {
    const auto r = RunCommand(std::string("timeout 20 env LC_ALL=C " ORBITAS_CLI " ") + args + " >/dev/full");
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_NE(r.err.find("no se pudo escribir en la salida estándar: el disco está lleno"),
              std::string::npos) << args << "\n" << r.err;
  }
}

TEST(CliOutput, AReaderThatGoesAwayEndsItQuietly) {
  // With SIGPIPE ignored the writes fail with EPIPE; that is no error.
  for (const char* args : EveryForm) {
    const auto r = RunCommand(std::string("bash -c 'trap \"\" PIPE; timeout 20 env LC_ALL=C " ORBITAS_CLI " ") +
                              args + " | head -c 1 >/dev/null; exit ${PIPESTATUS[0]}'");
    EXPECT_EQ(r.status, 0) << args;
    EXPECT_EQ(r.err, "") << args;
  }
}

TEST(CliNumbers, ANumberReadOnlyInPartIsAUsageErrorNamingIt) {
  struct Case {
    const char* args;
    const char* message;
  };
  const Case cases[] = {
      {"--jd 2451545,5 Marte", "el día juliano de --jd no se lee entero como número: «2451545,5»; "
                               "el separador decimal es el punto: 2451545.5"},
      {"2000 1 1 12 30 15,5", "el segundo no se lee entero como número: «15,5»"},
      {"--jd abc", "«abc»"},
      {"2000x 1 1 12 0 0", "el año no se lee entero"},
      {"2000 1 1 12h 0 0", "la hora no se lee entero"},
      {"2000 1 1 12 0 1e", "el segundo no se lee entero"},
      {"2000 - 1 12 0 0", "el mes no se lee entero"},
  };
  for (const Case& c : cases) {
    const auto r = RunCommand(std::string("timeout 20 env LC_ALL=C " ORBITAS_CLI " ") + c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_TRUE(r.out.empty()) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
  }
  // Read whole, as the window reads its fields: blanks, signs and
  // exponents (an empty field is refused: see the usage tests).
  for (const char* args : {"' 2 0 0 0' 1 1 12 0 0", "+2000 1 1 1.2e1 0 0",
                           "--jd ' 2451545.5 '"}) {
    EXPECT_EQ(RunCommand(std::string("timeout 20 env LC_ALL=C " ORBITAS_CLI " ") + args + " Marte").status, 0)
        << args;
  }
}

}  // namespace
}  // namespace orbitas
