#include "helpviewer/help_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "helpviewer/html_nesting.h"

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
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root_ / "here/locked.hlp", fs::perms::owner_all, ec);
    fs::remove_all(root_);
  }

  void put(const fs::path& relative, const std::string& text = "<html></html>") {
    std::ofstream(root_ / relative, std::ios::binary) << text;
  }
  HelpLookup find(std::string_view name) {
    return findHelpFile(name, root_ / "here", {root_ / "bin", root_ / "share"});
  }
  std::string problemOf(const fs::path& relative) { return readHelpFile(root_ / relative).problem; }

  fs::path root_;
};

TEST_F(HelpFileLookup, ALeadingBackslashLooksWhereTheGameInstalledItThenInTheCurrentFolder) {
  put("here/dorvan4.hlp");
  HelpLookup lookup = find("\\dorvan4.hlp");
  ASSERT_TRUE(lookup.found);
  EXPECT_EQ(*lookup.found, root_ / "here/dorvan4.hlp");
  EXPECT_EQ(lookup.tried,
            (std::vector<fs::path>{root_ / "bin/dorvan4.hlp", root_ / "share/dorvan4.hlp",
                                   root_ / "here/dorvan4.hlp"}));

  // The installed file wins over one that happens to lie where the player is.
  put("share/dorvan4.hlp");
  EXPECT_EQ(*find("\\dorvan4.hlp").found, root_ / "share/dorvan4.hlp");
  EXPECT_EQ(*find("\\docs\\..\\dorvan4.hlp").found, root_ / "share/dorvan4.hlp");

  // Whatever holds the name is found, to be reported if it cannot be shown.
  fs::create_directory(root_ / "bin/dorvan4.hlp");
  EXPECT_EQ(*find("\\dorvan4.hlp").found, root_ / "bin/dorvan4.hlp");
  EXPECT_FALSE(find("\\other.hlp").found);
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

TEST_F(HelpFileLookup, AFileThatCannotBeShownSaysWhy) {
  put("here/empty.hlp", "");
  put("here/blank.hlp", " \n\t\n");
  put("here/large.hlp", std::string(kMaxHelpBytes + 1, 'x'));
  std::string deep;
  for (int i = 0; i <= kMaxNestedElements; ++i) deep = "<div>" + deep + "</div>";
  put("here/deep.hlp", deep);
  std::string tables = "x";
  for (int i = 0; i <= kMaxNestedTables; ++i) tables = "<table><tr><td>" + tables + "</table>";
  put("here/tables.hlp", tables);
  ASSERT_EQ(::mkfifo((root_ / "here/fifo.hlp").c_str(), 0600), 0);
  fs::create_symlink("loop.hlp", root_ / "here/loop.hlp");

  EXPECT_EQ(problemOf("here/empty.hlp"), "is empty");
  EXPECT_EQ(problemOf("here/blank.hlp"), "is empty");
  EXPECT_EQ(problemOf("here/large.hlp"), "is larger than 128 KB");
  EXPECT_EQ(problemOf("here/deep.hlp"), "nests its elements more than 32 deep");
  EXPECT_EQ(problemOf("here/tables.hlp"), "nests tables more than 4 deep");
  EXPECT_EQ(problemOf("here/fifo.hlp"), "is not a regular file");
  EXPECT_EQ(problemOf("here"), "is a folder, not a file");
  EXPECT_EQ(problemOf("here/loop.hlp"), "cannot be read (Too many levels of symbolic links)");
  EXPECT_EQ(readRegularFile("/dev/zero", 10).problem, "is not a regular file");
  if (::geteuid() != 0) {  // nothing is unreadable to root
    put("here/locked.hlp");
    fs::permissions(root_ / "here/locked.hlp", fs::perms::none);
    EXPECT_EQ(problemOf("here/locked.hlp"), "cannot be read (Permission denied)");
  }
}

TEST(HelpFile, TheGamesOwnHelpIsWellWithinTheBounds) {
  FileBytes help = readHelpFile(fs::path(DORVAN_SOURCE_DIR) / "data/dorvan4.hlp");
  EXPECT_EQ(help.problem, "");
  EXPECT_LT(help.bytes.size(), kMaxHelpBytes / 4);
  Nesting nesting = deepestNesting(help.bytes);
  EXPECT_LE(nesting.elements, kMaxNestedElements / 4);
  EXPECT_LE(nesting.tables, 1);
}

TEST(HtmlNesting, CountsElementsThatNestAndSkipsWhatCannot) {
  EXPECT_EQ(deepestNesting("<div><b><i>x</i></b></div><div>y</div>").elements, 3);
  // End tags that may be left out, and elements that have none, do not add up.
  EXPECT_EQ(deepestNesting("<ul><li>a<li>b<li><p>c<p>d<br><img src=x></ul>").elements, 1);
  // An end tag closes what was left open inside its element; a stray one costs nothing.
  EXPECT_EQ(deepestNesting("<div><b><i></div><div></span></u></div>").elements, 3);
  Nesting closed = deepestNesting("<div><b><i></div>" + std::string(10, '<') + "<div>");
  EXPECT_EQ(closed.elements, 3);
  // Markup inside a comment, a style, or a quoted attribute is not markup.
  EXPECT_EQ(deepestNesting("<!-- <div><div> --><style>div > p { }</style>"
                           "<a title='<div><div>'>x</a>")
                .elements,
            1);
  EXPECT_EQ(deepestNesting("<TABLE><tr><td><Table><tr><td>x</table></TABLE><table></table>").tables,
            2);
  EXPECT_EQ(deepestNesting("<div/><div/><div />").elements, 0);
  EXPECT_EQ(deepestNesting("<div").elements, 1);
}

TEST_F(HelpFileLookup, PagesReferOnlyToFilesInsideTheHelpFolder) {
  put("share/pic.png");
  put("here/outside.png");
  fs::create_directories(root_ / "share/sub");
  put("share/sub/pic.png");
  fs::path share = root_ / "share";
  EXPECT_EQ(fileInside(share, share, "pic.png"), fs::canonical(share / "pic.png"));
  EXPECT_EQ(fileInside(share, share / "sub", "../pic.png"), fs::canonical(share / "pic.png"));
  EXPECT_EQ(fileInside(share, share, (share / "sub/pic.png").string()),
            fs::canonical(share / "sub/pic.png"));
  EXPECT_EQ(fileInside(share, share, "../here/outside.png"), std::nullopt);
  EXPECT_EQ(fileInside(share, share, "/dev/zero"), std::nullopt);
  EXPECT_EQ(fileInside(share, share, "missing.png"), std::nullopt);
  EXPECT_EQ(fileInside(share, share, ""), std::nullopt);
  fs::create_symlink(root_ / "here/outside.png", share / "link.png");
  EXPECT_EQ(fileInside(share, share, "link.png"), std::nullopt);
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
