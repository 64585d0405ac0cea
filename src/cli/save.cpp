#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "model/file_errors.h"
#include "model/plural.h"
#include "model/preparation.h"
#include "objects/missing_data.h"
#include "objects/object_data.h"
#include "platform/system.h"
#include "select/route_file_check.h"
#include "select/route_selector.h"
#include "stationfile/carry_over.h"
#include "stationfile/save_file.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"

namespace szl::cli {

namespace {

std::string twoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// The signature's moment: SOURCE_DATE_EPOCH in UTC when set, so that a build can be repeated
// byte for byte, else the system's local time. Polish short forms, as the simulator's authors
// see them on their systems.
bool signatureTime(std::string& date, std::string& time) {
  std::tm tm{};
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    errno = 0;
    const long long secs = std::strtoll(epoch, &end, 10);
    if (end == epoch || *end != '\0' || errno != 0 || secs < 0) return false;
    if (!sys::utcTime(static_cast<std::time_t>(secs), tm)) return false;
  } else {
    if (!sys::localTime(std::time(nullptr), tm)) return false;
  }
  date = twoDigits(tm.tm_mday) + "." + twoDigits(tm.tm_mon + 1) + "." +
         std::to_string(tm.tm_year + 1900);
  time = twoDigits(tm.tm_hour) + ":" + twoDigits(tm.tm_min);
  return true;
}

constexpr const char* kSaveTitle = "Zapisywanie stacji";

// The route file the station is saved with. A missing one is no empty search: it is refused, as
// is one that no longer fits the grid as analysed with these options.
std::optional<RouteFile> routesToSave(const Station& st, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(sys::fsPath(path), ec)) {
    printMessage(kSaveTitle, routeFileOpenFailure(path, ENOENT) + CrLf +
                                 "Najpierw wyszukaj trasy poleceniem search (albo zapisz stację "
                                 "z opcją --search); stacji nie zapisano.");
    return std::nullopt;
  }
  RouteFileRead read = readRouteFile(path, st);
  if (!read.file) {
    printMessage(kSaveTitle, read.error);
    return std::nullopt;
  }
  if (const std::string misfit = routeFileMisfit(*read.file, st, path); !misfit.empty()) {
    printMessage(kSaveTitle, misfit + CrLf +
                                 "Wyszukaj trasy ponownie (polecenie search albo opcja "
                                 "--search); stacji nie zapisano.");
    return std::nullopt;
  }
  return std::move(read.file);
}

}  // namespace

int save(const SaveRequest& req) {
  std::string date;
  std::string time;
  if (!signatureTime(date, time)) {
    std::cerr << "szlakownik-cli save: SOURCE_DATE_EPOCH nie jest liczbą sekund od 1970 roku.\n";
    return 2;
  }

  LoadResult res = WczytajStacje(req.station);
  if (!res.station) {
    printMessage(loadErrorMessage(res.error));
    return 1;
  }

  // The author's data: from the file named, or from the station itself when it is a saved one.
  std::optional<SavedStation> saved;
  if (req.dataFrom) {
    LoadResult from = WczytajStacje(*req.dataFrom);
    if (!from.station) {
      printMessage(loadErrorMessage(from.error));
      return 1;
    }
    if (!from.tailError.empty()) {
      printMessage("Otwieranie stacji", from.tailError);
      return 1;
    }
    if (!from.saved) {
      printMessage("Otwieranie stacji", "Plik " + *req.dataFrom +
                                            " nie zawiera zapisanych danych stacji, tylko siatkę.");
      return 1;
    }
    saved = std::move(from.saved);
  } else {
    if (!res.tailError.empty()) {
      printMessage("Otwieranie stacji", res.tailError);
      return 1;
    }
    saved = std::move(res.saved);
  }
  Station& st = *res.station;
  if (!analysable(st)) {
    printMessage(tooLargeToAnalyseMessage(st));
    return 1;
  }
  // Saving over the route file would destroy the routes the save copies from it.
  {
    std::error_code e1, e2;
    const auto out = std::filesystem::weakly_canonical(sys::fsPath(req.output), e1);
    const auto in =
        std::filesystem::weakly_canonical(sys::fsPath(routeFilePath(st, req.options)), e2);
    if (!e1 && !e2 && out == in) {
      printMessage(kSaveTitle, "Plik " + req.output + " to plik z trasami tej stacji; zapisanie " +
                                   "w nim stacji zniszczyłoby trasy. Podaj inną nazwę " +
                                   "(--output); stacji nie zapisano.");
      return 1;
    }
  }
  // The route file exactly as `search` writes it, once everything else the save reads is known
  // to be usable.
  if (req.search)
    if (const int status = searchLoaded(res, req.options); status != 0) return status;

  CarryReport carried;
  if (saved) {
    carried = takeSavedData(st, *saved);
    if (!carried.notes.empty())
      printMessage(carryNotesMessage(req.dataFrom ? *req.dataFrom : req.station, carried));
  }

  PrzygotujStacje(st, req.options.passages);
  const std::string routes = routeFilePath(st, req.options);
  std::optional<RouteFile> routeFile = routesToSave(st, routes);
  if (!routeFile) return 1;
  PrintingHost host;
  RouteSelector sel;
  if (!sel.Prepare(st, routes, host)) return 1;
  if (!describes(sel.table(), *routeFile)) {
    printMessage(kSaveTitle, "Plik z trasami " + routes +
                                 " zmienił się w trakcie zapisywania; stacji nie zapisano.");
    return 1;
  }
  // With the author's saved data the selector has already said what it could not carry and
  // which groups are new; a second list would only repeat it.
  if (!st.RoutesTaken) {
    std::vector<std::string> unchosen;
    for (int g = 0; g < sel.groupCount(); ++g) {
      const RouteGroup& gr = sel.table().groups[g];
      if (!sel.groupTicked(g))
        unchosen.push_back("od punktu " + std::to_string(gr.start) + " do punktu " +
                           std::to_string(gr.end) + " (" +
                           counted(gr.routeCount, "trasa", "trasy", "tras") + ")");
    }
    if (!unchosen.empty())
      printMessage(listMessage(
          "Selekcja tras",
          "Z tych grup nie wybrano żadnej trasy, więc plik stacji ich nie zawiera:", unchosen));
  }
  sel.Confirm();

  // Nobody can type here: only what a record would be written for, and no saved record gave,
  // stops the save.
  std::vector<std::string> missing;
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x)
      if (batchDataMissing(st, x, y))
        missing.push_back("punkt " + std::to_string(pointNumber(x, y)) + ", " +
                          objectClassName(objectClassAt(st, x, y)));
  if (!missing.empty()) {
    printMessage(
        listMessage(kSaveTitle, "Tym obiektom brakuje danych; stacji nie zapisano:", missing));
    return 1;
  }

  const StationFileBytes file =
      stationFileBytes(st, sel.table(), *routeFile, signatureLine(date, time), req.output);
  if (!file.unreadable.empty()) {
    printMessage(unreadableMessage(req.output, file.unreadable));
    return 1;
  }
  if (file.replaced > 0)
    printMessage(kSaveTitle,
                 "Komentarz zawiera znaki, których nie ma w stronie kodowej Windows-1250; "
                 "zastąpiono je znakiem \"?\".");
  if (const int err = saveFileAtomically(req.output, file.bytes)) {
    printMessage(kSaveTitle, "Nie można zapisać stacji do pliku " + req.output + ":" + CrLf +
                                 writeFailureReason(err));
    return 1;
  }
  long long kept = 0;
  for (const RouteRec& r : sel.table().routes) kept += r.selected ? 1 : 0;
  std::cout << "routes=" << kept << " objects=" << file.totals.ObjectCount
            << " carried_records=" << carried.carriedRecords
            << " dropped_records=" << carried.droppedRecords
            << " carried_routes=" << sel.carry().carried
            << " dropped_routes=" << sel.carry().dropped << "\n";
  return 0;
}

}  // namespace szl::cli
