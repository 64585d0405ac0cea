#include <gtest/gtest.h>

#include "model/preparation.h"
#include "objects/missing_data.h"
#include "objects/numeric_field.h"
#include "objects/object_data.h"
#include "support/test_support.h"

namespace szl {
namespace {

TEST(NumericField, IntegerPartWithinRangeAndLength) {
  using enum NumericId;
  const std::tuple<NumericId, const char*, std::optional<int>> cases[] = {
      // clang-format off
      {txt1Czas, "12.7", 12}, {txt1Czas, "12,7", 12},  {txt1Czas, " 7 ", 7},   {txt1Czas, "0", 0},
      {txt1Czas, "99.99", 99}, {txt1Czas, "", {}},     {txt1Czas, "  ", {}},   {txt1Czas, "abc", {}},
      {txt1Czas, "1a", {}},   {txt1Czas, "-3", {}},    {txt1Czas, "-0.5", {}}, {txt1Czas, ".", {}},
      {txt1Czas, "1e1", {}},  {txt1Czas, "99999999999999999999", {}},          {txt3Numer, "0", 0},
      {txt4Pojem, "0.9", {}}, {txt7CzasZam, "+15", 15},
      // clang-format on
  };
  for (const auto& [field, text, value] : cases)
    EXPECT_EQ(numericFieldValue(numericField(field), text), value)
        << numericField(field).textBox << " \"" << text << "\"";
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

// What the editor shows: its page, point boxes, direction and side, and the page's fields.
std::string shown(const EditorData& d) {
  std::string s = std::to_string(static_cast<int>(d.page)) + " @";
  for (int i = 0; i < d.pointCount; ++i) s += " " + std::to_string(d.points[i]);
  s += " " + std::to_string(d.direction) + std::to_string(d.side);
  for (const NumericField& f : kNumericFields)
    if (f.page == static_cast<int>(d.page))
      s += std::string(" ") + f.textBox + "=" + std::to_string(d.value(f.id));
  return s;
}

TEST_F(Editor, AGroupNumberGoesIntoAllThreeCellsWhicheverWasOpened) {
  for (int opened : {2, 3, 4}) {
    const EditorSubject s = cellSubject(st, opened, 1);
    EditorData d = loadEditor(st, s);
    // The digit's 7 first, then what the previous round stored.
    EXPECT_EQ(shown(d),
              "3 @ 102 103 104 00 txt3Numer=" + std::to_string(opened == 2 ? 7 : opened + 2));
    EXPECT_EQ(d.GroupOffset, 2 - opened);
    d.value(NumericId::txt3Numer) = opened + 3;
    storeEditor(st, s, d);
    for (int x : {0, 2, 3, 4, 5})
      EXPECT_EQ(st.object(x, 1).ValueC, x == 0 ? 1 : x == 5 ? 0 : opened + 3);
  }
  // A goods-track group without a number; its position fields are never written.
  const EditorSubject goods = cellSubject(st, 8, 1);
  EditorData d = loadEditor(st, goods);
  EXPECT_EQ(shown(d), "8 @ 106 107 108 00 txt8Numer=0");
  d.value(NumericId::txt8Numer) = 3;
  storeEditor(st, goods, d);
  for (int x = 6; x <= 8; ++x)
    EXPECT_EQ(st.object(x, 1).ValueC * 10 + st.object(x, 1).ValueB, 25 + x);
}

TEST_F(Editor, EntriesAndExitsLoadAndStoreTheirFields) {
  // (0, 1): 51 with its track to the east is an entry on the left, numbered 1 by the digit.
  EXPECT_EQ(shown(loadEditor(st, cellSubject(st, 0, 1))),
            "1 @ 100 11 txt1Numer=1 txt1Czas=0 txt1Wyprz=0");
  // (10, 1): 50 with its track to the west is an entry too; make it an exit with a lead time.
  const EditorSubject exit = cellSubject(st, 10, 1);
  EditorData d = loadEditor(st, exit);
  d.direction = 2;
  d.side = 2;
  d.value(NumericId::txt1Czas) = 3;
  d.value(NumericId::txt1Wyprz) = 12;  // stored, though an exit's lead time is never written
  storeEditor(st, exit, d);
  const ObjectRec& o = st.object(10, 1);
  EXPECT_EQ(std::vector<int>({o.Direction, o.Side, o.ValueA, o.ValueB, o.ValueC}),
            std::vector<int>({2, 2, 3, 12, 2}));

  // A stored value the field would refuse leaves the field at its initial value.
  st.object(0, 3).ValueC = 12;
  st.object(0, 3).ValueA = 42;
  EXPECT_EQ(shown(loadEditor(st, cellSubject(st, 0, 3))),
            "2 @ 300 01 txt2Numer=1 txt2Wyprz=0 txt2CzasMij=0 txt2CzasZwoln=42");
}

TEST_F(Editor, StoppingPointsStoreNothingAndTheStationPageHasTheTotals) {
  EXPECT_EQ(shown(loadEditor(st, cellSubject(st, 2, 3))), "4 @ 302 00 txt4Pojem=10");
  // Stopping points have nothing to store, even with another page's fields changed.
  for (int x : {6, 8}) {
    const EditorSubject s = cellSubject(st, x, 3);
    EditorData d = loadEditor(st, s);
    EXPECT_EQ(shown(d), std::string(x == 6 ? "5" : "6") + " @ 30" + std::to_string(x) + " 00");
    d.value(NumericId::txt4Pojem) = 3;
    const ObjectRec before = st.object(x, 3);
    storeEditor(st, s, d);
    EXPECT_EQ(st.object(x, 3).ValueE, before.ValueE);
  }

  EditorData d = loadEditor(st, stationSubject());
  ASSERT_EQ(d.page, EditorPage::Station);
  // Linked objects outside groups (2 entries, entry-exit, sidings, shed, 2 stopping points)
  // and the first cells of the two groups; sidings hold 10 each.
  EXPECT_EQ(d.totals.ObjectCount, 9);
  EXPECT_EQ(d.totals.SidingPlaces, 10);

  // Track cells and digits outside groups open no page and store nothing.
  std::string pages;
  for (const auto& [x, y] : {std::pair{1, 1}, {0, 2}, {3, 1}, {7, 1}})
    pages += std::to_string(static_cast<int>(editorPageOf(st, cellSubject(st, x, y))));
  EXPECT_EQ(pages, "0038");
}

// Whatever the data, the items named are missing exactly when the save asks for the object.
TEST_F(Editor, MissingDataNamesWhatTheSaveWaitsFor) {
  const auto agree = [&](const char* when) {
    for (int y = 0; y < st.RowCount(); ++y)
      for (int x = 0; x < st.ColCount(); ++x)
        EXPECT_EQ(missingObjectData(st, x, y).any(), objectDataMissing(st, x, y))
            << when << " at " << x << "," << y;
  };
  agree("prepared");
  // The entry on the left: its number, direction and side come from the preparation.
  const MissingData entry = missingObjectData(st, 0, 1);
  EXPECT_FALSE(entry.direction || entry.side);
  EXPECT_EQ(entry.fields, (std::vector<NumericId>{NumericId::txt1Czas, NumericId::txt1Wyprz}));
  EXPECT_EQ(missingObjectData(st, 0, 3).fields.size(), 3u);  // the entry-exit, numbered 1
  EXPECT_EQ(missingObjectData(st, 4, 3).fields.size(), 4u);  // the shed

  st.object(0, 1).ValueA = 5;
  st.object(0, 1).Direction = 2;  // an exit needs no lead time
  st.object(0, 3).Side = 0;
  st.object(4, 3).ValueD = 30;
  st.object(2, 1).ValueC = 0;
  agree("changed");
  EXPECT_FALSE(missingObjectData(st, 0, 1).any());
  EXPECT_TRUE(missingObjectData(st, 0, 3).side);
  EXPECT_FALSE(missingObjectData(st, 4, 3).any());
  EXPECT_EQ(missingObjectData(st, 2, 1).fields, std::vector<NumericId>{NumericId::txt3Numer});

  // Each value of the entry-exit missing alone is named alone, and the save waits for it.
  using enum NumericId;
  for (const auto& [value, id] : {std::pair{&ObjectRec::ValueA, txt2CzasZwoln},
                                  {&ObjectRec::ValueB, txt2Wyprz},
                                  {&ObjectRec::ValueC, txt2Numer},
                                  {&ObjectRec::ValueD, txt2CzasMij}}) {
    ObjectRec& o = st.object(0, 3);
    o.Side = 1, o.ValueA = 4, o.ValueB = 15, o.ValueC = 3, o.ValueD = 7;
    o.*value = 0;
    EXPECT_EQ(missingObjectData(st, 0, 3).fields, std::vector<NumericId>{id});
    EXPECT_TRUE(objectDataMissing(st, 0, 3));
  }
}

}  // namespace
}  // namespace szl
