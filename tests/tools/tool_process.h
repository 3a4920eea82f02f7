#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "support/scratch_dir.h"

namespace zarv::testing {

struct ToolOutcome {
  int status;
  std::string out;  // standard output alone
  std::string err;
};

// Runs zarv-run in `dir` with the arguments (shell words, redirections allowed: one of
// standard error overrides the capture), the environment assignments before it.
inline ToolOutcome Tool(const std::filesystem::path& dir, const std::string& args,
                        const std::string& environment = "") {
  const std::filesystem::path err = dir / "stderr.txt";
  const std::string command = "cd '" + dir.string() + "' && " + environment + " '" + ZARV_RUN +
                              "' 2>'" + err.string() + "' " + args;
  ToolOutcome outcome{-1, "", ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) outcome.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.err = ReadFile(err);
  std::filesystem::remove(err);
  return outcome;
}

// Runs zarv-run in `dir` with standard output a pipe whose reader has already gone, as
// `zarv-run ... | head -1` has once head is done. `signal` is the one that ended it (0: it
// exited, with `status`); `err` what it printed on standard error.
struct ClosedPipeOutcome {
  int signal = -1;
  int status = -1;
  std::string err;
};

inline ClosedPipeOutcome ToolIntoClosedPipe(const std::filesystem::path& dir, const std::string& args) {
  ClosedPipeOutcome outcome;
  int ends[2];
  if (::pipe(ends) != 0) return outcome;
  ::close(ends[0]);
  const std::filesystem::path err = dir / "stderr.txt";
  const std::string command = "cd '" + dir.string() + "' && exec '" + ZARV_RUN + "' " + args +
                              " 2>'" + err.string() + "'";
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(ends[1], STDOUT_FILENO);
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(ends[1]);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return outcome;
  outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.err = ReadFile(err);
  std::filesystem::remove(err);
  return outcome;
}

inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace zarv::testing
