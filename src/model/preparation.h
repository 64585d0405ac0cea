// Preparing a loaded station for the search: linking objects to the tracks that point at
// them, recognising three-cell platforms and goods tracks, deciding which objects a route may
// pass through, filling default object data and counting the start ports.
#pragma once

#include "model/message.h"
#include "model/station.h"

namespace szl {

// The five object-passage switches of the search options.
struct PassageSwitches {
  bool throughObjects = true;    // chkObiekt: master switch
  bool throughPlatforms = true;  // chkPeron
  bool throughShed = false;      // chkSzopa
  bool throughSidings = false;   // chkTory
  bool throughExits = true;      // chkWyjazd

  bool operator==(const PassageSwitches&) const = default;
};

// True when the neighbour of (x, y) through `port` is a track element whose facing port links
// back to the cell.
bool pointsBack(const Station& st, int x, int y, int port);

// Runs the three passes over the whole grid. Links made by an earlier run stay; LinkCount is
// counted anew.
void PrzygotujStacje(Station& st, const PassageSwitches& sw);

// Whether point numbers (row * 100 + column) name every cell of the station once, as the
// analysis, the search and the route file need; otherwise the message that says so.
bool analysable(const Station& st);
Message tooLargeToAnalyseMessage(const Station& st);

// Codes the preparation links to their neighbours; the view draws their links in orange.
bool isLinkedObjectCode(int code);

}  // namespace szl
