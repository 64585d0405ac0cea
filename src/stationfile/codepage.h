// Text for the simulator's Polish Windows systems: Windows-1250 rather than UTF-8, so that the
// comment and signature keep their Polish letters there. One table serves both directions on
// every platform.
#pragma once

#include <string>
#include <string_view>

namespace szl {

struct CodePageText {
  std::string bytes;
  int replaced = 0;  // characters the code page lacks (or broken UTF-8), written as "?"
  bool ok = true;    // kept for callers; the table never fails
};

CodePageText toWindows1250(std::string_view utf8);

// Windows-1250 bytes as UTF-8. The five bytes the code page leaves undefined become U+FFFD.
std::string fromWindows1250(std::string_view bytes);

}  // namespace szl
