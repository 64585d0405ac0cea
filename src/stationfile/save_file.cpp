#include "stationfile/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace szl {

namespace {

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

int saveFileAtomically(const std::string& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  const std::string name = nameOf(path);
  if (name.empty()) return EISDIR;
  struct stat old {};
  const bool existed = ::stat(path.c_str(), &old) == 0;
  if (existed && S_ISDIR(old.st_mode)) return EISDIR;

  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = folderOf(path) + "." + name + ".tmp-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return errno;
  }
  if (fd < 0) return EEXIST;

  int err = 0;
  if (!writeAll(fd, bytes)) err = errno;
  // The replaced file's permissions carry over to the new one.
  if (!err && existed && ::fchmod(fd, old.st_mode & 07777) != 0) err = errno;
  if (!err && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && !err) err = errno;
  if (!err && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
  if (err) ::unlink(temp.c_str());
  return err;
}

}  // namespace szl
