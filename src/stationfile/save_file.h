// Replacing a file safely: the bytes go to a temporary file in the target's folder, which is
// renamed over the target only when everything was written. A failure leaves the old file as
// it was and no temporary file behind.
#pragma once

#include <string>
#include <string_view>

namespace szl {

// 0 on success, otherwise why the step that failed did (platform/system.h).
int saveFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace szl
