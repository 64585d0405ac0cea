// Taking a saved station's data over into the station opened from its grid: every object record
// back to the object it describes, the clock tick unit, the comment and the kept routes. What
// no longer fits the grid is not taken and is listed for the author.
#pragma once

#include <string>
#include <vector>

#include "model/message.h"
#include "model/station.h"
#include "stationfile/saved_station.h"

namespace szl {

struct CarryReport {
  int carriedRecords = 0;
  int droppedRecords = 0;
  // For the author, one line each: every record not taken, and every value taken otherwise
  // than the file says or that the station will not use.
  std::vector<std::string> notes;
};

// Fills the object records of `st` from `saved` and marks them as the author's, sets the tick
// unit and the comment and keeps the routes for the route selector. `st` is a station as read,
// not yet analysed; records are matched to the objects the analysis will recognise.
CarryReport takeSavedData(Station& st, const SavedStation& saved);

// The notes of a take-over, naming the file they come from.
Message carryNotesMessage(const std::string& file, const CarryReport& report);

// The question asked before taking a saved file's data.
Message takeOverQuestion(const std::string& file);

}  // namespace szl
