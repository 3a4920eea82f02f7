// zarv-run's files, streams and messages, through the real binary.
#include <clocale>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include "tools/tool_process.h"

namespace {

namespace fs = std::filesystem;
using zarv::testing::ReadFile;
using ToolOutputs = zarv::testing::ScratchDir;

using Outcome = zarv::testing::ToolOutcome;
using zarv::testing::Has;
using zarv::testing::Tool;

TEST_F(ToolOutputs, StandardOutputCarriesTheFileAloneAndTheSummaryMovesAside) {
  struct Case {
    const char* args;
    std::string starts;
    const char* summary;  // a line only the summary has
  };
  const Case cases[] = {
      {"--preset 2:1 --csv -",
       "# earth model: flat\n# run: Parachute ( V = 0 m/s, Cx = 1.0, Ho = 4000 m, m = 100kg )\nslot,row0 t [s]",
       "flight time  "},
      {"--preset 2:1 --csv /dev/stdout", "# earth model: flat\n# run: Parachute (", "flight time  "},
      {"--preset 2:1 --earth round --csv -",
       "# earth model: round\n# run: Parachute ( V = 0 m/s, Cx = 1.0, Ho = 4000 m, m = 100kg ), round Earth\nslot,",
       "flight time  "},
      {"--preset 2:1 --chart default --png -", "\x89PNG", "flight time  "},
      {"--preset 1:0 --sweep V0=100,200 --out -", "# sweep grid, 2 cases", "cases  2: ground 2"},
      {"--preset 1:0 --monte-carlo 2 --vary V0=normal:1 --out /dev/stdout", "# monte carlo, 2 cases",
       "cases  2: ground 2"},
  };
  for (const Case& c : cases) {
    const Outcome o = Tool(dir_, c.args);
    EXPECT_EQ(o.status, 0) << c.args << "\n" << o.err;
    EXPECT_EQ(o.out.rfind(c.starts, 0), 0u) << c.args << ": " << o.out.substr(0, 80);
    EXPECT_FALSE(Has(o.out, c.summary)) << c.args << ": the summary went into the file";
    EXPECT_TRUE(Has(o.err, c.summary)) << c.args << ": the summary is on standard error";
  }
}

TEST_F(ToolOutputs, RefusesToWriteOverTheResultFileUnderAnyName) {
  fs::create_directory(dir_ / "out");
  fs::create_symlink("out/Zarv_500.txt", dir_ / "link.txt");
  const char* cases[] = {
      "--preset 2:1 --dir out --csv out/Zarv_500.txt",
      "--preset 2:1 --dir out --csv ./out/../out/Zarv_500.txt",
      "--preset 2:1 --dir out --csv link.txt",
      "--preset 2:1 --dir out --chart default --png out/Zarv_500.txt",
      "--preset 2:1 --dir out --csv a.csv --chart default --png a.csv",
  };
  for (const char* args : cases) {
    std::ofstream(dir_ / "out" / "Zarv_500.txt") << "previous run";
    const Outcome o = Tool(dir_, args);
    EXPECT_EQ(o.status, 2) << args << "\n" << o.err;
    EXPECT_EQ(ReadFile(dir_ / "out" / "Zarv_500.txt"), "previous run") << args;
    EXPECT_FALSE(fs::exists(dir_ / "a.csv")) << args << ": nothing is written";
  }
}

// The outputs of a run are one set: a file too large for the file-size limit fails
// while it is written, before any target is replaced, even the ones written already.
TEST_F(ToolOutputs, AnOutputThatFailsLeavesEveryTargetAsItWas) {
  // Compared runs make the chart larger than the result file, yet within the writer's buffer.
  const std::string args =
      "--preset 8:0 --quiet --chart default --png chart.pdf --compare dt0=0.02 --compare dt0=0.005 "
      "--compare dt0=0.03 --compare dt0=0.04";
  ASSERT_EQ(Tool(dir_, args, "QT_QPA_PLATFORM=offscreen").status, 0);
  const auto result = fs::file_size(dir_ / "Zarv_500.txt"), chart = fs::file_size(dir_ / "chart.pdf");
  ASSERT_LT(result, chart) << "the limit must pass the result file and stop the chart";
  std::ofstream(dir_ / "Zarv_500.txt") << "previous run";
  std::ofstream(dir_ / "chart.pdf") << "previous chart";
  // ulimit -f counts blocks of 512 bytes; past the limit a write fails with EFBIG.
  const std::string limit = "trap '' XFSZ && ulimit -f " + std::to_string((result + chart) / 2 / 512) +
                            " && QT_QPA_PLATFORM=offscreen";
  const Outcome o = Tool(dir_, args, limit);
  EXPECT_EQ(o.status, 1) << o.err;
  EXPECT_TRUE(ReadFile(dir_ / "Zarv_500.txt") == "previous run") << "replaced before the set was whole";
  EXPECT_TRUE(ReadFile(dir_ / "chart.pdf") == "previous chart");
  for (const auto& entry : fs::directory_iterator(dir_)) {
    EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path() << " left behind";
  }
}

// Whatever carries a result, a write that fails is exit status 1 with the reason, where
// standard error can still take it, and leaves no file behind.
TEST_F(ToolOutputs, EveryOutputOnAFullDeviceIsAFailureInTheChosenLanguage) {
  ASSERT_EQ(Tool(dir_, "--preset 1:0 --sweep V0=100,200 --out shard.csv").status, 0);
  constexpr const char* kStdout = "cannot write standard output: no space left on device";
  constexpr const char* kDevice = "cannot write /dev/full: no space left on device";
  struct Case {
    const char* args;
    const char* message;  // nullptr: standard error is the full device
  };
  const Case cases[] = {
      {"--list >/dev/full", kStdout},
      {"--atmosphere 1000 >/dev/full", kStdout},
      {"--help >/dev/full", kStdout},
      {"--version >/dev/full", kStdout},
      {"--validate >/dev/full", kStdout},
      {"--preset 2:1 >/dev/full", kStdout},
      {"--preset 2:1 --lang ru >/dev/full", "стандартный вывод: нет места на устройстве"},
      {"--preset 8:0 --check-step --tolerance 50 --quiet >/dev/full", kStdout},
      {"--preset 2:1 --csv /dev/full", kDevice},
      {"--preset 2:1 --csv /dev/full --lang de", "kann nicht schreiben /dev/full: kein Platz"},
      {"--preset 2:1 --chart default --png /dev/full", kDevice},
      {"--preset 2:1 --csv - >/dev/null 2>/dev/full", nullptr},
      {"--preset 1:0 --sweep V0=100,200 >/dev/full", kStdout},
      {"--preset 1:0 --monte-carlo 3 --vary V0=normal:1 >/dev/full", kStdout},
      {"--preset 1:0 --sweep V0=100,200 --out /dev/full", kDevice},
      {"--preset 1:0 --sweep V0=100,200 --out - >/dev/null 2>/dev/full", nullptr},
      {"--merge shard.csv --out merged.csv >/dev/full", kStdout},
      {"--merge shard.csv --out /dev/full", kDevice},
  };
  for (const Case& c : cases) {
    const Outcome o = Tool(dir_, c.args);
    EXPECT_EQ(o.status, 1) << c.args << "\n" << o.err;
    if (c.message != nullptr) {
      EXPECT_TRUE(Has(o.err, c.message)) << c.args << "\n" << o.err;
    }
    for (const fs::directory_entry& f : fs::directory_iterator(dir_)) {
      EXPECT_FALSE(f.path().extension() == ".tmp") << c.args << " left " << f.path().filename();
    }
  }
}

// A reader that is gone (`| head -1`) ends the program as the signal always did, without a
// word and without a temporary left.
TEST_F(ToolOutputs, AClosedPipeEndsTheProgramQuietly) {
  const char* cases[] = {
      "--list",
      "--help",
      "--preset 2:1",
      "--preset 2:1 --csv -",
      "--preset 2:1 --chart default --png - --csv out.csv",
      "--preset 1:0 --sweep V0=100:200:50 --out s.csv",
  };
  for (const char* args : cases) {
    const zarv::testing::ClosedPipeOutcome o = zarv::testing::ToolIntoClosedPipe(dir_, args);
    EXPECT_EQ(o.signal, SIGPIPE) << args << ": exit status " << o.status;
    EXPECT_EQ(o.err, "") << args;
    for (const fs::directory_entry& f : fs::directory_iterator(dir_)) {
      EXPECT_FALSE(f.path().extension() == ".tmp") << args << " left " << f.path().filename();
    }
  }
  EXPECT_FALSE(fs::exists(dir_ / "out.csv")) << "a file was replaced after the stream failed";
  EXPECT_FALSE(fs::exists(dir_ / "s.csv")) << "the study ran for a reader that was gone";
}

TEST_F(ToolOutputs, FailedRunsSayWhyNamingInputsWithTheirCaptions) {
  struct Case {
    const char* args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"--preset 1:0 --set dt0=-1 --lang de", 2, "Ungültige Eingabe dt0 (Integrationsschritt, s): "},
      {"--preset 1:0 --set Tk=x", 2, "not a number: Tk ("},
      {"--preset 1:0 --set MassaStart=0 --lang ru", 2, "Неверный ввод MassaStart ("},
      {"--preset 1:0 --set Vwind=1e300 --csv a.csv", 3, "diverged at t = "},
      {"--preset 1:0 --set Vwind=1e300 --lang de", 3, "Rechnung divergiert bei t = "},
      {"--preset 1:0 --compare ,Vwind=1e300 --chart default --png a.png", 3, "diverged at t = "},
  };
  for (const Case& c : cases) {
    const Outcome o = Tool(dir_, c.args);
    EXPECT_EQ(o.status, c.status) << c.args << "\n" << o.err;
    EXPECT_TRUE(Has(o.err, c.message)) << c.args << "\n" << o.err;
    // Not a file, nor the temporaries opened before the run.
    EXPECT_TRUE(fs::is_empty(dir_)) << c.args << ": something was written";
  }
}

TEST_F(ToolOutputs, NumbersKeepTheDecimalPointUnderAGermanLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old != nullptr ? old : "C";
  const bool available = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  std::setlocale(LC_ALL, saved.c_str());
  if (!available) GTEST_SKIP() << "de_DE.UTF-8 is not generated (scripts/install-deps does it)";
  const Outcome o = Tool(dir_, "--preset 2:1 --chart default --png c.png", "LC_ALL=de_DE.UTF-8");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(Has(o.out, "range  14.4268 m")) << o.out;
}

TEST_F(ToolOutputs, PicturesFollowTheirExtension) {
  const Outcome o = Tool(dir_, "--preset 8:0 --earth round --chart default --png c.svg "
                              "--chart Button15 --png c.pdf --chart default --png c.png");
  ASSERT_EQ(o.status, 0) << o.err;
  const std::string svg = ReadFile(dir_ / "c.svg");
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  while (!xml.atEnd()) xml.readNext();
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(Has(svg, "round Earth")) << "the banner names the Earth model";
  EXPECT_EQ(ReadFile(dir_ / "c.pdf").rfind("%PDF", 0), 0u);
  EXPECT_EQ(ReadFile(dir_ / "c.png").substr(1, 3), "PNG");
  EXPECT_EQ(Tool(dir_, "--preset 8:0 --chart default --png c.jpg").status, 2);
}

TEST_F(ToolOutputs, ComparedRunsAndRangesChangeTheChart) {
  ASSERT_EQ(Tool(dir_, "--preset 8:0 --chart default --png plain.png").status, 0);
  const std::string plain = ReadFile(dir_ / "plain.png");
  const char* changed[] = {
      "--preset 8:0 --compare ,dt0=0.005 --chart default --png c.png",
      "--preset 8:0 --compare 8:1 --chart default --png c.png",
      "--preset 8:0 --chart default --png c.png --xrange 0:60",
  };
  for (const char* args : changed) {
    const Outcome o = Tool(dir_, args);
    ASSERT_EQ(o.status, 0) << args << "\n" << o.err;
    EXPECT_NE(ReadFile(dir_ / "c.png"), plain) << args;
  }
  const char* refused[] = {"--compare 9:9", "--compare ,dt0", "--compare 8:0,speed=1",
                           "--compare ,dt0=0", "--chart default --png c.png --xrange 5:1"};
  for (const char* args : refused) {
    const Outcome o = Tool(dir_, std::string("--preset 8:0 ") + args);
    EXPECT_EQ(o.status, 2) << args << "\n" << o.err;
  }
}

}  // namespace
