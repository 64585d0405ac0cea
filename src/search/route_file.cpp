#include "search/route_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "model/file_errors.h"
#include "model/station.h"
#include "platform/system.h"

namespace szl {

namespace {
constexpr size_t kBufferSize = 1 << 16;
constexpr size_t kLongestPoint = 12;  // an int with its sign and the comma after it

// A point number is the row's digits, then the column's two; row 0 writes the column alone.
// Each piece is copied as four bytes and the output moves on by its length.
struct Piece {
  char text[4];
  uint32_t length;  // not one byte: eight-byte pieces are indexed by a scaled address
};
constexpr unsigned kTableRows = 1000;
struct PointPieces {
  std::array<Piece, kTableRows> row{};
  std::array<Piece, 100> column{};   // two digits and the comma
  std::array<Piece, 100> rowZero{};  // no leading zero
};
constexpr PointPieces kPieces = [] {
  PointPieces t{};
  for (unsigned y = 1; y < kTableRows; ++y) {
    Piece& p = t.row[y];
    if (y >= 100) p.text[p.length++] = static_cast<char>('0' + y / 100);
    if (y >= 10) p.text[p.length++] = static_cast<char>('0' + y / 10 % 10);
    p.text[p.length++] = static_cast<char>('0' + y % 10);
  }
  for (int x = 0; x < 100; ++x) {
    t.column[x] = {{static_cast<char>('0' + x / 10), static_cast<char>('0' + x % 10), ','}, 3};
    Piece& p = t.rowZero[x];
    if (x >= 10) p.text[p.length++] = static_cast<char>('0' + x / 10);
    p.text[p.length++] = static_cast<char>('0' + x % 10);
    p.text[p.length++] = ',';
  }
  return t;
}();

char* put(char* out, const Piece& p) {
  std::memcpy(out, p.text, sizeof p.text);
  return out + p.length;
}

[[gnu::noinline]] char* putAnyPoint(char* out, int point) {
  out = std::to_chars(out, out + kLongestPoint, point).ptr;
  *out++ = ',';
  return out;
}
}  // namespace

bool isRouteFileBase(const std::string& base) {
  return !base.empty() && base != "." && base != ".." && sys::isPlainFileName(base + ".txt");
}

std::string routeFilePath(const std::string& stationDir, const std::string& base) {
  return stationDir + base + ".txt";
}

RouteFileWriter::RouteFileWriter() : buffer_(kBufferSize) {}

// Left by an exception: the lines written so far go out whole, as when a search is cancelled.
RouteFileWriter::~RouteFileWriter() { close(); }

bool RouteFileWriter::create(const std::string& path) {
  path_ = path;
  // Opening a pipe would wait for a reader that never comes; a device (a link to /dev/null)
  // would swallow the routes while the search reports them found.
  std::error_code ec;
  const auto status = std::filesystem::status(sys::fsPath(path), ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
      !std::filesystem::is_directory(status)) {
    error_ = sys::kNotRegularFile;
    return false;
  }
  errno = 0;
  file_ = sys::openFile(path, "wb");
  if (!file_) {
    error_ = errno ? sys::lastError() : EIO;
    return false;
  }
  // The buffer here is the only one: lines go out in large blocks.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  return true;
}

bool RouteFileWriter::writeRoute(bool twoWay, bool electrified, std::span<const RouteCell> cells) {
  if (!file_ || error_ || full_) return false;
  const size_t longest = 8 + cells.size() * kLongestPoint;
  if (buffer_.size() - used_ < longest) flush();
  if (error_) return false;
  if (buffer_.size() < longest) buffer_.resize(longest);
  const size_t lineStart = used_;
  char* out = buffer_.data() + used_;
  *out++ = twoWay ? '1' : '0';
  *out++ = ',';
  *out++ = electrified ? '1' : '0';
  *out++ = ',';
  for (const RouteCell& c : cells) {
    // Read once: a store into the buffer could change a cell, for all the compiler knows.
    const auto x = static_cast<unsigned>(c.x);
    const auto y = static_cast<unsigned>(c.y);
    if (x < 100 && y < kTableRows) [[likely]] {
      out = put(out, kPieces.row[y]);
      out = put(out, (y == 0 ? kPieces.rowZero : kPieces.column)[x]);
    } else {
      out = putAnyPoint(out, pointNumber(c.x, c.y));
    }
  }
  *out++ = '0';
  *out++ = ',';
  *out++ = '\r';
  *out++ = '\n';
  const size_t end = static_cast<size_t>(out - buffer_.data());
  if (committed_ + static_cast<long long>(end) > kRouteFileLimit) {
    used_ = lineStart;  // the line is dropped whole
    full_ = true;
    return false;
  }
  used_ = end;
  ++routes_;
  return true;
}

void RouteFileWriter::flush() {
  if (!file_ || error_ || used_ == 0) return;
  errno = 0;
  const size_t done = std::fwrite(buffer_.data(), 1, used_, file_);
  if (done != used_) {
    error_ = errno ? sys::lastError() : EIO;
    // Only the whole lines of what reached the file count; close() cuts off the rest.
    const auto first = buffer_.begin();
    const auto lost =
        std::find(std::make_reverse_iterator(first + done), std::make_reverse_iterator(first), '\n')
            .base();
    routes_ -= std::count(lost, first + used_, '\n');
    committed_ += lost - first;
  } else {
    committed_ += static_cast<long long>(used_);
  }
  used_ = 0;
}

bool RouteFileWriter::close() {
  if (!file_) return !error_;
  flush();
  errno = 0;
  if (std::fclose(file_) != 0 && !error_) error_ = errno ? sys::lastError() : EIO;
  file_ = nullptr;
  if (error_) {
    // A part of a line may have reached the file before the disk filled up.
    std::error_code ec;
    const std::filesystem::path file = sys::fsPath(path_);
    if (std::filesystem::is_regular_file(file, ec) &&
        std::filesystem::file_size(file, ec) > static_cast<uintmax_t>(committed_))
      std::filesystem::resize_file(file, static_cast<uintmax_t>(committed_), ec);
  }
  return !error_;
}

}  // namespace szl
