#include "files/safe_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "files/system_reason.h"
#include "files/temporary_files.h"

namespace orbitas {
namespace {

constexpr std::size_t LongestShownPath = 200;  // bytes

// What a name that is not a regular file is, for the refusal.
std::string KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "es una carpeta, no un fichero";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "es un dispositivo, no un fichero normal: no se sustituye";
  if (S_ISFIFO(mode)) return "es una tubería con nombre (FIFO), no un fichero normal: no se sustituye";
  if (S_ISSOCK(mode)) return "es un socket, no un fichero normal: no se sustituye";
  return "no es un fichero normal: no se sustituye";
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link another user made in a folder everyone may write to and only
// owners may delete from (the sticky bit, as /tmp): the kernel follows a
// symbolic one, or lets a hard one be made to a file it should not,
// unless fs.protected_symlinks and fs.protected_hardlinks say otherwise,
// so the program never writes through either.
bool PlantedLink(const std::string& path, const struct stat& link) {
  struct stat folder {};
  if (stat(FolderOf(path).c_str(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  return shared && link.st_uid != geteuid() && link.st_uid != folder.st_uid;
}

// Six letters no other process is likely to pick at the same moment.
std::string UniqueSuffix() {
  static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  unsigned char random[6] = {};
  if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
    const unsigned long seed = static_cast<unsigned long>(getpid()) * 2654435761UL ^ static_cast<unsigned long>(clock());
    for (int k = 0; k < 6; ++k) random[k] = static_cast<unsigned char>(seed >> (5 * k));
  }
  std::string suffix;
  for (const unsigned char c : random) suffix += Letters[c % (sizeof Letters - 1)];
  return suffix;
}

// Writes all of bytes at offset 0 of fd; errno's value, or 0.
int WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// The folder's entries made durable, as far as the file system allows.
void SyncFolder(const std::string& path) {
  const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  fsync(folder);
  close(folder);
}

}  // namespace

std::string ShownPath(const std::string& path) {
  if (path.size() <= LongestShownPath) return path;
  std::size_t cut = LongestShownPath;
  while (cut > 0 && (static_cast<unsigned char>(path[cut]) & 0xC0) == 0x80) --cut;
  return path.substr(0, cut) + "…";
}

SafeFile::SafeFile(std::string path) : path_(std::move(path)) {
  try {
    Prepare();
  } catch (...) {
    Release();
    throw;
  }
}

void SafeFile::Prepare() {
  if (path_.empty()) throw FileWriteError("«»", "falta el nombre del fichero");
  struct stat name {};
  if (lstat(path_.c_str(), &name) != 0) {
    if (errno != ENOENT) Refuse(SystemReason(errno));
    way_ = Way::Create;
    PrepareTemporary();
    return;
  }
  if (S_ISLNK(name.st_mode)) {
    if (PlantedLink(path_, name)) {
      Refuse("es un enlace simbólico de otro usuario en una carpeta compartida: no se sigue");
    }
    struct stat end {};
    const bool dangling = stat(path_.c_str(), &end) != 0;
    if (dangling && errno != ENOENT) Refuse(SystemReason(errno));
    if (!dangling && !S_ISREG(end.st_mode)) Refuse("el enlace lleva a algo que " + KindOf(end.st_mode));
    PrepareThrough(dangling, true);
    return;
  }
  if (!S_ISREG(name.st_mode)) Refuse(KindOf(name.st_mode));
  if (name.st_nlink > 1) {
    if (PlantedLink(path_, name)) {
      Refuse("es un enlace duro a un fichero de otro usuario en una carpeta compartida: no se escribe a través");
    }
    PrepareThrough(false, false);
    return;
  }
  // A file the user may write in a folder they may not: rewritten in place,
  // as the shell's > would, since no temporary file can be made beside it.
  if (access(FolderOf(path_).c_str(), W_OK) != 0 && access(path_.c_str(), W_OK) == 0) {
    PrepareThrough(false, false);
    return;
  }
  way_ = Way::Replace;
  device_ = name.st_dev, inode_ = name.st_ino;
  PrepareTemporary();
  // The new file takes the old one's permissions (and, for root, owner).
  if (fchmod(fd_, name.st_mode & 07777) != 0 ||
      (geteuid() == 0 && fchown(fd_, name.st_uid, name.st_gid) != 0)) {
    Refuse(SystemReason(errno));
  }
}

SafeFile::~SafeFile() { Release(); }

void SafeFile::Release() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temporary_.empty() && !committed_) unlink(temporary_.c_str());
  ForgetTemporary(slot_);
  slot_ = -1;
}

void SafeFile::Refuse(const std::string& why) const {
  throw FileWriteError(ShownPath(path_), why);
}

namespace {

// SIGINT, SIGTERM and SIGHUP held back while it lives: one that came
// between making a temporary file and remembering it would leave the file
// behind. A signal held back is taken when the guard goes.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &before_);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_;
};

}  // namespace

// A new file beside the target, created exclusively with the mode any new
// file gets (0666 less the umask), remembered for the signals.
void SafeFile::PrepareTemporary() {
  const std::string folder = FolderOf(path_);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = folder + "/." + BaseOf(path_) + "." + UniqueSuffix() + ".nuevo";
    int error = 0;
    {
      const SignalsHeld held;
      fd_ = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
      error = errno;
      if (fd_ >= 0) {
        temporary_ = name;
        slot_ = RememberTemporary(name);
      }
    }
    if (fd_ >= 0) return;
    errno = error;
    if (errno == EEXIST) continue;
    if (errno == ENOENT) Refuse("no existe la carpeta " + ShownPath(folder));
    if (errno == EACCES) Refuse("no hay permiso para escribir en la carpeta " + ShownPath(folder));
    Refuse(SystemReason(errno));
  }
  Refuse("no se pudo crear un fichero temporal con un nombre nuevo");
}

// The file at the end of the links, or with other hard links, opened now
// as the system opens it (a dangling link is followed when written); a
// hard-linked name that became a symbolic link meanwhile is not followed.
void SafeFile::PrepareThrough(bool dangling, bool link) {
  way_ = Way::Through;
  if (dangling) return;
  fd_ = open(path_.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC | (link ? 0 : O_NOFOLLOW));
  if (fd_ < 0) Refuse(SystemReason(errno));
  struct stat opened {};
  if (fstat(fd_, &opened) != 0) Refuse(SystemReason(errno));
  if (!S_ISREG(opened.st_mode)) Refuse(KindOf(opened.st_mode));
}

void SafeFile::Commit(std::string_view bytes) {
  if (committed_) Refuse("ya se escribió una vez");
  if (way_ == Way::Through) CommitThrough(bytes);
  else CommitTemporary(bytes);
  committed_ = true;
}

void SafeFile::CommitTemporary(std::string_view bytes) {
  if (const int error = WriteAll(fd_, bytes)) Refuse(SystemReason(error));
  if (fsync(fd_) != 0 && errno != EINVAL) Refuse(SystemReason(errno));
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) Refuse(SystemReason(errno));
  if (way_ == Way::Create) {
    // Never over a file that appeared meanwhile.
    if (renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, path_.c_str(), RENAME_NOREPLACE) != 0) {
      if (errno == EEXIST) Refuse("apareció otro fichero con ese nombre mientras se escribía; se ha dejado como estaba");
      if (errno != EINVAL && errno != ENOSYS) Refuse(SystemReason(errno));
      if (link(temporary_.c_str(), path_.c_str()) != 0) Refuse(SystemReason(errno));
      unlink(temporary_.c_str());
    }
  } else {
    struct stat now {};
    if (lstat(path_.c_str(), &now) != 0 || now.st_dev != device_ || now.st_ino != inode_) {
      Refuse("el fichero cambió mientras se escribía; se ha dejado como estaba");
    }
    if (rename(temporary_.c_str(), path_.c_str()) != 0) Refuse(SystemReason(errno));
  }
  temporary_.clear();
  ForgetTemporary(slot_);
  slot_ = -1;
  SyncFolder(path_);
}

void SafeFile::CommitThrough(std::string_view bytes) {
  if (fd_ < 0) {
    // A dangling link: the file it names is made now, as a shell would.
    fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd_ < 0) Refuse(SystemReason(errno));
    struct stat opened {};
    if (fstat(fd_, &opened) != 0) Refuse(SystemReason(errno));
    if (!S_ISREG(opened.st_mode)) Refuse(KindOf(opened.st_mode));
  }
  // The space first: a full disk is found before the old text is touched.
  const int reserved = posix_fallocate(fd_, 0, static_cast<off_t>(bytes.size()));
  if (reserved == ENOSPC || reserved == EDQUOT || reserved == EFBIG) Refuse(SystemReason(reserved));
  if (const int error = WriteAll(fd_, bytes)) Refuse(SystemReason(error));
  if (ftruncate(fd_, static_cast<off_t>(bytes.size())) != 0) Refuse(SystemReason(errno));
  if (fsync(fd_) != 0 && errno != EINVAL) Refuse(SystemReason(errno));
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) Refuse(SystemReason(errno));
}

void WriteFileSafely(const std::string& path, std::string_view bytes) { SafeFile(path).Commit(bytes); }

}  // namespace orbitas
