// The station check: what is wrong with a station before the search finds out — track ends
// that lead nowhere, objects no track reaches, digits that number nothing, objects without a
// number, an occupied point 0, objects no route reaches. A pure function of the grid, the
// passages and, for reachability, the routes found; the window, the batch tool and the editor
// call the same one.
#pragma once

#include <string>
#include <vector>

#include "model/station.h"
#include "search/search_options.h"
#include "select/route_file_reader.h"

namespace szl {

// In the order findings of one point are listed.
enum class FindingKind {
  DanglingEnd,
  UnlinkedObject,
  LonelyDigit,
  MissingNumber,
  PointZero,
  NoRoute
};

struct Finding {
  FindingKind kind;
  int x = 0;
  int y = 0;
  std::string text;  // a sentence for the author

  int point() const { return pointNumber(x, y); }
};

// "dangling-end", "unlinked-object", ... as the batch tool prints them.
const char* findingKindName(FindingKind kind);

// The findings of the station's grid analysed afresh with `passages`, ordered by point, then
// kind. With `routes` (a route file of this grid) also the entries, exits, entry-exits and
// platforms that no route starts or ends at. The station itself is left as it is.
std::vector<Finding> checkStation(const Station& st, const PassageSwitches& passages,
                                  const RouteFile* routes = nullptr);

// The same, with the routes of the route file beside the station (the base name of `options`)
// when it is there and fits the grid as analysed with `options`: a file of another grid says
// nothing of this one.
std::vector<Finding> checkStationAndRouteFile(const Station& st, const SearchOptions& options);

}  // namespace szl
