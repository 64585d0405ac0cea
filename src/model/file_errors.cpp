#include "model/file_errors.h"

#include <cerrno>
#include <cstring>

namespace szl {

namespace {
std::string systemText(int err) { return std::string("błąd systemu (") + std::strerror(err) + ")."; }
}  // namespace

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
