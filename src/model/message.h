// What the core asks the front end: a message box described as a value. The window shows a
// real dialog, the batch tool prints it and answers OK, tests answer from a script.
#pragma once

#include <string>

namespace szl {

enum class Icon { None, Critical, Exclamation, Information, Question };
enum class Buttons { Ok, OkCancel, YesNoCancel };
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

}  // namespace szl
