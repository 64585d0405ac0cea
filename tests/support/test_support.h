// Helpers the tests share: stations drawn as rows of codes, temporary folders, files as bytes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/station.h"
#include "search/search_host.h"
#include "select/selector_host.h"

namespace szl::test {

// A station built from rows of codes, e.g. {"10 21 4 21 10"}; every row must have the same
// number of codes. Track cells get their links as they would when loaded.
Station stationFromRows(const std::vector<std::string>& rows);

// A station file's text (CR LF, trailing commas) for rows of codes.
std::string stationFileText(const std::vector<std::string>& rows);

// The header, size line and grid of a station exactly as the program writes them.
std::string gridText(const Station& st);

// An 812-byte station of 100 columns: two tracks joined by 47 crossovers, a stopping point at
// each end. Without the platform rule and with long routes allowed its routes multiply past any
// real station's, past the route file's limit, before a walk is given up.
std::string ladderStationText();

std::string readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, const std::string& bytes);

// Path of a file under tests/data.
std::filesystem::path dataPath(const std::string& relative);

// A fresh folder removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A search or route selector that is answered OK to everything, as the batch tool does.
struct Quiet : SearchHost, SelectorHost {
  Answer ask(const Message&) override { return Answer::Ok; }
};

// Runs the batch tool with arguments; captures standard output and error.
struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};
// `shell` runs first in the same shell, e.g. "ulimit -f 100".
CliRun runCli(const std::vector<std::string>& args, const std::string& shell = "");

}  // namespace szl::test
