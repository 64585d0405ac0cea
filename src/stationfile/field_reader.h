// Reads a station or route file as a stream of comma-separated fields. A comma or a line
// break ends a field, so the empty text between a line's last comma and its line break is one
// more, empty, field. Any run of CR and LF characters is one line break: CR LF, LF and CR
// alone, and also CR CR LF or LF CR left by a file converted twice between text modes.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace szl {

struct Field {
  std::string text;      // without surrounding blanks
  int64_t line = 0;      // 1-based line where the field starts
  bool tooLong = false;  // longer than the reader takes; the text is cut there
};

// How many lines a run of line-break characters ends, as an editor counts them: one per LF, or
// one per CR when the run has no LF.
struct LineBreaks {
  int64_t lf = 0;
  int64_t cr = 0;
  int64_t lines() const { return lf > 0 ? lf : cr; }
};

class FieldReader {
 public:
  // A field of more than `maxField` characters, blanks included, is given back cut short with
  // tooLong set, and the reading stops there: a file without delimiters cannot fill memory.
  explicit FieldReader(std::istream& in, size_t maxField = SIZE_MAX)
      : in_(in), maxField_(maxField) {}

  // The next field, or nothing at the end of the input. Text after the last delimiter counts
  // as a field only when it is not empty.
  std::optional<Field> next();
  // Skips one field; false at the end of the input.
  bool skip() { return next().has_value(); }

  int64_t line() const { return line_; }
  // The last line read: the line the input ended on, when it has ended.
  int64_t lastLine() const { return afterBreak_ && line_ > 1 ? line_ - 1 : line_; }
  // Characters taken from the input so far.
  uint64_t consumed() const { return consumed_; }

 private:
  std::istream& in_;
  size_t maxField_;
  int64_t line_ = 1;
  uint64_t consumed_ = 0;
  bool afterBreak_ = false;
};

enum class IntParse { Ok, NotInteger, OutOfRange };

// Parses a field as a 16-bit integer; an empty field is 0.
IntParse parseInt16(const std::string& text, int16_t& value);

// A field's text fit for a message: at most `limit` bytes of it followed by "..." when cut,
// control characters and bytes that are not UTF-8 shown as \xNN.
std::string shownField(std::string_view text, size_t limit = 20);

}  // namespace szl
