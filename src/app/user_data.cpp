#include "app/user_data.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string_view>
#include <system_error>

#include "platform/fs/file_ops.h"

namespace devero {
namespace {

namespace stdfs = std::filesystem;
using Path = stdfs::path;

// Relative path below skins/ -> hash of the factory file that was last copied there.
using SeededList = std::map<std::string, std::string>;

std::string HashOf(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a: enough to tell versions of a file apart
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

SeededList ReadSeededList(const Path& file) {
  SeededList list;
  const auto text = fs::ReadWholeFile(file);
  if (!text) return list;
  std::string_view rest(*text);
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const size_t space = line.find(' ');
    if (space == 0 || space == std::string_view::npos || space + 1 == line.size()) continue;
    list[std::string(line.substr(space + 1))] = std::string(line.substr(0, space));
  }
  return list;
}

std::string FormatSeededList(const SeededList& list) {
  std::string text;
  for (const auto& [relative, hash] : list)
    text += hash + ' ' + relative + '\n';
  return text;
}

// Serialises seeding between processes; released when the descriptor closes.
class LockFile {
 public:
  explicit LockFile(const Path& path)
      : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~LockFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_;
};

class Seeder {
 public:
  Seeder(Path factory_skins, Path user_skins, SeededList* seeded)
      : factory_skins_(std::move(factory_skins)),
        user_skins_(std::move(user_skins)),
        seeded_(seeded) {}

  void Run() {
    std::error_code ec;
    for (auto it = stdfs::recursive_directory_iterator(factory_skins_, ec);
         !ec && it != stdfs::recursive_directory_iterator(); it.increment(ec)) {
      const Path relative = it->path().lexically_relative(factory_skins_);
      const Path target = user_skins_ / relative;
      std::error_code kind_ec;
      if (it->is_directory(kind_ec)) {
        std::error_code mk;
        stdfs::create_directories(target, mk);
        if (mk) Fail(target, mk.message());
      } else if (it->is_regular_file(kind_ec)) {
        if (IsUserDataFile(relative)) {
          Copy(it->path(), target, relative.generic_string());
        } else {
          Link(it->path(), target);
        }
      }
    }
    if (ec) Fail(factory_skins_, ec.message());
    RemoveLinksToRemovedFiles();
  }

  const std::string& error() const { return error_; }

 private:
  void Fail(const Path& path, const std::string& why) {
    if (error_.empty()) error_ = "cannot prepare the per-user data: " + path.string() + ": " + why;
  }

  void Copy(const Path& from, const Path& to, const std::string& key) {
    const auto bytes = fs::ReadWholeFile(from);
    if (!bytes) return Fail(from, "cannot be read");
    const std::string hash = HashOf(*bytes);
    const auto found = seeded_->find(key);
    if (found != seeded_->end() && found->second == hash) return;  // nothing new
    struct stat st {};
    const bool exists = ::lstat(to.c_str(), &st) == 0;
    bool write = false;
    if (found == seeded_->end()) {
      write =
          !exists;  // first start, or a file new in this version; an existing file is the user's
    } else if (exists) {
      // The factory file changed since it was copied: refresh the copy only if the user left it
      // as it was. A copy the user removed stays removed.
      const auto current = fs::ReadWholeFile(to);
      write = current && HashOf(*current) == found->second;
    }
    if (write && !fs::WriteFileAtomically(to, *bytes)) return Fail(to, "cannot be written");
    (*seeded_)[key] = hash;
  }

  void Link(const Path& from, const Path& to) {
    if (::symlink(from.c_str(), to.c_str()) == 0) return;
    if (errno != EEXIST) return Fail(to, std::strerror(errno));
    // A link whose target is gone (the installed copy moved) is pointed at the new one; a
    // regular file in its place is the user's own and stays.
    std::error_code ec;
    if (!stdfs::is_symlink(to, ec) || stdfs::exists(to, ec)) return;
    const Path temporary = Path(to.native() + ".link-" + std::to_string(::getpid()));
    ::unlink(temporary.c_str());
    if (::symlink(from.c_str(), temporary.c_str()) != 0 ||
        ::rename(temporary.c_str(), to.c_str()) != 0) {
      const int saved = errno;
      ::unlink(temporary.c_str());
      Fail(to, std::strerror(saved));
    }
  }

  // Files that a later version no longer installs leave links to nothing; they go.
  void RemoveLinksToRemovedFiles() {
    const std::string prefix = factory_skins_.native() + '/';
    std::error_code ec;
    for (auto it = stdfs::recursive_directory_iterator(user_skins_, ec);
         !ec && it != stdfs::recursive_directory_iterator(); it.increment(ec)) {
      std::error_code link_ec;
      if (!it->is_symlink(link_ec)) continue;
      const Path target = stdfs::read_symlink(it->path(), link_ec);
      if (link_ec || !target.native().starts_with(prefix) || stdfs::exists(target, link_ec)) {
        continue;
      }
      ::unlink(it->path().c_str());
    }
  }

  Path factory_skins_;
  Path user_skins_;
  SeededList* seeded_;
  std::string error_;
};

}  // namespace

bool IsUserDataFile(const Path& relative_to_skins) {
  auto part = relative_to_skins.begin();
  if (part == relative_to_skins.end()) return false;
  const Path first = *part++;
  if (first == "config") return true;
  if (first != "INI_EN" && first != "INI_CN") return false;
  if (part == relative_to_skins.end()) return false;
  const Path second = *part++;
  return (second == "macro" || second == "macroReset") && part != relative_to_skins.end();
}

bool SeedUserData(const Path& factory_module_directory, const Path& user_module_directory,
                  std::string* error) {
  std::error_code ec;
  const Path factory_skins = stdfs::absolute(factory_module_directory / "skins", ec);
  const Path user_skins = user_module_directory / "skins";
  stdfs::create_directories(user_skins, ec);
  if (ec) {
    *error =
        "cannot create the per-user data directory " + user_skins.string() + ": " + ec.message();
    return false;
  }
  const LockFile lock(user_module_directory / ".lock");
  if (!lock.Held()) {
    *error = "cannot lock the per-user data directory " + user_module_directory.string();
    return false;
  }
  const Path list_file = user_module_directory / kSeededListName;
  SeededList seeded = ReadSeededList(list_file);
  const SeededList before = seeded;
  Seeder seeder(factory_skins.lexically_normal(), user_skins, &seeded);
  seeder.Run();
  // The list is written even after a failure, so that what was copied is not copied again.
  if (seeded != before && !fs::WriteFileAtomically(list_file, FormatSeededList(seeded))) {
    *error = "cannot write " + list_file.string();
    return false;
  }
  if (!seeder.error().empty()) {
    *error = seeder.error();
    return false;
  }
  return true;
}

}  // namespace devero
