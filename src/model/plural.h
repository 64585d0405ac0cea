// Numbers with a counted word in its Polish form: 1 trasa, 2 trasy, 5 tras, 22 trasy, 112 tras.
#pragma once

#include <string>

namespace szl {

// `one` after 1, `few` after numbers ending in 2..4 (but not 12..14), `many` after the rest.
inline const char* pluralWord(long long n, const char* one, const char* few, const char* many) {
  const long long last = (n < 0 ? -n : n) % 100;
  return n == 1 ? one : (last % 10 >= 2 && last % 10 <= 4 && (last < 12 || last > 14)) ? few : many;
}

inline std::string counted(long long n, const char* one, const char* few, const char* many) {
  return std::to_string(n) + " " + pluralWord(n, one, few, many);
}

}  // namespace szl
