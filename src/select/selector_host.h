// What the route selector asks and shows. The selector window answers with message boxes, its
// progress bar and the main station view; the batch tool prints; tests record.
#pragma once

#include <span>

#include "model/message.h"
#include "search/search_host.h"

namespace szl {

class SelectorHost {
 public:
  virtual ~SelectorHost() = default;

  virtual Answer ask(const Message& m) = 0;
  // barProgress: the fraction of a long step done; 0 clears the bar.
  virtual void progress(double /*fraction*/) {}
  // A unique point of the route examined: element row `elementRow` of the cell (x, y) drawn in
  // blue on the main view.
  virtual void markUniquePoint(int /*x*/, int /*y*/, int /*elementRow*/) {}
  // WyrysujTrase: the route in red on the main view; WyrzezajTrase: back to its own colours.
  virtual void showRoute(std::span<const RouteCell> /*route*/) {}
  virtual void restoreRoute(std::span<const RouteCell> /*route*/) {}
  // A tick that cannot change.
  virtual void beep() {}
};

}  // namespace szl
