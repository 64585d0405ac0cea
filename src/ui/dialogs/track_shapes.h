// Track shapes shared by the zoom board and the crossing-type pictures: which movements an
// element has, and each movement as a path, a straight line across the cell or a 45-degree arc
// of radius 114 that turns from a diagonal port to a straight one.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <array>
#include <vector>

namespace szl::ui {

// Two ports a train can pass between, a < b.
struct Movement {
  int a = 0;
  int b = 0;
  bool straight() const { return a + b == 9; }
  bool operator==(const Movement&) const = default;
};

// The movements of element row `row` in crossing type `type` (0 for everything but the slip
// crossings), straights first, then curves, each group in port order. Empty for a row or type
// outside the tables.
std::vector<Movement> elementMovements(int row, int type);

inline constexpr double kArcRadius = 114.0;

// Where the eight ports sit on a picture (index p - 1).
using PortPoints = std::array<QPointF, 8>;

// The path of one movement. A straight joins the two port points. A curve starts at the
// diagonal port, runs `lead` pixels straight towards the cell centre, and then follows the arc
// whose centre lies `kArcRadius` from the straight port, square to that port's track, on the
// diagonal port's side; the arc ends at the straight port.
QPainterPath movementPath(const Movement& m, const PortPoints& ports, double lead);

// The arc centre of a curve, for the same geometry.
QPointF arcCentre(const Movement& m, const PortPoints& ports);

}  // namespace szl::ui
