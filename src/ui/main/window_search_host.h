// The window's answers to the search: real message boxes, the route in red on the station
// view, the counters and the two bars, and the user's events between start ports.
#pragma once

#include <QElapsedTimer>

#include "search/search_host.h"

namespace szl::ui {

class frmMain;

// Thrown from the search's yield when the author leaves the program in the middle of it; the
// search unwinds, closing its route file.
struct SearchInterrupted {};

class WindowSearchHost : public SearchHost {
 public:
  explicit WindowSearchHost(frmMain& w) : w_(w) {}

  void begin();
  void end();
  void interrupt() { interrupted_ = true; }

  Answer ask(const Message& m) override;
  void startMarker(int x, int y, int port, bool walked) override;
  void showRoute(std::span<const RouteCell> route) override;
  void restoreRoute(std::span<const RouteCell> route) override;
  void markRepeated(const RouteCell& cell, bool asking) override;
  void counters(const SearchCounters& c) override;
  void routeFlags(bool twoWay, bool electrified) override;
  void progress(int started, int total) override;
  void stackDepth(int depth) override;
  void yieldToUser() override;
  void stillWorking() override;

 private:
  void refresh();

  frmMain& w_;
  bool interrupted_ = false;
  SearchCounters counters_;
  bool twoWay_ = false;
  bool electrified_ = false;
  int started_ = 0;
  int total_ = 0;
  int depth_ = 0;
  QElapsedTimer sinceRefresh_;
};

}  // namespace szl::ui
