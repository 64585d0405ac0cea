#include "stationfile/codepage.h"

#include <iconv.h>

#include <cerrno>

namespace szl {

namespace {

// Length of the UTF-8 sequence at the start of `s`, 1 for a byte that starts none, so that a
// character iconv refuses is skipped whole.
size_t sequenceLength(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s[0]);
  size_t len = 1;
  if (lead >= 0xF0 && lead <= 0xF4)
    len = 4;
  else if (lead >= 0xE0)
    len = 3;
  else if (lead >= 0xC2 && lead <= 0xDF)
    len = 2;
  if (len > s.size()) return 1;
  for (size_t i = 1; i < len; ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
  return len;
}

}  // namespace

CodePageText toWindows1250(std::string_view utf8) {
  CodePageText out;
  iconv_t cd = iconv_open("WINDOWS-1250", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    out.ok = false;
    return out;
  }
  std::string buffer(utf8.size() + 16, '\0');
  while (!utf8.empty()) {
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* dst = buffer.data();
    size_t dstLeft = buffer.size();
    const size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
    const int err = errno;
    out.bytes.append(buffer.data(), static_cast<size_t>(dst - buffer.data()));
    utf8.remove_prefix(utf8.size() - inLeft);
    if (rc != static_cast<size_t>(-1)) break;
    if (err == E2BIG) continue;
    if (err == EILSEQ || err == EINVAL) {
      out.bytes.push_back('?');
      ++out.replaced;
      utf8.remove_prefix(sequenceLength(utf8));
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      continue;
    }
    out.ok = false;
    break;
  }
  iconv_close(cd);
  return out;
}

}  // namespace szl
