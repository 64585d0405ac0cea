// Windows: paths go to the system as UTF-16, converted from the program's UTF-8; the system's
// error codes become the errno values the texts know.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "platform/system.h"

namespace szl::sys {

namespace {

bool widen(std::string_view utf8, std::wstring& out) {
  out.clear();
  if (utf8.empty()) return true;
  const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                      static_cast<int>(utf8.size()), nullptr, 0);
  if (n <= 0) return false;
  out.resize(static_cast<size_t>(n));
  return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                               static_cast<int>(utf8.size()), out.data(), n) == n;
}

std::string narrow(const wchar_t* wide) {
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, out.data(), n, nullptr, nullptr);
  out.pop_back();  // the terminating zero
  return out;
}

int errnoOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      return ENOTDIR;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
      return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_PARAMETER:
      return EINVAL;
    case ERROR_TOO_MANY_OPEN_FILES:
      return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SEEK:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
      return EIO;
    case ERROR_FILE_TOO_LARGE:
      return EFBIG;
    default:
      return kNativeError + static_cast<int>(code);
  }
}

int lastWindowsError() { return errnoOf(::GetLastError()); }

bool isFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

// A drive's colon ends the folder part too: "C:stacja.stc" lies in drive C's current folder.
bool isPathSeparator(char c) { return c == '/' || c == '\\' || c == ':'; }

bool isPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("<>:\"/\\|?*").find(c) != name.npos)
      return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  // Device names stay devices whatever extension follows them.
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  std::transform(stem.begin(), stem.end(), stem.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
      stem == "CONOUT$")
    return false;
  if (stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
      stem[3] <= '9')
    return false;
  return true;
}

int openToRead(const std::string& path, std::ifstream& in) {
  std::wstring wide;
  if (!widen(path, wide)) return EINVAL;
  // Opened once to see what it is: a folder (opened only with backup semantics), a pipe or a
  // device such as CON is refused before the stream reads from it.
  const HANDLE h = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return lastWindowsError();
  BY_HANDLE_FILE_INFORMATION info{};
  const bool folder =
      ::GetFileInformationByHandle(h, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  const DWORD type = ::GetFileType(h);
  ::CloseHandle(h);
  if (folder) return EISDIR;
  if (type != FILE_TYPE_DISK) return kNotRegularFile;
  errno = 0;
  in.open(std::filesystem::path(wide), std::ios::binary);
  if (in) return 0;
  return errno != 0 ? errno : EIO;
}

std::FILE* openFile(const std::string& path, const char* mode) {
  std::wstring wide;
  std::wstring wideMode;
  if (!widen(path, wide) || !widen(mode, wideMode)) {
    errno = EINVAL;
    return nullptr;
  }
  // The C library says only "access denied" of a folder.
  if (isFolder(wide)) {
    errno = EISDIR;
    return nullptr;
  }
  return ::_wfopen(wide.c_str(), wideMode.c_str());
}

int lastError() { return errno; }

int writeNewFile(const std::string& path, std::string_view bytes, const std::string& like) {
  // A new file takes its folder's permissions on Windows, as any file saved there would.
  (void)like;
  std::wstring wide;
  if (!widen(path, wide)) return EINVAL;
  const HANDLE h = ::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return lastWindowsError();
  int err = 0;
  while (!err && !bytes.empty()) {
    const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(h, bytes.data(), chunk, &written, nullptr) || written == 0)
      err = lastWindowsError();
    else
      bytes.remove_prefix(written);
  }
  if (!err && !::FlushFileBuffers(h)) err = lastWindowsError();
  if (!::CloseHandle(h) && !err) err = lastWindowsError();
  if (err) ::DeleteFileW(wide.c_str());
  return err;
}

int replaceFile(const std::string& from, const std::string& to) {
  std::wstring wideFrom;
  std::wstring wideTo;
  if (!widen(from, wideFrom) || !widen(to, wideTo)) return EINVAL;
  // Write-through: the move is on the disk before the call returns.
  if (::MoveFileExW(wideFrom.c_str(), wideTo.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  return lastWindowsError();
}

bool localTime(std::time_t t, std::tm& out) { return ::localtime_s(&out, &t) == 0; }
bool utcTime(std::time_t t, std::tm& out) { return ::gmtime_s(&out, &t) == 0; }

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!wide) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> args;
  for (int i = 0; i < count; ++i) args.push_back(narrow(wide[i]));
  ::LocalFree(wide);
  return args;
}

namespace {
UINT consoleCodePage = 0;
void restoreConsole() { ::SetConsoleOutputCP(consoleCodePage); }
}  // namespace

void ignoreFileSizeLimitSignal() {}  // Windows has no such signal

void prepareStandardStreams() {
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
  // The console keeps its code page after the program: it gets its own back.
  consoleCodePage = ::GetConsoleOutputCP();
  if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
    std::atexit(restoreConsole);
}

}  // namespace szl::sys
