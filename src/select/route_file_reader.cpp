#include "select/route_file_reader.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/message.h"
#include "stationfile/field_reader.h"

namespace szl {

namespace {

struct Refusal {
  std::string text;
};

class RouteParser {
 public:
  RouteParser(std::istream& in, const std::string& path, const Station& st)
      : fields_(in), path_(path), st_(st) {}

  // The next route line, or false at the end of the file.
  bool route(RouteFile& out) {
    std::optional<Field> f;
    for (;;) {
      f = fields_.next();
      if (!f) return false;
      if (!f->text.empty() || !endsLine(*f)) break;  // blank lines are skipped
    }
    RouteLine r;
    r.line = f->line;
    r.firstPoint = static_cast<uint32_t>(out.points.size());
    r.bidirectional = number(*f) != 0;
    if (endsLine(*f)) fail(r.line, "trasa kończy się przed polem 0, które powinno ją zamykać");
    f = fields_.next();
    if (!f) fail(r.line, "trasa kończy się przed polem 0, które powinno ją zamykać");
    r.electrified = number(*f) != 0;
    for (;;) {
      if (endsLine(*f) || !(f = fields_.next()))
        fail(r.line, "trasa kończy się przed polem 0, które powinno ją zamykać");
      const int16_t p = number(*f);
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
    if (!endsLine(*f)) {
      const auto rest = fields_.next();
      if (rest && (!rest->text.empty() || !endsLine(*rest)))
        fail(r.line, "po polu 0, które zamyka trasę, są jeszcze inne pola");
    }
    out.routes.push_back(r);
    return true;
  }

 private:
  bool endsLine(const Field& f) const { return fields_.line() > f.line; }

  int16_t number(const Field& f) const {
    int16_t v = 0;
    switch (parseInt16(f.text, v)) {
      case IntParse::Ok:
        return v;
      case IntParse::NotInteger:
        fail(f.line, "pole \"" + shortText(f.text) + "\" nie jest liczbą całkowitą");
      case IntParse::OutOfRange:
        fail(f.line, "liczba " + shortText(f.text) + " jest za duża na numer punktu");
    }
    return v;
  }

  [[noreturn]] void fail(int line, const std::string& what) const {
    throw Refusal{"Plik z trasami " + path_ + " jest uszkodzony:" + CrLf + "w wierszu " +
                  std::to_string(line) + " " + what + "."};
  }

  static std::string shortText(const std::string& s) {
    return s.size() > 20 ? s.substr(0, 20) + "..." : s;
  }

  FieldReader fields_;
  const std::string& path_;
  const Station& st_;
};

std::string openFailure(const std::string& path, int err) {
  std::string why;
  if (err == EISDIR)
    why = "to jest katalog, a nie plik.";
  else if (err == EACCES || err == EPERM)
    why = "brak uprawnień do odczytu.";
  else
    why = std::string("błąd systemu (") + std::strerror(err) + ").";
  return "Nie można otworzyć pliku z trasami " + path + ":" + CrLf + why;
}

}  // namespace

std::string routeFilePath(const Station& st, const SearchOptions& opt) {
  return st.StationDir + opt.routeFileBase + ".txt";
}

RouteFileRead readRouteFile(const std::string& path, const Station& st,
                            const std::function<void(double)>& progress) {
  RouteFileRead res;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) {
    res.file.emplace();
    return res;
  }
  if (status.type() == std::filesystem::file_type::directory) {
    res.error = openFailure(path, EISDIR);
    return res;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    res.error = openFailure(path, errno);
    return res;
  }
  const auto length = std::filesystem::file_size(path, ec);
  RouteFile file;
  try {
    RouteParser parser(in, path, st);
    while (parser.route(file)) {
      if (progress && length > 0 && (file.routes.size() & 255) == 0) {
        const auto pos = in.tellg();
        if (pos >= 0) progress(static_cast<double>(pos) / static_cast<double>(length));
      }
    }
  } catch (const Refusal& r) {
    res.error = r.text;
    return res;
  }
  if (in.bad()) {
    res.error = "Błąd odczytu pliku z trasami " + path + ".";
    return res;
  }
  res.file = std::move(file);
  return res;
}

}  // namespace szl
