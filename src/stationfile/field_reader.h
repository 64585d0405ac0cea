// Reads a station or route file as a stream of comma-separated fields. A comma or a line
// break ends a field, so the empty text between a line's last comma and its line break is one
// more, empty, field. CR LF, LF and CR alone all count as one line break.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

namespace szl {

struct Field {
  std::string text;  // without surrounding blanks
  int line = 0;      // 1-based line where the field starts
};

class FieldReader {
 public:
  explicit FieldReader(std::istream& in) : in_(in) {}

  // The next field, or nothing at the end of the input. Text after the last delimiter counts
  // as a field only when it is not empty.
  std::optional<Field> next();
  // Skips one field; false at the end of the input.
  bool skip() { return next().has_value(); }

  int line() const { return line_; }

 private:
  std::istream& in_;
  int line_ = 1;
};

enum class IntParse { Ok, NotInteger, OutOfRange };

// Parses a field as a 16-bit integer; an empty field is 0.
IntParse parseInt16(const std::string& text, int16_t& value);

}  // namespace szl
