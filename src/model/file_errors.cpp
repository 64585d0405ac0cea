#include "model/file_errors.h"

#include <cerrno>

#include "platform/system.h"

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
    case sys::kNotRegularFile:
      return "to nie jest zwykły plik (na przykład potok albo urządzenie).";
    default:
      if (err >= sys::kNativeError)
        return "błąd systemu numer " + std::to_string(err - sys::kNativeError) + ".";
      return "błąd systemu numer " + std::to_string(err) + ".";
  }
}
}  // namespace

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
      return "brak miejsca na dysku.";
    case EROFS:
      return "dysk jest tylko do odczytu.";
    default:
      return systemText(err);
  }
}

}  // namespace szl
