#pragma once
// The two score lists of both windows: the fixed high-score table and the round-by-round record
// of the games played since the window opened. Neither is kept between runs.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dorvan::rules {

struct HighScore {
  std::string_view name;
  std::string_view text;  // the points as shown, with a thousands separator
  int value;
};

inline constexpr std::array<HighScore, 5> kHighScores = {{
    {"MasterCube", "62,000", 62000},
    {"Supersonic", "51,000", 51000},
    {"Lister's curry", "46,000", 46000},
    {"Tempest", "22,000", 22000},
    {"Shinandoah", "19,000", 19000},
}};

// The high-score list as shown: each holder's name, then an entry with its points text.
std::vector<std::string> highScoreEntries();

// "Tie", "Blue" or "Red": the side with more boxes.
std::string_view winnerByScore(int blueScore, int redScore);

std::string roundLine(int round, int blueScore, int redScore);
std::string subtotalLine(int blueTotal, int redTotal);

// The running record is a list that starts with one empty entry; each round adds three: the
// round line, the subtotal line and a single space as a separator. The number of the next
// round follows from how many entries the list holds.
inline int nextRound(std::size_t entries) {
  return (static_cast<int>(entries) + 2) / 3;
}

// The totals of every round recorded so far.
struct Totals {
  int blue = 0;
  int red = 0;
};

// Adds a finished game as a round: its scores go into the totals, and its three entries to the
// record.
void addRound(std::vector<std::string>& record, Totals& totals, int blueScore, int redScore);

}  // namespace dorvan::rules
