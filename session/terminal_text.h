#pragma once
// Text that may carry what a user typed or a file held, made safe to
// write: to a terminal, where an escape sequence would drive it (retitle
// the window, clear the screen), and to JSON, which must be valid UTF-8.
#include <string>
#include <string_view>

namespace orbitas {

// text with every control character but newline and tab (and the carriage
// return of a CRLF line end), DEL, the C1 controls (U+0080 to U+009F) and
// every byte that is not part of valid UTF-8 written as "\x1B"-style
// escapes; everything else as it is. Never raises.
std::string TerminalSafe(std::string_view text);

// Whether TerminalSafe would give text back unchanged: what the program
// writes itself, which is nearly always so, is then written without a copy.
bool IsTerminalSafe(std::string_view text);

// The length of the valid UTF-8 sequence at text[i] (1 for ASCII), or 0
// for a byte that does not begin one (a stray continuation byte, a cut
// sequence, an overlong form, a surrogate, past U+10FFFF). i < size.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t i);

// text with every byte that is not part of valid UTF-8 replaced by U+FFFD
// (�); replaced, when not null, tells whether any was. Never raises.
std::string ValidUtf8(std::string_view text, bool* replaced = nullptr);

}  // namespace orbitas
