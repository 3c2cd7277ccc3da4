#include "rules/texts.h"

namespace dorvan::rules::texts {

std::string variantCaption(Variant variant) {
  switch (variant) {
    case Variant::kDuomar:
      return "Game = Duomar";
    case Variant::kDorvan:
      return "Game = Dorvan";
    case Variant::kMerrin:
      break;
  }
  return "Game = Merrin";
}

std::string moveStatus(Variant variant, int completed, Side mover, Side next) {
  switch (completed) {
    case 0:
      return "No score    " + std::string(sideName(next)) + "'s turn.";
    case 1:
      // In Duomar a box does not earn another move, so the line names who plays next instead.
      if (variant == Variant::kDuomar)
        return " Score!      " + std::string(sideName(next)) + "'s turn now.";
      return " Score!      " + std::string(sideName(mover)) + " goes again.";
    case 2:
      return "  Double score!      Two cool!";
    case 3:
      return "  Triple score!      Awesome!";
    default:
      return " Quadruple score!   Killer move!";
  }
}

std::string_view pointsResult(int bluePoints, int redPoints) {
  if (bluePoints == redPoints) return "By points its a tie";
  return bluePoints < redPoints ? "Red wins by points." : "Blue wins by points.";
}

std::string_view scoreResult(int blueScore, int redScore) {
  if (blueScore == redScore) return "By score its a tie";
  return blueScore < redScore ? "Red wins by score." : "Blue wins by score.";
}

}  // namespace dorvan::rules::texts
