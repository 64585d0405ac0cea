// Windows-1250 both ways, checked against the system's own converter on every byte.
#include "stationfile/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace szl {
namespace {

// The system's conversion of one byte, or nothing for a byte the code page leaves undefined.
std::optional<std::string> systemDecodes(char byte) {
  iconv_t cd = iconv_open("UTF-8", "WINDOWS-1250");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  char in[1] = {byte}, out[8] = {}, *src = in, *dst = out;
  size_t inLeft = 1, outLeft = sizeof out;
  const size_t rc = iconv(cd, &src, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) return std::nullopt;
  return std::string(out, static_cast<size_t>(dst - out));
}

TEST(CodePage, EveryByteAsTheSystemConvertsItAndBackAgain) {
  for (int b = 1; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    const std::string ours = fromWindows1250(std::string(1, byte));
    const std::optional<std::string> system = systemDecodes(byte);
    if (!system) {
      EXPECT_EQ(ours, "\xEF\xBF\xBD") << b;  // undefined: the replacement character
      continue;
    }
    EXPECT_EQ(ours, *system) << b;
    const CodePageText back = toWindows1250(ours);
    EXPECT_EQ(back.bytes, std::string(1, byte)) << b;
    EXPECT_EQ(back.replaced, 0);
  }
  // Characters the code page lacks, and bytes that are no UTF-8, become one "?" each.
  const CodePageText t = toWindows1250("Łódź 日本 \xC3");
  EXPECT_EQ(t.bytes,
            "\xA3\xF3"
            "d\x9F ?? ?");
  EXPECT_EQ(t.replaced, 3);
}

}  // namespace
}  // namespace szl
