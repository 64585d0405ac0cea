#include <iostream>

#include "cli/commands.h"
#include "model/trimming.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

void printMessage(const std::string& title, const std::string& text) {
  std::string plain;
  for (char c : text)
    if (c != '\r') plain.push_back(c);
  std::cerr << "[" << title << "] " << plain << "\n";
}

int info(const std::string& station) {
  const LoadResult res = WczytajStacje(station);
  if (!res.station) {
    printMessage("Otwieranie stacji", res.error);
    return 1;
  }
  const Station& st = *res.station;
  const LoadInfo& li = res.info;
  if (li.limitMessage) printMessage(sizeLimitMessage().title, sizeLimitMessage().text);
  if (li.screenMessage) printMessage(screenSizeMessage().title, screenSizeMessage().text);
  if (li.point0Warning) printMessage(point0Message().title, point0Message().text);
  const TrimRect r = boundingBox(st);
  if (r.TrimAdvised) printMessage(trimAdviceMessage().title, trimAdviceMessage().text);
  std::cout << "rows=" << st.RowCount() << " cols=" << st.ColCount() << "\n"
            << "limit_message=" << li.limitMessage << " screen_message=" << li.screenMessage
            << " point0_warning=" << li.point0Warning << "\n"
            << "bbox=" << r.TrimXLo << "," << r.TrimXHi << "," << r.TrimYLo << "," << r.TrimYHi
            << " trim_advised=" << r.TrimAdvised << "\n";
  return 0;
}

}  // namespace szl::cli
