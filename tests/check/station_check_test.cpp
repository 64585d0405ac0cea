// The station check: each kind of finding on a station drawn for it, the cases a naive check
// gets wrong, and faults planted into a clean example found with their kind and point by the
// batch tool, before and after a search.
#include "check/station_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;

std::string findings(const std::vector<std::string>& rows, PassageSwitches passages = {}) {
  const Station st = test::stationFromRows(rows);
  std::string s;
  for (const Finding& f : checkStation(st, passages))
    s += std::string(s.empty() ? "" : ", ") + findingKindName(f.kind) + " " +
         std::to_string(f.point());
  return s;
}

TEST(StationCheck, EveryKindWhereItIsAndNotWhereItIsNot) {
  // A switch's unused branch that leaves the grid dangles; an entry whose track is on its east
  // side is an exit, not unlinked; digits under entries number them.
  EXPECT_EQ(findings({"0 50 12 10 51", "0 1 0 0 2"}), "dangling-end 2");
  // An entry with its track above it is reached by nothing; the track's open end above dangles.
  EXPECT_EQ(findings({"0 0 49 0", "0 0 50 0", "0 0 1 0"}), "dangling-end 2, unlinked-object 102");
  // A platform reached from one end only is linked; its middle cells are no track ends, and the
  // digit under the entry-exit numbers it.
  EXPECT_EQ(findings({"0 0 0 0 0 0", "0 52 10 21 3 21", "0 4 0 0 0 0"}), "");
  // Without its digit the platform has no number, nor the entry-exit with a digit only
  // diagonally beside it, which numbers nothing; sidings and an entry-exit without track; an
  // occupied point 0.
  EXPECT_EQ(findings({"5 0 0 0 0 0", "0 52 10 21 21 21", "0 0 0 0 0 0", "22 0 52 7 0 0"}),
            "lonely-digit 0, point-zero 0, missing-number 101, missing-number 103, "
            "unlinked-object 300, unlinked-object 302");
  // A track piece facing a closed port of its neighbour dangles; a piece with two open ends
  // into nothing is told once.
  EXPECT_EQ(findings({"0 0 0 0", "0 52 10 49", "0 1 0 0"}), "dangling-end 102, dangling-end 103");
}

TEST(StationCheck, TheStationIsLeftAsItWas) {
  Station st = test::stationFromRows({"0 0 0 0 0 0", "0 52 10 21 3 21", "0 4 0 0 0 0"});
  const Station before = st;
  EXPECT_TRUE(checkStation(st, {}).empty());
  EXPECT_EQ(st.LinkCount, before.LinkCount);
  EXPECT_EQ(st.cell(1, 1).Linked, before.cell(1, 1).Linked);
}

// Faults planted into the clean example Lipowiec: a track cell taken away, a platform's digit, an
// entry with its track above it, a lonely digit, point 0 taken. With a search, the objects no
// route reaches too. The sentences go to standard error.
TEST(CheckCommand, FindsWhatWasPlantedAndNothingBefore) {
  test::TempDir dir;
  const fs::path clean = fs::path(SZL_EXAMPLES) / "Lipowiec.stc";
  fs::copy_file(clean, dir / "czysta.stc");
  auto run = test::runCli({"check", (dir / "czysta.stc").string(), "--search"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "findings=0\n");

  std::string text = test::readFile(clean);
  const auto put = [&](int x, int y, const std::string& code) {
    size_t at = 0;
    for (int line = 0; line < y + 2; ++line) at = text.find("\r\n", at) + 2;
    for (int k = 0; k < x; ++k) at = text.find(',', at) + 1;
    text.replace(at, text.find(',', at) - at, code);
  };
  put(0, 0, "9");
  put(2, 1, "0");
  put(24, 3, "21");
  put(20, 11, "49");
  put(20, 12, "50");
  put(21, 12, "5");
  put(30, 12, "8");
  test::writeFile(dir / "zepsuta.stc", text);
  run = test::runCli({"check", (dir / "zepsuta.stc").string()});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out,
            "point-zero 0\ndangling-end 101\ndangling-end 103\nmissing-number 323\n"
            "dangling-end 1120\nunlinked-object 1220\nlonely-digit 1230\nfindings=7\n");
  EXPECT_NE(run.err.find("Punkt 1230: cyfra 8 nie numeruje żadnego obiektu.\n"), std::string::npos)
      << run.err;
  run = test::runCli({"check", (dir / "zepsuta.stc").string(), "--search"});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out,
            "point-zero 0\nno-route 100\ndangling-end 101\ndangling-end 103\nmissing-number 323\n"
            "dangling-end 1120\nunlinked-object 1220\nno-route 1220\nlonely-digit 1230\n"
            "findings=9\n");
}

}  // namespace
}  // namespace szl
