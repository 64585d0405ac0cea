// The search options on the batch tool's command line, registered once for every subcommand
// that searches or works on the search's route file.
#pragma once

#include <CLI/CLI.hpp>

#include "search/search_options.h"

namespace szl::cli {

// --route-file: a file name in the station's folder, without ".txt".
void addRouteFileOption(CLI::App* app, SearchOptions& opt);

// --route-file, --electrified, --direction, --platform-rule, --allow-repeats, --allow-long and
// the five --through-* switches, each filling its field of `opt`.
void addSearchOptions(CLI::App* app, SearchOptions& opt);

}  // namespace szl::cli
