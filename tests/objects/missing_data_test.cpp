#include "objects/missing_data.h"

#include <gtest/gtest.h>

#include "model/preparation.h"
#include "objects/object_data.h"
#include "support/test_support.h"

namespace szl {
namespace {

// Whatever the data, the items named are missing exactly when the save asks for the object.
TEST(MissingData, NamesWhatTheSaveWaitsFor) {
  Station st = test::stationFromRows({
      "0 0 0 0 0 0 0 0 0 0 0",
      "51 10 21 7 21 10 53 53 53 10 50",
      "1 0 0 0 0 0 0 0 0 0 2",
      "52 10 22 10 48 10 21 10 530 10 0",
  });
  PrzygotujStacje(st, {});
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
}

}  // namespace
}  // namespace szl
