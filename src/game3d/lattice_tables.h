#pragma once
// The 3x3x3 lattice: its 54 lines with their move names, and which squares and cubes each line
// closes. The line table below is the only hand-written form of that relation; `sqlines` and
// `cubelines` are worked out from it when compiling, and the build fails if the table leaves a
// slot empty or fills one twice.
//
// Points are named by depth (F/M/B), width (L/C/R) and level (1..3, 3 on top). A move name is the
// two points in lower case, first point first ("fl3ml3"); the point text is upper case with
// hyphens ("F-L-3").

#include <array>
#include <span>
#include <string_view>

namespace dorvan::game3d {

inline constexpr int kLineCount = 54;
inline constexpr int kSquareCount = 36;
inline constexpr int kCubeCount = 8;
inline constexpr int kSquareSides = 4;
inline constexpr int kCubeEdges = 12;

// A place that a line fills: box number and slot within that box (side 1..4 of a square,
// edge 1..12 of a cube). Cube edges 1..4 are its upper face, 5..8 the verticals, 9..12 its
// lower face.
struct Slot {
  int box = 0;
  int slot = 0;
};

struct LineEntry {
  std::string_view name;
  std::array<Slot, 4> squares;  // in increasing square number, unused places {0, 0}
  std::array<Slot, 4> cubes;    // in increasing cube number, unused places {0, 0}
};

// Indexed by line number; row 0 is empty. Lines 1..12 lie on level 3, 13..24 on level 2, 25..36
// on level 1 (n + 12 under n); 37..45 rise from level 2 to 3, 46..54 from 1 to 2 (n + 9 under n).
inline constexpr std::array<LineEntry, kLineCount + 1> kLineTable = {{
    {},
    {"fl3ml3", {{{1, 1}, {33, 1}}}, {{{1, 1}}}},                                             // 1
    {"ml3bl3", {{{2, 1}, {34, 1}}}, {{{2, 1}}}},                                             // 2
    {"fc3mc3", {{{1, 3}, {3, 1}, {29, 1}}}, {{{1, 3}, {3, 1}}}},                             // 3
    {"mc3bc3", {{{2, 3}, {4, 1}, {30, 1}}}, {{{2, 3}, {4, 1}}}},                             // 4
    {"fr3mr3", {{{3, 3}, {25, 1}}}, {{{3, 3}}}},                                             // 5
    {"mr3br3", {{{4, 3}, {26, 1}}}, {{{4, 3}}}},                                             // 6
    {"bc3br3", {{{4, 2}, {22, 1}}}, {{{4, 2}}}},                                             // 7
    {"mc3mr3", {{{3, 2}, {4, 4}, {18, 1}}}, {{{3, 2}, {4, 4}}}},                             // 8
    {"fc3fr3", {{{3, 4}, {14, 1}}}, {{{3, 4}}}},                                             // 9
    {"bl3bc3", {{{2, 2}, {21, 1}}}, {{{2, 2}}}},                                             // 10
    {"ml3mc3", {{{1, 2}, {2, 4}, {17, 1}}}, {{{1, 2}, {2, 4}}}},                             // 11
    {"fl3fc3", {{{1, 4}, {13, 1}}}, {{{1, 4}}}},                                             // 12
    {"fl2ml2", {{{5, 1}, {33, 3}, {35, 1}}}, {{{1, 9}, {5, 1}}}},                            // 13
    {"ml2bl2", {{{6, 1}, {34, 3}, {36, 1}}}, {{{2, 9}, {6, 1}}}},                            // 14
    {"fc2mc2", {{{5, 3}, {7, 1}, {29, 3}, {31, 1}}}, {{{1, 11}, {3, 9}, {5, 3}, {7, 1}}}},   // 15
    {"mc2bc2", {{{6, 3}, {8, 1}, {30, 3}, {32, 1}}}, {{{2, 11}, {4, 9}, {6, 3}, {8, 1}}}},   // 16
    {"fr2mr2", {{{7, 3}, {25, 3}, {27, 1}}}, {{{3, 11}, {7, 3}}}},                           // 17
    {"mr2br2", {{{8, 3}, {26, 3}, {28, 1}}}, {{{4, 11}, {8, 3}}}},                           // 18
    {"bc2br2", {{{8, 2}, {22, 3}, {24, 1}}}, {{{4, 10}, {8, 2}}}},                           // 19
    {"mc2mr2", {{{7, 2}, {8, 4}, {18, 3}, {20, 1}}}, {{{3, 10}, {4, 12}, {7, 2}, {8, 4}}}},  // 20
    {"fc2fr2", {{{7, 4}, {14, 3}, {16, 1}}}, {{{3, 12}, {7, 4}}}},                           // 21
    {"bl2bc2", {{{6, 2}, {21, 3}, {23, 1}}}, {{{2, 10}, {6, 2}}}},                           // 22
    {"ml2mc2", {{{5, 2}, {6, 4}, {17, 3}, {19, 1}}}, {{{1, 10}, {2, 12}, {5, 2}, {6, 4}}}},  // 23
    {"fl2fc2", {{{5, 4}, {13, 3}, {15, 1}}}, {{{1, 12}, {5, 4}}}},                           // 24
    {"fl1ml1", {{{9, 1}, {35, 3}}}, {{{5, 9}}}},                                             // 25
    {"ml1bl1", {{{10, 1}, {36, 3}}}, {{{6, 9}}}},                                            // 26
    {"fc1mc1", {{{9, 3}, {11, 1}, {31, 3}}}, {{{5, 11}, {7, 9}}}},                           // 27
    {"mc1bc1", {{{10, 3}, {12, 1}, {32, 3}}}, {{{6, 11}, {8, 9}}}},                          // 28
    {"fr1mr1", {{{11, 3}, {27, 3}}}, {{{7, 11}}}},                                           // 29
    {"mr1br1", {{{12, 3}, {28, 3}}}, {{{8, 11}}}},                                           // 30
    {"bc1br1", {{{12, 2}, {24, 3}}}, {{{8, 10}}}},                                           // 31
    {"mc1mr1", {{{11, 2}, {12, 4}, {20, 3}}}, {{{7, 10}, {8, 12}}}},                         // 32
    {"fc1fr1", {{{11, 4}, {16, 3}}}, {{{7, 12}}}},                                           // 33
    {"bl1bc1", {{{10, 2}, {23, 3}}}, {{{6, 10}}}},                                           // 34
    {"ml1mc1", {{{9, 2}, {10, 4}, {19, 3}}}, {{{5, 10}, {6, 12}}}},                          // 35
    {"fl1fc1", {{{9, 4}, {15, 3}}}, {{{5, 12}}}},                                            // 36
    {"fl3fl2", {{{13, 4}, {33, 4}}}, {{{1, 5}}}},                                            // 37
    {"ml3ml2", {{{17, 4}, {33, 2}, {34, 4}}}, {{{1, 6}, {2, 5}}}},                           // 38
    {"bl3bl2", {{{21, 4}, {34, 2}}}, {{{2, 6}}}},                                            // 39
    {"fc3fc2", {{{13, 2}, {14, 4}, {29, 4}}}, {{{1, 7}, {3, 5}}}},                           // 40
    {"mc3mc2", {{{17, 2}, {18, 4}, {29, 2}, {30, 4}}}, {{{1, 8}, {2, 7}, {3, 6}, {4, 5}}}},  // 41
    {"bc3bc2", {{{21, 2}, {22, 4}, {30, 2}}}, {{{2, 8}, {4, 6}}}},                           // 42
    {"fr3fr2", {{{14, 2}, {25, 4}}}, {{{3, 7}}}},                                            // 43
    {"mr3mr2", {{{18, 2}, {25, 2}, {26, 4}}}, {{{3, 8}, {4, 7}}}},                           // 44
    {"br3br2", {{{22, 2}, {26, 2}}}, {{{4, 8}}}},                                            // 45
    {"fl2fl1", {{{15, 4}, {35, 4}}}, {{{5, 5}}}},                                            // 46
    {"ml2ml1", {{{19, 4}, {35, 2}, {36, 4}}}, {{{5, 6}, {6, 5}}}},                           // 47
    {"bl2bl1", {{{23, 4}, {36, 2}}}, {{{6, 6}}}},                                            // 48
    {"fc2fc1", {{{15, 2}, {16, 4}, {31, 4}}}, {{{5, 7}, {7, 5}}}},                           // 49
    {"mc2mc1", {{{19, 2}, {20, 4}, {31, 2}, {32, 4}}}, {{{5, 8}, {6, 7}, {7, 6}, {8, 5}}}},  // 50
    {"bc2bc1", {{{23, 2}, {24, 4}, {32, 2}}}, {{{6, 8}, {8, 6}}}},                           // 51
    {"fr2fr1", {{{16, 2}, {27, 4}}}, {{{7, 7}}}},                                            // 52
    {"mr2mr1", {{{20, 2}, {27, 2}, {28, 4}}}, {{{7, 8}, {8, 7}}}},                           // 53
    {"br2br1", {{{24, 2}, {28, 2}}}, {{{8, 8}}}},                                            // 54
}};

namespace detail {

constexpr int usedPlaces(const std::array<Slot, 4>& places) {
  int n = 0;
  while (n < 4 && places[n].box != 0) ++n;
  return n;
}

template <int Boxes, int Slots>
using SlotLines = std::array<std::array<int, Slots + 1>, Boxes + 1>;

template <int Boxes, int Slots>
constexpr SlotLines<Boxes, Slots> invert(std::array<Slot, 4> LineEntry::*places) {
  SlotLines<Boxes, Slots> table{};
  for (int line = 1; line <= kLineCount; ++line) {
    for (const Slot& place : kLineTable[line].*places) {
      if (place.box == 0) break;
      if (place.box > Boxes || place.slot < 1 || place.slot > Slots) throw "slot out of range";
      if (table[place.box][place.slot] != 0) throw "slot filled twice";
      table[place.box][place.slot] = line;
    }
  }
  for (int box = 1; box <= Boxes; ++box) {
    for (int slot = 1; slot <= Slots; ++slot) {
      if (table[box][slot] == 0) throw "slot left empty";
    }
  }
  return table;
}

using PointText = std::array<char, 5>;

constexpr char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr std::array<std::array<PointText, 2>, kLineCount + 1> makePointTexts() {
  std::array<std::array<PointText, 2>, kLineCount + 1> texts{};
  for (int line = 1; line <= kLineCount; ++line) {
    const std::string_view name = kLineTable[line].name;
    for (int end = 0; end < 2; ++end) {
      const std::size_t at = static_cast<std::size_t>(end) * 3;
      texts[line][end] = {upper(name[at]), '-', upper(name[at + 1]), '-', name[at + 2]};
    }
  }
  return texts;
}

inline constexpr auto kPointTexts = makePointTexts();

}  // namespace detail

// Line number in each side slot of each square, [square][side]; row and column 0 unused.
inline constexpr auto sqlines = detail::invert<kSquareCount, kSquareSides>(&LineEntry::squares);
// Line number in each edge slot of each cube, [cube][edge]; row and column 0 unused.
inline constexpr auto cubelines = detail::invert<kCubeCount, kCubeEdges>(&LineEntry::cubes);

constexpr bool isLine(int line) {
  return line >= 1 && line <= kLineCount;
}

constexpr std::string_view moveName(int line) {
  return isLine(line) ? kLineTable[line].name : "";
}

// The point texts of a line's first and second point, e.g. "F-L-3" and "M-L-3" for line 1.
constexpr std::string_view startPoint(int line) {
  return isLine(line) ? std::string_view(detail::kPointTexts[line][0].data(), 5) : "";
}
constexpr std::string_view endPoint(int line) {
  return isLine(line) ? std::string_view(detail::kPointTexts[line][1].data(), 5) : "";
}

constexpr std::span<const Slot> squaresOf(int line) {
  if (!isLine(line)) return {};
  const auto& places = kLineTable[line].squares;
  return {places.data(), static_cast<std::size_t>(detail::usedPlaces(places))};
}
constexpr std::span<const Slot> cubesOf(int line) {
  if (!isLine(line)) return {};
  const auto& places = kLineTable[line].cubes;
  return {places.data(), static_cast<std::size_t>(detail::usedPlaces(places))};
}

// The line a typed or pasted text names, or 0. Only the exact names count: no change of case,
// no trimming, and a line's two points in the other order name nothing.
constexpr int lineOfMoveName(std::string_view text) {
  for (int line = 1; line <= kLineCount; ++line) {
    if (kLineTable[line].name == text) return line;
  }
  return 0;
}

// What the window shows as the last move.
struct LineDisplay {
  std::string_view start;  // "F-L-3"
  std::string_view end;    // "M-L-3"
  std::string_view name;   // "fl3ml3"
};

constexpr LineDisplay lineDisplay(int line) {
  return {startPoint(line), endPoint(line), moveName(line)};
}

}  // namespace dorvan::game3d
