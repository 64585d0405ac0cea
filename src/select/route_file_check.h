// Whether a route file still fits the station it is saved with. A route file from an older grid,
// from other passages or other crossing types would put routes into the station file that the
// simulator cannot drive; the save refuses it rather than copy it blindly.
#pragma once

#include <string>

#include "model/station.h"
#include "select/route_file_reader.h"

namespace szl {

// Replays every route of `file` on `st`, analysed with the options it is saved with: each step
// must be one the search itself could make. The message that refuses the file, naming it, the
// line of the first route that does not fit and why; empty when every route fits.
std::string routeFileMisfit(const RouteFile& file, const Station& st, const std::string& path);

}  // namespace szl
