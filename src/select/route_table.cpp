#include "select/route_table.h"

namespace szl {

bool describes(const RouteTable& table, const RouteFile& file) {
  if (table.routes.size() != file.routes.size()) return false;
  for (size_t r = 0; r < table.routes.size(); ++r) {
    const RouteRec& rec = table.routes[r];
    const auto points = file.pointsOf(r);
    if (rec.pointCount != points.size() || rec.group < 0 ||
        static_cast<size_t>(rec.group) >= table.groups.size())
      return false;
    const RouteGroup& g = table.groups[rec.group];
    if (points.front() != g.start || points.back() != g.end) return false;
  }
  return true;
}

}  // namespace szl
