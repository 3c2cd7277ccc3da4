#pragma once
// The texts of the tesseract window: its caption, the captions of its controls and menus, and
// its messages. Texts it shares with the 3D game (the variant captions, the Duomar warning) come
// from game3d/texts.h.

#include <array>
#include <string_view>

namespace dorvan::window4d::texts {

inline constexpr std::string_view kCaption = "Dorvan 2004 - 2D, 3D, 4D (Kestrel) - 4D Dorvan Basic";
inline constexpr std::string_view kAboutCaption = "Dorvan 2004 - 2D, 3D, 4D -- 4D Dorvan Basic";

// Status, turn and score labels.
inline constexpr std::string_view kStartPlaying = "Click a line to start playing";
inline constexpr std::string_view kPlayer1 = " Player 1:";
inline constexpr std::string_view kBlue = "Blue";
inline constexpr std::string_view kRed = "Red";
inline constexpr std::string_view kYourTurn = "Your turn";
inline constexpr std::string_view kZero = "0";
inline constexpr std::string_view kPoints = "Points";
inline constexpr std::string_view kTimeLeft = "Time for your move";

// The views and the turning buttons.
inline constexpr std::string_view kNormalView = "Normal view";
inline constexpr std::string_view kInverseView = "Inverse view";
inline constexpr std::string_view kTurnHeading = "Within a 3D plane     In 4D";
inline constexpr std::string_view kExternal = "External";
inline constexpr std::string_view kInternal = "Internal";
inline constexpr std::array<std::string_view, 8> kCommand1 = {"<",   "^",  ">",   "\\/",
                                                              "\\-", "_/", "\\_", "_/"};
inline constexpr std::array<std::string_view, 6> kCommand2 = {"<", "^", ">", "\\/", "\\_", "-/"};

// Display check boxes. `Check1` counts from 1, `Check4` from 0.
inline constexpr std::array<std::string_view, 11> kCheck1 = {
    "",      "Yellow",     "Red",   "Magenta",      "Blue",        "Green",
    "White", "Light Blue", "Black", "Mysterious 2", "Mysterious 1"};
inline constexpr std::string_view kShowDots = "Show dots";
inline constexpr std::string_view kShowAsDashes = "Show as dashes";
inline constexpr std::array<std::string_view, 21> kCheck4 = {
    "Check4",         "Yellow / Red",     "Yellow / L. Blue", "Yellow / Blue",  "Yellow / Green",
    "Purple / Red",   "Purple / L. Blue", "Purple / Blue",    "Purple / Green", "Red / Black",
    "Red / L.Blue",   "Red / White",      "Red / Green",      "Blue / Black",   "Blue /  Green",
    "Blue / White",   "Blue / L. Blue",   "Green / Black",    "Green / White",  "L. Blue / Black",
    "L. Blue / White"};
inline constexpr std::string_view kOption1 = "Option1";

// Cumulative scores.
inline constexpr std::string_view kCumulativeTitle = "Cumulative scores";
inline constexpr std::string_view kRedPoints = "Red points";
inline constexpr std::string_view kBluePoints = "Blue points";

// Menus.
inline constexpr std::string_view kGameMenu = "&Game";
inline constexpr std::string_view kNew = "&New";
inline constexpr std::string_view kSeparator = "-";
inline constexpr std::string_view kExit = "E&xit ";
inline constexpr std::string_view kAbout = "About...";
inline constexpr std::string_view kPrograms = "&Programs";
// Elements 1..5 of `opme`; element 0 does not exist.
inline constexpr std::array<std::string_view, 6> kProgramEntries = {
    "",
    "2D Dorvan- Flatland and Bubbleland",
    "3D Dorvan- &Squared",
    "3D Dorvan- The Wal&l",
    "3D Dorvan- Tetri&x",
    "4D Dorvan- Basic"};
inline constexpr std::string_view kLevels = "Levels";
inline constexpr std::string_view kNormal = "Normal";
inline constexpr std::string_view kHalfLevel = "1/2 Level";
inline constexpr std::string_view kGamesMenu = "Games Menu";
inline constexpr std::array<std::string_view, 3> kVariants = {"&Merrin", "&Duomar", "&Dorvan"};
inline constexpr std::string_view kSmash = "Smash";
inline constexpr std::string_view kOptions = "Options";
inline constexpr std::array<std::string_view, 2> kPlayers = {"&1 Player", "&2 Player"};
inline constexpr std::string_view kCheat = "Cheat";
inline constexpr std::string_view kSuddenDeath = "Sudden Death";
// Elements 1..10 of `sd`; element 0 does not exist.
inline constexpr std::array<std::string_view, 11> kTimeLimits = {
    "",           "No time limit", "2 minutes",  "1 1/2 minutes", "1 minute", "30 seconds",
    "20 seconds", "15 seconds",    "10 seconds", "6 seconds",     "4 seconds"};
inline constexpr std::string_view kDisplayMenu = "&Display";
inline constexpr std::string_view kMinimizeFatness = "&Minimize fatness of lines";
inline constexpr std::string_view kShowFour =
    "Show it in 4D accurately (without seeing through it, other than normally)";
inline constexpr std::string_view kCumulative = "Cumulative scores";
inline constexpr std::string_view kRulesMenu = "&Rules and Help";
inline constexpr std::string_view kRules = "&Rules and hints";

// Messages.
inline constexpr std::string_view kInvalidMove =
    "Invalid move. You have clicked on a move already taken or clicked too close to a line which "
    "was already filled in. Please try again.";
inline constexpr std::string_view kDuomarStaysTwoPlayer = "   Duomar is a two player game only.";
inline constexpr std::string_view kFlatlandMissing =
    "   Flatland and Bubbleland, the 2D levels, are not part of this program. It holds the 3D "
    "level Squared and the 4D level Basic.";
inline constexpr std::string_view kLevelMissing =
    "   This level is not part of this program. Please choose 3D Dorvan- Squared or 4D Dorvan- "
    "Basic from the Programs menu instead.";
inline constexpr std::string_view kSmashTitle = "You wish";
inline constexpr std::string_view kSmashMissing =
    "   Smash has not been added to this game. Merrin, Duomar and Dorvan are the variants you "
    "can play.";

}  // namespace dorvan::window4d::texts
