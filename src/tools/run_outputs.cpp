#include "tools/run_outputs.h"

#include <cerrno>

#include <sys/stat.h>

#include "texts/system_reasons.h"
#include "tools/run_options.h"
#include "tools/stop_signals.h"

namespace zarv {
namespace {

constexpr LanguageText kCannotWrite = {"не удалось записать", "kann nicht schreiben",
                                       "cannot write"};
constexpr LanguageText kIsResultFile = {"это файл результатов расчета",
                                        "das ist die Ergebnisdatei des Laufs",
                                        "that is the run's result file"};
constexpr LanguageText kNamedTwice = {"этот файл уже указан", "diese Datei ist schon genannt",
                                      "that file is named twice"};
constexpr LanguageText kStandardOutput = {"стандартный вывод", "Standardausgabe",
                                          "standard output"};

bool IsStream(const std::string& path) {
  if (path == "-") return true;
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

}  // namespace

int CannotWrite(Language language, const FileWriteResult& failed) {
  if (failed.error == EPIPE || ReaderGone()) return kExitFile;
  const std::string reason =
      failed.error != 0 ? SystemReason(failed.error, language) : failed.reason;
  std::fprintf(stderr, "zarv-run: %s %s: %s\n", kCannotWrite.in(language),
               failed.path.c_str(), reason.c_str());
  return kExitFile;
}

std::string OutputClash(const std::filesystem::path& resultFile,
                        const std::vector<std::string>& outputs, Language language) {
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    if (SameFile(outputs[i], resultFile)) {
      return "'" + outputs[i] + "': " + kIsResultFile.in(language);
    }
    const bool standardOutput = IsStandardOutput(outputs[i]);
    if (!standardOutput && IsStream(outputs[i])) continue;
    for (std::size_t k = 0; k < i; ++k) {
      if (standardOutput ? IsStandardOutput(outputs[k]) : SameFile(outputs[i], outputs[k])) {
        return "'" + outputs[i] + "': " + kNamedTwice.in(language);
      }
    }
  }
  return {};
}

bool IsStandardOutput(const std::string& path) { return SameFile(path, "-"); }

int OutputFiles::Open(const std::vector<std::string>& paths, Language language) {
  for (const std::string& path : paths) {
    files_.push_back({std::make_unique<StreamingFile>(path), {}});
    if (!files_.back().file->ok()) return CannotWrite(language, files_.back().file->status());
  }
  return kExitOk;
}

int OutputFiles::Commit(Language language) {
  for (const bool replacing : {false, true}) {
    // Every file written whole and synced before the first is renamed over its target.
    for (File& f : files_) {
      if (f.file->replacesFile() == replacing && (!f.file->Append(f.bytes) || !f.file->Sync())) {
        return CannotWrite(language, f.file->status());
      }
    }
    for (File& f : files_) {
      if (f.file->replacesFile() != replacing) continue;
      if (const FileWriteResult written = f.file->Commit(); !written.ok) {
        return CannotWrite(language, written);
      }
    }
  }
  return kExitOk;
}

int CheckPrinted(Language language) {
  // A print that failed on the way, when the buffer filled, left its reason in errno.
  const int earlier = std::ferror(stdout) != 0 ? errno : 0;
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    const int error = errno != 0 ? errno : earlier != 0 ? earlier : EIO;
    std::clearerr(stdout);
    return CannotWrite(language, FileWriteResult{false, kStandardOutput.in(language), {}, error});
  }
  // Nowhere is left to say so.
  if (std::fflush(stderr) != 0 || std::ferror(stderr) != 0) return kExitFile;
  return kExitOk;
}

}  // namespace zarv
