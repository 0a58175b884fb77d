#pragma once
// The progress of a long table on stderr, for a person at a terminal: rows
// done, rows in all and the seconds left, redrawn at most four times a
// second and cleared at the end.
#include <chrono>
#include <cstdint>

namespace orbitas::cli {

class Progress {
 public:
  // Shows nothing unless enabled (stderr is a terminal) and the table has
  // at least 20,000 rows.
  Progress(bool enabled, std::int64_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void Update(std::int64_t done);

 private:
  bool enabled_;
  std::int64_t total_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point shown_{};
};

}  // namespace orbitas::cli
