#pragma once
// The "Sudden Death" menu of both game windows: ten limits, of which neither window changes its
// own (only "No time limit" would stop the clock, and choosing an entry does not check it).

#include <array>
#include <string_view>

#include "forms/control_spec.h"

namespace dorvan::gamewindow {

// Elements 1..10 of `sd`; element 0 does not exist.
inline constexpr std::array<std::string_view, 11> kTimeLimits = {
    "",           "No time limit", "2 minutes",  "1 1/2 minutes", "1 minute", "30 seconds",
    "20 seconds", "15 seconds",    "10 seconds", "6 seconds",     "4 seconds"};

// The items `sd`(1..10) under the menu `parent`, with the window's own limit checked.
constexpr std::array<forms::MenuSpec, 10> suddenDeathItems(std::string_view parent, int checked) {
  std::array<forms::MenuSpec, 10> items{};
  for (int k = 1; k <= 10; ++k) items[k - 1] = {"sd", k, kTimeLimits[k], parent, k == checked};
  return items;
}

}  // namespace dorvan::gamewindow
