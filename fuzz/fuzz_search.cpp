// Any bytes as a small station, search options and the author's answers: the search ends (or
// is ended by its host) with a route file of whole lines, each on the grid, made of
// neighbouring cells, from an object to an object, and read back by the route file reader.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/preparation.h"
#include "search/route_search.h"
#include "select/route_file_reader.h"
#include "stationfile/station_reader.h"

namespace {

void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz_search: %s\n", what);
  std::abort();
}

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}
  uint8_t next() { return p_ < end_ ? *p_++ : 0; }
  bool empty() const { return p_ == end_; }

 private:
  const uint8_t* p_;
  const uint8_t* end_;
};

// Tracks of every shape in both forms, every object, digits and a few codes nothing knows.
constexpr int16_t kCodes[] = {
    0,  0,  0,  10, 11, 12, 13,  14,  15,  16,  17,  18,  19,  20,  23,  24,  25,  26,  27, 28,
    29, 30, 31, 32, 33, 34, 35,  36,  37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47, 49,
    54, 55, 56, 57, 58, 59, 60,  61,  62,  63,  64,  65,  66,  100, 190, 230, 240, 620, 21, 21,
    22, 48, 50, 51, 52, 53, 210, 220, 480, 500, 510, 520, 530, 1,   2,   3,   9,   99,  -1, 700};

bool isObjectCode(int c) {
  return (c >= 1 && c <= 9) || c == 21 || c == 22 || c == 48 || (c >= 50 && c <= 53) || c == 210 ||
         c == 220 || c == 480 || (c >= 500 && c <= 530);
}

// Answers from the input; a walk that goes on for long is ended, as the window does when the
// author leaves the program.
class Host : public szl::SearchHost {
 public:
  explicit Host(Bytes& answers) : answers_(answers) {}
  szl::Answer ask(const szl::Message& m) override {
    const uint8_t b = answers_.next();
    switch (m.buttons) {
      case szl::Buttons::YesNoCancel:
        return b % 8 == 7 ? szl::Answer::Cancel : b % 8 >= 5 ? szl::Answer::No : szl::Answer::Yes;
      case szl::Buttons::YesNo:
        return b % 2 == 1 ? szl::Answer::No : szl::Answer::Yes;
      case szl::Buttons::OkCancel:
        return b % 4 == 3 ? szl::Answer::Cancel : szl::Answer::Ok;
      case szl::Buttons::Ok:
        return szl::Answer::Ok;
    }
    return szl::Answer::Ok;
  }
  void stillWorking() override {
    if (++calls_ > 16) throw Ended{};
  }
  struct Ended {};

 private:
  Bytes& answers_;
  int calls_ = 0;
};

int number(const std::string& s, size_t& at) {
  size_t end = s.find(',', at);
  require(end != std::string::npos, "a field without its comma");
  const std::string f = s.substr(at, end - at);
  require(!f.empty() && f.size() <= 5 && f.find_first_not_of("0123456789") == std::string::npos,
          "a field that is not a plain number");
  at = end + 1;
  return std::stoi(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path dir = [] {
    auto d =
        std::filesystem::temp_directory_path() / ("szl_fuzz_search_" + std::to_string(getpid()));
    std::filesystem::create_directories(d);
    return d;
  }();
  Bytes in(data, size);

  const uint8_t flags = in.next();
  const uint8_t more = in.next();
  szl::SearchOptions opt;
  opt.electrification = static_cast<szl::Electrification>(flags % 3);
  opt.direction = static_cast<szl::Direction>(flags / 3 % 3);
  opt.platformRule = flags & 0x10;
  opt.allowRepeats = flags & 0x20;
  opt.allowLong = flags & 0x40;
  const bool confirm = flags & 0x80;
  opt.passages = {bool(more & 1), bool(more & 2), bool(more & 4), bool(more & 8), bool(more & 16)};

  const int cols = 1 + in.next() % 16;
  const int rows = 1 + in.next() % 10;
  szl::Station st(cols, rows);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < cols; ++x) {
      const uint8_t b = in.next();
      st.setCode(x, y, kCodes[b % (sizeof kCodes / sizeof kCodes[0])]);
      st.cell(x, y).CrossType = static_cast<int16_t>((b >> 5) % 7);
    }
  st.StationDir = dir.string() + "/";
  szl::PrzygotujStacje(st, opt.passages);

  Host host(in);
  szl::SearchResult r;
  bool ended = false;
  try {
    r = szl::Wyszukaj(st, opt, confirm, host);
  } catch (const Host::Ended&) {
    ended = true;
  }
  const std::string path = dir.string() + "/trasy.txt";
  std::FILE* f = std::fopen(path.c_str(), "rb");
  require(f != nullptr, "no route file");
  std::string text;
  for (char buf[4096]; size_t n = std::fread(buf, 1, sizeof buf, f);) text.append(buf, n);
  std::fclose(f);

  size_t lines = 0;
  for (size_t at = 0; at < text.size(); ++lines) {
    const size_t end = text.find("\r\n", at);
    require(end != std::string::npos, "a line cut short");
    const std::string line = text.substr(at, end - at + 1);  // keeps the last comma's place
    size_t pos = 0;
    require(number(line, pos) <= 1 && number(line, pos) <= 1, "flags other than 0 and 1");
    std::vector<int> points;
    for (int p; (p = number(line, pos)) != 0;) points.push_back(p);
    require(pos == line.size() - 1, "fields after the terminator");
    require(points.size() >= 2, "a route of fewer than two cells");
    require(points.size() <= 199 && (opt.allowLong || points.size() < 59), "a route too long");
    for (size_t i = 0; i < points.size(); ++i) {
      const int x = szl::pointColumn(points[i]);
      const int y = szl::pointRow(points[i]);
      require(st.inside(x, y), "a point off the grid");
      if (i > 0) {
        const int dx = x - szl::pointColumn(points[i - 1]);
        const int dy = y - szl::pointRow(points[i - 1]);
        require(dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1, "cells that are not neighbours");
      }
    }
    for (const int p : {points.front(), points.back()})
      require(isObjectCode(st.cell(szl::pointColumn(p), szl::pointRow(p)).Code),
              "a route that does not start and end at objects");
    at = end + 2;
  }
  if (!ended)
    require(r.counters.proper == static_cast<int>(lines), "the counter is not the file's lines");

  const szl::RouteFileRead back = szl::readRouteFile(path, st);
  require(back.file.has_value(), "the route file reader refuses what the search wrote");
  require(back.file->routes.size() == lines, "the reader counts other routes");
  return 0;
}
