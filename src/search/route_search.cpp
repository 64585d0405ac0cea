#include "search/route_search.h"

#include <algorithm>
#include <bit>
#include <memory>

#include "search/route_search_engine.h"
#include "search/search_messages.h"

namespace szl {

namespace {
constexpr bool isObjectCode(int c) {
  return (c >= 1 && c <= 9) || c == 21 || c == 22 || c == 48 || (c >= 50 && c <= 53) || c == 210 ||
         c == 220 || c == 480 || (c >= 500 && c <= 530);
}

// The element row of every code up to the highest non-electrified one; -1 for an object code,
// -2 for a code no walk goes into.
constexpr int kHighestCode = 660;
constexpr auto kKindOfCode = [] {
  std::array<int8_t, kHighestCode + 1> t{};
  for (int c = 0; c <= kHighestCode; ++c) {
    const int row = elementRow(c);
    t[c] = static_cast<int8_t>(isObjectCode(c) ? -1 : row >= 0 ? row : -2);
  }
  return t;
}();

// kExits[row][entry port - 1][crossing type]: the ports a train may leave by, bit p-1 for p.
using ExitTable = std::array<std::array<std::array<uint8_t, kCrossTypes>, 8>, kElementRows>;
constexpr ExitTable kExits = [] {
  ExitTable t{};
  for (int r = 0; r < kElementRows; ++r)
    for (int f = 0; f < 8; ++f)
      for (int e = 0; e < 8; ++e)
        for (int k = 0; k < kCrossTypes; ++k)
          if (PortPass[r][f][e][k]) t[r][f][k] = static_cast<uint8_t>(t[r][f][k] | (1 << e));
  return t;
}();
}  // namespace

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

  const size_t cells = st_.Cells.size();
  cellKind_.resize(cells);
  for (size_t i = 0; i < cells; ++i) {
    const int code = st_.Cells[i].Code;
    cellKind_[i] = code >= 0 && code <= kHighestCode ? kKindOfCode[code] : kDeadCell;
  }
  seen_.assign(cells, 0);

  host_.counters(result_.counters);
  host_.routeFlags(false, false);
  host_.progress(0, st_.LinkCount);
  host_.stackDepth(shownDepth_ = 0);

  for (int y = 0; y < st_.RowCount() && !stopped_; ++y) {
    for (int x = 0; x < st_.ColCount() && !stopped_; ++x) {
      // Point 0 would end a route line: no route may start there.
      if (st_.cell(x, y).Linked != 1 || (x == 0 && y == 0)) continue;
      for (int d = 8; d >= 1 && !stopped_; --d)
        if (st_.link(x, y, d) == kLink) walkFrom(x, y, d);
    }
  }
  finish();
  return result_;
}

void RouteSearch::walkFrom(int x, int y, int port) {
  CurX = x;
  CurY = y;
  shownLimits_.clear();
  SearchStack[0] = {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(port), 0,
                    false};
  StackTop = 1;
  ++StartCount;
  for (StackEntry& e : SearchStack) e.segments = 0;
  host_.progress(StartCount, st_.LinkCount);
  showDepth();
  host_.startMarker(x, y, port, false);

  do {
    walkPass();
    showDepth();
  } while (StackTop != 0 && !stopped_);

  host_.startMarker(x, y, port, true);
  if (!stopped_) host_.yieldToUser();
}

// The first exit pushed lands on the current level and continues its cells; every further one
// gets a fresh level; the last pushed is walked first.
inline void RouteSearch::push(int x, int y, int port) {
  StackEntry& e = SearchStack[StackTop];
  e.x = static_cast<int16_t>(x);
  e.y = static_cast<int16_t>(y);
  e.port = static_cast<int16_t>(port);
  e.finished = false;
  if (StackTop == kStackSize - 1) [[unlikely]] {
    tellLimit(stackOverflowMessage(startPoint()));
    return;
  }
  ++StackTop;
  SearchStack[StackTop].segments = 0;
}

inline bool RouteSearch::record(int x, int y, const CellRec& c) {
  int level = StackTop;
  if (SearchStack[level].segments == kLevelCapacity) [[unlikely]] {
    if (!continueFullLevel()) return false;
    level = StackTop;
  }
  const int slot = SearchStack[level].segments++;
  const Segment* before = slot > 0 ? &RouteSegments[level][slot - 1] : nullptr;
  RouteSegments[level][slot] = {
      c.Code,
      static_cast<int16_t>(x),
      static_cast<int16_t>(y),
      c.TwoWay,
      c.Electrified,
      static_cast<int16_t>((before ? before->oneWayUpTo : 0) + (c.TwoWay == 0)),
      static_cast<int16_t>((before ? before->plainUpTo : 0) + (c.Electrified == 0))};
  return true;
}

// Takes the top entry and walks one cell from it; L = StackTop afterwards is the level that
// receives the cell.
void RouteSearch::walkPass() {
  const StackEntry& top = SearchStack[StackTop - 1];
  if (top.finished) {
    --StackTop;
    return;
  }
  const int p = top.port;
  const int nx = top.x + PortStep[p - 1].dx;
  const int ny = top.y + PortStep[p - 1].dy;
  --StackTop;
  // Cell (0, 0) cannot be part of a route: a walk entering it ends there.
  if (!st_.inside(nx, ny) || (nx == 0 && ny == 0)) return;
  const size_t at = static_cast<size_t>(ny) * st_.ColCount() + nx;
  const int kind = cellKind_[at];
  const CellRec& cell = st_.Cells[at];
  const int entry = 9 - p;

  const uint8_t* links = st_.CellLinks.data() + at * 8;  // links[p - 1] for port p
  if (kind >= 0) {
    if (links[entry - 1] != kLink) return;
    if (!record(nx, ny, cell)) return;
    const int type = cell.CrossType >= 0 && cell.CrossType < kCrossTypes ? cell.CrossType : 0;
    // Highest port first.
    for (unsigned exits = kExits[kind][entry - 1][type]; exits != 0;) {
      const int e = std::bit_width(exits);
      exits &= ~(1u << (e - 1));
      push(nx, ny, e);
    }
  } else if (kind == kObjectCell) {
    if (!record(nx, ny, cell)) return;
    NoContinue = false;
    if (entryAccepts(cell.Code, nx, ny, p)) PiszTrase();
    if (stopped_) return;
    if (SearchAborted) {
      stop(SearchEnd::Aborted);
      return;
    }
    if (!NoContinue && cell.Passable == 1) {
      for (int k = 0; k < 3; ++k) {
        const int e = TurnPorts[entry - 1][k];
        if (links[e - 1] != kNoLink) push(nx, ny, e);
      }
    }
  }
}

// An entry or exit accepts a walk only in its own direction, an entry-exit from any side but
// straight north or south, any other object through a linked port.
bool RouteSearch::entryAccepts(int code, int x, int y, int port) const {
  switch (code) {
    case 50:
    case 500:
      return port == 1 || port == 4 || port == 6;
    case 51:
    case 510:
      return port == 3 || port == 5 || port == 8;
    case 52:
    case 520:
      return port != 2 && port != 7;
    default:
      return st_.link(x, y, 9 - port) == kLink;
  }
}

// The walk goes on on the next level. The entry of the full level is still below it on the
// stack and must not be walked again.
bool RouteSearch::continueFullLevel() {
  if (StackTop == kStackSize - 1) {
    tellLimit(stackOverflowMessage(startPoint()));
    return false;
  }
  SearchStack[StackTop].finished = true;
  ++StackTop;
  SearchStack[StackTop].segments = 0;
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

void RouteSearch::finish() {
  const bool written = file_.close();
  if (result_.end == SearchEnd::WriteFailed) return;  // reported when it happened
  if (!written) {
    host_.ask(routeFileWriteMessage(result_.routeFile, file_.error()));
    result_.end = SearchEnd::WriteFailed;
    return;
  }
  if (result_.end == SearchEnd::Completed || result_.end == SearchEnd::Aborted)
    host_.ask(searchSummary(result_.counters));
}

}  // namespace szl
