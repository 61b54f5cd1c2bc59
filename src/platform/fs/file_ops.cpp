#include "platform/fs/file_ops.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <map>
#include <memory>
#include <system_error>

namespace devero::fs {
namespace {

// Temporary files are named ".<target>.tmp-<pid>-XXXXXX", so that the next save of the target
// can tell the leftovers of a writer that died (a crash, a kill, a power cut) from the file a
// live writer is still filling.
std::string TempPrefix(const Path& path) {
  return "." + path.filename().string() + ".tmp-";
}

bool WriterIsGone(std::string_view rest) {
  pid_t pid = 0;
  const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
  if (ec != std::errc() || end == rest.data() + rest.size() || *end != '-' || pid <= 0) {
    return false;
  }
  return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

void RemoveLeftoverTempFiles(const Path& dir, const Path& path) {
  const std::string prefix = TempPrefix(path);
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
        WriterIsGone(std::string_view(name).substr(prefix.size()))) {
      ::unlink(it->path().c_str());
    }
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

bool FileExists(const Path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::optional<std::string> ReadWholeFile(const Path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::string out;
  out.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return out;
}

bool WriteFileAtomically(const Path& path, std::string_view bytes) {
  const Path dir = path.has_parent_path() ? path.parent_path() : Path(".");
  RemoveLeftoverTempFiles(dir, path);
  std::string tmpl = (dir / (TempPrefix(path) + std::to_string(::getpid()) + "-XXXXXX")).string();
  const int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
  if (fd < 0) return false;
  mode_t mode = 0644;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;
  const bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !ok || ::rename(tmpl.c_str(), path.c_str()) != 0) {
    ::unlink(tmpl.c_str());
    return false;
  }
  return true;
}

bool CopyFileOver(const Path& from, const Path& to) {
  const auto bytes = ReadWholeFile(from);
  if (!bytes) return false;
  std::lock_guard lock(WriteLockFor(to));
  return WriteFileAtomically(to, *bytes);
}

bool RemoveFile(const Path& path) {
  std::lock_guard lock(WriteLockFor(path));
  return ::unlink(path.c_str()) == 0;
}

bool CreateEmptyFile(const Path& path) {
  std::lock_guard lock(WriteLockFor(path));
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

std::mutex& WriteLockFor(const Path& path) {
  static std::mutex registry_mutex;
  static std::map<std::string, std::unique_ptr<std::mutex>> registry;
  std::error_code ec;
  Path key = std::filesystem::absolute(path, ec);
  if (ec) key = path;
  std::lock_guard lock(registry_mutex);
  auto& slot = registry[key.lexically_normal().string()];
  if (!slot) slot = std::make_unique<std::mutex>();
  return *slot;
}

}  // namespace devero::fs
