#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using zarv::testing::ReadFile;
using Study = zarv::testing::ScratchDir;

struct Outcome {
  int status;
  std::string out;  // stdout and stderr together
};

Outcome Tool(const fs::path& dir, const std::string& args) {
  const std::string command = "cd '" + dir.string() + "' && '" + ZARV_RUN + "' " + args + " 2>&1";
  Outcome outcome{-1, ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) outcome.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::size_t Lines(const std::string& text) {
  std::size_t n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

constexpr const char* kDispersion =
    "--preset 1:0 --monte-carlo 30 --vary V0=normal:5% --vary TTO=uniform:20:60 --seed 11";

TEST_F(Study, SameTableForThreadsAndMergedShards) {
  const std::string mc = kDispersion;
  ASSERT_EQ(Tool(dir_, mc + " --threads 1 --out one.csv").status, 0);
  const Outcome two = Tool(dir_, mc + " --threads 2 --out two.csv");
  ASSERT_EQ(two.status, 0) << two.out;
  ASSERT_EQ(Tool(dir_, mc + " --shard 1/2 --out b.csv").status, 0);
  ASSERT_EQ(Tool(dir_, mc + " --shard 0/2 --threads 1 --out a.csv").status, 0);
  const Outcome merged = Tool(dir_, "--merge b.csv a.csv --out all.csv");
  ASSERT_EQ(merged.status, 0) << merged.out;

  const std::string one = ReadFile(dir_ / "one.csv");
  EXPECT_EQ(Lines(one), 32u) << "description, header and 30 rows";
  EXPECT_EQ(one.rfind("# monte carlo, 30 cases, seed 11: V0=normal:5% around ", 0), 0u) << one;
  EXPECT_EQ(ReadFile(dir_ / "two.csv"), one);
  EXPECT_EQ(ReadFile(dir_ / "all.csv"), one);
  EXPECT_EQ(Lines(ReadFile(dir_ / "a.csv")), 17u);
  // The merge prints the same summary as the whole study.
  EXPECT_EQ(merged.out.substr(merged.out.find("cases  30")),
            two.out.substr(two.out.find("cases  30")));
  // The merged table replaces its target only when whole, so it may be one of the shards.
  const Outcome inPlace = Tool(dir_, "--merge a.csv b.csv --out b.csv");
  ASSERT_EQ(inPlace.status, 0) << inPlace.out;
  EXPECT_EQ(ReadFile(dir_ / "b.csv"), one);
}

TEST_F(Study, SweepTableWithRejectedAndDivergedCases) {
  const Outcome o = Tool(dir_, "--preset 1:0 --sweep dt0=0.01,-1 --sweep V0=100,300,1e160 --out s.csv");
  ASSERT_EQ(o.status, 0) << o.out;
  const std::string csv = ReadFile(dir_ / "s.csv");
  EXPECT_EQ(Lines(csv), 8u);
  EXPECT_NE(csv.find("\n1,0.01,300,36.64"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\n2,0.01,1e+160,,,,,,,,diverged,\"diverged at t = 0.01 s: inputs out of range: "
                     "V0 (velocity,Vo,m/s).\"\n"),
            std::string::npos) << csv;
  EXPECT_NE(csv.find("\n3,-1,100,,,,,,,,rejected,\"Invalid input dt0 (step of integration, s): "
                     "the value must be greater than 0.\"\n"),
            std::string::npos) << csv;
  EXPECT_NE(o.out.find("cases  6: ground 2, end time 0, diverged 1, rejected 3"), std::string::npos) << o.out;
  // The table on stdout too, one line per case.
  EXPECT_NE(o.out.find("\n5       -1          1e+160 "), std::string::npos) << o.out;
}

TEST_F(Study, RefusedRequestsSayWhy) {
  struct Case {
    const char* args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"--preset 1:0 --sweep V0=1:2", 2, "the count must be a whole number >= 1 'V0=1:2'"},
      {"--preset 1:0 --sweep speed=1,2", 2, "unknown input 'speed'"},
      {"--preset 1:0 --sweep V0=1 --sweep V0=2", 2, "input varied twice 'V0'"},
      {"--preset 1:0 --monte-carlo 5 --vary V0=gauss:1", 2, "expected normal:SD or uniform:LO:HI 'gauss:1'"},
      {"--preset 1:0 --monte-carlo 0 --vary V0=normal:1", 2, "the count must be a whole number >= 1 '0'"},
      {"--preset 1:0 --monte-carlo 5 --vary V0=normal:1 --shard 2/2", 2, "expected --shard I/N"},
      {"--preset 1:0 --sweep V0=1 --monte-carlo 5 --vary V0=normal:1", 2, "either --sweep or"},
      {"--sweep V0=1", 2, "--preset or --flight is missing"},
      {"--preset 1:0 --sweep V0=1 --study-chart x.gif", 2, "written as .png, .svg or .pdf"},
      {"--preset 1:0 --sweep V0=1 --study-chart s.png --out ./s.png", 2, "name the same file"},
      {"--preset 1:0 --sweep V0=1 --lang de --bogus", 2, "unbekanntes Argument '--bogus'"},
      {"--merge a.csv", 2, "--merge needs --out"},
      {"--merge missing.csv --out all.csv", 1, "cannot read"},
      {"--preset 1:0 --sweep V0=1 --out no/such/dir/s.csv", 1, "cannot write no/such/dir/s.csv"},
  };
  for (const Case& c : cases) {
    const Outcome o = Tool(dir_, c.args);
    EXPECT_EQ(o.status, c.status) << c.args << "\n" << o.out;
    EXPECT_NE(o.out.find(c.message), std::string::npos) << c.args << "\n" << o.out;
  }
  EXPECT_FALSE(fs::exists(dir_ / "all.csv")) << "a failed merge leaves no table";
}

TEST_F(Study, DrawsTheStudyChartsInEachFormat) {
  struct Case {
    const char* args;
    const char* file;
    const char* start;  // how a file of the format begins
  };
  const Case cases[] = {
      {"--lang ru", "mc.png", "\x89PNG"},
      {"", "mc.SVG", "<?xml"},
      {"", "mc.pdf", "%PDF"},
  };
  for (const Case& c : cases) {
    const Outcome o = Tool(dir_, std::string(kDispersion) + " --study-chart " + c.file + " " + c.args);
    ASSERT_EQ(o.status, 0) << c.file << "\n" << o.out;
    const std::string bytes = ReadFile(dir_ / c.file);
    EXPECT_GT(bytes.size(), 1000u) << c.file;
    EXPECT_EQ(bytes.rfind(c.start, 0), 0u) << c.file << " is no file of its format";
  }
  EXPECT_NE(ReadFile(dir_ / "mc.SVG").find("<svg"), std::string::npos);
  const Outcome sweep = Tool(dir_, "--preset 1:0 --sweep V0=100:300:5 --study-chart s.png --outcomes range");
  ASSERT_EQ(sweep.status, 0) << sweep.out;
  EXPECT_EQ(ReadFile(dir_ / "s.png").substr(1, 3), "PNG");
}

// Ctrl-C, SIGTERM and SIGHUP in the middle of a long study keep a whole table of the rows
// done, marked partial, and leave no temporary. The signal comes once 200 rows of the sweep
// table are out; that table on a pipe no one reads then holds the study up, so it cannot
// end before the signal, however fast the machine.
TEST_F(Study, StopSignalsKeepTheRowsDone) {
  struct Case {
    int signal;
    int status;
  };
  const Case cases[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}};
  const fs::path csv = dir_ / "long.csv";
  const fs::path err = dir_ / "err.txt";
  for (const Case& c : cases) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
      execl(ZARV_RUN, ZARV_RUN, "--preset", "1:0", "--sweep", "V0=1:100:10000000", "--threads", "2",
            "--out", csv.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(out[1]);
    FILE* table = fdopen(out[0], "r");
    char line[512];
    for (int lines = 0; lines < 202 && std::fgets(line, sizeof line, table) != nullptr; ++lines) {
    }
    kill(child, c.signal);
    while (std::fgets(line, sizeof line, table) != nullptr) {
    }
    std::fclose(table);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << c.signal << ": ended by the signal, not by the study's own stop";
    EXPECT_EQ(WEXITSTATUS(status), c.status) << c.signal;
    EXPECT_NE(ReadFile(err).find("stopped after "), std::string::npos) << c.signal << ": " << ReadFile(err);

    const std::string text = ReadFile(csv);
    std::size_t pos = text.find('\n', text.find('\n') + 1) + 1;  // past the head
    std::uint64_t rows = 0;
    while (pos < text.size() && text[pos] != '#') {
      const std::size_t end = text.find('\n', pos);
      const std::string row = text.substr(pos, end - pos);
      ASSERT_EQ(row.substr(0, row.find(',')), std::to_string(rows)) << c.signal << ": a gap in the rows";
      ASSERT_NE(row.find(",ground,"), std::string::npos) << row;
      ++rows;
      pos = end + 1;
    }
    EXPECT_GE(rows, 200u) << c.signal;
    EXPECT_EQ(text.substr(pos), "# partial: " + std::to_string(rows) + " of 10000000 cases\n")
        << c.signal << ": the table does not end with its partial mark";
    std::set<std::string> left;
    for (const fs::directory_entry& f : fs::directory_iterator(dir_)) left.insert(f.path().filename());
    EXPECT_EQ(left, (std::set<std::string>{"long.csv", "err.txt"})) << c.signal << ": a temporary was left";
  }
}

}  // namespace
