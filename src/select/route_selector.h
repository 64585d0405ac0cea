// The route selector's model: the route file read back into groups of routes with the same
// start and end, the route table, the ticks of the group list and of the route list of one
// group, and the rule that a kept route must keep a unique point: a point that no other kept
// route of its group passes through. The selector window shows this state and forwards the
// author's commands; the window never decides anything itself.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/station.h"
#include "select/route_file_reader.h"
#include "select/route_table.h"
#include "select/selector_host.h"

namespace szl {

inline constexpr int kMaxGroups = 16381;   // route groups in one route file
inline constexpr int kMaxPointSet = 4096;  // distinct points of the routes of one group

// How the kept routes of a saved station file fared when the selector prepared.
struct RouteCarry {
  int carried = 0;  // ticked again
  int dropped = 0;  // not found by the search, cut off by trimming, or refused by the tick rule
  std::vector<std::string> items;  // for the author: each dropped route, then the groups the
                                   // file kept no route of
};

// The route file holds no route: there is nothing to choose from.
Message noRoutesMessage();

class RouteSelector {
 public:
  RouteSelector();

  // Reads the route file, builds the group and route tables, ticks every group of fewer than
  // three routes and selects its routes, and says when no group needs the author's choice.
  // A file that cannot be used is refused with a message and changes nothing.
  bool Prepare(const Station& st, const std::string& routeFilePath, SelectorHost& host);
  // When the station carries kept routes from a saved file, each group that has some starts
  // with exactly those ticked (each tick passing the unique-point rule) and its row ticked; the
  // author hears once what could not be carried.
  const RouteCarry& carry() const { return carry_; }
  // Set by Prepare, cleared by Confirm: the window prepares again on its next first paint.
  bool prepared() const { return prepared_; }

  const RouteTable& table() const { return table_; }
  int groupCount() const { return static_cast<int>(table_.groups.size()); }
  int routeCount() const { return static_cast<int>(table_.routes.size()); }
  // True when a group of three or more routes waits for the author.
  bool needsManual() const;
  // The points of a route of the table in travel order.
  std::span<const int16_t> routePoints(int32_t route) const { return file_.pointsOf(route); }

  // The group list's ticks.
  bool groupTicked(int group) const { return groupTicked_[group] != 0; }
  void setGroupTicked(int group, bool ticked) { groupTicked_[group] = ticked; }
  void setAllGroupsTicked(bool ticked, SelectorHost& host);  // cmdSelectGrupy, cmdResetGrupy

  // The route list: the routes of one group in file order, with their ticks starting as their
  // selected flags (cmdShow, and the first step of cmdEdit).
  void ShowEdit(int group, SelectorHost& host);
  int currentGroup() const { return currentGroup_; }
  const std::vector<int32_t>& groupRoutes() const { return groupRoutes_; }
  bool routeTicked(int position) const { return routeTicked_[position] != 0; }
  void setAllRoutesTicked(bool ticked, SelectorHost& host);  // cmdSelectTrasy, cmdResetTrasy

  // cmdEdit: the route list of `group`, its points at hand, its first route drawn.
  void Edit(int group, const Station& st, SelectorHost& host);
  // A click on a route row: that route drawn instead of the one shown; clicked again while
  // ticked, its unique points are counted and marked.
  void clickRoute(int position, const Station& st, SelectorHost& host);
  // The author changed a route row's tick. Only the highlighted row may change (otherwise a
  // beep); a new tick must pass the unique-point rule, an untick always stands. Returns the
  // row's tick as it stands afterwards.
  bool changeRouteTick(int position, bool ticked, int highlighted, const Station& st,
                       SelectorHost& host);
  // The unique-point rule for a newly ticked route, with its three messages. Returns whether
  // the tick stands.
  bool tickRoute(int position, const Station& st, SelectorHost& host);
  // Counts the points of the route at `position` that no other ticked route of the group
  // passes through, and marks them on the main view.
  int CheckTrasa(int position, const Station& st, SelectorHost& host);
  int checkedPosition() const { return checked_; }
  int shownPosition() const { return shown_; }  // -1: none drawn

  // cmdApply: the ticks become the group's selected flags and the group row is ticked.
  void Accept(const Station& st, SelectorHost& host);
  // cmdOK, once the author confirmed: routes of unticked groups are dropped.
  void Confirm();

  // The route at `position` as the main view draws it.
  std::vector<RouteCell> routeCells(int position, const Station& st) const;

 private:
  // How many ticked routes of the current group pass through each point; a point counted once
  // per route however often the route passes it.
  class PointCounts {
   public:
    PointCounts();
    void clear();
    void add(std::span<const int16_t> points, int owner);
    int routesThrough(int16_t point) const { return gen_[point] == gen_now_ ? count_[point] : 0; }

   private:
    std::vector<uint32_t> gen_;
    std::vector<int32_t> last_;
    std::vector<int32_t> count_;
    uint32_t gen_now_ = 0;
  };

  void carryKeptRoutes(const Station& st);
  // Whether every ticked route but `position` keeps a point no other ticked route passes.
  bool othersKeepUnique(int position, SelectorHost* host);
  // Counts the routes through each point over the group's ticked routes but `except` (-1 for
  // none), telling the host the progress when there is one.
  void countTicked(int except, SelectorHost* host);
  std::span<const int16_t> positionPoints(int position) const {
    return file_.pointsOf(groupRoutes_[position]);
  }
  void progressOf(SelectorHost& host, int done, int total) const;

  RouteFile file_;
  RouteTable table_;
  std::vector<int32_t> groupFirst_;    // per group, its first index into groupMembers_
  std::vector<int32_t> groupMembers_;  // route indices grouped, file order within a group
  std::vector<char> groupTicked_;
  bool prepared_ = false;

  int currentGroup_ = -1;
  std::vector<int32_t> groupRoutes_;
  std::vector<char> routeTicked_;
  int checked_ = -1;
  int shown_ = -1;
  PointCounts counts_;
  RouteCarry carry_;
};

}  // namespace szl
