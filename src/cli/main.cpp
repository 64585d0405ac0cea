// szlakownik-cli: the window's work without the window, for scripts and tests.
#include <cstring>
#include <iostream>

#include "cli/commands.h"

namespace {
int usage() {
  std::cerr << "Użycie: szlakownik-cli info|search|groups|save STACJA.stc [opcje]\n";
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  szl::cli::Args args(argv + 2, argv + argc);
  const std::string cmd = argv[1];
  if (cmd == "info") return szl::cli::info(args);
  if (cmd == "search") return szl::cli::search(args);
  if (cmd == "groups") return szl::cli::groups(args);
  if (cmd == "save") return szl::cli::save(args);
  return usage();
}
