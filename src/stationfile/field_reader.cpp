#include "stationfile/field_reader.h"

#include <charconv>

namespace szl {

std::optional<Field> FieldReader::next() {
  Field f;
  f.line = line_;
  size_t taken = 0;
  for (;;) {
    const int ch = in_.get();
    if (ch == std::char_traits<char>::eof()) {
      // Text after the last delimiter is a field; nothing (or blanks) is not.
      if (f.text.empty()) return std::nullopt;
      break;
    }
    ++consumed_;
    afterBreak_ = false;
    if (ch == ',') break;
    if (ch == '\r' || ch == '\n') {
      LineBreaks run;
      for (int c = ch;; c = in_.get()) {
        ++(c == '\n' ? run.lf : run.cr);
        const int following = in_.peek();
        if (following != '\r' && following != '\n') break;
        ++consumed_;
      }
      line_ += run.lines();
      afterBreak_ = true;
      break;
    }
    if (++taken > maxField_) {
      f.tooLong = true;
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

namespace {
// The length of the UTF-8 sequence starting at text[i], or 0 when there is none.
size_t utf8Length(std::string_view text, size_t i) {
  const auto b = static_cast<unsigned char>(text[i]);
  const size_t n = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
  if (n == 0 || i + n > text.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}
}  // namespace

std::string shownField(std::string_view text, size_t limit) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  size_t i = 0;
  while (i < text.size() && i < limit) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x20 && b < 0x7F) {
      out.push_back(static_cast<char>(b));
      ++i;
    } else if (const size_t n = b >= 0x80 ? utf8Length(text, i) : 0; n > 0) {
      out.append(text.substr(i, n));
      i += n;
    } else {
      out += "\\x";
      out.push_back(kHex[b >> 4]);
      out.push_back(kHex[b & 15]);
      ++i;
    }
  }
  if (i < text.size()) out += "...";
  return out;
}

}  // namespace szl
