// Saving onto a full disk or into a read-only directory: every save reports the failure, the
// file keeps its old content, no temporary file stays, and devero-cli apply exits 1 saying so.
// Each case runs in a child process on a small tmpfs of its own mount namespace; where
// mounting is not allowed, a file-size limit stands in for the full disk and permissions for
// the read-only directory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <sstream>

#include "app/runtime_paths.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "platform/user/silent_warnings.h"
#include "profile/background_save.h"
#include "profile/profile_store.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace devero::testing {
namespace {

namespace stdfs = std::filesystem;

enum class Trouble { kDiskFull, kReadOnly };

bool MountTmpfs(const stdfs::path& dir) {
  return ::unshare(CLONE_NEWNS) == 0 &&
         ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=4m") == 0;
}

void FillDisk(const stdfs::path& dir) {
  const int fd = ::open((dir / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  static const char block[4096] = {};
  while (::write(fd, block, sizeof block) > 0) {
  }
  while (::write(fd, block, 1) > 0) {
  }
  ::close(fd);
}

void MakeReadOnly(const stdfs::path& dir) {
  for (const auto& entry : stdfs::recursive_directory_iterator(dir)) {
    if (entry.is_directory()) ::chmod(entry.path().c_str(), 0555);
  }
  ::chmod(dir.c_str(), 0555);
}

// Runs `check` in a child with the factory data under `root` and the trouble in force; gives
// back what `check` reported, "" when every check held, or a text starting "skip: ".
std::string InChild(Trouble trouble, const std::function<std::string(const stdfs::path&)>& check) {
  TempDir root;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(fds[0]);
    const bool mounted = MountTmpfs(root.path());
    InstallFactoryData(root.path());
    std::string result;
    if (mounted && trouble == Trouble::kDiskFull) {
      FillDisk(root.path());
    } else if (mounted) {
      if (::mount(nullptr, root.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        result = "remount failed";
    } else if (trouble == Trouble::kDiskFull) {
      ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
      const rlimit limit{16, 16};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    } else if (::geteuid() != 0) {
      MakeReadOnly(root.path());
    } else {
      result = "skip: neither a mount nor permissions can make a directory read-only for root";
    }
    if (result.empty()) result = check(root.path());
    if (::write(fds[1], result.data(), result.size()) < 0) ::_exit(2);
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string result;
  char buf[4096];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
    result.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child died";
  // The mount went with the child's namespace; permissions must be given back for cleanup.
  ::chmod(root.path().c_str(), 0755);
  for (const auto& entry : stdfs::recursive_directory_iterator(root.path())) {
    if (entry.is_directory()) ::chmod(entry.path().c_str(), 0755);
  }
  return result;
}

// The files of one save and their bytes before it.
class Before {
 public:
  explicit Before(std::vector<stdfs::path> files) : files_(std::move(files)) {
    for (const auto& f : files_)
      bytes_[f] = ReadFile(f);
  }
  // What changed: a file's content, or a temporary file left in its directory.
  std::string Changes() const {
    std::ostringstream out;
    for (const auto& f : files_) {
      if (ReadFile(f) != bytes_.at(f)) out << f.filename() << " changed; ";
      for (const auto& entry : stdfs::directory_iterator(f.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.find(".tmp-") != std::string::npos) out << name << " left; ";
      }
    }
    return out.str();
  }

 private:
  std::vector<stdfs::path> files_;
  std::map<stdfs::path, std::string> bytes_;
};

std::string SavesFailAndChangeNothing(const stdfs::path& root) {
  std::ostringstream problems;
  RuntimePaths paths(root, 1);
  SilentWarnings warnings;
  HeadlessMacroLibrary headless(paths, warnings);
  headless.library.LoadLibrary();
  const stdfs::path group = paths.MacroDirectory() / "Office.dat";
  const stdfs::path index = paths.MacroDirectory() / "macroGrp.ini";
  const Before before({paths.ProductFile(), group, index});

  ProfileSettings settings;
  ProfileStore store(settings, warnings);
  for (int n = 0; n < kProfileCount; ++n)
    store.LoadProfile(paths.ConfigDirectory(), n, false);
  settings.dpiLevel = (settings.dpiLevel + 1) % kDpiStageCount;
  SetMacroName(headless.macros->macroTable.slots[0], u"changed");
  // The save of Apply: the selected macro and the profiles, on the background thread.
  BackgroundSave save;
  const auto macro = PrepareWriteMacro(group, *headless.macros, 0);
  save.Start(settings, paths.ProductFile(), [w = *macro] { return w.Write(); });
  if (save.Wait()) problems << "Apply's save reported success; ";
  if (store.SaveProfile(paths.ProductFile(), 1)) problems << "a profile save reported success; ";
  if (WriteMacro(group, *headless.macros, 0)) problems << "a macro save reported success; ";
  std::swap(headless.state.groupNames[0], headless.state.groupNames[1]);
  if (headless.library.WriteGroupIndex()) problems << "the index save reported success; ";
  problems << before.Changes();

  const CommandResult cli =
      RunCommand(DEVERO_CLI, {"--root", root.string(), "--simulate", "apply"});
  if (cli.exit_code != 1) problems << "devero-cli apply exited " << cli.exit_code << "; ";
  if (cli.err.find("the profiles could not be saved into") == std::string::npos ||
      cli.err.find(paths.ProductFile().string()) == std::string::npos) {
    problems << "devero-cli said: " << cli.err << "; ";
  }
  problems << before.Changes();
  return problems.str();
}

TEST(FailedSave, OnAFullDiskNothingChangesAndEverySaveSaysSo) {
  const std::string result = InChild(Trouble::kDiskFull, SavesFailAndChangeNothing);
  if (result.rfind("skip: ", 0) == 0) GTEST_SKIP() << result;
  EXPECT_EQ(result, "");
}

TEST(FailedSave, InAReadOnlyDirectoryNothingChangesAndEverySaveSaysSo) {
  const std::string result = InChild(Trouble::kReadOnly, SavesFailAndChangeNothing);
  if (result.rfind("skip: ", 0) == 0) GTEST_SKIP() << result;
  EXPECT_EQ(result, "");
}

}  // namespace
}  // namespace devero::testing
