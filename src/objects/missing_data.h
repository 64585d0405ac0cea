// What the station file still lacks of one object's data: the save opens the editor on such an
// object and the editor names what is to be filled.
#pragma once

#include <vector>

#include "model/station.h"
#include "objects/numeric_field.h"

namespace szl {

struct MissingData {
  bool direction = false;          // neither "Wjazd" nor "Wyjazd" chosen
  bool side = false;               // neither side chosen
  std::vector<NumericId> fields;   // numeric fields still at 0, in the editor's order
  bool any() const { return direction || side || !fields.empty(); }
};

// The same test as objectDataMissing, item by item: nothing for an object whose data is whole
// or for a cell that has none to give.
MissingData missingObjectData(const Station& st, int x, int y);

}  // namespace szl
