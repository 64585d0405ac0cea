#include "search/route_search.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <memory>

#include "search/route_search_engine.h"
#include "search/search_messages.h"
#include "search/walk_steps.h"

namespace szl {

SearchResult Wyszukaj(const Station& st, const SearchOptions& options, bool confirmMode,
                      SearchHost& host) {
  // The segment table is large; keep it off the caller's stack.
  auto search = std::make_unique<RouteSearch>(st, options, confirmMode, host);
  return search->Wyszukaj();
}

RouteSearch::RouteSearch(const Station& st, const SearchOptions& options, bool confirmMode,
                         SearchHost& host)
    : st_(st), options_(options), ConfirmMode(confirmMode), host_(host) {}

SearchResult RouteSearch::Wyszukaj() {
  result_.routeFile = routeFilePath(st_.StationDir, options_.routeFileBase);
  if (!isRouteFileBase(options_.routeFileBase)) {
    host_.ask(routeFileNameMessage(options_.routeFileBase));
    result_.end = SearchEnd::Refused;
    return result_;
  }
  if (!file_.create(result_.routeFile)) {
    host_.ask(routeFileCreateMessage(result_.routeFile, file_.error()));
    result_.end = SearchEnd::Refused;
    return result_;
  }
  buildWalkTable();

  host_.counters(result_.counters);
  host_.routeFlags(false, false);
  host_.progress(0, st_.LinkCount);
  host_.stackDepth(shownDepth_ = 0);

  for (int y = 0; y < st_.RowCount() && !stopped_; ++y) {
    for (int x = 0; x < st_.ColCount() && !stopped_; ++x) {
      for (int d = 8; d >= 1 && !stopped_; --d)
        if (startsWalk(st_, x, y, d)) walkFrom(x, y, d);
    }
  }
  finish();
  return result_;
}

// Everything the walk asks of a cell, once per search: a step costs one load, and along a
// track the next step's place in the table is in the entry itself.
void RouteSearch::buildWalkTable() {
  const int cols = st_.ColCount();
  const int width = cols + 2;
  const size_t cells = static_cast<size_t>(width) * (st_.RowCount() + 2);
  walkTable_.assign(cells * 8, 0);
  cellOf_.assign(cells, RouteCell{});
  firstAt_.assign(cells, 0xFF);
  for (int p = 1; p <= 8; ++p) stepIn_[8 - p] = PortStep[p - 1].dy * width + PortStep[p - 1].dx;

  for (int y = 0; y < st_.RowCount(); ++y) {
    for (int x = 0; x < cols; ++x) {
      const CellRec& c = st_.cell(x, y);
      const uint32_t at = cellIndex(x, y);
      cellOf_[at] = {c.Code, static_cast<int16_t>(x), static_cast<int16_t>(y)};
      const unsigned flags =
          (c.TwoWay == 0 ? kOneWayCell : 0) | (c.Electrified == 0 ? kPlainCell : 0);
      for (int entry = 1; entry <= 8; ++entry) {
        const CellEntry e = enterCell(st_, x, y, entry);
        if (!e.enters) continue;
        uint64_t w = kEnters | flags << kFlagShift | e.exits;
        if (e.object) {
          w |= kObject | (e.accepts ? kAccepts : 0);
        } else if (std::has_single_bit(unsigned{e.exits})) {
          const unsigned in = 8 - static_cast<unsigned>(std::bit_width(unsigned{e.exits}));
          w |= kOnlyExit | uint64_t{(at + stepIn_[in]) * 8 + in} << kNextShift;
        }
        walkTable_[at * 8 + entry - 1] = w;
      }
    }
  }
}

// The first exit pushed lands on the current level and continues its cells; every further one
// gets a fresh level; the last pushed is walked first.
inline void RouteSearch::push(uint32_t cell, int port) {
  StackEntry& e = SearchStack[StackTop];
  e.cell = cell;
  e.port = static_cast<int16_t>(port);
  e.finished = false;
  if (StackTop == kStackSize - 1) [[unlikely]] {
    tellLimit(stackOverflowMessage(startPoint()));
    return;
  }
  openLevel(++StackTop);
}

// A level taken into use above the others starts empty.
inline void RouteSearch::openLevel(int level) {
  const StackEntry& below = SearchStack[level - 1];
  StackEntry& e = SearchStack[level];
  e.segments = 0;
  e.cellsBelow = static_cast<int16_t>(below.cellsBelow + below.segments);
  e.flagsBelow =
      static_cast<uint8_t>(below.flagsBelow | RouteSegments[level - 1][below.segments].upTo());
}

// Takes the top entry and walks from it; L = StackTop afterwards is the level that receives the
// cells. A cell with one exit would push it and take it straight back: the walk just goes on,
// which leaves the stack, the levels and the depth shown exactly as the push and the next pass
// would.
inline void RouteSearch::walkBranch() {
  const int level = --StackTop;
  const StackEntry& top = SearchStack[level];
  if (top.finished) return;
  // The state of the walk lives in locals until it leaves this loop: the stores into the level
  // would otherwise make the compiler read the members again for every cell.
  const unsigned in = 8 - top.port;  // entry port - 1 of the next cell
  uint32_t place = (top.cell + stepIn_[in]) * 8 + in;
  const int first = SearchStack[level].segments;
  int count = first;
  Segment* row = RouteSegments[level].data();
  uint32_t upTo = row[count].upTo();
  const uint64_t* table = walkTable_.data();
  // With 49 entries pending the push of even one exit fails: no shortcut then.
  const uint64_t goOn = level < kStackSize - 1 ? kOnlyExit : 0;
  uint64_t w;
  bool full = false;
  for (;;) {
    w = table[place];
    if (!(w & kEnters)) break;
    if (count == kLevelCapacity) [[unlikely]] {
      full = true;
      break;
    }
    upTo |= static_cast<uint32_t>(w >> kFlagShift & 3);
    row[++count] = {place >> 3 << 2 | upTo};
    if (!(w & goOn)) break;
    place = static_cast<uint32_t>(w >> kNextShift);
  }
  const uint32_t at = place >> 3;

  SearchStack[level].segments = static_cast<int16_t>(count);
  if (count != first) {
    dirtyFrom_ = std::min(dirtyFrom_, (level << 7) + first);
    cellsWalked(static_cast<uint32_t>(count - first));
  }
  if (!(w & kEnters)) return;
  if (full) {
    // The level is full: the cell opens the next one.
    cellsWalked(1);
    if (!recordOnNextLevel(at, w)) return;
  }
  if (w & kObject) {
    objectReached(at, w);
    return;
  }
  // Highest port first.
  for (unsigned exits = w & kExitMask; exits != 0;) {
    const int e = std::bit_width(exits);
    exits &= ~(1u << (e - 1));
    push(at, e);
  }
}

void RouteSearch::walkFrom(int x, int y, int port) {
  CurX = x;
  CurY = y;
  shownLimits_.clear();
  const uint32_t start = cellIndex(x, y);
  SearchStack[0] = {start, static_cast<int16_t>(port), 0, false, 0, 0};
  StackTop = 1;
  ++StartCount;
  for (StackEntry& e : SearchStack) e.segments = 0;

  // A new start: nothing of the previous route is kept but entry 0.
  const CellRec& c = st_.cell(x, y);
  RouteCells[0] = {c.Code, static_cast<int16_t>(x), static_cast<int16_t>(y)};
  routeIndex_[0] = start;
  firstAt_[start] = 0;
  levelStart_[0] = 1;
  assembledTop_ = -1;
  dirtyFrom_ = kClean;
  farEnd_ = 0;
  if (c.InObject == 1) {
    const int position = st_.object(x, y).ValueB;
    if (position == 1 && x + 2 < st_.ColCount()) farEnd_ = cellIndex(x + 2, y);
    if (position == 3 && x >= 2) farEnd_ = cellIndex(x - 2, y);
  }

  host_.progress(StartCount, st_.LinkCount);
  showDepth();
  host_.startMarker(x, y, port, false);

  walkedFromPort_ = 0;
  const auto started = std::chrono::steady_clock::now();
  do {
    walkBranch();
    showDepth();
  } while (StackTop != 0 && !stopped_ && walkedFromPort_ < kWalkCellLimit);
  if (StackTop != 0 && !stopped_) {
    // Given up: the pending branches are dropped and the author is told how long it took.
    StackTop = 0;
    showDepth();
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
    tellLimit(walkAbandonedMessage(pointNumber(x, y), walkedFromPort_, spent.count()));
  }

  host_.startMarker(x, y, port, true);
  if (!stopped_) host_.yieldToUser();
}

// Once per kStillWorkingCells cells walked the host may let the window breathe.
void RouteSearch::cellsWalked(uint32_t n) {
  const uint32_t before = walked_;
  walked_ += n;
  walkedFromPort_ += n;
  if (walked_ / kStillWorkingCells != before / kStillWorkingCells) host_.stillWorking();
}

// The walk has just recorded object cell `cell`: the route is recorded when the object takes a
// walk from this side, then the walk may go on through it (lowest port first).
void RouteSearch::objectReached(uint32_t cell, uint64_t entering) {
  NoContinue = false;
  if (entering & kAccepts) PiszTrase();
  if (stopped_) return;
  if (SearchAborted) {
    stop(SearchEnd::Aborted);
    return;
  }
  if (NoContinue) return;
  for (unsigned exits = entering & kExitMask; exits != 0; exits &= exits - 1)
    push(cell, std::countr_zero(exits) + 1);
}

// The level is full: the cell goes on the next one.
bool RouteSearch::recordOnNextLevel(uint32_t cell, uint64_t entering) {
  if (!continueFullLevel()) return false;
  const int level = StackTop;
  RouteSegments[level][1] = {cell << 2 | static_cast<uint32_t>(entering >> kFlagShift & 3)};
  SearchStack[level].segments = 1;
  dirtyFrom_ = std::min(dirtyFrom_, level << 7);
  return true;
}

// The walk goes on on the next level. The entry of the full level is still below it on the
// stack and must not be walked again.
bool RouteSearch::continueFullLevel() {
  if (StackTop == kStackSize - 1) {
    tellLimit(stackOverflowMessage(startPoint()));
    return false;
  }
  SearchStack[StackTop].finished = true;
  openLevel(++StackTop);
  tellLimit(segmentOverflowMessage(startPoint()));
  return true;
}

bool RouteSearch::limitToShow(const Message& m) {
  ++result_.limitMessages[static_cast<size_t>(m.kind)];
  if (std::find(shownLimits_.begin(), shownLimits_.end(), m.text) != shownLimits_.end())
    return false;
  shownLimits_.push_back(m.text);
  return true;
}

// The depth as it stands between two cells of the walk; within one cell nobody sees it.
void RouteSearch::showDepth() {
  if (StackTop != shownDepth_) host_.stackDepth(shownDepth_ = StackTop);
}

void RouteSearch::tellLimit(const Message& m) {
  if (limitToShow(m)) host_.ask(m);
}

void RouteSearch::stop(SearchEnd why) {
  stopped_ = true;
  result_.end = why;
}

// The counters end as the route file does: routes that never reached it are not counted.
void RouteSearch::finish() {
  host_.stackDepth(shownDepth_ = -1);  // the search is over: even block 0 goes
  const bool written = file_.close();
  if (result_.counters.proper != file_.routes()) {
    result_.counters.proper = static_cast<int>(file_.routes());
    host_.counters(result_.counters);
  }
  if (!written) {
    host_.ask(routeFileWriteMessage(result_.routeFile, file_.error(), file_.routes()));
    result_.end = SearchEnd::WriteFailed;
    return;
  }
  if (result_.end == SearchEnd::FileFull)
    host_.ask(routeFileFullMessage(result_.routeFile, file_.routes()));
  if (result_.end == SearchEnd::Completed || result_.end == SearchEnd::Aborted)
    host_.ask(searchSummary(result_.counters));
}

}  // namespace szl
