// The bundled example stations: they load, they are written the way the program writes a grid,
// their tracks really join up and every object finds its track, a search finds their routes
// without running into a limit, and together they show every kind of object and element an
// author meets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

#include "model/preparation.h"
#include "search/route_search.h"
#include "stationfile/station_reader.h"
#include "support/test_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;

bool isObject(int c) {
  return c == 21 || c == 22 || c == 48 || (c >= 50 && c <= 53) || c == 210 || c == 220 ||
         c == 480 || (c >= 500 && c <= 530 && c % 10 == 0);
}

TEST(Examples, WellFormedJoinedUpSearchedWithoutALimitAndShowingEveryKind) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(SZL_EXAMPLES))
    if (e.path().extension() == ".stc") files.push_back(e.path());
  EXPECT_GE(files.size(), 3u);
  EXPECT_TRUE(fs::exists(fs::path(SZL_EXAMPLES) / "Lipowiec.stc"));
  std::set<int> codes;
  bool fullSize = false, platformGroup = false, singleStop = false, goodsGroup = false,
       slip = false, unwired = false;
  for (const fs::path& p : files) {
    test::TempDir dir;
    fs::copy_file(p, dir.path() / p.filename());
    const LoadResult res = WczytajStacje((dir.path() / p.filename()).string());
    ASSERT_TRUE(res.station) << p << ": " << res.error;
    EXPECT_FALSE(res.info.limitMessage || res.info.point0Warning) << p;
    Station st = *res.station;
    EXPECT_EQ(st.cell(0, 0).Code, 0) << p;
    // A missing comma or a bare LF would still load, but shifted; the bytes tell.
    EXPECT_EQ(test::readFile(p), test::gridText(st)) << p;
    fullSize |= st.ColCount() == kSimulatorColumns && st.RowCount() == kSimulatorRows;

    for (int y = 0; y < st.RowCount(); ++y)
      for (int x = 0; x < st.ColCount(); ++x) {
        const int code = st.cell(x, y).Code;
        if (elementRow(code) < 0) continue;
        for (int port = 1; port <= 8; ++port) {
          if (st.link(x, y, port) != kLink) continue;
          const int nx = x + PortStep[port - 1].dx, ny = y + PortStep[port - 1].dy;
          ASSERT_TRUE(st.inside(nx, ny)) << p << ": track at " << pointNumber(x, y)
                                         << " leaves the grid through port " << port;
          const int n = st.cell(nx, ny).Code;
          EXPECT_TRUE(isObject(n) || st.link(nx, ny, 9 - port) == kLink)
              << p << ": port " << port << " of " << code << " at " << pointNumber(x, y)
              << " meets " << n << " at " << pointNumber(nx, ny);
        }
      }

    // Every object touches a track (an entry or exit may face away from it, a group at either
    // end), and entries and groups have their numbers.
    PrzygotujStacje(st, PassageSwitches{});
    for (int y = 0; y < st.RowCount(); ++y)
      for (int x = 0; x < st.ColCount(); ++x) {
        const CellRec& c = st.cell(x, y);
        const ObjectRec& o = st.object(x, y);
        if (!isObject(c.Code) || (c.InObject == 1 && o.ValueB != 1)) continue;
        int links = 0;
        for (int port = 1; port <= 8; ++port)
          links +=
              (st.link(x, y, port) == kLink) + (c.InObject && st.link(x + 2, y, port) == kLink);
        const int base = c.Code >= 100 ? c.Code / 10 : c.Code;
        const bool numbered = (base >= 50 && base <= 52) || c.InObject == 1;
        EXPECT_TRUE((links > 0 || o.Side != 0) && (!numbered || (o.ValueC >= 1 && o.ValueC <= 9)))
            << p << ": object at " << pointNumber(x, y);
      }
    for (const CellRec& c : st.Cells) {
      codes.insert(c.Code);
      const int base = c.Code >= 100 ? c.Code / 10 : c.Code;
      platformGroup |= base == 21 && c.InObject == 1;
      singleStop |= base == 21 && c.InObject == 0;
      goodsGroup |= base == 53 && c.InObject == 1;
      slip |= c.Code >= 24 && c.Code <= 27;
      unwired |= c.Code >= 100 && elementRow(c.Code) >= 0;
    }

    st.StationDir = dir.path().string() + "/";
    test::Quiet host;
    const SearchResult r = Wyszukaj(st, {}, false, host);
    EXPECT_EQ(r.end, SearchEnd::Completed) << p;
    for (MessageKind k : {MessageKind::StackOverflow, MessageKind::SegmentOverflow,
                          MessageKind::RouteTooLong, MessageKind::RepeatedElements})
      EXPECT_EQ(r.limitCount(k), 0) << p;
    EXPECT_GT(r.counters.proper, 10) << p;
    const std::string routes = test::readFile(r.routeFile);
    EXPECT_EQ(std::count(routes.begin(), routes.end(), '\n'), r.counters.proper) << p;
    // The bundled example: plenty to select from, still quick to walk through by hand.
    const int proper = r.counters.proper;
    EXPECT_TRUE(p.filename() != "Lipowiec.stc" || (proper >= 100 && proper <= 400)) << proper;
  }
  EXPECT_TRUE(fullSize) << "one example should use the simulator's full 57 x 32";
  // Slip crossings and track without overhead wire among them.
  EXPECT_TRUE(platformGroup && singleStop && goodsGroup && slip && unwired);
  for (int c : {22, 48, 50, 51, 52, 23, 12, 18, 19, 20})
    EXPECT_TRUE(codes.count(c) || codes.count(c * 10)) << "no example holds code " << c;
}

}  // namespace
}  // namespace szl
