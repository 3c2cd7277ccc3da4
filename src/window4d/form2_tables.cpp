// What the tesseract window shows the driver of its state.

#include "rules/position.h"
#include "window4d/form2.h"

namespace dorvan::window4d {

std::optional<forms::TableView> Form2::table(std::string_view name) const {
  const rules::Position& position = session_.game.position;
  if (name == "lineowner")
    return forms::TableView::row(rules::ownerTable(kBoard, position), kLineCount);
  if (name == "sqmarks")
    return forms::TableView::rows2d(rules::marksTable(kBoard, position, rules::BoxKind::kSquares),
                                    kSquareCount, kLinesPerSquare);
  if (name == "cellmarks")
    return forms::TableView::rows2d(rules::marksTable(kBoard, position, rules::BoxKind::kSolids),
                                    kCellCount, kLinesPerCell);
  if (name == "unitdone") return forms::TableView::row(rules::claimedTable(position), kSquareCount);
  if (name == "sidecount") return forms::TableView::row(session_.game.sidecount, kSquareCount);
  if (name == "sqlines") return forms::TableView::rows2d(sqlines, kSquareCount, kLinesPerSquare);
  if (name == "celllines") return forms::TableView::rows2d(celllines, kCellCount, kLinesPerCell);
  if (name == "flashlist") return forms::TableView::row(flashlist, kFlashSlots);
  if (name == "flashcolours") return forms::TableView::row(flashcolours, kFlashSlots);
  if (name == "homecolours") return forms::TableView::row(homecolours_, kFrameCount);
  if (name == "mover") return forms::TableView::scalar(session_.game.mover);
  if (name == "redtomove") return forms::TableView::scalar(session_.game.redtomove);
  if (name == "bluestarts") return forms::TableView::scalar(session_.game.bluestarts);
  if (name == "redpoints") return forms::TableView::scalar(session_.game.red.points);
  if (name == "bluepoints") return forms::TableView::scalar(session_.game.blue.points);
  if (name == "locatedpos") return forms::TableView::scalar(locatedpos_);
  if (name == "turns") return forms::TableView::row(orientation_.turns);
  if (name == "timelimit") return forms::TableView::scalar(session_.clock.timelimit());
  if (name == "timeleft") return forms::TableView::scalar(session_.clock.timeleft());
  return std::nullopt;
}

}  // namespace dorvan::window4d
