// Text for the simulator's Polish Windows systems: Windows-1250 rather than UTF-8, so that the
// comment and signature keep their Polish letters there.
#pragma once

#include <string>
#include <string_view>

namespace szl {

struct CodePageText {
  std::string bytes;
  int replaced = 0;  // characters the code page lacks (or broken UTF-8), written as "?"
  bool ok = true;    // false when the system cannot convert to Windows-1250 at all
};

CodePageText toWindows1250(std::string_view utf8);

}  // namespace szl
