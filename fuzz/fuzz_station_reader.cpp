// Any bytes as a station file: the reader either refuses them with a message or gives a whole
// station, and what it gives survives being written out and read again, prepared and trimmed;
// a saved tail is taken whole or not at all, and what it brings moves with trimming.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "model/preparation.h"
#include "model/trimming.h"
#include "stationfile/carry_over.h"
#include "stationfile/station_reader.h"

namespace {

void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz_station_reader: %s\n", what);
  std::abort();
}

// The header, size line and grid as the program writes them.
std::string gridText(const szl::Station& st) {
  std::string s =
      "0,\r\n" + std::to_string(st.RowCount()) + "," + std::to_string(st.ColCount()) + ",\r\n";
  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x < st.ColCount(); ++x) s += std::to_string(st.cell(x, y).Code) + ",";
    s += "\r\n";
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const szl::LoadResult res = szl::readStation(in, "fuzz.stc");
  require(res.station.has_value() != !res.error.empty(), "neither a station nor an error");
  if (!res.station) return 0;

  require(!(res.saved && !res.tailError.empty()), "a tail both taken and refused");
  if (res.saved) {
    szl::Station taken = *res.station;
    szl::takeSavedData(taken, *res.saved);
    szl::PrzygotujStacje(taken, szl::PassageSwitches{});
    const szl::Station cut = szl::cutStation(taken, szl::boundingBox(taken));
    for (const szl::KeptRoute& k : cut.KeptRoutes)
      for (const int16_t p : k.points)
        require(p > 0 && cut.inside(szl::pointColumn(p), szl::pointRow(p)),
                "a kept route off the grid");
  }

  szl::Station st = *res.station;
  require(st.ColCount() >= 1 && st.ColCount() <= szl::kLoadColumns, "column count out of range");
  require(st.RowCount() >= 1 && st.RowCount() <= szl::kLoadRows, "row count out of range");
  require(st.Cells.size() == static_cast<size_t>(st.ColCount()) * st.RowCount(), "grid size");

  std::istringstream again(gridText(st));
  const szl::LoadResult back = szl::readStation(again, "again.stc");
  require(back.station.has_value(), "a written grid is refused");
  for (size_t i = 0; i < st.Cells.size(); ++i)
    require(back.station->Cells[i].Code == st.Cells[i].Code, "a written grid reads differently");

  szl::PrzygotujStacje(st, szl::PassageSwitches{});
  const int links = st.LinkCount;
  szl::PrzygotujStacje(st, szl::PassageSwitches{});
  require(st.LinkCount == links, "a second analysis counts other links");

  const szl::TrimRect box = szl::boundingBox(st);
  szl::Station cut = szl::cutStation(st, box);
  require(cut.ColCount() == box.TrimXHi - box.TrimXLo, "trimmed width");
  require(cut.RowCount() == box.TrimYHi - box.TrimYLo, "trimmed height");
  szl::PrzygotujStacje(cut, szl::PassageSwitches{false, false, false, false, false});
  return 0;
}
