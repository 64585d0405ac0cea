// What the window tests share: answers from a script instead of real dialogs, events as the
// author makes them, and one way of opening a station in the main window.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSettings>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <deque>
#include <functional>

#include "support/test_support.h"
#include "ui/dialogs/frm_trasy.h"
#include "ui/main/frm_main.h"
#include "ui/main/prompts.h"

// Failures print texts as texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Exported by Qt's GUI library: what the system does with a key before the widget sees it,
// menu keys and Alt with an underlined letter. Qt's test library, which declares it, is not in
// every Qt the tests are built against (not in the one built for Windows).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods,
                                               const QString& text = QString(),
                                               bool autorep = false, ushort count = 1);

namespace szl::test {

// A key pressed and let go on `w` as the system delivers it: the shortcuts first.
inline void keyClick(QWidget* w, int key, Qt::KeyboardModifiers m = Qt::NoModifier,
                     const QString& text = {}) {
  if (!qt_sendShortcutOverrideEvent(w, 0, key, m, text)) {
    QKeyEvent press(QEvent::KeyPress, key, m, text);
    QApplication::sendEvent(w, &press);
  }
  QKeyEvent release(QEvent::KeyRelease, key, m, text);
  QApplication::sendEvent(w, &release);
}
// Events processed for `ms` milliseconds, or until `w` (if given) is the active window.
inline bool wait(int ms, QWidget* w = nullptr) {
  QElapsedTimer t;
  t.start();
  while (!(w && w->isActiveWindow()) && t.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return w && w->isActiveWindow();
}

// A colour as one letter: y yellow, g green, k black, w white, r red, b blue, o orange, s grey,
// l light grey, e the zoom board's grid; ? any other.
inline char letter(const QColor& c) {
  const QList<QRgb> known{0xffff00, 0x00ff00, 0x000000, 0xffffff, 0xff0000,
                          0x0000ff, 0xff8000, 0x808080, 0xc0c0c0, 0xe0e0e0};
  const qsizetype i = known.indexOf(c.rgb() & 0xffffff);
  return i < 0 ? '?' : "ygkwrbosle"[i];
}
// The letters of the pixels at `origin` + each point.
inline std::string colours(const QImage& image, QPoint origin, std::initializer_list<QPoint> at) {
  std::string s;
  for (const QPoint p : at) s += letter(image.pixelColor(origin + p));
  return s;
}

// Acts on the next modal dialog once it is shown (the window opens its dialogs with exec()).
inline void whenModal(std::function<void(QWidget*)> act, int triesLeft = 200) {
  QTimer::singleShot(triesLeft == 200 ? 0 : 5, [act, triesLeft] {
    if (QWidget* w = QApplication::activeModalWidget())
      act(w);
    else if (triesLeft > 0)
      whenModal(act, triesLeft - 1);
  });
}

template <class W>
W* child(QWidget* parent, const QString& name) {
  W* w = parent->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

// The enabled state of the named controls of `parent`, as 0 and 1.
inline std::string enabledOf(QWidget* parent, std::initializer_list<const char*> names) {
  std::string s;
  for (const char* n : names) s += child<QWidget>(parent, n)->isEnabled() ? '1' : '0';
  return s;
}

inline void click(QWidget* dialog, const char* button) {
  if (auto* b = child<QAbstractButton>(dialog, button)) b->click();
}

inline void press(QWidget* w, int key, const QString& text = {}, Qt::KeyboardModifiers m = {}) {
  QKeyEvent e(QEvent::KeyPress, key, m, text);
  QApplication::sendEvent(w, &e);
}

inline void mouse(QWidget* w, QEvent::Type type, QPointF p, Qt::MouseButton b = Qt::LeftButton,
                  Qt::KeyboardModifiers m = Qt::NoModifier) {
  const Qt::MouseButtons held =
      type == QEvent::MouseButtonPress ? Qt::MouseButtons(b) : Qt::NoButton;
  QMouseEvent e(type, p, w->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : b, held, m);
  QApplication::sendEvent(w, &e);
}

inline void clickAt(QWidget* w, QPointF p, Qt::MouseButton b = Qt::LeftButton) {
  mouse(w, QEvent::MouseButtonPress, p, b);
  mouse(w, QEvent::MouseButtonRelease, p, b);
}

// The tooltip a widget gives for a pointer moved to `p`.
inline QString tooltipAt(QWidget* w, QPointF p) {
  mouse(w, QEvent::MouseMove, p);
  return w->toolTip();
}

// What a window shows cut short as it stands: the names of its visible labels, buttons, frame
// titles, tabs and list headings whose text is wider than the room they have; empty when none.
inline std::string cutTexts(QWidget* window) {
  QStringList cut;
  const auto check = [&](QWidget* w, const QString& text, int need, int room) {
    if (w->isVisibleTo(window) && w->width() > 0 && !text.isEmpty() && need > room)
      cut << (w->objectName().isEmpty() ? QString("?") : w->objectName()) + " \"" + text + "\"";
  };
  const auto width = [](QWidget* w, QString t) {  // of the widest line
    int widest = 0;
    for (const QString& line : t.split('\n'))
      widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
  };
  const auto plain = [](QString t) { return t.remove('&'); };
  for (QLabel* l : window->findChildren<QLabel*>()) {
    const QRect room = l->contentsRect();
    if (l->wordWrap())
      check(l, l->text(), l->heightForWidth(room.width()), room.height());
    else
      check(l, l->text(), width(l, l->text()), room.width());
  }
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
    check(b, b->text(),
          width(b, plain(b->text())) + (b->icon().isNull() ? 0 : b->iconSize().width()),
          b->width());
  for (QGroupBox* g : window->findChildren<QGroupBox*>())
    check(g, g->title(), width(g, plain(g->title())), g->width());
  for (QTabBar* bar : window->findChildren<QTabBar*>())
    for (int i = 0; i < bar->count(); ++i) {
      const QRect r = bar->tabRect(i);
      const int need =
          width(bar, bar->tabText(i)) + (bar->tabIcon(i).isNull() ? 0 : bar->iconSize().width());
      check(bar, bar->tabText(i), bar->rect().contains(r) ? need : r.width() + 1, r.width());
    }
  for (QTreeWidget* list : window->findChildren<QTreeWidget*>())
    for (int c = 0; c < list->columnCount(); ++c) {
      const QHeaderView* head = list->header();
      const QString text = list->headerItem()->text(c);
      const int need = head->fontMetrics().horizontalAdvance(text) +
                       (list->headerItem()->icon(c).isNull() ? 0 : 14);
      const int right = head->sectionViewportPosition(c) + head->sectionSize(c);
      check(list, text.isEmpty() ? QString("column %1").arg(c) : text,
            right > list->viewport()->width() ? INT_MAX : need, head->sectionSize(c));
    }
  return cut.join(", ").toStdString();
}

// The captions breaking the rule that Alt with an underlined letter reaches every command:
// without "&letter", or with a letter already taken among the window's buttons and menu titles,
// or in the same menu. Empty when none does.
inline std::string mnemonicProblems(QWidget* window) {
  QStringList bad;
  const auto check = [&](const QStringList& captions) {
    QString keys = "&";
    for (const QString& c : captions) {
      const qsizetype at = c.indexOf('&');
      const QString key = at < 0 ? "&" : c.mid(at + 1, 1).toLower();
      if (c.count('&') != 1 || keys.contains(key)) bad << c;
      keys += key;
    }
  };
  QStringList commands;
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
    if ((b->inherits("QPushButton") || b->inherits("QToolButton")) && b->isVisibleTo(window))
      commands << b->text();
  if (auto* main = qobject_cast<QMainWindow*>(window))
    for (QAction* menu : main->menuBar()->actions()) {
      commands << menu->text();
      QStringList entries;
      for (QAction* a : menu->menu()->actions())
        if (!a->isSeparator() && a->isVisible()) entries << a->text();
      check(entries);
    }
  check(commands);
  return bad.join(", ").toStdString();
}

// The station file without its last line, the signature, which carries the date and time.
inline std::string withoutSignature(const std::string& file) {
  const size_t end = file.size() >= 2 ? file.rfind("\r\n", file.size() - 3) : std::string::npos;
  return end == std::string::npos ? file : file.substr(0, end + 2);
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
  std::optional<QString> openStation(QWidget*, const QString& folder) override {
    openFolders.push_back(folder);
    return next(openPaths);
  }
  std::optional<QString> saveStation(QWidget*, const QString& suggested) override {
    saveSuggestions.push_back(suggested);
    return next(savePaths);
  }
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
  const Message& last() const { return asked.back(); }

  std::function<void(const Message&)> onAsk;  // looks at the window while a box is open
  // Answers to the questions (boxes with a choice) in turn; OK or Yes when the script runs out.
  std::deque<Answer> answers;
  // Paths the file dialogs return in turn; an empty one, or none left, is a cancel.
  std::deque<QString> openPaths;
  std::deque<QString> savePaths;
  // Where each open dialog started, the name each save dialog offered.
  std::vector<QString> openFolders, saveSuggestions;
  std::vector<Message> asked;
  std::vector<QString> browsed;
  int beeps = 0;

 private:
  static std::optional<QString> next(std::deque<QString>& q) {
    const QString v = q.empty() ? QString() : q.front();
    if (!q.empty()) q.pop_front();
    return v.isEmpty() ? std::nullopt : std::optional(v);
  }
};

// How far the author has gone with the station just opened.
enum class Stage { Loaded, Kept, Analysed };

// A station file copied into a fresh folder and opened in the main window, where the search
// then writes its route file.
class WindowTest : public ::testing::Test {
 protected:
  // Each test starts with no recent stations.
  WindowTest() { QSettings().clear(); }
  // NAME.stc from tests/data/reference, or else from examples or tests/data.
  ui::frmMain& open(const std::string& name, Stage stage = Stage::Loaded) {
    namespace fs = std::filesystem;
    fs::path from = dataPath("reference/" + name + ".stc");
    if (!fs::exists(from)) from = fs::path(SZL_EXAMPLES) / (name + ".stc");
    if (!fs::exists(from)) from = dataPath(name + ".stc");
    fs::copy_file(from, dir / (name + ".stc"), fs::copy_options::overwrite_existing);
    return openWritten(name + ".stc", stage);
  }
  // A station file the test wrote into its folder.
  ui::frmMain& openWritten(const std::string& file, Stage stage = Stage::Loaded) {
    w = std::make_unique<ui::frmMain>(&prompts);
    EXPECT_TRUE(w->start(pathOf(file)));
    if (stage != Stage::Loaded) w->cmdNoTrim->click();
    if (stage == Stage::Analysed) w->cmdAnalyze->click();
    if (stage != Stage::Loaded) prompts.asked.clear();
    return *w;
  }
  // The window shown and active, as keys need it.
  void activate() {
    w->show();
    w->activateWindow();
    ASSERT_TRUE(wait(5000, w.get()));
  }
  QString pathOf(const std::string& file) const {
    return QString::fromStdString((dir / file).string());
  }
  // The picture of the station view as letters: a pixel, and the centre of a cell.
  char pixel(int x, int y) const { return letter(w->picOkno->image().pixelColor(x, y)); }
  char centreOf(int cx, int cy) const { return pixel(17 * cx + 9, 17 * cy + 9); }
  // The route selector opened from the main window, prepared as its first paint would, `act`
  // done in it, then left with OK.
  void select(const std::function<void(ui::frmTrasy&)>& act = {}) {
    bool shown = false;
    whenModal([&](QWidget* d) {
      auto* t = qobject_cast<ui::frmTrasy*>(d);
      ASSERT_NE(t, nullptr);
      shown = true;
      if (!t->windowPrepared()) t->prepareNow();
      if (act) act(*t);
      prompts.answers = {Answer::Ok};  // "Wyjście z 'Selekcji tras' ..."
      t->cmdOK->click();
      EXPECT_FALSE(t->isVisible()) << "OK left the selector open";
      if (t->isVisible()) t->done(QDialog::Rejected);  // rather than waiting for ever
    });
    w->cmdSelektor->click();
    EXPECT_TRUE(shown);
  }

  TempDir dir;
  ScriptedPrompts prompts;
  std::unique_ptr<ui::frmMain> w;
};

}  // namespace szl::test
