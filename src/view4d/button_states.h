#pragma once
// Which turning buttons and cell check boxes a player may use after a turn. Once the tesseract
// is turned away from home only the button that turned it stays usable, until repeated presses
// bring its cycle home, so no two cycles are ever away at once.

#include <array>

#include "game4d/cells.h"
#include "view4d/orientation.h"
#include "view4d/turn_buttons.h"

namespace dorvan::view4d {

// What a press does to one control's enabled state; `keep` leaves it as it was.
enum class Enable { keep, on, off };

// Indexed as the controls are: `Check1`(1..8) (entry 0 unused), `Command1`(0..7),
// `Command2`(0..5).
struct ButtonUpdate {
  std::array<Enable, game4d::kFrameCount + 1> check1{};
  std::array<Enable, kCommand1Count> command1{};
  std::array<Enable, kCommand2Count> command2{};
  friend constexpr bool operator==(const ButtonUpdate&, const ButtonUpdate&) = default;
};

// The enabled state of the same controls.
struct ButtonStates {
  std::array<bool, game4d::kFrameCount + 1> check1{};
  std::array<bool, kCommand1Count> command1{};
  std::array<bool, kCommand2Count> command2{};
  friend constexpr bool operator==(const ButtonStates&, const ButtonStates&) = default;

  constexpr bool enabled(Button button) const {
    return button.array == ButtonArray::Command1 ? command1[button.index] : command2[button.index];
  }
};

// The update after `pressed` has turned the tesseract to `after`. When the pressed button's own
// cycles are all home, the cell boxes and the turn buttons come back (the two `Command1` buttons
// that turn nothing only after a `Command2` press); otherwise they all go and the pressed button
// comes back.
constexpr ButtonUpdate buttonsAfter(const Orientation& after, Button pressed) {
  const Enable state = arrayAtHome(after, pressed.array) ? Enable::on : Enable::off;
  ButtonUpdate update{};
  for (int frame = 1; frame <= game4d::kFrameCount; ++frame) update.check1[frame] = state;
  for (int index = 0; index < kCommand1Count; ++index) {
    const bool touched =
        pressed.array == ButtonArray::Command2 || turnOf(command1(index)).cycle != 0;
    if (touched) update.command1[index] = state;
  }
  update.command2.fill(state);
  if (state == Enable::off) {
    if (pressed.array == ButtonArray::Command1)
      update.command1.at(pressed.index) = Enable::on;
    else
      update.command2.at(pressed.index) = Enable::on;
  }
  return update;
}

namespace detail {
constexpr void apply(bool& enabled, Enable change) {
  if (change != Enable::keep) enabled = change == Enable::on;
}
template <std::size_t N>
constexpr void apply(std::array<bool, N>& enabled, const std::array<Enable, N>& changes,
                     std::size_t first) {
  for (std::size_t k = first; k < N; ++k) apply(enabled[k], changes[k]);
}
}  // namespace detail

constexpr ButtonStates applied(ButtonStates states, const ButtonUpdate& update) {
  detail::apply(states.check1, update.check1, 1);
  detail::apply(states.command1, update.command1, 0);
  detail::apply(states.command2, update.command2, 0);
  return states;
}

// As the window opens: everything usable.
inline constexpr ButtonStates kAllEnabled = [] {
  ButtonStates states{};
  for (int frame = 1; frame <= game4d::kFrameCount; ++frame) states.check1[frame] = true;
  states.command1.fill(true);
  states.command2.fill(true);
  return states;
}();

}  // namespace dorvan::view4d
