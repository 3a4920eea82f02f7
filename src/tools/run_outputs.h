#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "texts/language.h"
#include "trajectory/file_writer.h"

namespace zarv {

// Prints "zarv-run: cannot write PATH: reason" in the language; returns kExitFile. A
// reader gone (EPIPE) is no news to anyone: nothing is printed.
int CannotWrite(Language language, const FileWriteResult& failed);

// The usage message when an output names the result file, or a file that another output
// names too (through links or other spellings); empty when they are all apart. Devices and
// FIFOs may be shared; standard output may not, its bytes would mix.
std::string OutputClash(const std::filesystem::path& resultFile,
                        const std::vector<std::string>& outputs, Language language);

// True when the name is this process's standard output, under any of its names.
bool IsStandardOutput(const std::string& path);

// The files of one command. All are opened before anything runs, so that a name that
// cannot be written (no such folder, no permission, a directory) is refused before any
// file is touched; each regular file is written to a temporary beside it. Commit then
// writes the streams (standard output, devices) first and replaces the regular files
// last, so a failing device leaves every file as it was.
class OutputFiles {
 public:
  // Opens every name, in order; kExitFile with the message when one cannot be written.
  int Open(const std::vector<std::string>& paths, Language language);
  // The bytes of the file opened n-th.
  void Put(std::size_t n, std::string bytes) { files_[n].bytes = std::move(bytes); }
  // Writes every file; stops at the first failure with its message and kExitFile.
  int Commit(Language language);

 private:
  struct File {
    std::unique_ptr<StreamingFile> file;
    std::string bytes;
  };
  std::vector<File> files_;
};

// Flushes what was printed on standard output and standard error; kExitFile with a message
// (where one can still be written) when it did not get through: a full disk, a closed pipe.
int CheckPrinted(Language language);

}  // namespace zarv
