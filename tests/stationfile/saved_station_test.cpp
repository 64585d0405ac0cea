// A saved station read back: every record to its object, the kept routes ticked again, and the
// same file written once more; what no longer fits the grid listed, a damaged tail refused.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/preparation.h"
#include "model/trimming.h"
#include "select/route_selector.h"
#include "stationfile/carry_over.h"
#include "stationfile/sample_station.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"

namespace szl {
namespace {

using test::readFile;
using test::writeFile;

using test::kSampleRows;
using test::kSampleTail;
using test::sampleFile;

class QuietSelector : public SelectorHost {
 public:
  Answer ask(const Message& m) override {
    asked.push_back(m);
    return Answer::Ok;
  }
  std::vector<Message> asked;
};

class SavedStation : public ::testing::Test {
 protected:
  // Opens `file` as the window does when the author answers Tak.
  LoadResult open(const std::string& file) {
    writeFile(dir / "stacja.stc", file);
    LoadResult res = WczytajStacje((dir / "stacja.stc").string());
    EXPECT_TRUE(res.station) << res.error;
    return res;
  }

  // Analyses, selects with the carried routes and OK, and writes the file's bytes.
  std::string saveAgain(Station& st, RouteSelector& sel, QuietSelector& host) {
    PrzygotujStacje(st, {});
    writeFile(dir / "trasy.txt", routeFile);
    EXPECT_TRUE(sel.Prepare(st, (dir / "trasy.txt").string(), host));
    sel.Confirm();
    const RouteFileRead routes = readRouteFile((dir / "trasy.txt").string(), st);
    return stationFileBytes(st, sel.table(), *routes.file, signatureLine("2024-05-17", "14:03"))
        .bytes;
  }

  test::TempDir dir;
  std::string routeFile = test::kSampleRoutes;
};

TEST_F(SavedStation, EveryRecordComesBackAndTheSameFileIsWrittenAgain) {
  LoadResult res = open(sampleFile());
  ASSERT_TRUE(res.saved);
  EXPECT_TRUE(res.tailError.empty());
  Station st = *res.station;
  const CarryReport report = takeSavedData(st, *res.saved);
  EXPECT_EQ(report.carriedRecords, 11);
  EXPECT_TRUE(report.droppedRecords.empty());

  // The entry, the exit and the entry-exit, field by field.
  const ObjectRec& entry = st.object(1, 1);
  EXPECT_EQ(
      std::vector<int>({entry.Direction, entry.Side, entry.ValueA, entry.ValueB, entry.ValueC}),
      std::vector<int>({1, 1, 5, 10, 1}));
  const ObjectRec& exit = st.object(10, 1);
  EXPECT_EQ(std::vector<int>({exit.Direction, exit.Side, exit.ValueA, exit.ValueC}),
            std::vector<int>({2, 2, 3, 2}));
  const ObjectRec& both = st.object(1, 3);
  EXPECT_EQ(std::vector<int>({both.Side, both.ValueA, both.ValueD, both.ValueB, both.ValueC}),
            std::vector<int>({1, 4, 7, 15, 3}));
  for (int k = 0; k < 3; ++k) EXPECT_EQ(st.object(4 + k, 1).ValueC, 4);  // platform number
  EXPECT_EQ(st.object(9, 3).ValueE, 6);
  EXPECT_EQ(st.object(4, 6).ValueE, 4);
  for (const auto& [x, y] : {std::pair{6, 5}, std::pair{1, 6}}) {  // both sheds, one data line
    const ObjectRec& shed = st.object(x, y);
    EXPECT_EQ(std::vector<int>({shed.ValueE, shed.ValueC, shed.ValueA, shed.ValueD}),
              std::vector<int>({8, 2, 15, 45}));
  }
  EXPECT_EQ(TickUnits[st.TickIndex], 15);
  EXPECT_EQ(st.StationComment, "Stacja testowa: żółw, gęś.\r\nLinia druga ??");
  ASSERT_EQ(st.KeptRoutes.size(), 5u);
  EXPECT_EQ(st.KeptRoutes[3].points, (std::vector<int16_t>{301, 402, 403, 304}));
  EXPECT_EQ(st.KeptRoutes[3].line, 14);

  // The analysis keeps the author's data (the sidings' 6 and 4 rather than its 10).
  RouteSelector sel;
  QuietSelector host;
  const std::string again = saveAgain(st, sel, host);
  EXPECT_EQ(sel.carry().carried, 5);
  EXPECT_EQ(sel.carry().dropped, 0);
  // Of the group of three the second route was not kept; the first and third are again.
  EXPECT_FALSE(sel.table().routes[3].selected);
  EXPECT_TRUE(sel.table().routes[4].selected);
  EXPECT_EQ(again, sampleFile());
}

TEST_F(SavedStation, WhatNoLongerFitsTheGridIsListedAndTheRestTaken) {
  // The sidings at 309 became track, a shed record was written twice, and the search no longer
  // finds the kept route through 402 and 403.
  std::vector<std::string> rows = kSampleRows;
  rows[3] = "0 52 10 10 53 53 53 10 10 10 0 0";
  std::vector<std::string> tail = kSampleTail;
  tail.insert(tail.begin() + 16, "8,2,506,0,0,0,");
  routeFile =
      "1,1,101,102,103,104,0,\r\n"
      "0,1,106,107,108,109,110,0,\r\n"
      "1,1,301,302,303,304,0,\r\n"
      "1,1,301,202,203,304,0,\r\n"
      "1,1,301,202,303,304,0,\r\n"
      "1,0,501,502,503,504,505,506,0,\r\n";
  LoadResult res = open(sampleFile(rows, tail));
  ASSERT_TRUE(res.saved);
  Station st = *res.station;
  const CarryReport report = takeSavedData(st, *res.saved);
  EXPECT_EQ(report.carriedRecords, 10);
  EXPECT_EQ(report.droppedRecords,
            (std::vector<std::string>{
                "punkt 309, Tory postojowe (wiersz 22): nie ma tam już takiego obiektu",
                "punkt 506, Lokomotywownia (wiersz 26): drugi zapis tego samego obiektu"}));
  EXPECT_EQ(st.object(1, 1).ValueA, 5);

  RouteSelector sel;
  QuietSelector host;
  saveAgain(st, sel, host);
  EXPECT_EQ(sel.carry().carried, 4);
  EXPECT_EQ(sel.carry().dropped, 1);
  ASSERT_EQ(host.asked.size(), 1u);
  EXPECT_NE(host.asked[0].text.find("- trasa od punktu 301 do punktu 304 (wiersz 14 pliku "
                                    "stacji): wyszukiwanie jej nie znalazło"),
            std::string::npos)
      << host.asked[0].text;
  // The group keeps only the route the file kept.
  EXPECT_TRUE(sel.table().routes[2].selected);
  EXPECT_FALSE(sel.table().routes[3].selected);
  EXPECT_FALSE(sel.table().routes[4].selected);
}

TEST_F(SavedStation, ADamagedTailIsNotTakenAtAllAndNamesItsLine) {
  struct Case {
    int changed;              // the line changed
    std::string replacement;  // "" removes it and every line after it
    int line;                 // the line named
    const char* why;
  };
  const std::vector<Case> cases = {
      {10, "6,", 16, "zapisano tylko 5 tras, a wiersz 10 zapowiada ich 6"},
      {10, "4,", 15, "tu jest jeszcze jedna trasa, a wiersz 10 zapowiada ich 4"},
      {12, "0,1,106,107,108,109,110,", 12, "kończące je zero"},
      {13, "1,1,301,302,3x3,304,0,", 13, "pole \"3x3\" nie jest liczbą całkowitą"},
      {14, "1,1,301,402,9999,304,0,", 14, "punkt 9999 leży poza siatką stacji (7 x 12)"},
      {19, "2,3,110,0,20,", 19, "zapis obiektu ma 5 pól zamiast 6"},
      {20, "12,407,301,15,0,31,", 20, "nieznany rodzaj obiektu 12"},
      {21, "9,3,304,305,307,0,", 21, "trzy sąsiednie punkty"},
      {28, "7,", 28, "jednostka taktowania zegara 7 s"},
      {29, "8,2,15,", 29, "oczekiwano: dane lokomotywowni (4 pola), a wiersz ma 3 pola"},
      {31, "", 31, "brak komentarza i podpisu stacji"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> tail = kSampleTail;
    if (c.replacement.empty()) {
      tail.resize(c.changed - 10);
    } else {
      tail[c.changed - 10] = c.replacement;
    }
    const LoadResult res = open(sampleFile(kSampleRows, tail));
    ASSERT_TRUE(res.station);  // the grid opens all the same
    EXPECT_FALSE(res.saved) << c.why;
    EXPECT_NE(res.tailError.find("w wierszu " + std::to_string(c.line) + " "), std::string::npos)
        << res.tailError;
    EXPECT_NE(res.tailError.find(c.why), std::string::npos) << res.tailError;
  }
  // A grid-only file, even with blank lines after it, has nothing more to take.
  const LoadResult plain = open(test::stationFileText(kSampleRows) + "\r\n  \r\n");
  EXPECT_FALSE(plain.saved);
  EXPECT_TRUE(plain.tailError.empty());
}

TEST_F(SavedStation, TakenDataAndKeptRoutesMoveWithTrimming) {
  LoadResult res = open(sampleFile());
  Station st = *res.station;
  takeSavedData(st, *res.saved);
  // Cutting column 0 and the empty last column moves every point one to the left.
  st = cutStation(st, TrimRect{1, 11, 0, 7, false});
  EXPECT_EQ(st.object(0, 1).ValueA, 5);  // the entry, now at point 100
  EXPECT_EQ(st.object(0, 6).ValueD, 45);
  EXPECT_EQ(st.KeptRoutes[0].points, (std::vector<int16_t>{100, 101, 102, 103}));
  EXPECT_EQ(st.KeptRoutes[0].fileStart, 101);  // the author is told the file's numbers

  routeFile =
      "1,1,100,101,102,103,0,\r\n"
      "0,1,105,106,107,108,109,0,\r\n"
      "1,1,300,301,302,303,0,\r\n"
      "1,1,300,201,202,303,0,\r\n"
      "1,1,300,401,402,303,0,\r\n"
      "1,0,500,501,502,503,504,505,0,\r\n";
  RouteSelector sel;
  QuietSelector host;
  const std::string again = saveAgain(st, sel, host);
  EXPECT_EQ(sel.carry().carried, 5);
  EXPECT_NE(again.find("\r\n1,5,100,10,0,11,\r\n4,3,103,104,105,4,\r\n"), std::string::npos);

  // Cutting a kept route's cells away drops it from the carried ticks.
  Station cut = cutStation(st, TrimRect{0, 10, 2, 7, false});
  EXPECT_TRUE(cut.KeptRoutes[0].points.empty());
  EXPECT_EQ(cut.KeptRoutes[2].points, (std::vector<int16_t>{100, 101, 102, 103}));
}

// The save asks only for what the file could not bring back: the goods tracks' number.
class AskedForData : public SaveHost {
 public:
  Answer ask(const Message&) override { return Answer::Ok; }
  bool cmdPozostale_Click(Station&) override { return false; }
  bool Uzupelnij(Station& st, int x, int y) override {
    asked.push_back(pointNumber(x, y));
    ObjectRec& o = st.object(x, y);  // any data, so that the pass goes on
    o.Direction = o.Direction ? o.Direction : 1;
    o.Side = o.Side ? o.Side : 1;
    for (int16_t* v : {&o.ValueA, &o.ValueB, &o.ValueC, &o.ValueD, &o.ValueE}) *v = *v ? *v : 1;
    return false;
  }
  std::optional<std::string> chooseSavePath() override { return std::nullopt; }
  std::string shortDate() override { return {}; }
  std::string shortTime() override { return {}; }
  std::vector<int> asked;
};

TEST_F(SavedStation, TheSaveDoesNotAskForCarriedData) {
  LoadResult res = open(sampleFile());
  Station st = *res.station;
  takeSavedData(st, *res.saved);
  RouteSelector sel;
  QuietSelector quiet;
  saveAgain(st, sel, quiet);
  AskedForData host;
  cmdSave_Click(st, sel.table(), (dir / "trasy.txt").string(), host);
  EXPECT_EQ(host.asked, std::vector<int>{304});

  // Opened without the saved data (Nie), every entry and shed is asked for again.
  Station plain = *res.station;
  RouteSelector sel2;
  saveAgain(plain, sel2, quiet);
  AskedForData host2;
  cmdSave_Click(plain, sel2.table(), (dir / "trasy.txt").string(), host2);
  EXPECT_EQ(host2.asked, (std::vector<int>{101, 110, 301, 304, 506, 601}));
}

}  // namespace
}  // namespace szl
