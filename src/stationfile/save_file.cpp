#include "stationfile/save_file.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <random>

#include "platform/system.h"

namespace szl {

namespace {

size_t nameStart(const std::string& path) {
  for (size_t i = path.size(); i > 0; --i)
    if (sys::isPathSeparator(path[i - 1])) return i;
  return 0;
}

// Sets this process's temporary names apart from another's saving into the same folder.
unsigned processTag() {
  static const unsigned tag = std::random_device{}();
  return tag;
}

}  // namespace

int saveFileAtomically(const std::string& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  const size_t start = nameStart(path);
  const std::string folder = path.substr(0, start);
  const std::string name = path.substr(start);
  if (name.empty()) return EISDIR;
  std::error_code ec;
  if (std::filesystem::is_directory(sys::fsPath(path), ec)) return EISDIR;

  std::string temp;
  int err = EEXIST;
  for (int attempt = 0; attempt < 100 && err == EEXIST; ++attempt) {
    temp = folder + "." + name + ".tmp-" + std::to_string(processTag()) + "-" +
           std::to_string(counter++);
    err = sys::writeNewFile(temp, bytes, path);
  }
  if (err) return err;
  err = sys::replaceFile(temp, path);
  if (err) std::filesystem::remove(sys::fsPath(temp), ec);
  return err;
}

}  // namespace szl
