#include "tools/merge_command.h"

#include <cstdio>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "study/shard_merge.h"
#include "tools/run_options.h"
#include "tools/run_outputs.h"
#include "tools/study_report.h"
#include "tools/study_words.h"
#include "trajectory/file_writer.h"

namespace zarv {
namespace {

using namespace study_words;

// An ostream onto a streaming file; a failed append fails the stream.
class StreamingBuffer : public std::streambuf {
 public:
  explicit StreamingBuffer(StreamingFile& file) : file_(file) {}

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    return file_.Append(std::string_view(s, static_cast<std::size_t>(n))) ? n : 0;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    return file_.Append(std::string_view(&ch, 1)) ? c : traits_type::eof();
  }

 private:
  StreamingFile& file_;
};

}  // namespace

int MergeTables(const StudyRequest& r, Language language) {
  const std::vector<std::filesystem::path> paths(r.merge.begin(), r.merge.end());
  // The merged table replaces --out only when whole, so --out may name one of the shards.
  StreamingFile file(r.out);
  if (!file.ok()) return CannotWrite(language, file.status());
  StreamingBuffer buffer(file);
  std::ostream out(&buffer);
  MergeResult result;
  if (auto error = MergeShardTables(paths, out, result)) {
    std::fprintf(stderr, "zarv-run: %s\n", DescribeStudyError(*error, language).c_str());
    return error->problem == StudyProblem::CannotRead ? kExitFile : kExitUsage;
  }
  if (result.missing > 0) {
    const std::string missing = std::string(kCasesMissing.in(language)) + " (" +
                                std::to_string(result.missing) + " " + kOf.in(language) + " " +
                                std::to_string(result.rows + result.missing) + "): " +
                                result.missingCases;
    if (!r.allowPartial) {
      std::fprintf(stderr, "zarv-run: %s; %s\n", missing.c_str(), kMergeAnyway.in(language));
      return kExitUsage;
    }
    std::fprintf(stderr, "zarv-run: %s; %s\n", missing.c_str(), kMarkedPartial.in(language));
  }
  if (const FileWriteResult written = file.Commit(); !written.ok) return CannotWrite(language, written);
  PrintSummary(IsStandardOutput(r.out) ? stderr : stdout, result.summary, language);
  return CheckPrinted(language);
}

}  // namespace zarv
