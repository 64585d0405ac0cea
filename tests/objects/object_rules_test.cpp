#include <gtest/gtest.h>

#include "model/preparation.h"
#include "objects/numeric_field.h"
#include "objects/object_data.h"
#include "support/test_support.h"

namespace szl {
namespace {

TEST(NumericField, IntegerPartWithinRangeAndLength) {
  struct Case {
    NumericId field;
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {NumericId::txt1Czas, "12.7", 12},  {NumericId::txt1Czas, "12,7", 12},
      {NumericId::txt1Czas, " 7 ", 7},    {NumericId::txt1Czas, "0", 0},
      {NumericId::txt1Czas, "99", 99},    {NumericId::txt1Czas, "99.99", 99},
      {NumericId::txt1Czas, "100", {}},   {NumericId::txt1Czas, "", {}},
      {NumericId::txt1Czas, "  ", {}},    {NumericId::txt1Czas, "abc", {}},
      {NumericId::txt1Czas, "1a", {}},    {NumericId::txt1Czas, "-3", {}},
      {NumericId::txt1Czas, "-0.5", {}},  {NumericId::txt1Czas, ".", {}},
      {NumericId::txt1Czas, "1e1", {}},   {NumericId::txt1Czas, "99999999999999999999", {}},
      {NumericId::txt1Numer, "0", {}},    {NumericId::txt1Numer, "9", 9},
      {NumericId::txt1Numer, "10", {}},   {NumericId::txt3Numer, "0", 0},
      {NumericId::txt4Pojem, "10", 10},   {NumericId::txt4Pojem, "11", {}},
      {NumericId::txt4Pojem, "0.9", {}},  {NumericId::txt7Pojem, "999", 999},
      {NumericId::txt7Pojem, "1000", {}}, {NumericId::txt7CzasZam, "+15", 15},
  };
  for (const Case& c : cases)
    EXPECT_EQ(numericFieldValue(numericField(c.field), c.text), c.value)
        << numericField(c.field).textBox << " \"" << c.text << "\"";
}

class Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    st = test::stationFromRows({
        "0 0 0 0 0 0 0 0 0 0 0",
        "51 10 21 7 21 10 53 53 53 10 50",
        "1 0 0 0 0 0 0 0 0 0 2",
        "52 10 22 10 48 10 21 10 530 10 0",
    });
    PrzygotujStacje(st, {});
  }
  Station st;
};

TEST_F(Editor, AGroupNumberGoesIntoAllThreeCellsWhicheverWasOpened) {
  for (int opened : {2, 3, 4}) {
    const EditorSubject s = cellSubject(st, opened, 1);
    EditorData d = loadEditor(st, s);
    ASSERT_EQ(d.page, EditorPage::Platform) << opened;
    EXPECT_EQ(d.GroupOffset, 2 - opened);
    EXPECT_EQ(d.points, (std::array<int, 3>{102, 103, 104}));
    // The digit's 7 first, then what the previous round stored.
    EXPECT_EQ(d.value(NumericId::txt3Numer), opened == 2 ? 7 : opened + 2);
    d.value(NumericId::txt3Numer) = opened + 3;
    storeEditor(st, s, d);
    for (int x = 2; x <= 4; ++x) EXPECT_EQ(st.object(x, 1).ValueC, opened + 3);
    EXPECT_EQ(st.object(5, 1).ValueC, 0);
    EXPECT_EQ(st.object(0, 1).ValueC, 1);
  }
  // A goods-track group without a number; its position fields are never written.
  const EditorSubject goods = cellSubject(st, 8, 1);
  EditorData d = loadEditor(st, goods);
  ASSERT_EQ(d.page, EditorPage::GoodsTracks);
  EXPECT_EQ(d.value(NumericId::txt8Numer), 0);
  d.value(NumericId::txt8Numer) = 3;
  storeEditor(st, goods, d);
  for (int x = 6; x <= 8; ++x) {
    EXPECT_EQ(st.object(x, 1).ValueC, 3);
    EXPECT_EQ(st.object(x, 1).ValueB, x - 5);
  }
}

TEST_F(Editor, EntriesAndExitsLoadAndStoreTheirFields) {
  // (0, 1): 51 with its track to the east is an entry on the left, numbered 1 by the digit.
  const EditorSubject entry = cellSubject(st, 0, 1);
  EditorData d = loadEditor(st, entry);
  ASSERT_EQ(d.page, EditorPage::EntryOrExit);
  EXPECT_EQ(d.direction, 1);
  EXPECT_EQ(d.side, 1);
  EXPECT_EQ(d.value(NumericId::txt1Numer), 1);
  EXPECT_EQ(d.points[0], 100);

  // (10, 1): 50 with its track to the west is an entry too; make it an exit with a lead time.
  const EditorSubject exit = cellSubject(st, 10, 1);
  d = loadEditor(st, exit);
  d.direction = 2;
  d.side = 2;
  d.value(NumericId::txt1Czas) = 3;
  d.value(NumericId::txt1Wyprz) = 12;
  storeEditor(st, exit, d);
  const ObjectRec& o = st.object(10, 1);
  EXPECT_EQ(o.Direction, 2);
  EXPECT_EQ(o.Side, 2);
  EXPECT_EQ(o.ValueA, 3);
  EXPECT_EQ(o.ValueB, 12);  // stored, though an exit's lead time is never written
  EXPECT_EQ(o.ValueC, 2);

  // A stored value the field would refuse leaves the field at its initial value.
  st.object(0, 3).ValueC = 12;
  st.object(0, 3).ValueA = 42;
  d = loadEditor(st, cellSubject(st, 0, 3));
  ASSERT_EQ(d.page, EditorPage::EntryExit);
  EXPECT_EQ(d.value(NumericId::txt2Numer), 1);
  EXPECT_EQ(d.value(NumericId::txt2CzasZwoln), 42);
}

TEST_F(Editor, StoppingPointsStoreNothingAndTheStationPageHasTheTotals) {
  EditorData d;
  EXPECT_EQ(loadEditor(st, cellSubject(st, 2, 3)).value(NumericId::txt4Pojem), 10);

  // Stopping points have nothing to store, even with another page's fields changed.
  for (int x : {6, 8}) {
    const EditorSubject s = cellSubject(st, x, 3);
    d = loadEditor(st, s);
    EXPECT_EQ(d.page, x == 6 ? EditorPage::StoppingPoint : EditorPage::LocoStoppingPoint);
    EXPECT_EQ(d.points[0], 300 + x);
    d.value(NumericId::txt4Pojem) = 3;
    const ObjectRec before = st.object(x, 3);
    storeEditor(st, s, d);
    EXPECT_EQ(st.object(x, 3).ValueE, before.ValueE);
  }

  d = loadEditor(st, stationSubject());
  ASSERT_EQ(d.page, EditorPage::Station);
  // Linked objects outside groups (2 entries, entry-exit, sidings, shed, 2 stopping points)
  // and the first cells of the two groups; sidings hold 10 each.
  EXPECT_EQ(d.totals.ObjectCount, 9);
  EXPECT_EQ(d.totals.SidingPlaces, 10);
  EXPECT_EQ(d.TickIndex, 6);
  d.TickIndex = 11;
  d.comment = "Nowy komentarz";
  storeEditor(st, stationSubject(), d);
  EXPECT_EQ(st.TickIndex, 11);
  EXPECT_EQ(st.StationComment, "Nowy komentarz");

  // Track cells and digits outside groups open no page and store nothing.
  EXPECT_EQ(editorPageOf(st, cellSubject(st, 1, 1)), EditorPage::None);
  EXPECT_EQ(editorPageOf(st, cellSubject(st, 0, 2)), EditorPage::None);
  EXPECT_EQ(editorPageOf(st, cellSubject(st, 3, 1)), EditorPage::Platform);
  EXPECT_EQ(editorPageOf(st, cellSubject(st, 7, 1)), EditorPage::GoodsTracks);
}

}  // namespace
}  // namespace szl
