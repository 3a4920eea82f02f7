#include "trajectory/file_writer.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/scratch_dir.h"
#include "trajectory/child_process.h"

namespace zarv {
namespace {

namespace fs = std::filesystem;
using testing::InChild;
using testing::ReadFile;
using testing::ScratchDir;

std::string Reason(int error) { return std::generic_category().message(error); }

void Put(const fs::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::set<std::string> Entries(const fs::path& dir) {
  std::set<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    names.insert(e.path().filename().string());
  }
  return names;
}

std::string Listing(const std::set<std::string>& names) {
  std::string text;
  for (const std::string& n : names) text += " " + n;
  return text;
}

// Standard output sent to `fd` for the lifetime of the object.
class StdoutTo {
 public:
  explicit StdoutTo(int fd) {
    std::fflush(stdout);
    saved_ = ::dup(STDOUT_FILENO);
    ::dup2(fd, STDOUT_FILENO);
  }
  ~StdoutTo() {
    std::fflush(stdout);
    ::dup2(saved_, STDOUT_FILENO);
    ::close(saved_);
    std::clearerr(stdout);
  }

 private:
  int saved_;
};

TEST_F(ScratchDir, WhateverLiesAtTheFixedTemporaryNameIsLeftAlone) {
  // Another run's temporary file, a planted link to a file it must not touch, a folder.
  enum Planted { kFile, kLinkToVictim, kFolder };
  const Planted cases[] = {kFile, kLinkToVictim, kFolder};
  for (const Planted planted : cases) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const fs::path target = dir_ / "out.txt";
    const fs::path beside = dir_ / "out.txt.tmp";
    Put(target, "previous");
    Put(dir_ / "victim", "victim bytes");
    if (planted == kFile) Put(beside, "another run, half written");
    if (planted == kLinkToVictim) fs::create_symlink("victim", beside);
    if (planted == kFolder) fs::create_directory(beside);

    const FileWriteResult result = WriteWholeFile(target, "new content");
    const std::string where = "planted case " + std::to_string(planted);
    EXPECT_TRUE(result.ok) << where << ": " << result.reason;
    EXPECT_EQ(ReadFile(target), "new content") << where;
    EXPECT_FALSE(fs::is_symlink(target)) << where;
    EXPECT_EQ(ReadFile(dir_ / "victim"), "victim bytes") << where;
    const bool untouched = planted == kFile          ? ReadFile(beside) == "another run, half written"
                           : planted == kLinkToVictim ? fs::is_symlink(beside)
                                                      : fs::is_directory(beside);
    EXPECT_TRUE(untouched) << where << ": the thing at out.txt.tmp was changed";
    EXPECT_EQ(Entries(dir_), (std::set<std::string>{"out.txt", "out.txt.tmp", "victim"}))
        << where << ", folder holds:" << Listing(Entries(dir_));
  }
}

TEST_F(ScratchDir, LinksAreFollowedAndStayLinks) {
  fs::create_directories(dir_ / "a");
  fs::create_directories(dir_ / "b" / "deep");
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> links;  // link name -> what it holds
    std::string final;                                        // where the bytes must land
    bool finalExists;
  };
  const std::string abs = (dir_ / "b" / "deep" / "end.txt").string();
  const Case cases[] = {
      {"one relative link", {{"l1", "a/file.txt"}}, "a/file.txt", true},
      {"chain across folders",
       {{"l1", "a/l2"}, {"a/l2", "../b/l3"}, {"b/l3", abs}}, "b/deep/end.txt", true},
      {"link to a name not written yet", {{"l1", "b/new.txt"}}, "b/new.txt", false},
  };
  for (const Case& c : cases) {
    for (const char* stale : {"a/file.txt", "b/deep/end.txt", "b/new.txt"}) fs::remove(dir_ / stale);
    for (const auto& link : c.links) fs::remove(dir_ / link.first);
    if (c.finalExists) Put(dir_ / c.final, "old");
    for (const auto& link : c.links) fs::create_symlink(link.second, dir_ / link.first);

    const FileWriteResult result = WriteWholeFile(dir_ / "l1", "through the links");
    EXPECT_TRUE(result.ok) << c.what << ": " << result.reason;
    EXPECT_EQ(ReadFile(dir_ / c.final), "through the links") << c.what;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir_ / c.final))) << c.what;
    for (const auto& link : c.links) {
      EXPECT_TRUE(fs::is_symlink(dir_ / link.first)) << c.what << ": " << link.first;
      if (fs::is_symlink(dir_ / link.first)) {
        EXPECT_EQ(fs::read_symlink(dir_ / link.first), link.second) << c.what;
      }
    }
    for (const char* folder : {"a", "b", "b/deep"}) {
      for (const std::string& name : Entries(dir_ / folder)) {
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << c.what << ": left " << folder << "/" << name;
      }
    }
  }
}

TEST_F(ScratchDir, LinkLoopIsRefusedAndLeftAsItWas) {
  fs::create_symlink("loop_b", dir_ / "loop_a");
  fs::create_symlink("loop_a", dir_ / "loop_b");
  const FileWriteResult result = WriteWholeFile(dir_ / "loop_a", "never lands");
  EXPECT_FALSE(result.ok) << "a link loop reported success";
  EXPECT_EQ(result.reason, Reason(ELOOP));
  EXPECT_TRUE(fs::is_symlink(dir_ / "loop_a"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "loop_b"));
  EXPECT_EQ(Entries(dir_), (std::set<std::string>{"loop_a", "loop_b"})) << "folder holds:" << Listing(Entries(dir_));
}

TEST_F(ScratchDir, DevicesAreWrittenThroughNotReplaced) {
  // /dev/null itself, and a null device node of our own where the system lets us make one.
  std::vector<fs::path> devices = {"/dev/null"};
  const fs::path own = dir_ / "null";
  if (::mknod(own.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    const int usable = ::open(own.c_str(), O_WRONLY);  // a nodev mount refuses it
    if (usable >= 0) devices.push_back(own);
    if (usable >= 0) ::close(usable);
  }
  for (const fs::path& device : devices) {
    struct stat before;
    if (::stat(device.c_str(), &before) != 0) {
      GTEST_SKIP() << device << " is absent here";
    }
    const FileWriteResult result = WriteWholeFile(device, std::string(100000, 'x'));
    EXPECT_TRUE(result.ok) << device << ": " << result.reason;
    struct stat after;
    ASSERT_EQ(::lstat(device.c_str(), &after), 0) << device;
    EXPECT_TRUE(S_ISCHR(after.st_mode)) << device << " is no longer a character device";
    EXPECT_EQ(after.st_rdev, before.st_rdev) << device;
    EXPECT_EQ(after.st_ino, before.st_ino) << device << " was replaced";
  }
}

TEST_F(ScratchDir, FifoIsWrittenThroughToItsReader) {
  const fs::path fifo = dir_ / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Opened without waiting, so a writer that never comes cannot hang the test.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  std::string content(300000, '\0');  // several pipe buffers
  for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>('a' + i % 23);
  std::string received;
  // The reader stops at the writer's end of file, or once the writer has returned without
  // one; no timeout, so a slow writer is waited for.
  int returned[2];
  ASSERT_EQ(::pipe(returned), 0);
  std::thread drain([&] {
    char buffer[8192];
    pollfd wake[] = {{reader, POLLIN, 0}, {returned[0], POLLIN, 0}};
    while (::poll(wake, 2, -1) > 0) {
      const ssize_t n = ::read(reader, buffer, sizeof buffer);
      if (n > 0) {
        received.append(buffer, static_cast<std::size_t>(n));
        continue;
      }
      if (n == 0 || wake[1].revents != 0) break;  // the writer closed, or returned
    }
  });
  const FileWriteResult result = WriteWholeFile(fifo, content);
  EXPECT_EQ(::write(returned[1], "x", 1), 1);
  drain.join();
  ::close(returned[0]);
  ::close(returned[1]);
  ::close(reader);
  EXPECT_TRUE(result.ok) << result.reason;
  EXPECT_TRUE(received == content) << "reader got " << received.size() << " of " << content.size();
  struct stat st;
  ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced";
}

TEST_F(ScratchDir, EveryWriteIsCheckedStandardOutputIncluded) {
  struct stat full;
  if (::stat("/dev/full", &full) != 0) GTEST_SKIP() << "/dev/full is absent here";
  const std::string content = "bytes for the stream\n";

  const FileWriteResult direct = WriteWholeFile("/dev/full", content);
  EXPECT_FALSE(direct.ok) << "/dev/full reported success";
  EXPECT_EQ(direct.reason, Reason(ENOSPC));
  EXPECT_TRUE(fs::is_character_file("/dev/full")) << "/dev/full was replaced";

  // Names of standard output: captured in a file, then sent to a full device.
  for (const char* name : {"-", "/dev/stdout", "/dev/fd/1"}) {
    const fs::path captured = dir_ / "captured";
    Put(captured, "");
    const int sink = ::open(captured.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(sink, 0);
    FileWriteResult toFile;
    {
      StdoutTo redirect(sink);
      toFile = WriteWholeFile(name, content);
    }
    ::close(sink);
    EXPECT_TRUE(toFile.ok) << name << ": " << toFile.reason;
    EXPECT_EQ(ReadFile(captured), content) << name << " did not reach standard output";

    const int fullSink = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(fullSink, 0);
    FileWriteResult toFull;
    {
      StdoutTo redirect(fullSink);
      toFull = WriteWholeFile(name, content);
    }
    ::close(fullSink);
    EXPECT_FALSE(toFull.ok) << name << " on a full device reported success";
    EXPECT_EQ(toFull.reason, Reason(ENOSPC)) << name;
  }
  EXPECT_FALSE(fs::exists("-")) << "a file named '-' was made";
}

TEST_F(ScratchDir, FullDiskKeepsThePreviousFileAndOtherRunsTemporaries) {
  struct Case {
    const char* what;
    bool previous;
  };
  const Case cases[] = {{"replacing a file", true}, {"writing a new file", false}};
  for (const Case& c : cases) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const fs::path target = dir_ / "out.txt";
    if (c.previous) Put(target, "previous run, whole");
    Put(dir_ / "out.txt.tmp", "another run in progress");
    const std::string said = InChild([&]() -> std::string {
      testing::LimitFileSize(4096);
      const FileWriteResult r = WriteWholeFile(target, std::string(200000, 'n'));
      if (r.ok) return "reported success on a full disk";
      if (r.reason != Reason(EFBIG)) return "reason '" + r.reason + "'";
      return "";
    });
    EXPECT_EQ(said, "") << c.what;
    if (c.previous) {
      EXPECT_EQ(ReadFile(target), "previous run, whole") << c.what;
    } else {
      EXPECT_FALSE(fs::exists(target)) << c.what << ": a cut-off file was left";
    }
    EXPECT_EQ(ReadFile(dir_ / "out.txt.tmp"), "another run in progress") << c.what;
    const std::set<std::string> expected =
        c.previous ? std::set<std::string>{"out.txt", "out.txt.tmp"} : std::set<std::string>{"out.txt.tmp"};
    EXPECT_EQ(Entries(dir_), expected) << c.what << ", folder holds:" << Listing(Entries(dir_));
  }
}

// Contents of the concurrency test: a heading naming writer and round, then a body whose
// length and bytes depend on both, so any cut or mix shows.
std::string Content(int writer, int round) {
  const std::size_t size = (writer == 0 ? 150000 : 230000) + static_cast<std::size_t>(round);
  std::string text = "writer " + std::to_string(writer) + " round " + std::to_string(round) + "\n";
  const std::size_t head = text.size();
  text.resize(head + size);
  for (std::size_t i = 0; i < size; ++i) text[head + i] = static_cast<char>('a' + (i * 7 + writer + round) % 26);
  return text;
}

// The writer and round of a whole content; writer -1 when the text is none of them.
std::pair<int, int> Whole(const std::string& text) {
  int writer = -1, round = -1;
  if (std::sscanf(text.c_str(), "writer %d round %d", &writer, &round) != 2 || writer < 0 || writer > 1) {
    return {-1, -1};
  }
  if (text != Content(writer, round)) return {-1, -1};
  return {writer, round};
}

TEST_F(ScratchDir, ConcurrentWritersLeaveOneWholeFile) {
  constexpr int kRounds = 300;
  const fs::path target = dir_ / "Zarv_500.txt";
  auto writer = [&](int id) {
    return [&, id]() -> std::string {
      for (int round = 0; round < kRounds; ++round) {
        const FileWriteResult r = WriteWholeFile(target, Content(id, round));
        if (!r.ok) return "writer " + std::to_string(id) + " round " + std::to_string(round) + " failed: " + r.reason;
        const std::pair<int, int> seen = Whole(ReadFile(target));
        if (seen.first < 0) return "after round " + std::to_string(round) + " the file is cut or mixed";
        // Our own content can only be the one we just wrote.
        if (seen.first == id && seen.second != round) return "writer " + std::to_string(id) + " saw an old round";
      }
      return "";
    };
  };
  testing::Child first(writer(0));
  testing::Child second(writer(1));
  EXPECT_EQ(first.Wait(), "");
  EXPECT_EQ(second.Wait(), "");
  const std::pair<int, int> last = Whole(ReadFile(target));
  EXPECT_GE(last.first, 0) << "the file left is cut or mixed";
  EXPECT_EQ(last.second, kRounds - 1) << "the file left is not a last round";
  EXPECT_EQ(Entries(dir_), std::set<std::string>{"Zarv_500.txt"}) << "folder holds:" << Listing(Entries(dir_));
}

TEST_F(ScratchDir, ReplacedFileKeepsItsModeNewFileFollowsUmask) {
  struct Case {
    mode_t existing;  // 0: no file before
    mode_t umask;
    mode_t expected;
  };
  const Case cases[] = {
      {0600, 022, 0600},
      {0755, 022, 0755},
      {0604, 077, 0604},
      {0, 022, 0644},
      {0, 027, 0640},
  };
  const mode_t saved = ::umask(022);
  for (const Case& c : cases) {
    const fs::path target = dir_ / "moded.txt";
    fs::remove(target);
    if (c.existing != 0) {
      Put(target, "old");
      ::chmod(target.c_str(), c.existing);
    }
    ::umask(c.umask);
    const FileWriteResult result = WriteWholeFile(target, "new");
    ::umask(022);
    ASSERT_TRUE(result.ok) << result.reason;
    struct stat st;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.expected)
        << std::oct << "before 0" << c.existing << ", umask 0" << c.umask << ": got 0" << (st.st_mode & 07777);
  }
  ::umask(saved);
}

TEST_F(ScratchDir, SameFileFollowsLinksAndNamesNotWrittenYet) {
  fs::create_directories(dir_ / "sub");
  Put(dir_ / "file", "x");
  Put(dir_ / "other", "y");
  fs::create_symlink("file", dir_ / "link");
  fs::create_symlink("link", dir_ / "sub" / "chain");  // dangles: sub/link does not exist
  fs::create_symlink("../link", dir_ / "sub" / "up");
  fs::create_hard_link(dir_ / "file", dir_ / "hard");
  fs::create_symlink("new.txt", dir_ / "to_new");
  struct Case {
    const char* a;
    const char* b;
    bool same;
  };
  const Case cases[] = {
      {"file", "file", true},
      {"file", "sub/../file", true},
      {"link", "file", true},
      {"sub/up", "file", true},
      {"hard", "file", true},
      {"file", "other", false},
      {"new.txt", "sub/../new.txt", true},     // neither written yet
      {"to_new", "new.txt", true},             // a link to a name not written yet
      {"new.txt", "sub/new.txt", false},
      {"new.txt", "file", false},
      {"sub/chain", "file", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameFile(dir_ / c.a, dir_ / c.b), c.same) << c.a << " vs " << c.b;
    EXPECT_EQ(SameFile(dir_ / c.b, dir_ / c.a), c.same) << c.b << " vs " << c.a;
  }
}

}  // namespace
}  // namespace zarv
