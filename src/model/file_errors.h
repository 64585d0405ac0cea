// Why the system refused a file, in the author's words, for every message that names a file.
#pragma once

#include <string>

namespace szl {

std::string readFailureReason(int err);   // opening a file to read it
std::string writeFailureReason(int err);  // creating or writing a file

}  // namespace szl
