#include "files/keep_aside.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>

#include "files/safe_file.h"
#include "files/system_reason.h"

namespace orbitas {

std::string KeepAside(const std::string& path) {
  struct stat name {};
  const bool link = lstat(path.c_str(), &name) == 0 && S_ISLNK(name.st_mode);
  std::string text;
  if (link) {
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  for (int k = 0; k < 1000; ++k) {
    const std::string kept = path + ".roto" + (k == 0 ? "" : "." + std::to_string(k));
    if (!link) {
      // Never over an earlier one: the kernel refuses a name that is taken.
      if (renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, kept.c_str(), RENAME_NOREPLACE) == 0) return kept;
      if (errno == EEXIST) continue;
      throw FileWriteError(ShownPath(kept), SystemReason(errno));
    }
    struct stat taken {};
    if (lstat(kept.c_str(), &taken) == 0 || errno != ENOENT) continue;
    WriteFileSafely(kept, text);
    return kept;
  }
  throw FileWriteError(ShownPath(path + ".roto"), "ya hay mil copias apartadas");
}

}  // namespace orbitas
