#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace devero::fs {

using Path = std::filesystem::path;

// True when a regular file (or a link to one) exists at the path.
bool FileExists(const Path& path);

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const Path& path);

// Replaces (or creates) the file with the bytes so that a crash at any moment leaves either
// the old or the new content: the bytes go to a temporary file in the same directory, are
// flushed to disk, and the temporary file is renamed over the target. An existing file keeps
// its permission bits. Temporary files of this target left by a writer that died are removed.
// Returns false when the directory is missing or not writable, or the disk is full.
bool WriteFileAtomically(const Path& path, std::string_view bytes);

// Copies a regular file over the target, atomically as above. False when the source cannot be
// read or the target cannot be written.
bool CopyFileOver(const Path& from, const Path& to);

// Removes a file; false when nothing was removed.
bool RemoveFile(const Path& path);

// Creates an empty file, truncating an existing one. False on failure.
bool CreateEmptyFile(const Path& path);

// Every writer of a file holds this lock from reading the old content to replacing it, so
// writes from several threads to one file are serialised and none is lost.
std::mutex& WriteLockFor(const Path& path);

}  // namespace devero::fs
