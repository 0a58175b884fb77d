#pragma once
// What every command of orbitas-cli is given besides its arguments, and
// the few things every command does with it: say a complaint, open the
// picture's file first and write it last.
#include <functional>
#include <optional>
#include <string>

#include "calendar/instant.h"
#include "cli/arguments.h"
#include "cli/output.h"
#include "pictures/picture_file.h"

namespace orbitas::cli {

inline constexpr int ExitRuntimeError = 1;

// The output, the user's decimal separator (read once, at the start), the
// picture asked for, and what the one error path says after a run-time
// error of the method (the date or night it could not reach).
struct Context {
  Output& out;
  std::string separator;
  std::string picturePath;
  std::optional<pictures::PictureFile> picture;
  std::function<std::string()> beyond;  // ": …", or nothing
  Instant reached;                      // how far a long search got
};

// "orbitas-cli: " and the message, on stderr; no control character of a
// value typed or read ever reaches the terminal. Raises nothing.
void Complain(const std::string& message);

// The picture's file, opened before any work when one is asked for.
// Raises pictures::PictureFileError when it cannot be.
void OpenPicture(const Arguments& args, Context& ctx);

// Draws svg into the picture's file; false (after saying why) when it
// could not be written. Raises nothing.
bool Finish(Context& ctx, const std::string& svg);

}  // namespace orbitas::cli
