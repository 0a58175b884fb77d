#include "progress.h"

#include <cstdio>

namespace orbitas::cli {

Progress::Progress(bool enabled, std::int64_t total) : enabled_(enabled && total >= 20000), total_(total) {}

void Progress::Update(std::int64_t done) {
  if (!enabled_ || (done & 1023) != 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - shown_ < std::chrono::milliseconds(250)) return;
  shown_ = now;
  const double elapsed = std::chrono::duration<double>(now - start_).count();
  const double left =
      done > 0 ? elapsed * static_cast<double>(total_ - done) / static_cast<double>(done) : 0;
  std::fprintf(stderr, "\r%lld/%lld filas, quedan %.0f s   ", static_cast<long long>(done),
               static_cast<long long>(total_), left);
  std::fflush(stderr);
}

Progress::~Progress() {
  if (enabled_) std::fprintf(stderr, "\r%60s\r", "");
}

}  // namespace orbitas::cli
