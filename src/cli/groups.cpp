#include <iostream>

#include "cli/commands.h"

namespace szl::cli {

int groups(const Args&) {
  std::cerr << "szlakownik-cli groups: not built yet\n";
  return 2;
}

}  // namespace szl::cli
