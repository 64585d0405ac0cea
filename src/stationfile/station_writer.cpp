#include "stationfile/station_writer.h"

#include <sstream>

#include "model/element_tables.h"
#include "model/file_errors.h"
#include "select/route_file_check.h"
#include "stationfile/codepage.h"
#include "stationfile/save_file.h"
#include "stationfile/station_reader.h"

namespace szl {

namespace {

constexpr const char* kSaveTitle = "Zapisywanie stacji";

class Lines {
 public:
  Lines& num(long long v) {
    s_ += std::to_string(v);
    s_ += ',';
    return *this;
  }
  Lines& text(std::string_view t) {
    s_ += t;
    return *this;
  }
  void end() { s_ += "\r\n"; }
  std::string& str() { return s_; }

 private:
  std::string s_;
};

// A multi-line comment keeps its lines, each ended by CR LF like every line of the file.
std::string withCrLf(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void writeRoutes(Lines& out, const RouteTable& table, const RouteFile& routes) {
  long long selected = 0;
  for (const RouteRec& r : table.routes) selected += r.selected ? 1 : 0;
  out.num(selected).end();
  for (size_t i = 0; i < table.routes.size(); ++i) {
    const RouteRec& r = table.routes[i];
    if (!r.selected) continue;
    // The flags as the route table holds them; the points as the route file has them.
    out.num(r.bidirectional ? 1 : 0).num(r.electrified ? 1 : 0);
    for (const int16_t p : routes.pointsOf(i)) out.num(p);
    out.num(0).end();
  }
}

void writeObjects(Lines& out, const Station& st, int& shedX, int& shedY) {
  int sidingPlaces = 0;
  shedX = shedY = -1;
  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x < st.ColCount(); ++x) {
      const CellRec& c = st.cell(x, y);
      if (c.Linked != 1) continue;
      const ObjectRec& o = st.object(x, y);
      const int p = pointNumber(x, y);
      switch (objectClass(c.Code, c.InObject)) {
        case ObjectClass::EntryOrExit:
          out.num(o.Direction).num(o.ValueA).num(p);
          // Only an entry has a lead time; an exit writes 0 whatever it holds.
          out.num(o.Direction == 1 ? o.ValueB : 0).num(0).num(o.ValueC * 10 + 2 - o.Side).end();
          break;
        case ObjectClass::EntryExit:
          out.num(3).num(o.ValueA * 100 + o.ValueD).num(p).num(o.ValueB).num(0);
          out.num(o.ValueC * 10 + 2 - o.Side).end();
          break;
        case ObjectClass::Platform:
          if (o.ValueB == 1) out.num(4).num(3).num(p).num(p + 1).num(p + 2).num(o.ValueC).end();
          break;
        case ObjectClass::StoppingPoint:
          out.num(6).num(2).num(p).num(0).num(0).num(0).end();
          break;
        case ObjectClass::Sidings:
          out.num(5).num(o.ValueE).num(p).num(0).num(0).num(sidingPlaces).end();
          sidingPlaces += o.ValueE;
          break;
        case ObjectClass::GoodsTracks:
          if (o.ValueB == 1) out.num(9).num(3).num(p).num(p + 1).num(p + 2).num(0).end();
          break;
        case ObjectClass::LocoStoppingPoint:
          out.num(7).num(2).num(p).num(0).num(0).num(0).end();
          break;
        case ObjectClass::Shed:
          out.num(8).num(2).num(p).num(0).num(0).num(0).end();
          shedX = x;
          shedY = y;
          break;
        case ObjectClass::None:
          break;
      }
    }
  }
}

Message abortQuestion(const char* title) {
  return {Icon::Exclamation, title, "Naprawdę chcesz przerwać wpisywanie danych do pliku stacji?",
          Buttons::OkCancel};
}

const char* completionTitle(ObjectClass c) {
  switch (c) {
    case ObjectClass::Shed:
      return "Zapisywanie stacji - szopa";
    case ObjectClass::Sidings:
      return "Zapisywanie stacji - tory postojowe";
    case ObjectClass::EntryOrExit:
      return "Zapisywanie stacji - wjazd/wyjazd";
    case ObjectClass::EntryExit:
      return "Zapisywanie stacji - wjazd-wyjazd";
    default:
      return "Zapisywanie stacji - peron";
  }
}

Message saveError(const std::string& text) {
  return {Icon::Critical, kSaveTitle, text, Buttons::Ok};
}

// The route file as the table expects it and as the search could have walked it on the grid
// being saved, or the message that refuses the save.
std::optional<RouteFile> matchingRoutes(const Station& st, const RouteTable& table,
                                        const std::string& path, SaveHost& host) {
  RouteFileRead read = readRouteFile(path, st);
  if (!read.file) {
    host.ask(saveError(read.error + CrLf + CrLf + "Stacja nie została zapisana."));
    return std::nullopt;
  }
  if (!describes(table, *read.file)) {
    host.ask(saveError("Plik z trasami " + path + " nie odpowiada wynikowi selekcji tras" + CrLf +
                       "(od czasu selekcji trasy wyszukano ponownie albo plik zmieniono)." + CrLf +
                       CrLf + "Stacja nie została zapisana. Uruchom ponownie selekcję " +
                       "tras, a potem zapisz stację."));
    return std::nullopt;
  }
  if (const std::string misfit = routeFileMisfit(*read.file, st, path); !misfit.empty()) {
    host.ask(saveError(misfit + CrLf + CrLf + "Stacja nie została zapisana. Wyszukaj trasy " +
                       "ponownie, uruchom ponownie selekcję tras, a potem zapisz stację."));
    return std::nullopt;
  }
  return std::move(*read.file);
}

}  // namespace

std::string signatureLine(const std::string& date, const std::string& time) {
  return std::string(kSignatureStart) + " " + date + " o " + time +
         " przy pomocy programu Szlakownik 2.0.";
}

namespace {
void writeGrid(Lines& out, const Station& st) {
  out.num(0).end();
  out.num(st.RowCount()).num(st.ColCount()).end();
  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x < st.ColCount(); ++x) out.num(st.cell(x, y).Code);
    out.end();
  }
}
}  // namespace

std::string gridFileBytes(const Station& st) {
  Lines out;
  writeGrid(out, st);
  return std::move(out.str());
}

StationFileBytes stationFileBytes(const Station& st, const RouteTable& table,
                                  const RouteFile& routes, const std::string& signature,
                                  const std::string& displayPath) {
  StationFileBytes res;
  Lines out;
  writeGrid(out, st);
  writeRoutes(out, table, routes);
  res.totals = objectTotals(st);
  out.num(res.totals.ObjectCount).num(res.totals.SidingPlaces).end();
  int shedX = -1;
  int shedY = -1;
  writeObjects(out, st, shedX, shedY);
  const int tick = st.TickIndex >= 0 && st.TickIndex < static_cast<int>(TickUnits.size())
                       ? st.TickIndex
                       : kDefaultTickIndex;
  out.num(TickUnits[tick]).end();
  if (shedX < 0) {
    out.num(0).num(0).num(0).num(0).end();
  } else {
    const ObjectRec& o = st.object(shedX, shedY);
    out.num(o.ValueE).num(o.ValueC).num(o.ValueA).num(o.ValueD).end();
  }
  for (const std::string& line : {withCrLf(st.StationComment), signature}) {
    const CodePageText t = toWindows1250(line);
    res.encoded = res.encoded && t.ok;
    res.replaced += t.replaced;
    out.text(t.bytes).end();
  }
  res.bytes = std::move(out.str());
  // Read back as any opening would, so that nothing is written that would lose data then.
  std::istringstream back(res.bytes);
  const LoadResult again = readStation(back, displayPath);
  if (!again.station)
    res.unreadable = again.error;
  else if (!again.saved)
    res.unreadable = again.tailError;
  return res;
}

Message unreadableMessage(const std::string& path, const std::string& why) {
  return saveError("Stacji nie zapisano do pliku " + path + ", bo nie dałoby się jej potem " +
                   "otworzyć z danymi:" + CrLf + why + CrLf + CrLf +
                   "Poprzedni plik o tej nazwie, jeśli był, pozostał bez zmian.");
}

SaveResult cmdSave_Click(Station& st, const RouteTable& table, const std::string& routeFilePath,
                         SaveHost& host) {
  SaveResult res;
  // A route file changed since the selection would be copied wrongly: refuse before the
  // author spends time on the object data.
  if (!matchingRoutes(st, table, routeFilePath, host)) {
    res.outcome = SaveOutcome::Refused;
    return res;
  }

  // Step 1: the station-wide data.
  if (host.cmdPozostale_Click(st) &&
      host.ask(abortQuestion("Zapisywanie stacji - pozostałe dane")) == Answer::Ok)
    return res;

  // Step 2: every object with missing data gets the editor; entries and entry-exits until
  // their data is complete.
  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x < st.ColCount(); ++x) {
      const ObjectClass c = objectClassAt(st, x, y);
      const bool untilComplete = c == ObjectClass::EntryOrExit || c == ObjectClass::EntryExit;
      while (objectDataMissing(st, x, y)) {
        if (host.Uzupelnij(st, x, y) && host.ask(abortQuestion(completionTitle(c))) == Answer::Ok)
          return res;
        if (!untilComplete) break;
      }
    }
  }

  // Step 3: the file name.
  const std::optional<std::string> chosen = host.chooseSavePath();
  if (!chosen || chosen->empty() || chosen->front() == '\0') return res;
  const StationPath sp = splitStationPath(*chosen);
  res.path = sp.dir + sp.file;

  // Step 4: the file, from a fresh read of the route file.
  const std::optional<RouteFile> routes = matchingRoutes(st, table, routeFilePath, host);
  if (!routes) {
    res.outcome = SaveOutcome::Refused;
    return res;
  }
  const StationFileBytes file = stationFileBytes(
      st, table, *routes, signatureLine(host.shortDate(), host.shortTime()), res.path);
  res.totals = file.totals;
  if (!file.unreadable.empty()) {
    host.ask(unreadableMessage(res.path, file.unreadable));
    res.outcome = SaveOutcome::Failed;
    return res;
  }
  const int err = file.encoded ? saveFileAtomically(res.path, file.bytes) : EILSEQ;
  if (err != 0) {
    const std::string why = file.encoded ? writeFailureReason(err)
                                         : "system nie potrafi zapisać tekstu w stronie kodowej "
                                           "Windows-1250.";
    host.ask(saveError("Nie można zapisać stacji do pliku " + res.path + ":" + CrLf + why + CrLf +
                       "Poprzedni plik o tej nazwie, jeśli był, pozostał bez zmian."));
    res.outcome = SaveOutcome::Failed;
    return res;
  }
  res.outcome = SaveOutcome::Saved;
  if (file.replaced > 0)
    host.ask({Icon::Exclamation, kSaveTitle,
              std::string("Komentarz lub podpis stacji zawiera znaki, których nie ma w stronie ") +
                  "kodowej Windows-1250, używanej przez Torowika." + CrLf + "W pliku " + sp.file +
                  " zastąpiono je znakiem \"?\".",
              Buttons::Ok});

  // Step 5: the reminder.
  host.ask({Icon::Information, "Przypomnienie",
            "Stacja " + sp.file + " została zapisana." + CrLf + CrLf +
                "Jeżeli zamierzasz opublikować stację, stworzoną przy pomocy tego programu, " +
                CrLf + "nie zapomnij powiadomić o tym e-mailem autora programu oraz zawrzeć " +
                CrLf +
                "stosowne informacje w pliku stacji i ewentualnie w pliku dokumentacji stacji.",
            Buttons::Ok});
  return res;
}

}  // namespace szl
