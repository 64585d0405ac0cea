// What the search tells and asks the front end. The window answers with real dialogs and draws
// on the station view; the batch tool prints and answers OK; tests answer from a script.
#pragma once

#include <cstdint>
#include <span>

#include "model/message.h"

namespace szl {

// One cell of the route under review: entry 0 is the start cell, the last the object reached.
struct RouteCell {
  int16_t code = 0;
  int16_t x = 0;
  int16_t y = 0;
};

struct SearchCounters {
  int32_t connections = 0;  // ConnectionCount
  int proper = 0;           // ProperRouteCount
  int improper = 0;         // ImproperRouteCount
};

class SearchHost {
 public:
  virtual ~SearchHost() = default;

  // Every message box of the search: limits, rejections, questions and the summary.
  virtual Answer ask(const Message& m) = 0;

  // A walk starts from (x, y) through `port` (blue marker), or has ended there (red marker).
  virtual void startMarker(int /*x*/, int /*y*/, int /*port*/, bool /*walked*/) {}
  // WyrysujTrase: the route under review in red; WyrzezajTrase: back to its own colours.
  virtual void showRoute(std::span<const RouteCell> /*route*/) {}
  virtual void restoreRoute(std::span<const RouteCell> /*route*/) {}
  // A repeated element of the route: blue while asked about, then orange.
  virtual void markRepeated(const RouteCell& /*cell*/, bool /*asking*/) {}

  virtual void counters(const SearchCounters& /*c*/) {}
  // chkBidir and chkElectr: the flags of the route just assembled.
  virtual void routeFlags(bool /*twoWay*/, bool /*electrified*/) {}
  // StartCount of LinkCount start ports begun.
  virtual void progress(int /*started*/, int /*total*/) {}
  // Pending entries on the search stack (0..49); -1 once the search is over, before its summary.
  virtual void stackDepth(int /*depth*/) {}
  // Once per start port: the window processes its pending events here.
  virtual void yieldToUser() {}
  // The walk is long: the window may process its events here (it may throw to stop the
  // search). Called once per 4096 cells walked, whatever the start port; the station and the
  // options must not change before the call returns. A throw from any method of the host ends
  // Wyszukaj with that exception, the route file closed and holding whole lines only.
  virtual void stillWorking() {}
};

}  // namespace szl
