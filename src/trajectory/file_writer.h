#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
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
//   a new one gets 0666 & ~umask. A file we may not write (or that no one may: mode 444) is
//   refused with EACCES. On failure the previous file is left as it was.
// - A symlink is followed to its final target, which is replaced; the link stays a link.
// - A character device, FIFO or socket is written through as it is, never replaced.
// Every write, sync and close is checked; a failure comes back with the system's reason.
FileWriteResult WriteWholeFile(const std::filesystem::path& path, std::string_view content);

// A file written piece by piece, as rows come, with the rules of WriteWholeFile: a regular
// file (or a new name) is written to a uniquely named temporary beside it that Commit syncs
// and renames over it, so readers see the previous file until then; standard output, the
// other descriptor names and devices are written through as the pieces come. Destroyed
// without Commit, or after a failed Append, the temporary is removed and the previous file
// is left as it was. Pieces are gathered up to kStreamBuffer bytes before each write.
class StreamingFile {
 public:
  static constexpr std::size_t kStreamBuffer = 1 << 16;  // bytes

  explicit StreamingFile(const std::filesystem::path& path);
  ~StreamingFile();
  StreamingFile(const StreamingFile&) = delete;
  StreamingFile& operator=(const StreamingFile&) = delete;

  // False once opening or a write has failed; status() then says why.
  bool ok() const { return status_.ok; }
  const FileWriteResult& status() const { return status_; }
  // True for a regular file (or a new name), replaced at Commit; false for a stream.
  bool replacesFile() const { return mode_ == Mode::kReplace; }

  bool Append(std::string_view chunk);
  // Writes what is gathered and syncs a replacing temporary, so that Commit has only its
  // rename left; false once anything has failed.
  bool Sync();
  // Writes what is gathered and makes the file whole; once only.
  FileWriteResult Commit();

 private:
  enum class Mode { kDescriptor, kThrough, kReplace };
  void Open(const std::filesystem::path& path);
  bool Flush();
  void Fail(int error);
  void Close();

  Mode mode_ = Mode::kReplace;
  std::filesystem::path final_, temporary_;
  int fd_ = -1;
  bool done_ = false;
  std::string buffer_;
  FileWriteResult status_;
};

struct WholeFile {
  std::filesystem::path path;
  std::string_view content;
};

// Several files as one set, each by the rules of WriteWholeFile: every file is written and
// synced before the first is renamed over its target, so a failure while writing leaves
// every target as it was (devices and descriptors among them get their bytes as they come).
// Returns the first failure, or success naming the last file.
FileWriteResult WriteWholeFiles(std::span<const WholeFile> files);

// True when `a` and `b` name the same file, following symlinks; a name that does not exist
// yet is compared by its folder and file name (so "out/x" and "out/../out/x" match before
// either is written).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace zarv
