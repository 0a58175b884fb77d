#pragma once
// What the window reaches outside itself, behind small interfaces so that
// tests can give a fixed clock, watch the clipboard, collect error reports
// and see the program end.

#include <string>

#include "runtime/number_text.h"

namespace orbitas {

class Clock {
 public:
  virtual ~Clock() = default;
  // The current local date and time.
  virtual LocalDateTime Now() = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empties the system clipboard; false when it could not be emptied.
  virtual bool Empty() = 0;
};

class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  // Tells the user, in Spanish, what went wrong; returns at once.
  virtual void Report(const std::string& message) = 0;
};

class ProgramExit {
 public:
  virtual ~ProgramExit() = default;
  // Ends the program with exit status 0.
  virtual void End() = 0;
};

struct Seams {
  Clock& clock;
  Clipboard& clipboard;
  ErrorReporter& errors;
  ProgramExit& exit;
};

}  // namespace orbitas
