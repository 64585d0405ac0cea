// What the core asks the front end: a message box described as a value. The window shows a
// real dialog, the batch tool prints it and answers OK, tests answer from a script.
#pragma once

#include <string>
#include <vector>

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

// One message that lists many items under an introduction, instead of one box per item.
inline Message listMessage(const std::string& title, const std::string& intro,
                           const std::vector<std::string>& items) {
  std::string text = intro;
  for (const std::string& item : items) text += std::string(CrLf) + "- " + item;
  return {Icon::Exclamation, title, text, Buttons::Ok};
}

}  // namespace szl
