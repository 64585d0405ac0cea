// The save and the saved station read back: every object's data asked for as an author gives
// it, the file written byte for byte, opened again with its data and written the same; a route
// file that changed, an author who gives up, a failed write; a saved station whose grid changed,
// a damaged tail, and trimming.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <chrono>
#include <csignal>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "model/preparation.h"
#include "model/trimming.h"
#include "objects/missing_data.h"
#include "select/route_selector.h"
#include "stationfile/carry_over.h"
#include "stationfile/sample_station.h"
#include "stationfile/save_file.h"
#include "stationfile/station_reader.h"
#include "stationfile/station_writer.h"

namespace szl {
namespace {

namespace fs = std::filesystem;
using test::kSampleRows;
using test::readFile;
using test::sampleFile;
using test::writeFile;

// Answers the selector and the save as an author would, the editor through its own load and
// store rules.
class Author : public SaveHost, public SelectorHost {
 public:
  Answer ask(const Message& m) override {
    asked.push_back(m);
    const Answer a = answers.empty() ? Answer::Ok : answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
  bool cmdPozostale_Click(Station& st) override {
    ++stationEdits;
    if (cancelStation) return true;
    EditorData d = loadEditor(st, stationSubject());
    if (!comment.empty()) d.comment = comment, d.TickIndex = 8;
    storeEditor(st, stationSubject(), d);
    return false;
  }
  // Types the values of `fill` for the point; a point in `cancelOnce` gets "Anuluj" first.
  bool Uzupelnij(Station& st, int x, int y) override {
    const int p = pointNumber(x, y);
    edits.push_back(p);
    if (cancelOnce.erase(p)) return true;
    const EditorSubject s = cellSubject(st, x, y);
    EditorData d = loadEditor(st, s);
    for (const auto& [field, value] : fill[p]) d.value(field) = value;
    storeEditor(st, s, d);
    return false;
  }
  std::optional<std::string> chooseSavePath() override { return path; }
  std::string shortDate() override { return "2024-05-17"; }
  std::string shortTime() override { return "14:03"; }

  std::vector<Message> asked;
  std::deque<Answer> answers;
  std::vector<int> edits;
  int stationEdits = 0;
  bool cancelStation = false;
  std::string comment = "Stacja testowa: żółw, gęś.\nLinia druga 日本";  // none: keep the station's
  std::map<int, std::vector<std::pair<NumericId, int>>> fill;
  std::set<int> cancelOnce;
  std::optional<std::string> path;

  // The titles of what was asked, joined by " | ", and forgotten.
  std::string titles() {
    std::string s;
    for (const Message& m : asked) s += (s.empty() ? "" : " | ") + m.title;
    asked.clear();
    return s;
  }
};

class Save : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir / "out");
    author.path = (dir / "out" / "gotowa").string();
    using enum NumericId;
    author.fill = {{101, {{txt1Czas, 5}, {txt1Wyprz, 10}}},
                   {110, {{txt1Czas, 3}, {txt1Wyprz, 7}}},
                   {301, {{txt2CzasZwoln, 4}, {txt2CzasMij, 7}, {txt2Wyprz, 15}}},
                   {506, {{txt7Pojem, 5}, {txt7Napr, 1}, {txt7CzasZam, 20}, {txt7CzasNapr, 60}}},
                   {601, {{txt7Pojem, 8}, {txt7Napr, 2}, {txt7CzasZam, 15}, {txt7CzasNapr, 45}}}};
    author.cancelOnce = {101};
  }

  // Opens the file as the window does when the author takes its saved data, and prepares it.
  Station open(const std::string& bytes) {
    writeFile(dir / "stacja.stc", bytes);
    loaded = WczytajStacje((dir / "stacja.stc").string());
    EXPECT_TRUE(loaded.station) << loaded.error;
    Station st = loaded.station.value_or(Station());
    if (loaded.saved) carried = takeSavedData(st, *loaded.saved);
    prepare(st);
    return st;
  }
  // Analyses the station and prepares the route selector on `routeFile`.
  void prepare(Station& st) {
    PrzygotujStacje(st, {});
    writeFile(dir / "trasy.txt", routeFile);
    EXPECT_TRUE(sel.Prepare(st, routes(), author));
  }
  SaveResult save(Station& st) { return cmdSave_Click(st, sel.table(), routes(), author); }
  std::string routes() const { return (dir / "trasy.txt").string(); }

  test::TempDir dir;
  Author author;
  RouteSelector sel;
  LoadResult loaded;
  CarryReport carried;
  std::string routeFile = test::kSampleRoutes;
};

TEST_F(Save, EveryObjectClassByteForByteAndTheSameFileFromItsOwnData) {
  Station st = open(test::stationFileText(kSampleRows));
  // The group of three: keep its first and third route.
  sel.Edit(2, st, author);
  ASSERT_TRUE(sel.tickRoute(0, st, author));
  ASSERT_TRUE(sel.tickRoute(2, st, author));
  sel.Accept(st, author);
  sel.Confirm();
  // The author set two sidings on the view; the third keeps its 10.
  st.object(9, 3).ValueE = 6;
  st.object(4, 6).ValueE = 4;
  author.asked.clear();
  author.answers = {Answer::Cancel};  // the abort question after the first "Anuluj": go on
  const SaveResult res = save(st);
  ASSERT_EQ(res.outcome, SaveOutcome::Saved);
  EXPECT_EQ(readFile(dir / "out" / "gotowa.stc"), sampleFile());
  EXPECT_EQ(res.totals.ObjectCount, 11);

  // The entry twice (Anuluj, then data), the goods group without a number once, each shed
  // once; the exit's lead time is kept in memory though the file has 0 there.
  EXPECT_EQ(author.stationEdits, 1);
  EXPECT_EQ(author.edits, (std::vector<int>{101, 101, 110, 301, 304, 506, 601}));
  EXPECT_EQ(st.object(10, 1).ValueB, 7);
  ASSERT_EQ(author.asked.size(), 3u);
  EXPECT_EQ(author.asked[0].text, "Naprawdę chcesz przerwać wpisywanie danych do pliku stacji?");
  EXPECT_EQ(author.asked[0].buttons, Buttons::OkCancel);
  EXPECT_NE(author.asked[1].text.find("\"?\""), std::string::npos);  // the two characters told once
  EXPECT_EQ(author.asked[2].icon, Icon::Information);
  EXPECT_EQ(author.asked[2].text,
            "Stacja gotowa.stc została zapisana.\r\n\r\nJeżeli zamierzasz opublikować stację, "
            "stworzoną przy pomocy tego programu, \r\nnie zapomnij powiadomić o tym e-mailem "
            "autora programu oraz zawrzeć \r\nstosowne informacje w pliku stacji i ewentualnie w "
            "pliku dokumentacji stacji.");
  EXPECT_EQ(author.titles(),
            "Zapisywanie stacji - wjazd/wyjazd | Zapisywanie stacji | Przypomnienie");

  // Opened with its data: the analysis keeps the author's (the sidings' 6 and 4 rather than
  // its 10), the kept routes are ticked again, and the save asks only for the goods group's
  // number, which the file cannot keep; the same bytes come out.
  Station again = open(readFile(res.path));
  sel.Confirm();
  author.edits.clear();
  author.comment.clear();
  author.path = (dir / "out" / "DRUGA.STC").string();
  ASSERT_EQ(save(again).outcome, SaveOutcome::Saved);
  EXPECT_EQ(author.edits, std::vector<int>{304});
  EXPECT_EQ(author.titles(), "Przypomnienie");
  EXPECT_EQ(readFile(*author.path), sampleFile());
}

TEST_F(Save, EndedByTheAuthorWritesNothing) {
  Station st = open(test::stationFileText(kSampleRows));
  sel.Confirm();
  author.asked.clear();
  author.cancelStation = true;
  EXPECT_EQ(save(st).outcome, SaveOutcome::Cancelled);
  EXPECT_EQ(author.titles(), "Zapisywanie stacji - pozostałe dane");
  EXPECT_TRUE(author.edits.empty());

  author.cancelStation = false;
  author.path.reset();  // the save-file dialog cancelled
  author.cancelOnce.clear();
  EXPECT_EQ(save(st).outcome, SaveOutcome::Cancelled);
  EXPECT_TRUE(author.asked.empty());
  EXPECT_TRUE(fs::is_empty(dir / "out"));
}

TEST_F(Save, ARouteFileThatNoLongerMatchesIsRefused) {
  Station st = open(test::stationFileText(kSampleRows));
  sel.Confirm();
  for (const std::string& text :
       {test::kSampleRoutes + "1,1,501,502,0,\r\n",  // a new search found one route more
        "1,1,101,102,103,105,0,\r\n" + test::kSampleRoutes.substr(24),  // an end moved
        "1,1,101,103,104,0,\r\n" + test::kSampleRoutes.substr(24),      // a point lost
        std::string()}) {  // the file is gone: it counts as empty
    writeFile(routes(), text);
    if (text.empty()) fs::remove(routes());
    author.asked.clear();
    EXPECT_EQ(save(st).outcome, SaveOutcome::Refused);
    ASSERT_EQ(author.asked.size(), 1u);
    EXPECT_EQ(author.asked[0].icon, Icon::Critical);
    EXPECT_NE(author.asked[0].text.find("Uruchom ponownie selekcję tras"), std::string::npos);
    EXPECT_EQ(author.stationEdits, 0);  // refused before the author typed anything
  }
  // Ends and length as the table has them, but a turn the track at 102 does not make.
  writeFile(routes(), "1,1,101,102,203,104,0,\r\n" + test::kSampleRoutes.substr(24));
  author.asked.clear();
  EXPECT_EQ(save(st).outcome, SaveOutcome::Refused);
  ASSERT_EQ(author.asked.size(), 1u);
  EXPECT_NE(author.asked[0].text.find("nie pasuje do stacji i opcji wyszukiwania:\r\nw wierszu 1 "
                                      "w punkcie 102 nie da się przejechać od punktu 101 do "
                                      "punktu 203.\r\n\r\nStacja nie została zapisana."),
            std::string::npos)
      << author.asked[0].text;
  EXPECT_EQ(author.stationEdits, 0);
  fs::remove(routes());
  EXPECT_TRUE(fs::is_empty(dir / "out"));

  // No route file and no routes selected: an empty route section.
  author.answers = {Answer::Cancel};
  ASSERT_EQ(cmdSave_Click(st, RouteTable{}, routes(), author).outcome, SaveOutcome::Saved);
  EXPECT_NE(readFile(dir / "out" / "gotowa.stc")
                .find(test::stationFileText(kSampleRows) + "0,\r\n11,30,\r\n"),
            std::string::npos);
}

// A save killed half-way leaves its temporary file; the next save to the same place removes
// it, but not one a save going on now could be writing, nor a file of another name.
TEST(SaveFile, TheNextSaveRemovesWhatAKilledSaveLeft) {
  test::TempDir dir;
  const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (const char* name : {".a.stc.tmp-123-4", ".a.stc.tmp-5-6", ".a.stc.tmp-x", ".b.stc.tmp-1-2"})
    writeFile(dir / name, "urwany");
  for (const char* name : {".a.stc.tmp-123-4", ".a.stc.tmp-x", ".b.stc.tmp-1-2"})
    fs::last_write_time(dir / name, hourAgo);
  ASSERT_EQ(saveFileAtomically((dir / "a.stc").string(), "nowy"), 0);
  std::set<std::string> left;
  for (const auto& e : fs::directory_iterator(dir.path()))
    left.insert(e.path().filename().string());
  EXPECT_EQ(left,
            (std::set<std::string>{"a.stc", ".a.stc.tmp-5-6", ".a.stc.tmp-x", ".b.stc.tmp-1-2"}));
}

TEST_F(Save, AFailedWriteLeavesTheOldFileAndNamesTheFile) {
  Station st = open(test::stationFileText(kSampleRows));
  sel.Confirm();
  author.answers = {Answer::Cancel};
  const auto target = dir / "out" / "gotowa.stc";
  writeFile(target, "stary plik");

#ifdef _WIN32
  // A file another program holds open (the simulator, say) cannot be replaced.
  std::ifstream held(target);
  const SaveResult res = save(st);
  held.close();
#else
  // The file system refuses every byte beyond the first hundred.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const struct rlimit small = {100, old.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const SaveResult res = save(st);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
#endif

  EXPECT_EQ(res.outcome, SaveOutcome::Failed);
  EXPECT_EQ(readFile(target), "stary plik");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), {}), 1);
  ASSERT_FALSE(author.asked.empty());
  const Message& m = author.asked.back();
  EXPECT_EQ(m.icon, Icon::Critical);
  EXPECT_NE(m.text.find("Nie można zapisać stacji do pliku " + target.string()), std::string::npos)
      << m.text;
  EXPECT_NE(m.text.find("pozostał bez zmian"), std::string::npos);

  // A folder whose parent is a file, and a name taken by a folder.
  writeFile(dir / "plik", "x");
  fs::create_directory(dir / "out" / "katalog.stc");
  for (const auto& [path, says] : {std::pair{dir / "plik" / "podkatalog" / "stacja.stc", ""},
                                   {dir / "out" / "katalog.stc", "pod tą nazwą jest katalog"}}) {
    author.path = path.string();
    author.asked.clear();
    EXPECT_EQ(save(st).outcome, SaveOutcome::Failed);
    ASSERT_EQ(author.asked.size(), 1u);
    EXPECT_NE(author.asked[0].text.find(*author.path), std::string::npos);
    EXPECT_NE(author.asked[0].text.find(says), std::string::npos);
  }
  EXPECT_EQ(readFile(dir / "plik"), "x");
  EXPECT_TRUE(fs::is_empty(dir / "out" / "katalog.stc"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), {}), 2);
}

TEST_F(Save, WhatNoLongerFitsTheGridIsListedAndTheRestTaken) {
  // The sidings at 309 became track, the goods tracks' record names their middle cell, a shed
  // record was written twice, and the search no longer finds the kept route through 402 and 403.
  std::vector<std::string> rows = kSampleRows;
  rows[3] = "0 52 10 10 53 53 53 10 10 10 0 0";
  std::vector<std::string> tail = test::kSampleTail;
  tail[11] = "9,3,305,306,307,0,";
  tail.insert(tail.begin() + 16, "8,2,506,0,0,0,");
  routeFile.replace(routeFile.find("402,403"), 7, "202,303");
  const Station st = open(sampleFile(rows, tail));
  EXPECT_EQ(carried.carriedRecords, 9);
  EXPECT_EQ(carried.notes,
            (std::vector<std::string>{
                "punkt 305, Tory towarowe (wiersz 21 pliku): nie ma tam już takiego obiektu",
                "punkt 309, Tory postojowe (wiersz 22 pliku): nie ma tam już takiego obiektu",
                "punkt 506, Lokomotywownia (wiersz 26 pliku): drugi zapis tego samego obiektu"}));
  EXPECT_EQ(st.object(1, 1).ValueA, 5);
  EXPECT_TRUE(sel.carry().carried == 4 && sel.carry().dropped == 1);
  ASSERT_EQ(author.asked.size(), 1u);
  EXPECT_NE(author.asked[0].text.find("- trasa od punktu 301 do punktu 304 (wiersz 14 pliku "
                                      "stacji): wyszukiwanie jej nie znalazło"),
            std::string::npos)
      << author.asked[0].text;
  // The group keeps only the route the file kept.
  const auto& kept = sel.table().routes;
  EXPECT_TRUE(kept[2].selected && !kept[3].selected && !kept[4].selected);
}

// Written, opened with its data, analysed and written again: the same bytes, and what the
// take-over had to say.
std::pair<std::string, std::string> writtenTwice(const Station& prepared) {
  const std::string sig = signatureLine("1.2.2026", "10:00");
  const std::string first = stationFileBytes(prepared, {}, {}, sig).bytes;
  std::istringstream in(first);
  LoadResult res = readStation(in, "a.stc");
  if (!res.station || !res.saved) return {first, "nie przejęto: " + res.error + res.tailError};
  Station st = std::move(*res.station);
  const CarryReport report = takeSavedData(st, *res.saved);
  PrzygotujStacje(st, {});
  std::string notes;
  for (const std::string& n : report.notes) notes += n + "\n";
  const std::string second = stationFileBytes(st, {}, {}, sig).bytes;
  return {second == first ? "" : second, notes};
}

// In a run of more than three equal platform or goods-track cells the analysis makes a group at
// several cells; the writer writes a record at each, and each is read back to its cell.
TEST(SavedGroups, EveryRunOfEqualCellsComesBackByteForByte) {
  for (const int code : {21, 210, 53, 530}) {
    for (int n = 3; n <= 7; ++n) {
      for (const bool digits : {false, true}) {
        std::string row = "10";
        for (int k = 0; k < n; ++k)
          row += " " + std::to_string(digits && k % 2 == 1 && k < n - 1 ? k + 2 : code);
        Station st = test::stationFromRows({row + " 10"});
        PrzygotujStacje(st, {});
        // The author numbers the groups the grid leaves without a number, each its own way.
        int firsts = 0;
        for (int x = 1; x <= n; ++x) {
          if (st.cell(x, 0).InObject != 1 || st.object(x, 0).ValueB != 1) continue;
          ++firsts;
          if (st.object(x, 0).ValueC != 0) continue;
          EditorData d = loadEditor(st, cellSubject(st, x, 0));
          d.value(code % 10 == 1 ? NumericId::txt3Numer : NumericId::txt8Numer) = 9 - x;
          storeEditor(st, cellSubject(st, x, 0), d);
        }
        const std::string what = row + (digits ? " z cyframi" : "");
        EXPECT_EQ(firsts, digits ? (n - 1) / 2 : n - 2) << what;
        const auto [changed, notes] = writtenTwice(st);
        EXPECT_EQ(changed, "") << what;
        EXPECT_EQ(notes, "") << what;
      }
    }
  }
}

// A record at point 0 is taken and the author told why no route will reach it.
TEST(SavedGroups, AnObjectAtPointZeroKeepsItsRecord) {
  Station st = test::stationFromRows({"22 10 22"});
  PrzygotujStacje(st, {});
  st.object(0, 0).ValueE = 3;
  st.object(0, 0).AuthorData = true;
  const auto [changed, notes] = writtenTwice(st);
  EXPECT_EQ(changed, "");
  EXPECT_EQ(notes,
            "punkt 0, Tory postojowe (wiersz 6 pliku): przejęto, ale żadna trasa nie zacznie się "
            "ani nie skończy w punkcie 0, bo zero kończy zapis trasy\n");
}

TEST_F(Save, HandEditsAreTakenAsTheGridSaysAndEachIsNamed) {
  // The entry's digit 1 became 7, the track beside the sidings at 604 was taken away, and an
  // old editor ended the file with Ctrl-Z after a few blank lines.
  std::vector<std::string> rows = kSampleRows;
  rows[2] = "0 7 0 0 0 0 0 0 0 0 2 0";
  rows[6] = "0 480 100 0 220 0 22 0 0 0 0 0";
  Station st = open(sampleFile(rows) + "\r\n \r\n\x1a");
  EXPECT_EQ(carried.notes,
            (std::vector<std::string>{
                "punkt 101, Wjazd / wyjazd (wiersz 17 pliku): plik podaje numer 1, a cyfra w "
                "siatce 7; przyjęto numer z siatki",
                "punkt 604, Tory postojowe (wiersz 27 pliku): przejęto, ale obiekt nie łączy się "
                "teraz z żadnym torem, więc jego zapisu nie będzie w pliku stacji"}));
  EXPECT_EQ(carried.carriedRecords, 11);
  EXPECT_EQ(st.object(1, 1).ValueC, 7);
  // The signature stays the last line: Ctrl-Z and the blank lines are no part of the comment.
  EXPECT_EQ(st.StationComment, "Stacja testowa: żółw, gęś.\r\nLinia druga ??");
}

// Before the comment any run of CR and LF is one line break, as in the grid; in the comment
// each break counts, so that its empty lines stay.
TEST_F(Save, LineBreaksAreReadAsInTheGridButInTheComment) {
  std::string text = test::stationFileText(kSampleRows);
  const char* breaks[] = {"\r\r\n", "\n\r", "\r\n\r\n", "\n", "\r"};
  for (size_t i = 0; i + 3 < test::kSampleTail.size(); ++i)
    text += test::kSampleTail[i] + breaks[i % std::size(breaks)];
  text += "\r\n" + test::kSampleTail[20] + "\r\n" + test::kSampleTail[21] + "\r\n\r\n" +
          test::kSampleTail[22] + "\r\n";
  const Station st = open(text);
  ASSERT_TRUE(loaded.saved) << loaded.tailError;
  EXPECT_EQ(carried.carriedRecords, 11);
  EXPECT_EQ(st.StationComment, "\r\nStacja testowa: żółw, gęś.\r\nLinia druga ??\r\n");
  EXPECT_EQ(loaded.saved->routes.size(), 5u);
}

// Values the editor could never store are not taken: named, and the object asks for them.
TEST_F(Save, ValuesTheEditorCouldNeverStoreAreAskedForAgain) {
  std::vector<std::string> tail = test::kSampleTail;
  tail[17 - 10] = "1,32767,101,-32768,0,12,";
  tail[22 - 10] = "5,-5,309,0,0,0,";
  Station st = open(sampleFile(kSampleRows, tail));
  const std::string entry = "punkt 101, Wjazd / wyjazd (wiersz 17 pliku): ";
  EXPECT_EQ(carried.notes,
            (std::vector<std::string>{
                entry + "\"Czas zwolnienia wjazdu / wyjazdu w minutach\" = 32767, a edytor "
                        "przyjmuje od 0 do 99; trzeba to wpisać na nowo",
                entry + "\"Wyprzedzenie względem godziny przyjazdu, z jakim będą pociągi "
                        "pojawiać się na wjeździe\" = -32768, a edytor przyjmuje od 0 do 99; "
                        "trzeba to wpisać na nowo",
                entry + "strona wjazdu zapisana cyfrą 2, której nie ma (1 lewa, 0 prawa); trzeba "
                        "ją wybrać na nowo",
                "punkt 309, Tory postojowe (wiersz 22 pliku): \"Pojemność\" = -5, a edytor "
                "przyjmuje od 1 do 10; trzeba to wpisać na nowo"}));
  const MissingData m = missingObjectData(st, 1, 1);
  EXPECT_TRUE(m.side && m.fields.size() == 2) << m.fields.size();
  EXPECT_TRUE(objectDataMissing(st, 9, 3));
}

// A file of many records that fit no object: the list shows its first lines and counts the
// rest; more records than the grid has cells is no saved station.
TEST_F(Save, ManyRecordsThatFitNothingAreCountedAndTooManyRefused) {
  std::vector<std::string> tail = test::kSampleTail;
  tail.insert(tail.begin() + 7, 84 - 11, "6,2,100,0,0,0,");  // 84 cells, 11 records of its own
  open(sampleFile(kSampleRows, tail));
  ASSERT_TRUE(loaded.saved) << loaded.tailError;
  EXPECT_EQ(carried.droppedRecords, 73);
  const std::string text = carryNotesMessage("stacja.stc", carried).text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
  EXPECT_TRUE(
      text.ends_with("\r\n- punkt 100, Punkt postojowy (wiersz 36 pliku): nie ma tam już "
                     "takiego obiektu\r\n… i jeszcze 53 zapisy"))
      << text;

  tail.insert(tail.begin() + 7, "6,2,100,0,0,0,");
  open(sampleFile(kSampleRows, tail));
  EXPECT_NE(loaded.tailError.find("w wierszu 101 pliku zapisów obiektów jest więcej niż pól "
                                  "siatki (84)"),
            std::string::npos)
      << loaded.tailError;
}

TEST_F(Save, ADamagedTailIsNotTakenAtAllAndNamesItsLine) {
  // The line changed, its new text ("" cuts the file there), the line named and why.
  const std::tuple<int, std::string, int, const char*> cases[] = {
      {10, "6,", 16, "zapisano tylko 5 tras, a wiersz 10 pliku zapowiada ich 6"},
      {10, "4,", 15, "tu jest jeszcze jedna trasa, a wiersz 10 pliku zapowiada ich 4"},
      {12, "0,1,106,107,108,109,110,", 12, "kończące je zero"},
      {13, "1,1,301,302,3x3,304,0,", 13, "pole \"3x3\" nie jest liczbą całkowitą"},
      {14, "1,1,301,402,9999,304,0,", 14, "punkt 9999 leży poza siatką stacji (7 x 12)"},
      {19, "2,3,110,0,20,", 19, "zapis obiektu ma 5 pól zamiast 6"},
      {20, "12,407,301,15,0,31,", 20, "nieznany rodzaj obiektu 12"},
      {21, "9,3,304,305,307,0,", 21, "trzy sąsiednie punkty"},
      {28, "7,", 28, "jednostka taktowania zegara 7 s"},
      {29, "8,2,15,", 29, "oczekiwano: dane lokomotywowni (4 pola), a wiersz pliku ma 3 pola"},
      {30, "", 30, "zanim zapisano w nim komentarz i podpis"},
      // Cut inside the comment: its last line is no signature.
      {31, "", 30, "brak podpisu stacji: ostatni wiersz nie zaczyna się od \"Stacja została"},
      {31, "Linia druga, a w niej \x1a i dalej", 31, "po znaku końca pliku (Ctrl-Z)"},
  };
  for (const auto& [changed, replacement, line, why] : cases) {
    std::vector<std::string> tail = test::kSampleTail;
    tail.resize(replacement.empty() ? changed - 10 : tail.size());
    if (!replacement.empty()) tail[changed - 10] = replacement;
    open(sampleFile(kSampleRows, tail));  // the grid opens all the same
    EXPECT_FALSE(loaded.saved) << why;
    EXPECT_NE(loaded.tailError.find("w wierszu " + std::to_string(line) + " pliku "),
              std::string::npos)
        << loaded.tailError;
    EXPECT_NE(loaded.tailError.find(why), std::string::npos) << loaded.tailError;
  }
  // A grid-only file, even with blank lines after it, has nothing more to take.
  open(test::stationFileText(kSampleRows) + "\r\n  \r\n");
  EXPECT_FALSE(loaded.saved);
  EXPECT_TRUE(loaded.tailError.empty());
}

TEST_F(Save, TakenDataAndKeptRoutesMoveWithTrimming) {
  // Cutting column 0 and the empty last column moves every point one to the left.
  Station st = cutStation(open(sampleFile()), TrimRect{1, 11, 0, 7, false});
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
  prepare(st);
  EXPECT_EQ(sel.carry().carried, 5);
  sel.Confirm();
  ASSERT_EQ(save(st).outcome, SaveOutcome::Saved);
  EXPECT_NE(
      readFile(dir / "out" / "gotowa.stc").find("\r\n1,5,100,10,0,11,\r\n4,3,103,104,105,4,\r\n"),
      std::string::npos);

  // Cutting a kept route's cells away drops it from the carried ticks.
  const Station cut = cutStation(st, TrimRect{0, 10, 2, 7, false});
  EXPECT_TRUE(cut.KeptRoutes[0].points.empty());
  EXPECT_EQ(cut.KeptRoutes[2].points, (std::vector<int16_t>{100, 101, 102, 103}));
}

TEST_F(Save, GoodsTracksTakenFromTheFileKeepTheirDigitAsNumber) {
  // The file holds no goods-track number; the grid's digit gives it, so nobody is asked.
  std::vector<std::string> rows = kSampleRows;
  rows[3] = "0 52 10 10 53 7 53 10 10 22 0 0";
  Station st = open(sampleFile(rows));
  sel.Confirm();
  author.comment.clear();
  ASSERT_EQ(save(st).outcome, SaveOutcome::Saved);
  EXPECT_TRUE(author.edits.empty());
  EXPECT_EQ(readFile(dir / "out" / "gotowa.stc"), sampleFile(rows));
}

}  // namespace
}  // namespace szl
