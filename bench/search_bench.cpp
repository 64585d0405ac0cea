// Search-all on the largest example and on a dense generated station, beside the cost of only
// formatting and writing the same route file from routes already in memory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "model/preparation.h"
#include "search/route_file.h"
#include "search/route_search.h"
#include "stationfile/station_reader.h"

namespace {

using namespace szl;

class QuietHost : public SearchHost {
 public:
  Answer ask(const Message&) override { return Answer::Ok; }
};

std::string benchDir() {
  const auto dir = std::filesystem::temp_directory_path() / "szl-search-bench";
  std::filesystem::create_directories(dir);
  return dir.string() + "/";
}

Station terminal() {
  LoadResult r = WczytajStacje(std::string(SZL_TEST_DATA) + "/reference/terminal_57x32.stc");
  if (!r.station) throw std::runtime_error(r.error);
  return *r.station;
}

// Fifteen lines across 57 x 32 with entry-exits at both ends, a platform in the middle of each
// and crossovers both ways between neighbouring lines.
Station dense() {
  Station st(57, 32);
  for (int y = 2; y <= 30; y += 2) {
    for (int x = 2; x <= 54; ++x) st.setCode(x, y, 10);
    st.setCode(1, y, 52);
    st.setCode(55, y, 52);
    st.setCode(27, y, 21);
    st.setCode(28, y, static_cast<int16_t>(1 + y / 2 % 9));
    st.setCode(29, y, 21);
  }
  // Crossover columns alternate between pairs of lines, so that no cell serves two of them.
  const int downs[2][2] = {{6, 14}, {10, 18}};
  const int ups[2][2] = {{40, 32}, {44, 36}};
  for (int y = 2, k = 0; y + 2 <= 30; y += 2, k = 1 - k) {
    for (int i = 0; i < 2; ++i) {
      const int d = downs[k][i];
      st.setCode(d, y, 19);  // east and south-east
      st.setCode(d + 1, y + 1, 13);
      st.setCode(d + 2, y + 2, 18);
      const int u = ups[k][i];
      st.setCode(u, y + 2, 12);  // east and north-east
      st.setCode(u + 1, y + 1, 14);
      st.setCode(u + 2, y, 20);
    }
  }
  return st;
}

struct Prepared {
  Station station;
  SearchOptions options;
};

Prepared prepared(Station st) {
  Prepared p{std::move(st), {}};
  p.station.StationDir = benchDir();
  PrzygotujStacje(p.station, p.options.passages);
  return p;
}

void searchAll(benchmark::State& state, Prepared p) {
  QuietHost host;
  SearchResult r;
  for (auto _ : state) {
    r = Wyszukaj(p.station, p.options, false, host);
    benchmark::DoNotOptimize(r);
  }
  state.counters["connections"] = r.counters.connections;
  state.counters["routes"] = r.counters.proper;
}

// The routes a search wrote, read back into memory.
struct Route {
  bool twoWay;
  bool electrified;
  std::vector<RouteCell> cells;
};
std::vector<Route> routesOf(Prepared p) {
  QuietHost host;
  const std::string file = Wyszukaj(p.station, p.options, false, host).routeFile;
  std::ifstream in(file);
  std::vector<Route> routes;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string f;
    std::vector<int> v;
    while (std::getline(fields, f, ',') && !f.empty() && f != "\r") v.push_back(std::stoi(f));
    Route r{v[0] == 1, v[1] == 1, {}};
    for (size_t i = 2; i + 1 < v.size(); ++i)
      r.cells.push_back({0, int16_t(pointColumn(v[i])), int16_t(pointRow(v[i]))});
    routes.push_back(std::move(r));
  }
  return routes;
}

void writeOnly(benchmark::State& state, Prepared p) {
  const std::vector<Route> routes = routesOf(p);
  const std::string path = p.station.StationDir + "baseline.txt";
  for (auto _ : state) {
    RouteFileWriter w;
    w.create(path);
    for (const Route& r : routes) w.writeRoute(r.twoWay, r.electrified, r.cells);
    benchmark::DoNotOptimize(w.close());
  }
  state.counters["routes"] = static_cast<double>(routes.size());
}

BENCHMARK_CAPTURE(searchAll, terminal_57x32, prepared(terminal()))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeOnly, terminal_57x32, prepared(terminal()))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchAll, dense_57x32, prepared(dense()))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeOnly, dense_57x32, prepared(dense()))->Unit(benchmark::kMillisecond);

}  // namespace
