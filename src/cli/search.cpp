#include <iostream>

#include "cli/commands.h"

namespace szl::cli {

int search(const Args&) {
  std::cerr << "szlakownik-cli search: not built yet\n";
  return 2;
}

}  // namespace szl::cli
