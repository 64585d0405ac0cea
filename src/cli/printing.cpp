#include <iostream>

#include "cli/commands.h"

namespace szl::cli {

void printMessage(const std::string& title, const std::string& text) {
  std::string plain;
  for (char c : text)
    if (c != '\r') plain.push_back(c);
  std::cerr << "[" << title << "] " << plain << "\n";
}

void printMessage(const Message& m) { printMessage(m.title, m.text); }

void printLoadMessages(const LoadInfo& info) {
  if (info.limitMessage) printMessage(sizeLimitMessage());
  if (info.screenMessage) printMessage(screenSizeMessage());
  if (info.point0Warning) printMessage(point0Message());
}

Answer PrintingHost::ask(const Message& m) {
  printMessage(m);
  return m.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

}  // namespace szl::cli
