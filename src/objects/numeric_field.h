// The fourteen numeric fields of the object data editor and the rule that accepts or refuses
// what the author types into one of them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace szl {

// The object record field a numeric field is stored in.
enum class ObjectField { ValueA, ValueB, ValueC, ValueD, ValueE };

enum class NumericId {
  txt1Numer,
  txt1Czas,
  txt1Wyprz,
  txt2Numer,
  txt2Wyprz,
  txt2CzasMij,
  txt2CzasZwoln,
  txt3Numer,
  txt4Pojem,
  txt7CzasNapr,
  txt7CzasZam,
  txt7Napr,
  txt7Pojem,
  txt8Numer,
};
inline constexpr int kNumericFieldCount = 14;

struct NumericField {
  NumericId id;
  const char* textBox;    // objectName of the text box
  const char* scrollBar;  // objectName of its scroll bar
  int page;               // editor page 1..8
  const char* label;
  int min;
  int max;
  int maxChars;
  const char* initialText;
  int initialValue;
  ObjectField target;
  bool wholeGroup;  // stored into all three cells of a platform or goods-track group
};

extern const std::array<NumericField, kNumericFieldCount> kNumericFields;

inline const NumericField& numericField(NumericId id) {
  return kNumericFields[static_cast<int>(id)];
}

// What a numeric text is worth in a field: the integer part of the number, rounded down
// ("12.7" gives 12), when it lies within the field's range and fits its length. Empty text,
// letters, negative numbers and numbers beyond the range give nothing: the field then goes
// back to the text it had when it got the focus (unless the number is only too long).
std::optional<int> numericFieldValue(const NumericField& f, std::string_view text);

// A number with more digits than the field holds ("123" in a two-digit field): the key that
// made it so is refused, and the digits before it stay.
bool numericTextTooLong(const NumericField& f, std::string_view text);

// A text on its way to a number, as typed key by key: a sign alone ("-", which "-5" follows),
// or an accepted number followed by its decimal point ("12.", which "12.7" follows). The field
// lets it stand while the author types and judges it when the box loses the focus.
bool numericTextUnfinished(const NumericField& f, std::string_view text);

}  // namespace szl
