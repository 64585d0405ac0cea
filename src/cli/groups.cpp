#include <cerrno>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "model/preparation.h"
#include "platform/system.h"
#include "search/route_file.h"
#include "search/search_options.h"
#include "select/route_selector.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

int groups(const std::string& station, const SearchOptions& opt) {
  LoadResult res = WczytajStacje(station);
  if (!res.station) {
    printMessage(loadErrorMessage(res.error));
    return 1;
  }
  Station& st = *res.station;
  if (!analysable(st)) {
    printMessage(tooLargeToAnalyseMessage(st));
    return 1;
  }
  PrzygotujStacje(st, opt.passages);

  // The window says the same of a missing route file as of an empty one; here a missing file is
  // a refused input, so that a script with a wrong name or folder does not see an empty result.
  const std::string path = routeFilePath(st, opt);
  std::error_code ec;
  if (!std::filesystem::exists(sys::fsPath(path), ec)) {
    printMessage(noRoutesMessage().title, routeFileOpenFailure(path, ENOENT));
    return 1;
  }
  PrintingHost host;
  RouteSelector sel;
  if (!sel.Prepare(st, path, host)) return 1;

  const RouteTable& t = sel.table();
  if (t.empty()) host.ask(noRoutesMessage());
  std::string out = "groups=" + std::to_string(t.groups.size()) +
                    " routes=" + std::to_string(t.routes.size()) + "\n";
  for (size_t g = 0; g < t.groups.size(); ++g) {
    const RouteGroup& gr = t.groups[g];
    out += std::to_string(gr.start) + " " + std::to_string(gr.end) + " " +
           std::to_string(gr.routeCount) + " " +
           (sel.groupTicked(static_cast<int>(g)) ? "1" : "0") + "\n";
  }
  for (const RouteRec& r : t.routes) {
    out += std::to_string(r.group) + " " + (r.selected ? "1" : "0") + " " +
           std::to_string(r.pointCount) + " " + (r.electrified ? "1" : "0") + " " +
           (r.bidirectional ? "1" : "0");
    for (const bool c : r.classes) out += c ? " 1" : " 0";
    out += "\n";
  }
  out += std::string("needs_manual=") + (sel.needsManual() ? "1" : "0") + "\n";
  std::cout << out;
  return 0;
}

}  // namespace szl::cli
