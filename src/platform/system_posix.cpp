// Linux and other POSIX systems: paths are bytes, and the system speaks UTF-8 already.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "platform/system.h"

namespace szl::sys {

bool isPathSeparator(char c) { return c == '/'; }

bool isPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

int openToRead(const std::string& path, std::ifstream& in) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    // A pipe blocks the opening itself: it is refused before it is opened.
    if (!S_ISREG(st.st_mode)) return kNotRegularFile;
  }
  errno = 0;
  in.open(path, std::ios::binary);
  if (in) return 0;
  return errno != 0 ? lastError() : EIO;
}

std::FILE* openFile(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

int lastError() {
  // A full quota is a full disk to the author.
  return errno == EDQUOT ? ENOSPC : errno;
}

namespace {
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

int writeNewFile(const std::string& path, std::string_view bytes, const std::string& like) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return lastError();
  int err = 0;
  if (!writeAll(fd, bytes)) err = lastError();
  // The replaced file's permissions carry over to the new one.
  struct stat old {};
  if (!err && ::stat(like.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
    err = lastError();
  if (!err && ::fsync(fd) != 0) err = lastError();
  if (::close(fd) != 0 && !err) err = lastError();
  if (err) ::unlink(path.c_str());
  return err;
}

int replaceFile(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
}

bool localTime(std::time_t t, std::tm& out) { return ::localtime_r(&t, &out) != nullptr; }
bool utcTime(std::time_t t, std::tm& out) { return ::gmtime_r(&t, &out) != nullptr; }

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void prepareStandardStreams() {}

void ignoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace szl::sys
