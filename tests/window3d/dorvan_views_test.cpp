// The 3D window's extra views and the size they give the window, and further game windows
// opened beside the first: each keeps its own board, and closing or replacing one leaves the
// others playing.

#include <gtest/gtest.h>

#include <sstream>

#include "forms/application.h"
#include "game3d/lattice_tables.h"
#include "registry/form_registry.h"
#include "script/script_platform.h"
#include "support/consistency.h"
#include "window3d/board_geometry.h"
#include "window3d/dorvan_form.h"

namespace dorvan::window3d {
namespace {

class GameWindows : public ::testing::Test {
 protected:
  GameWindows() : platform_(transcript_), app_(platform_, "") {
    platform_.attach(app_);
    registry::registerForms(app_);
    app_.start("Form3");
    first_ = &active();
  }

  DorvanForm& active() { return *static_cast<DorvanForm*>(app_.activeForm()); }
  void click(forms::Form& window, const std::string& name, int index = forms::kNoIndex) {
    forms::Control& c = window.at(name, index);
    app_.run([&] { app_.click(window, c); });
  }
  // Draws lines through the first click target of each, as a person would.
  void draw(forms::Form& window, std::initializer_list<int> lines) {
    for (int line : lines) {
      int target = 0;
      while (kTargets[target].move != line) ++target;
      click(window, "Label22", target);
    }
  }
  DorvanForm& addGame(forms::Form& from, const std::string& opponent) {
    platform_.queueAnswer(opponent, true);
    click(from, "add");
    return active();
  }
  static long owner(const forms::Form& window, int line) {
    return window.table("lineowner")->rows[0][line - 1];
  }

  std::ostringstream transcript_;
  script::ScriptPlatform platform_;
  forms::Application app_;
  DorvanForm* first_ = nullptr;
};

TEST_F(GameWindows, AnAddedGameHasItsOwnBoardAndLeavesTheFirstPlaying) {
  click(*first_, "ip", 1);
  draw(*first_, {1, 11});
  DorvanForm& added = addGame(*first_, "Morgana");
  ASSERT_NE(&added, first_);
  EXPECT_EQ(added.caption, "Morgana");
  EXPECT_EQ(owner(added, 1), 0) << "the new game starts with an empty board";
  EXPECT_TRUE(added.at("ip", 0).checked) << "and with the options of a new window";

  click(added, "ip", 1);
  draw(added, {2, 1});
  EXPECT_EQ(owner(added, 2), rules::kBlue);
  EXPECT_EQ(owner(added, 1), rules::kRed);
  EXPECT_EQ(owner(*first_, 1), rules::kBlue) << "the first board is untouched";
  EXPECT_EQ(owner(*first_, 2), 0);
  EXPECT_EQ(first_->at("List1").items.size(), 2u);
  EXPECT_EQ(first_->at("LN", 2).borderWidth, 1);

  click(added, "Check1");
  EXPECT_EQ(added.left, 0);
  EXPECT_EQ(first_->width, 8595) << "views size only their own window";

  app_.run([&] { app_.closeBox(added); });
  ASSERT_FALSE(app_.ended());
  ASSERT_EQ(&active(), first_);
  draw(*first_, {3});
  EXPECT_EQ(owner(*first_, 3), rules::kBlue);
  for (const std::string& problem : support::consistencyProblems(*first_)) ADD_FAILURE() << problem;
}

TEST_F(GameWindows, TheLevelMenuReplacesOnlyTheWindowItIsChosenIn) {
  DorvanForm& added = addGame(*first_, "Bryn");
  click(added, "grid");
  click(*first_, "cbm", 2);
  ASSERT_EQ(app_.openForms().size(), 2u);
  EXPECT_EQ(app_.openForms()[0], &added);
  EXPECT_TRUE(added.at("grid").checked);
  DorvanForm& fresh = active();
  EXPECT_NE(fresh.caption, "Bryn");

  click(added, "cbm", 5);
  ASSERT_EQ(app_.openForms().size(), 2u);
  EXPECT_EQ(app_.openForms()[0], &fresh);
  EXPECT_EQ(app_.activeForm()->name(), "Form2");
  // The entries of levels this program lacks open and close nothing.
  for (int index : {0, 1, 3, 4}) click(fresh, "cbm", index);
  EXPECT_EQ(app_.openForms().size(), 2u);
}

TEST_F(GameWindows, EveryOrderOfTheViewSwitchesGivesTheSizeOfWhatIsShown) {
  platform_.setScreen(19201, 10801);
  DorvanForm& w = *first_;
  // All sequences of six clicks on the two switches, one after the other on the same window.
  for (int sequence = 0; sequence < 64; ++sequence) {
    for (int step = 0; step < 6; ++step) {
      click(w, (sequence >> step) & 1 ? "Check1" : "Check2");
      const bool inverse = w.at("Check1").value == 1;
      const bool reverse = w.at("Check2").value == 1;
      const std::string where =
          "sequence " + std::to_string(sequence) + " step " + std::to_string(step);
      if (inverse || reverse) {
        EXPECT_EQ(w.left, 0) << where;
        EXPECT_EQ(w.top, 0) << where;
        EXPECT_EQ(w.width, 19201) << where;
        EXPECT_EQ(w.height, 10801) << where;
      } else {
        EXPECT_EQ(w.left, 5303) << where;
        EXPECT_EQ(w.top, 1658) << where;
        EXPECT_EQ(w.width, 8595) << where;
        EXPECT_EQ(w.height, 7485) << where;
      }
      for (const std::string& problem : support::consistencyProblems(w))
        ADD_FAILURE() << where << problem;
    }
  }
}

TEST_F(GameWindows, HiddenViewsKeepEveryMoveForWhenTheyAreShown) {
  DorvanForm& w = *first_;
  click(w, "ip", 1);
  const auto lines = {15, 1, 41, 20, 54};
  draw(w, lines);
  click(w, "Check1");
  click(w, "Check2");
  for (int line : lines) {
    const Colour colour = w.at("LN", line).color;
    EXPECT_EQ(w.at("bN", line).borderWidth, 5) << line;
    EXPECT_EQ(w.at("bN", line).color, colour) << line;
    for (int element : kInversePaint[line]) {
      if (element == 0) break;
      EXPECT_EQ(w.at("aN", element).borderWidth, 5) << line << " " << element;
      EXPECT_EQ(w.at("aN", element).color, colour) << line << " " << element;
    }
  }
  click(w, "new");
  EXPECT_EQ(w.at("bN", 15).borderWidth, 1) << "a new game clears the shown views too";
  EXPECT_EQ(w.at("aN", 29).borderWidth, 1);
  EXPECT_TRUE(w.at("aN", 29).visible);
}

TEST_F(GameWindows, ConsistencyChecksNoticeAViewOutOfStepWithItsSwitch) {
  DorvanForm& w = *first_;
  w.at("aN", 7).visible = true;
  w.at("Label34").visible = true;
  click(w, "Check2");
  w.at("bN", 90).visible = false;
  EXPECT_EQ(support::consistencyProblems(w).size(), 3u);
}

}  // namespace
}  // namespace dorvan::window3d
