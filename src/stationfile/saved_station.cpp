#include "stationfile/saved_station.h"

#include <iterator>

#include "model/element_tables.h"
#include "model/message.h"
#include "model/plural.h"
#include "stationfile/codepage.h"
#include "stationfile/field_reader.h"

namespace szl {

namespace {

// A tail longer than this is no station's: thousands of kept routes take a few megabytes.
constexpr size_t kMaxTailBytes = 64u << 20;

struct Damage {
  int index;  // line of the tail, 0-based
  std::string why;
};

// Lines of the tail; CR LF, LF and CR alone end a line. A last line without a line break
// counts when it holds something.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(std::move(cur));
      cur.clear();
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty()) lines.push_back(std::move(cur));
  return lines;
}

bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

// The fields of one line: every field is followed by a comma, so the text after the last
// comma is not a field unless it holds something.
std::vector<int16_t> numbers(const std::string& line, int index) {
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
          index, "pole \"" + shownField(field) + "\" nie jest liczbą całkowitą od -32768 do 32767"};
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
  TailParser(std::vector<std::string> lines, int cols, int rows, int64_t firstLine)
      : lines_(std::move(lines)), cols_(cols), rows_(rows), firstLine_(firstLine) {}

  SavedStation parse() {
    SavedStation s;
    const std::vector<int16_t> count = expect(1, "liczba zapisanych tras");
    if (count[0] < 0) throw Damage{at_ - 1, "liczba tras nie może być ujemna"};
    const int countLine = at_ - 1;
    for (int i = 0; i < count[0]; ++i) s.routes.push_back(route(i, count[0], countLine));
    expectSummary(count[0], countLine);
    for (;;) {
      const std::vector<int16_t> f = next("zapis obiektu albo jednostka taktowania zegara");
      if (f.size() == 1) {
        s.TickIndex = tickIndex(f[0]);
        break;
      }
      s.records.push_back(record(f));
    }
    const std::vector<int16_t> shed = expect(4, "dane lokomotywowni");
    for (int i = 0; i < 4; ++i) s.shedData[i] = shed[i];
    // The comment takes every line up to the signature. A file edited by hand may have lost
    // its signature: then the last line is the comment's, not to be thrown away.
    if (at_ >= end_) throw Damage{end_, "plik kończy się, zanim zapisano w nim: komentarz stacji"};
    int commentEnd = end_;
    if (fromWindows1250(lines_[end_ - 1]).starts_with(kSignatureStart)) {
      commentEnd = end_ - 1;
      s.signature = fromWindows1250(lines_[end_ - 1]);
    }
    std::string comment;
    for (int i = at_; i < commentEnd; ++i) {
      if (i > at_) comment += CrLf;
      comment += lines_[i];
    }
    s.comment = fromWindows1250(comment);
    return s;
  }

  // Blank lines after the signature are not part of the file's content.
  void trimEnd() {
    end_ = static_cast<int>(lines_.size());
    while (end_ > 0 && blank(lines_[end_ - 1])) --end_;
  }
  bool empty() const { return end_ == 0; }

 private:
  // The fields of the next line.
  std::vector<int16_t> next(const char* what) {
    const std::string& l = line(what);
    return numbers(l, at_ - 1);
  }

  const std::string& line(const char* what) {
    if (at_ >= end_)
      throw Damage{end_, std::string("plik kończy się, zanim zapisano w nim: ") + what};
    return lines_[at_++];
  }

  std::vector<int16_t> expect(size_t n, const char* what) {
    std::vector<int16_t> f = next(what);
    if (f.size() != n)
      throw Damage{at_ - 1, std::string("oczekiwano: ") + what + " (" + fieldCount(n) +
                                "), a wiersz pliku ma " + fieldCount(f.size())};
    return f;
  }

  bool onGrid(int p) const { return p >= 0 && pointColumn(p) < cols_ && pointRow(p) < rows_; }
  void checkPoint(int p) const {
    if (!onGrid(p))
      throw Damage{at_ - 1, "punkt " + std::to_string(p) + " leży poza siatką stacji (" +
                                std::to_string(rows_) + " x " + std::to_string(cols_) + ")"};
  }

  KeptRoute route(int i, int count, int countLine) {
    const std::vector<int16_t> f = next("trasy");
    if (f.size() == 2)
      throw Damage{at_ - 1, "jest podsumowanie obiektów, a nie trasa: zapisano tylko " +
                                counted(i, "trasę", "trasy", "tras") + ", a wiersz " +
                                std::to_string(firstLine_ + countLine) + " pliku zapowiada ich " +
                                std::to_string(count)};
    if (f.size() < 4 || f.back() != 0)
      throw Damage{at_ - 1, "trasa musi mieć dwie flagi, punkty i kończące je zero"};
    if (f.size() - 3 > 255) throw Damage{at_ - 1, "trasa ma więcej niż 255 punktów"};
    KeptRoute r;
    r.bidirectional = f[0] != 0;
    r.electrified = f[1] != 0;
    for (size_t k = 2; k + 1 < f.size(); ++k) {
      if (f[k] == 0)
        throw Damage{at_ - 1, "punkt 0 nie może należeć do trasy, bo zero kończy zapis trasy"};
      checkPoint(f[k]);
      r.points.push_back(f[k]);
    }
    r.fileStart = r.points.front();
    r.fileEnd = r.points.back();
    r.line = at_;  // 1-based within the tail; made a file line by the caller
    return r;
  }

  void expectSummary(int count, int countLine) {
    const std::vector<int16_t> f = next("podsumowanie obiektów");
    if (f.size() == 2) return;
    if (f.size() >= 4 && f.back() == 0)
      throw Damage{at_ - 1, "tu jest jeszcze jedna trasa, a wiersz " +
                                std::to_string(firstLine_ + countLine) + " pliku zapowiada ich " +
                                std::to_string(count)};
    throw Damage{at_ - 1, "oczekiwano podsumowania obiektów (2 pola), a wiersz pliku ma " +
                              fieldCount(f.size())};
  }

  SavedRecord record(const std::vector<int16_t>& f) {
    if (f.size() != 6)
      throw Damage{at_ - 1, "zapis obiektu ma " + fieldCount(f.size()) + " zamiast 6"};
    SavedRecord r;
    r.line = at_;
    std::copy(f.begin(), f.end(), r.fields.begin());
    const int kind = f[0];
    if (kind < 1 || kind > 9)
      throw Damage{at_ - 1,
                   "nieznany rodzaj obiektu " + std::to_string(kind) + " (znane to 1 do 9)"};
    checkPoint(f[2]);
    if (kind <= 3) {
      // The last field is the number times ten plus the side: 1 left, 0 right.
      if (f[5] < 0 || f[5] % 10 > 2)
        throw Damage{at_ - 1, "numer i strona wjazdu " + std::to_string(f[5]) +
                                  " nie są zapisane jako numer × 10 + strona"};
      if (kind == 3 && f[1] < 0)
        throw Damage{at_ - 1, "czasy wjazdu-wyjazdu " + std::to_string(f[1]) + " są ujemne"};
    } else if (kind == 4 || kind == 9) {
      if (f[1] != 3 || f[3] != f[2] + 1 || f[4] != f[2] + 2 || !onGrid(f[2] + 2) ||
          pointRow(f[2] + 2) != pointRow(f[2]))
        throw Damage{at_ - 1, "grupa trzech pól musi podać trzy sąsiednie punkty jednego wiersza"};
    } else if (kind != 5 && f[1] != 2) {
      throw Damage{at_ - 1, "drugie pole zapisu tego obiektu powinno być 2"};
    }
    return r;
  }

  int tickIndex(int seconds) const {
    for (size_t i = 0; i < TickUnits.size(); ++i)
      if (TickUnits[i] == seconds) return static_cast<int>(i);
    throw Damage{at_ - 1, "jednostka taktowania zegara " + std::to_string(seconds) +
                              " s nie jest żadną z 1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60 s"};
  }

  std::vector<std::string> lines_;
  int cols_;
  int rows_;
  int64_t firstLine_;
  int at_ = 0;
  int end_ = 0;
};

}  // namespace

SavedTail readSavedTail(std::istream& in, int cols, int rows, int64_t firstLine,
                        const std::string& displayPath) {
  SavedTail res;
  std::string text;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    text.append(buf, static_cast<size_t>(in.gcount()));
    if (text.size() > kMaxTailBytes) {
      res.error = "Plik stacji " + displayPath + " ma po siatce więcej niż " +
                  std::to_string(kMaxTailBytes >> 20) + " MB danych: to nie jest zapisana stacja.";
      return res;
    }
  }
  // Old editors end a file with Ctrl-Z; what follows it, if anything, is no content.
  if (const size_t eof = text.find('\x1a');
      eof != std::string::npos && text.find_first_not_of("\x1a\r\n \t", eof) == std::string::npos)
    text.resize(eof);
  TailParser parser(splitLines(text), cols, rows, firstLine);
  parser.trimEnd();
  if (parser.empty()) return res;
  try {
    SavedStation s = parser.parse();
    for (KeptRoute& r : s.routes) r.line += firstLine - 1;
    for (SavedRecord& r : s.records) r.line += firstLine - 1;
    res.saved = std::move(s);
  } catch (const Damage& d) {
    res.error = "Dane zapisane w pliku stacji " + displayPath + " po siatce są uszkodzone:" + CrLf +
                "w wierszu " + std::to_string(firstLine + d.index) + " pliku " + d.why + ".";
  }
  return res;
}

}  // namespace szl
