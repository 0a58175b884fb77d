#include "cli/command_context.h"

#include <cstdio>

#include "session/terminal_text.h"

namespace orbitas::cli {

void Complain(const std::string& message) {
  std::fprintf(stderr, "orbitas-cli: %s\n", TerminalSafe(message).c_str());
}

void OpenPicture(const Arguments& args, Context& ctx) {
  if (!args.picture.path.empty()) ctx.picture.emplace(args.picture);
}

bool Finish(Context& ctx, const std::string& svg) {
  const std::string failure = ctx.picture->Commit(svg);
  if (failure.empty()) return true;
  Complain(failure);
  return false;
}

}  // namespace orbitas::cli
