// The selector's product: the route groups by start and end point and, per route of the route
// file, its group, whether it is kept and its attributes. The station file writer copies the
// kept routes by this table.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "objects/object_class.h"
#include "select/route_file_reader.h"

namespace szl {

struct RouteGroup {
  int16_t start = 0;  // point numbers
  int16_t end = 0;
  int32_t routeCount = 0;
};

struct RouteRec {
  int32_t group = 0;  // index into RouteTable::groups
  bool selected = false;
  uint8_t pointCount = 0;
  bool electrified = false;
  bool bidirectional = false;
  // A point of the route (start and end included) lies on an object of the class; indexed by
  // ObjectClass.
  std::array<bool, kObjectClassCount> classes{};

  bool has(ObjectClass c) const { return classes[static_cast<int>(c)]; }
};

struct RouteTable {
  std::vector<RouteGroup> groups;  // in order of first appearance in the route file
  std::vector<RouteRec> routes;    // in file order

  bool empty() const { return routes.empty(); }
};

// Whether a route file, read afresh, is still the one the table was made from: as many routes,
// and every route with the same point count, start and end.
bool describes(const RouteTable& table, const RouteFile& file);

}  // namespace szl
