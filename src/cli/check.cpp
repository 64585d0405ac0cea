#include <iostream>

#include "check/station_check.h"
#include "cli/commands.h"
#include "model/preparation.h"
#include "search/route_search.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

constexpr int kFindingsStatus = 3;

int check(const std::string& station, const SearchOptions& opt, bool search) {
  const LoadResult res = WczytajStacje(station);
  if (!res.station) {
    printMessage(loadErrorMessage(res.error));
    return 1;
  }
  if (!analysable(*res.station)) {
    printMessage(tooLargeToAnalyseMessage(*res.station));
    return 1;
  }
  if (search) {
    // As the search command writes it; its counts are the search command's business.
    Station prepared = *res.station;
    PrzygotujStacje(prepared, opt.passages);
    PrintingHost host;
    if (Wyszukaj(prepared, opt, false, host).end != SearchEnd::Completed) return 1;
  }
  const std::vector<Finding> findings = checkStationAndRouteFile(*res.station, opt);
  for (const Finding& f : findings) {
    std::cout << findingKindName(f.kind) << " " << f.point() << "\n";
    std::cerr << f.text << "\n";
  }
  std::cout << "findings=" << findings.size() << "\n";
  return findings.empty() ? 0 : kFindingsStatus;
}

}  // namespace szl::cli
