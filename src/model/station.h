// The open station: the grid of cell records, the object records, the links through every
// port and the station-wide values. One object owns all of it; opening or trimming a station
// builds a new one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/element_tables.h"

namespace szl {

struct CellRec {
  int16_t Code = 0;
  int16_t Linked = 0;       // an object cell that can start or end a route
  int16_t TwoWay = 0;       // routes through the cell may run both ways
  int16_t Electrified = 0;  // code below 100
  int16_t Passable = 0;     // a route may pass through rather than end here
  int16_t CrossType = 0;    // movements of a slip crossing, 0..6
  int16_t InObject = 0;     // part of a recognised three-cell platform or goods-track object
};

struct ObjectRec {
  uint8_t Direction = 0;
  uint8_t Side = 0;
  int16_t ValueA = 0;
  int16_t ValueB = 0;
  int16_t ValueC = 0;
  int16_t ValueD = 0;
  int16_t ValueE = 0;
  // Typed by the author or taken from a saved station file: the analysis fills its defaults
  // only where this is false, so it never overwrites the author's work.
  bool AuthorData = false;
};

// A route the author kept in a saved station file, carried over to the selector of the next
// search, which ticks it again when the search finds it.
struct KeptRoute {
  std::vector<int16_t> points;  // in this grid's point numbers; empty once trimmed away
  bool bidirectional = false;
  bool electrified = false;
  int64_t line = 0;       // its line in the saved file
  int16_t fileStart = 0;  // start and end as the saved file numbered them
  int16_t fileEnd = 0;
};

// Link values in CellLinks.
inline constexpr uint8_t kNoLink = 0;
inline constexpr uint8_t kLink = 1;
inline constexpr uint8_t kInternalLink = 2;  // between cells of one three-cell object

// Sizes whose point numbers (row * 100 + column) stay unique and fit 16 bits: the analysis and
// everything after it need them.
inline constexpr int kMaxColumns = 100;
inline constexpr int kMaxRows = 327;
// A bigger grid still opens, to be trimmed down; beyond this its view alone would take more
// than about 100 MB.
inline constexpr int kLoadColumns = 200;
inline constexpr int kLoadRows = 400;

// The simulator's limits and what fits on the screen.
inline constexpr int kSimulatorColumns = 57;
inline constexpr int kSimulatorRows = 32;
inline constexpr int kScreenColumns = 59;
inline constexpr int kScreenRows = 34;

inline constexpr const char* kDefaultComment =
    "[Tu wpisz swój komentarz na temat stworzonej przez siebie stacji, np. imię i nazwisko "
    "autora, e-mail autora, nazwę i datę utworzenia stacji, nazwy i wersje programów użytych "
    "do stworzenia tej stacji, uwagi itd.]";

constexpr int pointNumber(int x, int y) { return y * 100 + x; }
constexpr int pointColumn(int point) { return point % 100; }
constexpr int pointRow(int point) { return point / 100; }

class Station {
 public:
  Station() = default;
  Station(int cols, int rows);

  int ColCount() const { return cols_; }
  int RowCount() const { return rows_; }
  bool empty() const { return cols_ == 0 || rows_ == 0; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < cols_ && y < rows_; }

  CellRec& cell(int x, int y) { return Cells[index(x, y)]; }
  const CellRec& cell(int x, int y) const { return Cells[index(x, y)]; }
  ObjectRec& object(int x, int y) { return CellObjects[index(x, y)]; }
  const ObjectRec& object(int x, int y) const { return CellObjects[index(x, y)]; }
  // port 1..8
  uint8_t& link(int x, int y, int port) { return CellLinks[index(x, y) * 8 + port - 1]; }
  uint8_t link(int x, int y, int port) const { return CellLinks[index(x, y) * 8 + port - 1]; }

  // Stores a code. A track element also gets its links and flags from the element tables;
  // objects, digits and unknown codes get nothing until the preparation.
  void setCode(int x, int y, int16_t code);

  // Gives every track cell its links and flags again from its code.
  void applyTrackLinks();

  std::vector<CellRec> Cells;
  std::vector<ObjectRec> CellObjects;
  std::vector<uint8_t> CellLinks;

  std::string StationDir;   // folder of the station file, ending in a separator (or empty)
  std::string StationFile;  // file name
  std::string StationComment = kDefaultComment;
  int TickIndex = kDefaultTickIndex;
  int LinkCount = 0;
  // The kept routes of a saved station file, when the author took them over. RoutesTaken tells
  // a file without kept routes from a station opened without its saved data.
  std::vector<KeptRoute> KeptRoutes;
  bool RoutesTaken = false;

 private:
  size_t index(int x, int y) const { return static_cast<size_t>(y) * cols_ + x; }
  int cols_ = 0;
  int rows_ = 0;
};

}  // namespace szl
