#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "texts/language.h"
#include "trajectory/file_writer.h"

namespace zarv {

// A file of the run, rendered whole before anything is written.
struct OutputFile {
  std::string path;
  std::string bytes;
};

// Prints "zarv-run: cannot write PATH: reason" in the language; returns kExitFile.
int CannotWrite(Language language, const FileWriteResult& failed);

// The usage message when an output names the result file, or a file that another output
// names too (through links or other spellings); empty when they are all apart. Streams
// (standard output, devices, FIFOs) may be shared.
std::string OutputClash(const std::filesystem::path& resultFile,
                        const std::vector<std::string>& outputs, Language language);

// True when the name is this process's standard output, under any of its names.
bool IsStandardOutput(const std::string& path);

// Writes each file through the one writer, in order; stops at the first failure with its
// message and kExitFile.
int WriteOutputs(const std::vector<OutputFile>& files, Language language);

// Flushes standard output; kExitFile with a message when what was printed did not get
// through (a full disk, a closed pipe).
int CheckPrinted(Language language);

}  // namespace zarv
