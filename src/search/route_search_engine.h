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
  static constexpr int kLongRoute = 59;  // from this length on only with allowLong

  RouteSearch(const Station& st, const SearchOptions& options, bool confirmMode, SearchHost& host);
  RouteSearch(const RouteSearch&) = delete;
  RouteSearch& operator=(const RouteSearch&) = delete;

  SearchResult Wyszukaj();

 private:
  struct StackEntry {
    int16_t x = 0;
    int16_t y = 0;
    int16_t port = 0;       // the walk leaves the cell through this port
    int16_t segments = 0;   // cells held by this level of RouteSegments
    bool finished = false;  // its level overflowed and was continued above it: not walked again
  };
  struct Segment {
    int16_t code;
    int16_t x;
    int16_t y;
    int16_t twoWay;
    int16_t electrified;
    // One-way and non-electrified cells in the slots of this level up to this one, so that a
    // route's flags are known without copying it.
    int16_t oneWayUpTo;
    int16_t plainUpTo;
  };

  // Walking (route_search.cpp).
  void walkFrom(int x, int y, int port);
  void walkPass();
  // Once per cell walked: kept inline in the walk.
  [[gnu::always_inline]] inline void push(int x, int y, int port);
  [[gnu::always_inline]] inline bool record(int x, int y, const CellRec& c);
  bool continueFullLevel();
  bool entryAccepts(int code, int x, int y, int port) const;
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

  // Per cell: its element row, or one of the two values below.
  static constexpr int8_t kObjectCell = -1;
  static constexpr int8_t kDeadCell = -2;
  std::vector<int8_t> cellKind_;
  // Cells met by the route under review, to find a repeated one without comparing all pairs.
  std::vector<uint32_t> seen_;
  uint32_t seenStamp_ = 0;
  bool repeats_ = false;  // the route may repeat an element
  int firstGap_ = -1;     // the first entry not followed by a neighbour, or -1
  std::vector<std::string> shownLimits_;
};

}  // namespace szl
