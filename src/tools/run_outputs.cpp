#include "tools/run_outputs.h"

#include <cerrno>

#include <sys/stat.h>

#include "texts/system_reasons.h"
#include "tools/run_options.h"

namespace zarv {
namespace {

constexpr LanguageText kCannotWrite = {"не удалось записать", "kann nicht schreiben",
                                       "cannot write"};
constexpr LanguageText kIsResultFile = {"это файл результатов расчета",
                                        "das ist die Ergebnisdatei des Laufs",
                                        "that is the run's result file"};
constexpr LanguageText kNamedTwice = {"этот файл уже указан", "diese Datei ist schon genannt",
                                      "that file is named twice"};

bool IsStream(const std::string& path) {
  if (path == "-") return true;
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

}  // namespace

int CannotWrite(Language language, const FileWriteResult& failed) {
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
    if (IsStream(outputs[i])) continue;
    for (std::size_t k = 0; k < i; ++k) {
      if (SameFile(outputs[i], outputs[k])) {
        return "'" + outputs[i] + "': " + kNamedTwice.in(language);
      }
    }
  }
  return {};
}

bool IsStandardOutput(const std::string& path) { return SameFile(path, "-"); }

int WriteOutputs(const std::vector<OutputFile>& files, Language language) {
  for (const OutputFile& file : files) {
    const FileWriteResult written = WriteWholeFile(file.path, file.bytes);
    if (!written.ok) return CannotWrite(language, written);
  }
  return kExitOk;
}

int CheckPrinted(Language language) {
  constexpr LanguageText kStandardOutput = {"стандартный вывод", "Standardausgabe",
                                            "standard output"};
  errno = 0;
  if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return kExitOk;
  const int error = errno != 0 ? errno : EIO;
  std::clearerr(stdout);
  return CannotWrite(language, FileWriteResult{false, kStandardOutput.in(language), {}, error});
}

}  // namespace zarv
