#include "model/element_tables.h"

#include <string_view>

namespace szl {

namespace {
// Our own logo: a yellow and green track under a signal, on a light sky. Hex digits are
// palette indices.
constexpr std::string_view kLogoArt[kLogoSize] = {
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb", "bbbbbbbbbbbbbbbbbbbbbbbbb000bbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbb0ccc0bbb", "bbbbbbbbbbbbbbbbbbbbbbbb0ccc0bbb",
    "bbbfffbbbbbbbbbbbbbbbbbb0ccc0bbb", "bbfffffbbbbbbbbbbbbbbbbbb000bbbb",
    "bffffffffbbbbbbbbbbbbbbb0aaa0bbb", "bbfffffffbbbbbbbbbbbbbbb0aaa0bbb",
    "bbbbbbbbbbbbbbbbbbbbbbbb0aaa0bbb", "bbbbbbbbbbbbbbbbbbbbbbbbb000bbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbb8bbbbb", "bbbbbbbbbbbbbbbbbbbbbbbbbb8bbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbb8bbbbb", "bbbbbbbbbbbbbbbbbbbbbbbbbb8bbbbb",
    "aaaaaaaaaaaaaaaaaaaaaaaaaa8aaaaa", "aaaaaaaaaaaaaaaaaaaaaaaaaa8aaaaa",
    "22222222222222222222222222822222", "77777777777777777777777777777777",
    "00000000000000000000000000000000", "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee",
    "00000000000000000000000000000000", "78787878787878787878787878787878",
    "22222222222222222222222222222222", "2222222222222222222200000000000a",
    "222222222222222222000aaaaaaaaaaa", "2222222222222222000aaaa222222222",
    "22222222222222000aaaa22222222222", "222222222222000aaaa2222222222222",
    "2222222222000aaaa222222222222222", "22222222000aaaa22222222222222222",
    "99999999999999999999999999999999", "99999999999999999999999999999999",
};

constexpr int16_t hexValue(char c) {
  return static_cast<int16_t>(c <= '9' ? c - '0' : c - 'a' + 10);
}
}  // namespace

const std::array<std::array<int16_t, kLogoSize>, kLogoSize> LogoPixels = [] {
  std::array<std::array<int16_t, kLogoSize>, kLogoSize> t{};
  for (int y = 0; y < kLogoSize; ++y)
    for (int x = 0; x < kLogoSize; ++x) t[y][x] = hexValue(kLogoArt[y][x]);
  return t;
}();

}  // namespace szl
