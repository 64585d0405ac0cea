#include "ui/dialogs/track_shapes.h"

#include <QRectF>
#include <cmath>
#include <numbers>

#include "model/element_tables.h"

namespace szl::ui {

namespace {
bool isDiagonal(int p) { return p == 1 || p == 3 || p == 6 || p == 8; }

// Screen angle (counter-clockwise from the positive x axis, y pointing down) of `p` seen from
// `c`, snapped to a multiple of 45 degrees: the arcs always start and end on such angles.
double snappedAngle(QPointF c, QPointF p) {
  const double deg = std::atan2(-(p.y() - c.y()), p.x() - c.x()) * 180.0 / std::numbers::pi;
  return std::round(deg / 45.0) * 45.0;
}
}  // namespace

std::vector<Movement> elementMovements(int row, int type) {
  std::vector<Movement> straights;
  std::vector<Movement> curves;
  if (row < 0 || row >= kElementRows || type < 0 || type >= kCrossTypes) return straights;
  for (int a = 1; a <= 8; ++a)
    for (int b = a + 1; b <= 8; ++b) {
      if (!PortPass[row][a - 1][b - 1][type] && !PortPass[row][b - 1][a - 1][type]) continue;
      const Movement m{a, b};
      (m.straight() ? straights : curves).push_back(m);
    }
  straights.insert(straights.end(), curves.begin(), curves.end());
  return straights;
}

QPointF arcCentre(const Movement& m, const PortPoints& ports) {
  const int d = isDiagonal(m.a) ? m.a : m.b;
  const int s = d == m.a ? m.b : m.a;
  const QPointF ps = ports[s - 1];
  const Step step = PortStep[d - 1];
  // A straight port on the west or east side carries a horizontal track: the centre lies above
  // or below it; on the north or south side, to its left or right.
  if (s == 4 || s == 5) return {ps.x(), ps.y() + step.dy * kArcRadius};
  return {ps.x() + step.dx * kArcRadius, ps.y()};
}

QPainterPath movementPath(const Movement& m, const PortPoints& ports, double lead) {
  QPainterPath path;
  if (m.straight()) {
    path.moveTo(ports[m.a - 1]);
    path.lineTo(ports[m.b - 1]);
    return path;
  }
  const int d = isDiagonal(m.a) ? m.a : m.b;
  const int s = d == m.a ? m.b : m.a;
  const Step step = PortStep[d - 1];
  const QPointF corner = ports[d - 1];
  const QPointF leadEnd = corner - QPointF(step.dx * lead, step.dy * lead);
  const QPointF c = arcCentre(m, ports);
  const double start = snappedAngle(c, leadEnd);
  double sweep = snappedAngle(c, ports[s - 1]) - start;
  if (sweep > 180) sweep -= 360;
  if (sweep <= -180) sweep += 360;
  path.moveTo(corner);
  if (lead > 0) path.lineTo(leadEnd);
  path.arcTo(QRectF(c.x() - kArcRadius, c.y() - kArcRadius, 2 * kArcRadius, 2 * kArcRadius), start,
             sweep);
  return path;
}

}  // namespace szl::ui
