// The help viewer against help files made to hang it, crash it or exhaust the machine: each
// run ends, or settles waiting for the player, in bounded time and memory, with the help shown
// or a message that says why not.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "helpviewer/help_file.h"
#include "viewer_process.h"

namespace dorvan::testing {
namespace {

namespace fs = std::filesystem;
using helpviewer::kMaxHelpBytes;

#ifdef DORVAN_SANITIZE
// The sanitizers slow the viewer several times over and keep shadow memory beside its own.
constexpr ViewerLimits kLimits{30, 1200, 120};
#else
constexpr ViewerLimits kLimits{5, 300, 20};
#endif

std::string repeated(const std::string& unit, std::size_t times) {
  std::string text;
  text.reserve(unit.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += unit;
  return text;
}

std::string nested(const std::string& open, const std::string& inner, const std::string& close,
                   std::size_t depth) {
  return repeated(open, depth) + inner + repeated(close, depth);
}

// As many copies of `unit` as the largest help file the viewer shows holds.
std::string filling(const std::string& unit) {
  return repeated(unit, (kMaxHelpBytes - 64) / unit.size());
}

struct Hostile {
  const char* what;
  std::function<std::string()> text;
  bool shown;  // shown (with whatever it refers to refused), or refused with a message
  bool worstAllowed = false;  // as costly as a file within the bounds can be
};

#ifdef DORVAN_SANITIZE
// Under the sanitizers the times say nothing of the viewer's, so the costliest files that the
// bounds let through, which are there for their times, are left out.
constexpr bool kTimesCount = false;
#else
constexpr bool kTimesCount = true;
#endif

// One pixel, as a PNG written into the page.
const std::string kPixel =
    "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQ"
    "DwAEhQGAhKmMIQAAAABJRU5ErkJggg==";

const std::vector<Hostile>& hostileFiles() {
  static const std::vector<Hostile> files{
      {"an image read from /dev/zero", [] { return std::string("<img src=\"/dev/zero\">"); }, true},
      {"an image read from a FIFO", [] { return std::string("<p><img src=\"fifo\"></p>"); }, true},
      {"an image from outside the help's folder",
       [] { return std::string("<img src=\"../outside.png\"><img src=\"file:///etc/passwd\">"); },
       true},
      {"5,000 nested tables",
       [] { return nested("<table><tr><td>", "x", "</td></tr></table>", 5000); }, false},
      {"100,000 nested divisions", [] { return nested("<div>", "x", "</div>", 100000); }, false},
      {"a 50 MB line", [] { return std::string(50 << 20, 'x'); }, false},
      // The worst that the bounds let through.
      {"a page of tables four deep",
       [] { return filling(nested("<table><tr><td>", "x", "</td></tr></table>", 4)); }, true, true},
      {"a page of one word", [] { return std::string(kMaxHelpBytes - 64, 'x'); }, true, true},
      {"a page of one table row",
       [] { return "<table><tr>" + filling("<td>x</td>") + "</tr></table>"; }, true, true},
      {"a page of huge letters",
       [] { return filling("<span style=\"font-size:10000px\">x</span> "); }, true, true},
      {"a page of stretched images",
       [] { return filling("<img width=30000 height=30000 src=\"" + kPixel + "\">"); }, true, true},
  };
  return files;
}

class HostileHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("dorvan_hostile_help_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(folder());
    std::ofstream(root_ / "outside.png") << "not an image";
    ASSERT_EQ(::mkfifo((folder() / "fifo").c_str(), 0600), 0);
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path folder() const { return root_ / "player"; }
  void put(const std::string& name, const std::string& text) {
    std::ofstream(folder() / name, std::ios::binary) << text;
  }
  // Nothing may be left reading the FIFO: open for writing without waiting fails then.
  bool fifoHasAReader() {
    int fd = ::open((folder() / "fifo").c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
    return fd >= 0 || errno != ENXIO;
  }

  fs::path root_;
};

TEST_F(HostileHelp, EachFileIsShownOrRefusedInBoundedTimeAndMemory) {
  for (const Hostile& hostile : hostileFiles()) {
    if (hostile.worstAllowed && !kTimesCount) continue;
    put("dorvan4.hlp", hostile.text());
    std::string file = (folder() / "dorvan4.hlp").string();
    ViewerRun check = checkViewer(DORVAN_VIEWER, {file}, folder(), kLimits);
    EXPECT_TRUE(check.inTime) << hostile.what;
    EXPECT_LE(check.seconds, kLimits.seconds) << hostile.what;
    EXPECT_LE(check.peakMegabytes, kLimits.megabytes) << hostile.what;
    EXPECT_EQ(check.status, hostile.shown ? 0 : 1) << hostile.what << "\n" << check.out;
    std::string verdict = hostile.shown ? "opens: " + file : "cannot show: The help file " + file;
    EXPECT_NE(check.out.find(verdict), std::string::npos) << hostile.what << "\n" << check.out;
    EXPECT_FALSE(fifoHasAReader()) << hostile.what;

    ViewerRun shown = showViewer(DORVAN_VIEWER, {file}, folder(), kLimits);
    EXPECT_TRUE(shown.inTime) << hostile.what << " in the window";
    EXPECT_LE(shown.seconds, kLimits.seconds) << hostile.what << " in the window";
    EXPECT_LE(shown.peakMegabytes, kLimits.megabytes) << hostile.what << " in the window";
    EXPECT_FALSE(fifoHasAReader()) << hostile.what << " in the window";
  }
}

TEST_F(HostileHelp, NamesAreBytesAndAViewerWithoutHelpFallsBackOnThePlayersFolder) {
  put("dorvan4.hlp", nested("<table><tr><td>", "x", "</td></tr></table>", 1000));

  // A name is bytes: one that is not UTF-8 reaches the lookup as it is.
  put("\xff.hlp", "<p>help</p>");
  ViewerRun bytes = checkViewer(DORVAN_VIEWER, {"\xff.hlp"}, folder(), kLimits);
  EXPECT_EQ(bytes.status, 0);
  EXPECT_NE(bytes.out.find("opens: " + (folder() / "\xff.hlp").string() + "\n"), std::string::npos)
      << bytes.out;

  // A viewer with no help of its own falls back on the player's folder, within the same bounds.
  fs::path alone = root_ / "alone/winhlp32";
  fs::create_directories(alone.parent_path());
  fs::copy_file(DORVAN_VIEWER, alone);
  ViewerRun fallback = checkViewer(alone.string(), {"\\dorvan4.hlp"}, folder(), kLimits);
  EXPECT_EQ(fallback.status, 1);
  EXPECT_NE(fallback.out.find("nests tables more than 4 deep"), std::string::npos) << fallback.out;
}

}  // namespace
}  // namespace dorvan::testing
