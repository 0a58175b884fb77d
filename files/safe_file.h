#pragma once
// The one way the program writes a file: pictures, PDFs, CSV, calendars,
// the home file and the planner's own. A file is written whole or not at
// all, and nothing is ever replaced that is not the user's regular file:
//
// - a new file or a regular one is written into a temporary file made
//   exclusively, with a unique name, beside it, and renamed into place
//   (an existing file keeps its mode; a new one gets the user's umask);
// - a symbolic link, a file with other hard links, or a file the user may
//   write in a folder they may not, is written through:
//   opened as the system opens it, so that the kernel's protections apply,
//   and rewritten in place, so the link stays and points where it did. A
//   link that another user left in a shared sticky folder (such as /tmp),
//   symbolic or hard, is never written through, whatever the kernel allows;
// - a folder, a device, a FIFO or a socket, at the name or at the end of
//   its links, is refused, never opened for writing nor replaced;
// - a temporary file is removed on every failure and on SIGINT, SIGTERM
//   and SIGHUP.
#include <stdexcept>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace orbitas {

// A file that cannot be written as asked: "no se puede escribir PATH:
// WHY", in Spanish, and WHY alone, for a message that names the file its
// own way.
class FileWriteError : public std::runtime_error {
 public:
  FileWriteError(const std::string& shownPath, std::string why)
      : std::runtime_error("no se puede escribir " + shownPath + ": " + why), why_(std::move(why)) {}
  const std::string& why() const { return why_; }

 private:
  std::string why_;
};

class SafeFile {
 public:
  // Checks at once, before any work, that path can be written as above,
  // and makes the temporary file when there is one. Raises FileWriteError
  // naming path and why (no such folder, no permission, a device, a link
  // of another user's, …).
  explicit SafeFile(std::string path);
  // Removes the temporary file unless Commit succeeded.
  ~SafeFile();
  SafeFile(const SafeFile&) = delete;
  SafeFile& operator=(const SafeFile&) = delete;

  const std::string& path() const { return path_; }

  // Writes bytes as the file's whole content and puts it in place. Raises
  // FileWriteError naming the path and why (a full disk, a file that
  // changed into something else meanwhile); the file that was there is
  // then as it was, except when it is written through a link and the disk
  // fails in the middle of the rewrite (its space is reserved first, so a
  // full disk is found before anything is changed). Call it once.
  void Commit(std::string_view bytes);

 private:
  enum class Way { Create, Replace, Through };

  void Prepare();
  void Release();
  void Refuse(const std::string& why) const;
  void PrepareTemporary();
  void PrepareThrough(bool dangling, bool link);
  void CommitTemporary(std::string_view bytes);
  void CommitThrough(std::string_view bytes);

  std::string path_;
  Way way_ = Way::Create;
  std::string temporary_;
  int fd_ = -1;          // the temporary file, or the file written through
  int slot_ = -1;        // the temporary file's place among those a signal removes
  dev_t device_ = 0;     // the file replaced, to see that it is still the same
  ino_t inode_ = 0;
  bool committed_ = false;
};

// SafeFile(path).Commit(bytes): the whole file at once. Raises
// FileWriteError as those do.
void WriteFileSafely(const std::string& path, std::string_view bytes);

// path as a message shows it: whole, or cut with "…" after 200 bytes
// (never inside a UTF-8 character) when it is longer. Never raises.
std::string ShownPath(const std::string& path);

}  // namespace orbitas
