#pragma once
// The texts of the 3D window itself: its caption, the captions of its controls and menus, and
// the pieces of a move-list line, and the messages only this window gives. The texts both
// windows share (status lines, verdicts, the end of a game) are in rules/texts.h.

#include <array>
#include <string_view>

namespace dorvan::window3d::texts {

inline constexpr std::string_view kCaption = "Dorvan 2004 - 2D, 3D, 4D (Kestrel) - Dorvan Squared";

// Labels and buttons.
inline constexpr std::string_view kBlue = "Blue";
inline constexpr std::string_view kRed = "Red";
inline constexpr std::string_view kScore = "Score";
inline constexpr std::string_view kPoints = "Points";
inline constexpr std::string_view kYourTurn = "Your turn";
inline constexpr std::string_view kZero = "0";
inline constexpr std::string_view kMovesLeft = "Moves left:";
inline constexpr std::string_view kFrom = "From..";
inline constexpr std::string_view kTo = "to..";
inline constexpr std::string_view kText2 = "Text2";
inline constexpr std::string_view kTimeLeft = "Time for your move";
inline constexpr std::string_view kExample = "Example:";
inline constexpr std::string_view kExampleMove = "mc3mc2";
inline constexpr std::string_view kEnter = "Enter";
inline constexpr std::string_view kPasteAndEnter = "Paste a move from  the clip board and enter";
inline constexpr std::string_view kClear = "Clear";
inline constexpr std::string_view kOption1 = "Option1";
inline constexpr std::string_view kShowInverse = "Just 4 D fun of it - show inverse view";
inline constexpr std::string_view kShowReverse = "Show reverse view";
inline constexpr std::string_view kInvertInPlace = "Show which lines invert in place";
inline constexpr std::string_view kMovesTitle = "Moves";
inline constexpr std::string_view kCumulativeTitle = "Cumulative scores";
inline constexpr std::string_view kTotals = "Totals";
// The columns of the rounds hold boxes won, the scores, not points.
inline constexpr std::string_view kBlueScores = "Blue score";
inline constexpr std::string_view kRedScores = "Red score";

// Label8 between games and after a box: six spaces keep the label's height in the layout.
inline constexpr std::string_view kBlankPoint = "      ";

// A move-list line: number, three spaces, start point, " to ", end point, side tag.
inline constexpr std::string_view kListGap = "   ";
inline constexpr std::string_view kListTo = " to ";
inline constexpr std::string_view kRedTag = "  --Red--";
inline constexpr std::string_view kBlueTag = "  --Blue--";

// Messages of this window.
inline constexpr std::string_view kInvalidMove = "   Invalid move!";
inline constexpr std::string_view kNoGoodMoves = "No good moves left";
inline constexpr std::string_view kHighScoresTitle = "High Scores";
// "&Play anyone anywhere" shows these two, one after the other.
inline constexpr std::string_view kPlayAnyoneAdvice =
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

// Going back to one player while the two-player variant is chosen.
inline constexpr std::string_view kDuomarStaysTwoPlayer = "   Duomar is a two player game only.";

// Menus.
inline constexpr std::string_view kGameMenu = "&Game";
inline constexpr std::string_view kNew = "&New";
inline constexpr std::string_view kHint = "&Hint";
inline constexpr std::string_view kAddGame = "A&dd another game";
inline constexpr std::string_view kPlayAnyone = "&Play anyone anywhere";
inline constexpr std::string_view kExit = "E&xit";
inline constexpr std::string_view kPrograms = "Programs";
inline constexpr std::array<std::string_view, 6> kLevels = {"2D Dorvan- Flatland and Bubbleland",
                                                            "2D Dorvan- Beyond Bubbleland",
                                                            "3D Dorvan- Squared",
                                                            "3D Dorvan- The Wall",
                                                            "3D Dorvan- Tetrix",
                                                            "4D Dorvan- Basic"};
inline constexpr std::string_view kGamesMenu = "Games Menu";
inline constexpr std::array<std::string_view, 3> kVariants = {"&Merrin", "&Duomar", "&Dorvan"};
inline constexpr std::string_view kOptions = "Options";
inline constexpr std::array<std::string_view, 2> kPlayers = {"&1 Player", "&2 Player"};
// The choice of computer opponent: the classic one plays the rules' greedy rule, the strong one
// searches.
inline constexpr std::array<std::string_view, 2> kOpponents = {"&Classic computer",
                                                               "&Strong computer"};
inline constexpr std::string_view kSuddenDeath = "Sudden Death";
inline constexpr std::string_view kDisplayMenu = "&Display";
inline constexpr std::string_view kHighScores = "&High Scores";
inline constexpr std::string_view kCumulative = "Cumulative scores";
inline constexpr std::string_view kMoves = "&Moves";
inline constexpr std::string_view kGrid = "&Grid";
inline constexpr std::string_view kCheat = "C&heat";
inline constexpr std::string_view kSound = "&Sound";
inline constexpr std::string_view kHelpMenu = "&Help";
inline constexpr std::string_view kRules = "&Rules and Help";
inline constexpr std::string_view kAbout = "&About,,,";
inline constexpr std::string_view kAboutToo = "About...";

// "A&dd another game": the name of the next opponent, which becomes the new window's caption.
inline constexpr std::string_view kAddPrompt = "Name of additional opponent";
inline constexpr std::string_view kAddTitle = "Who's next";
// The about window's caption when it is opened from this window.
inline constexpr std::string_view kAboutCaption = "Dorvan 2004 - 2D, 3D, 4D -- Squared";

}  // namespace dorvan::window3d::texts
