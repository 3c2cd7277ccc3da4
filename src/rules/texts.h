#pragma once
// The texts of the rules that both windows put in front of the player: the status line after a
// move, the verdicts, the end of a game and the clock. Many begin with spaces on purpose: the
// status line and the message boxes were laid out with them.

#include <string>
#include <string_view>

#include "rules/sides.h"

namespace dorvan::rules::texts {

inline constexpr std::string_view kStartPlaying = "Click a line to start playing";
inline constexpr std::string_view kYouLose = "You lose.";
inline constexpr std::string_view kPlayAgain = "Game Over. Would you like to play again?";
inline constexpr std::string_view kPlayAgainTitle = "Try again?";
inline constexpr std::string_view kDuomarNeedsTwoPlayers =
    "   Duomar is a two player game only. Set number of players to two, then set to Duomar.";

// "Game = Merrin" and so on.
std::string variantCaption(Variant variant);

// The status line after a move that completed `completed` boxes (0..4). `mover` drew the line;
// `next` is the side to move now.
std::string moveStatus(Variant variant, int completed, Side mover, Side next);

// The end-of-game verdicts, by points and by score.
std::string_view pointsResult(int bluePoints, int redPoints);
std::string_view scoreResult(int blueScore, int redScore);

}  // namespace dorvan::rules::texts
