#pragma once

#include <cerrno>
#include <csignal>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zarv::testing {

// Runs `body` in a forked child; Wait() returns what it said: empty when all went well,
// otherwise the child's complaint (or how it died). Limits set there stay there.
class Child {
 public:
  explicit Child(const std::function<std::string()>& body) {
    if (::pipe(channel_) != 0) return;
    pid_ = ::fork();
    if (pid_ != 0) {
      ::close(channel_[1]);
      return;
    }
    ::close(channel_[0]);
    const std::string said = body();
    std::size_t sent = 0;
    while (sent < said.size()) {
      const ssize_t n = ::write(channel_[1], said.data() + sent, said.size() - sent);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }

  std::string Wait() {
    if (pid_ < 0) return "no child";
    std::string said;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel_[0], buffer, sizeof buffer)) != 0;) {
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) break;
      said.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(channel_[0]);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    if (!WIFEXITED(status)) said += " [child died, signal " + std::to_string(WTERMSIG(status)) + "]";
    return said;
  }

 private:
  int channel_[2] = {-1, -1};
  pid_t pid_ = -1;
};

inline std::string InChild(const std::function<std::string()>& body) { return Child(body).Wait(); }

// A file system that takes no more than `bytes` per file, as a full disk would.
inline void LimitFileSize(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
  const rlimit limit{bytes, bytes};
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace zarv::testing
