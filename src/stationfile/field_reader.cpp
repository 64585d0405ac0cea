#include "stationfile/field_reader.h"

#include <charconv>

namespace szl {

std::optional<Field> FieldReader::next() {
  Field f;
  f.line = line_;
  for (;;) {
    const int ch = in_.get();
    if (ch == std::char_traits<char>::eof()) {
      // Text after the last delimiter is a field; nothing (or blanks) is not.
      if (f.text.empty()) return std::nullopt;
      break;
    }
    if (ch == ',') break;
    if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && in_.peek() == '\n') in_.get();
      ++line_;
      break;
    }
    if ((ch == ' ' || ch == '\t') && f.text.empty()) continue;
    f.text.push_back(static_cast<char>(ch));
  }
  while (!f.text.empty() && (f.text.back() == ' ' || f.text.back() == '\t')) f.text.pop_back();
  return f;
}

IntParse parseInt16(const std::string& text, int16_t& value) {
  if (text.empty()) {
    value = 0;
    return IntParse::Ok;
  }
  const char* b = text.data();
  const char* e = b + text.size();
  if (*b == '+' && e - b > 1 && b[1] != '-') ++b;
  long long v = 0;
  auto [ptr, ec] = std::from_chars(b, e, v);
  if (ec == std::errc::result_out_of_range) return IntParse::OutOfRange;
  if (ec != std::errc() || ptr != e || b == e) return IntParse::NotInteger;
  if (v < INT16_MIN || v > INT16_MAX) return IntParse::OutOfRange;
  value = static_cast<int16_t>(v);
  return IntParse::Ok;
}

}  // namespace szl
