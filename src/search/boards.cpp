// The only place where the search meets the boards' tables.

#include "search/boards.h"

#include <memory>
#include <span>

#include "game3d/board.h"
#include "game4d/board.h"
#include "search/openings.h"

namespace dorvan::embedded {
// The tesseract's solved openings in Merrin, at the normal level and at the half level.
extern const std::span<const unsigned char> shipped_openings[2];
}  // namespace dorvan::embedded

namespace dorvan::search {
namespace {

using rules::Variant;

// Rows 1..count of one kind of box, as line sets.
std::vector<Lines> masksOf(const rules::BoxTable& table) {
  return {table.masks.begin() + 1, table.masks.begin() + 1 + table.count};
}

// What fits a move's 250 ms of processor time with room to spare on a busy machine: the exact
// search where it usually finishes within about 100 ms, and its budget in positions (a position
// costs more on the tesseract, whose 384 symmetries are tried more often). Duomar's positions
// also carry who drew each line, so its exact search starts later.
Plan planFor(bool cube, Variant variant) {
  if (variant == Variant::kDuomar) return {14, 150'000, 48};
  if (cube) return variant == Variant::kDorvan ? Plan{17, 500'000, 48} : Plan{27, 300'000, 48};
  return variant == Variant::kDorvan ? Plan{16, 160'000, 64} : Plan{22, 160'000, 64};
}

// A board's lines (those in `closed` never drawn) scoring its solids in Dorvan and its squares
// otherwise; a box that holds a closed line never counts.
Board makeBoard(bool cube, Variant variant, const rules::Board& tables, Lines closed) {
  const std::vector<Lines> squares = masksOf(tables.squares);
  const std::vector<Lines> solids = masksOf(tables.solids);
  Board board;
  board.lineCount = tables.lineCount;
  board.playable = tables.allLines() & ~closed;
  for (Lines unit : rules::scoresSquares(variant) ? squares : solids)
    if ((unit & closed) == 0) board.boxes.push_back(unit);
  board.groups = solids;
  board.shapes = squares;
  board.moveAgain = !rules::ownLinesOnly(variant);
  board.ownLines = rules::ownLinesOnly(variant);
  board.plan = planFor(cube, variant);
  finish(board, true);
  return board;
}

}  // namespace

const Board& cubeBoard(Variant variant) {
  static const Board boards[] = {makeBoard(true, Variant::kMerrin, game3d::kBoard, 0),
                                 makeBoard(true, Variant::kDuomar, game3d::kBoard, 0),
                                 makeBoard(true, Variant::kDorvan, game3d::kBoard, 0)};
  return boards[rules::variantIndex(variant)];
}

const Board& tesseractBoard(Variant variant, bool halfLevel) {
  auto make = [](Variant v, bool half) {
    Board board = makeBoard(false, v, game4d::kBoard, half ? game4d::kHalfLevelClosedLines : 0);
    if (v == Variant::kMerrin) {
      Openings table = Openings::decode(embedded::shipped_openings[half ? 1 : 0]);
      if (table.depth() >= 0)
        board.openings = std::make_shared<const SolvedOpenings>(board, std::move(table));
    }
    return board;
  };
  static const Board boards[2][3] = {
      {make(Variant::kMerrin, false), make(Variant::kDuomar, false), make(Variant::kDorvan, false)},
      {make(Variant::kMerrin, true), make(Variant::kDuomar, true), make(Variant::kDorvan, true)}};
  return boards[halfLevel ? 1 : 0][rules::variantIndex(variant)];
}

const Board* tesseractBoardNamed(std::string_view variant, std::string_view level) {
  if ((variant != "merrin" && variant != "dorvan") || (level != "normal" && level != "half"))
    return nullptr;
  return &tesseractBoard(variant == "dorvan" ? Variant::kDorvan : Variant::kMerrin,
                         level == "half");
}

Node nodeOf(const rules::Position& position, Variant variant, rules::Side toMove) {
  return {position.drawn(), rules::ownLinesOnly(variant) ? position.ownedBy(toMove) : 0};
}

}  // namespace dorvan::search
