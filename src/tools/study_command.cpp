#include "tools/study_command.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "charts/chart_export.h"
#include "charts/study_chart.h"
#include "scenario/calculation.h"
#include "scenario/presets.h"
#include "study/case_stream.h"
#include "study/shard_merge.h"
#include "study/study_runner.h"
#include "tools/preset_case_runner.h"
#include "texts/language.h"
#include "tools/run_options.h"
#include "tools/study_report.h"
#include "tools/study_words.h"
#include "trajectory/file_writer.h"

namespace zarv {
namespace {

using namespace study_words;

constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as shells report it

// The one flag a signal handler may touch; the study polls it between cases.
std::atomic<bool>* gStopRequest = nullptr;

extern "C" void OnInterrupt(int) {
  if (gStopRequest != nullptr) gStopRequest->store(true);
}

struct StudyRequest {
  RunSettings settings;
  std::string preset;
  std::vector<std::string> sets, sweeps, varies, merge;
  std::string monteCarlo, seed, threads, shard, out, chart, outcomes;
};

// An ostream onto a streaming file, for the merge; a failed append fails the stream.
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

class Command {
 public:
  Command(Language language, char* argv0) : language_(language), argv0_(argv0) {}
  int Run(std::span<const std::string_view> args);

 private:
  int Usage(const std::string& what) const {
    std::fprintf(stderr, "zarv-run: %s\n%s", what.c_str(), kUsage);
    return kExitUsage;
  }
  int Refused(const StudyError& e) const { return Usage(DescribeStudyError(e, language_)); }
  int FileError(const FileWriteResult& r) const {
    std::fprintf(stderr, "zarv-run: %s %s: %s\n", kCannotWrite.in(language_), r.path.c_str(),
                 r.reason.c_str());
    return kExitFile;
  }
  std::string Words(const LanguageText& text) const { return text.in(language_); }
  int Merge(const StudyRequest& r);
  int Study(const StudyRequest& r);
  std::optional<std::vector<int>> ChosenOutcomes(const std::string& list) const;

  static constexpr const char* kUsage =
      "       zarv-run --preset P [--set NAME=V]... [--earth E] [--integrator I [--rtol R] [--atol A]]\n"
      "                --sweep NAME=FROM:TO:N|NAME=V1,V2,...\n"
      "                [--sweep ...] [--threads N] [--shard I/N] [--out FILE.csv]\n"
      "                [--study-chart FILE.png|.svg|.pdf [--outcomes a,b]]\n"
      "       zarv-run --preset P --monte-carlo N --vary NAME=normal:SD[%]|NAME=uniform:LO:HI\n"
      "                [--vary ...] [--seed S] [--threads N] [--shard I/N] [--out FILE.csv]\n"
      "       zarv-run --merge A.csv B.csv ... --out ALL.csv\n";

  Language language_;
  char* argv0_;
};

int Command::Run(std::span<const std::string_view> args) {
  StudyRequest r;
  const std::string missing = Words(kMissingValue);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a == "--merge") {
      while (i + 1 < args.size() && !args[i + 1].starts_with("--")) r.merge.emplace_back(args[++i]);
      if (r.merge.empty()) return Usage(missing + " --merge");
      continue;
    }
    std::string* single = a == "--preset"        ? &r.preset
                          : a == "--monte-carlo" ? &r.monteCarlo
                          : a == "--seed"        ? &r.seed
                          : a == "--threads"     ? &r.threads
                          : a == "--shard"       ? &r.shard
                          : a == "--out"         ? &r.out
                          : a == "--study-chart" ? &r.chart
                          : a == "--outcomes"    ? &r.outcomes
                                                 : nullptr;
    std::vector<std::string>* many = a == "--set"     ? &r.sets
                                     : a == "--sweep" ? &r.sweeps
                                     : a == "--vary"  ? &r.varies
                                                      : nullptr;
    if (IsRunSettingOption(a)) {
      if (i + 1 >= args.size()) return Usage(missing + " " + std::string(a));
      const std::string problem = ApplyRunSetting(a, args[++i], r.settings, language_);
      if (!problem.empty()) return Usage(problem);
      continue;
    }
    if (single == nullptr && many == nullptr && a != "--lang") {
      return Usage(Words(kUnknownArgument) + " '" + std::string(a) + "'");
    }
    if (i + 1 >= args.size()) return Usage(missing + " " + std::string(a));
    const std::string value(args[++i]);
    if (single != nullptr) *single = value;
    if (many != nullptr) many->push_back(value);
  }
  if (!r.merge.empty()) return Merge(r);
  return Study(r);
}

int Command::Merge(const StudyRequest& r) {
  if (r.out.empty()) return Usage(Words(kMergeNeedsOut));
  std::vector<std::filesystem::path> paths(r.merge.begin(), r.merge.end());
  // The merged table replaces --out only when whole, so --out may name one of the shards.
  StreamingFile file(r.out);
  if (!file.ok()) return FileError(file.status());
  StreamingBuffer buffer(file);
  std::ostream out(&buffer);
  MergeResult result;
  if (auto error = MergeShardTables(paths, out, result)) {
    std::fprintf(stderr, "zarv-run: %s\n", DescribeStudyError(*error, language_).c_str());
    return error->problem == StudyProblem::CannotRead ? kExitFile : kExitUsage;
  }
  if (const FileWriteResult written = file.Commit(); !written.ok) return FileError(written);
  PrintSummary(stdout, result.summary, language_);
  return kExitOk;
}

std::optional<std::vector<int>> Command::ChosenOutcomes(const std::string& list) const {
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
    if (found < 0) return std::nullopt;
    chosen.push_back(found);
    start = comma + 1;
  }
  return chosen;
}

int Command::Study(const StudyRequest& r) {
  const bool sweep = !r.sweeps.empty();
  const bool monteCarlo = !r.monteCarlo.empty() || !r.varies.empty();
  if (sweep == monteCarlo) return Usage(Words(kSweepOrMonteCarlo));
  if (r.preset.empty()) return Usage(Words(kPresetMissing));
  Scenario record;
  const std::size_t colon = r.preset.find(':');
  double cls = 0.0, item = 0.0;
  if (colon == std::string::npos || !ParseStudyNumber(r.preset.substr(0, colon), cls) ||
      !ParseStudyNumber(r.preset.substr(colon + 1), item) ||
      !ApplyPreset(record, static_cast<int>(cls), static_cast<int>(item)) ||
      cls != static_cast<int>(cls) || item != static_cast<int>(item)) {
    return Usage(Words(kNoSuchPreset) + " '" + r.preset + "'");
  }
  // The study's fixed changes, made once; every case starts from these inputs.
  Calculation base;
  base.Load(record);
  const std::string unknownInput = Words(kUnknownInput);
  for (const std::string& set : r.sets) {
    const std::size_t eq = set.find('=');
    const std::string name = set.substr(0, eq);
    double value = 0.0;
    if (eq == std::string::npos || RunInputByName(base.inputs(), name.c_str()) == nullptr) {
      return Usage(unknownInput + " '" + name + "'");
    }
    if (!ParseStudyNumber(set.substr(eq + 1), value)) {
      return Refused({StudyProblem::NotANumber, set.substr(eq + 1)});
    }
    base.Set(name, value);
  }
  RunInputs& inputs = base.inputs();

  StudyError error{};
  std::unique_ptr<StudyDesign> design;
  std::uint64_t seed = kDefaultSeed;
  std::uint64_t firstSweepSize = 1;
  if (sweep) {
    std::vector<Sweep> sweeps;
    for (const std::string& text : r.sweeps) {
      std::optional<Sweep> s = ParseSweep(text, error);
      if (!s) return Refused(error);
      sweeps.push_back(std::move(*s));
    }
    firstSweepSize = sweeps.front().size();
    design = MakeSweepGrid(std::move(sweeps), error);
  } else {
    double count = 0.0, seedValue = 0.0;
    if (!ParseStudyNumber(r.monteCarlo, count) || count < 1 ||
        count != static_cast<double>(static_cast<std::uint64_t>(count))) {
      return Refused({StudyProblem::BadCount, r.monteCarlo});
    }
    if (!r.seed.empty()) {
      if (!ParseStudyNumber(r.seed, seedValue) || seedValue < 0 ||
          seedValue != static_cast<double>(static_cast<std::uint64_t>(seedValue))) {
        return Refused({StudyProblem::NotANumber, r.seed});
      }
      seed = static_cast<std::uint64_t>(seedValue);
    }
    if (r.varies.empty()) return Usage(Words(kMissingValue) + " --vary");
    std::vector<Variation> variations;
    std::vector<double> bases;
    for (const std::string& text : r.varies) {
      std::optional<Variation> v = ParseVariation(text, error);
      if (!v) return Refused(error);
      const double* b = RunInputByName(inputs, v->name.c_str());
      bases.push_back(b != nullptr ? *b : 0.0);
      variations.push_back(std::move(*v));
    }
    design = MakeMonteCarlo(std::move(variations), std::move(bases),
                            static_cast<std::uint64_t>(count), seed, error);
  }
  if (!design) return Refused(error);
  for (const std::string& name : design->names()) {
    if (RunInputByName(inputs, name.c_str()) == nullptr) return Usage(unknownInput + " '" + name + "'");
  }

  StudyOptions options;
  if (!r.threads.empty()) {
    double t = 0.0;
    if (!ParseStudyNumber(r.threads, t) || t < 1 || t > 1024 || t != static_cast<int>(t)) {
      return Refused({StudyProblem::BadCount, r.threads});
    }
    options.threads = static_cast<unsigned>(t);
  }
  if (!r.shard.empty()) {
    std::optional<Shard> shard = ParseShard(r.shard, error);
    if (!shard) return Refused(error);
    options.shard = *shard;
  }
  const std::optional<std::vector<int>> outcomes = ChosenOutcomes(r.outcomes);
  if (!outcomes) return Refused({StudyProblem::UnknownDistribution, r.outcomes});
  if (!r.chart.empty() && !ChartFormatOfFileName(r.chart)) return Usage(Words(kChartFormats));
  if (!r.chart.empty() && !r.out.empty() && SameFile(r.chart, r.out)) return Usage(Words(kSameFile));
  StudyChartData chart;
  chart.sweep = sweep;
  chart.language = language_;
  chart.inputName = design->names().front();
  chart.inputNames = design->names();
  chart.outcomes = *outcomes;
  // One curve per combination of the inner sweeps; the first sweep runs along each.
  chart.series = sweep ? design->caseCount() / firstSweepSize : 1;

  // Rows go to a temporary beside --out; the table replaces it when the study ends or
  // is stopped, never half written.
  std::optional<StreamingFile> out;
  if (!r.out.empty()) {
    out.emplace(r.out);
    if (!out->ok() || !out->Append(TableHead(*design))) return FileError(out->status());
  }
  const Language language = language_;
  const RunSettings settings = r.settings;
  const CaseRunnerFactory factory = [record, inputs, settings, language] {
    return std::make_unique<PresetCaseRunner>(record, inputs, settings, language);
  };

  std::printf("%s  %s, %s\n", kPreset.in(language_), r.preset.c_str(),
              design->Describe().substr(2).c_str());
  std::optional<SweepTablePrinter> table;
  if (sweep) table.emplace(stdout, design->names());
  const bool terminal = isatty(STDERR_FILENO) == 1;
  if (terminal) {
    options.progress = [this](const StudyProgress& p) { PrintProgress(stderr, p, language_); };
  }

  std::atomic<bool> stop{false};
  options.cancel = &stop;
  gStopRequest = &stop;
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  action.sa_flags = SA_RESETHAND;  // a second Ctrl-C ends the program at once
  sigemptyset(&action.sa_mask);
  struct sigaction previous {};
  sigaction(SIGINT, &action, &previous);

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
  sigaction(SIGINT, &previous, nullptr);
  gStopRequest = nullptr;
  if (terminal) std::fprintf(stderr, "\n");
  if (out) {
    const FileWriteResult committed = written ? out->Commit() : out->status();
    if (!committed.ok) return FileError(committed);
  }

  PrintSummary(stdout, result.summary, language_);
  if (result.cancelled) {
    std::fprintf(stderr, "zarv-run: %s %llu %s %llu%s\n", kStoppedAfter.in(language_),
                 static_cast<unsigned long long>(result.casesDone), kOf.in(language_),
                 static_cast<unsigned long long>(result.casesInShard),
                 r.out.empty() ? "" : (Words(kRowsKept) + r.out).c_str());
    return kExitInterrupted;
  }
  if (!r.chart.empty()) {
    // Charts need fonts and a paint device, not a screen.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, &argv0_);
    if (const FileWriteResult drawn = WriteStudyChart(chart, r.chart); !drawn.ok) {
      return FileError(drawn);
    }
  }
  return kExitOk;
}

}  // namespace

bool IsStudyCommand(std::span<const std::string_view> args) {
  for (std::string_view a : args) {
    if (a == "--sweep" || a == "--monte-carlo" || a == "--vary" || a == "--merge") return true;
  }
  return false;
}

int RunStudyCommand(std::span<const std::string_view> args, char* argv0) {
  Language language = Language::English;
  if (const auto status = ParseLanguage(args, language)) return *status;
  return Command(language, argv0).Run(args);
}

}  // namespace zarv
