// The route file: one line per route, "two-way,electrified,point,...,point,0," and CR LF, in
// the station's folder under the name chosen in the options.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "search/search_host.h"

namespace szl {

// True when `base` can name a file in the station's folder: not empty, no path separator,
// not "." or "..".
bool isRouteFileBase(const std::string& base);

// StationDir + base + ".txt".
std::string routeFilePath(const std::string& stationDir, const std::string& base);

// Writes route lines through one buffer. The first failure is kept (errno) and every later
// write is skipped, so that the caller can report it once.
class RouteFileWriter {
 public:
  RouteFileWriter();
  ~RouteFileWriter();
  RouteFileWriter(const RouteFileWriter&) = delete;
  RouteFileWriter& operator=(const RouteFileWriter&) = delete;

  // Creates the file, replacing an old one; false (with error()) when it cannot.
  bool create(const std::string& path);
  void writeRoute(bool twoWay, bool electrified, std::span<const RouteCell> cells);
  // Writes what is buffered and closes the file; false when anything was lost.
  bool close();

  bool failed() const { return error_ != 0; }
  int error() const { return error_; }

 private:
  void flush();

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  size_t used_ = 0;
  int error_ = 0;
};

}  // namespace szl
