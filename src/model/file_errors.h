// Why the system refused a file, in the author's words, for every message that names a file.
#pragma once

#include <fstream>
#include <string>

namespace szl {

// What openToRead returns for a path that names something other than a regular file: a pipe
// would keep the program waiting, a device could feed it without end.
inline constexpr int kNotRegularFile = -1;

// Opens `path` to read it as bytes: 0, or why not: an errno (EISDIR for a folder) or
// kNotRegularFile.
int openToRead(const std::string& path, std::ifstream& in);

std::string readFailureReason(int err);   // opening or reading a file
std::string writeFailureReason(int err);  // creating or writing a file

}  // namespace szl
