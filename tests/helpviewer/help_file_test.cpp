#include "helpviewer/help_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace dorvan::helpviewer {
namespace {

namespace fs = std::filesystem;

// A scratch tree: a current folder and two data folders, each optionally holding a help file.
class HelpFileLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("dorvan_help_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    for (const char* dir : {"here", "here/docs", "bin", "share"})
      fs::create_directories(root_ / dir);
  }
  void TearDown() override { fs::remove_all(root_); }

  void put(const fs::path& relative) { std::ofstream(root_ / relative) << "<html></html>"; }
  HelpLookup find(std::string_view name) {
    return findHelpFile(name, root_ / "here", {root_ / "bin", root_ / "share"});
  }

  fs::path root_;
};

TEST_F(HelpFileLookup, ALeadingBackslashLooksInTheCurrentFolderFirstThenTheDataFolders) {
  put("share/dorvan4.hlp");
  HelpLookup lookup = find("\\dorvan4.hlp");
  ASSERT_TRUE(lookup.found);
  EXPECT_EQ(*lookup.found, root_ / "share/dorvan4.hlp");
  EXPECT_EQ(lookup.tried,
            (std::vector<fs::path>{root_ / "here/dorvan4.hlp", root_ / "bin/dorvan4.hlp",
                                   root_ / "share/dorvan4.hlp"}));

  put("here/dorvan4.hlp");
  EXPECT_EQ(*find("\\dorvan4.hlp").found, root_ / "here/dorvan4.hlp");
  EXPECT_EQ(*find("\\docs\\..\\dorvan4.hlp").found, root_ / "here/dorvan4.hlp");
}

TEST_F(HelpFileLookup, AMissingFileReportsEveryPlaceLookedAt) {
  HelpLookup lookup = find("\\dorvan4.hlp");
  EXPECT_FALSE(lookup.found);
  EXPECT_EQ(lookup.tried.size(), 3u);
}

TEST_F(HelpFileLookup, ANameWithoutTheBackslashIsAPathOfItsOwn) {
  put("here/docs/dorvan4.hlp");
  put("bin/dorvan4.hlp");
  EXPECT_EQ(*find("docs\\dorvan4.hlp").found, root_ / "here/docs/dorvan4.hlp");
  HelpLookup bare = find("dorvan4.hlp");  // not in the current folder, and nowhere else looked at
  EXPECT_FALSE(bare.found);
  EXPECT_EQ(bare.tried, std::vector<fs::path>{root_ / "here/dorvan4.hlp"});
  EXPECT_EQ(*find((root_ / "bin/dorvan4.hlp").string()).found, root_ / "bin/dorvan4.hlp");
}

TEST(HelpDataFolders, TheViewersOwnFolderThenTheInstalledDataFolderSeenFromIt) {
  fs::path viewer = "/opt/games/libexec/dorvan";
  EXPECT_EQ(dataFoldersFor(viewer, "../../share/dorvan"),
            (std::vector<fs::path>{viewer, "/opt/games/share/dorvan"}));
  EXPECT_EQ(dataFoldersFor("/build/./", "."), std::vector<fs::path>{"/build/"});
  EXPECT_EQ(dataFoldersFor("/build", ""), std::vector<fs::path>{"/build"});
}

}  // namespace
}  // namespace dorvan::helpviewer
