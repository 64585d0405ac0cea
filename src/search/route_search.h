// The route search: every walk a train can take from every start port of the prepared station,
// each route that reaches an object recorded in the route file (or rejected) as it is found.
#pragma once

#include <array>
#include <string>

#include "model/station.h"
#include "search/search_host.h"
#include "search/search_options.h"

namespace szl {

enum class SearchEnd {
  Completed,     // every start port walked
  Aborted,       // Cancel in the route question (SearchAborted)
  Inconsistent,  // two consecutive route cells that are not neighbours
  WriteFailed,   // the route file could not be written to its end
  FileFull,      // the route file reached kRouteFileLimit: the search stopped there
  Refused,       // the route file name or the file itself was refused; nothing was walked
};

struct SearchResult {
  SearchEnd end = SearchEnd::Completed;
  SearchCounters counters;  // `proper` is the number of routes in the route file
  std::string routeFile;    // StationDir + routeFileBase + ".txt"
  // How often each limit message arose, indexed by MessageKind; this counts also the ones not
  // shown again during the same start port's walk.
  std::array<int, 6> limitMessages{};

  int limitCount(MessageKind k) const { return limitMessages[static_cast<size_t>(k)]; }
  bool aborted() const { return end == SearchEnd::Aborted; }
};

// Searches the prepared station (PrzygotujStacje) and writes the route file. In confirm mode
// every route that passes the rules is shown and asked about (Yes writes it, No counts it as
// improper, Cancel ends the search); otherwise every one is written. Messages, the summary
// included, go through host.ask; a limit message already shown during the same start port's
// walk is counted but not shown again. The call returns after the summary.
SearchResult Wyszukaj(const Station& st, const SearchOptions& options, bool confirmMode,
                      SearchHost& host);

}  // namespace szl
