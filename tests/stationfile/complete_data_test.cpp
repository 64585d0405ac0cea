// The save opens the editor on an entry-exit again and again until its data is complete: an
// author who gives one value at a time ends with a whole record.
#include <gtest/gtest.h>

#include "model/preparation.h"
#include "objects/object_data.h"
#include "stationfile/station_writer.h"
#include "support/test_support.h"

namespace szl {
namespace {

// Each time the editor opens, one more value is typed and OK pressed.
struct OneValueAtATime : SaveHost {
  Answer ask(const Message&) override { return Answer::Ok; }
  bool cmdPozostale_Click(Station&) override { return false; }
  bool Uzupelnij(Station& st, int x, int y) override {
    const std::pair<NumericId, int> typed[] = {
        {NumericId::txt2CzasZwoln, 4}, {NumericId::txt2Wyprz, 15}, {NumericId::txt2CzasMij, 7}};
    const EditorSubject s = cellSubject(st, x, y);
    EditorData d = loadEditor(st, s);
    if (opened < 3) d.value(typed[opened].first) = typed[opened].second;
    ++opened;
    storeEditor(st, s, d);
    return false;
  }
  std::optional<std::string> chooseSavePath() override { return path; }
  std::string shortDate() override { return "1.02.2024"; }
  std::string shortTime() override { return "10:00"; }

  int opened = 0;
  std::string path;
};

TEST(SaveAsksAgain, AnEntryExitUntilItsDataIsComplete) {
  test::TempDir dir;
  Station st = test::stationFromRows({"0 0 0", "52 10 21"});
  PrzygotujStacje(st, {});
  test::writeFile(dir / "trasy.txt", "");
  OneValueAtATime author;
  author.path = (dir / "gotowa.stc").string();
  ASSERT_EQ(cmdSave_Click(st, RouteTable{}, (dir / "trasy.txt").string(), author).outcome,
            SaveOutcome::Saved);
  EXPECT_EQ(author.opened, 3);
  // Numbered 1 as the editor opens, on the left as its track says.
  EXPECT_NE(test::readFile(dir / "gotowa.stc").find("\r\n2,0,\r\n3,407,100,15,0,11,\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace szl
