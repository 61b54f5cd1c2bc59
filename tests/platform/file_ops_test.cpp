#include "platform/fs/file_ops.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "support/temp_dir.h"

namespace devero::fs {
namespace {

// The id of a process that has ended and been reaped.
pid_t DeadPid() {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(0);
  ::waitpid(pid, nullptr, 0);
  return pid;
}

std::set<std::string> Names(const Path& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.insert(entry.path().filename().string());
  return names;
}

TEST(WriteFileAtomically, RemovesOnlyTheTemporaryFilesOfDeadWritersOfItsTarget) {
  testing::TempDir dir;
  const std::string dead = std::to_string(DeadPid());
  const std::string self = std::to_string(::getpid());
  const std::set<std::string> kept = {
      ".a.ini.tmp-1-aaaaaa",             // a live writer (init)
      ".a.ini.tmp-" + self + "-bbbbbb",  // this process: another thread may be writing
      ".b.ini.tmp-" + dead + "-cccccc",  // another target
      ".a.ini.tmp-xyz",                  // not a name this program makes
      ".a.ini.tmp-" + dead,              // no random part
  };
  for (const std::string& name : kept)
    testing::WriteFile(dir / name, "x");
  testing::WriteFile(dir / (".a.ini.tmp-" + dead + "-dddddd"), "half a file");

  ASSERT_TRUE(WriteFileAtomically(dir / "a.ini", "new"));
  std::set<std::string> expected = kept;
  expected.insert("a.ini");
  EXPECT_EQ(Names(dir.path()), expected);
  EXPECT_EQ(testing::ReadFile(dir / "a.ini"), "new");
}

TEST(WriteFileAtomically, LeavesNoTemporaryFileWhenTheDirectoryIsMissing) {
  testing::TempDir dir;
  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "a.ini", "new"));
  EXPECT_TRUE(Names(dir.path()).empty());
}

}  // namespace
}  // namespace devero::fs
