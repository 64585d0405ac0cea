// What the object data editor shows and stores for each kind of object, the station-wide
// totals it shows, and the test the station file writer uses to find objects without data.
#pragma once

#include <array>
#include <string>

#include "model/station.h"
#include "objects/numeric_field.h"
#include "objects/object_class.h"

namespace szl {

// The editor's pages, numbered as its tabs.
enum class EditorPage {
  None = 0,
  EntryOrExit = 1,
  EntryExit = 2,
  Platform = 3,
  Sidings = 4,
  StoppingPoint = 5,
  LocoStoppingPoint = 6,
  Shed = 7,
  GoodsTracks = 8,
  Station = 9,  // "[Pozostałe]": clock tick unit and comment
};

// What the editor is opened on: EditCode 0 for the station-wide data (cmdPozostale_Click),
// otherwise the code of the cell (SelX, SelY) (Uzupelnij, a click on the view).
struct EditorSubject {
  int EditCode = 0;
  int SelX = 0;
  int SelY = 0;
};

inline EditorSubject stationSubject() { return {}; }
inline EditorSubject cellSubject(const Station& st, int x, int y) {
  return {st.cell(x, y).Code, x, y};
}

EditorPage editorPageOf(const Station& st, const EditorSubject& s);

// The record field a numeric field of the editor is stored in.
int16_t& objectField(ObjectRec& r, ObjectField f);

struct ObjectTotals {
  int ObjectCount = 0;   // object records the writer writes
  int SidingPlaces = 0;  // capacity of all sidings, linked or not
};
ObjectTotals objectTotals(const Station& st);

// The editor's controls as loaded, and as the author leaves them for OK.
struct EditorData {
  EditorPage page = EditorPage::None;
  int GroupOffset = 0;          // from the subject cell to its group's first cell
  std::array<int, 3> points{};  // point boxes: one for a single object, three for a group
  int pointCount = 0;
  int direction = 0;  // 0 neither, 1 "Wjazd", 2 "Wyjazd"
  int side = 0;       // 0 neither, 1 "Z lewej strony", 2 "Z prawej strony"
  // Scroll bar positions by NumericId; a field the page does not load keeps its initial value.
  std::array<int, kNumericFieldCount> values{};
  // Page 9, loaded for every subject; OK stores it only for the station-wide data.
  ObjectTotals totals;
  int TickIndex = kDefaultTickIndex;
  std::string comment;

  int& value(NumericId id) { return values[static_cast<int>(id)]; }
  int value(NumericId id) const { return values[static_cast<int>(id)]; }
};

// Loading the dialog: the page of the subject and its fields from the object records. A stored
// value outside its field's range would be refused by the field, which keeps its initial value.
EditorData loadEditor(const Station& st, const EditorSubject& s);

// OK: stores the fields of the subject's own page, whichever page is shown. A group's number
// goes into all three cells of the group; an exit's lead time is stored too.
void storeEditor(Station& st, const EditorSubject& s, const EditorData& d);

// The writer's completeness test: an object whose data the author has still to enter. Cells
// the writer does not check (tracks, stopping points, group cells other than the first) never
// miss data.
bool objectDataMissing(const Station& st, int x, int y);

}  // namespace szl
