// The batch tool on the reference stations gives the reference outputs (route files byte for
// byte), and `save` gives back a station saved with the author's data, on every station we have.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "model/preparation.h"
#include "select/route_selector.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"
#include "support/test_support.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runCli;

// What an author would type for every linked object through the editor: never zero, and
// different from the analysis' defaults but for the numbers the grid's digits give.
void fillObjectData(Station& st) {
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x) {
      const EditorSubject s = cellSubject(st, x, y);
      EditorData d = loadEditor(st, s);
      if (d.page == EditorPage::None || st.cell(x, y).Linked != 1) continue;
      d.direction = d.direction ? d.direction : 1;
      d.side = 1 + x % 2;
      for (const NumericField& f : kNumericFields) {
        // A number the digit beside the object gives is the one the author keeps.
        const bool number = f.id == NumericId::txt1Numer || f.id == NumericId::txt2Numer ||
                            f.id == NumericId::txt3Numer;
        if (f.page == static_cast<int>(d.page) && !(number && d.value(f.id) != 0))
          d.value(f.id) = f.min + 1 + (7 * x + 3 * y) % std::max(1, f.max - f.min);
      }
      storeEditor(st, s, d);
    }
  st.TickIndex = 3;
  st.StationComment = "Autor: Zażółć Gęślą\r\nDruga linia, jaźń.";
}

// The station saved as the window would: routes of most groups of three or more ticked in
// file order as far as the unique-point rule lets them (none without `chooseInGroups`), the
// data filled in.
std::string savedWithData(const fs::path& station, const fs::path& routes,
                          bool chooseInGroups = true) {
  LoadResult res = WczytajStacje(station.string());
  EXPECT_TRUE(res.station) << res.error;
  Station st = std::move(*res.station);
  PrzygotujStacje(st, {});
  test::Quiet q;
  RouteSelector sel;
  EXPECT_TRUE(sel.Prepare(st, routes.string(), q));
  for (int g = 0; g < sel.groupCount() && chooseInGroups; ++g) {
    if (sel.groupTicked(g) || g % 3 == 2) continue;  // some left for later, as authors do
    sel.Edit(g, st, q);
    for (int pos = 0; pos < static_cast<int>(sel.groupRoutes().size()); ++pos)
      sel.tickRoute(pos, st, q);
    sel.Accept(st, q);
  }
  sel.Confirm();
  fillObjectData(st);
  const RouteFileRead file = readRouteFile(routes.string(), st);
  return stationFileBytes(st, sel.table(), *file.file, signatureLine("14.11.2023", "22:13")).bytes;
}

const std::vector<std::string> kOptionSets[] = {
    {},
    {"--allow-repeats", "on", "--allow-long", "on"},
    {"--direction", "two-way", "--electrified", "yes"},
    {"--through-platforms", "off", "--through-exits", "off", "--platform-rule", "off"},
};

class EveryStation : public ::testing::TestWithParam<std::string> {};

// A reference station's info, its search with each set of options and the groups of the first
// set give the reference outputs. Any station, saved with the author's data, comes back byte for
// byte when its data is taken over again.
TEST_P(EveryStation, ReferenceOutputsAndDataFromTheSavedFileGivesItsBytesBack) {
  const fs::path source = fs::path(SZL_TEST_DATA) / ".." / ".." / GetParam();
  test::TempDir dir;
  const fs::path station = dir / source.filename().string();
  fs::copy_file(source, station);
  const std::string ref = (source.parent_path() / source.stem()).string();
  if (!fs::exists(ref + ".info")) {
    ASSERT_EQ(runCli({"search", station.string()}).status, 0);
  } else {
    auto run = runCli({"info", station.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, readFile(ref + ".info"));
    for (int set = 1; set <= 4; ++set) {
      std::vector<std::string> args{"search", station.string()};
      args.insert(args.end(), kOptionSets[set - 1].begin(), kOptionSets[set - 1].end());
      run = runCli(args);
      const std::string expected = ref + ".opt" + std::to_string(set);
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_EQ(run.out, readFile(expected + ".out")) << set;
      EXPECT_TRUE(readFile(dir / "trasy.txt") == readFile(expected + ".routes")) << set;
    }
    // Every reference station is sound: the check finds nothing, routes included.
    run = runCli({"check", station.string()});
    EXPECT_EQ(run.out, "findings=0\n") << run.err;
    fs::copy_file(ref + ".opt1.routes", dir / "trasy.txt", fs::copy_options::overwrite_existing);
    run = runCli({"groups", station.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, readFile(ref + ".groups"));
    // Saved without the author's data: the groups nobody chose are listed, and the objects
    // without data stop the save.
    run = runCli({"save", station.string(), "--output", (dir / "wynik.stc").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find("Z tych grup nie wybrano") != std::string::npos,
              readFile(ref + ".groups").ends_with("needs_manual=1\n"))
        << run.err;
    EXPECT_NE(run.err.find("Tym obiektom brakuje danych; stacji nie zapisano:\n- punkt "),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(dir / "wynik.stc"));
  }
  const std::string saved = savedWithData(station, dir / "trasy.txt");
  test::writeFile(dir / "zapisana.stc", saved);

  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);  // the signature's time, in UTC
  const auto run = runCli({"save", station.string(), "--data-from", (dir / "zapisana.stc").string(),
                           "--output", (dir / "wynik.stc").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(readFile(dir / "wynik.stc") == saved);
  EXPECT_NE(run.out.find(" dropped_records=0 "), std::string::npos) << run.out;
  // Nothing changed: nothing to say of the data, the routes or the groups.
  EXPECT_TRUE(run.err.empty() || run.err ==
                                     "[Selekcja tras] Każda z tych tras ma swoje punkty "
                                     "unikalne. \nNie ma potrzeby dokonywać ręcznej "
                                     "selekcji.\n")
      << run.err;
  EXPECT_TRUE(run.out.ends_with(" dropped_routes=0\n")) << run.out;

  // Without --data-from a saved station takes its own data.
  const auto again =
      runCli({"save", (dir / "zapisana.stc").string(), "--output", (dir / "znowu.stc").string()});
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out + again.err, run.out + run.err);
  EXPECT_TRUE(readFile(dir / "znowu.stc") == saved);
}

INSTANTIATE_TEST_SUITE_P(
    Stations, EveryStation,
    ::testing::Values("tests/data/reference/yard_14x7.stc",
                      "tests/data/reference/junction_20x10.stc",
                      "tests/data/reference/loop_28x13.stc", "tests/data/reference/town_36x17.stc",
                      "tests/data/reference/hub_44x22.stc",
                      "tests/data/reference/terminal_57x32.stc", "tests/data/ring_20x10.stc",
                      "tests/data/e2e/Lipowiec-gotowa.stc", "examples/Lipowiec.stc",
                      "examples/Jesionowo.stc", "examples/Wierzbnica.stc"),
    [](const auto& p) {
      std::string name = fs::path(p.param).stem().string();
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });

// Two entry-exits joined by two paths, both kept; then the track relaid so that one new path
// joins them. The group keeps nothing the search no longer finds, starts as any group of one
// does, and is named once.
TEST(SaveCommand, AGroupWhoseKeptRoutesAreGoneStartsAsUsualAndIsNamed) {
  test::TempDir dir;
  const auto write = [&](const std::string& name, const std::vector<std::string>& rows) {
    test::writeFile(dir / name, test::stationFileText(rows));
    const auto run = runCli({"search", (dir / name).string()});
    EXPECT_EQ(run.status, 0) << run.err;
    return dir / name;
  };
  const fs::path before =
      write("przed.stc", {"0 0 0 0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 11 10 16 0 0 0",
                          "0 52 21 4 21 12 10 10 10 18 52 0", "0 1 0 0 0 0 0 0 0 0 2 0"});
  const std::string saved = savedWithData(before, dir / "trasy.txt");
  EXPECT_NE(saved.find("\r\n2,\r\n1,1,204,205,106,107,108,209,210,0,\r\n1,1,204,205,206,"),
            std::string::npos);
  test::writeFile(dir / "zapisana.stc", saved);
  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);

  const fs::path after =
      write("po.stc", {"0 0 0 0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0 0 0 0",
                       "0 52 21 4 21 16 0 0 0 11 52 0", "0 1 0 0 0 0 15 10 17 0 2 0"});
  const auto run = runCli({"save", after.string(), "--data-from", (dir / "zapisana.stc").string(),
                           "--output", (dir / "b.stc").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("- grupa od punktu 204 do punktu 210 (1 trasa): wyszukiwanie nie "
                         "znalazło żadnej z tras, które zachował z niej plik stacji (2 trasy); "
                         "zachowana w całości, jak zwykle\n"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.err.find("wiersz"), std::string::npos) << run.err;  // no route listed again
  EXPECT_TRUE(run.out.ends_with(" carried_routes=0 dropped_routes=2\n")) << run.out;
  // What the window gives for the relaid station with the same data.
  EXPECT_TRUE(readFile(dir / "b.stc") == savedWithData(after, dir / "trasy.txt"));
  ::unsetenv("SOURCE_DATE_EPOCH");
}

TEST(SaveCommand, ABadSignatureTimeOrDataFileWritesNothing) {
  test::TempDir dir;
  const fs::path station = dir / "yard.stc";
  fs::copy_file(fs::path(SZL_TEST_DATA) / "reference/yard_14x7.stc", station);
  ASSERT_EQ(runCli({"search", station.string()}).status, 0);
  auto save = [&](const std::string& from, const std::string& output) {
    std::vector<std::string> args{"save", station.string(), "--output", (dir / output).string()};
    if (!from.empty()) args.insert(args.end(), {"--data-from", (dir / from).string()});
    return runCli(args);
  };

  test::writeFile(dir / "zapisana.stc", savedWithData(station, dir / "trasy.txt"));
  ::setenv("SOURCE_DATE_EPOCH", "wczoraj", 1);
  EXPECT_EQ(save("zapisana.stc", "c.stc").status, 2);
  ::unsetenv("SOURCE_DATE_EPOCH");

  // A damaged or grid-only data file is refused naming it.
  std::string damaged = readFile(dir / "zapisana.stc");
  damaged.replace(damaged.find("\r\n4,\r\n"), 6, "\r\n7,\r\n");  // no such tick unit
  test::writeFile(dir / "uszkodzona.stc", damaged);
  fs::copy_file(station, dir / "siatka.stc");
  for (const char* from : {"uszkodzona.stc", "siatka.stc", "brak.stc"}) {
    const auto r = save(from, "d.stc");
    EXPECT_EQ(r.status, 1) << from;
    EXPECT_NE(r.err.find(from), std::string::npos) << r.err;
  }
  for (const char* never : {"c.stc", "d.stc"}) EXPECT_FALSE(fs::exists(dir / never));
}

// A saved station holding what a station file cannot keep, or keeps as zero: a platform numbered
// 0 (104), goods tracks without a digit (304), a shed at zeros (309) and a shed without a track
// (506), which writes no record; beside them a stopping point and a locomotive stopping point.
const std::vector<std::string> kKeptRows = {
    "0 0 0 0 0 0 0 0 0 0 0 0",            //
    "0 51 10 10 21 21 21 10 10 10 51 0",  //
    "0 1 0 0 0 0 0 0 0 0 2 0",            //
    "0 21 10 10 53 53 53 10 10 48 0 0",   //
    "0 0 0 0 0 0 0 0 0 0 0 0",            //
    "0 53 10 10 0 0 48 0 0 0 0 0",        //
};
const std::string kKeptRoutes =
    "0,1,101,102,103,104,0,\r\n"
    "0,1,106,107,108,109,110,0,\r\n"
    "1,1,301,302,303,304,305,306,307,308,309,0,\r\n";

std::string keptStation() {
  return test::stationFileText(kKeptRows) + "3,\r\n" + kKeptRoutes +
         "7,0,\r\n"
         "1,5,101,10,0,11,\r\n"
         "4,3,104,105,106,0,\r\n"
         "2,3,110,0,0,20,\r\n"
         "6,2,301,0,0,0,\r\n"
         "9,3,304,305,306,0,\r\n"
         "8,2,309,0,0,0,\r\n"
         "7,2,501,0,0,0,\r\n"
         "10,\r\n"
         "0,0,0,0,\r\n"
         "Komentarz\r\n"
         "Stacja zosta\xB3"
         "a stworzona 14.11.2023 o 22:13 przy pomocy programu Szlakownik 2.0.\r\n";
}

TEST(SaveCommand, TheRouteFileMustBeThereAndFitTheGridAsAnalysedOrBeSearchedFirst) {
  test::TempDir dir;
  const std::string station = (dir / "stacja.stc").string();
  const std::string routes = (dir / "trasy.txt").string();
  test::writeFile(station, keptStation());
  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  const auto save = [&](const std::string& file, std::vector<std::string> more) {
    std::vector<std::string> args{"save", (dir / file).string(), "--output",
                                  (dir / "wynik.stc").string()};
    args.insert(args.end(), more.begin(), more.end());
    return runCli(args);
  };
  const auto refused = [&](const test::CliRun& run, const std::string& says) {
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("[Zapisywanie stacji] " + says), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "wynik.stc"));
  };

  refused(save("stacja.stc", {}), "Nie można otworzyć pliku z trasami " + routes +
                                      ":\ntaki plik nie istnieje.\n"
                                      "Najpierw wyszukaj trasy poleceniem search");

  // The routes of an older grid, where 108 was still track; and with passages under which the
  // goods tracks let no route through.
  std::vector<std::string> rows = kKeptRows;
  rows[1] = "0 51 10 10 21 21 21 10 0 10 51 0";
  test::writeFile(dir / "zmieniona.stc", test::stationFileText(rows));
  test::writeFile(routes, kKeptRoutes);
  const std::string misfit =
      "Plik z trasami " + routes + " nie pasuje do stacji i opcji wyszukiwania:\nw wierszu ";
  refused(save("zmieniona.stc", {"--data-from", station}),
          misfit + "2 punkt 108 jest pustym polem.\nWyszukaj trasy ponownie");
  refused(save("stacja.stc", {"--through-platforms", "off"}),
          misfit + "3 w punkcie 304 nie da się przejechać od punktu 303 do punktu 305.");
  EXPECT_EQ(readFile(routes), kKeptRoutes);

  // --search writes the route file the search command writes, then saves with it.
  const auto searched = runCli({"search", station});
  ASSERT_EQ(searched.status, 0);
  const std::string found = readFile(routes);
  fs::remove(routes);
  const auto run = save("stacja.stc", {"--search"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readFile(routes), found);
  EXPECT_TRUE(run.out.starts_with(searched.out)) << run.out;
  EXPECT_TRUE(readFile(dir / "wynik.stc") == keptStation());

  // An entry-exit drawn since (401) has neither a record nor data: it alone is listed, not the
  // goods tracks drawn with it, whose number the file cannot hold.
  rows = kKeptRows;
  rows[4] = "0 52 10 53 53 53 10 0 0 0 0 0";
  test::writeFile(dir / "nowa.stc", test::stationFileText(rows));
  fs::remove(dir / "wynik.stc");
  const auto added = save("nowa.stc", {"--data-from", station});
  refused(added, "Tym obiektom brakuje danych; stacji nie zapisano:\n- punkt 401, Wjazd-wyjazd\n");
  EXPECT_TRUE(added.err.ends_with("401, Wjazd-wyjazd\n")) << added.err;
}

// A file the reader would refuse is not written: 3300 sidings of 10 places make a total
// beyond the 16-bit field of the summary line.
TEST(SaveCommand, WhatWouldNotReadBackIsNotWritten) {
  test::TempDir dir;
  const std::vector<std::string> rows(33, [] {
    std::string row = "22";
    for (int x = 1; x < 100; ++x) row += " 22";
    return row;
  }());
  test::writeFile(dir / "bocznice.stc", test::stationFileText(rows));
  const auto run = runCli({"save", (dir / "bocznice.stc").string(), "--search", "--output",
                           (dir / "wynik.stc").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("bo nie dałoby się jej potem otworzyć z danymi:\n"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("pole \"33000\" nie jest liczbą całkowitą od -32768 do 32767"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(dir / "wynik.stc"));

  // Nor is a station written over the route file it copies its routes from.
  const std::string routes = readFile(dir / "trasy.txt");
  const auto over = runCli(
      {"save", (dir / "bocznice.stc").string(), "--output", (dir / "." / "trasy.txt").string()});
  EXPECT_EQ(over.status, 1);
  EXPECT_NE(over.err.find("to plik z trasami tej stacji"), std::string::npos) << over.err;
  EXPECT_EQ(readFile(dir / "trasy.txt"), routes);
}

}  // namespace
}  // namespace szl
