// The seventeen settings of the search options, with their defaults. One value owned by the
// front end and passed to the preparation, the search, the selector and the writer.
#pragma once

#include <string>

#include "model/preparation.h"

namespace szl {

enum class Electrification { Yes, No, All };   // optElektrYes, optElektrNo, optElektrAll
enum class Direction { OneWay, TwoWay, All };  // optKier1, optKier2, optKierAll
enum class TrackStyle { Lines, Points };       // optToryLin, optToryPkt

struct SearchOptions {
  std::string routeFileBase = "trasy";  // txtOutFile
  Electrification electrification = Electrification::All;
  Direction direction = Direction::All;
  bool platformRule = true;   // chkWyjPeron
  bool allowRepeats = false;  // chkMulti
  bool allowLong = false;     // chk59
  TrackStyle trackStyle = TrackStyle::Lines;
  PassageSwitches passages;  // chkObiekt, chkPeron, chkSzopa, chkTory, chkWyjazd

  bool operator==(const SearchOptions&) const = default;
};

}  // namespace szl
