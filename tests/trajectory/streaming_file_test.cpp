#include "trajectory/file_writer.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/scratch_dir.h"
#include "trajectory/child_process.h"

namespace zarv {
namespace {

namespace fs = std::filesystem;
using testing::InChild;
using testing::LimitFileSize;
using testing::ReadFile;
using testing::ScratchDir;

std::string Listing(const fs::path& dir) {
  std::set<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    names.insert(e.path().filename().string());
  }
  std::string text;
  for (const std::string& n : names) text += " " + n;
  return text;
}

TEST_F(ScratchDir, StreamedFileReplacesTheTargetOnlyOnCommit) {
  const fs::path target = dir_ / "rows.csv";
  std::ofstream(target) << "previous\n";
  std::string expected;
  StreamingFile file(target);
  ASSERT_TRUE(file.ok()) << file.status().reason;
  for (int i = 0; i < 20000; ++i) {
    const std::string row = "row " + std::to_string(i) + "\n";
    expected += row;
    ASSERT_TRUE(file.Append(row)) << file.status().reason;
  }
  // A piece larger than the gathering buffer goes out whole and in order.
  const std::string large(3 * StreamingFile::kStreamBuffer + 7, 'x');
  expected += large;
  ASSERT_TRUE(file.Append(large));
  EXPECT_EQ(ReadFile(target), "previous\n") << "the target changed before Commit";

  const FileWriteResult r = file.Commit();
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(ReadFile(target), expected);
  EXPECT_EQ(Listing(dir_), " rows.csv") << "a temporary was left";
  EXPECT_FALSE(file.Append("late\n")) << "a committed file took more rows";
  EXPECT_EQ(ReadFile(target), expected);
}

// A study stopped by an error, or a writer dropped before Commit, must leave the
// previous file as it was (or no file) and no temporary.
TEST_F(ScratchDir, UnfinishedStreamLeavesThePreviousFileOrNothing) {
  struct Case {
    const char* what;
    bool previous;  // a file was there before
    bool full;      // the file system takes 1000 bytes, as a full disk would
  };
  const Case cases[] = {
      {"abandoned over a file", true, false},
      {"abandoned, new name", false, false},
      {"failed write over a file", true, true},
      {"failed write, new name", false, true},
  };
  for (const Case& c : cases) {
    const fs::path target = dir_ / "rows.csv";
    fs::remove(target);
    if (c.previous) std::ofstream(target) << "previous\n";
    const std::string said = InChild([&]() -> std::string {
      if (c.full) LimitFileSize(1000);
      StreamingFile file(target);
      if (!file.ok()) return "not opened: " + file.status().reason;
      bool all = true;
      for (int i = 0; i < 500; ++i) all = file.Append("row " + std::to_string(i) + "\n") && all;
      if (!c.full) return {};  // dropped without Commit
      if (file.Commit().ok && all) return "reported success on a full disk";
      return file.status().reason.empty() ? "failure without a reason" : "";
    });
    EXPECT_EQ(said, "") << c.what;
    EXPECT_EQ(Listing(dir_), c.previous ? " rows.csv" : "") << c.what;
    if (c.previous) {
      EXPECT_EQ(ReadFile(target), "previous\n") << c.what;
    }
  }
}

TEST_F(ScratchDir, DescriptorsAndDevicesAreStreamedThrough) {
  // A descriptor named as a file continues at its offset, after what was written before.
  const fs::path log = dir_ / "log.txt";
  const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "head\n", 5), 5);
  {
    StreamingFile file("/dev/fd/" + std::to_string(fd));
    ASSERT_TRUE(file.Append("a\n") && file.Append("b\n"));
    ASSERT_TRUE(file.Commit().ok) << file.status().reason;
  }
  ::close(fd);
  EXPECT_EQ(ReadFile(log), "head\na\nb\n");

  struct stat st;
  if (::stat("/dev/full", &st) != 0) GTEST_SKIP() << "/dev/full is absent here";
  StreamingFile full("/dev/full");
  ASSERT_TRUE(full.ok()) << full.status().reason;
  full.Append("row\n");
  EXPECT_FALSE(full.Commit().ok) << "/dev/full reported success";
  EXPECT_TRUE(fs::is_character_file("/dev/full")) << "/dev/full was replaced";
}

}  // namespace
}  // namespace zarv
