// Reading a station file: the header line, the size line and the grid of cell codes, and what a
// saved file holds after the grid (kept routes, object records, comment), which the caller may
// take over into the station.
#pragma once

#include <istream>
#include <optional>
#include <string>

#include "model/message.h"
#include "model/station.h"
#include "stationfile/saved_station.h"

namespace szl {

// A chosen path split into the folder (ending in a separator, or empty) and the file name, with
// ".stc" appended to a name of four or more characters that does not end in it (in any letter
// case).
struct StationPath {
  std::string dir;
  std::string file;
};
StationPath splitStationPath(const std::string& chosen);

// What the window tells the author after loading.
struct LoadInfo {
  bool limitMessage = false;   // beyond the simulator's 57 x 32
  bool screenMessage = false;  // beyond the 59 x 34 that fit on the screen
  bool point0Warning = false;  // cell (0, 0) holds a track or an object
};

struct LoadResult {
  std::optional<Station> station;  // nothing when the file was refused
  LoadInfo info;
  std::string error;  // why the file was refused, in the author's words
  // What the file holds after the grid: a whole saved tail, or why it cannot be used (the grid
  // opens all the same), or neither for a grid-only file.
  std::optional<SavedStation> saved;
  std::string tailError;
};

// Reads the station at `chosen` (after the name rule above). A refused file leaves nothing
// half-loaded: the result holds either a whole station or an error.
LoadResult WczytajStacje(const std::string& chosen);

// The same reading from a stream; `displayPath` names the file in messages. StationDir and
// StationFile stay empty for the caller to set.
LoadResult readStation(std::istream& in, const std::string& displayPath);

LoadInfo loadInfoOf(const Station& st);
Message sizeLimitMessage();
Message screenSizeMessage();
Message point0Message();
Message loadErrorMessage(const std::string& error);
// The grid opened, but the saved data after it cannot be taken.
Message tailErrorMessage(const std::string& error);

}  // namespace szl
