#include "rules/score_lists.h"

namespace dorvan::rules {

std::vector<std::string> highScoreEntries() {
  std::vector<std::string> entries;
  for (const HighScore& holder : kHighScores) {
    entries.emplace_back(holder.name);
    entries.push_back("\t\t\t\t" + std::string(holder.text));
  }
  return entries;
}

std::string_view winnerByScore(int blueScore, int redScore) {
  if (blueScore == redScore) return "Tie";
  return blueScore > redScore ? "Blue" : "Red";
}

std::string roundLine(int round, int blueScore, int redScore) {
  return "Round " + std::to_string(round) + " -" + std::string(winnerByScore(blueScore, redScore)) +
         "\t\t" + std::to_string(blueScore) + "\t\t" + std::to_string(redScore);
}

std::string subtotalLine(int blueTotal, int redTotal) {
  return "  Subtotal -" + std::string(winnerByScore(blueTotal, redTotal)) + "\t\t" +
         std::to_string(blueTotal) + "\t\t" + std::to_string(redTotal);
}

void addRound(std::vector<std::string>& record, Totals& totals, int blueScore, int redScore) {
  record.push_back(roundLine(nextRound(record.size()), blueScore, redScore));
  totals.blue += blueScore;
  totals.red += redScore;
  record.push_back(subtotalLine(totals.blue, totals.red));
  record.push_back(" ");
}

}  // namespace dorvan::rules
