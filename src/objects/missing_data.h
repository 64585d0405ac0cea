// What the station file still lacks of one object's data: the save opens the editor on such an
// object and the editor names what is to be filled.
#pragma once

#include <vector>

#include "model/station.h"
#include "objects/numeric_field.h"

namespace szl {

struct MissingData {
  bool direction = false;         // neither "Wjazd" nor "Wyjazd" chosen
  bool side = false;              // neither side chosen
  std::vector<NumericId> fields;  // numeric fields still at 0, in the editor's order
  bool any() const { return direction || side || !fields.empty(); }
};

// The same test as objectDataMissing, item by item: nothing for an object whose data is whole
// or for a cell that has none to give.
MissingData missingObjectData(const Station& st, int x, int y);

// The batch save's test, where nobody can type what is missing: an object stops the save only
// when it writes a record (it is linked), no saved record gave its data, and the file could
// hold what it lacks (never a goods-track number). A saved record stands as the author left it,
// a platform number 0 or a shed at zeros included, so a complete saved file always saves again.
bool batchDataMissing(const Station& st, int x, int y);

}  // namespace szl
