// The message boxes of the search and of the route recording, with their texts as the author
// sees them.
#pragma once

#include <string>

#include "model/message.h"
#include "search/search_host.h"

namespace szl {

// Limits of the search tables; `point` is the start cell being walked.
Message stackOverflowMessage(int point);
Message segmentOverflowMessage(int point);

// A walk from one start port that went on past any sensible size: round a loop of track with a
// switch in it, or through so many switches and crossings that the ways through them have no
// end in sight; the search goes on from the next start port.
// A walk given up after `cells` cells and `seconds` seconds.
Message walkAbandonedMessage(int point, long long cells, double seconds);

Message routeTooLongMessage();  // 200 cells or more: never written
Message longRouteMessage();     // 59 cells or more without long routes allowed

// A rejection by a filter or by the platform rule; the texts are the `*Text` constants below.
Message rejectionMessage(const char* text);
inline constexpr const char* kTwoWayText = "Ta trasa jest dwukierunkowa.";
inline constexpr const char* kOneWayText = "Ta trasa jest jednokierunkowa.";
inline constexpr const char* kElectrifiedText = "Ta trasa jest zelektryfikowana.";
inline constexpr const char* kNotElectrifiedText = "Ta trasa nie jest zelektryfikowana.";
inline constexpr const char* kFromEntryText = "Trasa nie prowadzi z tego wjazdu na żaden peron.";
inline constexpr const char* kFromPlatformText =
    "Trasa nie prowadzi z tego peronu na żaden wyjazd.";
inline constexpr const char* kToPlatformText = "Trasa nie prowadzi z żadnego wjazdu na ten peron.";
inline constexpr const char* kToExitText = "Trasa nie prowadzi z żadnego peronu na ten wyjazd.";

// A route that passes one element twice; `point` is that element. Without a question the
// message only informs; with one, OK keeps the route and Cancel rejects it.
Message repeatedElementsMessage(int point, bool asking);
Message crossingTwiceMessage(int point);

Message routeQuestion(bool twoWay, bool electrified, int startPoint, int endPoint);

Message distantCellsMessage();  // two consecutive route cells that are not neighbours

Message searchSummary(const SearchCounters& c);

// The route file: a name that cannot name a file in the station's folder, a file that cannot
// be created, a write that did not go through.
Message routeFileNameMessage(const std::string& base);
Message routeFileCreateMessage(const std::string& path, int err);
// `routes`: the whole lines the file holds.
Message routeFileWriteMessage(const std::string& path, int err, long long routes);
// The route file reached its limit; the search stops there.
Message routeFileFullMessage(const std::string& path, long long routes);

}  // namespace szl
