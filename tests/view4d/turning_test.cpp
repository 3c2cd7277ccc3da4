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

TEST(Turning, TheFrameFilledLastTakesOneMainViewFlagForBothViews) {
  // Blue's box is cleared, but showing the hidden corner has made three of the blue frame's
  // main-view elements visible again; in the second view all of blue stays hidden.
  Views visible;
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    visible.main[frame].fill(frame != 4);
    visible.second[frame].fill(frame != 4);
  }
  for (int element : {2, 3, 6}) visible.main[4][element] = true;
  // Turned back, yellow's frame shows blue and is filled last, from blue's main-view element 1
  // alone; the purple frame takes the red frame's flags, the blue frame purple's.
  const Views back = travelled(visible, turnOf(command1(1)));
  for (int element = 1; element <= game4d::kElementsPerFrame; ++element) {
    EXPECT_FALSE(back.main[1][element] || back.second[1][element]) << element;
    EXPECT_TRUE(back.main[4][element] && back.second[4][element]) << element;
  }
  // Forward, the purple frame takes the partly shown blue one, view by view.
  const Views forward = travelled(visible, turnOf(command1(3)));
  EXPECT_EQ(forward.main[3], visible.main[4]);
  EXPECT_EQ(forward.second[3], visible.second[4]);
  // The flag is the main view's whatever the second view shows: yellow's frame shown in the main
  // view only fills the blue frame in both views, and hidden there only, empties it in both.
  for (bool mainShown : {true, false}) {
    Views yellow = visible;
    yellow.main[1].fill(mainShown);
    yellow.second[1].fill(!mainShown);
    const Views after = travelled(yellow, turnOf(command1(3)));
    for (int element = 1; element <= game4d::kElementsPerFrame; ++element) {
      EXPECT_EQ(after.main[4][element], mainShown) << element;
      EXPECT_EQ(after.second[4][element], mainShown) << element;
    }
  }
}

TEST(Turning, FourPressesBringACycleHomeInBothDirections) {
  for (Button button : allButtons) {
    const Turn turn = turnOf(button);
    if (turn.cycle == 0) continue;
    State state{kHome, kAllEnabled};
    for (int presses = 1; presses <= 3; ++presses) {
      state = press(state, button);
      EXPECT_NE(state.orientation, kHome);
      // Only the pressed button, and the two that never turn while a `Command1` turn is away.
      std::vector<Button> expected{button};
      if (button.array == ButtonArray::Command1) {
        expected.push_back(command1(6));
        expected.push_back(command1(7));
      }
      std::vector<Button> enabled = enabledButtons(state.buttons);
      EXPECT_TRUE(
          std::is_permutation(enabled.begin(), enabled.end(), expected.begin(), expected.end()));
      for (int frame = 1; frame <= kFrameCount; ++frame) EXPECT_FALSE(state.buttons.check1[frame]);
    }
    state = press(state, button);
    EXPECT_EQ(state.orientation, kHome);
    EXPECT_EQ(state.buttons, kAllEnabled);
  }
}

TEST(Turning, TheButtonsThatTurnNothingLockTheTurnedTesseract) {
  // At home they give everything back and change nothing.
  for (int index : {6, 7}) {
    const Step s = step(kHome, command1(index));
    EXPECT_EQ(s.after, kHome);
    EXPECT_EQ(applied(kAllEnabled, s.buttons), kAllEnabled);
  }
  // Away from home they take the turning button too, and nothing can turn back any more.
  for (Button turning : {command1(0), command1(1), command1(4)}) {
    const State turned = press({kHome, kAllEnabled}, turning);
    const State locked = press(turned, command1(6));
    EXPECT_EQ(locked.orientation, turned.orientation);
    const std::vector<Button> expected{command1(6), command1(7)};
    EXPECT_EQ(enabledButtons(locked.buttons), expected);
    EXPECT_EQ(press(locked, command1(7)), locked);
  }
}

TEST(Turning, AnInternalTurnAlsoTakesTheButtonsThatTurnNothing) {
  const State turned = press({kHome, kAllEnabled}, command2(1));
  const std::vector<Button> expected{command2(1)};
  EXPECT_EQ(enabledButtons(turned.buttons), expected);
  // Black and white move too: turned back, the black frame shows the red cell before it in the
  // cycle, and the white frame the blue one.
  EXPECT_EQ(cellShown(turned.orientation, 8), game4d::kRedCell);
  EXPECT_EQ(cellShown(turned.orientation, 6), game4d::kBlueCell);
}

}  // namespace
}  // namespace dorvan::view4d
