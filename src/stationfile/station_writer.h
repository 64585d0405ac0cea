// Saving the station (cmdSave_Click): the object data completed through the editor, a file
// name chosen, and the whole station file written anew from memory and from the route file.
#pragma once

#include <optional>
#include <string>

#include "model/message.h"
#include "model/station.h"
#include "objects/object_data.h"
#include "select/route_file_reader.h"
#include "select/route_table.h"

namespace szl {

// What the save asks the front end.
class SaveHost {
 public:
  virtual ~SaveHost() = default;

  virtual Answer ask(const Message& m) = 0;
  // The object data editor on the station-wide data; true when the author pressed "Anuluj".
  virtual bool cmdPozostale_Click(Station& st) = 0;
  // The object data editor on cell (x, y); true when the author pressed "Anuluj".
  virtual bool Uzupelnij(Station& st, int x, int y) = 0;
  // The save-file dialog: the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> chooseSavePath() = 0;
  // The current date and time in the system's short forms, for the signature line.
  virtual std::string shortDate() = 0;
  virtual std::string shortTime() = 0;
};

enum class SaveOutcome {
  Saved,
  Cancelled,  // the author ended it; nothing written, nothing more said
  Refused,    // the route file no longer matches the route table, or cannot be read
  Failed,     // the file could not be written; the old one is untouched
};

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::Cancelled;
  std::string path;     // the file written (or that failed)
  ObjectTotals totals;  // ObjectCount and SidingPlaces of the file written
};

// The whole save: station-wide data, missing object data, file name, writing, reminder.
SaveResult cmdSave_Click(Station& st, const RouteTable& table, const std::string& routeFilePath,
                         SaveHost& host);

// The station file's bytes for a route file that `table` describes.
struct StationFileBytes {
  std::string bytes;
  int replaced = 0;  // characters of comment and signature missing from Windows-1250
  bool encoded = true;
  ObjectTotals totals;
  // Why the file could not be read back whole (a value beyond a field's range, a comment too
  // long): such a file must not be written, or its data would be lost on opening it.
  std::string unreadable;
};
StationFileBytes stationFileBytes(const Station& st, const RouteTable& table,
                                  const RouteFile& routes, const std::string& signature,
                                  const std::string& displayPath = "");

// The message that refuses to write a file that would not read back.
Message unreadableMessage(const std::string& path, const std::string& why);

// The header, size line and grid alone, as the reader reads them first: for an author who goes
// on drawing elsewhere.
std::string gridFileBytes(const Station& st);

// "Stacja została stworzona DATE o TIME przy pomocy programu Szlakownik 2.0."
std::string signatureLine(const std::string& date, const std::string& time);

}  // namespace szl
