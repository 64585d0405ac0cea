// The state of one search: the explicit stack of pending walks, the cells walked per stack
// level, the route under review and the route file. Wyszukaj walks, PiszTrase records.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "search/route_file.h"
#include "search/route_search.h"

namespace szl {

class RouteSearch {
 public:
  static constexpr int kStackSize = 50;
  static constexpr int kSegmentSlots = 100;
  static constexpr int kLevelCapacity = 99;  // the last slot of a level is never filled
  static constexpr int kMaxRouteCells = 200;
  static constexpr int kLongRoute = 59;                 // from this length on only with allowLong
  static constexpr uint32_t kStillWorkingCells = 4096;  // host.stillWorking() once per so many
  // A walk from one start port is given up past this many cells: a loop of track with a switch
  // in it, or a field of crossings, would otherwise keep it going for minutes. Real stations
  // stay far below it: the longest walk of the densest we have (57 x 32, 3227 routes) takes
  // 44,644 cells.
  static constexpr uint32_t kWalkCellLimit = 1u << 20;

  RouteSearch(const Station& st, const SearchOptions& options, bool confirmMode, SearchHost& host);
  RouteSearch(const RouteSearch&) = delete;
  RouteSearch& operator=(const RouteSearch&) = delete;

  SearchResult Wyszukaj();

 private:
  // Cells are named by their index in the walk table: the grid with a border of dead cells
  // around it, so that a step never needs a bounds check.
  struct StackEntry {
    uint32_t cell = 0;
    int16_t port = 0;       // the walk leaves the cell through this port
    int16_t segments = 0;   // cells held by this level of RouteSegments
    bool finished = false;  // its level overflowed and was continued above it: not walked again
    // The levels below, which do not change while this one is in use: their cells, and their
    // kOneWayCell and kPlainCell or-ed together.
    uint8_t flagsBelow = 0;
    int16_t cellsBelow = 0;
  };
  // A walked cell and, or-ed over the slots of its level up to this one, kOneWayCell and
  // kPlainCell, so that a route's flags are known without copying it.
  struct Segment {
    uint32_t bits;
    uint32_t cell() const { return bits >> 2; }
    unsigned upTo() const { return bits & 3; }
  };
  static constexpr unsigned kOneWayCell = 1;
  static constexpr unsigned kPlainCell = 2;

  // The walk table: per cell and entry port, the exit ports (bit p-1 for port p) and what the
  // walk does on entering. For an object the exits are its pass-through ports, when passable.
  // A track cell with one exit holds the place in the table of the step beyond it.
  static constexpr uint64_t kExitMask = 0xFF;
  static constexpr uint64_t kEnters = 1 << 8;     // the cell is recorded
  static constexpr uint64_t kObject = 1 << 9;     // an object cell
  static constexpr uint64_t kAccepts = 1 << 10;   // the object takes a walk from this side
  static constexpr uint64_t kOnlyExit = 1 << 11;  // a track cell with one exit
  static constexpr int kFlagShift = 12;           // kOneWayCell and kPlainCell
  static constexpr int kNextShift = 32;           // with one exit: cell * 8 + entry port - 1
  void buildWalkTable();
  uint32_t cellIndex(int x, int y) const {
    return static_cast<uint32_t>((y + 1) * (st_.ColCount() + 2) + x + 1);
  }

  // Walking (route_search.cpp).
  void walkFrom(int x, int y, int port);
  [[gnu::always_inline]] inline void walkBranch();
  void objectReached(uint32_t cell, uint64_t entering);
  [[gnu::always_inline]] inline void push(uint32_t cell, int port);
  bool recordOnNextLevel(uint32_t cell, uint64_t entering);
  void cellsWalked(uint32_t n);
  bool continueFullLevel();
  void openLevel(int level);
  void finish();
  void showDepth();

  // Recording (route_recording.cpp).
  void PiszTrase();
  void assemble();
  void reportTooLong();
  bool closesOwnObject(int endX, int endY) const;
  const char* filterRejection() const;
  bool repeatTest();
  bool repeatAt(int i, int j) const;
  const char* platformRejection() const;
  void reject(const char* text);
  void writeRoute();
  void inconsistent();
  std::span<const RouteCell> route() const { return {RouteCells.data(), size_t(RouteLength)}; }

  // Counts a limit message; true when it has to be shown, i.e. it was not shown already
  // during this start port's walk (a loop would otherwise repeat it dozens of times).
  bool limitToShow(const Message& m);
  void tellLimit(const Message& m);
  void stop(SearchEnd why);
  int startPoint() const { return pointNumber(CurX, CurY); }

  const Station& st_;
  const SearchOptions& options_;
  const bool ConfirmMode;
  SearchHost& host_;
  SearchResult result_;  // counters: ConnectionCount, ProperRouteCount, ImproperRouteCount
  RouteFileWriter file_;

  std::array<StackEntry, kStackSize> SearchStack{};
  int StackTop = 0;
  // Slot 0 of every level stays empty (upTo() 0): level L's cells are slots 1..segments, and
  // slot `segments` holds the level's flags even when it has no cell.
  std::array<std::array<Segment, kSegmentSlots>, kStackSize> RouteSegments{};

  std::array<RouteCell, kMaxRouteCells> RouteCells{};
  int RouteLength = 0;
  bool RouteTwoWay = true;
  bool RouteElectrified = true;

  int CurX = 0;
  int CurY = 0;
  int StartCount = 0;
  bool SearchAborted = false;
  bool NoContinue = false;
  bool stopped_ = false;  // the search ends now: cancelled, inconsistent or not written
  int shownDepth_ = 0;    // the stack depth the host was last told

  std::vector<uint64_t> walkTable_;  // [cell * 8 + entry port - 1]
  std::vector<RouteCell> cellOf_;    // [cell]
  // [entry port - 1]: the index step from the cell left to the cell entered through that port.
  std::array<int, 8> stepIn_{};
  uint32_t farEnd_ = 0;          // the far end of the three-cell object the walk started from, or 0
  uint32_t walked_ = 0;          // cells walked in this search, for stillWorking
  uint32_t walkedFromPort_ = 0;  // cells walked from the current start port

  // The route under review is assembled incrementally: what the previous assembly copied is
  // kept up to the first slot written since, (level << 7) + slot in dirtyFrom_.
  static constexpr int kClean = kStackSize << 7;
  static constexpr int kNone = 1 << 20;
  int dirtyFrom_ = 0;
  int assembledTop_ = -1;
  std::array<int, kStackSize + 1> levelStart_{};  // the entry of RouteCells a level begins at
  std::array<uint32_t, 256> routeIndex_{};        // the cell of each entry of RouteCells
  // Per cell: the entry of RouteCells it first takes, when RouteCells[that] is still that cell.
  std::vector<uint8_t> firstAt_;
  int firstRepeat_ = kNone;  // the first entry that repeats a cell or meets the far end
  int firstGap_ = kNone;     // the first entry not followed by a neighbour
  std::vector<std::string> shownLimits_;
};

}  // namespace szl
