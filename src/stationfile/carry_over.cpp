#include "stationfile/carry_over.h"

#include "model/preparation.h"
#include "objects/object_class.h"
#include "objects/object_data.h"

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
// and, for a group, the cell is one the writer writes a group record at, a first position. In
// a run of more than three equal cells the analysis makes several (five cells end 1, 1, 1, 2,
// 3), and each of them has its record.
bool recordFits(const Station& analysed, int x, int y, ObjectClass c) {
  if (!analysed.inside(x, y) || objectClassAt(analysed, x, y) != c) return false;
  if (!isGroupClass(c)) return true;
  return analysed.inside(x + 2, y) && analysed.object(x, y).ValueB == 1;
}

// The number the grid gives the object at (x, y), 0 for none: the digit beside an entry or exit,
// the middle digit of a platform group.
int gridNumber(const Station& analysed, int x, int y) { return analysed.object(x, y).ValueC; }

// The number a record holds, for the classes whose number the grid can give.
int recordNumber(const SavedRecord& r) {
  switch (r.kind()) {
    case 1:
    case 2:
    case 3:
      return r.fields[5] / 10;
    case 4:
      return r.fields[5];
    default:
      return 0;
  }
}

void takeRecord(Station& st, const Station& analysed, const SavedRecord& r,
                const SavedStation& saved, int x, int y) {
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
    case 9:
      // The other cells of the group follow, but for a cell that is another group's first:
      // that one's own record says its number. The file keeps no goods-track number: the
      // grid's digit stays it, as the analysis gives it.
      for (int k = 0; k < 3; ++k) {
        if (k > 0 && analysed.object(x + k, y).ValueB == 1) continue;
        st.object(x + k, y).ValueC = r.kind() == 4 ? f[5] : analysed.object(x, y).ValueC;
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
    default:
      // Stopping points carry nothing but their existence, which is the author's all the same.
      o.AuthorData = true;
      break;
  }
}

// A value the editor could never store is not taken: the object asks for it again as for
// missing data. Says what was refused.
void refuseOutOfRange(Station& st, const Station& analysed, int x, int y, const std::string& what,
                      CarryReport& report) {
  const EditorPage page = editorPageOf(analysed, cellSubject(analysed, x, y));
  const bool group = page == EditorPage::Platform || page == EditorPage::GoodsTracks;
  ObjectRec& o = st.object(x, y);
  for (const NumericField& f : kNumericFields) {
    if (f.page != static_cast<int>(page)) continue;
    const int v = objectField(o, f.target);
    if (v >= f.min && v <= f.max) continue;
    for (int k = 0; k < (group ? 3 : 1); ++k)
      if (k == 0 || analysed.object(x + k, y).ValueB != 1)
        objectField(st.object(x + k, y), f.target) = 0;
    std::string label = f.label;
    if (label.ends_with(":")) label.pop_back();
    report.notes.push_back(what + "\"" + label + "\" = " + std::to_string(v) +
                           ", a edytor przyjmuje od " + std::to_string(f.min) + " do " +
                           std::to_string(f.max) + "; trzeba to wpisać na nowo");
  }
  if ((page == EditorPage::EntryOrExit || page == EditorPage::EntryExit) && o.Side == 0)
    report.notes.push_back(what +
                           "strona wjazdu zapisana cyfrą 2, której nie ma (1 lewa, 0 "
                           "prawa); trzeba ją wybrać na nowo");
}

}  // namespace

CarryReport takeSavedData(Station& st, const SavedStation& saved) {
  CarryReport report;
  // The classes, links and grid numbers of the cells as the analysis will decide them; none of
  // these depends on the search options.
  Station analysed = st;
  PrzygotujStacje(analysed, PassageSwitches{});

  std::vector<char> taken(st.Cells.size(), 0);
  bool shedTaken = false;
  for (const SavedRecord& r : saved.records) {
    const int p = r.point();
    const int x = pointColumn(p);
    const int y = pointRow(p);
    const ObjectClass c = classOfRecord(r.kind());
    const std::string what = "punkt " + std::to_string(p) + ", " + objectClassName(c) +
                             " (wiersz " + std::to_string(r.line) + " pliku): ";
    if (!recordFits(analysed, x, y, c)) {
      ++report.droppedRecords;
      report.notes.push_back(what + "nie ma tam już takiego obiektu");
      continue;
    }
    char& seen = taken[static_cast<size_t>(y) * st.ColCount() + x];
    if (seen) {
      ++report.droppedRecords;
      report.notes.push_back(what + "drugi zapis tego samego obiektu");
      continue;
    }
    seen = 1;
    takeRecord(st, analysed, r, saved, x, y);
    ++report.carriedRecords;
    shedTaken = shedTaken || c == ObjectClass::Shed;

    // The grid is what the author sees and edits: its digit wins over the file's number.
    const int grid = gridNumber(analysed, x, y);
    const int file = recordNumber(r);
    if (grid != 0 && file != grid && r.kind() <= 4) {
      for (int k = 0; k < (isGroupClass(c) ? 3 : 1); ++k)
        if (k == 0 || analysed.object(x + k, y).ValueB != 1)
          st.object(x + k, y).ValueC = static_cast<int16_t>(grid);
      report.notes.push_back(what + "plik podaje numer " + std::to_string(file) +
                             ", a cyfra w siatce " + std::to_string(grid) +
                             "; przyjęto numer z siatki");
    }
    refuseOutOfRange(st, analysed, x, y, what, report);
    if (analysed.cell(x, y).Linked != 1)
      report.notes.push_back(what + "przejęto, ale obiekt nie łączy się teraz z żadnym torem, " +
                             "więc jego zapisu nie będzie w pliku stacji");
    else if (p == 0)
      report.notes.push_back(what + "przejęto, ale żadna trasa nie zacznie się ani nie skończy " +
                             "w punkcie 0, bo zero kończy zapis trasy");
  }
  if (!shedTaken && saved.shedData != decltype(saved.shedData){})
    report.notes.push_back(
        "dane lokomotywowni: w siatce nie ma lokomotywowni, która by je przejęła");
  st.TickIndex = saved.TickIndex;
  st.StationComment = saved.comment;
  st.KeptRoutes = saved.routes;
  st.RoutesTaken = true;
  return report;
}

Message carryNotesMessage(const std::string& file, const CarryReport& report) {
  return listMessage(
      "Otwieranie stacji",
      "Nie wszystkie dane zapisane w pliku " + file + " przejęto tak, jak je zapisano:",
      report.notes, {"zapis", "zapisy", "zapisów"});
}

Message takeOverQuestion(const std::string& file) {
  return {Icon::Question, "Otwieranie stacji",
          "Plik " + file + " zawiera oprócz siatki zapisane dane stacji." + CrLf + CrLf +
              "Przejąć dane obiektów, jednostkę taktowania zegara, komentarz " + CrLf +
              "i wybrane trasy (Tak), czy otworzyć samą siatkę jak dotąd (Nie)?",
          Buttons::YesNo};
}

}  // namespace szl
