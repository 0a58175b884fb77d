#pragma once
// Seams the window tests control: a clock that gives a prepared series of
// readings, a clipboard that records (or refuses) being emptied, and
// recorders for error reports and the program's end.
#include <deque>
#include <string>
#include <vector>

#include "window/seams.h"

namespace orbitas {

class FixedClock : public Clock {
 public:
  explicit FixedClock(std::deque<LocalDateTime> readings) : readings_(std::move(readings)) {}
  LocalDateTime Now() override {
    ++reads;
    const LocalDateTime now = readings_.front();
    if (readings_.size() > 1) readings_.pop_front();
    return now;
  }
  int reads = 0;

 private:
  std::deque<LocalDateTime> readings_;
};

class RecordingClipboard : public Clipboard {
 public:
  bool Empty() override {
    ++emptied;
    return works;
  }
  int emptied = 0;
  bool works = true;
};

class RecordingReporter : public ErrorReporter {
 public:
  void Report(const std::string& message) override { messages.push_back(message); }
  std::vector<std::string> messages;
};

class RecordingExit : public ProgramExit {
 public:
  void End() override { ++ended; }
  int ended = 0;
};

}  // namespace orbitas
