// What a saved station file holds after its grid: the kept routes, the object records, the
// clock tick unit, the shed's data, the comment and the signature. Read back exactly as the
// writer writes them, so that an author's work survives reopening the file.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/station.h"

namespace szl {

// One object record as written: its class in the first field (1 entry, 2 exit, 3 entry-exit,
// 4 platform group, 5 sidings, 6 stopping point, 7 locomotive stopping point, 8 shed, 9 goods
// tracks) and its point in the third.
struct SavedRecord {
  int64_t line = 0;
  std::array<int16_t, 6> fields{};

  int kind() const { return fields[0]; }
  int16_t point() const { return fields[2]; }
};

// How the writer's signature line starts: a saved part whose last line starts otherwise was cut
// short or changed by hand.
inline constexpr std::string_view kSignatureStart = "Stacja została stworzona";

// What a saved part can hold: far more than any station's, far less than would hurt to read.
inline constexpr size_t kMaxSavedTailBytes = size_t{64} << 20;
inline constexpr size_t kMaxCommentBytes = size_t{1} << 20;  // in Windows-1250 bytes

struct SavedStation {
  std::vector<KeptRoute> routes;  // points as the file numbers them
  std::vector<SavedRecord> records;
  int TickIndex = kDefaultTickIndex;
  // Capacity, locomotives repaired at once, minutes from order to leaving, repair minutes.
  std::array<int16_t, 4> shedData{};
  std::string comment;    // line breaks as CR LF
  std::string signature;
};

struct SavedTail {
  std::optional<SavedStation> saved;  // the file holds a whole saved tail
  std::string error;  // the tail is damaged: why, naming the line; nothing of it is used
};

// Reads what follows the grid of a station of `cols` x `rows` cells, a line at a time, as far as
// the limits above. `firstLine` is the file's line number of the first line after the grid.
// Only blanks and line breaks (and an old editor's Ctrl-Z) after the grid mean a grid-only
// file: neither `saved` nor `error` is set. A damaged saved part is refused whole.
SavedTail readSavedTail(std::istream& in, int cols, int rows, int64_t firstLine,
                        const std::string& displayPath);

}  // namespace szl
