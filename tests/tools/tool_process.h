#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "support/scratch_dir.h"

namespace zarv::testing {

struct ToolOutcome {
  int status;
  std::string out;  // standard output alone
  std::string err;
};

// Runs zarv-run in `dir` with the arguments (shell words, redirections allowed), the
// environment assignments before it.
inline ToolOutcome Tool(const std::filesystem::path& dir, const std::string& args,
                        const std::string& environment = "") {
  const std::filesystem::path err = dir / "stderr.txt";
  const std::string command = "cd '" + dir.string() + "' && " + environment + " '" + ZARV_RUN +
                              "' " + args + " 2>'" + err.string() + "'";
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

inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace zarv::testing
