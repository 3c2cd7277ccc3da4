#pragma once
// The fourteen turning buttons and the six cycles of frames that they turn. A turn moves no
// line on the screen: it passes the colours of four frames one place along their cycle.

#include <array>

namespace dorvan::view4d {

inline constexpr int kCycleCount = 6;
inline constexpr int kCycleLength = 4;
inline constexpr int kCommand1Count = 8;  // "External": turns that keep black and white in place
inline constexpr int kCommand2Count = 6;  // "Internal": turns that move black and white too

// Indexed by cycle (entry 0 turns nothing); the frames in cycle order, position j at index j-1.
inline constexpr std::array<std::array<int, kCycleLength>, kCycleCount + 1> turncycles{{
    {},
    /* 1 */ {1, 2, 3, 4},  // yellow, red, purple, blue
    /* 2 */ {1, 7, 3, 5},  // yellow, light blue, purple, green
    /* 3 */ {2, 7, 4, 5},  // red, light blue, blue, green
    /* 4 */ {5, 6, 7, 8},  // green, white, light blue, black
    /* 5 */ {2, 8, 4, 6},  // red, black, blue, white
    /* 6 */ {1, 6, 3, 8},  // yellow, white, purple, black
}};

enum class Direction { none, forward, back };

// What a button does: steps the counter of `cycle` one way. Cycle 0 is no turn.
struct Turn {
  int cycle = 0;
  Direction direction = Direction::none;
  friend constexpr bool operator==(Turn, Turn) = default;
};

enum class ButtonArray { Command1, Command2 };

// One turning button: `Command1`(index) or `Command2`(index).
struct Button {
  ButtonArray array = ButtonArray::Command1;
  int index = 0;
  friend constexpr bool operator==(Button, Button) = default;
};

constexpr Button command1(int index) {
  return {ButtonArray::Command1, index};
}
constexpr Button command2(int index) {
  return {ButtonArray::Command2, index};
}

namespace detail {
inline constexpr Direction fwd = Direction::forward, back = Direction::back;
}  // namespace detail

// Indexed by button index. `Command1`(6) and (7) turn nothing.
inline constexpr std::array<Turn, kCommand1Count> command1turns{{
    {2, detail::fwd},   // "<"
    {1, detail::back},  // "^"
    {2, detail::back},  // ">"
    {1, detail::fwd},   // "\/"
    {3, detail::fwd},   // "\-"
    {3, detail::back},  // "_/"
    {},                 // "\_"
    {},                 // "_/"
}};
inline constexpr std::array<Turn, kCommand2Count> command2turns{{
    {4, detail::back},  // "<"
    {5, detail::back},  // "^"
    {4, detail::fwd},   // ">"
    {5, detail::fwd},   // "\/"
    {6, detail::fwd},   // "\_"
    {6, detail::back},  // "-/"
}};

constexpr int buttonCount(ButtonArray array) {
  return array == ButtonArray::Command1 ? kCommand1Count : kCommand2Count;
}

constexpr bool isButton(Button button) {
  return button.index >= 0 && button.index < buttonCount(button.array);
}

constexpr Turn turnOf(Button button) {
  if (!isButton(button)) return {};
  return button.array == ButtonArray::Command1 ? command1turns[button.index]
                                               : command2turns[button.index];
}

// Whether some button of `array` turns `cycle`: cycles 1 to 3 belong to `Command1`, 4 to 6 to
// `Command2`.
constexpr bool arrayTurnsCycle(ButtonArray array, int cycle) {
  for (int index = 0; index < buttonCount(array); ++index) {
    if (cycle != 0 && turnOf({array, index}).cycle == cycle) return true;
  }
  return false;
}

inline constexpr int kButtonCount = kCommand1Count + kCommand2Count;

// Every turning button, `Command1` first.
inline constexpr std::array<Button, kButtonCount> allButtons = [] {
  std::array<Button, kButtonCount> result{};
  for (int index = 0; index < kCommand1Count; ++index) result[index] = command1(index);
  for (int index = 0; index < kCommand2Count; ++index)
    result[kCommand1Count + index] = command2(index);
  return result;
}();

}  // namespace dorvan::view4d
