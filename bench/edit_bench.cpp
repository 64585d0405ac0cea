// One painted cell on the largest reference station and on the largest grid that opens, made,
// applied and undone: the core's share of a stroke, which must leave a 16 ms frame to drawing.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <utility>

#include "edit/grid_edit.h"
#include "stationfile/station_reader.h"

namespace {

using namespace szl;

void paintOneCell(benchmark::State& state, Station st) {
  const std::pair<int, int> cell[] = {{st.ColCount() / 2, st.RowCount() / 2}};
  int16_t code = 10;
  for (auto _ : state) {
    const GridEdit e = GridEditor::paint(st, cell, code);
    e.apply(st);
    e.undo(st);
    code = code == 10 ? 12 : 10;
  }
}

Station terminal() {
  LoadResult r = WczytajStacje(std::string(SZL_TEST_DATA) + "/reference/terminal_57x32.stc");
  if (!r.station) throw std::runtime_error(r.error);
  return *r.station;
}

BENCHMARK_CAPTURE(paintOneCell, terminal_57x32, terminal())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintOneCell, largest_200x400, Station(200, 400))->Unit(benchmark::kMicrosecond);

}  // namespace
