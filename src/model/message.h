// What the core asks the front end: a message box described as a value. The window shows a
// real dialog, the batch tool prints it and answers OK, tests answer from a script.
#pragma once

#include <string>
#include <vector>

#include "model/plural.h"

namespace szl {

enum class Icon { None, Critical, Exclamation, Information, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// The limits a search reports, so that a batch run can count them; Other for everything else.
enum class MessageKind {
  Other,
  StackOverflow,
  SegmentOverflow,
  RouteTooLong,
  RepeatedElements,
  WalkAbandoned,  // a walk from one start port went on past any sensible size
};

struct Message {
  Icon icon = Icon::None;
  std::string title;
  std::string text;  // lines joined by CrLf
  Buttons buttons = Buttons::Ok;
  MessageKind kind = MessageKind::Other;
};

inline constexpr const char* CrLf = "\r\n";
inline constexpr const char* kProgramTitle = "Szlakownik";

// A list of more lines than this shows its first ones and counts the rest: a box of millions of
// lines would freeze the window and tell the author nothing more.
inline constexpr size_t kListShown = 20;

// 3899980 as "3 899 980".
inline std::string groupedNumber(long long n) {
  std::string digits = std::to_string(n < 0 ? -n : n);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, " ");
  return (n < 0 ? "-" : "") + digits;
}

struct ListNoun {
  const char* one;
  const char* few;
  const char* many;
};

// One message that lists many items under an introduction, instead of one box per item; past
// kListShown items the rest are counted in the noun's form ("… i jeszcze 3 899 980 zapisów").
inline Message listMessage(const std::string& title, const std::string& intro,
                           const std::vector<std::string>& items,
                           ListNoun noun = {"pozycja", "pozycje", "pozycji"}) {
  std::string text = intro;
  const size_t shown = items.size() > kListShown + 1 ? kListShown : items.size();
  for (size_t i = 0; i < shown; ++i) text += std::string(CrLf) + "- " + items[i];
  if (shown < items.size()) {
    const auto rest = static_cast<long long>(items.size() - shown);
    text += std::string(CrLf) + "… i jeszcze " + groupedNumber(rest) + " " +
            pluralWord(rest, noun.one, noun.few, noun.many);
  }
  return {Icon::Exclamation, title, text, Buttons::Ok};
}

}  // namespace szl
