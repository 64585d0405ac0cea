// Window tests answer the window's questions from a script and record what was asked.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QString>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
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

// What a window shows cut short as it stands: the names of its visible labels, buttons, frame
// titles, tabs and list headings whose text is wider than the room they have; empty when none.
inline std::string cutTexts(QWidget* window) {
  QStringList cut;
  const auto visible = [window](QWidget* w) { return w->isVisibleTo(window) && w->width() > 0; };
  const auto name = [](QObject* o, const QString& text) {
    return (o->objectName().isEmpty() ? QString("?") : o->objectName()) + " \"" + text + "\"";
  };
  const auto plain = [](QString t) { return t.remove('&'); };
  for (QLabel* l : window->findChildren<QLabel*>()) {
    if (!visible(l) || l->text().isEmpty()) continue;
    const QRect room = l->contentsRect();
    const bool fits = l->wordWrap() ? l->heightForWidth(room.width()) <= room.height()
                                    : l->fontMetrics().horizontalAdvance(l->text()) <= room.width();
    if (!fits) cut << name(l, l->text());
  }
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    if (!visible(b) || b->text().isEmpty()) continue;
    const int icon = b->icon().isNull() ? 0 : b->iconSize().width();
    if (b->fontMetrics().horizontalAdvance(plain(b->text())) + icon > b->width())
      cut << name(b, b->text());
  }
  for (QGroupBox* g : window->findChildren<QGroupBox*>())
    if (visible(g) && g->fontMetrics().horizontalAdvance(plain(g->title())) > g->width())
      cut << name(g, g->title());
  for (QTabBar* bar : window->findChildren<QTabBar*>()) {
    if (!visible(bar)) continue;
    for (int i = 0; i < bar->count(); ++i) {
      const QRect r = bar->tabRect(i);
      const int need = bar->fontMetrics().horizontalAdvance(bar->tabText(i)) +
                       (bar->tabIcon(i).isNull() ? 0 : bar->iconSize().width());
      if (!bar->rect().contains(r) || r.width() < need) cut << name(bar, bar->tabText(i));
    }
  }
  for (QTreeWidget* list : window->findChildren<QTreeWidget*>()) {
    if (!visible(list)) continue;
    const QHeaderView* head = list->header();
    for (int c = 0; c < list->columnCount(); ++c) {
      const QString text = list->headerItem()->text(c);
      const int need = head->fontMetrics().horizontalAdvance(text) +
                       (list->headerItem()->icon(c).isNull() ? 0 : 14);
      const int right = head->sectionViewportPosition(c) + head->sectionSize(c);
      if (need > head->sectionSize(c) || right > list->viewport()->width())
        cut << name(list, text.isEmpty() ? QString("column %1").arg(c) : text);
    }
  }
  return cut.join(", ").toStdString();
}

class ScriptedPrompts : public ui::Prompts {
 public:
  Answer message(QWidget*, const Message& m) override {
    asked.push_back(m);
    if (onAsk) onAsk(m);
    if (m.buttons == Buttons::Ok) return Answer::Ok;  // a box with one button has one answer
    if (answers.empty()) return m.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
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
