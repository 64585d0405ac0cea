// Reading the route file the search wrote: one route a line, two flags, the points in travel
// order and the terminator 0. Read whole and checked before anyone uses it, so a damaged or
// foreign file is refused with the line it fails on and nothing of it is half-used.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/station.h"
#include "search/search_options.h"

namespace szl {

// A route line holds at most this many points (its point count is a byte).
inline constexpr int kMaxRoutePoints = 255;

struct RouteLine {
  bool bidirectional = false;
  bool electrified = false;
  uint8_t pointCount = 0;
  uint32_t firstPoint = 0;  // index into RouteFile::points
  int64_t line = 0;         // 1-based line of the file
};

struct RouteFile {
  std::vector<int16_t> points;  // the points of all routes, route after route
  std::vector<RouteLine> routes;

  std::span<const int16_t> pointsOf(size_t route) const {
    return {points.data() + routes[route].firstPoint, routes[route].pointCount};
  }
};

struct RouteFileRead {
  std::optional<RouteFile> file;  // nothing when the file was refused
  std::string error;              // why, in the author's words, naming the file and the line
};

// The station's route file: its folder, the base name of the search options and ".txt".
std::string routeFilePath(const Station& st, const SearchOptions& opt);

// Why the route file at `path` cannot be opened (an errno or kNotRegularFile), naming it.
std::string routeFileOpenFailure(const std::string& path, int err);

// Reads the route file at `path`. A missing file counts as an empty one. Every point must lie
// on the station's grid. `progress` hears the fraction of the file read.
RouteFileRead readRouteFile(const std::string& path, const Station& st,
                            const std::function<void(double)>& progress = {});

}  // namespace szl
