#include "study/study_runner.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace zarv {
namespace {

bool ParseUnsigned(std::string_view text, std::uint64_t& value) {
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, value);
  return !text.empty() && r.ec == std::errc() && r.ptr == end;
}

CaseOutcome Rejected(std::string reason) {
  CaseOutcome o;
  o.kind = OutcomeKind::Rejected;
  o.values.fill(std::numeric_limits<double>::quiet_NaN());
  o.reason = std::move(reason);
  return o;
}

// The rows between the next one to hand out and the window's end, shared by the
// workers and the calling thread.
class ReorderWindow {
 public:
  ReorderWindow(std::size_t size, unsigned workers) : slots_(size), active_(workers) {}

  // Blocks a worker until row j fits; false when the study is being abandoned.
  bool WaitForRoom(std::uint64_t j) {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return abandoned_ || j < next_ + slots_.size(); });
    return !abandoned_;
  }
  void Put(std::uint64_t j, CaseRow row) {
    {
      std::lock_guard lock(mutex_);
      slots_[j % slots_.size()] = std::move(row);
    }
    ready_.notify_one();
  }
  void WorkerDone() {
    {
      std::lock_guard lock(mutex_);
      --active_;
    }
    ready_.notify_one();
  }
  // The next row in order; nullopt when no worker will bring it.
  std::optional<CaseRow> Take() {
    std::optional<CaseRow> row;
    {
      std::unique_lock lock(mutex_);
      std::optional<CaseRow>& slot = slots_[next_ % slots_.size()];
      ready_.wait(lock, [&] { return slot.has_value() || active_ == 0; });
      if (!slot) return std::nullopt;
      row = std::move(slot);
      slot.reset();
      ++next_;
    }
    room_.notify_all();
    return row;
  }
  void Abandon() {
    {
      std::lock_guard lock(mutex_);
      abandoned_ = true;
    }
    room_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_, room_;
  std::vector<std::optional<CaseRow>> slots_;
  std::uint64_t next_ = 0;  // the next row to hand out
  unsigned active_;
  bool abandoned_ = false;
};

}  // namespace

std::optional<Shard> ParseShard(std::string_view text, StudyError& error) {
  const std::size_t slash = text.find('/');
  Shard s;
  if (slash == std::string_view::npos || !ParseUnsigned(text.substr(0, slash), s.index) ||
      !ParseUnsigned(text.substr(slash + 1), s.count) || s.count == 0 || s.index >= s.count) {
    error = {StudyProblem::BadShard, std::string(text)};
    return std::nullopt;
  }
  return s;
}

StudyResult RunStudy(const StudyDesign& design, const CaseRunnerFactory& factory,
                     const StudyOptions& options, const RowSink& sink) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  StudyResult result;
  const Shard shard = options.shard;
  const std::uint64_t total = shard.CasesOf(design.caseCount());
  result.casesInShard = total;

  unsigned threads = options.threads != 0 ? options.threads : std::thread::hardware_concurrency();
  threads = static_cast<unsigned>(
      std::clamp<std::uint64_t>(std::min<std::uint64_t>(threads, total), 1, 1024));
  result.threads = threads;
  const std::size_t windowSize = options.window != 0 ? options.window : 32 * threads;

  const auto cancelled = [&] { return options.cancel != nullptr && options.cancel->load(); };
  std::atomic<std::uint64_t> nextCase{0};
  ReorderWindow window(windowSize, threads);
  const std::size_t inputCount = design.names().size();

  auto work = [&] {
    std::unique_ptr<CaseRunner> runner;
    std::string runnerProblem;
    try {
      runner = factory();
    } catch (const std::exception& e) {
      runnerProblem = e.what();
    }
    if (!runner && runnerProblem.empty()) runnerProblem = "no case runner";
    std::vector<double> values(inputCount);
    std::vector<CaseInput> inputs(inputCount);
    while (!cancelled()) {
      const std::uint64_t j = nextCase.fetch_add(1);
      if (j >= total || !window.WaitForRoom(j)) break;
      const std::uint64_t k = shard.index + j * shard.count;
      design.Inputs(k, values);
      for (std::size_t i = 0; i < inputCount; ++i) inputs[i] = {design.names()[i], values[i]};
      CaseRow row{k, values, {}};
      // A case that throws is a rejected row, never the end of the study.
      try {
        row.outcome = runner ? runner->Run(inputs) : Rejected(runnerProblem);
      } catch (const std::exception& e) {
        row.outcome = Rejected(e.what());
      } catch (...) {
        row.outcome = Rejected("unknown failure");
      }
      window.Put(j, std::move(row));
    }
    window.WorkerDone();
  };

  std::vector<std::thread> workers;
  workers.reserve(threads);
  for (unsigned t = 0; t < threads; ++t) workers.emplace_back(work);

  SummaryBuilder summary;
  Clock::time_point lastReport = start;
  auto report = [&](bool force) {
    if (!options.progress) return;
    const Clock::time_point now = Clock::now();
    if (!force && std::chrono::duration<double>(now - lastReport).count() < options.progressInterval) {
      return;
    }
    lastReport = now;
    StudyProgress p;
    p.done = result.casesDone;
    p.total = total;
    const double elapsed = std::chrono::duration<double>(now - start).count();
    p.rate = elapsed > 0.0 ? static_cast<double>(p.done) / elapsed : 0.0;
    p.secondsLeft = p.rate > 0.0 ? static_cast<double>(total - p.done) / p.rate : 0.0;
    options.progress(p);
  };

  try {
    while (std::optional<CaseRow> row = window.Take()) {
      sink(*row);
      summary.Add(row->outcome);
      ++result.casesDone;
      report(false);
    }
  } catch (...) {
    window.Abandon();
    for (std::thread& w : workers) w.join();
    throw;
  }
  for (std::thread& w : workers) w.join();
  report(true);
  result.cancelled = result.casesDone < total;
  result.summary = summary.Finish();
  return result;
}

}  // namespace zarv
