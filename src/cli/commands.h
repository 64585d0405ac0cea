// The batch tool's commands. Each returns the process exit status: 0 done, 1 refused input,
// 2 wrong usage.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "search/search_options.h"

namespace szl::cli {

using Args = std::vector<std::string>;

int info(const Args& args);
int search(const Args& args);
int groups(const Args& args);

// save: the station's grid with the author's data from a saved file, the routes of the route
// file chosen as the selector would with the kept routes carried over, written to `output`.
struct SaveRequest {
  std::string station;
  std::string output;
  std::optional<std::string> dataFrom;  // default: the station file itself
  SearchOptions options;
};
int save(const SaveRequest& req);
int save(const Args& args);

// The search options of `args`; an empty string when they are right, else what is wrong.
std::string parseSearchOptions(const Args& args, std::string& station, SearchOptions& opt);

// Prints a message the window would show, on standard error.
void printMessage(const std::string& title, const std::string& text);

}  // namespace szl::cli
