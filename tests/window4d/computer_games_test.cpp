// Many one-player games on the tesseract, played through the driver one after another in one
// window, as a player answering "Yes" to every new game would. Every line the computer draws is
// predicted here from the rules of its choice, with a shadow of the program's random source,
// and checked against the window's `lineowner` after each of Blue's clicks. Blue plays at random;
// one Blue keeps the four corner lines 1, 4, 6 and 26 for last and takes what it can score, so
// that the computer often has only those lines, or only unsafe ones, to choose from.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/random_source.h"
#include "script/script_runner.h"

namespace dorvan {
namespace {

constexpr int kLines = 32;
constexpr int kRed = 1, kBlue = 2;
using Table = std::vector<std::vector<long>>;
using Owners = std::vector<long>;  // lineowner, lines 1..32 at 0..31

// A click target over each line's place at home: `Label2`(kTarget[line]).
constexpr int kTarget[kLines + 1] = {-1, 0,  1,  2,  3,  4,  6,  8,  9,  11, 12,
                                     13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24,
                                     26, 28, 30, 32, 34, 35, 36, 37, 38, 39, 40};

bool corner(int line) {
  return line == 1 || line == 4 || line == 6 || line == 26;
}

// The window through the driver's commands and transcript only.
class Driven {
 public:
  explicit Driven(const std::string& commandLine) : runner_(out_, commandLine) {}
  void run(const std::string& command) { runner_.execute(command, ++line_); }
  bool ended() const { return runner_.ended(); }
  std::string transcript() const { return out_.str(); }
  Table table(const std::string& name) {
    const std::size_t from = out_.str().size();
    run("table " + name);
    std::istringstream printed(out_.str().substr(from));
    Table rows;
    for (std::string text; std::getline(printed, text);) {
      std::istringstream numbers(text);
      rows.emplace_back(std::istream_iterator<long>(numbers), std::istream_iterator<long>());
    }
    return rows;
  }

 private:
  std::ostringstream out_;
  script::ScriptRunner runner_;
  int line_ = 0;
};

// The units that score (squares, or cells in Dorvan) as lists of their lines.
struct Units {
  Table lines;
  int drawn(const Owners& o, const std::vector<long>& unit) const {
    return static_cast<int>(
        std::count_if(unit.begin(), unit.end(), [&](long line) { return o[line - 1] != 0; }));
  }
  bool completes(const Owners& o, int line) const {
    for (const auto& unit : lines)
      if (std::ranges::find(unit, line) != unit.end() && drawn(o, unit) == int(unit.size()))
        return true;
    return false;
  }
};

struct Setting {
  bool cells = false;
  bool halfLevel = false;
  bool cornersLast = false;
};

struct Prediction {
  int line = 0;                   // none when nothing is free
  bool cornerInFallback = false;  // no line was safe, and a corner line was offered
};

// The computer's next line: the first missing line of the lowest unit one short; else a random
// line among the free ones in no unit two short (never a corner line in the cells variant or
// at the half level); else a random free line (never a corner line at the half level).
Prediction predict(const Setting& setting, const Units& units, const Owners& o,
                   RandomSource& shadow) {
  for (const auto& unit : units.lines) {
    if (units.drawn(o, unit) != int(unit.size()) - 1) continue;
    for (long line : unit)
      if (o[line - 1] == 0) return {static_cast<int>(line)};
  }
  std::vector<int> safe, free;
  for (int line = 1; line <= kLines; ++line) {
    if (o[line - 1] != 0 || (setting.halfLevel && corner(line))) continue;
    free.push_back(line);
    bool threatened = false;
    for (const auto& unit : units.lines)
      threatened = threatened || (std::ranges::find(unit, line) != unit.end() &&
                                  units.drawn(o, unit) == int(unit.size()) - 2);
    if (!threatened && !(setting.cells && corner(line))) safe.push_back(line);
  }
  const std::vector<int>& from = safe.empty() ? free : safe;
  if (from.empty()) return {};
  return {from[shadow.choose(static_cast<int>(from.size())) - 1],
          safe.empty() && std::ranges::any_of(free, corner)};
}

bool gameOver(const Setting& setting, const Owners& o) {
  const auto free = std::count(o.begin(), o.end(), 0);
  return free == 0 || (setting.halfLevel && free == 4);
}

// Blue's line: at random among the free lines in play, the corner lines last if it keeps them
// back, and then a scoring line if it has one.
int blueLine(const Setting& setting, const Units& units, const Owners& o, std::mt19937& dice) {
  std::vector<int> lines, scoring;
  for (bool corners : {false, true}) {
    for (int line = 1; line <= kLines; ++line) {
      if (o[line - 1] != 0 || (setting.halfLevel && corner(line))) continue;
      if (setting.cornersLast && corner(line) != corners) continue;
      lines.push_back(line);
      Owners tried = o;
      tried[line - 1] = kBlue;
      if (units.completes(tried, line)) scoring.push_back(line);
    }
    if (!lines.empty() || !setting.cornersLast) break;
  }
  const std::vector<int>& from = setting.cornersLast && !scoring.empty() ? scoring : lines;
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(dice)];
}

struct Tally {
  int games = 0;
  int decisions = 0;
  int cornerFallbacks = 0;  // decisions with no safe line while a corner line was free
};

// Plays `games` games in one window and checks every line of the computer.
Tally playGames(const Setting& setting, int games, unsigned seed) {
  Driven window(setting.halfLevel ? "5" : "4");
  if (setting.cells) window.run("click game 2");
  const Units units{window.table(setting.cells ? "celllines" : "sqlines")};
  RandomSource shadow;
  std::mt19937 dice(seed);
  Tally tally;
  Owners expected(kLines, 0);
  // The computer's turn, as predicted: lines until one completes nothing or the game is over.
  auto computerTurn = [&] {
    for (bool again = true; again && !gameOver(setting, expected);) {
      const Prediction red = predict(setting, units, expected, shadow);
      if (red.line == 0) return;
      ++tally.decisions;
      tally.cornerFallbacks += red.cornerInFallback;
      expected[red.line - 1] = kRed;
      again = units.completes(expected, red.line);
    }
  };
  bool redOpensNext = true;
  for (;;) {
    window.run(tally.games + 1 < games ? "answer yes" : "answer no");
    while (!gameOver(setting, expected)) {
      const int blue = blueLine(setting, units, expected, dice);
      expected[blue - 1] = kBlue;
      if (!units.completes(expected, blue)) computerTurn();
      window.run("click Label2 " + std::to_string(kTarget[blue]));
      if (window.ended()) break;
      if (gameOver(setting, expected)) break;
      EXPECT_EQ(window.table("lineowner")[0], expected) << "game " << tally.games + 1;
      if (::testing::Test::HasFailure()) return tally;
    }
    ++tally.games;
    if (window.ended()) break;
    // A new game: the other side opens it.
    expected.assign(kLines, 0);
    if (redOpensNext) computerTurn();
    redOpensNext = !redOpensNext;
    EXPECT_EQ(window.table("lineowner")[0], expected) << "game " << tally.games + 1;
    if (::testing::Test::HasFailure()) return tally;
  }
  EXPECT_EQ(tally.games, games);
  EXPECT_NE(window.transcript().find("Game Over. Would you like to play again?"),
            std::string::npos);
  return tally;
}

TEST(ComputerGames4d, EveryLineOfTheComputerFollowsItsRulesInEveryVariantAndLevel) {
  unsigned seed = 1;
  for (bool cells : {false, true}) {
    for (bool halfLevel : {false, true}) {
      for (bool cornersLast : {false, true}) {
        const Setting setting{cells, halfLevel, cornersLast};
        SCOPED_TRACE(testing::Message() << "cells " << cells << ", half level " << halfLevel
                                        << ", corners last " << cornersLast);
        const Tally tally = playGames(setting, 50, seed++);
        if (::testing::Test::HasFailure()) return;
        EXPECT_GT(tally.decisions, 50 * 8);
        // Cells keep the computer off the corner lines until nothing is safe; a Blue that keeps
        // them back too brings that about in most games.
        if (cells && !halfLevel && cornersLast) {
          EXPECT_GT(tally.cornerFallbacks, 50);
        }
      }
    }
  }
}

}  // namespace
}  // namespace dorvan
