// The route file: one line per route, "two-way,electrified,point,...,point,0," and CR LF, in
// the station's folder under the name chosen in the options.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "search/search_host.h"

namespace szl {

// True when `base` + ".txt" names a file in the station's folder and nothing else: not empty,
// not "." or "..", no path separator, and what else the system refuses in a file name.
bool isRouteFileBase(const std::string& base);

// StationDir + base + ".txt".
std::string routeFilePath(const std::string& stationDir, const std::string& base);

// The largest route file a search writes. The densest station we know, searched with every
// option at its most permissive, writes 1.5 MB; a file 40 times that is a grid of crossovers
// whose routes multiply without end, which the selector could take but nobody could choose
// from. The selector reads a file of this size in about a second.
inline constexpr long long kRouteFileLimit = 64LL << 20;

// Writes route lines through one buffer. The file only ever holds whole lines: a line that
// would take it past kRouteFileLimit is not written (full()), and after a failed write (kept
// as errno, reported once by the caller, every later write skipped) the file is cut back to
// the last line that reached it. routes() counts the lines in the file.
class RouteFileWriter {
 public:
  RouteFileWriter();
  ~RouteFileWriter();
  RouteFileWriter(const RouteFileWriter&) = delete;
  RouteFileWriter& operator=(const RouteFileWriter&) = delete;

  // Creates the file, replacing an old one; false (with error()) when it cannot.
  bool create(const std::string& path);
  // False when the line was not written: the file is full or a write failed.
  bool writeRoute(bool twoWay, bool electrified, std::span<const RouteCell> cells);
  // Writes what is buffered and closes the file; false when a write failed.
  bool close();

  int error() const { return error_; }
  bool full() const { return full_; }
  // Lines written, and after close() lines in the file.
  long long routes() const { return routes_; }

 private:
  void flush();

  std::FILE* file_ = nullptr;
  std::string path_;
  std::vector<char> buffer_;
  size_t used_ = 0;
  long long committed_ = 0;  // bytes of whole lines known to be in the file
  long long routes_ = 0;
  bool full_ = false;
  int error_ = 0;
};

}  // namespace szl
