// The eight kinds of station objects. One rule, by cell code and InObject, shared by the object
// data editor, the station file writer, the route selector's class flags and the view's tooltip.
#pragma once

#include <cstdint>

#include "model/station.h"

namespace szl {

// In the order of the route table's class flags; the value is the flag's index.
enum class ObjectClass : int8_t {
  EntryOrExit,        // 50, 51: an entry or an exit, depending on its side
  EntryExit,          // 52: usable both ways
  Platform,           // 21 in a three-cell group
  Sidings,            // 22
  StoppingPoint,      // 21 alone
  LocoStoppingPoint,  // 53 alone
  Shed,               // 48
  GoodsTracks,        // 53 in a three-cell group
  None,
};

inline constexpr int kObjectClassCount = 8;

// Codes are tested in the order 21, 22, 48, 50/51, 52, 53, each with its non-electrified form.
constexpr ObjectClass objectClass(int code, int inObject) {
  switch (code) {
    case 21:
    case 210:
      return inObject == 1 ? ObjectClass::Platform : ObjectClass::StoppingPoint;
    case 22:
    case 220:
      return ObjectClass::Sidings;
    case 48:
    case 480:
      return ObjectClass::Shed;
    case 50:
    case 51:
    case 500:
    case 510:
      return ObjectClass::EntryOrExit;
    case 52:
    case 520:
      return ObjectClass::EntryExit;
    case 53:
    case 530:
      return inObject == 1 ? ObjectClass::GoodsTracks : ObjectClass::LocoStoppingPoint;
    default:
      return ObjectClass::None;
  }
}

inline ObjectClass objectClassAt(const Station& st, int x, int y) {
  const CellRec& c = st.cell(x, y);
  return objectClass(c.Code, c.InObject);
}

constexpr bool isGroupClass(ObjectClass c) {
  return c == ObjectClass::Platform || c == ObjectClass::GoodsTracks;
}

// The object's name as the author reads it after a point number: "Peron", "Wjazd / wyjazd"...
// Empty for ObjectClass::None.
const char* objectClassName(ObjectClass c);

}  // namespace szl
