#include <iostream>

#include "cli/commands.h"
#include "model/preparation.h"
#include "search/route_search.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

namespace {

// Without questions: every message is printed and answered OK.
class PrintingHost : public SearchHost {
 public:
  Answer ask(const Message& m) override {
    printMessage(m.title, m.text);
    return m.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
  }
};

}  // namespace

int search(const std::string& station, const SearchOptions& opt) {
  const LoadResult res = WczytajStacje(station);
  if (!res.station) {
    const Message m = loadErrorMessage(res.error);
    printMessage(m.title, m.text);
    return 1;
  }
  Station st = *res.station;
  if (res.info.limitMessage) printMessage(sizeLimitMessage().title, sizeLimitMessage().text);
  if (res.info.screenMessage) printMessage(screenSizeMessage().title, screenSizeMessage().text);
  if (res.info.point0Warning) printMessage(point0Message().title, point0Message().text);

  if (!analysable(st)) {
    const Message big = tooLargeToAnalyseMessage(st);
    printMessage(big.title, big.text);
    return 1;
  }
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
            << " repeated=" << r.limitCount(MessageKind::RepeatedElements)
            << " given_up=" << r.limitCount(MessageKind::WalkAbandoned) << "\n";
  return r.end == SearchEnd::Completed ? 0 : 1;
}

}  // namespace szl::cli
