// The station the writer and the saved-station tests share: an object of every class, the
// routes a search finds on it, and the file the save writes with the author's data.
#pragma once

#include <string>
#include <vector>

#include "support/test_support.h"

namespace szl::test {

inline const std::vector<std::string> kSampleRows = {
    "0 0 0 0 0 0 0 0 0 0 0 0",           //
    "0 51 10 10 21 4 21 10 10 10 51 0",  // entry 1, platform 4, exit 2
    "0 1 11 16 0 0 0 0 0 0 2 0",         // the entry-exit's track round the goods tracks' north
    "0 52 10 10 53 53 53 10 10 22 0 0",  // entry-exit 3, goods tracks without number, sidings
    "0 3 15 17 0 0 0 0 0 0 0 0",         // and south
    "0 21 10 10 530 10 48 0 0 0 0 0",    // stopping point, loco stopping point, shed
    "0 480 100 10 220 0 22 0 0 0 0 0",   // shed, sidings, unlinked sidings
};

// Routes the search finds; of the group of three the author keeps the first and third.
inline const std::string kSampleRoutes =
    "1,1,101,102,103,104,0,\r\n"
    "0,1,106,107,108,109,110,0,\r\n"
    "1,1,301,302,303,304,0,\r\n"
    "1,1,301,202,203,304,0,\r\n"
    "1,1,301,402,403,304,0,\r\n"
    "1,0,501,502,503,504,505,506,0,\r\n";

// Lines 10 to 32 of the saved file; the grid takes lines 1 to 9.
inline const std::vector<std::string> kSampleTail = {
    "5,",                                         // 10
    "1,1,101,102,103,104,0,",                     // 11
    "0,1,106,107,108,109,110,0,",                 // 12
    "1,1,301,302,303,304,0,",                     // 13
    "1,1,301,402,403,304,0,",                     // 14
    "1,0,501,502,503,504,505,506,0,",             // 15
    "11,20,",                                     // 16
    "1,5,101,10,0,11,",                           // 17
    "4,3,104,105,106,4,",                         // 18
    "2,3,110,0,0,20,",                            // 19
    "3,407,301,15,0,31,",                         // 20
    "9,3,304,305,306,0,",                         // 21
    "5,6,309,0,0,0,",                             // 22
    "6,2,501,0,0,0,",                             // 23
    "7,2,504,0,0,0,",                             // 24
    "8,2,506,0,0,0,",                             // 25
    "8,2,601,0,0,0,",                             // 26
    "5,4,604,0,0,6,",                             // 27
    "15,",                                        // 28
    "8,2,15,45,",                                 // 29
    "Stacja testowa: \xBF\xF3\xB3w, g\xEA\x9C.",  // 30
    "Linia druga ??",                             // 31
    "Stacja zosta\xB3"
    "a stworzona 2024-05-17 o 14:03 przy pomocy programu Szlakownik 2.0.",
};

inline std::string sampleFile(const std::vector<std::string>& rows = kSampleRows,
                              const std::vector<std::string>& tail = kSampleTail) {
  std::string s = stationFileText(rows);
  for (const std::string& line : tail) s += line + "\r\n";
  return s;
}

}  // namespace szl::test
