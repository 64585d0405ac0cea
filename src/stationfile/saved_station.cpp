#include "stationfile/saved_station.h"

#include <algorithm>

#include "model/element_tables.h"
#include "model/message.h"
#include "model/plural.h"
#include "stationfile/codepage.h"
#include "stationfile/field_reader.h"

namespace szl {

namespace {

// No line before the comment is longer than a route of 255 points.
constexpr size_t kMaxLineBytes = 4096;
constexpr int kEof = std::char_traits<char>::eof();

struct Damage {
  int64_t line;  // of the file
  std::string why;
};

bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

// The tail as lines, read as they come so that no more than one line and the comment are held
// at a time. Before the comment any run of CR and LF is one line break, as in the grid; in the
// comment every CR LF, LF or CR alone ends a line, so that its empty lines stay.
class TailLines {
 public:
  TailLines(std::istream& in, int64_t firstLine) : buf_(*in.rdbuf()), line_(firstLine) {}

  // The next line before the comment, blank lines skipped; false at the end of the file. The
  // last line before the comment ends at its first line break: the comment may start with
  // empty lines.
  bool next(std::string& out, bool lastBeforeComment = false) {
    for (;;) {
      if (!read(out, !lastBeforeComment)) return false;
      if (!blank(out)) return true;
    }
  }
  // The next line of the comment, blank or not; false at the end of the file.
  bool nextLiteral(std::string& out) { return read(out, false); }
  // The line the last line read starts on.
  int64_t line() const { return lineOfLast_; }
  int64_t endLine() const { return line_; }

 private:
  int get() {
    const int c = buf_.sbumpc();
    if (c != kEof && ++bytes_ > kMaxSavedTailBytes)
      throw Damage{line_, "dane po siatce mają więcej niż " +
                              std::to_string(kMaxSavedTailBytes >> 20) +
                              " MB: to nie jest zapisana stacja"};
    return c;
  }

  bool read(std::string& out, bool runs) {
    out.clear();
    lineOfLast_ = line_;
    int c = get();
    if (c == kEof) return false;
    for (; c != kEof && c != '\r' && c != '\n'; c = get()) {
      if (c == '\x1a') {
        endAtCtrlZ();
        break;
      }
      if (out.size() >= (runs ? kMaxLineBytes : kMaxCommentBytes + kMaxLineBytes))
        throw Damage{line_, "wiersz pliku jest dłuższy niż " +
                                std::to_string(runs ? kMaxLineBytes : kMaxCommentBytes) +
                                " znaków"};
      out.push_back(static_cast<char>(c));
    }
    if (c == '\r' || c == '\n') {
      LineBreaks run;
      ++(c == '\n' ? run.lf : run.cr);
      if (c == '\r' && buf_.sgetc() == '\n') ++run.lf, get();
      while (runs && (buf_.sgetc() == '\r' || buf_.sgetc() == '\n'))
        ++(get() == '\n' ? run.lf : run.cr);
      line_ += runs ? run.lines() : 1;
    }
    return true;
  }

  // Old editors end a file with Ctrl-Z; only blanks and line breaks may follow it.
  void endAtCtrlZ() {
    for (int c = get(); c != kEof; c = get())
      if (c != '\x1a' && c != '\r' && c != '\n' && c != ' ' && c != '\t')
        throw Damage{line_, "po znaku końca pliku (Ctrl-Z) są jeszcze dane"};
  }

  std::streambuf& buf_;
  int64_t line_;
  int64_t lineOfLast_ = 0;
  uint64_t bytes_ = 0;
};

// The fields of one line: every field is followed by a comma, so the text after the last
// comma is not a field unless it holds something.
std::vector<int16_t> numbers(const std::string& line, int64_t at) {
  std::vector<int16_t> out;
  size_t start = 0;
  for (;;) {
    const size_t comma = line.find(',', start);
    std::string field =
        line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const size_t b = field.find_first_not_of(" \t");
    field = b == std::string::npos ? std::string()
                                   : field.substr(b, field.find_last_not_of(" \t") - b + 1);
    if (comma == std::string::npos && field.empty()) break;
    int16_t v = 0;
    if (parseInt16(field, v) != IntParse::Ok)
      throw Damage{
          at, "pole \"" + shownField(field) + "\" nie jest liczbą całkowitą od -32768 do 32767"};
    out.push_back(v);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return out;
}

std::string fieldCount(size_t n) {
  return counted(static_cast<long long>(n), "pole", "pola", "pól");
}

class TailParser {
 public:
  TailParser(std::istream& in, int cols, int rows, int64_t firstLine)
      : lines_(in, firstLine), cols_(cols), rows_(rows) {}

  // Nothing at all after the grid: a grid-only file.
  bool empty() { return !lines_.next(line_); }

  // Called after empty() returned false: the first line is at hand.
  SavedStation parse() {
    SavedStation s;
    const std::vector<int16_t> count = expect(1, "liczba zapisanych tras", true);
    if (count[0] < 0) throw Damage{lines_.line(), "liczba tras nie może być ujemna"};
    const int64_t countLine = lines_.line();
    s.routes.reserve(static_cast<size_t>(count[0]));
    for (int i = 0; i < count[0]; ++i) s.routes.push_back(route(i, count[0], countLine));
    expectSummary(count[0], countLine);
    // A valid file has at most one record per cell of its grid.
    const long long maxRecords = static_cast<long long>(cols_) * rows_;
    for (;;) {
      const std::vector<int16_t> f = next("zapis obiektu albo jednostka taktowania zegara");
      if (f.size() == 1) {
        s.TickIndex = tickIndex(f[0]);
        break;
      }
      if (static_cast<long long>(s.records.size()) >= maxRecords)
        throw Damage{lines_.line(), "zapisów obiektów jest więcej niż pól siatki (" +
                                        std::to_string(maxRecords) + ")"};
      s.records.push_back(record(f));
    }
    const std::vector<int16_t> shed = expect(4, "dane lokomotywowni", false, true);
    for (int i = 0; i < 4; ++i) s.shedData[i] = shed[i];
    comment(s);
    return s;
  }

 private:
  // The comment takes every line up to the signature, the last line that is not blank; blank
  // lines after the signature are no part of the file.
  void comment(SavedStation& s) {
    std::string text;      // the lines up to the last one that is not blank
    std::string blanks;    // blank lines since, kept in case more text follows
    bool tooLong = false;  // so many blank lines that more text would be too much
    size_t lastStart = 0;  // where the last line that is not blank starts in `text`
    int64_t lastLine = 0;
    bool first = true;
    std::string l;
    while (lines_.nextLiteral(l)) {
      const char* join = first ? "" : CrLf;
      first = false;
      if (blank(l)) {
        if (!tooLong) blanks.append(join).append(l);
        tooLong = tooLong || blanks.size() > kMaxCommentBytes;
        continue;
      }
      if (tooLong || text.size() + blanks.size() + l.size() > kMaxCommentBytes + kMaxLineBytes)
        throw Damage{lines_.line(), "komentarz stacji jest dłuższy niż " +
                                        std::to_string(kMaxCommentBytes >> 10) + " KB"};
      text.append(blanks).append(join);
      blanks.clear();
      lastStart = text.size();
      text += l;
      lastLine = lines_.line();
    }
    if (lastLine == 0)
      throw Damage{lines_.endLine(), "plik kończy się, zanim zapisano w nim komentarz i podpis"};
    const std::string signature = fromWindows1250(std::string_view(text).substr(lastStart));
    if (!signature.starts_with(kSignatureStart))
      throw Damage{lastLine, "brak podpisu stacji: ostatni wiersz nie zaczyna się od \"" +
                                 std::string(kSignatureStart) +
                                 "\", więc plik został ucięty albo zmieniony"};
    s.signature = signature;
    // The line break before the signature is not the comment's.
    text.resize(lastStart >= 2 ? lastStart - 2 : 0);
    s.comment = fromWindows1250(text);
  }

  // The fields of the next line.
  std::vector<int16_t> next(const char* what, bool atHand = false, bool lastBeforeComment = false) {
    if (!atHand && !lines_.next(line_, lastBeforeComment))
      throw Damage{lines_.endLine(), std::string("plik kończy się, zanim zapisano w nim: ") + what};
    return numbers(line_, lines_.line());
  }

  std::vector<int16_t> expect(size_t n, const char* what, bool atHand = false,
                              bool lastBeforeComment = false) {
    std::vector<int16_t> f = next(what, atHand, lastBeforeComment);
    if (f.size() != n)
      throw Damage{lines_.line(), std::string("oczekiwano: ") + what + " (" + fieldCount(n) +
                                      "), a wiersz pliku ma " + fieldCount(f.size())};
    return f;
  }

  bool onGrid(int p) const { return p >= 0 && pointColumn(p) < cols_ && pointRow(p) < rows_; }
  void checkPoint(int p) const {
    if (!onGrid(p))
      throw Damage{lines_.line(), "punkt " + std::to_string(p) + " leży poza siatką stacji (" +
                                      std::to_string(rows_) + " x " + std::to_string(cols_) + ")"};
  }

  KeptRoute route(int i, int count, int64_t countLine) {
    const std::vector<int16_t> f = next("trasy");
    const int64_t at = lines_.line();
    if (f.size() == 2)
      throw Damage{at, "jest podsumowanie obiektów, a nie trasa: zapisano tylko " +
                           counted(i, "trasę", "trasy", "tras") + ", a wiersz " +
                           std::to_string(countLine) + " pliku zapowiada ich " +
                           std::to_string(count)};
    if (f.size() < 4 || f.back() != 0)
      throw Damage{at, "trasa musi mieć dwie flagi, punkty i kończące je zero"};
    if (f.size() - 3 > 255) throw Damage{at, "trasa ma więcej niż 255 punktów"};
    KeptRoute r;
    r.bidirectional = f[0] != 0;
    r.electrified = f[1] != 0;
    for (size_t k = 2; k + 1 < f.size(); ++k) {
      if (f[k] == 0)
        throw Damage{at, "punkt 0 nie może należeć do trasy, bo zero kończy zapis trasy"};
      checkPoint(f[k]);
      r.points.push_back(f[k]);
    }
    r.fileStart = r.points.front();
    r.fileEnd = r.points.back();
    r.line = at;
    return r;
  }

  void expectSummary(int count, int64_t countLine) {
    const std::vector<int16_t> f = next("podsumowanie obiektów");
    if (f.size() == 2) return;
    if (f.size() >= 4 && f.back() == 0)
      throw Damage{lines_.line(), "tu jest jeszcze jedna trasa, a wiersz " +
                                      std::to_string(countLine) + " pliku zapowiada ich " +
                                      std::to_string(count)};
    throw Damage{lines_.line(), "oczekiwano podsumowania obiektów (2 pola), a wiersz pliku ma " +
                                    fieldCount(f.size())};
  }

  SavedRecord record(const std::vector<int16_t>& f) {
    const int64_t at = lines_.line();
    if (f.size() != 6) throw Damage{at, "zapis obiektu ma " + fieldCount(f.size()) + " zamiast 6"};
    SavedRecord r;
    r.line = at;
    std::copy(f.begin(), f.end(), r.fields.begin());
    const int kind = f[0];
    if (kind < 1 || kind > 9)
      throw Damage{at, "nieznany rodzaj obiektu " + std::to_string(kind) + " (znane to 1 do 9)"};
    checkPoint(f[2]);
    if (kind <= 3) {
      // The last field is the number times ten plus the side: 1 left, 0 right.
      if (f[5] < 0 || f[5] % 10 > 2)
        throw Damage{at, "numer i strona wjazdu " + std::to_string(f[5]) +
                             " nie są zapisane jako numer × 10 + strona"};
      if (kind == 3 && f[1] < 0)
        throw Damage{at, "czasy wjazdu-wyjazdu " + std::to_string(f[1]) + " są ujemne"};
    } else if (kind == 4 || kind == 9) {
      if (f[1] != 3 || f[3] != f[2] + 1 || f[4] != f[2] + 2 || !onGrid(f[2] + 2) ||
          pointRow(f[2] + 2) != pointRow(f[2]))
        throw Damage{at, "grupa trzech pól musi podać trzy sąsiednie punkty jednego wiersza"};
    } else if (kind != 5 && f[1] != 2) {
      throw Damage{at, "drugie pole zapisu tego obiektu powinno być 2"};
    }
    return r;
  }

  int tickIndex(int seconds) const {
    for (size_t i = 0; i < TickUnits.size(); ++i)
      if (TickUnits[i] == seconds) return static_cast<int>(i);
    throw Damage{lines_.line(),
                 "jednostka taktowania zegara " + std::to_string(seconds) +
                     " s nie jest żadną z 1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60 s"};
  }

  TailLines lines_;
  int cols_;
  int rows_;
  std::string line_;
};

}  // namespace

SavedTail readSavedTail(std::istream& in, int cols, int rows, int64_t firstLine,
                        const std::string& displayPath) {
  SavedTail res;
  try {
    TailParser parser(in, cols, rows, firstLine);
    if (parser.empty()) return res;
    res.saved = parser.parse();
  } catch (const Damage& d) {
    res.error = "Dane zapisane w pliku stacji " + displayPath + " po siatce są uszkodzone:" + CrLf +
                "w wierszu " + std::to_string(d.line) + " pliku " + d.why + ".";
  }
  return res;
}

}  // namespace szl
