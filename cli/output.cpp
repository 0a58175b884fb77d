#include "cli/output.h"

#include <cerrno>

#include "files/system_reason.h"
#include "session/terminal_text.h"

namespace orbitas::cli {

void Output::Fail() {
  const int error = errno;
  throw OutputError("no se pudo escribir en " + name_ + ": " + SystemReason(error), error == EPIPE);
}

void Output::Write(std::string_view raw) {
  if (raw.empty()) return;
  // What a name from a file or the command line holds never drives the
  // terminal: its control characters are written as escapes.
  const std::string escaped = IsTerminalSafe(raw) ? std::string() : TerminalSafe(raw);
  const std::string_view text = escaped.empty() ? raw : std::string_view(escaped);
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) Fail();
}

void Output::Flush() {
  errno = 0;
  if (std::fflush(file_) != 0) Fail();
}

void Output::Close() {
  Flush();
  std::FILE* file = file_;
  file_ = nullptr;
  errno = 0;
  if (std::fclose(file) != 0) Fail();
}

}  // namespace orbitas::cli
