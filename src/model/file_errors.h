// Why the system refused a file, in the author's words, for every message that names a file.
#pragma once

#include <fstream>
#include <string>

namespace szl {

// Opens `path` to read it as bytes: 0, or the errno that refused it (EISDIR for a folder).
int openToRead(const std::string& path, std::ifstream& in);

std::string readFailureReason(int err);   // opening a file to read it
std::string writeFailureReason(int err);  // creating or writing a file

}  // namespace szl
