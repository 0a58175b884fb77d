// The home file is never lost: broken files kept under names that never
// replace each other, saves from many processes at once, readers meanwhile,
// and a home file kept as a link in a dotfiles folder.
#include "session/places/home_place.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace orbitas {
namespace {

namespace fs = std::filesystem;

class HomePlaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/orbitas-home-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    top_ = name;
    path_ = top_ + "/orbitas/orbitas.conf";
  }
  void TearDown() override { fs::remove_all(top_); }

  static void Put(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << text;
  }
  static std::string Text(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(top_ + "/orbitas")) names.insert(entry.path().filename().string());
    return names;
  }

  std::string top_, path_;
};

TEST_F(HomePlaceTest, EveryBrokenFileIsKeptUnderANameOfItsOwn) {
  const std::string broken[] = {"esto no es un lugar\n", "[casa]\nlatitud = 95\n", "[casa]\nclave = 1\n"};
  const std::string kept[] = {".roto", ".roto.1", ".roto.2"};
  for (int k = 0; k < 3; ++k) {
    Put(path_, broken[k]);
    const HomePlaceWritten written = WriteHomePlace(path_, Place(40.0 + k, -3.0), "");
    EXPECT_EQ(written.keptBroken, path_ + kept[k]);
  }
  for (int k = 0; k < 3; ++k) EXPECT_EQ(Text(path_ + kept[k]), broken[k]);
  EXPECT_EQ(ReadHomePlace(path_)->place.latitude, 42.0);
}

TEST_F(HomePlaceTest, TwentySavesAtOnceAllSucceedAndReadersSeeWholeFiles) {
  WriteHomePlace(path_, Place(10.0, 10.0), "");
  std::vector<pid_t> children;
  for (int k = 0; k < 20; ++k) {
    const pid_t child = fork();
    if (child == 0) {
      try {
        if (k % 4 == 3) {
          // A reader among the writers: never a half-written file.
          for (int n = 0; n < 50; ++n) {
            if (!ReadHomePlace(path_)) _exit(5);
          }
        } else {
          WriteHomePlace(path_, Place(20.0 + k, -k), k % 2 ? "Europe/Madrid" : "");
        }
      } catch (const std::exception&) {
        _exit(4);
      }
      _exit(0);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  }
  const std::optional<HomePlace> home = ReadHomePlace(path_);
  ASSERT_TRUE(home);
  EXPECT_GE(home->place.latitude, 20.0);
  // No good file was moved aside, and no temporary file is left.
  EXPECT_EQ(Names(), (std::set<std::string>{"orbitas.conf", "orbitas.conf.lock"}));
}

TEST_F(HomePlaceTest, AHomeFileKeptAsALinkIsWrittenThroughAndStaysALink) {
  const std::string dotfile = top_ + "/dotfiles/orbitas.conf";
  Put(dotfile, "[casa]\nlatitud = 1\nlongitud = 2\n");
  fs::create_directories(fs::path(path_).parent_path());
  fs::create_symlink(dotfile, path_);
  const HomePlaceWritten written = WriteHomePlace(path_, Place(40.5, -3.5), "Europe/Madrid");
  EXPECT_EQ(written.before->place.latitude, 1.0);
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_NE(Text(dotfile).find("latitud = 40.5"), std::string::npos);

  // Broken behind the link: a copy is kept, the link stays.
  Put(dotfile, "roto\n");
  EXPECT_EQ(WriteHomePlace(path_, Place(1.0, 1.0), "").keptBroken, path_ + ".roto");
  EXPECT_EQ(Text(path_ + ".roto"), "roto\n");
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadHomePlace(path_)->place.latitude, 1.0);
}

TEST_F(HomePlaceTest, AFolderThatCannotBeWrittenIsSaidWithItsPath) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes any folder";
  fs::create_directories(top_ + "/orbitas");
  fs::permissions(top_ + "/orbitas", fs::perms::owner_read | fs::perms::owner_exec);
  try {
    WriteHomePlace(path_, Place(1.0, 1.0), "");
    ADD_FAILURE() << "written";
  } catch (const HomeFileError& error) {
    EXPECT_NE(std::string(error.what()).find("no hay permiso"), std::string::npos) << error.what();
  }
  fs::permissions(top_ + "/orbitas", fs::perms::owner_all);
}

}  // namespace
}  // namespace orbitas
