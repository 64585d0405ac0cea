#include "stationfile/save_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
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

// What a save killed half-way left in the folder: our own temporary names for this file, not
// touched for a while (a save going on now in another window keeps its own).
void removeStaleTemporaries(const std::string& folder, const std::string& name) {
  namespace fs = std::filesystem;
  const std::string prefix = "." + name + ".tmp-";
  const auto ours = [&](const std::string& f) {
    if (!f.starts_with(prefix)) return false;
    const std::string tag = f.substr(prefix.size());
    const size_t dash = tag.find('-');
    return dash != std::string::npos && dash > 0 && dash + 1 < tag.size() &&
           tag.find_first_not_of("0123456789-") == std::string::npos &&
           tag.find('-', dash + 1) == std::string::npos;
  };
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(sys::fsPath(folder.empty() ? "." : folder), ec), end;
       !ec && it != end; it.increment(ec)) {
    if (!ours(sys::utf8Path(it->path().filename()))) continue;
    std::error_code e;
    if (it->is_regular_file(e) && now - it->last_write_time(e) > std::chrono::minutes(10))
      fs::remove(it->path(), e);
  }
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
  if (!err) removeStaleTemporaries(folder, name);
  return err;
}

}  // namespace szl
