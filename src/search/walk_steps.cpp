#include "search/walk_steps.h"

#include <array>

#include "model/element_tables.h"

namespace szl {

namespace {
constexpr bool isObjectCode(int c) {
  return (c >= 1 && c <= 9) || c == 21 || c == 22 || c == 48 || (c >= 50 && c <= 53) || c == 210 ||
         c == 220 || c == 480 || (c >= 500 && c <= 530);
}

// The element row of every code up to the highest non-electrified one; -1 for an object code,
// kDeadCode for a code no walk goes into.
constexpr int kHighestCode = 660;
constexpr int kDeadCode = -2;
constexpr auto kKindOfCode = [] {
  std::array<int8_t, kHighestCode + 1> t{};
  for (int c = 0; c <= kHighestCode; ++c) {
    const int row = elementRow(c);
    t[c] = static_cast<int8_t>(isObjectCode(c) ? -1 : row >= 0 ? row : kDeadCode);
  }
  return t;
}();

// kExits[row][entry port - 1][crossing type]: the ports a train may leave by, bit p-1 for p.
using ExitTable = std::array<std::array<std::array<uint8_t, kCrossTypes>, 8>, kElementRows>;
constexpr ExitTable kExits = [] {
  ExitTable t{};
  for (int r = 0; r < kElementRows; ++r)
    for (int f = 0; f < 8; ++f)
      for (int e = 0; e < 8; ++e)
        for (int k = 0; k < kCrossTypes; ++k)
          if (PortPass[r][f][e][k]) t[r][f][k] = static_cast<uint8_t>(t[r][f][k] | (1 << e));
  return t;
}();

// An entry or exit takes a walk only in its own direction, an entry-exit from any side but
// straight north or south, any other object through a linked port. `leftBy` is the port the
// walk left the previous cell by.
bool accepts(const Station& st, int code, int x, int y, int leftBy) {
  switch (code) {
    case 50:
    case 500:
      return leftBy == 1 || leftBy == 4 || leftBy == 6;
    case 51:
    case 510:
      return leftBy == 3 || leftBy == 5 || leftBy == 8;
    case 52:
    case 520:
      return leftBy != 2 && leftBy != 7;
    default:
      return st.link(x, y, 9 - leftBy) == kLink;
  }
}
}  // namespace

CellEntry enterCell(const Station& st, int x, int y, int entryPort) {
  CellEntry e;
  // Cell (0, 0) cannot be part of a route.
  if (!st.inside(x, y) || (x == 0 && y == 0)) return e;
  const CellRec& c = st.cell(x, y);
  const int kind = c.Code >= 0 && c.Code <= kHighestCode ? kKindOfCode[c.Code] : kDeadCode;
  if (kind == kDeadCode) return e;
  if (kind >= 0) {
    // A track cell is entered only through a linked port.
    if (st.link(x, y, entryPort) != kLink) return e;
    const int type = c.CrossType >= 0 && c.CrossType < kCrossTypes ? c.CrossType : 0;
    e.enters = true;
    e.exits = kExits[kind][entryPort - 1][type];
    return e;
  }
  e.enters = true;
  e.object = true;
  e.accepts = accepts(st, c.Code, x, y, 9 - entryPort);
  if (c.Passable == 1)
    for (int k = 0; k < 3; ++k) {
      const int out = TurnPorts[entryPort - 1][k];
      if (st.link(x, y, out) != kNoLink) e.exits = static_cast<uint8_t>(e.exits | 1 << (out - 1));
    }
  return e;
}

bool startsWalk(const Station& st, int x, int y, int port) {
  return st.inside(x, y) && !(x == 0 && y == 0) && st.cell(x, y).Linked == 1 &&
         st.link(x, y, port) == kLink;
}

}  // namespace szl
