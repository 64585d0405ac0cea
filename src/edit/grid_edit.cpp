#include "edit/grid_edit.h"

#include <algorithm>
#include <functional>

#include "model/element_tables.h"
#include "objects/object_class.h"

namespace szl {

namespace {

// Left to right, port p looks through MirrorPort[p - 1].
constexpr int kMirrorPort[8] = {3, 2, 1, 5, 4, 8, 7, 6};

bool isEntryCode(int c) { return c == 50 || c == 51 || c == 500 || c == 510; }

// The kind of object a code stands for, electrified or not; 0 for track, digits and empty.
int objectKind(int code) {
  const int base = code >= 100 && code % 10 == 0 ? code / 10 : code;
  return elementRow(code) < 0 && base >= 21 && base <= 53 ? base : 0;
}

CellContent contentOf(const Station& st, int x, int y) {
  return {st.cell(x, y).Code, st.cell(x, y).CrossType, st.object(x, y)};
}

// The cell as the content says, its links from the tables as when it is read; objects get theirs
// from the next analysis.
void place(Station& st, int x, int y, const CellContent& c) {
  st.cell(x, y) = CellRec{};
  for (int p = 1; p <= 8; ++p) st.link(x, y, p) = kNoLink;
  st.setCode(x, y, c.Code);
  st.cell(x, y).CrossType = c.CrossType;
  st.object(x, y) = c.object;
}

CellBlock blockOf(const Station& st, CellRect r) {
  CellBlock b{r.w, r.h, {}};
  b.cells.reserve(static_cast<size_t>(r.w) * r.h);
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) b.cells.push_back(contentOf(st, x, y));
  return b;
}

void putBlock(Station& st, CellRect r, const CellBlock& b) {
  for (int y = 0; y < r.h; ++y)
    for (int x = 0; x < r.w; ++x) place(st, r.x + x, r.y + y, b.cells[y * r.w + x]);
}

std::string droppedLine(const Station& st, int x, int y) {
  return "punkt " + std::to_string(pointNumber(x, y)) + ", " +
         objectClassName(objectClassAt(st, x, y)) + ": dane obiektu usunięto razem z nim";
}

// The smallest rectangle holding every cell of `cells`.
CellRect around(std::span<const std::pair<int, int>> cells) {
  int x0 = cells.front().first, x1 = x0, y0 = cells.front().second, y1 = y0;
  for (const auto& [x, y] : cells) {
    x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  }
  return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

CellRect intersect(CellRect a, CellRect b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

CellRect unite(CellRect a, CellRect b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
  return {x0, y0, x1 - x0, y1 - y0};
}

bool inside(const Station& st, CellRect r) {
  return !r.empty() && r.x >= 0 && r.y >= 0 && r.x + r.w <= st.ColCount() &&
         r.y + r.h <= st.RowCount();
}

// A station of another size whose cell (x, y) is the old one's (oldX(x), oldY(y)), or empty
// where that is -1; kept routes follow their cells as with trimming.
using Map = std::function<int(int)>;
Station reshaped(const Station& st, int cols, int rows, const Map& oldX, const Map& oldY,
                 const Map& newX, const Map& newY) {
  Station out(cols, rows);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < cols; ++x)
      if (oldX(x) >= 0 && oldY(y) >= 0) place(out, x, y, contentOf(st, oldX(x), oldY(y)));
  out.KeptRoutes = st.KeptRoutes;
  out.RoutesTaken = st.RoutesTaken;
  for (KeptRoute& k : out.KeptRoutes)
    for (int16_t& p : k.points) {
      const int x = newX(pointColumn(p));
      const int y = newY(pointRow(p));
      if (x < 0 || y < 0 || (x == 0 && y == 0)) {
        k.points.clear();
        break;
      }
      p = static_cast<int16_t>(pointNumber(x, y));
    }
  return out;
}

// The grid, objects and kept routes of `from`; the station-wide data stay the author's now.
void takeGrid(Station& st, const Station& from) {
  Station out = from;
  out.StationDir = st.StationDir;
  out.StationFile = st.StationFile;
  out.StationComment = st.StationComment;
  out.TickIndex = st.TickIndex;
  st = std::move(out);
}

}  // namespace

void GridEdit::apply(Station& st) const {
  if (wholeAfter_) {
    takeGrid(st, *wholeAfter_);
    return;
  }
  putBlock(st, touched_, after_);
}

void GridEdit::undo(Station& st) const {
  if (wholeBefore_) {
    takeGrid(st, *wholeBefore_);
    return;
  }
  putBlock(st, touched_, before_);
}

GridEdit GridEditor::inPlace(std::string name, CellRect r, CellBlock before, CellBlock after,
                             std::vector<std::string> dropped) {
  GridEdit e;
  e.name_ = std::move(name);
  e.touched_ = r;
  e.before_ = std::move(before);
  e.after_ = std::move(after);
  e.dropped_ = std::move(dropped);
  return e;
}

GridEdit GridEditor::resized(const Station& st, Station after, std::string name,
                             std::vector<std::string> dropped) {
  GridEdit e;
  e.name_ = std::move(name);
  e.touched_ = {0, 0, after.ColCount(), after.RowCount()};
  e.wholeBefore_ = std::make_shared<const Station>(st);
  e.wholeAfter_ = std::make_shared<const Station>(std::move(after));
  e.dropped_ = std::move(dropped);
  return e;
}

GridEdit GridEditor::paint(const Station& st, std::span<const std::pair<int, int>> cells,
                           int16_t code) {
  std::vector<std::pair<int, int>> in;
  for (const auto& c : cells)
    if (st.inside(c.first, c.second)) in.push_back(c);
  if (in.empty()) return inPlace("malowanie", {}, {}, {}, {});
  const CellRect r = around(in);
  CellBlock before = blockOf(st, r);
  CellBlock after = before;
  std::vector<std::string> dropped;
  for (const auto& [x, y] : in) {
    CellContent& c = after.cells[(y - r.y) * r.w + (x - r.x)];
    if (c.Code == code) continue;
    // The object's data stays when it is repainted as the same kind of object.
    if (objectKind(c.Code) == 0 || objectKind(c.Code) != objectKind(code)) {
      if (c.object.AuthorData) dropped.push_back(droppedLine(st, x, y));
      c.object = ObjectRec{};
    }
    c.Code = code;
    c.CrossType = 0;
  }
  return inPlace("malowanie", r, std::move(before), std::move(after), std::move(dropped));
}

GridEdit GridEditor::erase(const Station& st, CellRect r) {
  r = intersect(r, {0, 0, st.ColCount(), st.RowCount()});
  CellBlock before = blockOf(st, r);
  CellBlock after{r.w, r.h, std::vector<CellContent>(before.cells.size())};
  std::vector<std::string> dropped;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x)
      if (st.object(x, y).AuthorData) dropped.push_back(droppedLine(st, x, y));
  return inPlace("usunięcie", r, std::move(before), std::move(after), std::move(dropped));
}

CellBlock GridEditor::copy(const Station& st, CellRect r) {
  return blockOf(st, intersect(r, {0, 0, st.ColCount(), st.RowCount()}));
}

std::optional<GridEdit> GridEditor::move(const Station& st, CellRect r, int dx, int dy) {
  const CellRect to{r.x + dx, r.y + dy, r.w, r.h};
  if (!inside(st, r) || !inside(st, to)) return std::nullopt;
  const CellRect all = unite(r, to);
  CellBlock before = blockOf(st, all);
  CellBlock after{all.w, all.h, std::vector<CellContent>(before.cells.size())};
  const auto at = [&](int x, int y) -> size_t { return (y - all.y) * all.w + (x - all.x); };
  std::vector<std::string> dropped;
  for (int y = all.y; y < all.y + all.h; ++y)
    for (int x = all.x; x < all.x + all.w; ++x) {
      const bool inFrom = x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
      const bool inTo = x >= to.x && x < to.x + to.w && y >= to.y && y < to.y + to.h;
      if (inTo)
        after.cells[at(x, y)] = before.cells[at(x - dx, y - dy)];
      else if (!inFrom)
        after.cells[at(x, y)] = before.cells[at(x, y)];
      // What the moved cells land on goes, and its data with it.
      if (inTo && !inFrom && st.object(x, y).AuthorData) dropped.push_back(droppedLine(st, x, y));
    }
  return inPlace("przesunięcie zaznaczenia", all, std::move(before), std::move(after),
                 std::move(dropped));
}

GridEdit GridEditor::paste(const Station& st, const CellBlock& block, int x, int y) {
  const CellRect r = intersect({x, y, block.w, block.h}, {0, 0, st.ColCount(), st.RowCount()});
  CellBlock before = blockOf(st, r);
  CellBlock after = before;
  std::vector<std::string> dropped;
  for (int cy = r.y; cy < r.y + r.h; ++cy)
    for (int cx = r.x; cx < r.x + r.w; ++cx) {
      if (st.object(cx, cy).AuthorData) dropped.push_back(droppedLine(st, cx, cy));
      after.cells[(cy - r.y) * r.w + (cx - r.x)] = block.cells[(cy - y) * block.w + (cx - x)];
    }
  return inPlace("wklejenie", r, std::move(before), std::move(after), std::move(dropped));
}

std::optional<GridEdit> GridEditor::flip(const Station& st, CellRect r) {
  if (!inside(st, r)) return std::nullopt;
  CellBlock before = blockOf(st, r);
  CellBlock after = before;
  for (int y = 0; y < r.h; ++y)
    for (int x = 0; x < r.w; ++x) {
      CellContent c = before.cells[y * r.w + (r.w - 1 - x)];
      const auto m = mirrored(c.Code, c.CrossType);
      if (!m) return std::nullopt;
      c.Code = m->first;
      c.CrossType = m->second;
      // The side an entry lies on turns with it.
      const int base = objectKind(c.Code);
      if ((base == 50 || base == 51 || base == 52) && (c.object.Side == 1 || c.object.Side == 2))
        c.object.Side = static_cast<uint8_t>(3 - c.object.Side);
      after.cells[y * r.w + x] = c;
    }
  return inPlace("odbicie zaznaczenia", r, std::move(before), std::move(after), {});
}

std::optional<GridEdit> GridEditor::line(const Station& st, int at, bool row, bool insert) {
  const int count = row ? st.RowCount() : st.ColCount();
  if (at < 0 || at > count - (insert ? 0 : 1)) return std::nullopt;
  if (insert ? count >= (row ? kLoadRows : kLoadColumns) : count <= 1) return std::nullopt;
  std::vector<std::string> dropped;
  if (!insert)
    for (int i = 0; i < (row ? st.ColCount() : st.RowCount()); ++i) {
      const int x = row ? i : at;
      const int y = row ? at : i;
      if (st.object(x, y).AuthorData) dropped.push_back(droppedLine(st, x, y));
    }
  // Across the line: the side without it (-1 for the line itself) and the side with it.
  const Map without = [at](int v) { return v < at ? v : v == at ? -1 : v - 1; };
  const Map with = [at](int v) { return v < at ? v : v + 1; };
  const Map same = [](int v) { return v; };
  const Map& oldLine = insert ? without : with;
  const Map& newLine = insert ? with : without;
  const int size = count + (insert ? 1 : -1);
  Station after = row ? reshaped(st, st.ColCount(), size, same, oldLine, same, newLine)
                      : reshaped(st, size, st.RowCount(), oldLine, same, newLine, same);
  const char* name = row ? (insert ? "wstawienie wiersza" : "usunięcie wiersza")
                         : (insert ? "wstawienie kolumny" : "usunięcie kolumny");
  return resized(st, std::move(after), name, std::move(dropped));
}

std::optional<GridEdit> GridEditor::insertRow(const Station& st, int at) {
  return line(st, at, true, true);
}
std::optional<GridEdit> GridEditor::deleteRow(const Station& st, int at) {
  return line(st, at, true, false);
}
std::optional<GridEdit> GridEditor::insertColumn(const Station& st, int at) {
  return line(st, at, false, true);
}
std::optional<GridEdit> GridEditor::deleteColumn(const Station& st, int at) {
  return line(st, at, false, false);
}

GridEdit GridEditor::trim(const Station& st, const TrimRect& r) {
  return resized(st, cutStation(st, r), "przycięcie", {});
}

std::optional<std::pair<int16_t, int16_t>> mirrored(int16_t code, int16_t crossType) {
  if (code == 0 || (code >= 1 && code <= 9)) return std::pair{code, int16_t{0}};
  if (isEntryCode(code)) {
    const int base = code >= 100 ? code / 10 : code;
    const int m = base == 50 ? 51 : 50;
    return std::pair{static_cast<int16_t>(code >= 100 ? m * 10 : m), int16_t{0}};
  }
  if (objectKind(code) != 0) return std::pair{code, crossType};
  const int row = elementRow(code);
  if (row < 0) return std::nullopt;
  const bool electrified = electrifiedRow(code) >= 0;
  for (int r = 0; r < kElementRows; ++r) {
    bool same = true;
    for (int p = 1; p <= 8 && same; ++p)
      same = ElementPorts[r][kMirrorPort[p - 1]] == ElementPorts[row][p];
    if (!same) continue;
    // The movements must mirror too: a slip crossing's type whose passages are the mirror image.
    for (int k = 0; k < kCrossTypes; ++k) {
      bool passes = true;
      for (int f = 1; f <= 8 && passes; ++f)
        for (int t = 1; t <= 8 && passes; ++t)
          passes = PortPass[r][kMirrorPort[f - 1] - 1][kMirrorPort[t - 1] - 1][k] ==
                   PortPass[row][f - 1][t - 1][crossType];
      if (passes) {
        const int c = ElementPorts[r][0];
        return std::pair{static_cast<int16_t>(electrified ? c : c * 10), static_cast<int16_t>(k)};
      }
    }
  }
  return std::nullopt;
}

Station newStation(int cols, int rows) { return Station(cols, rows); }

}  // namespace szl
