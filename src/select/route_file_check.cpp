#include "select/route_file_check.h"

#include <cstdlib>
#include <span>

#include "model/element_tables.h"
#include "model/message.h"
#include "search/walk_steps.h"

namespace szl {

namespace {

std::string point(int16_t p) { return "punkt " + std::to_string(p); }

// Why the route does not fit, or empty when the search could have walked it.
std::string misfitOf(std::span<const int16_t> route, const Station& st) {
  if (route.size() < 2) return "trasa ma tylko jeden punkt";
  CellEntry here;  // how the walk came into the current cell; the start cell has no entry
  for (size_t i = 0; i + 1 < route.size(); ++i) {
    const int16_t from = route[i];
    const int16_t to = route[i + 1];
    const int x = pointColumn(from);
    const int y = pointRow(from);
    const int dx = pointColumn(to) - x;
    const int dy = pointRow(to) - y;
    if (std::abs(dx) > 1 || std::abs(dy) > 1 || (dx == 0 && dy == 0))
      return "punkty " + std::to_string(from) + " i " + std::to_string(to) +
             " nie są sąsiednimi polami";
    const int port = PortAtStep[dx + 1][dy + 1];
    if (i == 0 && !startsWalk(st, x, y, port))
      return point(from) +
             ", gdzie trasa się zaczyna, nie jest obiektem połączonym w stronę punktu " +
             std::to_string(to);
    if (i > 0 && !(here.exits >> (port - 1) & 1))
      return "w punkcie " + std::to_string(from) + " nie da się przejechać od punktu " +
             std::to_string(route[i - 1]) + " do punktu " + std::to_string(to);
    here = enterCell(st, x + dx, y + dy, 9 - port);
    if (!here.enters) {
      if (st.cell(x + dx, y + dy).Code == 0) return point(to) + " jest pustym polem";
      return "na " + point(to) + " nie da się wjechać od strony punktu " + std::to_string(from);
    }
  }
  // Only a linked object takes a route.
  if (!here.accepts)
    return "trasa kończy się w punkcie " + std::to_string(route.back()) +
           ", który nie jest połączonym obiektem przyjmującym trasę od strony punktu " +
           std::to_string(route[route.size() - 2]);
  return {};
}

}  // namespace

std::string routeFileMisfit(const RouteFile& file, const Station& st, const std::string& path) {
  for (size_t i = 0; i < file.routes.size(); ++i) {
    const std::string why = misfitOf(file.pointsOf(i), st);
    if (!why.empty())
      return "Plik z trasami " + path + " nie pasuje do stacji i opcji wyszukiwania:" + CrLf +
             "w wierszu " + std::to_string(file.routes[i].line) + " " + why + ".";
  }
  return {};
}

}  // namespace szl
