#include "select/route_file_reader.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "model/file_errors.h"
#include "model/message.h"
#include "platform/system.h"
#include "search/route_file.h"
#include "stationfile/field_reader.h"

namespace szl {

namespace {

struct Refusal {
  std::string text;
};

struct Field {
  std::string_view text;  // without surrounding blanks
  int64_t line = 0;       // 1-based line where the field starts
  bool endsLine = false;  // ended by a line break rather than a comma
};

// The station file's field rules (a comma or a line break ends a field, any run of CR and LF
// is one break, blanks around a field do not count) over the file held in memory: a route file
// can hold millions of fields, too many to take a character at a time from a stream.
class FieldScanner {
 public:
  explicit FieldScanner(std::string_view bytes) : p_(bytes.data()), end_(p_ + bytes.size()) {}

  // The next field; false at the end of the input, where text after the last delimiter counts
  // as a field only when it is not empty.
  bool next(Field& f) {
    f.line = line_;
    f.endsLine = false;
    while (p_ < end_ && (*p_ == ' ' || *p_ == '\t')) ++p_;
    const char* b = p_;
    while (p_ < end_ && *p_ != ',' && *p_ != '\r' && *p_ != '\n') ++p_;
    const char* e = p_;
    while (e > b && (e[-1] == ' ' || e[-1] == '\t')) --e;
    f.text = std::string_view(b, static_cast<size_t>(e - b));
    if (p_ == end_) return !f.text.empty();
    if (*p_ == ',') {
      ++p_;
    } else {
      LineBreaks run;
      for (; p_ < end_ && (*p_ == '\r' || *p_ == '\n'); ++p_) ++(*p_ == '\n' ? run.lf : run.cr);
      line_ += run.lines();
      f.endsLine = true;
    }
    return true;
  }

  size_t position(std::string_view bytes) const { return static_cast<size_t>(p_ - bytes.data()); }

 private:
  const char* p_;
  const char* end_;
  int64_t line_ = 1;
};

class RouteParser {
 public:
  RouteParser(std::string_view bytes, const std::string& path, const Station& st)
      : fields_(bytes), path_(path), st_(st) {}

  // The next route line, or false at the end of the file.
  bool route(RouteFile& out) {
    Field f;
    for (;;) {
      if (!fields_.next(f)) return false;
      if (!f.text.empty() || !f.endsLine) break;  // blank lines are skipped
    }
    RouteLine r;
    r.line = f.line;
    r.firstPoint = static_cast<uint32_t>(out.points.size());
    r.bidirectional = number(f) != 0;
    if (f.endsLine || !fields_.next(f)) unterminated(r.line);
    r.electrified = number(f) != 0;
    for (;;) {
      if (f.endsLine || !fields_.next(f)) unterminated(r.line);
      const int16_t p = number(f);
      if (p == 0) break;
      if (p < 0 || !st_.inside(pointColumn(p), pointRow(p)))
        fail(r.line, "punkt " + std::to_string(p) + " leży poza siatką stacji (" +
                         std::to_string(st_.ColCount()) + " kolumn, " +
                         std::to_string(st_.RowCount()) + " wierszy)");
      if (r.pointCount == kMaxRoutePoints)
        fail(r.line, "trasa ma więcej niż " + std::to_string(kMaxRoutePoints) + " punktów");
      out.points.push_back(p);
      ++r.pointCount;
    }
    if (r.pointCount == 0) fail(r.line, "trasa nie ma ani jednego punktu");
    // After the terminator's comma comes the empty field that ends the line.
    Field rest;
    if (!f.endsLine && fields_.next(rest) && (!rest.text.empty() || !rest.endsLine))
      fail(r.line, "po polu 0, które zamyka trasę, są jeszcze inne pola");
    out.routes.push_back(r);
    return true;
  }

  size_t position(std::string_view bytes) const { return fields_.position(bytes); }

 private:
  int16_t number(const Field& f) const {
    // Plain numbers of up to four digits, nearly every field, without a detour.
    if (!f.text.empty() && f.text.size() <= 4) {
      int v = 0;
      bool digits = true;
      for (const char c : f.text) {
        if (c < '0' || c > '9') {
          digits = false;
          break;
        }
        v = v * 10 + (c - '0');
      }
      if (digits) return static_cast<int16_t>(v);
    }
    const std::string text(f.text);
    int16_t v = 0;
    switch (parseInt16(text, v)) {
      case IntParse::Ok:
        return v;
      case IntParse::NotInteger:
        fail(f.line, "pole \"" + shownField(text) + "\" nie jest liczbą całkowitą");
      case IntParse::OutOfRange:
        fail(f.line, "liczba " + shownField(text) + " jest za duża na numer punktu");
    }
    return v;
  }

  [[noreturn]] void unterminated(int64_t line) const {
    fail(line, "trasa kończy się przed polem 0, które powinno ją zamykać");
  }

  [[noreturn]] void fail(int64_t line, const std::string& what) const {
    throw Refusal{"Plik z trasami " + path_ + " jest uszkodzony:" + CrLf + "w wierszu " +
                  std::to_string(line) + " pliku " + what + "."};
  }

  FieldScanner fields_;
  const std::string& path_;
  const Station& st_;
};

}  // namespace

std::string routeFileOpenFailure(const std::string& path, int err) {
  return "Nie można otworzyć pliku z trasami " + path + ":" + CrLf + readFailureReason(err);
}

std::string routeFilePath(const Station& st, const SearchOptions& opt) {
  return routeFilePath(st.StationDir, opt.routeFileBase);
}

RouteFileRead readRouteFile(const std::string& path, const Station& st,
                            const std::function<void(double)>& progress) {
  RouteFileRead res;
  std::ifstream in;
  if (const int err = sys::openToRead(path, in)) {
    if (err == ENOENT || err == ENOTDIR)
      res.file.emplace();
    else
      res.error = routeFileOpenFailure(path, err);
    return res;
  }
  // No search writes more; a larger file is not ours, and is not read into memory.
  const std::string tooLarge = "Plik z trasami " + path + " jest za duży: ma ponad " +
                               std::to_string(kRouteFileLimit >> 20) + " MB," + CrLf +
                               "a wyszukiwanie nigdy nie zapisuje większego.";
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(sys::fsPath(path), ec);
  if (!ec && size > static_cast<uintmax_t>(kRouteFileLimit)) {
    res.error = tooLarge;
    return res;
  }
  std::string bytes;
  if (!ec) bytes.reserve(static_cast<size_t>(size));
  for (char chunk[1 << 16]; in.read(chunk, sizeof chunk) || in.gcount() > 0;) {
    bytes.append(chunk, static_cast<size_t>(in.gcount()));
    if (bytes.size() > static_cast<size_t>(kRouteFileLimit)) {  // it grew while being read
      res.error = tooLarge;
      return res;
    }
  }
  if (in.bad()) {
    res.error = "Błąd odczytu pliku z trasami " + path + ".";
    return res;
  }
  RouteFile file;
  file.points.reserve(bytes.size() / 4);
  try {
    RouteParser parser(bytes, path, st);
    while (parser.route(file)) {
      if (progress && !bytes.empty() && (file.routes.size() & 1023) == 0)
        progress(static_cast<double>(parser.position(bytes)) / static_cast<double>(bytes.size()));
    }
  } catch (const Refusal& r) {
    res.error = r.text;
    return res;
  }
  file.points.shrink_to_fit();
  res.file = std::move(file);
  return res;
}

}  // namespace szl
