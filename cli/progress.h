#pragma once
// The progress of long work on stderr, for a person at a terminal: the
// units done (rows of a table, days of phenomena), the units in all and the
// seconds left, redrawn at most four times a second and cleared at the end.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbitas::cli {

class Progress {
 public:
  // Shows nothing unless enabled (stderr is a terminal) and total is at
  // least minimum. unit names what is counted ("filas"); the clock is read
  // only every `every` units (a power of two).
  Progress(bool enabled, std::int64_t total, std::string_view unit = "filas", std::int64_t minimum = 20000,
           std::int64_t every = 1024);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void Update(std::int64_t done);

 private:
  bool enabled_;
  std::int64_t total_;
  std::string unit_;
  std::int64_t mask_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point shown_{};
};

}  // namespace orbitas::cli
