#include <iostream>

#include "cli/commands.h"
#include "model/preparation.h"
#include "search/route_search.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

int search(const std::string& station, const SearchOptions& opt) {
  const LoadResult res = WczytajStacje(station);
  if (!res.station) {
    printMessage(loadErrorMessage(res.error));
    return 1;
  }
  return searchLoaded(res, opt);
}

int searchLoaded(const LoadResult& res, const SearchOptions& opt) {
  Station st = *res.station;
  printLoadMessages(res.info);

  if (!analysable(st)) {
    printMessage(tooLargeToAnalyseMessage(st));
    return 1;
  }
  PrzygotujStacje(st, opt.passages);
  PrintingHost host;
  const SearchResult r = Wyszukaj(st, opt, false, host);
  if (r.end == SearchEnd::Refused) return 1;

  const SearchCounters& c = r.counters;
  std::cout << "connections=" << c.connections << " proper=" << c.proper
            << " improper=" << c.improper << "\n"
            << "messages: stack=" << r.limitCount(MessageKind::StackOverflow)
            << " segment=" << r.limitCount(MessageKind::SegmentOverflow)
            << " too_long_199=" << r.limitCount(MessageKind::RouteTooLong)
            << " repeated=" << r.limitCount(MessageKind::RepeatedElements)
            << " given_up=" << r.limitCount(MessageKind::WalkAbandoned) << "\n";
  return r.end == SearchEnd::Completed ? 0 : 1;
}

}  // namespace szl::cli
