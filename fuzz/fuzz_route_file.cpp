// Any bytes as the route file of a station: the selector either refuses the file with a message
// or groups its routes, and then lets the author edit, tick and accept groups without harm; the
// save's check replays every route without harm.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/preparation.h"
#include "select/route_file_check.h"
#include "select/route_file_reader.h"
#include "select/route_selector.h"

namespace {

void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz_route_file: %s\n", what);
  std::abort();
}

// A full-size station whose cells run through every kind of code, so that routes read from the
// file touch objects of every class, three-cell groups, digits, tracks and empty cells.
const szl::Station& station() {
  static const szl::Station st = [] {
    static constexpr int16_t kCodes[] = {0,  10, 21, 4,   21, 53,  2,   53, 50,  51,  52,
                                         22, 48, 12, 100, 23, 240, 210, 6,  210, 530, 7};
    constexpr int kCount = sizeof kCodes / sizeof kCodes[0];
    szl::Station s(szl::kSimulatorColumns, szl::kSimulatorRows);
    for (int y = 0; y < s.RowCount(); ++y)
      for (int x = 0; x < s.ColCount(); ++x)
        if (x + y > 0) s.setCode(x, y, kCodes[(x + 5 * y) % kCount]);
    szl::PrzygotujStacje(s, szl::PassageSwitches{});
    return s;
  }();
  return st;
}

class AnswerOk : public szl::SelectorHost {
 public:
  szl::Answer ask(const szl::Message&) override { return szl::Answer::Ok; }
};

std::string routeFile() {
  return (std::filesystem::temp_directory_path() /
          ("szl_fuzz_routes_" + std::to_string(getpid()) + ".txt"))
      .string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = routeFile();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const szl::Station& st = station();

  const szl::RouteFileRead read = szl::readRouteFile(path, st);
  require(read.file.has_value() != !read.error.empty(), "neither routes nor an error");
  if (read.file) {
    size_t points = 0;
    for (size_t r = 0; r < read.file->routes.size(); ++r) {
      const auto pts = read.file->pointsOf(r);
      require(!pts.empty(), "a route without points");
      for (const int16_t p : pts)
        require(st.inside(szl::pointColumn(p), szl::pointRow(p)), "a point off the grid");
      points += pts.size();
    }
    require(points == read.file->points.size(), "points belong to no route");
    const std::string misfit = szl::routeFileMisfit(*read.file, st, path);
    require(misfit.empty() || misfit.find(path) != std::string::npos,
            "a misfit not naming the file");
  }

  AnswerOk host;
  szl::RouteSelector sel;
  const bool prepared = sel.Prepare(st, path, host);
  require(prepared == read.file.has_value(), "the selector and the reader disagree");
  if (!prepared) return 0;

  int routes = 0;
  for (const auto& g : sel.table().groups) routes += g.routeCount;
  require(routes == sel.routeCount(), "groups do not add up to the routes");

  // Edit a few groups as an author would: tick every route in turn, look at one, accept.
  for (int g = 0; g < sel.groupCount() && g < 8; ++g) {
    sel.Edit(g, st, host);
    const int n = static_cast<int>(sel.groupRoutes().size());
    require(n == sel.table().groups[g].routeCount, "route list of a group");
    for (int pos = 0; pos < n && pos < 24; ++pos) {
      sel.clickRoute(pos, st, host);
      sel.changeRouteTick(pos, true, pos, st, host);
    }
    if (n > 0) sel.CheckTrasa(0, st, host);
    sel.Accept(st, host);
  }
  sel.Confirm();
  return 0;
}
