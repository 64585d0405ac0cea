#include "support/test_support.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace szl::test {

Station stationFromRows(const std::vector<std::string>& rows) {
  std::vector<std::vector<int>> codes;
  for (const auto& r : rows) {
    std::istringstream in(r);
    std::vector<int> line;
    int v;
    while (in >> v) line.push_back(v);
    if (!codes.empty() && line.size() != codes.front().size())
      throw std::invalid_argument("rows of different length");
    codes.push_back(line);
  }
  Station st(static_cast<int>(codes.front().size()), static_cast<int>(codes.size()));
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x) st.setCode(x, y, static_cast<int16_t>(codes[y][x]));
  return st;
}

std::string stationFileText(const std::vector<std::string>& rows) {
  return gridText(stationFromRows(rows));
}

std::string gridText(const Station& st) {
  std::string s =
      "0,\r\n" + std::to_string(st.RowCount()) + "," + std::to_string(st.ColCount()) + ",\r\n";
  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x < st.ColCount(); ++x) s += std::to_string(st.cell(x, y).Code) + ",";
    s += "\r\n";
  }
  return s;
}

std::string ladderStationText() {
  std::string a = ",21,10,", b = ",21,10,";
  for (int i = 0; i < 23; ++i) {
    a += "19,10,10,20,";
    b += "10,18,12,10,";
  }
  const std::string empty(100, ',');
  return "0,\r\n4,100,\r\n" + empty + "\r\n" + a + "19,10,10,21,,\r\n" + b + "10,18,10,21,,\r\n" +
         empty + "\r\n";
}

std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void writeFile(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

std::filesystem::path dataPath(const std::string& relative) {
  return std::filesystem::path(SZL_TEST_DATA) / relative;
}

TempDir::TempDir() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("szl-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

CliRun runCli(const std::vector<std::string>& args, const std::string& shell) {
#ifdef _WIN32
  // Through cmd.exe, which takes a line quoted once more around everything as it stands.
  if (!shell.empty()) throw std::invalid_argument("no POSIX shell on Windows: " + shell);
  const std::string q = "\"", start = q, end = " <NUL" + q;
#else
  const std::string q = "'", start = shell.empty() ? "" : shell + "; ", end = " </dev/null";
#endif
  TempDir tmp;
  std::string cmd = start + q + SZL_CLI + q;
  for (const auto& a : args) cmd += " " + q + a + q;
  cmd += " >" + q + (tmp / "out").string() + q + " 2>" + q + (tmp / "err").string() + q + end;
  const int rc = std::system(cmd.c_str());
#ifdef _WIN32
  const int status = rc;
#else
  const int status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
#endif
  return {status, readFile(tmp / "out"), readFile(tmp / "err")};
}

}  // namespace szl::test
