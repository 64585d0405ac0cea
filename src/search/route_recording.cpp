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
  RouteLength = 1;
  const CellRec& start = st_.cell(CurX, CurY);
  RouteTwoWay = start.TwoWay != 0;
  RouteElectrified = start.Electrified != 0;
  for (int level = 0; level <= StackTop; ++level) {
    const int count = SearchStack[level].segments;
    if (count == 0) continue;
    const Segment& last = RouteSegments[level][count - 1];
    RouteLength += count;
    if (last.oneWayUpTo > 0) RouteTwoWay = false;
    if (last.plainUpTo > 0) RouteElectrified = false;
  }
  if (RouteLength >= kMaxRouteCells) {
    reportTooLong();
    return;
  }
  ++result_.counters.connections;
  host_.counters(result_.counters);

  // A two-way route is found from both ends; only the one from the lower point is kept.
  const Segment& end = RouteSegments[StackTop][SearchStack[StackTop].segments - 1];
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

// Entry 0 is the start cell, then the cells of levels 0..StackTop. On the way it notes whether
// the route meets a cell twice, or the far end of the three-cell object it started from, and
// where two cells in a row are not neighbours: most routes have neither, and then the pairwise
// test has nothing to find.
void RouteSearch::assemble() {
  if (++seenStamp_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    seenStamp_ = 1;
  }
  // Locals, not members: the stores into the tables below would make the compiler read every
  // member again for each cell.
  const uint32_t stamp = seenStamp_;
  uint32_t* seen = seen_.data();
  const int cols = st_.ColCount();
  const int x0 = CurX;
  const int y0 = CurY;
  const CellRec& start = st_.cell(x0, y0);
  int farEnd = -1;
  if (start.InObject == 1) {
    const int position = st_.object(x0, y0).ValueB;
    farEnd = position == 1 ? x0 + 2 : position == 3 ? x0 - 2 : -1;
  }
  RouteCell* out = RouteCells.data();
  out[0] = {start.Code, static_cast<int16_t>(x0), static_cast<int16_t>(y0)};
  seen[static_cast<size_t>(y0) * cols + x0] = stamp;
  // Bitwise, without branches: nearly every route has neither a repeat nor a gap.
  bool repeats = false;
  bool gap = false;
  int n = 1;
  int px = x0;
  int py = y0;
  for (int level = 0, top = StackTop; level <= top; ++level) {
    const Segment* seg = RouteSegments[level].data();
    for (int i = 0, count = SearchStack[level].segments; i < count; ++i, ++n) {
      const int x = seg[i].x;
      const int y = seg[i].y;
      out[n] = {seg[i].code, static_cast<int16_t>(x), static_cast<int16_t>(y)};
      uint32_t& mark = seen[static_cast<size_t>(y) * cols + x];
      repeats |= (mark == stamp) | ((y == y0) & (x == farEnd));
      mark = stamp;
      gap |= (static_cast<unsigned>(x - px + 1) > 2u) | (static_cast<unsigned>(y - py + 1) > 2u);
      px = x;
      py = y;
    }
  }
  firstGap_ = -1;
  for (int i = 0; gap && firstGap_ < 0 && i + 1 < n; ++i)
    if (!neighbours(out[i], out[i + 1])) firstGap_ = i;
  repeats_ = repeats;
}

// A route that reaches 200 cells is never written and the walk does not go on; the author sees
// its first 199 cells.
void RouteSearch::reportTooLong() {
  const CellRec& start = st_.cell(CurX, CurY);
  RouteCells[0] = {start.Code, static_cast<int16_t>(CurX), static_cast<int16_t>(CurY)};
  RouteLength = 1;
  for (int level = 0; level <= StackTop && RouteLength < kMaxRouteCells - 1; ++level) {
    const int count = SearchStack[level].segments;
    for (int i = 0; i < count && RouteLength < kMaxRouteCells - 1; ++i) {
      const Segment& seg = RouteSegments[level][i];
      RouteCells[RouteLength++] = {seg.code, seg.x, seg.y};
    }
  }
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
  if (!repeats_) {
    if (firstGap_ < 0) return true;
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

void RouteSearch::writeRoute() {
  file_.writeRoute(RouteTwoWay, RouteElectrified, route());
  if (file_.failed()) {
    host_.ask(routeFileWriteMessage(result_.routeFile, file_.error()));
    stop(SearchEnd::WriteFailed);
    return;
  }
  ++result_.counters.proper;
  host_.counters(result_.counters);
}

}  // namespace szl
