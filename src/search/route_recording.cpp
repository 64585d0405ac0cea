// PiszTrase: the route the walk has just brought to an object cell is assembled from the stack
// levels, checked, asked about in confirm mode and appended to the route file.
#include <algorithm>
#include <cstdlib>

#include "search/route_search_engine.h"
#include "search/search_messages.h"

namespace szl {

namespace {
bool isEntryCode(int c) { return (c >= 50 && c <= 52) || (c >= 500 && c <= 520); }
bool isCrossingCode(int c) { return c == 23 || c == 62 || c == 230 || c == 620; }
bool neighbours(const RouteCell& a, const RouteCell& b) {
  return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}
}  // namespace

void RouteSearch::PiszTrase() {
  // Length and flags from the levels' running totals: most routes are dropped below as the
  // second direction of a two-way route, and are never copied.
  const CellRec& start = st_.cell(CurX, CurY);
  const StackEntry& top = SearchStack[StackTop];
  const unsigned flags = top.flagsBelow | RouteSegments[StackTop][top.segments].upTo();
  RouteLength = 1 + top.cellsBelow + top.segments;
  RouteTwoWay = start.TwoWay != 0 && !(flags & kOneWayCell);
  RouteElectrified = start.Electrified != 0 && !(flags & kPlainCell);
  if (RouteLength >= kMaxRouteCells) {
    reportTooLong();
    return;
  }
  ++result_.counters.connections;
  host_.counters(result_.counters);

  // A two-way route is found from both ends; only the one from the lower point is kept.
  const RouteCell& end = cellOf_[RouteSegments[StackTop][SearchStack[StackTop].segments].cell()];
  if (RouteTwoWay && startPoint() > pointNumber(end.x, end.y) && !closesOwnObject(end.x, end.y))
    return;
  assemble();
  const RouteCell& s = RouteCells[0];
  const RouteCell& e = RouteCells[RouteLength - 1];

  host_.routeFlags(RouteTwoWay, RouteElectrified);
  if (ConfirmMode) host_.showRoute(route());

  if (!options_.allowLong && RouteLength >= kLongRoute) {
    if (ConfirmMode) {
      host_.ask(longRouteMessage());
      host_.restoreRoute(route());
    }
    NoContinue = true;
    return;
  }
  if (const char* why = filterRejection()) {
    reject(why);
    return;
  }
  if (!repeatTest()) return;
  if (options_.platformRule) {
    if (const char* why = platformRejection()) {
      reject(why);
      return;
    }
  }
  if (ConfirmMode) {
    const Answer a = host_.ask(
        routeQuestion(RouteTwoWay, RouteElectrified, pointNumber(s.x, s.y), pointNumber(e.x, e.y)));
    if (a == Answer::Cancel) {
      SearchAborted = true;
      host_.restoreRoute(route());
      return;
    }
    if (a == Answer::No) {
      ++result_.counters.improper;
      host_.restoreRoute(route());
      return;
    }
  }
  writeRoute();
  if (ConfirmMode) host_.restoreRoute(route());
}

// Entry 0 is the start cell, then the cells of levels 0..StackTop. Consecutive routes share
// most of their cells: the entries that no level has changed since the previous assembly are
// kept. On the way it notes where the route first meets a cell twice, or the far end of the
// three-cell object it started from, and where two cells in a row are not neighbours: most
// routes have neither, and then the pairwise test has nothing to find. Within a level every
// cell is one step from the one before it, so only where levels join can two cells be apart.
void RouteSearch::assemble() {
  const int top = StackTop;
  // What is copied from here on; the route's end was just recorded, so this is on level `top`
  // at the latest.
  const int from = std::min(dirtyFrom_, (assembledTop_ + 1) << 7);
  int level = from >> 7;
  int slot = from & 127;
  int n = levelStart_[level] + slot;
  if (firstRepeat_ >= n) firstRepeat_ = kNone;
  if (firstGap_ + 1 >= n) firstGap_ = kNone;

  // Locals, not members: the stores into the tables below would make the compiler read every
  // member again for each cell.
  RouteCell* out = RouteCells.data();
  uint32_t* index = routeIndex_.data();
  uint8_t* firstAt = firstAt_.data();
  const RouteCell* cellOf = cellOf_.data();
  const uint32_t farEnd = farEnd_;
  int firstRepeat = firstRepeat_;
  int firstGap = firstGap_;
  for (; level <= top; ++level, slot = 0) {
    levelStart_[level] = n - slot;
    const Segment* seg = RouteSegments[level].data() + 1;
    const int count = SearchStack[level].segments;
    if (slot == 0 && count > 0 && !neighbours(out[n - 1], cellOf[seg[0].cell()])) [[unlikely]]
      firstGap = std::min(firstGap, n - 1);
    for (; slot < count; ++slot, ++n) {
      const uint32_t c = seg[slot].cell();
      out[n] = cellOf[c];
      index[n] = c;
      // firstAt[c] is where the route first took c, if RouteCells still holds c there.
      const unsigned first = firstAt[c];
      const bool again = first < static_cast<unsigned>(n) && index[first] == c;
      firstAt[c] = static_cast<uint8_t>(again ? first : static_cast<unsigned>(n));
      if (again || c == farEnd) [[unlikely]]
        firstRepeat = std::min(firstRepeat, n);
    }
  }
  levelStart_[top + 1] = n;
  assembledTop_ = top;
  dirtyFrom_ = kClean;
  firstRepeat_ = firstRepeat;
  firstGap_ = firstGap;
}

// A route that reaches 200 cells is never written and the walk does not go on; the author sees
// its first 199 cells.
void RouteSearch::reportTooLong() {
  RouteLength = 1;
  for (int level = 0; level <= StackTop && RouteLength < kMaxRouteCells - 1; ++level) {
    const int count = SearchStack[level].segments;
    for (int i = 1; i <= count && RouteLength < kMaxRouteCells - 1; ++i)
      RouteCells[RouteLength++] = cellOf_[RouteSegments[level][i].cell()];
  }
  // Entries 1.. no longer match routeIndex_: the next assembly copies them all again.
  assembledTop_ = -1;
  const Message m = routeTooLongMessage();
  if (limitToShow(m)) {
    host_.showRoute(route());
    host_.ask(m);
    host_.restoreRoute(route());
  }
  NoContinue = true;
}

// A route from the right end of a three-cell object back to its own left end is kept in both
// directions.
bool RouteSearch::closesOwnObject(int endX, int endY) const {
  return st_.cell(CurX, CurY).InObject == 1 && st_.object(CurX, CurY).ValueB == 3 && endY == CurY &&
         endX == CurX - 2;
}

const char* RouteSearch::filterRejection() const {
  if (options_.direction == Direction::OneWay && RouteTwoWay) return kTwoWayText;
  if (options_.direction == Direction::TwoWay && !RouteTwoWay) return kOneWayText;
  if (options_.electrification == Electrification::No && RouteElectrified) return kElectrifiedText;
  if (options_.electrification == Electrification::Yes && !RouteElectrified)
    return kNotElectrifiedText;
  return nullptr;
}

// Routes from an entry end at a platform, routes to an exit start at one.
const char* RouteSearch::platformRejection() const {
  const RouteCell& e = RouteCells[RouteLength - 1];
  const bool startEntry = isEntryCode(RouteCells[0].code);
  const bool startPlatform = st_.cell(CurX, CurY).InObject == 1;
  const bool endEntry = isEntryCode(e.code);
  const bool endPlatform = st_.cell(e.x, e.y).InObject == 1;
  if (startEntry) return endPlatform ? nullptr : kFromEntryText;
  if (startPlatform) return endEntry ? nullptr : kFromPlatformText;
  if (endPlatform) return kToPlatformText;
  if (endEntry) return kToExitText;
  return nullptr;
}

// Rejections by the filters and the platform rule are told only in confirm mode; the walk may
// still go on through the cell.
void RouteSearch::reject(const char* text) {
  if (!ConfirmMode) return;
  host_.ask(rejectionMessage(text));
  host_.restoreRoute(route());
}

// Entries i < j meet the same cell, or the route passes the far end of the three-cell object
// it started from.
bool RouteSearch::repeatAt(int i, int j) const {
  const RouteCell& a = RouteCells[i];
  const RouteCell& b = RouteCells[j];
  if (a.x == b.x && a.y == b.y) return true;
  if (i != 0 || b.y != a.y || st_.cell(CurX, CurY).InObject != 1) return false;
  const int position = st_.object(CurX, CurY).ValueB;
  return (position == 1 && b.x == a.x + 2) || (position == 3 && b.x == a.x - 2);
}

// False when the route is rejected or the search has to stop.
bool RouteSearch::repeatTest() {
  if (firstRepeat_ == kNone) {
    if (firstGap_ == kNone) return true;
    inconsistent();
    return false;
  }
  for (int i = 0; i < RouteLength; ++i) {
    for (int j = i + 1; j < RouteLength; ++j) {
      if (!repeatAt(i, j)) continue;
      NoContinue = true;
      if (options_.allowRepeats) continue;
      const RouteCell& cell = RouteCells[i];
      const int point = pointNumber(cell.x, cell.y);
      if (!ConfirmMode) {
        const Message m = repeatedElementsMessage(point, false);
        if (limitToShow(m)) {
          host_.showRoute(route());
          host_.ask(m);
          host_.restoreRoute(route());
        }
        return false;
      }
      ++result_.limitMessages[static_cast<size_t>(MessageKind::RepeatedElements)];
      host_.markRepeated(cell, true);
      const Answer a = host_.ask(isCrossingCode(cell.code) ? crossingTwiceMessage(point)
                                                           : repeatedElementsMessage(point, true));
      host_.markRepeated(cell, false);
      if (a == Answer::Cancel) {
        host_.restoreRoute(route());
        return false;
      }
    }
    if (i + 1 < RouteLength && !neighbours(RouteCells[i], RouteCells[i + 1])) {
      inconsistent();
      return false;
    }
  }
  return true;
}

// Cannot happen while every level is continued in order; should it ever, the search ends and
// the author keeps the unsaved work.
void RouteSearch::inconsistent() {
  host_.ask(distantCellsMessage());
  if (ConfirmMode) host_.restoreRoute(route());
  stop(SearchEnd::Inconsistent);
}

// A route that does not go into the file ends the search; finish() says why.
void RouteSearch::writeRoute() {
  if (!file_.writeRoute(RouteTwoWay, RouteElectrified, route())) {
    stop(file_.full() ? SearchEnd::FileFull : SearchEnd::WriteFailed);
    return;
  }
  ++result_.counters.proper;
  host_.counters(result_.counters);
}

}  // namespace szl
