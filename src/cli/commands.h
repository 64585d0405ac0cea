// The batch tool's commands. Each returns the process exit status: 0 done, 1 refused input,
// 2 wrong usage.
#pragma once

#include <string>
#include <vector>

namespace szl::cli {

using Args = std::vector<std::string>;

int info(const Args& args);
int search(const Args& args);
int groups(const Args& args);

// Prints a message the window would show, on standard error.
void printMessage(const std::string& title, const std::string& text);

}  // namespace szl::cli
