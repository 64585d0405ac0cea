// The batch tool's commands. Each returns the process exit status: 0 done, 1 refused input or
// a search that did not end as it should; wrong usage (2) is the command line's business.
#pragma once

#include <string>

#include "search/search_options.h"

namespace szl::cli {

int info(const std::string& station);
int search(const std::string& station, const SearchOptions& opt);
int groups(const std::string& station, const SearchOptions& opt);

// Prints a message the window would show, on standard error.
void printMessage(const std::string& title, const std::string& text);

}  // namespace szl::cli
