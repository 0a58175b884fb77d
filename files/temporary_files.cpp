#include "files/temporary_files.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

namespace orbitas {
namespace {

// A handler may only call what is async-signal-safe: the paths live in
// fixed buffers, and unlink is all it does with them.
constexpr int Slots = 32;
constexpr std::size_t PathRoom = 4096;

struct Slot {
  std::atomic<bool> used{false};
  char path[PathRoom];
};

Slot slots[Slots];
std::mutex claiming;

constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction before[3];

void RemoveAndPassOn(int signal) {
  for (Slot& slot : slots) {
    if (slot.used.load()) unlink(slot.path);
  }
  // What the program did before, its own handler or the default end,
  // takes the signal once this handler returns.
  for (int k = 0; k < 3; ++k) {
    if (Signals[k] == signal) sigaction(signal, &before[k], nullptr);
  }
  raise(signal);
}

void InstallHandlers() {
  for (int k = 0; k < 3; ++k) {
    sigaction(Signals[k], nullptr, &before[k]);
    if (before[k].sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = RemoveAndPassOn;
    sigemptyset(&action.sa_mask);
    sigaction(Signals[k], &action, nullptr);
  }
}

}  // namespace

int RememberTemporary(const std::string& path) {
  static std::once_flag installed;
  std::call_once(installed, InstallHandlers);
  if (path.size() >= PathRoom) return -1;
  const std::lock_guard<std::mutex> lock(claiming);
  for (int k = 0; k < Slots; ++k) {
    if (slots[k].used.load()) continue;
    std::memcpy(slots[k].path, path.c_str(), path.size() + 1);
    slots[k].used.store(true);
    return k;
  }
  return -1;
}

void ForgetTemporary(int slot) {
  if (slot >= 0 && slot < Slots) slots[slot].used.store(false);
}

}  // namespace orbitas
