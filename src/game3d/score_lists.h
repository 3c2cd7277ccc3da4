#pragma once
// The two score lists of the 3D window: the fixed high-score table and the round-by-round record
// of the games played since the window opened. Neither is kept between runs.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace dorvan::game3d {

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

// The running record. Each round adds three entries (round line, subtotal line and a single
// space as a separator) after the one empty entry a fresh list starts with.
class CumulativeScores {
 public:
  const std::vector<std::string>& entries() const { return entries_; }
  int blueTotal() const { return blueTotal_; }
  int redTotal() const { return redTotal_; }

  // The number the next round will get, worked out from the entries so far.
  int nextRound() const { return (static_cast<int>(entries_.size()) + 2) / 3; }

  void addRound(int blueScore, int redScore);

 private:
  std::vector<std::string> entries_{""};
  int blueTotal_ = 0;
  int redTotal_ = 0;
};

}  // namespace dorvan::game3d
