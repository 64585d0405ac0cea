#include "objects/numeric_field.h"

#include <string>

namespace szl {

namespace {
constexpr const char* kLeadTime =
    "Wyprzedzenie względem godziny przyjazdu, z jakim będą pociągi pojawiać się na wjeździe:";
constexpr const char* kCapacity = "Pojemność:";
}  // namespace

// clang-format off
const std::array<NumericField, kNumericFieldCount> kNumericFields{{
    {NumericId::txt1Numer, "txt1Numer", "vsb1Numer", 1, "Numer wjazdu / wyjazdu:", 1, 9, 1, "1", 1, ObjectField::ValueC, false},
    {NumericId::txt1Czas, "txt1Czas", "vsb1Czas", 1, "Czas zwolnienia wjazdu / wyjazdu w minutach:", 0, 99, 2, "0", 0, ObjectField::ValueA, false},
    {NumericId::txt1Wyprz, "txt1Wyprz", "vsb1Wyprz", 1, kLeadTime, 0, 99, 2, "0", 0, ObjectField::ValueB, false},
    {NumericId::txt2Numer, "txt2Numer", "vsb2Numer", 2, "Numer wjazdu-wyjazdu:", 1, 9, 1, "1", 1, ObjectField::ValueC, false},
    {NumericId::txt2Wyprz, "txt2Wyprz", "vsb2Wyprz", 2, kLeadTime, 0, 99, 2, "0", 0, ObjectField::ValueB, false},
    {NumericId::txt2CzasMij, "txt2CzasMij", "vsb2CzasMij", 2, "Czas do najbliższej mijanki:", 0, 99, 2, "0", 0, ObjectField::ValueD, false},
    {NumericId::txt2CzasZwoln, "txt2CzasZwoln", "vsb2CzasZwoln", 2, "Czas zwolnienia wjazdu-wyjazdu w minutach:", 0, 99, 2, "0", 0, ObjectField::ValueA, false},
    {NumericId::txt3Numer, "txt3Numer", "vsb3Numer", 3, "Numer peronu:", 0, 9, 1, "0", 0, ObjectField::ValueC, true},
    {NumericId::txt4Pojem, "txt4Pojem", "vsb4Pojem", 4, kCapacity, 1, 10, 2, "10", 10, ObjectField::ValueE, false},
    {NumericId::txt7CzasNapr, "txt7CzasNapr", "vsb7CzasNapr", 7, "Czas naprawy lokomotywy w minutach:", 0, 999, 3, "0", 0, ObjectField::ValueD, false},
    {NumericId::txt7CzasZam, "txt7CzasZam", "vsb7CzasZam", 7, "Czas od zamówienia do wyjazdu z lokomotywowni w minutach:", 0, 999, 3, "0", 0, ObjectField::ValueA, false},
    {NumericId::txt7Napr, "txt7Napr", "vsb7Napr", 7, "Ilość lokomotyw naprawianych jednocześnie:", 0, 999, 3, "0", 0, ObjectField::ValueC, false},
    {NumericId::txt7Pojem, "txt7Pojem", "vsb7Pojem", 7, kCapacity, 0, 999, 3, "0", 0, ObjectField::ValueE, false},
    {NumericId::txt8Numer, "txt8Numer", "vsb8Numer", 8, "Numer torów towarowych:", 0, 9, 1, "0", 0, ObjectField::ValueC, true},
}};
// clang-format on

namespace {
std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}
}  // namespace

bool numericTextUnfinished(const NumericField& f, std::string_view text) {
  text = trimmed(text);
  if (text == "-" || text == "+") return true;
  if (text.size() < 2 || (text.back() != '.' && text.back() != ',')) return false;
  text.remove_suffix(1);
  return text.back() >= '0' && text.back() <= '9' && numericFieldValue(f, text).has_value();
}

namespace {
// A number as the fields read it: a sign, digits, and a fraction after a point or (the Polish
// way) a comma, rounded down to an integer. Nothing when the text is no such number.
std::optional<long long> numberIn(std::string_view text) {
  text = trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  long long whole = 0;
  bool anyDigit = false;
  bool fraction = false;  // a non-zero digit after the separator
  size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    anyDigit = true;
    if (whole < 1'000'000'000) whole = whole * 10 + (text[i] - '0');
  }
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      anyDigit = true;
      if (text[i] != '0') fraction = true;
    }
  }
  if (!anyDigit || i != text.size()) return std::nullopt;
  // Rounded down: -0.5 is -1, which no field accepts.
  return negative ? -whole - (fraction ? 1 : 0) : whole;
}

bool longerThanField(const NumericField& f, long long value) {
  return std::to_string(value).size() > static_cast<size_t>(f.maxChars);
}
}  // namespace

std::optional<int> numericFieldValue(const NumericField& f, std::string_view text) {
  const std::optional<long long> value = numberIn(text);
  if (!value || *value < f.min || *value > f.max || longerThanField(f, *value)) return std::nullopt;
  return static_cast<int>(*value);
}

bool numericTextTooLong(const NumericField& f, std::string_view text) {
  const std::optional<long long> value = numberIn(text);
  return value && *value >= 0 && longerThanField(f, *value);
}

}  // namespace szl
