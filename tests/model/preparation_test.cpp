#include <gtest/gtest.h>

#include "model/preparation.h"
#include "support/test_support.h"

namespace szl {
namespace {

using test::stationFromRows;

TEST(Preparation, PlatformBetweenTwoTracks) {
  Station st = stationFromRows({"10 21 4 21 10"});
  PrzygotujStacje(st, {});
  for (int x = 1; x <= 3; ++x) {
    EXPECT_EQ(st.cell(x, 0).InObject, 1);
    EXPECT_EQ(st.cell(x, 0).Linked, 1);
    EXPECT_EQ(st.cell(x, 0).Electrified, 1);
    EXPECT_EQ(st.cell(x, 0).Passable, 1);
    EXPECT_EQ(st.object(x, 0).ValueC, 4);
    EXPECT_EQ(st.object(x, 0).ValueB, x);
  }
  EXPECT_EQ(st.link(1, 0, 4), kLink);
  EXPECT_EQ(st.link(3, 0, 5), kLink);
  EXPECT_EQ(st.link(1, 0, 5), kInternalLink);
  EXPECT_EQ(st.link(2, 0, 4), kInternalLink);
  EXPECT_EQ(st.link(2, 0, 5), kInternalLink);
  EXPECT_EQ(st.link(3, 0, 4), kInternalLink);
  EXPECT_EQ(st.LinkCount, 2);
  // A second analysis makes the same links again and counts them anew.
  PrzygotujStacje(st, {});
  EXPECT_EQ(st.LinkCount, 2);
}

TEST(Preparation, ThreeCellObjectVariants) {
  Station nonElectric = stationFromRows({"10 210 4 210 10"});
  PrzygotujStacje(nonElectric, {});
  for (int x = 1; x <= 3; ++x) EXPECT_EQ(nonElectric.cell(x, 0).Electrified, 0);

  Station noDigit = stationFromRows({"21 21 21"});
  PrzygotujStacje(noDigit, {});
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(noDigit.cell(x, 0).InObject, 1);
    EXPECT_EQ(noDigit.object(x, 0).ValueC, 0);
  }

  Station mixed = stationFromRows({"21 5 210"});
  PrzygotujStacje(mixed, {});
  EXPECT_EQ(mixed.cell(0, 0).InObject, 0);
  EXPECT_EQ(mixed.cell(2, 0).InObject, 0);

  // A later triple overwrites the cells it shares with an earlier one.
  Station run = stationFromRows({"21 21 21 21 21"});
  PrzygotujStacje(run, {});
  const int expected[] = {1, 1, 1, 2, 3};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(run.object(x, 0).ValueB, expected[x]);

  PassageSwitches noPlatforms;
  noPlatforms.throughPlatforms = false;
  Station closed = stationFromRows({"10 21 4 21 10"});
  PrzygotujStacje(closed, noPlatforms);
  EXPECT_EQ(closed.cell(2, 0).Passable, 0);
  EXPECT_EQ(closed.link(1, 0, 5), kNoLink);
  EXPECT_EQ(closed.link(2, 0, 4), kNoLink);
}

TEST(Preparation, EntriesAndExits) {
  // 50 with its track on the east side: an exit, not linked.
  Station exit = stationFromRows({"50 10"});
  PrzygotujStacje(exit, {});
  EXPECT_EQ(exit.link(0, 0, 5), kNoLink);
  EXPECT_EQ(exit.object(0, 0).Direction, 2);
  EXPECT_EQ(exit.object(0, 0).Side, 1);
  EXPECT_EQ(exit.cell(0, 0).Linked, 1);
  EXPECT_EQ(exit.cell(0, 0).TwoWay, 0);
  EXPECT_EQ(exit.LinkCount, 0);

  // 50 with its track on the west side: an entry, linked.
  Station entry = stationFromRows({"10 50"});
  PrzygotujStacje(entry, {});
  EXPECT_EQ(entry.link(1, 0, 4), kLink);
  EXPECT_EQ(entry.object(1, 0).Direction, 1);
  EXPECT_EQ(entry.object(1, 0).Side, 2);
  EXPECT_EQ(entry.cell(1, 0).Passable, 1);

  // 51 mirrors 50.
  Station e51 = stationFromRows({"51 10"});
  PrzygotujStacje(e51, {});
  EXPECT_EQ(e51.link(0, 0, 5), kLink);
  EXPECT_EQ(e51.object(0, 0).Direction, 1);
  EXPECT_EQ(e51.object(0, 0).Side, 1);

  // Entry-exit 52 with a digit 7 below it, tracks both sides.
  Station ee = stationFromRows({"10 52 10", " 0  7  0"});
  PrzygotujStacje(ee, {});
  EXPECT_EQ(ee.object(1, 0).ValueC, 7);
  EXPECT_EQ(ee.cell(1, 0).TwoWay, 1);
  EXPECT_EQ(ee.LinkCount, 2);
  EXPECT_EQ(ee.object(1, 0).Side, 1);  // the east side is examined last

  PassageSwitches noExits;
  noExits.throughExits = false;
  Station closed = stationFromRows({"10 50"});
  PrzygotujStacje(closed, noExits);
  EXPECT_EQ(closed.cell(1, 0).Passable, 0);

  // A non-electrified entry stays non-electrified.
  Station green = stationFromRows({"100 500"});
  PrzygotujStacje(green, {});
  EXPECT_EQ(green.cell(1, 0).Electrified, 0);
}

TEST(Preparation, SingleObjects) {
  PassageSwitches sw;  // shed closed by default
  Station shed = stationFromRows({"10 48 10"});
  PrzygotujStacje(shed, sw);
  EXPECT_EQ(shed.cell(1, 0).Passable, 0);
  EXPECT_EQ(shed.cell(1, 0).Linked, 1);
  EXPECT_EQ(shed.LinkCount, 2);
  sw.throughShed = true;
  PrzygotujStacje(shed, sw);
  EXPECT_EQ(shed.cell(1, 0).Passable, 1);

  Station sidings = stationFromRows({"10 22"});
  PrzygotujStacje(sidings, {});
  EXPECT_EQ(sidings.object(1, 0).ValueE, 10);
  EXPECT_EQ(sidings.cell(1, 0).Passable, 0);

  // A stopping point under a vertical track: the track's port 7 faces its port 2.
  Station stop = stationFromRows({"49", "21"});
  PrzygotujStacje(stop, {});
  EXPECT_EQ(stop.link(0, 1, 2), kLink);
  EXPECT_EQ(stop.cell(0, 1).Linked, 1);
  EXPECT_EQ(stop.LinkCount, 1);

  // A lonely stopping point links nothing and cannot start a route.
  Station lonely = stationFromRows({"21 0 10"});
  PrzygotujStacje(lonely, {});
  EXPECT_EQ(lonely.cell(0, 0).Linked, 0);

  PassageSwitches none;
  none.throughObjects = false;
  Station closed = stationFromRows({"10 21 10"});
  PrzygotujStacje(closed, none);
  EXPECT_EQ(closed.cell(1, 0).Passable, 0);
}

TEST(Preparation, TrackCellsWhenLoaded) {
  Station st = stationFromRows({"230 67 2100"});
  EXPECT_EQ(st.cell(0, 0).Electrified, 0);
  EXPECT_EQ(st.cell(0, 0).TwoWay, 1);
  EXPECT_EQ(st.cell(0, 0).Passable, 1);
  EXPECT_EQ(st.link(0, 0, 1), kLink);
  EXPECT_EQ(st.link(0, 0, 8), kLink);
  // Unknown codes are kept and take no part.
  EXPECT_EQ(st.cell(1, 0).Code, 67);
  EXPECT_EQ(st.cell(2, 0).Code, 2100);
  for (int p = 1; p <= 8; ++p) EXPECT_EQ(st.link(1, 0, p), kNoLink);
  EXPECT_EQ(st.cell(1, 0).Passable, 0);
}

}  // namespace
}  // namespace szl
