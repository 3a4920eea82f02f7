#include "tools/study_command.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "charts/chart_export.h"
#include "charts/study_chart.h"
#include "scenario/calculation.h"
#include "study/study_number.h"
#include "study/study_runner.h"
#include "tools/design_from_words.h"
#include "tools/merge_command.h"
#include "tools/paint_session.h"
#include "tools/preset_case_runner.h"
#include "tools/preset_setup.h"
#include "tools/run_options.h"
#include "tools/run_outputs.h"
#include "tools/run_source.h"
#include "tools/stop_signals.h"
#include "tools/study_options.h"
#include "tools/study_report.h"
#include "tools/study_words.h"

namespace zarv {
namespace {

using namespace study_words;

constexpr std::uint64_t kMaxThreads = 1024;

int Refused(const StudyError& e, Language language) {
  return StudyUsageError(DescribeStudyError(e, language));
}

// The outcome columns a --outcomes list names, all of them for none; the message for a
// name that is none of them.
std::optional<std::vector<int>> ChosenOutcomes(const std::string& list, Language language,
                                               std::string& problem) {
  std::vector<int> chosen;
  if (list.empty()) {
    for (int c = 0; c < kOutcomeColumns; ++c) chosen.push_back(c);
    return chosen;
  }
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string key = list.substr(start, comma - start);
    int found = -1;
    for (int c = 0; c < kOutcomeColumns; ++c) {
      if (key == kOutcomeKeys[c]) found = c;
    }
    if (found < 0) {
      std::string keys;
      for (const char* k : kOutcomeKeys) keys += (keys.empty() ? "" : ", ") + std::string(k);
      problem = std::string(kUnknownOutcome.in(language)) + " '" + key + "' (" +
                kOutcomes.in(language) + ": " + keys + ")";
      return std::nullopt;
    }
    chosen.push_back(found);
    start = comma + 1;
  }
  return chosen;
}

// The design of the study the request asks for, around the inputs of `base`; the exit
// status after the message when it cannot be made.
std::optional<int> MakeDesign(const StudyRequest& r, const RunInputs& inputs, Language language,
                              std::unique_ptr<StudyDesign>& design, std::uint64_t& firstSweepSize) {
  std::uint64_t count = 0, seed = kDefaultSeed;
  if (r.sweeps.empty()) {
    if (!ParseWholeNumber(r.monteCarlo, count) || count < 1) {
      return Refused({StudyProblem::BadCount, r.monteCarlo}, language);
    }
    if (!r.seed.empty() && !ParseWholeNumber(r.seed, seed)) {
      return StudyUsageError(std::string(kSeedRange.in(language)) + ": '" + r.seed + "'");
    }
  }
  WordsDesign made = DesignFromWords(r.sweeps, r.varies, count, seed, inputs);
  if (!made.unknownInput.empty()) return StudyUsageError(UnknownInput(made.unknownInput, language));
  if (!made.design) return Refused(made.error, language);
  design = std::move(made.design);
  firstSweepSize = made.firstSweepSize;
  return std::nullopt;
}

int RunStudyRequest(const StudyRequest& r, Language language, char* argv0) {
  RunSource source;
  if (std::string problem = source.Load(r.preset, r.flight, language); !problem.empty()) {
    return StudyUsageError(problem);
  }
  // The study's fixed changes, made once; every case starts from these inputs.
  Calculation base;
  if (std::string problem = source.SetUp(r.settings, r.sets, base, language); !problem.empty()) {
    return StudyUsageError(problem);
  }
  const RunInputs inputs = base.inputs();
  std::unique_ptr<StudyDesign> design;
  std::uint64_t firstSweepSize = 1;
  if (const auto status = MakeDesign(r, inputs, language, design, firstSweepSize)) return *status;

  StudyOptions options;
  if (!r.threads.empty()) {
    std::uint64_t threads = 0;
    if (!ParseWholeNumber(r.threads, threads) || threads < 1 || threads > kMaxThreads) {
      return StudyUsageError(std::string(kThreadsRange.in(language)) + ": '" + r.threads + "'");
    }
    options.threads = static_cast<unsigned>(threads);
  }
  if (!r.shard.empty()) {
    StudyError error{};
    std::optional<Shard> shard = ParseShard(r.shard, error);
    if (!shard) return Refused(error, language);
    options.shard = *shard;
  }
  std::string problem;
  const std::optional<std::vector<int>> outcomes = ChosenOutcomes(r.outcomes, language, problem);
  if (!outcomes) return StudyUsageError(problem);
  if (!r.chart.empty() && !ChartFormatOfFileName(r.chart)) return StudyUsageError(kChartFormats.in(language));
  if (!r.chart.empty() && !r.out.empty() && SameFile(r.chart, r.out)) {
    return StudyUsageError(kSameFile.in(language));
  }
  const bool sweep = !r.sweeps.empty();
  StudyChartData chart;
  chart.sweep = sweep;
  chart.language = language;
  chart.inputName = design->names().front();
  chart.inputNames = design->names();
  chart.outcomes = *outcomes;
  // One curve per combination of the inner sweeps; the first sweep runs along each.
  chart.series = sweep ? design->caseCount() / firstSweepSize : 1;

  // From here a stop signal keeps the rows done; before, it ends the program at once.
  std::atomic<bool> stop{false};
  const StopSignals stopSignals(stop);
  // Both files are open before the first case, so a name that cannot be written stops
  // nothing that ran. Rows go to a temporary beside --out; the table replaces it when the
  // study ends or is stopped, never half written.
  std::optional<StreamingFile> out, picture;
  if (!r.out.empty()) {
    out.emplace(r.out);
    if (!out->ok() || !out->Append(TableHead(*design))) return CannotWrite(language, out->status());
  }
  if (!r.chart.empty()) {
    picture.emplace(r.chart);
    if (!picture->ok()) return CannotWrite(language, picture->status());
  }
  // With the table on standard output the texts go to standard error, apart from its rows.
  std::FILE* text = !r.out.empty() && IsStandardOutput(r.out) ? stderr : stdout;
  std::fprintf(text, "%s, %s\n", source.Heading(language).c_str(), design->Describe().substr(2).c_str());
  // A stream that takes nothing is known before any case runs.
  if (const int status = CheckPrinted(language)) return status;

  std::optional<SweepTablePrinter> table;
  if (sweep) table.emplace(text, design->names());
  const bool terminal = isatty(STDERR_FILENO) == 1;
  if (terminal) {
    options.progress = [language](const StudyProgress& p) { PrintProgress(stderr, p, language); };
  }
  options.cancel = &stop;
  const VehicleClass vehicleClass = base.vehicleClass();
  const RunSettings settings = base.settings();
  const CaseRunnerFactory factory = [vehicleClass, settings, inputs, language] {
    return std::make_unique<PresetCaseRunner>(vehicleClass, settings, inputs, language);
  };
  std::string line;
  StudyResult result;
  bool written = true;
  try {
    result = RunStudy(*design, factory, options, [&](const CaseRow& row) {
      if (out) {
        line.clear();
        AppendRow(line, row);
        if (!out->Append(line)) throw std::runtime_error(r.out);
      }
      if (table) table->Row(row);
      if (!r.chart.empty()) chart.Add(row);
    });
  } catch (const std::runtime_error&) {
    written = false;
  }
  if (terminal) std::fprintf(stderr, "\n");
  if (out) {
    if (written && result.cancelled) written = out->Append(PartialMark(result.casesDone, result.casesInShard));
    const FileWriteResult committed = written ? out->Commit() : out->status();
    if (!committed.ok) return CannotWrite(language, committed);
  }

  PrintSummary(text, result.summary, language);
  if (ReaderGone()) return kExitFile;
  if (result.cancelled || stopSignals.received() != 0) {
    std::fprintf(stderr, "zarv-run: %s %llu %s %llu%s\n", kStoppedAfter.in(language),
                 static_cast<unsigned long long>(result.casesDone), kOf.in(language),
                 static_cast<unsigned long long>(result.casesInShard),
                 r.out.empty() ? "" : (kRowsKept.in(language) + r.out).c_str());
    return SignalExitStatus(stopSignals.received() != 0 ? stopSignals.received() : SIGINT);
  }
  if (picture) {
    const PaintSession session(argv0);
    const QByteArray bytes = RenderStudyChart(chart, *ChartFormatOfFileName(r.chart));
    if (!picture->Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
      return CannotWrite(language, picture->status());
    }
    if (const FileWriteResult drawn = picture->Commit(); !drawn.ok) return CannotWrite(language, drawn);
  }
  return CheckPrinted(language);
}

}  // namespace

int RunStudyCommand(std::span<const std::string_view> args, char* argv0) {
  Language language = Language::English;
  if (const auto status = ParseLanguage(args, language)) return *status;
  StudyRequest request;
  if (const auto status = ParseStudyRequest(args, language, request)) return *status;
  if (!request.merge.empty()) return MergeTables(request, language);
  return RunStudyRequest(request, language, argv0);
}

}  // namespace zarv
