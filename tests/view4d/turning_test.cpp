#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "game4d/cells.h"
#include "game4d/incidence.h"
#include "view4d/view4d.h"

namespace dorvan::view4d {
namespace {

using game4d::DrawingLine;
using game4d::kFrameCount;

struct State {
  Orientation orientation;
  ButtonStates buttons;
  friend bool operator==(const State&, const State&) = default;
};

State press(const State& state, Button button) {
  const Step s = step(state.orientation, button);
  return {s.after, applied(state.buttons, s.buttons)};
}

// Every state a player can reach from the window's start by pressing enabled buttons. The search
// gives up at far more states than there are, should a counter never come home.
std::vector<State> reachableStates() {
  constexpr std::size_t kMostStates = 1000;
  std::vector<State> states{{kHome, kAllEnabled}};
  for (std::size_t next = 0; next < states.size() && states.size() < kMostStates; ++next) {
    for (Button button : allButtons) {
      if (!states[next].buttons.enabled(button)) continue;
      const State reached = press(states[next], button);
      if (std::find(states.begin(), states.end(), reached) == states.end())
        states.push_back(reached);
    }
  }
  return states;
}

// The buttons a player can press in `states`, by array and index.
std::vector<Button> enabledButtons(const ButtonStates& states) {
  std::vector<Button> result;
  for (Button button : allButtons)
    if (states.enabled(button)) result.push_back(button);
  return result;
}

TEST(Turning, EveryReachableOrientationShowsEachLineOnceAtItsPosition) {
  std::set<std::array<int, kCycleCount + 1>> orientations;
  for (const State& state : reachableStates()) {
    const Orientation& o = state.orientation;
    orientations.insert(o.turns);
    EXPECT_TRUE(showsEightCells(o));
    std::set<int> positions;
    for (int line = 1; line <= game4d::kLineCount; ++line) {
      const int position = positionOf(o, line);
      ASSERT_TRUE(game4d::isPosition(position)) << "line " << line;
      EXPECT_EQ(lineAt(o, position), line);
      positions.insert(position);
    }
    EXPECT_EQ(positions.size(), 32u);
  }
  // Home, and each of the six cycles a quarter, half and three quarters round: never two cycles
  // away at once.
  EXPECT_EQ(orientations.size(), 1u + 6 * 3);
}

using Visibility = std::array<std::array<bool, game4d::kElementsPerFrame + 1>, kFrameCount + 1>;

struct Views {
  Visibility main{}, second{};
};

Views travelled(const Views& before, Turn turn) {
  Views after;
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    for (int element = 1; element <= game4d::kElementsPerFrame; ++element) {
      for (bool mainView : {true, false}) {
        const ViewLine from = visibilitySource(turn, {mainView, {frame, element}});
        const Visibility& source = from.mainView ? before.main : before.second;
        (mainView ? after.main : after.second)[frame][element] =
            source[from.line.frame][from.line.element];
      }
    }
  }
  return after;
}

TEST(Turning, VisibilityTravelsWithTheColours) {
  // The player has hidden some cells at home; whatever the turns, exactly the frames that show
  // those cells stay hidden, in both views.
  const std::set<int> hiddenCells{game4d::kRedCell, game4d::kWhiteCell, game4d::kGreenCell};
  auto shownHidden = [&](const Orientation& o) {
    Visibility visible{};
    for (int frame = 1; frame <= kFrameCount; ++frame)
      for (int element = 1; element <= game4d::kElementsPerFrame; ++element)
        visible[frame][element] = !hiddenCells.count(cellShown(o, frame));
    return visible;
  };
  for (const State& state : reachableStates()) {
    for (Button button : enabledButtons(state.buttons)) {
      const Step s = step(state.orientation, button);
      const Views after =
          travelled({shownHidden(state.orientation), shownHidden(state.orientation)}, s.turn);
      EXPECT_EQ(after.main, shownHidden(s.after));
      EXPECT_EQ(after.second, shownHidden(s.after));
    }
  }
}

}  // namespace
}  // namespace dorvan::view4d
