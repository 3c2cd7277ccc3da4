#pragma once
// The texts of the tesseract window: its caption, the captions of its controls and menus, and
// its messages. Texts it shares with the 3D window (the status line, the variant captions, the
// Duomar warning, the end of a game) come from rules/texts.h.

#include <array>
#include <string_view>

namespace dorvan::window4d::texts {

inline constexpr std::string_view kCaption = "Dorvan 2004 - 2D, 3D, 4D (Kestrel) - 4D Dorvan Basic";
inline constexpr std::string_view kAboutCaption = "Dorvan 2004 - 2D, 3D, 4D -- 4D Dorvan Basic";

// Status, turn and score labels.
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
inline constexpr std::string_view kHint = "&Hint";
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
// The choice of computer opponent: the classic one plays the rules' greedy rule, the strong one
// searches.
inline constexpr std::array<std::string_view, 2> kOpponents = {"&Classic computer",
                                                               "&Strong computer"};
inline constexpr std::string_view kCheat = "Cheat";
inline constexpr std::string_view kSuddenDeath = "Sudden Death";
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

// The accurate 4D view explains itself in three boxes when it is switched on.
inline constexpr std::string_view kAccurateTitle1 =
    "Explanation of a seeing a truely 4 dimensional point of view (1 of 3)";
inline constexpr std::string_view kAccurateText1 =
    "   This menu option when checked like it will be now, is to show the tesseract (that is "
    "what a 4D version of a cube is called) from an accurate 4D perspective, in which you can see "
    "all 6 sides of the 4 cubes closest to you (in this case (before turning) the yellow, light "
    "blue, white, and red cubes), but none of the sides of the 4 cubes farthest away from you "
    "(blue, black, green, purple), except when their sides are also part of one of the 6 sides "
    "of the 4 closest to you which you could see all at once.";
inline constexpr std::string_view kAccurateTitle2 =
    "Explanation of a seeing a truely 4 dimensional point of view (2 of 3)";
inline constexpr std::string_view kAccurateText2 =
    "   This the 4D equivalent of seeing a maximum of 3 full squares of a dice at the same time "
    "and each of those 3 visible square's all 4 edges all at once, but none of the edges of the "
    "opposite not-visible 3 squares, except when they also define the edges of the three sides "
    "nearest to you.";
inline constexpr std::string_view kAccurateTitle3 = "4D Viewpoint explained (3 of 3)";
inline constexpr std::string_view kAccurateText3 =
    "   This means that to be able to see all 8 of the 3 dimensional cube \"sides\" of a "
    "tesseract, you would need to keep turning it like you would have to a dice, to see all the "
    "different cube's sides, but only a maximum 4 cubes at a time (compared to a maximum 3 sides "
    "at a time on a dice), or cheat and refer to the inverse view (like looking at a dice in a "
    "mirror in 3D) more than you would have to otherwise, to try to envision the whole object at "
    "once. Being able to see through objects more than one could from a 4 dimensional point of "
    "view (bad = showing all 8 cubes at once, like a wireframe version of a cube shows an "
    "impossible to see all 6 sides of a cube at once) can skew your interpretation of a 4 "
    "dimensional viewpoint, which is \"see-through\" enough as is compared to how we normally see "
    "things (or think we see things). It may be harder to play it with this option on, but it "
    "should make a 4D viewpoint easier to understand, conceptually speaking.";
inline constexpr std::string_view kSmashMissing =
    "   Smash has not been added to this game. Merrin, Duomar and Dorvan are the variants you "
    "can play.";

}  // namespace dorvan::window4d::texts
