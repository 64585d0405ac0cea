// The joins a walk makes from cell to cell: where it may start, whether it may go into a cell
// through a port, where it may leave that cell and whether an object there takes the route.
// The search walks by these rules, and the route file check replays them on finished routes.
#pragma once

#include <cstdint>

#include "model/station.h"

namespace szl {

// What a walk does in cell (x, y) when it comes in through `entryPort` (1..8).
struct CellEntry {
  bool enters = false;   // the walk goes into the cell at all
  bool object = false;   // an object cell: a route may end here
  bool accepts = false;  // the object takes a route that comes in through this port
  uint8_t exits = 0;     // the ports the walk may leave by, bit p-1 for port p
};
CellEntry enterCell(const Station& st, int x, int y, int entryPort);

// A walk starts at every linked port of a linked cell, except in cell (0, 0), whose point
// number would end a route line.
bool startsWalk(const Station& st, int x, int y, int port);

}  // namespace szl
