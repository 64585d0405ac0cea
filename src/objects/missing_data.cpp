#include "objects/missing_data.h"

#include "objects/object_class.h"
#include "objects/object_data.h"

namespace szl {

MissingData missingObjectData(const Station& st, int x, int y) {
  MissingData m;
  if (!st.inside(x, y)) return m;
  const CellRec& c = st.cell(x, y);
  const ObjectRec& r = st.object(x, y);
  const auto zero = [&m](int value, NumericId id) {
    if (value == 0) m.fields.push_back(id);
  };
  switch (objectClass(c.Code, c.InObject)) {
    case ObjectClass::EntryOrExit:
      m.direction = r.Direction == 0;
      m.side = r.Side == 0;
      zero(r.ValueC, NumericId::txt1Numer);
      zero(r.ValueA, NumericId::txt1Czas);
      if (r.Direction == 1) zero(r.ValueB, NumericId::txt1Wyprz);
      break;
    case ObjectClass::EntryExit:
      m.side = r.Side == 0;
      zero(r.ValueC, NumericId::txt2Numer);
      zero(r.ValueA, NumericId::txt2CzasZwoln);
      zero(r.ValueB, NumericId::txt2Wyprz);
      zero(r.ValueD, NumericId::txt2CzasMij);
      break;
    case ObjectClass::Shed:
      // A shed counts as filled once any of its four values is set.
      if (r.ValueA == 0 && r.ValueC == 0 && r.ValueD == 0 && r.ValueE == 0)
        m.fields = {NumericId::txt7CzasZam, NumericId::txt7CzasNapr, NumericId::txt7Napr,
                    NumericId::txt7Pojem};
      break;
    case ObjectClass::Sidings:
      zero(r.ValueE, NumericId::txt4Pojem);
      break;
    case ObjectClass::Platform:
      if (r.ValueB == 1) zero(r.ValueC, NumericId::txt3Numer);
      break;
    case ObjectClass::GoodsTracks:
      if (r.ValueB == 1) zero(r.ValueC, NumericId::txt8Numer);
      break;
    default:
      break;
  }
  return m;
}

bool batchDataMissing(const Station& st, int x, int y) {
  if (!st.inside(x, y)) return false;
  const CellRec& c = st.cell(x, y);
  if (c.Linked != 1 || st.object(x, y).AuthorData) return false;
  if (objectClass(c.Code, c.InObject) == ObjectClass::GoodsTracks) return false;
  return objectDataMissing(st, x, y);
}

}  // namespace szl
