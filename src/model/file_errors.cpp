#include "model/file_errors.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace szl {

namespace {
std::string systemText(int err) { return std::string("błąd systemu (") + std::strerror(err) + ")."; }
}  // namespace

int openToRead(const std::string& path, std::ifstream& in) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return EISDIR;
  errno = 0;
  in.open(path, std::ios::binary);
  if (in) return 0;
  return errno != 0 ? errno : EIO;
}

std::string readFailureReason(int err) {
  switch (err) {
    case EISDIR:
      return "to jest katalog, a nie plik.";
    case ENOENT:
      return "taki plik nie istnieje.";
    case EACCES:
    case EPERM:
      return "brak uprawnień do odczytu.";
    default:
      return systemText(err);
  }
}

std::string writeFailureReason(int err) {
  switch (err) {
    case ENOTDIR:
    case ENOENT:
      return "taki katalog nie istnieje.";
    case EISDIR:
      return "pod tą nazwą jest katalog.";
    case EACCES:
    case EPERM:
      return "brak uprawnień do zapisu.";
    case ENOSPC:
    case EDQUOT:
      return "brak miejsca na dysku.";
    case EROFS:
      return "dysk jest tylko do odczytu.";
    default:
      return systemText(err);
  }
}

}  // namespace szl
