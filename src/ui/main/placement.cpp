#include "ui/main/placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <tuple>
#include <vector>

namespace szl::ui {

namespace {
constexpr int kCell = 17;

long long overlap(const QRect& a, const QRect& b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}
}  // namespace

QRect cellsOnScreen(const QWidget& view, int x, int y, int columns, int rows) {
  return {view.mapToGlobal(QPoint(kCell * x, kCell * y)), QSize(kCell * columns, kCell * rows)};
}

QRect objectOnScreen(const QWidget& view, const EditorData& d) {
  if (d.pointCount == 0) return {};
  return cellsOnScreen(view, pointColumn(d.points[0]), pointRow(d.points[0]), d.pointCount, 1);
}

QRect viewOnScreen(const QWidget& view) {
  QRect seen = view.visibleRegion().boundingRect();
  if (seen.isEmpty()) seen = view.rect();  // the window is not shown yet
  return {view.mapToGlobal(seen.topLeft()), seen.size()};
}

void placeClear(QWidget& window, const QRect& avoid, const QRect& keep) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QRect now = window.frameGeometry();
  // Until the system has framed the window, room for a title bar and borders.
  const QSize outer =
      now.size() != window.size() ? now.size() : window.size().grownBy(QMargins(8, 31, 8, 8));
  const int lowest = std::max(area.left(), area.right() + 1 - outer.width());
  const int highest = std::max(area.top(), area.bottom() + 1 - outer.height());
  const auto at = [&](int left, int top) {
    return QRect(
        QPoint(std::clamp(left, area.left(), lowest), std::clamp(top, area.top(), highest)), outer);
  };
  // Where it is (a hidden window would be centred by the system, over what it is about), next
  // to what it is about, the screen's corners.
  std::vector<QRect> places;
  if (window.isVisible()) places.push_back(now);
  if (!avoid.isEmpty()) {
    const int gap = 2 * kCell;
    const int acrossX = avoid.center().x() - outer.width() / 2;
    const int acrossY = avoid.center().y() - outer.height() / 2;
    places.push_back(at(acrossX, avoid.bottom() + 1 + gap));
    places.push_back(at(acrossX, avoid.top() - gap - outer.height()));
    places.push_back(at(avoid.right() + 1 + gap, acrossY));
    places.push_back(at(avoid.left() - gap - outer.width(), acrossY));
  }
  for (const int top : {highest, area.top()})
    for (const int left : {lowest, area.left()}) places.push_back(at(left, top));
  // On the screen, clear of `avoid`, as little of `keep` covered; the earliest of equals.
  const auto score = [&](const QRect& r) {
    return std::tuple(!area.contains(r), r.intersects(avoid), overlap(r, keep));
  };
  const QRect best =
      *std::min_element(places.begin(), places.end(),
                        [&](const QRect& a, const QRect& b) { return score(a) < score(b); });
  if (!window.isVisible() || best.topLeft() != now.topLeft()) window.move(best.topLeft());
}

}  // namespace szl::ui
