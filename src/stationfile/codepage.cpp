#include "stationfile/codepage.h"

#include <array>
#include <cstdint>

namespace szl {

namespace {

// Code points of the bytes 0x80..0xFF; 0 where the code page defines no character.
constexpr std::array<char16_t, 128> kUpper = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  //
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  //
};

// The UTF-8 sequence at the start of `s`: its code point and length, or length 1 and code
// point -1 for a byte that starts no valid sequence.
struct Decoded {
  int32_t cp;
  size_t len;
};
Decoded decodeUtf8(std::string_view s) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  if (b0 < 0x80) return {b0, 1};
  size_t len = 0;
  int32_t cp = 0;
  int32_t least = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, least = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, least = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, least = 0x10000;
  } else {
    return {-1, 1};
  }
  if (len > s.size()) return {-1, 1};
  for (size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return {-1, 1};
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {-1, len};
  return {cp, len};
}

void appendUtf8(std::string& out, int32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

CodePageText toWindows1250(std::string_view utf8) {
  CodePageText out;
  out.bytes.reserve(utf8.size());
  while (!utf8.empty()) {
    const Decoded d = decodeUtf8(utf8);
    utf8.remove_prefix(d.len);
    if (d.cp >= 0 && d.cp < 0x80) {
      out.bytes.push_back(static_cast<char>(d.cp));
      continue;
    }
    int byte = -1;
    for (int i = 0; i < 128 && d.cp > 0; ++i)
      if (kUpper[i] == d.cp) byte = 0x80 + i;
    if (byte < 0) {
      out.bytes.push_back('?');
      ++out.replaced;
    } else {
      out.bytes.push_back(static_cast<char>(byte));
    }
  }
  return out;
}

std::string fromWindows1250(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
      continue;
    }
    const char16_t cp = kUpper[b - 0x80];
    appendUtf8(out, cp != 0 ? cp : 0xFFFD);
  }
  return out;
}

}  // namespace szl
