// The batch tool's commands. Each returns the process exit status: 0 done, 1 refused input or
// a search that did not end as it should; wrong usage (2) is the command line's business.
#pragma once

#include <optional>
#include <string>

#include "search/search_host.h"
#include "search/search_options.h"
#include "select/selector_host.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

int info(const std::string& station);
int search(const std::string& station, const SearchOptions& opt);
// `search` on a station already loaded (its grid as read): the loading messages, the route file
// beside it, the counts on standard output.
int searchLoaded(const LoadResult& res, const SearchOptions& opt);
int groups(const std::string& station, const SearchOptions& opt);
// check: one line per finding, "KIND POINT", then "findings=N"; status 3 when there are any.
// With `search` the route file is written first and the objects no route reaches are found too.
int check(const std::string& station, const SearchOptions& opt, bool search);

// save: the station's grid with the author's data from a saved file, the routes of the route
// file chosen as the selector would with the kept routes carried over, written to `output`.
// The route file must exist and fit the grid; with `search` the search writes it first.
struct SaveRequest {
  std::string station;
  std::string output;
  std::optional<std::string> dataFrom;  // default: the station file itself
  SearchOptions options;
  bool search = false;
};
int save(const SaveRequest& req);

// Prints a message the window would show, on standard error.
void printMessage(const std::string& title, const std::string& text);
void printMessage(const Message& m);
// The messages that opening a station shows in the window.
void printLoadMessages(const LoadInfo& info);

// Without questions: every message is printed and answered OK, and Yes where the search asks
// whether to keep a route, as a window user taking everything would.
struct PrintingHost : SearchHost, SelectorHost {
  Answer ask(const Message& m) override;
};

}  // namespace szl::cli
