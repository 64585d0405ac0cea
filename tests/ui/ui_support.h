// Window tests answer the window's questions from a script and record what was asked.
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/main/prompts.h"

namespace szl::test {

// Acts on the next modal dialog once it is shown (the window opens its dialogs with exec()).
inline void whenModal(std::function<void(QWidget*)> act, int triesLeft = 200) {
  QTimer::singleShot(triesLeft == 200 ? 0 : 5, [act, triesLeft] {
    if (QWidget* w = QApplication::activeModalWidget())
      act(w);
    else if (triesLeft > 0)
      whenModal(act, triesLeft - 1);
  });
}

class ScriptedPrompts : public ui::Prompts {
 public:
  Answer message(QWidget*, const Message& m) override {
    asked.push_back(m);
    if (onAsk) onAsk(m);
    if (m.buttons == Buttons::Ok) return Answer::Ok;  // a box with one button has one answer
    if (answers.empty())
      return m.buttons == Buttons::YesNoCancel || m.buttons == Buttons::YesNo ? Answer::Yes
                                                                              : Answer::Ok;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<QString> openStation(QWidget*) override { return next(openPaths); }
  std::optional<QString> saveStation(QWidget*) override { return next(savePaths); }
  void beep() override { ++beeps; }
  bool openInBrowser(const QString& path) override {
    browsed.push_back(path);
    return true;
  }

  bool wasAsked(const std::string& piece) const {
    for (const auto& m : asked)
      if (m.text.find(piece) != std::string::npos || m.title == piece) return true;
    return false;
  }

  std::function<void(const Message&)> onAsk;  // looks at the window while a box is open
  // Answers to the questions (boxes with a choice) in turn; OK or Yes when the script runs out.
  std::deque<Answer> answers;
  // Paths the file dialogs return in turn; an empty one, or none left, is a cancel.
  std::deque<QString> openPaths;
  std::deque<QString> savePaths;
  std::vector<Message> asked;
  std::vector<QString> browsed;
  int beeps = 0;

 private:
  static std::optional<QString> next(std::deque<QString>& q) {
    if (q.empty()) return std::nullopt;
    const QString v = q.front();
    q.pop_front();
    if (v.isEmpty()) return std::nullopt;
    return v;
  }
};

}  // namespace szl::test
