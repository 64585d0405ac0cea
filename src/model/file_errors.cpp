#include "model/file_errors.h"

#include <cerrno>
#include <filesystem>

namespace szl {

namespace {
// The system's own texts are English; the author reads Polish.
std::string systemText(int err) {
  switch (err) {
    case EIO:
      return "błąd odczytu lub zapisu urządzenia.";
    case ENAMETOOLONG:
      return "nazwa pliku jest za długa.";
    case ELOOP:
      return "za dużo dowiązań symbolicznych w ścieżce.";
    case EMFILE:
    case ENFILE:
      return "otwarto za dużo plików naraz.";
    case ENOMEM:
      return "zabrakło pamięci.";
    case EBUSY:
    case ETXTBSY:
      return "plik jest używany przez inny program.";
    case ENXIO:
    case ENODEV:
      return "urządzenie nie istnieje.";
    case EFBIG:
      return "plik przekroczył największy rozmiar dozwolony w systemie.";
    case EINVAL:
      return "system nie przyjmuje tej nazwy lub operacji.";
    case kNotRegularFile:
      return "to nie jest zwykły plik (na przykład potok albo urządzenie).";
    default:
      return "błąd systemu numer " + std::to_string(err) + ".";
  }
}
}  // namespace

int openToRead(const std::string& path, std::ifstream& in) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (std::filesystem::is_directory(status)) return EISDIR;
  // A pipe blocks the opening itself: it is refused before it is opened.
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    return kNotRegularFile;
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
    case ENOTDIR:
      return "taki katalog nie istnieje.";
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
