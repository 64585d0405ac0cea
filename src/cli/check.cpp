#include <filesystem>
#include <iostream>
#include <optional>

#include "check/station_check.h"
#include "cli/commands.h"
#include "model/preparation.h"
#include "platform/system.h"
#include "search/route_search.h"
#include "select/route_file_check.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

namespace {

constexpr int kFindingsStatus = 3;

// The routes of a route file that fits this grid; nothing when there is none or it is of
// another grid or other options.
std::optional<RouteFile> routesOfThisGrid(const Station& prepared, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(sys::fsPath(path), ec)) return std::nullopt;
  RouteFileRead read = readRouteFile(path, prepared);
  if (!read.file || !routeFileMisfit(*read.file, prepared, path).empty()) return std::nullopt;
  return std::move(read.file);
}

}  // namespace

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
  Station prepared = *res.station;
  PrzygotujStacje(prepared, opt.passages);
  if (search) {
    // As the search command writes it; its counts are the search command's business.
    PrintingHost host;
    if (Wyszukaj(prepared, opt, false, host).end != SearchEnd::Completed) return 1;
  }
  const std::optional<RouteFile> routes = routesOfThisGrid(prepared, routeFilePath(prepared, opt));
  const std::vector<Finding> findings =
      checkStation(*res.station, opt.passages, routes ? &*routes : nullptr);
  for (const Finding& f : findings) {
    std::cout << findingKindName(f.kind) << " " << f.point() << "\n";
    std::cerr << f.text << "\n";
  }
  std::cout << "findings=" << findings.size() << "\n";
  return findings.empty() ? 0 : kFindingsStatus;
}

}  // namespace szl::cli
