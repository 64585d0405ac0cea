#include "stationfile/carry_over.h"

#include "model/preparation.h"
#include "objects/object_class.h"

namespace szl {

namespace {

ObjectClass classOfRecord(int kind) {
  switch (kind) {
    case 1:
    case 2:
      return ObjectClass::EntryOrExit;
    case 3:
      return ObjectClass::EntryExit;
    case 4:
      return ObjectClass::Platform;
    case 5:
      return ObjectClass::Sidings;
    case 6:
      return ObjectClass::StoppingPoint;
    case 7:
      return ObjectClass::LocoStoppingPoint;
    case 8:
      return ObjectClass::Shed;
    default:
      return ObjectClass::GoodsTracks;
  }
}

// The object the analysis will see at (x, y): a record belongs there when the class matches
// and, for a group, the cell is the group's first.
bool recordFits(const Station& analysed, int x, int y, ObjectClass c) {
  if (!analysed.inside(x, y) || objectClassAt(analysed, x, y) != c) return false;
  if (!isGroupClass(c)) return true;
  // The middle cell may be the group's number digit.
  for (int k = 0; k < 3; ++k)
    if (!analysed.inside(x + k, y) || analysed.cell(x + k, y).InObject != 1 ||
        analysed.object(x + k, y).ValueB != k + 1)
      return false;
  return true;
}

void takeRecord(Station& st, const SavedRecord& r, const SavedStation& saved, int x, int y) {
  ObjectRec& o = st.object(x, y);
  const auto& f = r.fields;
  switch (r.kind()) {
    case 1:
    case 2:
      o.Direction = static_cast<uint8_t>(r.kind());
      o.ValueA = f[1];
      o.ValueB = r.kind() == 1 ? f[3] : 0;  // an exit's lead time is not in the file
      o.ValueC = static_cast<int16_t>(f[5] / 10);
      o.Side = static_cast<uint8_t>(2 - f[5] % 10);
      o.AuthorData = true;
      break;
    case 3:
      o.ValueA = static_cast<int16_t>(f[1] / 100);
      o.ValueD = static_cast<int16_t>(f[1] % 100);
      o.ValueB = f[3];
      o.ValueC = static_cast<int16_t>(f[5] / 10);
      o.Side = static_cast<uint8_t>(2 - f[5] % 10);
      o.AuthorData = true;
      break;
    case 4:
      for (int k = 0; k < 3; ++k) {
        st.object(x + k, y).ValueC = f[5];
        st.object(x + k, y).AuthorData = true;
      }
      break;
    case 5:
      o.ValueE = f[1];
      o.AuthorData = true;
      break;
    case 8:
      // The file keeps one shed data line; every shed it names gets it, so that none is asked
      // for data the file cannot keep.
      o.ValueE = saved.shedData[0];
      o.ValueC = saved.shedData[1];
      o.ValueA = saved.shedData[2];
      o.ValueD = saved.shedData[3];
      o.AuthorData = true;
      break;
    case 9: {
      // The file keeps no goods-track number: the grid's digit stays the number, as the
      // analysis would give it.
      const int16_t digit = st.cell(x + 1, y).Code;
      for (int k = 0; k < 3; ++k) {
        st.object(x + k, y).ValueC = static_cast<int16_t>(digit >= 1 && digit <= 9 ? digit : 0);
        st.object(x + k, y).AuthorData = true;
      }
      break;
    }
    default:
      // Stopping points carry nothing but their existence, which is the author's all the same.
      o.AuthorData = true;
      break;
  }
}

}  // namespace

CarryReport takeSavedData(Station& st, const SavedStation& saved) {
  CarryReport report;
  // The classes of the cells as the analysis will decide them; which groups it recognises does
  // not depend on the search options.
  Station analysed = st;
  PrzygotujStacje(analysed, PassageSwitches{});

  std::vector<char> taken(st.Cells.size(), 0);
  for (const SavedRecord& r : saved.records) {
    const int p = r.point();
    const int x = pointColumn(p);
    const int y = pointRow(p);
    const ObjectClass c = classOfRecord(r.kind());
    const std::string what = "punkt " + std::to_string(p) + ", " + objectClassName(c) +
                             " (wiersz " + std::to_string(r.line) + "): ";
    if (!recordFits(analysed, x, y, c)) {
      report.droppedRecords.push_back(what + "nie ma tam już takiego obiektu");
      continue;
    }
    char& seen = taken[static_cast<size_t>(y) * st.ColCount() + x];
    if (seen) {
      report.droppedRecords.push_back(what + "drugi zapis tego samego obiektu");
      continue;
    }
    seen = 1;
    takeRecord(st, r, saved, x, y);
    ++report.carriedRecords;
  }
  st.TickIndex = saved.TickIndex;
  st.StationComment = saved.comment;
  st.KeptRoutes = saved.routes;
  st.RoutesTaken = true;
  return report;
}

Message takeOverQuestion(const std::string& file) {
  return {Icon::Question, "Otwieranie stacji",
          "Plik " + file + " zawiera oprócz siatki zapisane dane stacji." + CrLf + CrLf +
              "Przejąć dane obiektów, jednostkę taktowania zegara, komentarz " + CrLf +
              "i wybrane trasy (Tak), czy otworzyć samą siatkę jak dotąd (Nie)?",
          Buttons::YesNo};
}

}  // namespace szl
