#include "trajectory/file_writer.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarv {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;          // links followed before giving up, as the kernel does
constexpr int kTemporaryAttempts = 100;
constexpr std::size_t kNameKept = 200;  // bytes of the target's name kept in the temporary's

std::string Reason(int error) { return std::generic_category().message(error); }

FileWriteResult Failed(const fs::path& path, int error) {
  return FileWriteResult{false, path, Reason(error), error};
}

// Writes everything, through short writes, signals and non-blocking descriptors.
int WriteAll(int fd, std::string_view content) {
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        pollfd waitFor{fd, POLLOUT, 0};
        if (::poll(&waitFor, 1, -1) < 0 && errno != EINTR) return errno;
        continue;
      }
      return errno;
    }
    if (n == 0) return EIO;
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return 0;
}

// Descriptors of this process named as files: "-" is standard output. Writing to the
// descriptor keeps its offset and whatever the shell connected it to.
int DescriptorNamed(const fs::path& path) {
  const std::string& name = path.native();
  if (name == "-" || name == "/dev/stdout") return STDOUT_FILENO;
  if (name == "/dev/stderr") return STDERR_FILENO;
  for (std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
    int fd = -1;
    const char* end = name.data() + name.size();
    const auto parsed = std::from_chars(name.data() + prefix.size(), end, fd);
    if (parsed.ec == std::errc() && parsed.ptr == end) return fd;
  }
  return -1;
}

FileWriteResult WriteToDescriptor(const fs::path& path, int fd, std::string_view content) {
  // What the program printed before must come out before the file's bytes.
  std::FILE* stream = fd == STDOUT_FILENO ? stdout : fd == STDERR_FILENO ? stderr : nullptr;
  if (stream != nullptr && std::fflush(stream) != 0) return Failed(path, errno);
  if (const int error = WriteAll(fd, content)) return Failed(path, error);
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::fsync(fd) != 0 && errno != EINVAL) {
    return Failed(path, errno);
  }
  return FileWriteResult{true, path, {}};
}

// The name a chain of symlinks ends at; the name itself when it is no link or does not exist.
int FollowLinks(fs::path path, fs::path& final) {
  for (int i = 0; i <= kMaxLinks; ++i) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) return errno;
      final = path;
      return 0;
    }
    if (!S_ISLNK(st.st_mode)) {
      final = path;
      return 0;
    }
    std::error_code error;
    const fs::path target = fs::read_symlink(path, error);
    if (error) return error.value();
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return ELOOP;
}

fs::path TemporaryBeside(const fs::path& final, std::mt19937_64& random) {
  char suffix[40];
  std::snprintf(suffix, sizeof suffix, ".%ld.%016llx.tmp", static_cast<long>(::getpid()),
                static_cast<unsigned long long>(random()));
  const std::string name = final.filename().native().substr(0, kNameKept);
  return final.parent_path() / ("." + name + suffix);
}

void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // the rename is durable once the folder is; some file systems cannot say
  ::close(fd);
}

// A uniquely named temporary beside `final` that takes the old file's owner and mode;
// `fd` is -1 and the result says why when it cannot be made.
FileWriteResult OpenTemporary(const fs::path& path, const fs::path& final, int& fd,
                              fs::path& temporary) {
  fd = -1;
  struct stat old;
  const bool exists = ::lstat(final.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return Failed(path, errno);
  if (exists && S_ISDIR(old.st_mode)) return Failed(path, EISDIR);
  if (exists && !S_ISREG(old.st_mode)) return Failed(path, EBUSY);  // changed under us
  // The rename needs only the folder's permission; a file its owner protected is not
  // ours to replace, whoever we are.
  if (exists && ((old.st_mode & 0222) == 0 ||
                 ::faccessat(AT_FDCWD, final.c_str(), W_OK, AT_EACCESS) != 0)) {
    return Failed(path, EACCES);
  }

  std::random_device device;
  std::mt19937_64 random((static_cast<std::uint64_t>(device()) << 32) ^ device());
  for (int attempt = 0; attempt < kTemporaryAttempts && fd < 0; ++attempt) {
    temporary = TemporaryBeside(final, random);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return Failed(path, errno);
  }
  if (fd < 0) return Failed(path, EEXIST);

  if (exists) {
    // Owner first: changing it clears set-id bits that the mode then restores.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
      const int error = errno;
      ::close(fd);
      ::unlink(temporary.c_str());
      fd = -1;
      return Failed(path, error);
    }
  }
  return FileWriteResult{true, path, {}};
}

// Syncs, closes and renames the temporary over `final`; removes it on any failure.
FileWriteResult CommitTemporary(const fs::path& path, const fs::path& final, int fd,
                                const fs::path& temporary, int error) {
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), final.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return Failed(path, error);
  }
  SyncFolder(final.parent_path());
  return FileWriteResult{true, path, {}};
}

// Writes a uniquely named file beside `final` and renames it over `final`.
FileWriteResult Replace(const fs::path& path, const fs::path& final, std::string_view content) {
  int fd = -1;
  fs::path temporary;
  FileWriteResult opened = OpenTemporary(path, final, fd, temporary);
  if (!opened.ok) return opened;
  return CommitTemporary(path, final, fd, temporary, WriteAll(fd, content));
}

// Devices, FIFOs and sockets: opened as they are, never created or truncated.
FileWriteResult WriteThrough(const fs::path& path, std::string_view content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Failed(path, errno);
  struct stat st;
  int error = ::fstat(fd, &st) != 0 ? errno : 0;
  if (error == 0 && (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode))) error = EBUSY;  // swapped
  if (error == 0) error = WriteAll(fd, content);
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error != 0) return Failed(path, error);
  return FileWriteResult{true, path, {}};
}

// The file a name stands for: (device, inode) of a descriptor, a file, or its folder.
struct FileIdentity {
  bool exists = false;
  struct stat st {};
  fs::path final;
};

FileIdentity Identify(const fs::path& path) {
  FileIdentity id;
  const int fd = DescriptorNamed(path);
  if (fd >= 0) {
    id.exists = ::fstat(fd, &id.st) == 0;
    return id;
  }
  if (FollowLinks(path, id.final) != 0) id.final = path;
  id.exists = ::stat(id.final.c_str(), &id.st) == 0;
  return id;
}

}  // namespace

FileWriteResult WriteWholeFile(const fs::path& path, std::string_view content) {
  if (path.empty()) return Failed(path, ENOENT);
  const int fd = DescriptorNamed(path);
  if (fd >= 0) return WriteToDescriptor(path, fd, content);

  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode)) return Failed(path, EISDIR);
    // A table written over a disk would destroy it; no one means that.
    if (S_ISBLK(st.st_mode)) return FileWriteResult{false, path, "block device, not written"};
    return WriteThrough(path, content);
  }
  fs::path final;
  if (const int error = FollowLinks(path, final)) return Failed(path, error);
  return Replace(path, final, content);
}

StreamingFile::StreamingFile(const fs::path& path) { Open(path); }

void StreamingFile::Open(const fs::path& path) {
  status_ = FileWriteResult{true, path, {}};
  if (path.empty()) return Fail(ENOENT);
  fd_ = DescriptorNamed(path);
  if (fd_ >= 0) {
    mode_ = Mode::kDescriptor;
    return;
  }
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode)) return Fail(EISDIR);
    if (S_ISBLK(st.st_mode)) {
      status_ = FileWriteResult{false, path, "block device, not written"};
      return;
    }
    mode_ = Mode::kThrough;
    fd_ = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return Fail(errno);
    if (::fstat(fd_, &st) != 0) return Fail(errno);
    if (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) return Fail(EBUSY);  // swapped
    return;
  }
  mode_ = Mode::kReplace;
  if (const int error = FollowLinks(path, final_)) return Fail(error);
  status_ = OpenTemporary(path, final_, fd_, temporary_);
}

StreamingFile::~StreamingFile() {
  if (!done_) Close();
}

void StreamingFile::Fail(int error) {
  status_ = Failed(status_.path, error);
}

// Abandons the file: a temporary goes, a device or descriptor keeps what it got.
void StreamingFile::Close() {
  done_ = true;
  buffer_.clear();
  if (fd_ < 0) return;
  if (mode_ != Mode::kDescriptor) ::close(fd_);
  if (mode_ == Mode::kReplace) ::unlink(temporary_.c_str());
  fd_ = -1;
}

bool StreamingFile::Flush() {
  if (buffer_.empty()) return true;
  if (mode_ == Mode::kDescriptor) {
    // What the program printed before must come out before the file's bytes.
    std::FILE* stream = fd_ == STDOUT_FILENO ? stdout : fd_ == STDERR_FILENO ? stderr : nullptr;
    if (stream != nullptr && std::fflush(stream) != 0) {
      Fail(errno);
      return false;
    }
  }
  const int error = WriteAll(fd_, buffer_);
  buffer_.clear();
  if (error != 0) Fail(error);
  return error == 0;
}

bool StreamingFile::Append(std::string_view chunk) {
  if (done_) Fail(EBADF);
  if (!status_.ok) return false;
  if (buffer_.size() + chunk.size() > kStreamBuffer && !Flush()) return false;
  buffer_.append(chunk);
  return buffer_.size() < kStreamBuffer || Flush();
}

bool StreamingFile::Sync() {
  if (done_) Fail(EBADF);
  if (!status_.ok || !Flush()) return false;
  if (mode_ == Mode::kReplace && ::fsync(fd_) != 0) Fail(errno);
  return status_.ok;
}

FileWriteResult StreamingFile::Commit() {
  if (done_) Fail(EBADF);
  if (status_.ok) Flush();
  if (!status_.ok) {
    Close();
    return status_;
  }
  done_ = true;
  const int fd = std::exchange(fd_, -1);
  switch (mode_) {
    case Mode::kDescriptor: {
      struct stat st;
      if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::fsync(fd) != 0 && errno != EINVAL) {
        Fail(errno);
      }
      break;
    }
    case Mode::kThrough:
      if (::close(fd) != 0 && errno != EINTR) Fail(errno);
      break;
    case Mode::kReplace:
      status_ = CommitTemporary(status_.path, final_, fd, temporary_, 0);
      break;
  }
  return status_;
}

FileWriteResult WriteWholeFiles(std::span<const WholeFile> files) {
  // Destroyed before their Commit, the files leave their targets as they were.
  std::vector<std::unique_ptr<StreamingFile>> written;
  for (const WholeFile& file : files) {
    written.push_back(std::make_unique<StreamingFile>(file.path));
    if (!written.back()->Append(file.content) || !written.back()->Sync()) return written.back()->status();
  }
  FileWriteResult result{true, files.empty() ? fs::path() : files.back().path, {}};
  for (const auto& file : written) {
    if (const FileWriteResult committed = file->Commit(); !committed.ok) return committed;
  }
  return result;
}

bool SameFile(const fs::path& a, const fs::path& b) {
  const FileIdentity x = Identify(a);
  const FileIdentity y = Identify(b);
  if (x.exists || y.exists) {
    return x.exists && y.exists && x.st.st_dev == y.st.st_dev && x.st.st_ino == y.st.st_ino;
  }
  if (x.final.empty() || y.final.empty()) return false;
  if (x.final.filename() != y.final.filename()) return false;
  const fs::path xFolder = x.final.parent_path().empty() ? "." : x.final.parent_path();
  const fs::path yFolder = y.final.parent_path().empty() ? "." : y.final.parent_path();
  struct stat xs, ys;
  if (::stat(xFolder.c_str(), &xs) == 0 && ::stat(yFolder.c_str(), &ys) == 0) {
    return xs.st_dev == ys.st_dev && xs.st_ino == ys.st_ino;
  }
  std::error_code e1, e2;
  return fs::weakly_canonical(xFolder, e1) == fs::weakly_canonical(yFolder, e2) && !e1 && !e2;
}

}  // namespace zarv
