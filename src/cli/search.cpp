#include <iostream>
#include <map>

#include "cli/commands.h"
#include "model/preparation.h"
#include "search/route_search.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

namespace {

constexpr const char* kUsage =
    "Użycie: szlakownik-cli search STACJA.stc [--route-file NAZWA] [--electrified yes|no|all]\n"
    "  [--direction one-way|two-way|all] [--platform-rule on|off] [--allow-repeats on|off]\n"
    "  [--allow-long on|off] [--through-objects on|off] [--through-exits on|off]\n"
    "  [--through-sidings on|off] [--through-shed on|off] [--through-platforms on|off]\n";

int usage(const std::string& why) {
  std::cerr << "szlakownik-cli search: " << why << "\n" << kUsage;
  return 2;
}

// Without questions: every message is printed and answered OK.
class PrintingHost : public SearchHost {
 public:
  Answer ask(const Message& m) override {
    printMessage(m.title, m.text);
    return m.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
  }
};

bool onOff(const std::string& v, bool& out) {
  if (v == "on")
    out = true;
  else if (v == "off")
    out = false;
  else
    return false;
  return true;
}

}  // namespace

std::string parseSearchOptions(const Args& args, std::string& station, SearchOptions& opt) {
  const std::map<std::string, bool*> switches{
      {"--platform-rule", &opt.platformRule},
      {"--allow-repeats", &opt.allowRepeats},
      {"--allow-long", &opt.allowLong},
      {"--through-objects", &opt.passages.throughObjects},
      {"--through-exits", &opt.passages.throughExits},
      {"--through-sidings", &opt.passages.throughSidings},
      {"--through-shed", &opt.passages.throughShed},
      {"--through-platforms", &opt.passages.throughPlatforms},
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      if (!station.empty()) return "więcej niż jeden plik stacji: " + a;
      station = a;
      continue;
    }
    if (i + 1 >= args.size()) return "brak wartości opcji " + a;
    const std::string& v = args[++i];
    bool ok = true;
    if (a == "--route-file") {
      opt.routeFileBase = v;
    } else if (a == "--electrified") {
      if (v == "yes")
        opt.electrification = Electrification::Yes;
      else if (v == "no")
        opt.electrification = Electrification::No;
      else if (v == "all")
        opt.electrification = Electrification::All;
      else
        ok = false;
    } else if (a == "--direction") {
      if (v == "one-way")
        opt.direction = Direction::OneWay;
      else if (v == "two-way")
        opt.direction = Direction::TwoWay;
      else if (v == "all")
        opt.direction = Direction::All;
      else
        ok = false;
    } else if (auto s = switches.find(a); s != switches.end()) {
      ok = onOff(v, *s->second);
    } else {
      return "nieznana opcja " + a;
    }
    if (!ok) return "zła wartość opcji " + a + ": " + v;
  }
  if (station.empty()) return "brak pliku stacji";
  return {};
}

int search(const Args& args) {
  std::string path;
  SearchOptions opt;
  if (const std::string why = parseSearchOptions(args, path, opt); !why.empty()) return usage(why);

  const LoadResult res = WczytajStacje(path);
  if (!res.station) {
    const Message m = loadErrorMessage(res.error);
    printMessage(m.title, m.text);
    return 1;
  }
  Station st = *res.station;
  if (res.info.limitMessage) printMessage(sizeLimitMessage().title, sizeLimitMessage().text);
  if (res.info.screenMessage) printMessage(screenSizeMessage().title, screenSizeMessage().text);
  if (res.info.point0Warning) printMessage(point0Message().title, point0Message().text);

  PrzygotujStacje(st, opt.passages);
  PrintingHost host;
  const SearchResult r = Wyszukaj(st, opt, false, host);
  if (r.end == SearchEnd::Refused) return 1;

  const SearchCounters& c = r.counters;
  std::cout << "connections=" << c.connections << " proper=" << c.proper
            << " improper=" << c.improper << "\n"
            << "messages: stack=" << r.limitCount(MessageKind::StackOverflow)
            << " segment=" << r.limitCount(MessageKind::SegmentOverflow)
            << " too_long_199=" << r.limitCount(MessageKind::RouteTooLong)
            << " repeated=" << r.limitCount(MessageKind::RepeatedElements) << "\n";
  return r.end == SearchEnd::Completed ? 0 : 1;
}

}  // namespace szl::cli
