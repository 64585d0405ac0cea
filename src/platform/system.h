// What differs between operating systems, behind one interface. Exactly one of
// system_posix.cpp and system_windows.cpp is built; everything else is standard C++.
//
// Paths are UTF-8 strings everywhere in the program. Errors are errno values of <cerrno>
// (what the texts in model/file_errors.h know), kNotRegularFile, or a system's own code the
// texts do not know plus kNativeError.
#pragma once

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace szl::sys {

// Something other than a regular file: a pipe would keep the program waiting, a device could
// feed it without end or swallow what is written.
inline constexpr int kNotRegularFile = -1;
// A system error code without an errno counterpart, added to this.
inline constexpr int kNativeError = 0x10000;

// A UTF-8 path as the standard library's path, and back. A plain std::string would be taken
// in the ANSI code page on Windows.
inline std::filesystem::path fsPath(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string utf8Path(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

// What ends the folder part of a path: '/' everywhere, '\\' and a drive's ':' too on Windows.
bool isPathSeparator(char c);

// True when `name` names a file in a folder on this system, and only that: not empty, not "."
// or "..", no separator; on Windows none of the characters it refuses in names, no trailing dot
// or blank, and not a device (CON, NUL, COM1 ...).
bool isPlainFileName(std::string_view name);

// Opens `path` to read it as bytes: 0, or why not (EISDIR for a folder, kNotRegularFile for
// a pipe or a device).
int openToRead(const std::string& path, std::ifstream& in);

// std::fopen by a UTF-8 path; nullptr with errno set when it fails.
std::FILE* openFile(const std::string& path, const char* mode);

// errno after a failed call of the C library, as the texts know it.
int lastError();

// Creates `path`, which must not exist yet (EEXIST when it does), writes `bytes` to it and
// waits until they are on the disk. The new file takes the permissions of `like` when that
// exists. 0, or why not; a failed file is removed.
int writeNewFile(const std::string& path, std::string_view bytes, const std::string& like);

// Puts the file `from` in the place of `to` in one step, replacing what was there. 0, or why
// not; then both files are as they were.
int replaceFile(const std::string& from, const std::string& to);

// The broken-down time of `t` in the system's time zone, or in UTC; false when it cannot tell.
bool localTime(std::time_t t, std::tm& out);
bool utcTime(std::time_t t, std::tm& out);

// The program's arguments as UTF-8: Windows hands main() its ANSI code page.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Standard output and error take UTF-8 and write "\n" as it is, so that a console shows the
// Polish letters and redirected output has the same bytes on every system.
void prepareStandardStreams();

// A process limit on file size fails the write that passes it (EFBIG), which the program reports
// and cuts back to whole lines, instead of killing the program in the middle of a line.
void ignoreFileSizeLimitSignal();

}  // namespace szl::sys
