#include "select/route_selector.h"

#include <algorithm>
#include <unordered_map>

#include "model/element_tables.h"
#include "model/plural.h"

namespace szl {

namespace {

constexpr const char* kTitle = "Selekcja tras";
constexpr const char* kTickTitle = "Dodaj trasę";
constexpr int kPointSpace = 32768;  // every non-negative 16-bit point number

struct Refusal {
  std::string text;
};

Message allUniqueMessage() {
  return {Icon::Information, kTitle,
          std::string("Każda z tych tras ma swoje punkty unikalne. ") + CrLf +
              "Nie ma potrzeby dokonywać ręcznej selekcji.",
          Buttons::Ok};
}

Message othersLoseMessage() {
  return {Icon::Critical, kTickTitle,
          std::string("Zaznaczenie tej trasy spowoduje, że któraś/-eś ") + CrLf +
              "z pozostałych zaznaczonych tras straci/-ą swoje " + CrLf +
              "unikalne punkty jednoznacznego wyboru." + CrLf + CrLf +
              "Aby unikać takich sytuacji, należy rozpoczynać " + CrLf +
              "zaznaczanie tras od przebiegów najważniejszych." + CrLf + CrLf +
              "Jeżeli ta trasa musi być koniecznie zaznaczona, " + CrLf +
              "musisz usunąć którąś/-eś z zaznaczonych tras.",
          Buttons::Ok};
}

Message noUniqueMessage() {
  return {Icon::Critical, kTickTitle,
          std::string("Ta trasa nie ma ani jednego unikalnego punktu ") + CrLf +
              "w stosunku do pozostałych zaznaczonych tras." + CrLf + CrLf +
              "Jeżeli ta trasa musi być koniecznie zaznaczona, " + CrLf +
              "musisz usunąć którąś/-eś z zaznaczonych tras.",
          Buttons::Ok};
}

Message uniqueCountMessage(int count) {
  return {Icon::Information, kTickTitle,
          "Ta trasa ma " + std::to_string(count) + " unikalnych punktów." + CrLf + CrLf +
              "Automatycznie liczba punktów unikalnych " + CrLf +
              "w zaznaczonych już trasach zmniejsza się.",
          Buttons::Ok};
}

uint32_t groupKey(int16_t start, int16_t end) {
  return (static_cast<uint32_t>(static_cast<uint16_t>(start)) << 16) | static_cast<uint16_t>(end);
}

}  // namespace

Message noRoutesMessage() {
  return {Icon::Critical, kTitle, "W pliku z trasami nie ma ani jednej trasy.", Buttons::Ok};
}

RouteSelector::PointCounts::PointCounts()
    : gen_(kPointSpace, 0), last_(kPointSpace, -1), count_(kPointSpace, 0) {}

void RouteSelector::PointCounts::clear() {
  if (++gen_now_ == 0) {  // wrapped: forget every stamp
    std::fill(gen_.begin(), gen_.end(), 0);
    gen_now_ = 1;
  }
}

void RouteSelector::PointCounts::add(std::span<const int16_t> points, int owner) {
  for (const int16_t p : points) {
    if (gen_[p] != gen_now_) {
      gen_[p] = gen_now_;
      count_[p] = 0;
      last_[p] = -1;
    }
    if (last_[p] != owner) {
      last_[p] = owner;
      ++count_[p];
    }
  }
}

RouteSelector::RouteSelector() = default;

void RouteSelector::progressOf(SelectorHost& host, int done, int total) const {
  // Whole percents are enough for a progress bar, and a group of thousands of routes stays fast.
  if (total <= 0) return;
  const long long now = 100LL * done / total;
  const long long before = 100LL * (done - 1) / total;
  if (done == total || now != before)
    host.progress(static_cast<double>(done) / static_cast<double>(total));
}

bool RouteSelector::Prepare(const Station& st, const std::string& routeFilePath,
                            SelectorHost& host) {
  RouteFileRead read = readRouteFile(routeFilePath, st, [&](double f) { host.progress(f); });
  try {
    if (!read.file) throw Refusal{read.error};
    RouteFile& file = *read.file;
    const int routes = static_cast<int>(file.routes.size());
    host.progress(0);

    // Grouping by (start, end), groups in order of first appearance.
    RouteTable table;
    table.routes.resize(routes);
    std::unordered_map<uint32_t, int32_t> index;
    index.reserve(static_cast<size_t>(routes < kMaxGroups ? routes : kMaxGroups) + 1);
    for (int r = 0; r < routes; ++r) {
      const auto pts = file.pointsOf(r);
      const auto [it, fresh] = index.try_emplace(groupKey(pts.front(), pts.back()),
                                                 static_cast<int32_t>(table.groups.size()));
      if (fresh) {
        if (table.groups.size() == kMaxGroups)
          throw Refusal{"Plik z trasami " + routeFilePath + " zawiera za dużo grup tras:" + CrLf +
                        "w wierszu " + std::to_string(file.routes[r].line) +
                        " pliku zaczyna się grupa " + std::to_string(kMaxGroups + 1) +
                        "., a selekcja tras mieści najwyżej " + std::to_string(kMaxGroups) +
                        " grup" + CrLf +
                        "(grupa to trasy o tym samym punkcie początkowym i końcowym)."};
        table.groups.push_back({pts.front(), pts.back(), 0});
      }
      table.routes[r].group = it->second;
      ++table.groups[it->second].routeCount;
    }

    // The attributes of every route, with the class of every point looked up once.
    std::vector<ObjectClass> classOf(kPointSpace, ObjectClass::None);
    for (int y = 0; y < st.RowCount(); ++y)
      for (int x = 0; x < st.ColCount(); ++x) classOf[pointNumber(x, y)] = objectClassAt(st, x, y);
    for (int r = 0; r < routes; ++r) {
      RouteRec& rec = table.routes[r];
      const RouteLine& line = file.routes[r];
      rec.bidirectional = line.bidirectional;
      rec.electrified = line.electrified;
      rec.pointCount = line.pointCount;
      for (const int16_t p : file.pointsOf(r)) {
        const ObjectClass c = classOf[p];
        if (c != ObjectClass::None) rec.classes[static_cast<int>(c)] = true;
      }
      rec.selected = table.groups[rec.group].routeCount < 3;
      if ((r & 255) == 255) progressOf(host, r, routes - 1);
    }

    // The routes of each group, in file order, so that a group is found without a scan.
    const int groups = static_cast<int>(table.groups.size());
    std::vector<int32_t> first(groups + 1, 0);
    for (int g = 0; g < groups; ++g) first[g + 1] = first[g] + table.groups[g].routeCount;
    std::vector<int32_t> members(routes);
    {
      std::vector<int32_t> fill(first.begin(), first.end() - 1);
      for (int r = 0; r < routes; ++r) members[fill[table.routes[r].group]++] = r;
    }

    // No group may pass through more distinct points than one point set holds. A station of
    // no more cells than that cannot, nor can a group of no more points.
    std::vector<int32_t> seen;
    if (st.ColCount() * st.RowCount() > kMaxPointSet) seen.assign(kPointSpace, -1);
    for (int g = 0; g < groups && !seen.empty(); ++g) {
      long long total = 0;
      for (int32_t k = first[g]; k < first[g + 1]; ++k) total += file.routes[members[k]].pointCount;
      if (total <= kMaxPointSet) continue;
      int distinct = 0;
      for (int32_t k = first[g]; k < first[g + 1]; ++k) {
        for (const int16_t p : file.pointsOf(members[k])) {
          if (seen[p] == g) continue;
          seen[p] = g;
          if (++distinct > kMaxPointSet)
            throw Refusal{"Plik z trasami " + routeFilePath +
                          " zawiera za dużą grupę tras:" + CrLf + "trasy od punktu " +
                          std::to_string(table.groups[g].start) + " do punktu " +
                          std::to_string(table.groups[g].end) + " przechodzą przez więcej niż " +
                          std::to_string(kMaxPointSet) + " różnych punktów;" + CrLf +
                          "ta granica zostaje przekroczona w wierszu " +
                          std::to_string(file.routes[members[k]].line) + " pliku."};
        }
      }
    }

    file_ = std::move(file);
    table_ = std::move(table);
    groupFirst_ = std::move(first);
    groupMembers_ = std::move(members);
  } catch (const Refusal& r) {
    host.progress(0);
    host.ask({Icon::Critical, kTitle, r.text, Buttons::Ok});
    return false;
  }

  // The group list: groups of one or two routes need no choice.
  const int groups = groupCount();
  groupTicked_.assign(groups, 0);
  for (int g = 0; g < groups; ++g) {
    groupTicked_[g] = table_.groups[g].routeCount < 3;
    progressOf(host, g + 1, groups);
  }
  carry_ = {};
  if (st.RoutesTaken) carryKeptRoutes(st);
  currentGroup_ = -1;
  groupRoutes_.clear();
  routeTicked_.clear();
  checked_ = -1;
  shown_ = -1;
  prepared_ = true;
  if (!table_.empty() && !needsManual()) host.ask(allUniqueMessage());
  if (!carry_.items.empty())
    host.ask(listMessage(
        kTitle, "Nie każdy wybór tras zapisany w pliku stacji dał się przenieść:", carry_.items));
  host.progress(0);
  return true;
}

void RouteSelector::carryKeptRoutes(const Station& st) {
  const int groups = groupCount();
  std::unordered_map<uint32_t, int32_t> groupOf;
  for (int g = 0; g < groups; ++g)
    groupOf.emplace(groupKey(table_.groups[g].start, table_.groups[g].end), g);
  std::vector<std::vector<const KeptRoute*>> kept(groups);
  const auto routeName = [](const KeptRoute& k) {
    return "trasa od punktu " + std::to_string(k.fileStart) + " do punktu " +
           std::to_string(k.fileEnd) + " (wiersz " + std::to_string(k.line) + " pliku stacji)";
  };
  auto drop = [&](const KeptRoute& k, const char* why) {
    ++carry_.dropped;
    carry_.items.push_back(routeName(k) + ": " + why);
  };
  for (const KeptRoute& k : st.KeptRoutes) {
    if (k.points.empty()) {
      drop(k, "leży poza przyciętą stacją");
      continue;
    }
    const auto g = groupOf.find(groupKey(k.points.front(), k.points.back()));
    if (g == groupOf.end())
      drop(k, "wyszukiwanie nie znalazło już żadnej trasy między tymi punktami");
    else
      kept[g->second].push_back(&k);
  }

  // An object the file had no record of is new, and so is every group that starts or ends at it.
  const auto newObjectAt = [&](int16_t p) {
    return !st.object(pointColumn(p), pointRow(p)).AuthorData;
  };
  std::vector<std::string> groupNotes;
  for (int g = 0; g < groups; ++g) {
    const RouteGroup& gr = table_.groups[g];
    const bool whole = gr.routeCount < 3;
    const std::string name = "grupa od punktu " + std::to_string(gr.start) + " do punktu " +
                             std::to_string(gr.end) + " (" +
                             counted(gr.routeCount, "trasa", "trasy", "tras") + ")";
    const char* usual = whole ? "zachowana w całości, jak zwykle" : "czeka na wybór tras";
    if (kept[g].empty()) {
      // A group the author saw was either kept whole or left for later: only one that cannot have
      // been seen is worth a word.
      if (whole || newObjectAt(gr.start) || newObjectAt(gr.end))
        groupNotes.push_back(name + ": nowa, plik stacji nie zachował z niej żadnej trasy; " +
                             usual);
      continue;
    }
    // The file's routes ticked in its order, as if the author ticked them again.
    groupRoutes_.assign(groupMembers_.begin() + groupFirst_[g],
                        groupMembers_.begin() + groupFirst_[g + 1]);
    const int n = static_cast<int>(groupRoutes_.size());
    routeTicked_.assign(n, 0);
    std::vector<std::string> lost;
    int ticked = 0;
    for (const KeptRoute* k : kept[g]) {
      int found = -1;
      for (int pos = 0; pos < n && found < 0; ++pos) {
        const auto pts = positionPoints(pos);
        if (!routeTicked(pos) &&
            std::equal(pts.begin(), pts.end(), k->points.begin(), k->points.end()))
          found = pos;
      }
      if (found < 0) {
        ++carry_.dropped;
        lost.push_back(routeName(*k) + ": wyszukiwanie jej nie znalazło");
        continue;
      }
      routeTicked_[found] = 1;
      bool stands = othersKeepUnique(found, nullptr);
      if (stands) {
        // The new route needs a point of its own too.
        countTicked(found, nullptr);
        stands = std::ranges::any_of(positionPoints(found),
                                     [&](int16_t p) { return counts_.routesThrough(p) == 0; });
      }
      if (!stands) {
        routeTicked_[found] = 0;
        ++carry_.dropped;
        lost.push_back(routeName(*k) +
                       ": po zaznaczeniu tras przed nią nie ma już unikalnego punktu");
        continue;
      }
      ++carry_.carried;
      ++ticked;
    }
    if (ticked == 0) {
      // Nothing the author kept is left: the group starts as any other, and is said once.
      groupNotes.push_back(
          name + ": wyszukiwanie nie znalazło żadnej z tras, które zachował z niej " +
          "plik stacji (" + counted(static_cast<int>(kept[g].size()), "trasa", "trasy", "tras") +
          "); " + usual);
      continue;
    }
    carry_.items.insert(carry_.items.end(), lost.begin(), lost.end());
    for (int pos = 0; pos < n; ++pos) table_.routes[groupRoutes_[pos]].selected = routeTicked(pos);
    groupTicked_[g] = 1;
    // A group small enough to be kept whole was kept whole when it was saved: a route of it the
    // file does not hold is one the author never saw.
    if (whole && ticked < n)
      groupNotes.push_back(name + ": ma trasę, której plik stacji nie zachował; zaznaczono tylko " +
                           "trasy z pliku");
  }
  carry_.items.insert(carry_.items.end(), groupNotes.begin(), groupNotes.end());
}

bool RouteSelector::othersKeepUnique(int position, SelectorHost* host) {
  const int n = static_cast<int>(groupRoutes_.size());
  // Counting the routes through each point answers the question for every route at once.
  countTicked(-1, nullptr);
  for (int m = 0; m < n; ++m) {
    if (!routeTicked(m) || m == position) continue;
    int unique = 0;
    for (const int16_t p : positionPoints(m))
      if (counts_.routesThrough(p) == 1) ++unique;
    if (host && n > 1) progressOf(*host, m, n - 1);
    if (unique == 0) return false;
  }
  return true;
}

bool RouteSelector::needsManual() const {
  for (const RouteGroup& g : table_.groups)
    if (g.routeCount >= 3) return true;
  return false;
}

void RouteSelector::setAllGroupsTicked(bool ticked, SelectorHost& host) {
  const int groups = groupCount();
  for (int g = 0; g < groups; ++g) {
    groupTicked_[g] = ticked;
    progressOf(host, g + 1, groups);
  }
  host.progress(0);
}

void RouteSelector::ShowEdit(int group, SelectorHost& host) {
  checked_ = -1;
  if (group < 0 || group >= groupCount()) {  // no group highlighted: an empty route list
    currentGroup_ = -1;
    groupRoutes_.clear();
    routeTicked_.clear();
    return;
  }
  currentGroup_ = group;
  groupRoutes_.assign(groupMembers_.begin() + groupFirst_[group],
                      groupMembers_.begin() + groupFirst_[group + 1]);
  const int n = static_cast<int>(groupRoutes_.size());
  routeTicked_.assign(n, 0);
  for (int k = 0; k < n; ++k) {
    routeTicked_[k] = table_.routes[groupRoutes_[k]].selected;
    progressOf(host, k + 1, n);
  }
  host.progress(0);
}

void RouteSelector::setAllRoutesTicked(bool ticked, SelectorHost& host) {
  const int n = static_cast<int>(routeTicked_.size());
  for (int k = 0; k < n; ++k) {
    routeTicked_[k] = ticked;
    progressOf(host, k + 1, n);
  }
  host.progress(0);
}

void RouteSelector::Edit(int group, const Station& st, SelectorHost& host) {
  ShowEdit(group, host);
  // The points of every route are at hand since the preparation, so the group's routes need no
  // new pass over the route file.
  shown_ = -1;
  if (groupRoutes_.empty()) return;
  host.showRoute(routeCells(0, st));
  shown_ = 0;
}

void RouteSelector::clickRoute(int position, const Station& st, SelectorHost& host) {
  if (shown_ > -1) host.restoreRoute(routeCells(shown_, st));
  const int before = shown_;
  checked_ = position;
  host.showRoute(routeCells(position, st));
  if (routeTicked(position) && position == before) CheckTrasa(position, st, host);
  shown_ = position;
}

bool RouteSelector::changeRouteTick(int position, bool ticked, int highlighted, const Station& st,
                                    SelectorHost& host) {
  checked_ = position;
  if (position != highlighted) {
    host.beep();
    return routeTicked(position);
  }
  if (!ticked) {
    routeTicked_[position] = 0;
    return false;
  }
  if (routeTicked(position)) return true;
  return tickRoute(position, st, host);
}

bool RouteSelector::tickRoute(int position, const Station& st, SelectorHost& host) {
  checked_ = position;
  routeTicked_[position] = 1;
  // Every other ticked route must keep a point that no other ticked route passes through, the
  // new one included.
  if (!othersKeepUnique(position, &host)) {
    routeTicked_[position] = 0;
    host.progress(0);
    host.ask(othersLoseMessage());
    return false;
  }

  const int count = CheckTrasa(position, st, host);
  if (count == 0) {
    routeTicked_[position] = 0;
    host.ask(noUniqueMessage());
    return false;
  }
  host.ask(uniqueCountMessage(count));
  return true;
}

void RouteSelector::countTicked(int except, SelectorHost* host) {
  const int n = static_cast<int>(groupRoutes_.size());
  counts_.clear();
  for (int i = 0; i < n; ++i) {
    if (routeTicked(i) && i != except) counts_.add(positionPoints(i), i);
    if (host && n > 1) progressOf(*host, i, n - 1);
  }
}

int RouteSelector::CheckTrasa(int position, const Station& st, SelectorHost& host) {
  countTicked(position, &host);
  host.progress(0);
  int unique = 0;
  for (const int16_t p : positionPoints(position)) {
    if (counts_.routesThrough(p) != 0) continue;
    ++unique;
    const int x = pointColumn(p);
    const int y = pointRow(p);
    // A point of no known element kind counts but is not drawn.
    const int row = elementRow(st.cell(x, y).Code);
    if (row >= 0) host.markUniquePoint(x, y, row);
  }
  return unique;
}

void RouteSelector::Accept(const Station& st, SelectorHost& host) {
  const int n = static_cast<int>(groupRoutes_.size());
  for (int k = 0; k < n; ++k) {
    table_.routes[groupRoutes_[k]].selected = routeTicked(k);
    progressOf(host, k + 1, n);
  }
  host.progress(0);
  if (currentGroup_ >= 0) groupTicked_[currentGroup_] = 1;
  if (shown_ > -1) host.restoreRoute(routeCells(shown_, st));
  shown_ = -1;
}

void RouteSelector::Confirm() {
  for (RouteRec& r : table_.routes)
    if (!groupTicked_[r.group]) r.selected = false;
  prepared_ = false;
}

std::vector<RouteCell> RouteSelector::routeCells(int position, const Station& st) const {
  std::vector<RouteCell> cells;
  for (const int16_t p : positionPoints(position)) {
    const int x = pointColumn(p);
    const int y = pointRow(p);
    cells.push_back({st.cell(x, y).Code, static_cast<int16_t>(x), static_cast<int16_t>(y)});
  }
  return cells;
}

}  // namespace szl
