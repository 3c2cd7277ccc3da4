#pragma once
// Every text the 3D game rules put in front of the player, in one place. Many begin with
// spaces on purpose: the status line and the message boxes were laid out with them.

#include <string>
#include <string_view>

#include "game3d/sides.h"

namespace dorvan::game3d::texts {

inline constexpr std::string_view kInvalidMove = "   Invalid move!";
inline constexpr std::string_view kStartPlaying = "Click a line to start playing";
inline constexpr std::string_view kNoGoodMoves = "No good moves left";
inline constexpr std::string_view kYouLose = "You lose.";
inline constexpr std::string_view kPlayAgain = "Game Over. Would you like to play again?";
inline constexpr std::string_view kPlayAgainTitle = "Try again?";
inline constexpr std::string_view kDuomarNeedsTwoPlayers =
    "   Duomar is a two player game only. Set number of players to two, then set to Duomar.";
inline constexpr std::string_view kHighScoresTitle = "High Scores";
inline constexpr std::string_view kPlayAnyone =
    "   Though this is not the network version, you can play against anyone anywhere in the "
    "world over the Internet, via the IRC, Messenger, Cserve's CB sim, AOL instant messaging, or "
    "just plain over the phone. Simply write or tell the other person your last move and, using "
    "the grid, enter in their last moves.";
inline constexpr std::string_view kPlayAnyoneClipboard =
    "   When in two player mode, the program automatically copies your last move to the "
    "clipboard, all you need to do is paste the move into your instant messaging program and "
    "click 'Send'. For the other player's moves when you recieve them, all you need to do is "
    "type it as you see it or copy it to the clipboard (select the text, right click it, and "
    "then select 'Copy') and now you can use the new single click 'paste and make move' button "
    "from within this program to add their moves.";

// "Game = Merrin" and so on.
std::string variantCaption(Variant variant);

// The status line after a move that completed `completed` boxes (0..4). `mover` drew the line;
// `next` is the side to move now.
std::string moveStatus(Variant variant, int completed, Side mover, Side next);

// The end-of-game verdicts, by points and by score.
std::string_view pointsResult(int bluePoints, int redPoints);
std::string_view scoreResult(int blueScore, int redScore);

}  // namespace dorvan::game3d::texts
