#include <iostream>

#include "cli/commands.h"
#include "model/trimming.h"
#include "stationfile/station_reader.h"

namespace szl::cli {

int info(const std::string& station) {
  const LoadResult res = WczytajStacje(station);
  if (!res.station) {
    printMessage(loadErrorMessage(res.error));
    return 1;
  }
  const Station& st = *res.station;
  const LoadInfo& li = res.info;
  printLoadMessages(li);
  // The grid is fine; the author is told, as the window tells, that its saved data is not.
  if (!res.tailError.empty()) printMessage(tailErrorMessage(res.tailError));
  const TrimRect r = boundingBox(st);
  if (r.TrimAdvised) printMessage(trimAdviceMessage());
  std::cout << "rows=" << st.RowCount() << " cols=" << st.ColCount() << "\n"
            << "limit_message=" << li.limitMessage << " screen_message=" << li.screenMessage
            << " point0_warning=" << li.point0Warning << "\n"
            << "bbox=" << r.TrimXLo << "," << r.TrimXHi << "," << r.TrimYLo << "," << r.TrimYHi
            << " trim_advised=" << r.TrimAdvised << "\n";
  return 0;
}

}  // namespace szl::cli
