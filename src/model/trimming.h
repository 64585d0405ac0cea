// Cutting away empty margins: the occupied bounding box, the advice to trim, the rules that
// keep the trim sliders in order, and the cut itself.
#pragma once

#include "model/message.h"
#include "model/station.h"

namespace szl {

struct TrimRect {
  int TrimXLo = 0;  // first kept column
  int TrimXHi = 0;  // one past the last kept column
  int TrimYLo = 0;  // first kept row
  int TrimYHi = 0;  // one past the last kept row
  bool TrimAdvised = false;
};

// The occupied part of the grid (a cell with a code above 0 is occupied). One empty margin
// line on a side is fine; two or more on any side advise trimming.
TrimRect boundingBox(const Station& st);

// Where the trim sliders start: the occupied part with one empty row above it and one empty
// column left of it where the grid has them, so that the trim offered never moves an occupied
// cell onto point 0, which no route can use.
TrimRect offeredTrim(const Station& st);

// The whole grid, as kept after trimming or keeping.
TrimRect wholeGrid(const Station& st);

// Slider moves: each sets its bound and pushes the other bound of the axis so that at least one
// column and one row stay kept.
void moveXLo(TrimRect& r, int value);
void moveXHi(TrimRect& r, int value);
void moveYLo(TrimRect& r, int value);
void moveYHi(TrimRect& r, int value);

// The highlighted span of a slider: its start and length.
struct SliderSpan {
  int start = 0;
  int length = 0;
};
SliderSpan spanXLo(const TrimRect& r, int colCount);
SliderSpan spanXHi(const TrimRect& r);
SliderSpan spanYLo(const TrimRect& r, int rowCount);
SliderSpan spanYHi(const TrimRect& r);

// A new station of the kept rectangle: codes copied, track links rebuilt, object data cleared
// but for the author's, which moves with its cells like the kept routes. The file name,
// folder, comment and tick unit stay.
Station cutStation(const Station& st, const TrimRect& r);

// The message shown when trimming is advised.
Message trimAdviceMessage();

}  // namespace szl
