// Grid edits: every operation and its inverse give back the same station, grid and data, on
// every station we have, after a long run of random edits; the author's data goes with its
// object; mirror images are true.
#include "edit/grid_edit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "stationfile/station_reader.h"
#include "support/test_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;

// Everything an edit may touch: the grid, slip crossings' movements, the object data and the
// kept routes.
std::string contents(const Station& st) {
  std::string s = test::gridText(st);
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x) {
      const ObjectRec& o = st.object(x, y);
      s += std::to_string(st.cell(x, y).CrossType) + ":" + std::to_string(o.Direction) +
           std::to_string(o.Side) + "," + std::to_string(o.ValueA) + "," +
           std::to_string(o.ValueB) + "," + std::to_string(o.ValueC) + "," +
           std::to_string(o.ValueD) + "," + std::to_string(o.ValueE) + (o.AuthorData ? "a" : "") +
           " ";
    }
  for (const KeptRoute& k : st.KeptRoutes)
    for (const int16_t p : k.points) s += std::to_string(p) + (p == k.points.back() ? "\n" : ",");
  return s;
}

std::vector<fs::path> stations() {
  std::vector<fs::path> all;
  for (const char* dir : {"reference", "e2e"})
    for (const auto& e : fs::directory_iterator(test::dataPath(dir)))
      if (e.path().extension() == ".stc") all.push_back(e.path());
  return all;
}

TEST(GridEdit, AnyRunOfEditsUndoneAndRedoneGivesTheSameStations) {
  std::mt19937 random(20261207);
  const int16_t codes[] = {0, 3, 10, 12, 18, 23, 26, 49, 50, 51, 52, 21, 22, 48, 53, 120, 510};
  for (const fs::path& path : stations()) {
    LoadResult res = WczytajStacje(path.string());
    ASSERT_TRUE(res.station) << res.error;
    Station st = std::move(*res.station);
    // Data of the author's on some objects, and a kept route to follow the cells.
    for (int y = 0; y < st.RowCount(); ++y)
      for (int x = 0; x < st.ColCount(); ++x)
        if (st.cell(x, y).Code >= 21 && (x + y) % 3 == 0)
          st.object(x, y) = {1, 2, static_cast<int16_t>(x), static_cast<int16_t>(y), 4, 5, 6, true};
    st.KeptRoutes.push_back({{101, 102, 103}, true, true, 20, 101, 103});
    const std::string original = contents(st);

    std::vector<GridEdit> done;
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int i = 0; i < 60; ++i) {
      const int x = pick(st.ColCount()), y = pick(st.RowCount());
      const CellRect r{x, y, 1 + pick(st.ColCount() - x), 1 + pick(st.RowCount() - y)};
      std::optional<GridEdit> e;
      switch (pick(8)) {
        case 0: {
          const std::vector<std::pair<int, int>> cells{{x, y}, {r.x + r.w - 1, r.y + r.h - 1}};
          e = GridEditor::paint(st, cells, codes[pick(std::size(codes))]);
          break;
        }
        case 1:
          e = GridEditor::erase(st, r);
          break;
        case 2:
          e = GridEditor::move(st, r, pick(5) - 2, pick(5) - 2);
          break;
        case 3:
          e = GridEditor::paste(st, GridEditor::copy(st, r), pick(st.ColCount()),
                                pick(st.RowCount()));
          break;
        case 4:
          e = GridEditor::flip(st, r);
          break;
        case 5:
          e = pick(2) ? GridEditor::insertRow(st, y) : GridEditor::deleteRow(st, y);
          break;
        case 6:
          e = pick(2) ? GridEditor::insertColumn(st, x) : GridEditor::deleteColumn(st, x);
          break;
        default:
          e = GridEditor::trim(st, TrimRect{x, x + r.w, y, y + r.h, false});
          break;
      }
      if (!e) continue;
      e->apply(st);
      done.push_back(std::move(*e));
    }
    ASSERT_GT(done.size(), 30u) << path;
    const std::string edited = contents(st);
    for (auto it = done.rbegin(); it != done.rend(); ++it) it->undo(st);
    EXPECT_TRUE(contents(st) == original) << path;
    for (const GridEdit& e : done) e.apply(st);
    EXPECT_TRUE(contents(st) == edited) << path;
  }
}

TEST(GridEdit, TheAuthorsDataGoesWithItsObject) {
  Station st = test::stationFromRows({"0 0 0 0 0", "0 50 10 10 0", "0 1 0 0 0", "0 0 0 0 0"});
  st.object(1, 1) = {1, 2, 5, 10, 1, 0, 0, true};
  // Moved one row down with its digit: the data is there, not where it was.
  ASSERT_FALSE(GridEditor::move(st, {1, 1, 1, 2}, 0, 3));  // off the grid
  GridEditor::move(st, {1, 1, 1, 2}, 0, 1)->apply(st);
  EXPECT_EQ(st.object(1, 2).ValueA, 5);
  EXPECT_FALSE(st.object(1, 1).AuthorData);
  // Repainted as the same kind, non-electrified, it keeps it; as track it loses it, named.
  const std::pair<int, int> cell[] = {{1, 2}};
  GridEdit same = GridEditor::paint(st, cell, 500);
  EXPECT_TRUE(same.dropped().empty());
  same.apply(st);
  EXPECT_EQ(st.object(1, 2).ValueB, 10);
  const GridEdit track = GridEditor::paint(st, cell, 10);
  EXPECT_EQ(track.dropped(), std::vector<std::string>{
                                 "punkt 201, Wjazd / wyjazd: dane obiektu usunięto razem z nim"});
  track.apply(st);
  EXPECT_FALSE(st.object(1, 2).AuthorData);
  track.undo(st);
  EXPECT_EQ(st.object(1, 2).ValueA, 5);
  // Deleting its row drops it too, and the point numbers after it move up.
  EXPECT_EQ(GridEditor::deleteRow(st, 2)->dropped().size(), 1u);
  EXPECT_EQ(GridEditor::insertRow(st, 0)->name(), "wstawienie wiersza");
}

TEST(GridEdit, MirrorImagesAreTrue) {
  // A switch from the west to the east and north-east mirrors into one from the east to the west
  // and north-west; an entry into an exit; twice mirrored, every piece is itself again.
  EXPECT_EQ(mirrored(12, 0), (std::pair<int16_t, int16_t>{18, 0}));
  EXPECT_EQ(mirrored(500, 0), (std::pair<int16_t, int16_t>{510, 0}));
  int mirroredPieces = 0;
  for (int code = 0; code < 700; ++code)
    for (int16_t type = 0; type < (code >= 24 && code <= 27 ? 7 : 1); ++type) {
      const auto m = mirrored(static_cast<int16_t>(code), type);
      if (!m) continue;
      ++mirroredPieces;
      EXPECT_EQ(mirrored(m->first, m->second), (std::pair{static_cast<int16_t>(code), type}))
          << code << " " << type;
    }
  EXPECT_GT(mirroredPieces, 100);
  Station st = test::stationFromRows({"50 10 12 10 51"});
  GridEditor::flip(st, {0, 0, 5, 1})->apply(st);
  EXPECT_EQ(test::gridText(st), test::stationFileText({"50 10 18 10 51"}));
}

}  // namespace
}  // namespace szl
