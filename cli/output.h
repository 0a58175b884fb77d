#pragma once
// Standard output (or any stream) written with every write, the final
// flush and the close checked, so that a full disk is never reported as
// success.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orbitas::cli {

// A write that failed. The message names what could not be written and
// the system's reason; brokenPipe is true when the reader went away (a
// closed pipe, as after "| head"), which ends the program quietly.
class OutputError : public std::runtime_error {
 public:
  OutputError(const std::string& message, bool brokenPipe)
      : std::runtime_error(message), brokenPipe_(brokenPipe) {}
  bool brokenPipe() const { return brokenPipe_; }

 private:
  bool brokenPipe_;
};

class Output {
 public:
  // file stays open until Close; name says what it is, in Spanish ("la
  // salida estándar").
  Output(std::FILE* file, std::string name) : file_(file), name_(std::move(name)) {}

  // Each raises OutputError when the system refuses the write.
  void Write(std::string_view text);
  void Flush();
  // Flushes and closes the stream; nothing may be written after it.
  void Close();

  std::FILE* file() const { return file_; }

 private:
  [[noreturn]] void Fail();
  std::FILE* file_;
  std::string name_;
};

}  // namespace orbitas::cli
