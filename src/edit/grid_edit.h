// Editing the grid: every change is an edit that holds what it changed and can apply and undo
// itself on the station, so that a window wraps each in one undo step. The author's data goes
// with the object it describes: it moves with a moved object, stays with a cell repainted with
// the same kind of object, and is dropped, and named, when the object goes.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/station.h"
#include "model/trimming.h"

namespace szl {

// A rectangle of cells: `w` columns and `h` rows from (x, y).
struct CellRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
};

// What an edit keeps of a cell: its code, a slip crossing's movements and the object data.
struct CellContent {
  int16_t Code = 0;
  int16_t CrossType = 0;
  ObjectRec object;
};

// Cells cut or copied out of a station, to be pasted into this one or another.
struct CellBlock {
  int w = 0;
  int h = 0;
  std::vector<CellContent> cells;  // row after row
};

class GridEdit {
 public:
  // What the undo command says: "Cofnij: " + name.
  const std::string& name() const { return name_; }
  // The author's data this edit throws away, one line each, for the same list as the data a
  // saved file could not give.
  const std::vector<std::string>& dropped() const { return dropped_; }
  // The cells the edit changed, as the station stands after it; a change of size touches all.
  CellRect touched() const { return touched_; }
  bool resizes() const { return wholeAfter_ != nullptr; }

  void apply(Station& st) const;
  void undo(Station& st) const;

 private:
  friend class GridEditor;
  std::string name_;
  std::vector<std::string> dropped_;
  CellRect touched_;
  CellBlock before_;  // the cells of `touched_` before and after, for an edit in place
  CellBlock after_;
  std::shared_ptr<const Station> wholeBefore_;  // the grid before and after a change of size
  std::shared_ptr<const Station> wholeAfter_;
};

// The edits, each made from the station as it stands; none changes it until applied.
class GridEditor {
 public:
  // Paints `code` into each of `cells` (one drag is one edit).
  static GridEdit paint(const Station& st, std::span<const std::pair<int, int>> cells,
                        int16_t code);
  // Empties the cells of `r`.
  static GridEdit erase(const Station& st, CellRect r);
  // Moves the cells of `r` by (dx, dy); what they leave becomes empty, what they land on goes.
  // Nothing when the rectangle would leave the grid.
  static std::optional<GridEdit> move(const Station& st, CellRect r, int dx, int dy);
  static CellBlock copy(const Station& st, CellRect r);
  // Pastes `block` with its top left cell at (x, y), cut where it passes the grid's edge.
  static GridEdit paste(const Station& st, const CellBlock& block, int x, int y);
  // Flips `r` left to right, every piece into its mirror image. Nothing when a piece has none.
  static std::optional<GridEdit> flip(const Station& st, CellRect r);
  // A row or column inserted before `at` or deleted at `at`: every point number after it
  // changes. Nothing when the grid would pass the size a station can have or lose its last.
  static std::optional<GridEdit> insertRow(const Station& st, int at);
  static std::optional<GridEdit> deleteRow(const Station& st, int at);
  static std::optional<GridEdit> insertColumn(const Station& st, int at);
  static std::optional<GridEdit> deleteColumn(const Station& st, int at);
  // Trimming as one edit, so that it can be undone as well.
  static GridEdit trim(const Station& st, const TrimRect& r);

 private:
  static GridEdit inPlace(std::string name, CellRect r, CellBlock before, CellBlock after,
                          std::vector<std::string> dropped);
  static GridEdit resized(const Station& st, Station after, std::string name,
                          std::vector<std::string> dropped);
  // A row (`row`) or column inserted before `at` or deleted at `at`.
  static std::optional<GridEdit> line(const Station& st, int at, bool row, bool insert);
};

// The mirror image left to right of a cell's code and, for a slip crossing, its movements;
// nothing when the tables have no mirrored piece for it.
std::optional<std::pair<int16_t, int16_t>> mirrored(int16_t code, int16_t crossType);

// A new empty station of `cols` x `rows` cells.
Station newStation(int cols, int rows);

}  // namespace szl
