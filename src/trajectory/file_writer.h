#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zarv {

struct FileWriteResult {
  bool ok = false;
  std::filesystem::path path;  // the file that was (or should have been) written
  std::string reason;          // the system's reason when !ok
  int error = 0;               // its errno, 0 when there is none
};

// Writes `content` as the whole of `path`; every file the program writes goes through here.
// - "-", /dev/stdout, /dev/stderr and /dev/fd/N write to that descriptor of this process.
// - A regular file (or a name that does not exist yet) is replaced atomically: a uniquely
//   named temporary file beside it is written, synced and renamed over it, so a reader or a
//   second writer sees either the old or the new file, whole. A replaced file keeps its mode;
//   a new one gets 0666 & ~umask. On failure the previous file is left as it was.
// - A symlink is followed to its final target, which is replaced; the link stays a link.
// - A character device, FIFO or socket is written through as it is, never replaced.
// Every write, sync and close is checked; a failure comes back with the system's reason.
FileWriteResult WriteWholeFile(const std::filesystem::path& path, std::string_view content);

// True when `a` and `b` name the same file, following symlinks; a name that does not exist
// yet is compared by its folder and file name (so "out/x" and "out/../out/x" match before
// either is written).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace zarv
