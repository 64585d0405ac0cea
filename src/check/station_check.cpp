#include "check/station_check.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

#include "model/element_tables.h"
#include "model/preparation.h"
#include "objects/object_class.h"
#include "platform/system.h"
#include "select/route_file_check.h"

namespace szl {

namespace {

bool isDigit(int c) { return c >= 1 && c <= 9; }
bool isEntryCode(int c) { return (c >= 50 && c <= 52) || c == 500 || c == 510 || c == 520; }
bool isPlatformCode(int c) { return c == 21 || c == 210; }

// The grid alone, analysed as the analysis would: no author's data, no links of an earlier run.
Station analysedGrid(const Station& st, const PassageSwitches& passages) {
  Station fresh(st.ColCount(), st.RowCount());
  for (int y = 0; y < st.RowCount(); ++y)
    for (int x = 0; x < st.ColCount(); ++x) {
      fresh.setCode(x, y, st.cell(x, y).Code);
      fresh.cell(x, y).CrossType = st.cell(x, y).CrossType;
    }
  PrzygotujStacje(fresh, passages);
  return fresh;
}

std::string pointText(int x, int y) { return "Punkt " + std::to_string(pointNumber(x, y)) + ": "; }

std::string objectName(const Station& st, int x, int y) {
  std::string name = objectClassName(objectClassAt(st, x, y));
  if (!name.empty()) name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
  return name;
}

// A track port leads nowhere: off the grid, into an empty cell, a digit, a code that is neither
// track nor object, or a track piece whose facing port is closed. An object there takes it.
bool leadsNowhere(const Station& st, int x, int y, int port) {
  const int nx = x + PortStep[port - 1].dx;
  const int ny = y + PortStep[port - 1].dy;
  if (!st.inside(nx, ny)) return true;
  const int code = st.cell(nx, ny).Code;
  if (isLinkedObjectCode(code)) return false;
  const int row = elementRow(code);
  return row < 0 || ElementPorts[row][9 - port] == 0;
}

// Some track on the given side (west 0, east 2) points back at the cell.
bool trackOnSide(const Station& st, int x, int y, int side) {
  for (int j = -1; j <= 1; ++j)
    if (pointsBack(st, x, y, PortAtStep[side][j + 1])) return true;
  return false;
}

}  // namespace

const char* findingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::DanglingEnd:
      return "dangling-end";
    case FindingKind::UnlinkedObject:
      return "unlinked-object";
    case FindingKind::LonelyDigit:
      return "lonely-digit";
    case FindingKind::MissingNumber:
      return "missing-number";
    case FindingKind::PointZero:
      return "point-zero";
    case FindingKind::NoRoute:
      break;
  }
  return "no-route";
}

std::vector<Finding> checkStation(const Station& original, const PassageSwitches& passages,
                                  const RouteFile* routes) {
  const Station st = analysedGrid(original, passages);
  std::vector<Finding> out;
  const auto add = [&](FindingKind k, int x, int y, std::string text) {
    out.push_back({k, x, y, pointText(x, y) + std::move(text)});
  };

  std::unordered_set<int> routeEnds;
  if (routes)
    for (size_t r = 0; r < routes->routes.size(); ++r) {
      const auto pts = routes->pointsOf(r);
      routeEnds.insert(pts.front());
      routeEnds.insert(pts.back());
    }
  const auto reached = [&](int x, int y, int cells) {
    for (int k = 0; k < cells; ++k)
      if (routeEnds.contains(pointNumber(x + k, y))) return true;
    return false;
  };

  for (int y = 0; y < st.RowCount(); ++y) {
    for (int x = 0; x < st.ColCount(); ++x) {
      const CellRec& c = st.cell(x, y);
      const int code = c.Code;
      const int row = elementRow(code);
      if (row >= 0) {
        for (int p = 1; p <= 8; ++p)
          if (ElementPorts[row][p] == 1 && leadsNowhere(st, x, y, p)) {
            add(FindingKind::DanglingEnd, x, y,
                "tor urywa się: jego wyjście nie prowadzi do żadnego toru ani obiektu.");
            break;
          }
        continue;
      }
      if (isDigit(code)) {
        bool numbers = c.InObject == 1;  // the middle of a platform or goods-track group
        const int around[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& n : around)
          numbers = numbers || (st.inside(n[0], n[1]) && isEntryCode(st.cell(n[0], n[1]).Code));
        if (!numbers)
          add(FindingKind::LonelyDigit, x, y,
              "cyfra " + std::to_string(code) + " nie numeruje żadnego obiektu.");
        continue;
      }
      if (!isLinkedObjectCode(code)) continue;
      const std::string name = objectName(st, x, y);
      if (c.InObject == 1) {
        // A group is one object, told at its first cell: reached through either end.
        if (st.object(x, y).ValueB != 1) continue;
        if (!trackOnSide(st, x, y, 0) && !trackOnSide(st, x + 2, y, 2))
          add(FindingKind::UnlinkedObject, x, y,
              "do obiektu (" + name + ") nie prowadzi żaden tor z żadnego jego końca.");
        if (isPlatformCode(code) && st.object(x, y).ValueC == 0)
          add(FindingKind::MissingNumber, x, y,
              "peron nie ma numeru: postaw cyfrę w jego środkowym polu.");
        if (routes && isPlatformCode(code) && !reached(x, y, 3))
          add(FindingKind::NoRoute, x, y, "żadna trasa nie zaczyna się ani nie kończy na peronie.");
        continue;
      }
      if (isEntryCode(code)) {
        // Either side makes it an entry or an exit; above or below it nothing does.
        if (!trackOnSide(st, x, y, 0) && !trackOnSide(st, x, y, 2))
          add(FindingKind::UnlinkedObject, x, y,
              "do obiektu (" + name + ") nie prowadzi żaden tor z lewej ani z prawej strony.");
        if (st.object(x, y).ValueC == 0)
          add(FindingKind::MissingNumber, x, y,
              "obiekt (" + name + ") nie ma numeru: postaw obok niego cyfrę.");
        if (routes && !reached(x, y, 1))
          add(FindingKind::NoRoute, x, y,
              "żadna trasa nie zaczyna się ani nie kończy na obiekcie (" + name + ").");
        continue;
      }
      if (c.Linked != 1)
        add(FindingKind::UnlinkedObject, x, y, "do obiektu (" + name + ") nie prowadzi żaden tor.");
    }
  }
  if (!st.empty() && st.cell(0, 0).Code != 0)
    add(FindingKind::PointZero, 0, 0,
        "pole nie jest puste, a punkt 0 nie może należeć do żadnej trasy.");

  std::stable_sort(out.begin(), out.end(), [](const Finding& a, const Finding& b) {
    if (a.point() != b.point()) return a.point() < b.point();
    return a.kind < b.kind;
  });
  return out;
}

std::vector<Finding> checkStationAndRouteFile(const Station& st, const SearchOptions& options) {
  Station prepared = st;
  PrzygotujStacje(prepared, options.passages);
  const std::string path = routeFilePath(prepared, options);
  std::error_code ec;
  if (std::filesystem::exists(sys::fsPath(path), ec)) {
    const RouteFileRead read = readRouteFile(path, prepared);
    if (read.file && routeFileMisfit(*read.file, prepared, path).empty())
      return checkStation(st, options.passages, &*read.file);
  }
  return checkStation(st, options.passages);
}

}  // namespace szl
