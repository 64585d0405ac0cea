#include "search/route_file.h"

#include <cerrno>
#include <charconv>

#include "model/station.h"

namespace szl {

namespace {
constexpr size_t kBufferSize = 1 << 16;
constexpr size_t kLongestPoint = 12;  // an int with its sign and the comma after it
}  // namespace

bool isRouteFileBase(const std::string& base) {
  return !base.empty() && base != "." && base != ".." &&
         base.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

std::string routeFilePath(const std::string& stationDir, const std::string& base) {
  return stationDir + base + ".txt";
}

RouteFileWriter::RouteFileWriter() : buffer_(kBufferSize) {}

RouteFileWriter::~RouteFileWriter() {
  if (file_) std::fclose(file_);
}

bool RouteFileWriter::create(const std::string& path) {
  errno = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) {
    error_ = errno ? errno : EIO;
    return false;
  }
  // The buffer here is the only one: lines go out in large blocks.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  return true;
}

void RouteFileWriter::writeRoute(bool twoWay, bool electrified, std::span<const RouteCell> cells) {
  if (!file_ || error_) return;
  const size_t longest = 8 + cells.size() * kLongestPoint;
  if (buffer_.size() - used_ < longest) flush();
  if (buffer_.size() < longest) buffer_.resize(longest);
  char* out = buffer_.data() + used_;
  *out++ = twoWay ? '1' : '0';
  *out++ = ',';
  *out++ = electrified ? '1' : '0';
  *out++ = ',';
  for (const RouteCell& c : cells) {
    out = std::to_chars(out, out + kLongestPoint, pointNumber(c.x, c.y)).ptr;
    *out++ = ',';
  }
  *out++ = '0';
  *out++ = ',';
  *out++ = '\r';
  *out++ = '\n';
  used_ = static_cast<size_t>(out - buffer_.data());
}

void RouteFileWriter::flush() {
  if (!file_ || error_ || used_ == 0) return;
  errno = 0;
  if (std::fwrite(buffer_.data(), 1, used_, file_) != used_) error_ = errno ? errno : EIO;
  used_ = 0;
}

bool RouteFileWriter::close() {
  if (!file_) return !error_;
  flush();
  errno = 0;
  if (std::fclose(file_) != 0 && !error_) error_ = errno ? errno : EIO;
  file_ = nullptr;
  return !error_;
}

}  // namespace szl
