#include "objects/object_class.h"

namespace szl {

const char* objectClassName(ObjectClass c) {
  switch (c) {
    case ObjectClass::EntryOrExit:
      return "Wjazd / wyjazd";
    case ObjectClass::EntryExit:
      return "Wjazd-wyjazd";
    case ObjectClass::Platform:
      return "Peron";
    case ObjectClass::Sidings:
      return "Tory postojowe";
    case ObjectClass::StoppingPoint:
      return "Punkt postojowy";
    case ObjectClass::LocoStoppingPoint:
      return "Punkt postojowy dla lokomotyw";
    case ObjectClass::Shed:
      return "Lokomotywownia";
    case ObjectClass::GoodsTracks:
      return "Tory towarowe";
    case ObjectClass::None:
      break;
  }
  return "";
}

}  // namespace szl
