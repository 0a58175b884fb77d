#pragma once
// Runs a command line through the shell and captures what it printed.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace orbitas::testing {

struct ProcessResult {
  int status = -1;
  std::string out, err;
};

inline std::string ReadWhole(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// command is run by /bin/sh; stdout and stderr are kept apart. A command
// that may hang brings its own time limit (timeout).
inline ProcessResult RunCommand(const std::string& command) {
  char dir[] = "/tmp/orbitas-test-XXXXXX";
  if (!mkdtemp(dir)) return {};
  const std::string out = std::string(dir) + "/out", err = std::string(dir) + "/err";
  const std::string line = "{ " + command + "; } >" + out + " 2>" + err + " </dev/null";
  const int raw = std::system(line.c_str());
  ProcessResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadWhole(out);
  result.err = ReadWhole(err);
  if (std::system(("rm -rf " + std::string(dir)).c_str()) != 0) result.err += "\n(the temporary folder stayed)";
  return result;
}

// The shell command that runs the program cli with args in the environment
// env ("LC_ALL=C"), killed after seconds.
inline std::string CliCommand(const std::string& cli, const std::string& args, const std::string& env, int seconds) {
  return "timeout " + std::to_string(seconds) + " env " + env + " " + cli + " " + args;
}

}  // namespace orbitas::testing
