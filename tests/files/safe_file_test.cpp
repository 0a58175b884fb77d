// The safe writer against what a careless or hostile user leaves where a
// file is to be written: links, devices, FIFOs, folders, hard links, a full
// disk and a signal in the middle.
#include "files/safe_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "files/system_reason.h"

namespace orbitas {
namespace {

namespace fs = std::filesystem;

class SafeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/orbitas-safe-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string At(const std::string& name) const { return folder_ + "/" + name; }
  static void Put(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
  static std::string Text(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The names in the folder, to see that no temporary file is left.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.insert(entry.path().filename().string());
    return names;
  }
  static mode_t Mode(const std::string& path) {
    struct stat s {};
    EXPECT_EQ(stat(path.c_str(), &s), 0);
    return s.st_mode & 07777;
  }

  std::string folder_;
};

// What must be refused, never opened for writing nor replaced: each case
// makes the name, and the refusal must say why.
struct Refusal {
  const char* what;
  std::function<void(const std::string& folder)> make;  // makes folder/out
  const char* why;                                      // part of the message
};

TEST_F(SafeFileTest, RefusesWhatIsNotARegularFileAndLeavesItAsItWas) {
  const Refusal cases[] = {
      {"a folder", [](const std::string& f) { fs::create_directory(f + "/out"); }, "carpeta"},
      {"a FIFO, without hanging on it", [](const std::string& f) { mkfifo((f + "/out").c_str(), 0600); },
       "FIFO"},
      {"a link to a FIFO", [](const std::string& f) {
         mkfifo((f + "/fifo").c_str(), 0600);
         fs::create_symlink(f + "/fifo", f + "/out");
       }, "FIFO"},
      {"a link to a device", [](const std::string& f) {
         // As root, a private copy of /dev/null: the real one must never be
         // at stake. Otherwise /dev/null itself, which a user cannot replace.
         if (geteuid() == 0) {
           mknod((f + "/null").c_str(), S_IFCHR | 0666, makedev(1, 3));
           fs::create_symlink(f + "/null", f + "/out");
         } else {
           fs::create_symlink("/dev/null", f + "/out");
         }
       }, "dispositivo"},
      {"a loop of links", [](const std::string& f) { fs::create_symlink(f + "/out", f + "/out"); }, "enlaces"},
      {"a link to a folder", [](const std::string& f) { fs::create_symlink(f, f + "/out"); }, "carpeta"},
      {"a name in a missing folder", [](const std::string& f) { fs::remove_all(f + "/nowhere"); }, "no existe"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(folder_);
    fs::create_directory(folder_);
    c.make(folder_);
    const std::set<std::string> before = Names();
    const std::string path = std::string(c.what) == "a name in a missing folder" ? At("nowhere/out") : At("out");
    try {
      WriteFileSafely(path, "nuevo");
      ADD_FAILURE() << "written";
    } catch (const FileWriteError& error) {
      EXPECT_NE(std::string(error.what()).find(c.why), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    EXPECT_EQ(Names(), before);
    struct stat s {};
    if (lstat(At("null").c_str(), &s) == 0) {
      EXPECT_TRUE(S_ISCHR(s.st_mode));
    }
  }
}

TEST_F(SafeFileTest, NeverFollowsALinkAnotherUserPlantedInASharedStickyFolder) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root, to plant the link as a second user";
  const std::string secret = At("secreto.conf"), shared = At("compartida");
  Put(secret, "mío\n");
  chmod(secret.c_str(), 0600);
  chmod(folder_.c_str(), 0755);  // the other user must reach the shared folder
  fs::create_directory(shared);
  chmod(shared.c_str(), 01777);
  const pid_t child = fork();
  if (child == 0) {
    // The other user (nobody) plants out.svg → the secret, and a hard
    // link of a file of theirs as out.png.
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
    const int own = open((shared + "/suyo").c_str(), O_WRONLY | O_CREAT, 0666);
    if (own < 0 || write(own, "suyo", 4) != 4 || close(own) != 0) _exit(4);
    if (link((shared + "/suyo").c_str(), (shared + "/out.png").c_str()) != 0) _exit(5);
    _exit(symlink(secret.c_str(), (shared + "/out.svg").c_str()) == 0 ? 0 : 3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_THROW(WriteFileSafely(shared + "/out.svg", "<svg/>"), FileWriteError);
  EXPECT_EQ(Text(secret), "mío\n");
  EXPECT_EQ(Mode(secret), 0600u);
  EXPECT_TRUE(fs::is_symlink(shared + "/out.svg"));
  EXPECT_THROW(WriteFileSafely(shared + "/out.png", "png"), FileWriteError);
  EXPECT_EQ(Text(shared + "/suyo"), "suyo");
}

TEST_F(SafeFileTest, AnExistingFileKeepsItsModeAndANewOneGetsTheUmask) {
  Put(At("old"), "viejo");
  chmod(At("old").c_str(), 0600);
  WriteFileSafely(At("old"), "nuevo");
  EXPECT_EQ(Text(At("old")), "nuevo");
  EXPECT_EQ(Mode(At("old")), 0600u);

  const mode_t mask = umask(027);
  WriteFileSafely(At("new"), "nuevo");
  umask(mask);
  EXPECT_EQ(Mode(At("new")), 0640u);
  EXPECT_EQ(Names(), (std::set<std::string>{"new", "old"}));
}

TEST_F(SafeFileTest, ALinkAndAHardLinkAreWrittenThroughAndStayLinks) {
  Put(At("target"), "un texto viejo más largo que el nuevo");
  chmod(At("target").c_str(), 0604);
  fs::create_symlink("target", At("link"));
  WriteFileSafely(At("link"), "nuevo");
  EXPECT_TRUE(fs::is_symlink(At("link")));
  EXPECT_EQ(Text(At("target")), "nuevo");
  EXPECT_EQ(Mode(At("target")), 0604u);

  fs::create_hard_link(At("target"), At("hard"));
  WriteFileSafely(At("hard"), "otro");
  EXPECT_EQ(Text(At("target")), "otro");
  EXPECT_EQ(fs::hard_link_count(At("target")), 2u);

  fs::create_symlink("made", At("dangling"));
  WriteFileSafely(At("dangling"), "hecho");
  EXPECT_TRUE(fs::is_symlink(At("dangling")));
  EXPECT_EQ(Text(At("made")), "hecho");
  EXPECT_EQ(Names(), (std::set<std::string>{"dangling", "hard", "link", "made", "target"}));
}

TEST_F(SafeFileTest, AWritableFileInAFolderThatIsNotIsRewrittenInPlace) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes any folder";
  Put(At("old"), "viejo");
  chmod(folder_.c_str(), 0555);
  EXPECT_NO_THROW(WriteFileSafely(At("old"), "nuevo"));
  EXPECT_THROW(WriteFileSafely(At("new"), "nuevo"), FileWriteError);
  chmod(folder_.c_str(), 0755);
  EXPECT_EQ(Text(At("old")), "nuevo");
  EXPECT_EQ(Names(), std::set<std::string>{"old"});
}

TEST_F(SafeFileTest, NothingIsLeftWhenTheWorkFailsBeforeTheFileIsWritten) {
  Put(At("old"), "viejo");
  {
    SafeFile prepared(At("old"));
    SafeFile fresh(At("fresh"));
    EXPECT_EQ(Names().size(), 3u);  // the old file and two temporary ones
  }
  EXPECT_EQ(Names(), std::set<std::string>{"old"});
  EXPECT_EQ(Text(At("old")), "viejo");
}

TEST_F(SafeFileTest, AWriteErrorIsReportedAndTheOldFileStaysWhole) {
  Put(At("old"), "viejo");
  const pid_t child = fork();
  if (child == 0) {
    // A file size limit makes every write past 4 bytes fail, as a full disk.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4, 4};
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
      WriteFileSafely(At("old"), "un texto más largo que el límite");
    } catch (const FileWriteError& error) {
      _exit(std::string(error.what()).find(SystemReason(EFBIG)) != std::string::npos ? 0 : 4);
    }
    _exit(3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(Text(At("old")), "viejo");
  EXPECT_EQ(Names(), std::set<std::string>{"old"});
}

TEST_F(SafeFileTest, ASignalInTheMiddleRemovesTheTemporaryFile) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
      SafeFile file(At("out.pdf"));
      (void)!write(ready[1], "x", 1);
      pause();
      _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    EXPECT_EQ(Names().size(), 1u);  // the temporary file
    kill(child, signal);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
    EXPECT_TRUE(Names().empty());
    close(ready[0]), close(ready[1]);
  }
}

TEST(ShownPath, CutsALongPathWithAnEllipsisNeverInsideACharacter) {
  EXPECT_EQ(ShownPath("corto.svg"), "corto.svg");
  const std::string longPath = std::string(199, 'a') + "ñ" + std::string(1000, 'b');
  EXPECT_EQ(ShownPath(longPath), std::string(199, 'a') + "…");
}

TEST(SystemReason, IsSpanishWhateverTheLocale) {
  const struct {
    int error;
    const char* text;
  } cases[] = {{ENOENT, "no existe"}, {EACCES, "no hay permiso"}, {ENOSPC, "el disco está lleno"}, {99999, "número 99999"}};
  for (const auto& c : cases) EXPECT_NE(SystemReason(c.error).find(c.text), std::string::npos) << c.error;
}

}  // namespace
}  // namespace orbitas
