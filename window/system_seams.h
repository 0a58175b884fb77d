#pragma once
// The seams as the running program has them: the system clock and
// clipboard, a message box for errors, and the application's exit.

#include "window/seams.h"

namespace orbitas {

class SystemClock : public Clock {
 public:
  LocalDateTime Now() override;
};

class SystemClipboard : public Clipboard {
 public:
  bool Empty() override;
};

class MessageBoxReporter : public ErrorReporter {
 public:
  void Report(const std::string& message) override;
};

class ApplicationExit : public ProgramExit {
 public:
  void End() override;
};

}  // namespace orbitas
