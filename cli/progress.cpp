#include "cli/progress.h"

#include <cstdio>

namespace orbitas::cli {

Progress::Progress(bool enabled, std::int64_t total, std::string_view unit, std::int64_t minimum, std::int64_t every)
    : enabled_(enabled && total >= minimum), total_(total), unit_(unit), mask_(every - 1) {}

void Progress::Update(std::int64_t done) {
  if (!enabled_ || (done & mask_) != 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - shown_ < std::chrono::milliseconds(250)) return;
  shown_ = now;
  const double elapsed = std::chrono::duration<double>(now - start_).count();
  const double left =
      done > 0 ? elapsed * static_cast<double>(total_ - done) / static_cast<double>(done) : 0;
  std::fprintf(stderr, "\r%lld/%lld %s, quedan %.0f s   ", static_cast<long long>(done),
               static_cast<long long>(total_), unit_.c_str(), left);
  std::fflush(stderr);
}

Progress::~Progress() {
  if (enabled_) std::fprintf(stderr, "\r%60s\r", "");
}

}  // namespace orbitas::cli
