#include "reliability/kill_saves.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>

#include "app/runtime_paths.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "platform/fs/file_ops.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"
#include "platform/user/silent_warnings.h"
#include "profile/background_save.h"
#include "profile/profile_store.h"
#include "support/temp_dir.h"

namespace devero::testing {
namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kFileNames[kKilledFileCount] = {"config.ini", "Office.dat", "macroGrp.ini"};

// What one version of the three files holds.
struct Version {
  ProfileSettings settings;
  std::unique_ptr<MacroState> macros = std::make_unique<MacroState>();
  std::array<std::u16string, kMaxGroups> names{};
};

// What a file reads back as, to compare with what a version reads back as.
struct Reading {
  std::vector<int32_t> settings;
  std::optional<MacroRecord> macro;
  std::vector<std::u16string> names;
  bool operator==(const Reading&) const = default;
};

class Saver {
 public:
  explicit Saver(const stdfs::path& root) : paths_(root, 1), library_(paths_, warnings_) {
    InstallFactoryData(root);
    files_ = {paths_.ProductFile(), paths_.MacroDirectory() / kFileNames[kGroupFile],
              paths_.MacroDirectory() / kFileNames[kGroupIndex]};
  }

  const std::array<stdfs::path, kKilledFileCount>& files() const { return files_; }

  // The factory content as the first version, a changed copy of it as the second.
  void MakeVersions(Version& first, Version& second) {
    ProfileStore store(first.settings, warnings_);
    for (int n = 0; n < kProfileCount; ++n)
      store.LoadProfile(paths_.ConfigDirectory(), n, false);
    first.settings.currentProfile = ReadCurrentProfile(ini::Load(files_[kProductFile]));
    ReadMacroFile(files_[kGroupFile], *first.macros, warnings_, 1);
    library_.library.ReadGroupIndex(false);
    first.names = library_.state.groupNames;

    second.settings = first.settings;
    second.settings.currentProfile = (first.settings.currentProfile + 1) % kProfileCount;
    second.settings.dpiLevel = (first.settings.dpiLevel + 1) % kDpiStageCount;
    second.settings.buttonFunction[1][2] = 33;
    second.settings.ledType = static_cast<uint8_t>(first.settings.ledType ^ 1);
    *second.macros = *first.macros;
    MacroRecord& m = second.macros->macroTable.slots[0];
    SetMacroName(m, u"Killed in the middle");
    m.repeatCount = static_cast<uint16_t>(m.repeatCount + 7);
    m.stepDelay[0] = static_cast<uint16_t>(m.stepDelay[0] + 100);
    second.names = first.names;
    std::swap(second.names[0], second.names[1]);
  }

  // The save of Apply: the selected macro into its group file, then [Init] CurConfig and the
  // four profiles into the product file, on the background save's thread.
  bool ApplySave(const Version& v) {
    const auto pending = PrepareWriteMacro(files_[kGroupFile], *v.macros, 0);
    BackgroundSave save;
    save.Start(v.settings, files_[kProductFile], [w = *pending] { return w.Write(); });
    return save.Wait();
  }

  bool SaveIndex(const Version& v) {
    library_.state.groupNames = v.names;
    library_.state.groupCount = 2;
    return library_.library.WriteGroupIndex();
  }

  Reading Read(KilledFile which) const {
    Reading r;
    const stdfs::path& file = files_[which];
    if (which == kProductFile) {
      const ini::IniDocument doc = ini::Load(file);
      ProfileSettings s;
      for (int n = 0; n < kProfileCount; ++n)
        ProfileStore::LoadProfileFrom(doc, n, s);
      r.settings = {ReadCurrentProfile(doc), s.dpiLevel, s.ledType};
      for (const auto& profile : s.buttonFunction)
        r.settings.insert(r.settings.end(), profile.begin(), profile.end());
    } else if (which == kGroupFile) {
      r.macro = ReadMacroFromFile(file, 0, 1);
    } else {
      const ini::IniDocument doc = ini::Load(file);
      r.names.push_back(doc.Get(u"MACRO_GROUP_NUM", u"macGrpNum", u"", 3));
      for (int i = 0; i < kMaxGroups; ++i)
        r.names.push_back(doc.Get(u"MACRO_GROUP_NAME", ToU16(i), u"", kGroupNameRoom + 1));
    }
    return r;
  }

 private:
  RuntimePaths paths_;
  SilentWarnings warnings_;
  HeadlessMacroLibrary library_;
  std::array<stdfs::path, kKilledFileCount> files_;
};

// A temporary file of the save of one of the files, and the process that wrote it.
struct TempFile {
  stdfs::path path;
  KilledFile target;
  pid_t writer;
  bool operator<(const TempFile& o) const { return path < o.path; }
};

std::vector<TempFile> TempFiles(const Saver& saver, std::vector<std::string>& problems) {
  std::set<stdfs::path> dirs;
  for (const auto& file : saver.files())
    dirs.insert(file.parent_path());
  std::vector<TempFile> found;
  for (const auto& dir : dirs) {
    for (const auto& entry : stdfs::directory_iterator(dir)) {
      const std::string name = entry.path().filename().string();
      const size_t at = name.rfind(".tmp-");
      if (name.empty() || name[0] != '.' || at == std::string::npos) continue;
      const std::string target = name.substr(1, at - 1);
      int which = 0;
      while (which < kKilledFileCount && target != kFileNames[which])
        ++which;
      if (which == kKilledFileCount) {
        problems.push_back("a temporary file of no saved file: " + name);
        continue;
      }
      found.push_back({entry.path(), static_cast<KilledFile>(which),
                       static_cast<pid_t>(std::atoi(name.c_str() + at + 5))});
    }
  }
  return found;
}

void SleepMicroseconds(long us) {
  timespec t{us / 1000000, (us % 1000000) * 1000};
  while (::nanosleep(&t, &t) != 0) {
  }
}

// The child: saves the second version, then the first, and so on, until it is killed. One
// byte down the pipe after each completed save: 'P' Apply's save, 'I' the index.
[[noreturn]] void SaveForever(Saver& saver, const Version& first, const Version& second, int out) {
  for (uint64_t i = 0;; ++i) {
    const Version& v = i % 2 == 0 ? second : first;
    const char* done = saver.ApplySave(v) ? "P" : "F";
    if (::write(out, done, 1) != 1 || *done == 'F') ::_exit(1);
    done = saver.SaveIndex(v) ? "I" : "F";
    if (::write(out, done, 1) != 1 || *done == 'F') ::_exit(1);
  }
}

}  // namespace

KillTestReport RunKillTest(const stdfs::path& root, int kills, uint32_t seed) {
  KillTestReport report;
  auto& problems = report.problems;
  Saver saver(root);
  Version first, second;
  saver.MakeVersions(first, second);

  // Each file's bytes and reading in both versions, after a save of each (the first save of
  // the factory files may reformat them); one cycle gives the time a child needs per cycle.
  std::array<std::array<std::string, 2>, kKilledFileCount> bytes;
  std::array<std::array<Reading, 2>, kKilledFileCount> readings;
  Clock::duration cycle{};
  for (int round = 0; round < 3; ++round) {
    const Version& v = round == 1 ? second : first;
    const auto start = Clock::now();
    if (!saver.ApplySave(v) || !saver.SaveIndex(v)) problems.push_back("a save failed");
    if (round > 0) cycle += Clock::now() - start;
    for (int f = 0; f < kKilledFileCount; ++f) {
      const std::string now = ReadFile(saver.files()[f]);
      if (round == 2 && now != bytes[f][0]) problems.push_back("saving again changes the file");
      bytes[f][round % 2] = now;
      readings[f][round % 2] = saver.Read(static_cast<KilledFile>(f));
    }
  }
  for (int f = 0; f < kKilledFileCount; ++f) {
    if (bytes[f][0] == bytes[f][1]) problems.push_back("the two versions of a file are the same");
  }
  if (!problems.empty()) return report;

  std::mt19937 random(seed);
  const long max_delay_us =
      std::max<long>(500, std::chrono::duration_cast<std::chrono::microseconds>(cycle).count());
  std::uniform_int_distribution<long> delay(0, max_delay_us);
  std::set<TempFile> earlier;  // left by earlier children
  const auto start = Clock::now();
  for (int k = 0; k < kills && problems.size() < 20; ++k) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
      problems.push_back("pipe failed");
      break;
    }
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(fds[0]);
      SaveForever(saver, first, second, fds[1]);
    }
    ::close(fds[1]);
    SleepMicroseconds(delay(random));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    std::map<char, int> completed;
    char buf[256];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) {
      for (ssize_t i = 0; i < n; ++i)
        ++completed[buf[i]];
    }
    ::close(fds[0]);
    ++report.kills;
    report.saves_completed += completed['P'] + completed['I'];
    if (completed['F'] > 0 || !WIFSIGNALED(status))
      problems.push_back("a save in the child failed");

    for (int f = 0; f < kKilledFileCount; ++f) {
      const auto which = static_cast<KilledFile>(f);
      std::string now;
      try {
        now = ReadFile(saver.files()[f]);
      } catch (const std::exception&) {
        problems.push_back(std::string(kFileNames[f]) + " is gone after kill " + std::to_string(k));
        continue;
      }
      const int version = now == bytes[f][0] ? 0 : now == bytes[f][1] ? 1 : -1;
      if (version < 0) {
        problems.push_back(std::string(kFileNames[f]) + " is neither version after kill " +
                           std::to_string(k));
      } else if (saver.Read(which) != readings[f][version]) {
        problems.push_back(std::string(kFileNames[f]) + " reads wrong after kill " +
                           std::to_string(k));
      } else {
        ++(version == 0 ? report.found_first : report.found_second)[f];
      }
    }

    // Temporary files of earlier children must be gone once this child completed a save of
    // their file; this child may leave one, of the save it was doing.
    const std::vector<TempFile> temps = TempFiles(saver, problems);
    const auto saved = [&](KilledFile f) { return completed[f == kGroupIndex ? 'I' : 'P'] > 0; };
    for (const TempFile& old : earlier) {
      const bool gone = !stdfs::exists(old.path);
      if (gone && saved(old.target)) ++report.leftovers_removed_by_next_save;
      if (!gone && saved(old.target)) {
        problems.push_back(old.path.filename().string() + " survived a save after kill " +
                           std::to_string(k));
      }
    }
    int own = 0;
    for (const TempFile& t : temps) {
      if (t.writer == child) {
        ++own;
      } else if (!earlier.count(t)) {
        problems.push_back("a temporary file from nowhere: " + t.path.filename().string());
      }
    }
    if (own > 1) problems.push_back("the killed child left more than one temporary file");
    report.kills_during_a_write += own;
    earlier = std::set<TempFile>(temps.begin(), temps.end());
  }
  report.seconds = std::chrono::duration<double>(Clock::now() - start).count();

  // One more save of every file: nothing temporary may be left.
  if (!saver.ApplySave(first) || !saver.SaveIndex(first)) problems.push_back("a save failed");
  for (const TempFile& t : TempFiles(saver, problems))
    problems.push_back(t.path.filename().string() + " survived the last save");
  return report;
}

}  // namespace devero::testing
