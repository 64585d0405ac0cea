// Why the system refused a file, in the author's words, for every message that names a file.
#pragma once

#include <string>

namespace szl {

// `err` as the platform reports it (platform/system.h).
std::string readFailureReason(int err);   // opening or reading a file
std::string writeFailureReason(int err);  // creating or writing a file

}  // namespace szl
