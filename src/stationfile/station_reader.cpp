#include "stationfile/station_reader.h"

#include <algorithm>
#include <fstream>

#include "model/file_errors.h"
#include "model/plural.h"
#include "platform/system.h"
#include "stationfile/field_reader.h"

namespace szl {

StationPath splitStationPath(const std::string& chosen) {
  StationPath p;
  size_t start = chosen.size();
  while (start > 0 && !sys::isPathSeparator(chosen[start - 1])) --start;
  p.dir = chosen.substr(0, start);
  p.file = chosen.substr(start);
  if (const size_t nul = p.file.find('\0'); nul != std::string::npos) p.file.resize(nul);
  if (p.file.size() >= 4) {
    std::string tail = p.file.substr(p.file.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (tail != ".stc") p.file += ".stc";
  }
  return p;
}

namespace {

std::string openFailure(const std::string& path, int err) {
  return "Nie można otworzyć pliku stacji " + path + ":" + CrLf + readFailureReason(err);
}

// No number in a station file is longer, blanks included; anything longer is not a station.
constexpr size_t kLongestField = 64;
// The header and the size line take a dozen bytes; whatever takes more than this before the
// sizes is not a station file, and a device or a huge file is not read to its end.
constexpr uint64_t kLongestHead = 4096;

struct Refusal {
  std::string text;
};

class GridReader {
 public:
  GridReader(std::istream& in, const std::string& path) : fields_(in, kLongestField), path_(path) {}

  // A field that must be there, as a 16-bit integer.
  int16_t number(const char* what) {
    const Field f = field(what);
    int16_t v = 0;
    switch (parseInt16(f.text, v)) {
      case IntParse::Ok:
        return v;
      case IntParse::NotInteger:
        throw Refusal{
            damaged(f.line, "pole \"" + shownField(f.text) + "\" nie jest liczbą całkowitą.")};
      case IntParse::OutOfRange:
        throw Refusal{damaged(f.line, "liczba " + shownField(f.text) +
                                          " nie mieści się w zakresie od -32768 do 32767.")};
    }
    return 0;
  }
  // The next field, which may be missing only at the end of the file.
  bool skip() { return next().has_value(); }
  int64_t line() const { return fields_.line(); }
  std::string truncated(const char* what) const {
    return "Plik stacji " + path_ + " jest niekompletny:" + CrLf + "kończy się w wierszu " +
           std::to_string(fields_.lastLine()) + " pliku, zanim " + what + ".";
  }
  uint64_t consumed() const { return fields_.consumed(); }
  const std::string& path() const { return path_; }

 private:
  std::optional<Field> next() {
    std::optional<Field> f = fields_.next();
    if (f && f->tooLong) throw Refusal{tooLong(*f)};
    return f;
  }
  Field field(const char* what) {
    std::optional<Field> f = next();
    if (!f) throw Refusal{truncated(what)};
    return std::move(*f);
  }
  std::string damaged(int64_t line, const std::string& what) const {
    return "Plik stacji " + path_ + " jest uszkodzony:" + CrLf + "w wierszu " +
           std::to_string(line) + " pliku " + what;
  }
  std::string tooLong(const Field& f) const {
    return damaged(f.line, "pole \"" + shownField(f.text) + "\" jest dłuższe niż " +
                               counted(kLongestField, "znak", "znaki", "znaków") + ".");
  }
  FieldReader fields_;
  std::string path_;
};

int16_t firstNonZero(GridReader& r, const char* what) {
  for (;;) {
    const int16_t v = r.number(what);
    if (v != 0) return v;
    if (r.consumed() > kLongestHead)
      throw Refusal{"Plik " + r.path() + " nie jest plikiem stacji:" + CrLf + "w pierwszych " +
                    std::to_string(kLongestHead) +
                    " bajtach nie podaje liczby wierszy i kolumn stacji."};
  }
}

std::string rowsAndColumns(int rows, int cols) {
  return counted(rows, "wiersz", "wiersze", "wierszy") + " i " +
         counted(cols, "kolumnę", "kolumny", "kolumn");
}

// The grid, and the line that follows it in `nextLine`.
Station readGrid(std::istream& in, const std::string& path, int64_t& nextLine) {
  GridReader r(in, path);
  if (!r.skip()) throw Refusal{"Plik stacji " + path + " jest pusty."};
  const char* sizes = "podano w nim liczbę wierszy i kolumn stacji";
  const int rows = firstNonZero(r, sizes);
  const int cols = firstNonZero(r, sizes);
  if (rows < 0 || cols < 0)
    throw Refusal{"Plik stacji " + path +
                  " podaje ujemny rozmiar stacji: " + rowsAndColumns(rows, cols) + "."};
  if (cols > kLoadColumns || rows > kLoadRows)
    throw Refusal{"Stacja w pliku " + path + " ma " + rowsAndColumns(rows, cols) + "." + CrLf +
                  "Szlakownik otwiera najwyżej " + std::to_string(kLoadColumns) + " kolumn i " +
                  std::to_string(kLoadRows) + " wierszy, a analizuje najwyżej 100 kolumn i " +
                  "327 wierszy."};
  if (!r.skip()) throw Refusal{r.truncated("zaczyna się siatka stacji")};
  Station st(cols, rows);
  const std::string gridWhat = "kończy się siatka stacji (" +
                               counted(rows, "wiersz", "wiersze", "wierszy") + " po " +
                               counted(cols, "polu", "pola", "pól") + ")";
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < cols; ++x) st.setCode(x, y, r.number(gridWhat.c_str()));
    r.skip();  // the empty field at the end of the line; the last one may be missing
  }
  nextLine = r.line();
  return st;
}

}  // namespace

LoadInfo loadInfoOf(const Station& st) {
  LoadInfo info;
  info.limitMessage = st.ColCount() > kSimulatorColumns || st.RowCount() > kSimulatorRows;
  info.screenMessage = st.ColCount() > kScreenColumns || st.RowCount() > kScreenRows;
  info.point0Warning = !st.empty() && st.cell(0, 0).Code >= 10;
  return info;
}

LoadResult WczytajStacje(const std::string& chosen) {
  LoadResult res;
  const StationPath sp = splitStationPath(chosen);
  const std::string path = sp.dir + sp.file;
  std::ifstream in;
  if (const int err = sys::openToRead(path, in)) {
    res.error = openFailure(path, err);
    return res;
  }
  res = readStation(in, path);
  if (res.station) {
    res.station->StationDir = sp.dir;
    res.station->StationFile = sp.file;
  }
  return res;
}

LoadResult readStation(std::istream& in, const std::string& displayPath) {
  LoadResult res;
  try {
    int64_t nextLine = 0;
    Station st = readGrid(in, displayPath, nextLine);
    res.info = loadInfoOf(st);
    SavedTail tail = readSavedTail(in, st.ColCount(), st.RowCount(), nextLine, displayPath);
    res.saved = std::move(tail.saved);
    res.tailError = std::move(tail.error);
    res.station = std::move(st);
  } catch (const Refusal& r) {
    res.error = r.text;
  }
  return res;
}

Message sizeLimitMessage() {
  return {Icon::Information, "Rozmiar stacji",
          "Stacja przekracza maksymalne rozmiary, założone przez twórców Torowika.", Buttons::Ok};
}

Message screenSizeMessage() {
  return {Icon::Exclamation, "Rozmiar stacji",
          std::string("Ehm, myślisz że jest sens robienia aż tak rozległej stacji?") + CrLf +
              "Tak czy inaczej, obraz tej stacji nie zmieści się na ekranie.",
          Buttons::Ok};
}

Message point0Message() {
  return {Icon::Exclamation, kProgramTitle,
          std::string("Pole w punkcie 0 nie jest puste. ") + CrLf +
              "Ze względu na format pliku stacji, " + CrLf + "punkt 0 nie może być częścią trasy.",
          Buttons::Ok};
}

Message loadErrorMessage(const std::string& error) {
  return {Icon::Critical, "Otwieranie stacji", error, Buttons::Ok};
}

Message tailErrorMessage(const std::string& error) {
  return {Icon::Exclamation, "Otwieranie stacji",
          error + CrLf + CrLf +
              "Otwarto samą siatkę stacji: dane obiektów, jednostka taktowania zegara, " +
              "komentarz i wybrane trasy z tego pliku nie zostały przejęte.",
          Buttons::Ok};
}

}  // namespace szl
