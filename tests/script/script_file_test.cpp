#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "script/limits.h"
#include "script/script_error.h"
#include "script/script_file.h"
#include "script_run.h"
#include "test_window.h"

namespace dorvan::script {
namespace {

namespace fs = std::filesystem;

TEST(ScriptFile, OnlyARegularFileOrAPipeIsAScript) {
  fs::path dir =
      fs::temp_directory_path() /
      ("dorvan_script_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "plain.script") << "wait 1\n";

  ScriptFile plain = openScript((dir / "plain.script").string());
  ASSERT_NE(plain.stream, nullptr);
  std::string line;
  EXPECT_EQ(readLine(*plain.stream, line, 100), LineRead::Line);
  EXPECT_EQ(line, "wait 1");

  EXPECT_EQ(openScript(dir.string()).problem, "it is a folder, not a script");
  EXPECT_EQ(openScript("/dev/zero").problem, "it is not a file or a pipe");
  EXPECT_EQ(openScript((dir / "none").string()).problem, "No such file or directory");

  // A pipe opens once something writes to it.
  fs::path fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo) << "wait 2\n"; });
  ScriptFile piped = openScript(fifo.string());
  ASSERT_NE(piped.stream, nullptr);
  EXPECT_EQ(readLine(*piped.stream, line, 100), LineRead::Line);
  EXPECT_EQ(line, "wait 2");
  writer.join();
  fs::remove_all(dir);
}

TEST(ScriptFile, LinesEndAtLineBreaksOrTheEndAndAreCutPastTheBound) {
  std::istringstream text("one\n\nthree\nfour");
  std::string line;
  std::vector<std::string> lines;
  while (readLine(text, line, 5) == LineRead::Line) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "", "three", "four"}));

  std::istringstream tooLong("sixsix\n");
  EXPECT_EQ(readLine(tooLong, line, 5), LineRead::TooLong);
  EXPECT_EQ(line, "sixsi");
}

TEST(ScriptFile, AHugeLineIsAnErrorOfAFewHundredBytes) {
  std::string huge(kMaxLineBytes + 1, 'x');
  testing::ScriptRun tooLong =
      testing::runScript("wait 1\n" + huge + "\n", testing::registerTestWindow, "Tester");
  EXPECT_EQ(tooLong.status, 2);
  EXPECT_EQ(tooLong.err.str(), "error 2: line longer than 1048576 bytes\n");

  // A bad line just within the bound is repeated in the message only in part, and no
  // character is cut in half.
  std::string name = "\xC3\xA9" + std::string(kMaxLineBytes - 40, 'y') + "\xE2\x82\xAC";
  testing::ScriptRun bad =
      testing::runScript("click " + name + "\n", testing::registerTestWindow, "Tester");
  std::string error = bad.err.str();
  EXPECT_EQ(bad.status, 2);
  EXPECT_LT(error.size(), 400u);
  EXPECT_EQ(error.rfind("error 1: no control \xC3\xA9yyy", 0), 0u) << error;
  EXPECT_NE(error.find(" bytes left out ...] "), std::string::npos) << error;
  EXPECT_NE(error.find("yyy\xE2\x82\xAC on Tester\n"), std::string::npos) << error;
  for (std::size_t most : {10u, 11u, 12u, 13u}) {
    std::string cut =
        shortened("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", most);
    std::string kept = cut.substr(0, cut.find(" [..."));
    EXPECT_EQ(kept.size() % 3, 0u) << most;
  }
}

}  // namespace
}  // namespace dorvan::script
